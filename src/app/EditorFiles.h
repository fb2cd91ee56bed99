#pragma once
// The code editor's files and popup menu: "Открыть *.txt", "Сохранить *.txt"
// and the popup's "Сохранить", "Копировать", "Очистить", "Вставить". It also
// keeps the encoding of the editor's text, so that a file is saved the way
// it was read; text that came from no file is UTF-8.
#include <QObject>
#include <QStringList>

#include "app/EditorSession.h"
#include "platform/text/TextCodec.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace vexoria {

class Clipboard;
class FileDialogs;
struct QueueState;
struct Workspace;

class EditorFiles : public QObject {
    Q_OBJECT
public:
    EditorFiles(QPlainTextEdit& codeEditor, Workspace& ws, QueueState& queue, FileDialogs& dialogs,
                Clipboard& clipboard, QObject* parent = nullptr);

    QMenu* editorMenu;          // the editor's popup menu
    QAction* editorSaveAction;  // "Сохранить"
    QAction* editorCopyAction;  // "Копировать"
    QAction* editorClearAction; // "Очистить"
    QAction* editorPasteAction; // "Вставить"

    // The editor's lines as they are saved and counted: a final line break
    // makes no empty last line.
    QStringList lines() const;
    TextEncoding encoding() const { return m_encoding; }
    // Replaces the editor's text by lines read in encoding. The user can
    // take the change back with Undo.
    void setLines(const QStringList& lines, TextEncoding encoding);
    // Replaces the editor's text by the clipboard's.
    void pasteClipboard();
    // Reads a text file into the editor. A file that cannot be read, or is
    // not text, leaves the editor as it was and says why; returns false.
    bool loadFile(const QString& path);

    // The file the editor's text came from or was last saved to; empty for
    // text that was typed or pasted into an empty editor.
    const QString& sourcePath() const { return m_sourcePath; }
    void setSourcePath(const QString& path);
    // The editor's text, its file and encoding, as kept between runs.
    EditorSession session() const;
    // Puts a kept session into the editor, as the text it starts with.
    void restore(const EditorSession& s);

public slots:
    void openTextFile(); // "Открыть *.txt"
    void saveTextFile(); // "Сохранить *.txt"
    void saveText();     // popup "Сохранить"
    void copyText();     // popup "Копировать"
    void clearText();    // popup "Очистить"
    void pasteText();    // popup "Вставить"

signals:
    // Loading a text file left the routine queue: its list and panel hide.
    void queueLeft();
    // The editor's text now comes from another file, or from none.
    void sourceChanged(const QString& path);

private:
    void replaceText(const QString& text);

    QPlainTextEdit& m_editor;
    Workspace& m_ws;
    QueueState& m_queue;
    FileDialogs& m_dialogs;
    Clipboard& m_clipboard;
    TextEncoding m_encoding = TextEncoding::Utf8;
    QString m_sourcePath;
};

// A folder for a dialog to start in: the remembered one, or the user's home
// when none is remembered.
QString startFolder(const QString& remembered);
// The folder of a chosen file, as the dialog remembers it.
QString folderOf(const QString& path);

} // namespace vexoria
