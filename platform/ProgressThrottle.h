// When a progress bar that is advanced once per item is drawn: only when its position has moved
// by a two-hundredth of its range since it was last drawn, and at either end, so a long run draws
// it a few hundred times however many items it has.
#pragma once

#include <algorithm>
#include <cstdlib>

namespace zl {

class ProgressThrottle {
public:
    static constexpr long long kSteps = 200;

    void Reset(int low, int high) {
        low_ = low;
        high_ = high;
        step_ = std::max(1LL, (static_cast<long long>(high) - low) / kSteps);
        drawn_ = 0;
        anyDrawn_ = false;
    }

    // True when the bar is to be drawn at `pos` now.
    bool Due(int pos) {
        if (anyDrawn_ && drawn_ == pos) return false;
        const bool due = !anyDrawn_ || pos == low_ || pos == high_ ||
                         std::llabs(static_cast<long long>(pos) - drawn_) >= step_;
        if (due) {
            drawn_ = pos;
            anyDrawn_ = true;
        }
        return due;
    }

private:
    int low_ = 0, high_ = 0;
    long long step_ = 1;
    int drawn_ = 0;
    bool anyDrawn_ = false;
};

}  // namespace zl
