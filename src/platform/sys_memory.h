#pragma once
// How much memory the machine can still give this program.

#include <cstddef>

// The bytes available to a new allocation without swapping (the kernel's
// own estimate, page cache it can drop included); 0 when it cannot be told.
size_t Sys_AvailableMemory();
