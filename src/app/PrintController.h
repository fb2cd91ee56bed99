#pragma once
// Printing from the window: the "Печать" button, the diagram's "Печатать",
// "Файл" → "Печать" and "Схема" → "Подписать линии". A paged print asks for
// the page count first, then prints one sheet per page, at most twelve; a
// one-sheet print goes through the preview. Where no printer is installed
// the sheets can be written to a PDF instead. A print that does not happen
// (declined, cancelled or failed) leaves the diagram as it was before the
// break labels were drawn for it.
#include <functional>
#include <memory>

#include <QObject>

#include "pages/Report.h"

class QWidget;

namespace vexoria {

class PrintFacility;
struct Workspace;

class PrintController : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> oneSheet;       // "Уместить на одном листе" is chosen
        std::function<void()> diagramChanged; // the picture or the markers changed
        std::function<void()> afterPreview;   // the preview was closed
        std::function<void()> stopAnimation;  // before break labels are drawn; the heads stay
    };

    PrintController(Workspace& ws, QWidget* window, Hooks hooks, QObject* parent = nullptr);
    ~PrintController() override;

    // Replaces the printer (tests); the controller does not own it.
    void setFacility(PrintFacility* facility);
    PrintFacility& facility() { return *m_facility; }

    // "Печать" and "Печатать": the break labels first when "Подписывать
    // разрывы" is on, then the print.
    void printFromButton();
    // "Файл" → "Печать": the print alone.
    void printFromMenu();
    // "Подписать линии".
    void labelLines();

    // What the report holds after the last print or preview.
    const Report& report() const { return m_report; }

signals:
    void reportChanged();

private:
    enum class Outcome { Printed, NotPrinted };
    void print(bool labels);
    // The animation stops, then the break labels are drawn.
    void writeLabels();
    Outcome printReport();
    Outcome printPages(int pages);
    Outcome writePdfInstead(int pages);

    Workspace& m_ws;
    Hooks m_hooks;
    std::unique_ptr<PrintFacility> m_own;
    PrintFacility* m_facility;
    Report m_report;
};

} // namespace vexoria
