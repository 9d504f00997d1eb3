#include "store/bounded_string.h"

#include <cstring>

namespace {

// Copies src to dst[0..room), terminating; returns whether all of src fitted.
bool CopyInto(char* dst, size_t room, const char* src) {
    size_t length = std::strlen(src);
    size_t kept = length < room ? length : room - 1;
    std::memcpy(dst, src, kept);
    dst[kept] = '\0';
    return kept == length;
}

}  // namespace

bool BoundedCopy(char* dst, size_t capacity, const char* src) {
    if (capacity == 0)
        return false;
    return CopyInto(dst, capacity, src);
}

bool BoundedAppend(char* dst, size_t capacity, const char* src) {
    if (capacity == 0)
        return false;
    const void* end = std::memchr(dst, '\0', capacity);
    if (end == nullptr) {  // unterminated destination: terminate and report the cut
        dst[capacity - 1] = '\0';
        return false;
    }
    size_t used = static_cast<const char*>(end) - dst;
    return CopyInto(dst + used, capacity - used, src);
}
