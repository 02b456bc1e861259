#include "PageBar.h"

#include "platform/engine/WebBrowser.h"

#include <QHBoxLayout>

#include <algorithm>

PageBar::PageBar(WebBrowser& page, QWidget* parent, const QString& name, Edge edge)
    : QFrame(parent), page_(page), row_(new QHBoxLayout(this)), edge_(edge)
{
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    row_->setContentsMargins(4, 2, 4, 2);
    hide();
}

QRect PageBar::PlaceOver(const QRect& page) const
{
    if (edge_ == Edge::Top)
        return {page.left(), page.top(), page.width(), std::min(sizeHint().height(), page.height())};
    const QSize size = sizeHint().boundedTo(page.size());
    return {page.right() + 1 - size.width(), page.bottom() + 1 - size.height(), size.width(), size.height()};
}

void PageBar::ShowOverPage()
{
    show();
    raise();
}

void PageBar::GiveFocusBack(Qt::FocusReason reason) { page_.widget()->setFocus(reason); }
