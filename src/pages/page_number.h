#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A page number typed by the user: blanks around it are ignored, digits may be half-width or
// full-width (as a Japanese input method types them), with an optional sign. Nothing when the
// text is not a whole number in the 16-bit range.
std::optional<int16_t> readPageNumber(const QString& answer);
