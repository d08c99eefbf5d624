#include "platform/desktop/open_dialog_filter.h"

#include "store/item_kind.h"

#include <QFileSystemModel>

namespace {

QRegularExpression windowsWildcard(const QString& pattern)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

OpenDialogFilter::OpenDialogFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

void OpenDialogFilter::setPatterns(const QStringList& patterns)
{
    names_.clear();
    programs_ = false;
    for (const QString& pattern : patterns) {
        names_.push_back(windowsWildcard(pattern));
        if (pattern.endsWith(QLatin1String(".*")))
            names_.push_back(windowsWildcard(pattern.chopped(2)));
        if (pattern.compare(QLatin1String("*.exe"), Qt::CaseInsensitive) == 0)
            programs_ = true;
    }
    invalidateFilter();
}

bool OpenDialogFilter::matchesName(const QString& name) const
{
    for (const QRegularExpression& pattern : names_) {
        if (pattern.match(name).hasMatch())
            return true;
    }
    return false;
}

Qt::ItemFlags OpenDialogFilter::flags(const QModelIndex& index) const
{
    return QSortFilterProxyModel::flags(index) | Qt::ItemIsEnabled;
}

bool OpenDialogFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files)
        return true;
    const QModelIndex entry = files->index(sourceRow, 0, sourceParent);
    if (files->isDir(entry) || matchesName(files->fileName(entry)))
        return true;
    return programs_ && isProgramFile(files->filePath(entry));
}
