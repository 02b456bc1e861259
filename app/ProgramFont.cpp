#include "ProgramFont.h"

#include <QApplication>

QFont ProgramFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(pixelSize);
    return font;
}

void UseProgramFont() { QApplication::setFont(ProgramFont(kWindowFontPixels)); }
