#pragma once
#include <QRect>

class QWidget;

// Positions and sizes are designed in twips: 15 twips to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
inline constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// Places a control by its design values in twips.
void SetTwipsGeometry(QWidget* control, int left, int top, int width, int height);
// The control's geometry in twips (left, top, width, height).
QRect TwipsGeometry(const QWidget* control);
