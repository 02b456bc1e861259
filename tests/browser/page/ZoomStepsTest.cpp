#include "browser/page/ZoomSteps.h"

#include <gtest/gtest.h>

namespace {

TEST(NextZoomStep, StepsWithinTheLimits)
{
    const struct {
        int current, direction, next;
    } cases[] = {
        {100, 1, 110}, {100, -1, 90},  {110, 1, 125}, {33, -1, 25},   {25, -1, 25},
        {400, 1, 500}, {500, 1, 500},  {112, 1, 125}, {112, -1, 110}, // between two steps: the nearer one that way
        {10, 1, 25},   {900, -1, 500},                                // out of the range: back into it
        {250, 0, 100},                                                // back to the page's own size
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextZoomStep(c.current, c.direction), c.next) << c.current << " " << c.direction;
}

} // namespace
