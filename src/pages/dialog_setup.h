#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;

// The red of the dialogs' warnings (0x00BBGGRR).
constexpr int32_t WarningRed = 0x0000FF;

struct LabelLook {
    double pointSize;
    std::optional<int32_t> colorBgr; // the text colour; none keeps the default
};

// A label in the dialogs' font; position and size in twips.
QLabel* addLabel(QWidget& dialog, const char* name, const QString& text, const LabelLook& look,
                 int left, int top, int width, int height);

// A button that Enter and Escape in other controls never press; position and size in twips.
QPushButton* addButton(QWidget& dialog, const char* name, const QString& text, int left, int top,
                       int width, int height);
