/* A tiny library for the lazy loader's tests: a few functions of each return kind. */
#define PROBE_API __attribute__((visibility("default")))

static int g_counter = 0;

PROBE_API int LazyProbe_Add(int a, int b) { return a + b; }
PROBE_API long long LazyProbe_Wide(long long value) { return value * 2; }
PROBE_API const char* LazyProbe_Name(void) { return "LazyProbe"; }
PROBE_API void LazyProbe_Count(void) { ++g_counter; }
PROBE_API int LazyProbe_Counter(void) { return g_counter; }
