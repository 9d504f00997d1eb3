#pragma once
// Errors that stop the game are reported here: data errors (a model or
// animation that cannot be loaded, a level without a hero) and a picture
// that cannot be decoded. The shell installs the handler that shows the box
// and ends the program; everything below it only reports, so no loader
// depends on the shell, shows a box or ends the process itself.

enum class FatalError {
    kData,     // the "Unrecoverable Logic Error" box; the program closes
    kPicture,  // the "Error loading jpg file." box; the program ends at once
};

using FatalErrorHandler = void (*)(FatalError kind, const char* text);

// Installs the handler; returns the previous one. A null handler ignores reports.
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler);

// Reports an error through the installed handler; returns if the handler does.
void ShowFatalError(const char* text, FatalError kind = FatalError::kData);
