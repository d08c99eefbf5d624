#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The keys of a desktop entry's [Desktop Entry] group that making an item of it and starting
// it need, with the string escapes (\s \n \t \r \\) undone.
struct DesktopEntry {
    QString type;
    QString name;  // Name[ja_JP], else Name[ja], else Name
    QString exec;
    QString tryExec;
    QString path;
    QString icon;
    bool terminal = false;
    bool hidden = false;
};

// Nothing when the text holds no [Desktop Entry] group.
std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& content);
// Nothing when the file cannot be read or is no desktop entry.
std::optional<DesktopEntry> readDesktopEntry(const QString& file);

