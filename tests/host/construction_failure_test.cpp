// Building an effect while memory runs out. This binary replaces the global
// allocation functions with ones that can be told to fail from the n-th call
// on, and builds each effect through the entry helper for n = 0, 1, 2, ...
// until nothing fails any more. A throwing allocation that fails counts as a
// fault: a host whose runtime has no memory left for the exception would end.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "host/entry.h"
#include "plugins/duplimo/duplimo.h"
#include "plugins/scopra/scopra.h"
#include "plugins/solvane/solvane.h"
#include "plugins/widmoor/widmoor.h"

namespace {

struct FailingAllocator {
    std::atomic<bool> armed{false};
    std::atomic<long> calls{0};  // allocations asked for while armed
    long failFrom = 0;
    std::atomic<long> throwingFailures{0};
    std::atomic<long> liveBlocks{0};
};

FailingAllocator gAllocator;

bool nextAllocationFails() {
    if (!gAllocator.armed.load(std::memory_order_relaxed)) return false;
    return gAllocator.calls.fetch_add(1, std::memory_order_relaxed) >= gAllocator.failFrom;
}

void* allocate(std::size_t size, std::size_t alignment) {
    if (size == 0) size = 1;
    void* block = nullptr;
    if (alignment <= alignof(std::max_align_t))
        block = std::malloc(size);
    else if (posix_memalign(&block, alignment, size) != 0)
        block = nullptr;
    if (block) gAllocator.liveBlocks.fetch_add(1, std::memory_order_relaxed);
    return block;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment) {
    if (nextAllocationFails()) {
        gAllocator.throwingFailures.fetch_add(1, std::memory_order_relaxed);
        throw std::bad_alloc();
    }
    if (void* block = allocate(size, alignment)) return block;
    throw std::bad_alloc();
}

void* allocateOrNull(std::size_t size, std::size_t alignment) noexcept {
    return nextAllocationFails() ? nullptr : allocate(size, alignment);
}

void release(void* block) noexcept {
    if (!block) return;
    gAllocator.liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    std::free(block);
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

void* operator new(std::size_t size) { return allocateOrThrow(size, kPlain); }
void* operator new[](std::size_t size) { return allocateOrThrow(size, kPlain); }
void* operator new(std::size_t size, std::align_val_t a) {
    return allocateOrThrow(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return allocateOrThrow(size, static_cast<std::size_t>(a));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, kPlain);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(a));
}
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }

namespace {

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

struct Attempt {
    AudioEffect* effect;
    long allocations;  // asked for during construction
    long throwingFailures;
};

Attempt buildFailingFrom(AudioEffect* (*create)(audioMasterCallback), long failFrom) {
    gAllocator.failFrom = failFrom;
    gAllocator.calls.store(0);
    gAllocator.throwingFailures.store(0);
    gAllocator.armed.store(true);
    AudioEffect* effect = create(quietHost);
    gAllocator.armed.store(false);
    return {effect, gAllocator.calls.load(), gAllocator.throwingFailures.load()};
}

void closeEffect(AudioEffect* effect) {
    AEffect* record = effect->getAeffect();
    record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
}

struct Plugin {
    const char* name;
    AudioEffect* (*create)(audioMasterCallback);
};

const Plugin kPlugins[] = {
    {"solvane", createEffect<Solvane>},
    {"widmoor", createEffect<AComb>},
    {"duplimo", createEffect<Duplimo>},
    {"scopra", createEffect<Scopra>},
};

constexpr long kMostAllocations = 1000;

TEST(EffectConstruction, EveryFailedAllocationGivesNullAndFreesWhatWasBuilt) {
    for (const Plugin& plugin : kPlugins) {
        // Caches of the whole process are filled by the first effect.
        const Attempt first = buildFailingFrom(plugin.create, kMostAllocations);
        ASSERT_NE(first.effect, nullptr) << plugin.name;
        closeEffect(first.effect);

        long failFrom = 0;
        for (;; ++failFrom) {
            ASSERT_LT(failFrom, kMostAllocations) << plugin.name;
            const long liveBefore = gAllocator.liveBlocks.load();
            const Attempt attempt = buildFailingFrom(plugin.create, failFrom);
            if (attempt.allocations <= failFrom) {  // nothing failed: built
                ASSERT_NE(attempt.effect, nullptr) << plugin.name;
                closeEffect(attempt.effect);
                break;
            }
            // Taken before any expectation, which keeps its message in memory.
            const long kept = gAllocator.liveBlocks.load() - liveBefore;
            EXPECT_EQ(attempt.effect, nullptr)
                << plugin.name << " built although allocation " << failFrom << " failed";
            if (attempt.effect) closeEffect(attempt.effect);
            EXPECT_EQ(kept, 0) << plugin.name << " kept memory after allocation " << failFrom
                               << " failed";
            EXPECT_EQ(attempt.throwingFailures, 0)
                << plugin.name << ": allocation " << failFrom << " can only fail by throwing";
        }
        EXPECT_GT(failFrom, 0) << plugin.name;
        std::printf("%s: %ld allocations while built\n", plugin.name, failFrom);
    }
}

}  // namespace
