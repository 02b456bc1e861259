#include "PageBar.h"

#include "platform/engine/WebBrowser.h"

#include <QHBoxLayout>
#include <QLabel>

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

QLabel* PageBar::StartNote(QStyle::StandardPixmap icon)
{
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(icon).pixmap(16, 16));
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::PlainText);
    row_->setContentsMargins(6, 2, 4, 2);
    row_->addWidget(picture);
    row_->addWidget(text, 1);
    return text;
}

void PageBar::ShowOverPage()
{
    show();
    raise();
}

void PageBar::GiveFocusBack(Qt::FocusReason reason) { page_.widget()->setFocus(reason); }
