#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Windows-31J, the code page of the data file, so the file moves between systems unchanged.
// Conversions are strict: a byte sequence or a character without a mapping fails the whole
// conversion; nothing is ever replaced by a substitute.
namespace cp932 {

// The text of the bytes, or nothing when they are not CP932.
std::optional<QString> decode(QByteArrayView bytes);

// Appends the bytes of text to out; false (out then as it was) when CP932 has
// no code for one of its characters or its code reads back as another one.
bool encodeExactly(QStringView text, QByteArray& out);

// Like encodeExactly, writing at out, which has room for two bytes a UTF-16 unit: the end
// of the bytes written, or nullptr when encodeExactly would fail or text holds a character
// the caller refuses among U+0000 to U+003F (bit n of refused refuses U+00nn).
char* encodeExactlyTo(QStringView text, char* out, uint64_t refused = 0);

// Whether every character has a code that reads back as the same character. U+301C WAVE DASH
// has a code, 0x8160, but that reads back as U+FF5E FULLWIDTH TILDE.
bool roundTrips(QStringView text);

} // namespace cp932
