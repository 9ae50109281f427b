// Leak checks in the middle of a test, for tables whose cases should each leave nothing behind.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// True when LeakSanitizer (in a sanitizer build with leak detection on) finds memory that nothing
// points to any more. Checked after each case of a table, it names the case that leaked, where the
// check at the end of the process names none.
inline bool LeakSanitizerFindsLeaks()
{
#if defined(__SANITIZE_ADDRESS__)
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}
