#include "app/SideBySide.h"

#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexoria {

namespace {
const QString kOnKey = QStringLiteral("sideBySide/on");
const QString kSizesKey = QStringLiteral("sideBySide/sizes");
const QString kCodeCaption = QStringLiteral("Код");
const QString kDiagramCaption = QStringLiteral("Диаграмма");
} // namespace

SideBySide::SideBySide(QTabWidget& tabs, QWidget& code, QWidget& diagram, QObject* parent)
    : QObject(parent), m_tabs(tabs), m_code(code), m_diagram(diagram)
{
    setObjectName(QStringLiteral("SideBySide"));
    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("sideBySidePage"));
    m_splitter = new QSplitter(Qt::Horizontal, m_page);
    m_splitter->setObjectName(QStringLiteral("sideBySideSplitter"));
    m_splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(m_page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    // Until the user moves it, the chart (700 pixels wide) gets the larger
    // share, and what a larger window adds.
    m_sizes = {450, 750};
    // The page belongs to the tabs' widget whether it is in the tabs or not.
    m_page->setParent(&m_tabs);
    m_page->hide();
}

void SideBySide::setOn(bool on)
{
    if (on == m_on) return;
    QWidget* const current = m_tabs.currentWidget();
    if (on) {
        const bool splitOnShow = current == &m_code || current == &m_diagram;
        m_codeWasOnShow = current != &m_diagram;
        m_tabs.removeTab(m_tabs.indexOf(&m_diagram));
        m_tabs.removeTab(m_tabs.indexOf(&m_code));
        m_splitter->addWidget(&m_code);
        m_splitter->addWidget(&m_diagram);
        m_splitter->setStretchFactor(1, 1);
        m_splitter->setSizes(m_sizes);
        m_code.show();
        m_diagram.show();
        m_tabs.insertTab(0, m_page, QStringLiteral("Код и схема"));
        if (splitOnShow) m_tabs.setCurrentWidget(m_page);
    } else {
        const bool splitOnShow = current == m_page;
        m_sizes = m_splitter->sizes();
        m_tabs.removeTab(m_tabs.indexOf(m_page));
        m_page->hide();
        m_tabs.insertTab(0, &m_code, kCodeCaption);
        m_tabs.insertTab(1, &m_diagram, kDiagramCaption);
        if (splitOnShow) m_tabs.setCurrentWidget(m_codeWasOnShow ? &m_code : &m_diagram);
    }
    m_on = on;
}

void SideBySide::load(const QSettings& settings)
{
    QList<int> sizes;
    for (const QVariant& v : settings.value(kSizesKey).toList())
        if (v.toInt() > 0) sizes << v.toInt();
    if (sizes.size() == 2) m_sizes = sizes;
    setOn(settings.value(kOnKey, false).toBool());
}

void SideBySide::save(QSettings& settings) const
{
    settings.setValue(kOnKey, m_on);
    QVariantList sizes;
    for (int size : m_on ? m_splitter->sizes() : m_sizes) sizes << size;
    settings.setValue(kSizesKey, sizes);
}

} // namespace vexoria
