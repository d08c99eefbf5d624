#pragma once

#include <QRect>

// Layouts are given in twips; 15 twips are one device-independent pixel.
constexpr int twips(int t) { return (t + 7) / 15; }

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
