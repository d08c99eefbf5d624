#pragma once

#include <QColor>

#include <cstdint>

// Colours are kept as 0x00BBGGRR, red in the low byte.
inline QColor fromBgr(int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int32_t toBgr(const QColor& c)
{
    return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}
