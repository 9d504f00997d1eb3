#include "platform/sys_dialog.h"

#include <cstdio>
#include <cstdlib>

int Sys_MessageBox(const char* text, const char* caption, unsigned /*type*/) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return IDOK;
}

void Sys_ExitProcess(int code) {
    std::fflush(nullptr);
    std::exit(code);
}
