#include "FittingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int kFrame = 2;

} // namespace

const FittingButton::Fit& FittingButton::FitCaption()
{
    if (fit_.width > 0 && fit_.text == text() && fit_.size == size() && fit_.font == font())
        return fit_;
    const QRect area = rect().adjusted(kFrame, 0, -kFrame, 0);
    // Wrapped only when the lines fit the height; otherwise one line, condensed if need be.
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (fontMetrics().boundingRect(area, flags | Qt::TextWordWrap, text()).height() <= area.height())
        flags |= Qt::TextWordWrap;
    fit_ = {text(), size(), font(), flags,
            std::max({fontMetrics().boundingRect(area, flags, text()).width(), area.width(), 1})};
    return fit_;
}

void FittingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the caption is drawn below
    painter.drawControl(QStyle::CE_PushButton, option);

    const Fit& fit = FitCaption();
    const QRect area = rect().adjusted(kFrame, 0, -kFrame, 0);
    painter.translate(QRectF(area).center());
    painter.scale(qreal(area.width()) / fit.width, 1.0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRectF(-fit.width / 2.0, -area.height() / 2.0, fit.width, area.height()), fit.flags, text());
}
