#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Windows-31J, the code page of the data file, so the file moves between systems unchanged.
// Conversions are strict: a byte sequence or a character without a mapping fails the whole
// conversion; nothing is ever replaced by a substitute.
namespace cp932 {

// The text of the bytes, or nothing when they are not CP932.
std::optional<QString> decode(QByteArrayView bytes);

// Appends the bytes of text to out; false (out then holds a partial result) when CP932 has
// no code for one of its characters or its code reads back as another one.
bool encodeExactly(QStringView text, QByteArray& out);

// Whether every character has a code that reads back as the same character. U+301C WAVE DASH
// has a code, 0x8160, but that reads back as U+FF5E FULLWIDTH TILDE.
bool roundTrips(QStringView text);

} // namespace cp932
