#include "editing/item_from_file.h"

#include "store/item_kind.h"
#include "store/storable_text.h"

namespace {

QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

FileItem itemFromFile(const QString& path, const QString& lookupName, Platform& platform)
{
    const PathParts parts = splitItemPath(path);
    FileItem item{parts.folder, parts.title, path, false, {}};
    if (!isProgramFile(path)) {
        item.isDoc = true;
        item.assocExe = platform.findExecutable(lookupName, platform.programFolder());
        item.iconFile = item.assocExe;
    } else if (isDesktopEntryPath(path)) {
        // An entry that says nothing (or cannot be read) is named and placed like a file.
        const EntrySummary entry = platform.describeDesktopEntry(path);
        if (!entry.name.isEmpty())
            item.title = entry.name;
        if (!entry.folder.isEmpty())
            item.folder = withTrailingSlash(entry.folder);
    }
    return item;
}

QString unstorableItemReason(const QString& path, const FileItem& item)
{
    const std::pair<QString, QString> fields[] = {
        {QStringLiteral("ファイル名"), path},
        {QStringLiteral("作業フォルダ"), item.folder},
        {QStringLiteral("タイトル"), item.title},
        {QStringLiteral("関連付けられたプログラム"), item.assocExe}};
    for (const auto& [what, text] : fields) {
        const QString character = unstorableCharacter(text);
        if (!character.isEmpty())
            return QStringLiteral("%1「%2」には、データファイルに保存できない文字%3が含まれています。")
                .arg(what, text, character);
    }
    return {};
}
