// fontconfig keeps its parsed configuration for the life of the process and
// links its patterns by offsets rather than pointers, so LeakSanitizer cannot
// see that they are still reachable. Its allocations are not ours to check.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

// libcairo hands its pattern and clip objects from one thread to the next
// through lock-free pools of freed objects, and serialises its use of each
// FreeType face itself. Built without ThreadSanitizer, their atomics are
// invisible to it, so reusing such an object on another editor's thread looks
// like a race. Accesses made inside libcairo and libfreetype are not ours to
// check; everything of ours around them still is.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libcairo.so.2\ncalled_from_lib:libfreetype.so.6\n";
}
