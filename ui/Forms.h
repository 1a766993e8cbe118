// What every window of the program shares: its pale pink colour, its bold Japanese font, and how it is shown.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

class QWidget;

namespace forms {

// 15132415 in the classic colour value: red 255, green 230, blue 230.
inline const QColor kWindowColor{255, 230, 230};
inline const QColor kNavy{0, 0, 128};
inline const QColor kBlue{0, 0, 255};

// The outer sizes of the windows are those of a classic frame: 8-pixel borders and a 31-pixel caption.
inline constexpr int kFrameWidth = 16;
inline constexpr int kFrameHeight = 39;
inline QSize clientSizeFor(int outerWidth, int outerHeight) {
    return {outerWidth - kFrameWidth, outerHeight - kFrameHeight};
}

// "メイリオ" where installed, otherwise the nearest Japanese font; bold, `pixelHeight` pixels high.
QFont font(int pixelHeight);

// Background colour, font and text colour for a window and everything on it.
void applyStyle(QWidget* window, int fontPixelHeight, const QColor& textColor);

// Shows a modeless window, or brings it to the front when it is already shown.
void showModeless(QWidget* window);

} // namespace forms
