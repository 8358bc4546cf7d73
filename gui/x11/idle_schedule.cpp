#include "gui/x11/idle_schedule.h"

namespace gui::x11 {

int IdleSchedule::millisecondsUntilDue(Clock::time_point now) const {
    if (now >= due_) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(due_ - now).count());
}

void IdleSchedule::advance(Clock::time_point now) {
    due_ += period_;
    if (due_ <= now) due_ = now + period_;
}

}  // namespace gui::x11
