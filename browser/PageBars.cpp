#include "PageBars.h"

#include "BlockedWindowsBar.h"
#include "FindBar.h"

#include "platform/engine/WebBrowser.h"

#include <QEvent>

#include <algorithm>

PageBars::PageBars(WebBrowser& page) : page_(page) { page_.widget()->installEventFilter(this); }

void PageBars::ShowFindBar()
{
    if (!findBar_)
        findBar_ = new FindBar(page_, page_.widget()->parentWidget());
    findBar_->Open();
    Place();
}

void PageBars::NoteBlockedWindow(const NewWindowTarget& target)
{
    if (!blockedBar_)
        blockedBar_ = new BlockedWindowsBar(page_, page_.widget()->parentWidget());
    blockedBar_->Add(target);
    Place();
}

void PageBars::ForgetBlockedWindows()
{
    if (blockedBar_)
        blockedBar_->Forget();
}

bool PageBars::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        Place();
    return QObject::eventFilter(watched, event);
}

void PageBars::Place()
{
    const QRect page = page_.widget()->geometry();
    // The find bar over the bottom right corner: the top of the page, where reading starts,
    // stays in view.
    if (findBar_ && !findBar_->isHidden()) {
        const QSize size = findBar_->sizeHint().boundedTo(page.size());
        findBar_->setGeometry(page.right() + 1 - size.width(), page.bottom() + 1 - size.height(), size.width(),
                              size.height());
    }
    // The notice across the top, where a person looks first after asking for a window.
    if (blockedBar_ && !blockedBar_->isHidden())
        blockedBar_->setGeometry(page.left(), page.top(), page.width(), std::min(blockedBar_->sizeHint().height(), page.height()));
}
