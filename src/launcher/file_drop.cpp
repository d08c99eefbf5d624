#include "editing/item_from_file.h"
#include "launcher/mosaro.h"
#include "platform/widgets/app_title.h"
#include "store/item_kind.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <optional>

namespace {

// The first path of the desktop's file list; web addresses and plain text are no files.
std::optional<QString> firstDroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return std::nullopt;
    QString path = urls.first().toLocalFile();
    // A folder may come as "/a/b/"; its name is what follows the last "/" of "/a/b".
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

}  // namespace

void Mosaro::Pic_OLEDragOver(int16_t, const QMimeData* Data, int32_t& Effect)
{
    Effect = firstDroppedFile(Data) ? 1 : 0;
}

void Mosaro::Pic_OLEDragDrop(int16_t Index, const QMimeData* Data)
{
    const std::optional<QString> dropped = firstDroppedFile(Data);
    if (!dropped)
        return;
    const QString& F = *dropped;
    // A folder or a name without extension says nothing about its type by name; the
    // lookup then needs the whole path to look at the thing itself.
    const PathParts parts = splitItemPath(F);
    const bool typeFromName = !parts.extension.isEmpty() && !QFileInfo(F).isDir();
    const FileItem made = itemFromFile(F, typeFromName ? parts.name : F, platform_);
    // Text the data file cannot hold never reaches the table, or every later save would fail.
    const QString unstorable = unstorableItemReason(F, made);
    if (!unstorable.isEmpty()) {
        platform_.messageBox(
            QStringLiteral("「%1」はアイテムにできません。\n\n%2").arg(F, unstorable),
            MsgStyle::OkOnly + MsgStyle::Exclamation, AppTitle);
        return;
    }

    ItemRec& R = store_.ItemTbl(store_.CurPage, Index);
    R.ProgName = F;
    R.InitDir = made.folder;
    R.IconFile = made.iconFile;
    R.Title = made.title;
    R.IconNo = 0;
    R.ItemColor = NewItemColor;
    R.IsDoc = made.isDoc;
    R.AssocExe = made.assocExe;
    R.Used = true;
    DrowData();
}
