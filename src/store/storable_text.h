#pragma once

#include <QString>

// Whether a text can go into the data file and load back unchanged: no double quote (the
// format has no escape for it), no line break, and only characters whose CP932 code reads
// back as the same character.
bool canStoreText(const QString& text);
