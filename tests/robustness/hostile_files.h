#pragma once
// Damaged data files a hostile pack author would make, as rows of the table: a
// file below gamedata/, what is done to it, and the change to a copy of the data.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct Row {
    std::string file;
    std::string damage;
    std::function<void(const std::filesystem::path& data)> apply;
};

// Puts a file of these bytes in the place of what is at path.
void ReplaceFile(const std::filesystem::path& path, const std::string& bytes);

// size bytes of noise, the same for the same seed.
std::string RandomBytes(size_t size, unsigned seed);

// The worst cases: devices, decompression bombs, huge counts, absurd numbers,
// paths out of the folder.
std::vector<Row> WorstCases();
