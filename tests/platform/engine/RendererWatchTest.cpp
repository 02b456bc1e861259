#include "platform/engine/RendererWatch.h"

#include <gtest/gtest.h>

namespace {

TEST(RendererWatch, AskedOnceAfterAWhileWithoutASignOfLife)
{
    const struct {
        qint64 unansweredMs;
        bool dialogShowing;
        bool askedThisHang;
        bool ask;
    } cases[] = {
        {-1, false, false, false},                       // it answered
        {0, false, false, false},                        // just asked
        {kNotAnsweringAfterMs - 1, false, false, false}, // not long enough
        {kNotAnsweringAfterMs, false, false, true},
        {600000, false, false, true},
        {600000, true, false, false}, // the page's own dialog holds it, the user's to answer
        {600000, false, true, false}, // the user said to wait
        {-1, false, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AskToEndRenderer({c.unansweredMs, c.dialogShowing, c.askedThisHang}), c.ask)
            << c.unansweredMs << " " << c.dialogShowing << " " << c.askedThisHang;
}

} // namespace
