#include "fuzz_data_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

const std::string& FuzzFolder() {
    static std::string folder;
    if (folder.empty()) {
        char pattern[] = "/tmp/korvath_fuzz_XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        folder = pattern;
        std::filesystem::create_directory(folder + "/gamedata");
    }
    if (chdir(folder.c_str()) != 0)
        std::abort();
    return folder;
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
    FuzzFolder();
    FILE* file = std::fopen(("gamedata/" + name).c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
    return "./gamedata\\" + name;
}
