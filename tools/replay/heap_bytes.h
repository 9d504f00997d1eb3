#pragma once
// How much the program holds on its heap, for soaks that look for growth.

#include <cstddef>

// The bytes allocated and not yet freed: the sanitizer's own count in a
// sanitizer build (its quarantine of freed blocks is not in use), the C
// library's elsewhere; 0 where neither can tell.
size_t HeapBytesInUse();
