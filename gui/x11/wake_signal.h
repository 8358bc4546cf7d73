// A file descriptor another thread can make readable to wake a poll() early.
#pragma once

namespace gui::x11 {

class WakeSignal {
public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    bool isValid() const { return fd_ >= 0; }
    int fileDescriptor() const { return fd_; }
    // Safe from any thread, any number of times.
    void raise();
    // Makes the descriptor unreadable again.
    void clear();

private:
    int fd_;
};

}  // namespace gui::x11
