#pragma once
// The scratch working folder the fuzz targets write their inputs into, with a
// gamedata/ folder: the loaders open data paths relative to it.

#include <cstddef>
#include <cstdint>
#include <string>

// Enters the folder, making it on the first call; returns its path.
const std::string& FuzzFolder();

// Writes gamedata/<name> in the folder and returns the data path the game
// would use for it ("./gamedata\<name>").
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);
