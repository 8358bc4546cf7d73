// libcairo hands its pattern and clip objects from one thread to the next
// through lock-free pools of freed objects. Built without ThreadSanitizer,
// its atomics are invisible to it, so reusing such an object on another
// editor's thread looks like a race. Accesses made inside libcairo are not
// ours to check; everything of ours around them still is.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libcairo.so.2\n";
}
