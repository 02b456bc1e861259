#include "PagePolicy.h"

DialogTurn DialogTurnOf(const PageDialogs& dialogs)
{
    if (dialogs.stopped || dialogs.showing)
        return DialogTurn::Refuse;
    return dialogs.shown == 0 ? DialogTurn::Show : DialogTurn::ShowOfferingStop;
}

bool LeavesPage(const QUrl& page, const QUrl& loading)
{
    const auto document = [](const QUrl& url) { return url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment); };
    return document(page) != document(loading);
}

PageDialogTurn::PageDialogTurn(const std::shared_ptr<PageDialogs>& dialogs) : turn_(DialogTurnOf(*dialogs))
{
    if (turn_ == DialogTurn::Refuse)
        return;
    ++dialogs->shown;
    dialogs->showing = true;
    dialogs_ = dialogs;
}

PageDialogTurn::~PageDialogTurn()
{
    if (const auto dialogs = dialogs_.lock())
        dialogs->showing = false;
}

PageDialogTurn::PageDialogTurn(PageDialogTurn&& other) noexcept
    : dialogs_(std::exchange(other.dialogs_, {})), turn_(other.turn_)
{
}

void PageDialogTurn::StopTheRest()
{
    if (const auto dialogs = dialogs_.lock())
        dialogs->stopped = true;
}

bool EndedAgainSoon(const QString& lastEnded, qint64 msSinceAnswered, const QString& address)
{
    return msSinceAnswered >= 0 && msSinceAnswered < kEndedAgainWithinMs && lastEnded == address;
}
