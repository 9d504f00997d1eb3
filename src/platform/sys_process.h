#pragma once
// The process's own state that programs set up before they start: the
// working folder (the game and every tool work in the folder that holds
// gamedata/) and defaults of environment variables for the libraries.

#include <string>

// Enters the folder; false when it cannot be entered.
bool Sys_EnterFolder(const std::string& hostPath);

// The working folder, "." when it cannot be had.
std::string Sys_CurrentFolder();

// Sets the variable only when it is not set yet, so that a user's own
// setting wins.
void Sys_SetEnvironmentDefault(const char* name, const char* value);
