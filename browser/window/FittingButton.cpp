#include "FittingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

void FittingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the caption is drawn below
    painter.drawControl(QStyle::CE_PushButton, option);

    constexpr int frame = 2;
    const QRect area = rect().adjusted(frame, 0, -frame, 0);
    // Wrapped only when the lines fit the height; otherwise one line, condensed if need be.
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (fontMetrics().boundingRect(area, flags | Qt::TextWordWrap, text()).height() <= area.height())
        flags |= Qt::TextWordWrap;
    const int width = std::max(fontMetrics().boundingRect(area, flags, text()).width(), area.width());
    painter.translate(QRectF(area).center());
    painter.scale(qreal(area.width()) / width, 1.0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRectF(-width / 2.0, -area.height() / 2.0, width, area.height()), flags, text());
}
