#include "platform/desktop/file_dialogs.h"

#include "platform/widgets/bgr_color.h"

#include <QColorDialog>
#include <QFileDialog>

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

void prepareOpenDialog(QFileDialog& dialog, const QString& filterList)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Without QDir::CaseSensitive the patterns match regardless of case.
    dialog.setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    dialog.setNameFilters(nameFiltersFromList(filterList));
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
