#include "app/ReportView.h"

#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vexoria {

namespace {

// An A4 sheet in report pixels, and where the margins put the report on it.
constexpr double kMmToPx = report::kDpi / 25.4;
const QSize kSheet(qRound(210 * kMmToPx), qRound(297 * kMmToPx));
const QPoint kOrigin(qRound(report::kLeftMm* kMmToPx), qRound(report::kTopMm* kMmToPx));
constexpr int kGap = 12;

} // namespace

ReportView::ReportView(QWidget* tab) : QWidget(nullptr), m_title(QStringLiteral("Блок-Схема"))
{
    setObjectName(QStringLiteral("QuickRep1"));
    setFixedSize(kSheet + QSize(2 * kGap, 2 * kGap));
    m_scroll = new QScrollArea(tab);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
}

void ReportView::setReport(const Report& report)
{
    m_title = report.title;
    m_sheet = report.sheets.empty() ? ReportSheet{} : report.sheets.back();
    update();
}

void ReportView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect sheet(QPoint(kGap, kGap), kSheet);
    p.fillRect(sheet.translated(3, 3), palette().shadow());
    p.fillRect(sheet, Qt::white);
    p.translate(sheet.topLeft() + kOrigin);
    paintReportSheet(p, m_title, m_sheet);
}

} // namespace vexoria
