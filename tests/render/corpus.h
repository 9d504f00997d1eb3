#pragma once
// Paths into the shared loader corpus, which may be absent on a clone.

#include <string>

#include <sys/stat.h>

inline std::string CorpusPath(const std::string& relative) {
    return std::string(KORVATH_CORPUS_DIR) + "/" + relative;
}

inline bool CorpusPresent() {
    struct stat info;
    return stat(KORVATH_CORPUS_DIR, &info) == 0;
}

#define SKIP_WITHOUT_CORPUS()                                                 \
    do {                                                                      \
        if (!CorpusPresent())                                                 \
            GTEST_SKIP() << "loader corpus not found at " KORVATH_CORPUS_DIR; \
    } while (0)
