#pragma once

#include "store/item_rec.h"

#include <QString>

class QWidget;

// What a slot tells about its item, to screen readers and in the tooltip shown on hover.

// The item's title; for an unused slot the word for an empty place.
QString slotAccessibleName(const ItemRec& r);
// The program or document and the folder it starts in; empty for an unused slot.
QString slotDescription(const ItemRec& r);
// The full title, the command line a click starts and its folder, as plain lines; empty for an
// unused slot, which shows no tooltip.
QString slotToolTipText(const ItemRec& r);

// Gives a slot's picture box and title label the texts above for the item they show.
void describeSlot(QWidget& pic, QWidget& lab, const ItemRec& r);
