#include "Twips.h"

#include <QWidget>

void SetTwipsGeometry(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

QRect TwipsGeometry(const QWidget* control)
{
    const QRect g = control->geometry();
    return {PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()), PixelsToTwips(g.height())};
}
