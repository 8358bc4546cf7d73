// fontconfig keeps its parsed configuration for the life of the process and
// links its patterns by offsets rather than pointers, so LeakSanitizer cannot
// see that they are still reachable. Its allocations are not ours to check.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
