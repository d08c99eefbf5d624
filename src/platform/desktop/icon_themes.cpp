#include "platform/desktop/icon_themes.h"

#include <QDir>
#include <QIcon>
#include <QStandardPaths>

void useXdgIconThemes()
{
    if (QIcon::fallbackThemeName().isEmpty())
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
    QStringList paths = QIcon::themeSearchPaths();
    QStringList folders = {QDir::homePath() + QStringLiteral("/.icons")};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/icons");
    for (const QString& folder : folders) {
        if (!paths.contains(folder))
            paths << folder;
    }
    QIcon::setThemeSearchPaths(paths);
}
