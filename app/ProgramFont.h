#pragma once
#include <QFont>

// The face the windows were designed with: a condensed one, as the captions were laid out for a
// narrow system font. Every window shows it at kWindowFontPixels; the browser window, whose strip
// is the most crowded, at kBrowserFontPixels, and its six small preset buttons at kPresetFontPixels.
inline constexpr int kWindowFontPixels = 11;
inline constexpr int kBrowserFontPixels = 10;
inline constexpr int kPresetFontPixels = 9;
QFont ProgramFont(int pixelSize);

// Makes the face at kWindowFontPixels the application's font.
void UseProgramFont();
