#include "platform/engine/PagePolicy.h"

#include <gtest/gtest.h>

namespace {

TEST(PagePolicy, EachDialogOfAPageTakesItsTurn)
{
    struct Case {
        PageDialogs dialogs;
        DialogTurn turn;
    };
    const Case cases[] = {
        {{0, false, false}, DialogTurn::Show},
        {{1, false, false}, DialogTurn::ShowOfferingStop},
        {{7, false, false}, DialogTurn::ShowOfferingStop},
        {{1, false, true}, DialogTurn::Refuse}, // one at a time
        {{2, true, false}, DialogTurn::Refuse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogTurnOf(c.dialogs), c.turn) << c.dialogs.shown << c.dialogs.stopped << c.dialogs.showing;
}

TEST(PagePolicy, APageIsLeftForAnotherDocumentOnly)
{
    const QUrl page(QStringLiteral("http://sito.it/a.html?x=1#qui"));
    struct Case {
        const char* loading;
        bool leaves;
    };
    const Case cases[] = {
        {"http://sito.it/a.html?x=1#qui", false}, // reloaded
        {"http://sito.it/a.html?x=2", false},     {"http://sito.it/a.html#altrove", false},
        {"http://sito.it/b.html?x=1", true},      {"https://sito.it/a.html?x=1", true},
        {"http://altro.it/a.html", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LeavesPage(page, QUrl(QString::fromLatin1(c.loading))), c.leaves) << c.loading;
    EXPECT_TRUE(LeavesPage(QUrl(), page)); // the first page of all
}

TEST(PagePolicy, ATurnLastsWhileItsDialogIsShownAndMayStopTheRest)
{
    auto dialogs = std::make_shared<PageDialogs>();
    {
        PageDialogTurn first(dialogs);
        EXPECT_EQ(first.turn(), DialogTurn::Show);
        EXPECT_EQ(PageDialogTurn(dialogs).turn(), DialogTurn::Refuse);
    }
    {
        PageDialogTurn second(dialogs);
        EXPECT_EQ(second.turn(), DialogTurn::ShowOfferingStop);
        PageDialogTurn moved(std::move(second));
        moved.StopTheRest();
    }
    EXPECT_TRUE(dialogs->stopped && !dialogs->showing);
    EXPECT_EQ(dialogs->shown, 2);

    // The page goes while its dialog is on display: the turn ends without it.
    auto gone = std::make_shared<PageDialogs>();
    PageDialogTurn turn(gone);
    gone.reset();
    turn.StopTheRest();
}

TEST(PagePolicy, ARendererEndingAgainSoonOnTheSamePageIsOnlyReported)
{
    const QString page = QStringLiteral("http://sito.it/");
    struct Case {
        const char* lastEnded;
        qint64 msSinceAnswered;
        bool again;
    };
    const Case cases[] = {
        {"", -1, false}, // the first end
        {"http://sito.it/", 5000, true},
        {"http://sito.it/", kEndedAgainWithinMs - 1, true},
        {"http://sito.it/", kEndedAgainWithinMs, false},
        {"http://altro.it/", 5000, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EndedAgainSoon(QString::fromLatin1(c.lastEnded), c.msSinceAnswered, page), c.again)
            << c.lastEnded << " " << c.msSinceAnswered;
}

} // namespace
