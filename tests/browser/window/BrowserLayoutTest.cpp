#include "browser/window/BrowserLayout.h"

#include <gtest/gtest.h>

namespace {

// The design values: toolbar 2820 and label 795 wide (F = 4135), box at 4545 and 3360 wide,
// strip 675 high at the top, browser 5400 x 3735.
BrowserLayoutInput Design(int clientWidth, int clientHeight, bool minimized = false)
{
    BrowserLayoutInput in;
    in.clientWidth = clientWidth;
    in.clientHeight = clientHeight;
    in.minimized = minimized;
    in.toolBarWidth = 2820;
    in.labelWidth = 795;
    in.boxLeft = 4545;
    in.boxWidth = 3360;
    in.stripTop = 0;
    in.stripHeight = 675;
    in.browserWidth = 5400;
    in.browserHeight = 3735;
    return in;
}

struct LayoutCase {
    const char* name;
    BrowserLayoutInput in;
    BrowserLayout expected;
};

class LayoutRule : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutRule, PlacesLabelBoxAndBrowser)
{
    const LayoutCase& c = GetParam();
    const BrowserLayout out = ComputeBrowserLayout(c.in);
    EXPECT_EQ(out.labelLeft, c.expected.labelLeft) << c.name;
    EXPECT_EQ(out.boxWidth, c.expected.boxWidth) << c.name;
    EXPECT_EQ(out.browserWidth, c.expected.browserWidth) << c.name;
    EXPECT_EQ(out.browserHeight, c.expected.browserHeight) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Window, LayoutRule,
    ::testing::Values(LayoutCase{"design size", Design(11595, 7500), {3800, 6860, 11495, 6475}},
                      // F + 600 = 4735: the box grows only when the window is wider than that.
                      LayoutCase{"narrow", Design(4735, 7500), {3800, 3360, 4635, 6475}},
                      LayoutCase{"just wide enough", Design(4736, 7500), {3800, 1, 4636, 6475}},
                      // H = height - 575 - 450 must exceed 50.
                      LayoutCase{"low", Design(11595, 1075), {3800, 6860, 11495, 3735}},
                      LayoutCase{"just high enough", Design(11595, 1076), {3800, 6860, 11495, 51}},
                      LayoutCase{"minimised", Design(20000, 9000, true), {3800, 15265, 5400, 3735}}));

} // namespace
