#include "store/item_kind.h"
#include "launcher/mosaro.h"
#include "store/storable_text.h"

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
    if (!canStoreText(F)) {
        platform_.messageBox(QStringLiteral("ファイル名「%1」はデータファイルに保存できない文字を"
                                            "含むため、アイテムにできません。")
                                 .arg(F),
                             MsgStyle::OkOnly + MsgStyle::Exclamation, QStringLiteral("Mosaro"));
        return;
    }

    const PathParts parts = splitItemPath(F);
    const bool program = isProgramFile(F);
    QString associated;
    if (!program) {
        // A folder or a name without extension says nothing about its type by name; the
        // lookup then needs the whole path to look at the thing itself.
        const bool typeFromName = !parts.extension.isEmpty() && !QFileInfo(F).isDir();
        associated =
            platform_.findExecutable(typeFromName ? parts.name : F, platform_.programFolder());
    }

    ItemRec& R = store_.ItemTbl(store_.CurPage, Index);
    R.ProgName = F;
    R.InitDir = parts.folder;
    R.IconFile = F;
    R.Title = parts.title;
    R.IconNo = 0;
    R.ItemColor = NewItemColor;
    R.IsDoc = !program;
    R.AssocExe = associated;
    if (!program)
        R.IconFile = associated;
    R.Used = true;
    DrowData();
}
