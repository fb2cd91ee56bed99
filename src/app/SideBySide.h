#pragma once
// "Код и схема рядом": the code tab and the diagram tab side by side in one
// page of the window's tabs, split between them (code left, chart right),
// instead of a tab each. Switched off, the two tabs are back where they were,
// under their captions. The choice and the split are the user's own, kept
// with the program's configuration apart from shema.ini.
#include <QList>
#include <QObject>

class QSettings;
class QSplitter;
class QTabWidget;
class QWidget;

namespace vexoria {

class SideBySide : public QObject {
    Q_OBJECT
public:
    // code and diagram: the tabs' pages, at indexes 0 and 1 of tabs.
    SideBySide(QTabWidget& tabs, QWidget& code, QWidget& diagram, QObject* parent = nullptr);

    bool isOn() const { return m_on; }
    // The page that holds both while they are side by side.
    QWidget* page() const { return m_page; }
    QSplitter* splitter() const { return m_splitter; }

    // Moves the two pages into the split page or back into their tabs. The
    // tabs' currentChanged is emitted on the way: the caller keeps its tab
    // rules out of it. The page on show stays on show: the split page takes
    // the place of either of the two, and back, the one that was on show
    // before is again.
    void setOn(bool on);

    // The choice and the splitter's place, as the user left them.
    void load(const QSettings& settings);
    void save(QSettings& settings) const;

private:
    QTabWidget& m_tabs;
    QWidget& m_code;
    QWidget& m_diagram;
    QWidget* m_page;
    QSplitter* m_splitter;
    // The split while the pages are in their tabs (the splitter is empty then).
    QList<int> m_sizes;
    bool m_on = false;
    bool m_codeWasOnShow = true; // before the two went side by side
};

} // namespace vexoria
