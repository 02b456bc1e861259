#include "ZoomSteps.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kSteps{25, 33, 50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400, 500};
static_assert(kSteps.front() == kZoomMin && kSteps.back() == kZoomMax);

} // namespace

int NextZoomStep(int current, int direction)
{
    if (direction == 0)
        return kZoomDefault;
    if (direction > 0) {
        const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), current);
        return next == kSteps.end() ? kZoomMax : *next;
    }
    const auto at = std::lower_bound(kSteps.begin(), kSteps.end(), current);
    return at == kSteps.begin() ? kZoomMin : *(at - 1);
}
