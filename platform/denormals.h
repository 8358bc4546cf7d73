// Flush-to-zero and denormals-are-zero for the duration of a process call.
// The previous floating-point control state is restored on destruction, so
// the host's own settings are never changed behind its back.
#pragma once

#if defined(__SSE__) || defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>
#define KV_HAVE_MXCSR 1
#endif

class DenormalGuard {
public:
    DenormalGuard() {
#ifdef KV_HAVE_MXCSR
        saved_ = _mm_getcsr();
        _mm_setcsr(saved_ | kFlushToZero | kDenormalsAreZero);
#endif
    }
    ~DenormalGuard() {
#ifdef KV_HAVE_MXCSR
        _mm_setcsr(saved_);
#endif
    }
    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

private:
#ifdef KV_HAVE_MXCSR
    static constexpr unsigned kFlushToZero = 0x8000;
    static constexpr unsigned kDenormalsAreZero = 0x0040;
    unsigned saved_ = 0;
#endif
};
