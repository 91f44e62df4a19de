// cpp-httplib comes as a shared library built without ThreadSanitizer, so the atomics its
// worker threads synchronise through are invisible and ThreadSanitizer reports races inside
// its own calls. Reports from interceptors called by that library are left out; races in our
// code, route handlers included, are still reported.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZERULIN_THREAD_SANITIZER 1
#endif
#elif defined(__SANITIZE_THREAD__)
#define ZERULIN_THREAD_SANITIZER 1
#endif

#ifdef ZERULIN_THREAD_SANITIZER
extern "C" const char* __tsan_default_suppressions() {
  return "called_from_lib:libcpp-httplib.so\n";
}
#endif
