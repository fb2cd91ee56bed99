#pragma once
// The open and save dialogs, behind an interface so that the window's file
// commands can be driven by a script in tests.
#include <optional>

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace vexoria {

struct FileDialogRequest {
    QString title;
    QString folder;      // where the dialog starts
    QStringList filters; // "Текстовые (*.txt)", in the order shown
    int filterIndex = 1; // the filter selected at start, from 1
};

struct FileDialogChoice {
    QString path;
    int filterIndex = 1; // the filter the user left selected, from 1
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Nothing when the user cancelled.
    virtual std::optional<FileDialogChoice> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogChoice> saveFile(const FileDialogRequest& request) = 0;
};

// The toolkit's dialogs, modal over the window. The save dialog gives the
// name the extension of the selected filter when the user typed none, so
// that its question about replacing a file asks about the real name.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : m_parent(parent) {}
    std::optional<FileDialogChoice> openFile(const FileDialogRequest& request) override;
    std::optional<FileDialogChoice> saveFile(const FileDialogRequest& request) override;

private:
    std::optional<FileDialogChoice> run(const FileDialogRequest& request, bool save);
    QPointer<QWidget> m_parent;
};

// The name the user chose with the extension added when it does not already
// end in it (in any case): "code" gives "code.txt", "code.txt" stays. Any
// of the extensions counts; the first is the one added.
QString withSuffix(const QString& path, const QStringList& suffixes);

// The first extension of a filter: "Bitmaps (*.bmp)" gives "bmp"; none for "(*)".
QString filterSuffix(const QString& filter);

} // namespace vexoria
