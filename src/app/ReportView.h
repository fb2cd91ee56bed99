#pragma once
// reportView on the "Печать" tab: the report's sheet as it was last printed
// or previewed, on an A4 page at screen size, in a scrolling view.
#include <QWidget>

#include "pages/Report.h"

class QScrollArea;

namespace vexoria {

class ReportView : public QWidget {
    Q_OBJECT
public:
    // Fills tab with a scrolling view holding the report.
    explicit ReportView(QWidget* tab);

    // Shows the last sheet of the report.
    void setReport(const Report& report);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_title;
    ReportSheet m_sheet;
    QScrollArea* m_scroll;
};

} // namespace vexoria
