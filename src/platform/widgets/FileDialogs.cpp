#include "platform/widgets/FileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace vexoria {

QString filterSuffix(const QString& filter)
{
    static const QRegularExpression first(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = first.match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString withSuffix(const QString& path, const QStringList& suffixes)
{
    for (const QString& s : suffixes)
        if (path.endsWith(u'.' + s, Qt::CaseInsensitive)) return path;
    return suffixes.isEmpty() ? path : path + u'.' + suffixes.first();
}

std::optional<FileDialogChoice> QtFileDialogs::openFile(const FileDialogRequest& request)
{
    return run(request, false);
}

std::optional<FileDialogChoice> QtFileDialogs::saveFile(const FileDialogRequest& request) { return run(request, true); }

std::optional<FileDialogChoice> QtFileDialogs::run(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(m_parent, request.title, request.folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    const int start = qBound(1, request.filterIndex, static_cast<int>(qMax<qsizetype>(1, request.filters.size())));
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters[start - 1]);
    if (save) {
        dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const qsizetype index = request.filters.indexOf(dialog.selectedNameFilter());
    return FileDialogChoice{dialog.selectedFiles().first(), index < 0 ? 1 : static_cast<int>(index) + 1};
}

} // namespace vexoria
