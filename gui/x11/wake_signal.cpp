#include "gui/x11/wake_signal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace gui::x11 {

WakeSignal::WakeSignal() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeSignal::~WakeSignal() {
    if (fd_ >= 0) close(fd_);
}

void WakeSignal::raise() {
    const uint64_t one = 1;
    // A full counter already wakes the reader, so a failed write loses nothing.
    [[maybe_unused]] ssize_t written = write(fd_, &one, sizeof one);
}

void WakeSignal::clear() {
    uint64_t count = 0;
    [[maybe_unused]] ssize_t bytes = read(fd_, &count, sizeof count);
}

}  // namespace gui::x11
