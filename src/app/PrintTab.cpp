#include "app/PrintTab.h"

#include "app/ReportView.h"

namespace vexoria {

PrintTab::PrintTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Totch"));
    m_reportView = new ReportView(this);
}

void PrintTab::showReport(const Report& report) { m_reportView->setReport(report); }

} // namespace vexoria
