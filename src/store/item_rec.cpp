#include "store/item_rec.h"

bool ItemRec::operator==(const ItemRec& o) const
{
    return Used == o.Used && ProgName == o.ProgName && InitDir == o.InitDir && IsDoc == o.IsDoc
        && AssocExe == o.AssocExe && IconFile == o.IconFile && IconNo == o.IconNo
        && CmdParam == o.CmdParam && ItemColor == o.ItemColor && Title == o.Title;
}

ItemRec clearedItem()
{
    ItemRec r;
    r.ItemColor = EmptyColor;
    return r;
}
