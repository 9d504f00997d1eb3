#pragma once
// Inside the platform's file functions only: the one way a host file is
// opened for reading.

#include <cstddef>
#include <string>

#ifndef _WIN32
// Opens a host file without blocking, so that a pipe or device cannot hang the
// open, and checks that it is a regular file: its descriptor and size, or -1
// with why saying "not found", "cannot be opened" (it is there, but denied or
// a loop of links) or "is not a regular file".
int Sys_OpenRegularFile(const std::string& hostPath, size_t* size, std::string* why);
#endif
