#pragma once
// The printer as the window uses it: whether one is installed, its setup
// dialog, printing a report, the report's preview and the question where to
// write a PDF instead. The window prints through this interface only, so its
// print flows run in tests with a fake.
#include <QString>

namespace vexoria {

struct Report;

class PrintFacility {
public:
    virtual ~PrintFacility() = default;

    // A printer is installed.
    virtual bool hasPrinter() = 0;
    // The printer setup dialog (printer, copies, orientation, page range).
    // Cancelling it keeps the settings the printer had.
    virtual void setupDialog() = 0;
    // Prints the report on the current printer, one page per sheet. False,
    // with *error set to one line, when the job could not be printed.
    virtual bool print(const Report& report, QString* error) = 0;
    // Shows the report in a modal preview, from which the user may print;
    // returns when the preview is closed.
    virtual void preview(const Report& report) = 0;
    // Asks where to write the report as a PDF, starting from suggested;
    // empty when the user cancels.
    virtual QString pdfPath(const QString& suggested) = 0;
};

} // namespace vexoria
