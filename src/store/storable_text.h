#pragma once

#include <QString>
#include <QStringView>

// Whether a text can go into the data file and load back unchanged: no double quote (the
// format has no escape for it), no line break, and only characters whose CP932 code reads
// back as the same character.
bool canStoreText(const QString& text);

// The first half of that rule, for the writer, which checks the second half as it encodes.
bool holdsNoQuoteOrLineBreak(QStringView text);
