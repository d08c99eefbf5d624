#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Colours are 0x00BBGGRR, red in the low byte, as stored in the data file.
constexpr int32_t EmptyColor = 0x404040;
constexpr int32_t NewItemColor = 0xE0E0E0;

// One launcher item: the contents of one slot of one page.
struct ItemRec {
    bool Used = false;
    QString ProgName;
    QString InitDir;
    bool IsDoc = false;
    QString AssocExe;
    QString IconFile;
    int32_t IconNo = 0;
    QString CmdParam;
    std::optional<int32_t> ItemColor;  // no value: never touched, or an empty field in the file
    QString Title;

    bool operator==(const ItemRec& other) const;
    bool operator!=(const ItemRec& other) const { return !(*this == other); }
};

// What every command that empties a slot (or the clipboard record) stores.
ItemRec clearedItem();

// The colour to paint: a missing value counts as 0.
inline int32_t colorOf(const ItemRec& r) { return r.ItemColor.value_or(0); }
