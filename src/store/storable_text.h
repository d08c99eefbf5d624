#pragma once

#include <QString>

// Whether a text can go into the data file and load back unchanged: no double quote, no line
// break, and only characters that CP932 holds.
bool canStoreText(const QString& text);
