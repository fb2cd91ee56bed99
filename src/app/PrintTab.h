#pragma once
// The "Печать" tab: the report's sheet as it was last printed or previewed.
// The print layout and the "Печать" button are under the editor, on the
// code tab, where the user chooses them before a print.
#include <QWidget>

namespace vexoria {

class ReportView;
struct Report;

class PrintTab : public QWidget {
    Q_OBJECT
public:
    explicit PrintTab(QWidget* parent = nullptr);

    ReportView* reportView() const { return m_reportView; }
    void showReport(const Report& report);

private:
    ReportView* m_reportView;
};

} // namespace vexoria
