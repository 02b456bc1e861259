#include "ProgramFont.h"

#include <QApplication>
#include <QFont>

void UseProgramFont()
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}
