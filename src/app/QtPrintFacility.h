#pragma once
// The printer through Qt's print support: one QPrinter kept for the whole
// run, so the choices made in its setup dialog stay in force; the preview
// dialog; a save dialog for PDF files.
#include <memory>

#include <QPointer>
#include <QWidget>

#include "app/PrintFacility.h"

class QPrinter;

namespace vexoria {

class QtPrintFacility : public PrintFacility {
public:
    explicit QtPrintFacility(QWidget* parent = nullptr);
    ~QtPrintFacility() override;

    bool hasPrinter() override;
    void setupDialog() override;
    bool print(const Report& report, QString* error) override;
    void preview(const Report& report) override;
    QString pdfPath(const QString& suggested) override;

private:
    QPrinter& printer();

    QPointer<QWidget> m_parent;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace vexoria
