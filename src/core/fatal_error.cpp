#include "core/fatal_error.h"

namespace {
FatalErrorHandler g_handler = nullptr;
}

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) {
    FatalErrorHandler previous = g_handler;
    g_handler = handler;
    return previous;
}

void ShowFatalError(const char* text, FatalError kind) {
    if (g_handler)
        g_handler(kind, text);
}
