#include <cstring>

#include "store/xml_io.h"

namespace {

bool IsText(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The next node after node in document order within top, or null. Iterative,
// so that deeply nested documents cannot exhaust the stack.
pugi::xml_node NextInside(pugi::xml_node node, pugi::xml_node top) {
    if (node.first_child())
        return node.first_child();
    while (node != top) {
        if (node.next_sibling())
            return node.next_sibling();
        node = node.parent();
    }
    return pugi::xml_node();
}

// How many of the first count bytes of text can be kept without leaving the
// start of a UTF-8 character at the end.
size_t WholeCharacters(const char* text, size_t count) {
    size_t end = count;
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80)
        --end;  // step back over continuation bytes to the character's lead byte
    if (end == 0)
        return count;
    unsigned char lead = static_cast<unsigned char>(text[end - 1]);
    size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return count - (end - 1) >= needed ? count : end - 1;
}

// strlen, but looks at no more than limit bytes (a value can be megabytes long).
size_t BoundedLength(const char* text, size_t limit) {
    const void* end = std::memchr(text, '\0', limit);
    return end ? static_cast<const char*>(end) - text : limit;
}

}  // namespace

void CopyXmlText(pugi::xml_node node, char* out, size_t capacity) {
    if (capacity == 0)
        return;
    size_t used = 0;
    for (pugi::xml_node n = NextInside(node, node); n && used < capacity - 1;
         n = NextInside(n, node)) {
        if (!IsText(n))
            continue;
        const char* text = n.value();
        size_t room = capacity - 1 - used;
        size_t length = BoundedLength(text, room + 1);
        size_t kept = length <= room ? length : WholeCharacters(text, room);
        std::memcpy(out + used, text, kept);
        used += kept;
        if (kept < length)
            break;
    }
    out[used] = '\0';
}
