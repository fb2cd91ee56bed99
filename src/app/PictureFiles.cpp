#include "app/PictureFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/EditorFiles.h"
#include "app/WindowState.h"
#include "pipeline/Workspace.h"
#include "platform/pictures/PictureReader.h"
#include "platform/pictures/PictureWriter.h"
#include "platform/pictures/VectorChart.h"
#include "platform/widgets/FileDialogs.h"

namespace vexoria {

namespace {

// Filter 1 is the bitmap format, 2 JPEG, 3 PNG.
const QStringList kFilters = {QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("Формат (*.jpg)"),
                              QStringLiteral("PNG (*.png)")};
constexpr int kJpegFilter = 2;
constexpr int kPngFilter = 3;
// Saving also offers the chart as a vector drawing, from the calls the
// build drew it with.
const QStringList kSaveFilters = kFilters + QStringList{QStringLiteral("SVG (*.svg)"), QStringLiteral("PDF (*.pdf)")};
constexpr int kSvgFilter = 4;
constexpr int kPdfFilter = 5;

} // namespace

PictureFiles::PictureFiles(Workspace& ws, WindowState& state, FileDialogs& dialogs, std::function<void()> shown,
                           QObject* parent)
    : QObject(parent), m_ws(ws), m_state(state), m_dialogs(dialogs), m_shown(std::move(shown))
{
}

void PictureFiles::addPopupItems(QMenu* diagramMenu)
{
    openPictureMenuAction = diagramMenu->addAction(QStringLiteral("Загрузить"));
    openPictureMenuAction->setObjectName(QStringLiteral("N5"));
    savePictureMenuAction = diagramMenu->addAction(QStringLiteral("Сохранить"));
    savePictureMenuAction->setObjectName(QStringLiteral("N3"));
    connect(openPictureMenuAction, &QAction::triggered, this, &PictureFiles::openPictureFile);
    connect(savePictureMenuAction, &QAction::triggered, this, &PictureFiles::savePictureFile);
}

bool PictureFiles::openPicture(const QString& path, int filterIndex)
{
    std::optional<PictureFormat> format;
    if (filterIndex == kJpegFilter) format = PictureFormat::Jpeg;
    QString reason;
    const auto image = readPicture(path, format, &reason);
    if (!image) {
        m_ws.prompter->message(QStringLiteral("Не удалось открыть рисунок %1: %2.\nСхема не изменена.")
                                   .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_ws.diagram.setPicture(*image);
    // The arrows of the animation and the hints run along the last build's
    // connections, which are not this picture's.
    m_state.animationOn = false;
    m_state.animStep = 0;
    m_ws.pictureConnectionsFrom = static_cast<int>(m_ws.connections.size());
    if (m_shown) m_shown();
    return true;
}

void PictureFiles::openPictureFile()
{
    // The picture on show stays until another one is read: a cancelled
    // dialog or a damaged file must not cost the user a chart with comments
    // typed onto it.
    QString& folder = m_ws.settings.pictureOpenFolder;
    const auto choice = m_dialogs.openFile({QStringLiteral("Открыть *.bmp"), startFolder(folder), kFilters, 1});
    if (!choice) return;
    folder = folderOf(choice->path);
    openPicture(choice->path, choice->filterIndex);
}

void PictureFiles::savePictureFile()
{
    if (!m_ws.diagram.hasPicture()) {
        m_ws.prompter->message(QStringLiteral("Нет Блок-схемы: сохранять нечего"));
        return;
    }
    QString& folder = m_ws.settings.pictureSaveFolder;
    const auto choice = m_dialogs.saveFile({QStringLiteral("Сохранить *.bmp"), startFolder(folder), kSaveFilters, 1});
    if (!choice) return;

    // The format is the filter's; the name gets its extension when it lacks
    // it. Only a JPEG save moves the dialog's start folder.
    QString path;
    if (choice->filterIndex == kJpegFilter) {
        folder = folderOf(choice->path);
        path = withSuffix(choice->path, {QStringLiteral("jpg"), QStringLiteral("jpeg")});
    } else if (choice->filterIndex == kPngFilter) {
        path = withSuffix(choice->path, {QStringLiteral("png")});
    } else if (choice->filterIndex == kSvgFilter || choice->filterIndex == kPdfFilter) {
        const bool svg = choice->filterIndex == kSvgFilter;
        path = withSuffix(choice->path, {svg ? QStringLiteral("svg") : QStringLiteral("pdf")});
        QString error;
        if (!writeDiagramAsVector(m_ws.diagram, svg ? VectorFormat::Svg : VectorFormat::Pdf, path,
                                  QFileInfo(path).completeBaseName(), &error))
            m_ws.prompter->message(QStringLiteral("Схема не сохранена, прежний файл не изменён.\n%1").arg(error));
        return;
    } else {
        path = withSuffix(choice->path, {QStringLiteral("bmp")});
    }
    QString error;
    if (!writePicture(m_ws.diagram.image(), path, &error))
        m_ws.prompter->message(QStringLiteral("Рисунок не сохранён, прежний файл не изменён.\n%1").arg(error));
}

} // namespace vexoria
