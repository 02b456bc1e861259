#include "PageBars.h"

#include "BlockedWindowsBar.h"
#include "FindBar.h"

#include "platform/engine/WebBrowser.h"

#include <QEvent>

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
    for (PageBar* bar : std::initializer_list<PageBar*>{findBar_, blockedBar_})
        if (bar && !bar->isHidden())
            bar->setGeometry(bar->PlaceOver(page));
}
