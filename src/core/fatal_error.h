#pragma once
// Data errors (a model or animation that cannot be loaded, a level without a
// hero) are reported here. The shell installs the handler that shows the
// error box and closes the program; the loaders only call ShowFatalError, so
// they never depend on the shell.

using FatalErrorHandler = void (*)(const char* text);

// Installs the handler; returns the previous one. A null handler ignores reports.
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler);

// Reports a data error through the installed handler.
void ShowFatalError(const char* text);
