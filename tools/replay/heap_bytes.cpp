#include "heap_bytes.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

// Present only when a sanitizer runtime is linked in.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

size_t HeapBytesInUse() {
    if (__sanitizer_get_current_allocated_bytes)
        return __sanitizer_get_current_allocated_bytes();
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}
