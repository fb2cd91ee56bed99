#pragma once
// A printer for window tests: it keeps every report it is given and answers
// as the test sets it, and says in which order it was used.
#include <functional>
#include <vector>

#include <QStringList>

#include "pages/Report.h"
#include "app/PrintFacility.h"

namespace vexoria::test {

class FakePrintFacility : public PrintFacility {
public:
    bool printer = true; // a printer is installed
    bool fails = false;  // the printer refuses the job
    QString pdfAnswer;   // the answer to the PDF save dialog
    std::vector<Report> jobs;
    Report previewed;
    QStringList calls;
    std::function<void()> whilePreviewing;

    bool hasPrinter() override { return printer; }
    void setupDialog() override { calls << QStringLiteral("setup"); }
    bool print(const Report& report, QString* error) override
    {
        calls << QStringLiteral("print");
        if (fails) {
            *error = QStringLiteral("Принтер не принял задание");
            return false;
        }
        jobs.push_back(report);
        return true;
    }
    void preview(const Report& report) override
    {
        calls << QStringLiteral("preview");
        previewed = report;
        if (whilePreviewing) whilePreviewing();
    }
    QString pdfPath(const QString&) override
    {
        calls << QStringLiteral("pdf");
        return pdfAnswer;
    }
};

} // namespace vexoria::test
