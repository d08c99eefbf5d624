#include "platform/desktop/desktop_entry.h"

#include <QFile>
#include <QHash>

namespace {

QString unescaped(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        // Anything else is no string escape; the Exec rules may still want the backslash.
        default: out += c; out += next; break;
        }
    }
    return out;
}

// key (with its [locale] part) -> raw value, of the [Desktop Entry] group; the first of
// duplicate keys counts.
std::optional<QHash<QString, QString>> entryGroup(const QByteArray& content)
{
    std::optional<QHash<QString, QString>> group;
    bool inGroup = false;
    for (const QByteArray& rawLine : content.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            if (inGroup && !group)
                group.emplace();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!group->contains(key))
            group->insert(key, line.mid(equals + 1).trimmed());
    }
    return group;
}

}  // namespace

std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& content)
{
    const auto group = entryGroup(content);
    if (!group)
        return std::nullopt;
    const auto text = [&group](const char* key) { return unescaped(group->value(key)); };
    DesktopEntry entry;
    entry.type = text("Type");
    // Mosaro speaks Japanese, so the Japanese name wins wherever the entry has one.
    for (const char* key : {"Name[ja_JP]", "Name[ja]", "Name"}) {
        entry.name = text(key);
        if (!entry.name.isEmpty())
            break;
    }
    entry.exec = text("Exec");
    entry.tryExec = text("TryExec");
    entry.path = text("Path");
    entry.icon = text("Icon");
    entry.terminal = group->value("Terminal") == QLatin1String("true");
    entry.hidden = group->value("Hidden") == QLatin1String("true");
    return entry;
}

std::optional<DesktopEntry> readDesktopEntry(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseDesktopEntry(in.readAll());
}
