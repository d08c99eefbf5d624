#pragma once

#include <QString>
#include <QStringView>

// Whether a text can go into the data file and load back unchanged: no double quote (the
// format has no escape for it), no line break, and only characters whose CP932 code reads
// back as the same character.
bool canStoreText(const QString& text);

// The first half of that rule, for the writer, which checks the second half as it encodes.
bool holdsNoQuoteOrLineBreak(QStringView text);

// The first character of text that the data file cannot hold, named for the user with its
// code: 「é」（U+00E9）, 「"」（U+0022）, 改行（U+000A）. Empty when the whole text can be stored.
QString unstorableCharacter(const QString& text);
