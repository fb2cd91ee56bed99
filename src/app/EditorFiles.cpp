#include "app/EditorFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "pipeline/Workspace.h"
#include "platform/files/OutputFile.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/FileDialogs.h"
#include "source/RoutineQueue.h"
#include "source/TextFile.h"

namespace vexoria {

namespace {

const QString kTextFilter = QStringLiteral("Текстовые (*.txt)");
const QString kAnyFilter = QStringLiteral("Все файлы (*)");

// The editor's paragraph and line separators as the line breaks they are.
QString plainLineBreaks(QString text)
{
    return text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
}

} // namespace

QString startFolder(const QString& remembered) { return remembered.isEmpty() ? QDir::homePath() : remembered; }

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

EditorFiles::EditorFiles(QPlainTextEdit& codeEditor, Workspace& ws, QueueState& queue, FileDialogs& dialogs,
                         Clipboard& clipboard, QObject* parent)
    : QObject(parent), m_editor(codeEditor), m_ws(ws), m_queue(queue), m_dialogs(dialogs), m_clipboard(clipboard)
{
    editorMenu = new QMenu(&m_editor);
    editorMenu->setObjectName(QStringLiteral("PopupMenu3"));
    auto item = [this](const char* name, const QString& caption, void (EditorFiles::*slot)()) {
        QAction* a = editorMenu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    editorSaveAction = item("N16", QStringLiteral("Сохранить"), &EditorFiles::saveText);
    editorCopyAction = item("N17", QStringLiteral("Копировать"), &EditorFiles::copyText);
    editorClearAction = item("N9", QStringLiteral("Очистить"), &EditorFiles::clearText);
    editorPasteAction = item("N13", QStringLiteral("Вставить"), &EditorFiles::pasteText);
    connect(editorMenu, &QMenu::aboutToShow, this,
            [this] { editorCopyAction->setEnabled(m_editor.textCursor().hasSelection()); });

    m_editor.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { editorMenu->popup(m_editor.viewport()->mapToGlobal(at)); });
}

QStringList EditorFiles::lines() const
{
    const QString text = plainLineBreaks(m_editor.document()->toRawText());
    if (text.isEmpty()) return {};
    QStringList out = text.split(u'\n');
    if (out.last().isEmpty()) out.removeLast();
    return out;
}

void EditorFiles::replaceText(const QString& text)
{
    // One edit instead of clear(): clear() forgets the undo history, and
    // "Очистить" or a file loaded by mistake would take the user's code with it.
    QTextCursor c(m_editor.document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    if (!text.isEmpty()) c.insertText(text);
    c.endEditBlock();
}

void EditorFiles::setLines(const QStringList& lines, TextEncoding encoding)
{
    replaceText(lines.join(u'\n'));
    m_encoding = encoding;
    m_editor.moveCursor(QTextCursor::Start);
    m_editor.ensureCursorVisible();
}

void EditorFiles::pasteClipboard()
{
    QString text = m_clipboard.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    replaceText(text);
    m_encoding = TextEncoding::Utf8;
    setSourcePath(QString());
}

void EditorFiles::setSourcePath(const QString& path)
{
    if (path == m_sourcePath) return;
    m_sourcePath = path;
    emit sourceChanged(path);
}

EditorSession EditorFiles::session() const
{
    return {plainLineBreaks(m_editor.document()->toRawText()), m_sourcePath, m_encoding};
}

void EditorFiles::restore(const EditorSession& s)
{
    // The text the editor starts with: there is nothing to undo before it.
    m_editor.setPlainText(s.code);
    m_encoding = s.encoding;
    setSourcePath(s.sourcePath);
}

bool EditorFiles::loadFile(const QString& path)
{
    QString reason;
    const auto bytes = readFileBytes(path, &reason);
    if (!bytes) {
        m_ws.prompter->message(
            QStringLiteral("Не удалось прочитать файл %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    if (!looksLikeText(*bytes)) {
        m_ws.prompter->message(
            QStringLiteral("Файл %1 не текстовый: редактор не изменён.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const TextFileContents contents = decodeTextFile(*bytes);
    setLines(contents.lines, contents.encoding);
    setSourcePath(QFileInfo(path).absoluteFilePath());
    return true;
}

void EditorFiles::openTextFile()
{
    // Opening a text file leaves the routine queue even when the dialog is
    // then cancelled.
    m_queue.editorHoldsOwnCode = true;
    m_queue.fetchBeforeBuild = false;
    emit queueLeft();

    QString& folder = m_ws.settings.textOpenFolder;
    const auto choice =
        m_dialogs.openFile({QStringLiteral("Открыть *.txt"), startFolder(folder), {kTextFilter, kAnyFilter}, 1});
    if (!choice) return;
    folder = folderOf(choice->path);
    loadFile(choice->path);
}

void EditorFiles::saveTextFile()
{
    QString& folder = m_ws.settings.textSaveFolder;
    const auto choice = m_dialogs.saveFile({QStringLiteral("Сохранить *.txt"), startFolder(folder), {kTextFilter}, 1});
    if (!choice) return;
    folder = folderOf(choice->path);
    const QString path = withSuffix(choice->path, {QStringLiteral("txt")});

    TextEncoding written = m_encoding;
    const QByteArray bytes = textFileBytes(lines(), m_encoding, &written);
    QString error;
    if (!writeOutputBytes(path, bytes, &error)) {
        m_ws.prompter->message(QStringLiteral("Файл не сохранён, прежний файл не изменён.\n%1").arg(error));
        return;
    }
    if (written != m_encoding) {
        m_ws.prompter->message(QStringLiteral("В кодировке Windows-1251 нет некоторых символов текста: "
                                              "файл %1 сохранён в UTF-8.")
                                   .arg(QDir::toNativeSeparators(path)));
        m_encoding = written;
    }
    setSourcePath(QFileInfo(path).absoluteFilePath());
}

void EditorFiles::saveText() { saveTextFile(); }

void EditorFiles::copyText()
{
    const QTextCursor c = m_editor.textCursor();
    if (c.hasSelection()) m_clipboard.setText(plainLineBreaks(c.selectedText()));
}

void EditorFiles::clearText()
{
    replaceText(QString());
    m_encoding = TextEncoding::Utf8;
    setSourcePath(QString());
}

void EditorFiles::pasteText()
{
    m_queue.fetchBeforeBuild = false;
    m_queue.editorHoldsOwnCode = true;
    pasteClipboard();
}

} // namespace vexoria
