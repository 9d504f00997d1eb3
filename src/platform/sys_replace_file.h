#pragma once
// Files the game writes for the user (the saved progress). A file is replaced
// whole: at any moment, after a crash or on a full disk too, the path holds
// either the old content or the new, never a part.

#include <string>

// Makes the file's folder (and missing parents) when needed, writes bytes to
// a temporary file beside it, flushes that to the disk and renames it over
// hostPath. On failure the old file is untouched, no temporary file is left,
// and why says what failed.
bool Sys_ReplaceFile(const std::string& hostPath, const std::string& bytes, std::string* why);
