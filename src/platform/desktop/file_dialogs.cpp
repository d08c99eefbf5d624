#include "platform/desktop/file_dialogs.h"

#include "platform/widgets/bgr_color.h"
#include "platform/desktop/open_dialog_filter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>

#include <vector>

QStringList nameFiltersFromList(const QString& filterList)
{
    const QStringList parts = filterList.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

namespace {

// The patterns of each entry of "description|pattern;pattern|...".
std::vector<QStringList> patternsFromList(const QString& filterList)
{
    const QStringList parts = filterList.split(QLatin1Char('|'));
    std::vector<QStringList> patterns;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        patterns.push_back(parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts));
    return patterns;
}

} // namespace

void prepareOpenDialog(QFileDialog& dialog, const QString& filterList)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);

    // Qt's own matching would hide names without a dot from "*.*" and every program without
    // an extension; the dialog's model lists all files and this filter picks them.
    auto* listed = new OpenDialogFilter(&dialog);
    dialog.setProxyModel(listed);
    if (auto* files = qobject_cast<QFileSystemModel*>(listed->sourceModel()))
        files->setNameFilterDisables(true);

    const QStringList filters = nameFiltersFromList(filterList);
    const std::vector<QStringList> patterns = patternsFromList(filterList);
    dialog.setNameFilters(filters);
    if (!patterns.empty())
        listed->setPatterns(patterns.front());
    // The entry comes as shown, without its patterns.
    QObject::connect(&dialog, &QFileDialog::filterSelected, listed,
                     [listed, filters, patterns](const QString& chosen) {
                         qsizetype entry = -1;
                         for (qsizetype i = 0; i < filters.size(); ++i) {
                             if (filters[i] == chosen
                                 || filters[i].startsWith(chosen + QStringLiteral(" (")))
                                 entry = i;
                         }
                         if (entry >= 0 && size_t(entry) < patterns.size())
                             listed->setPatterns(patterns[size_t(entry)]);
                     });
}

std::optional<FileChoice> chooseFileToOpen(const QString& filter)
{
    QFileDialog dialog;
    prepareOpenDialog(dialog, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    return FileChoice{path};
}

std::optional<int32_t> chooseColorBgr()
{
    const QColor chosen = QColorDialog::getColor(Qt::black);
    if (!chosen.isValid())
        return std::nullopt;
    return toBgr(chosen);
}
