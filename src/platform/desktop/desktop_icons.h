#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Icons of desktop entries, read with GIO. An icon is given as a theme icon name or as an
// absolute path of an image file.

// The Icon of a desktop entry file; empty when it has none or GIO cannot read the entry.
QString desktopEntryIcon(const QString& desktopFile);

// Which desktop entry starts which program, so a program file can show its entry's icon.
class DesktopEntryIndex {
public:
    // Reads the entries below "applications" in each data folder, the first folder first. An
    // entry whose desktop ID an earlier folder already gave is shadowed, and the first entry
    // that starts a program gives its icon.
    static DesktopEntryIndex build(const QStringList& dataFolders);

    // The icon of the entry whose Exec or TryExec is this program (through PATH, links
    // resolved); empty when no entry starts it.
    QString iconFor(const QString& programPath) const;

private:
    void add(const QString& desktopFile);

    QHash<QString, QString> iconByProgram_; // canonical program path -> icon
};

// The index of this process, built from the XDG data folders at its first use and then kept,
// so that redrawing a page never rescans the application folders.
const DesktopEntryIndex& processDesktopEntryIndex();
