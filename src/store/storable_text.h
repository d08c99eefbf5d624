#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// Whether a text can go into the data file and load back unchanged: no double quote (the
// format has no escape for it), no line break, and only characters whose CP932 code reads
// back as the same character.
bool canStoreText(const QString& text);

// The first half of that rule as a mask of characters below U+0040 (bit n: U+00nn), for the
// writer, which checks both halves as it encodes (cp932::encodeExactlyTo).
constexpr uint64_t QuoteAndLineBreaks = uint64_t(1) << '"' | uint64_t(1) << '\r'
                                        | uint64_t(1) << '\n';

// The first character of text that the data file cannot hold, named for the user with its
// code: 「é」（U+00E9）, 「"」（U+0022）, 改行（U+000A）. Empty when the whole text can be stored.
QString unstorableCharacter(const QString& text);
