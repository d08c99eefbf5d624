#pragma once

#include <QString>

// The text with the characters that Linux input methods type where Windows types another one
// (U+301C WAVE DASH for U+FF5E FULLWIDTH TILDE, and five more) replaced by their Windows
// forms, which are the ones CP932 reads back unchanged. Everything else is kept as it is.
QString toWindowsForms(QString text);
