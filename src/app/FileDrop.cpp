#include "app/FileDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include "app/EditorFiles.h"
#include "app/PictureFiles.h"
#include "app/RoutineQueuePanel.h"
#include "app/MainWindow.h"

namespace vexoria {

namespace {

// The first local file of a drag, or nothing.
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

bool hasSuffix(const QString& path, std::initializer_list<const char*> suffixes)
{
    const QString s = QFileInfo(path).suffix().toLower();
    for (const char* x : suffixes)
        if (s == QLatin1String(x)) return true;
    return false;
}

} // namespace

FileDrop::FileDrop(MainWindow& form, QPlainTextEdit& editor, EditorFiles& files, RoutineQueuePanel& queue,
                   PictureFiles& pictures)
    : QObject(&form), m_form(form), m_files(files), m_queue(queue), m_pictures(pictures)
{
    m_form.setAcceptDrops(true);
    m_form.installEventFilter(this);
    editor.viewport()->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(e);
        if (!droppedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (e->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(e);
        const QString path = droppedFile(drop->mimeData());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            openDropped(path);
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

void FileDrop::openDropped(const QString& path)
{
    if (hasSuffix(path, {"pas", "pp"})) {
        m_form.selectTab(WindowTab::Code);
        m_queue.openUnit(path);
        return;
    }
    if (hasSuffix(path, {"bmp", "jpg", "jpeg", "png"})) {
        m_pictures.openPicture(path);
        return;
    }
    // Any other file is read as text, which leaves the routine queue as
    // "Открыть *.txt" does once the file has been read.
    EditorFiles& editor = m_files;
    if (!editor.loadFile(path)) return;
    QueueState& queue = m_form.queueState();
    queue.editorHoldsOwnCode = true;
    queue.fetchBeforeBuild = false;
    m_queue.hideAll();
    m_form.selectTab(WindowTab::Code);
}

} // namespace vexoria
