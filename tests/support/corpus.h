#pragma once
// The shared loader corpus, which may be absent on a clone. The loaders read
// only inside their working folder, so a test program works in a scratch folder
// with a link "corpus" to it (every DataFolder has the link too).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/data_folder.h"

inline std::string CorpusPath(const std::string& relative) {
    return "corpus/" + relative;
}

// The corpus is there, and linked into the working folder (a system may
// refuse the link: Windows grants it to privileged users only).
inline bool CorpusPresent() {
    std::error_code code;
    return std::filesystem::exists(KORVATH_CORPUS_DIR, code) &&
           std::filesystem::exists(CorpusPath(""), code);
}

// The program's working folder for the tests that keep none of their own.
class CorpusWorkFolder : public ::testing::Environment {
  public:
    void SetUp() override { folder_ = std::make_unique<DataFolder>(); }
    void TearDown() override { folder_.reset(); }

  private:
    std::unique_ptr<DataFolder> folder_;
};
inline ::testing::Environment* const kCorpusWorkFolder =
    ::testing::AddGlobalTestEnvironment(new CorpusWorkFolder);

#define SKIP_WITHOUT_CORPUS()                                                                  \
    do {                                                                                       \
        if (!CorpusPresent())                                                                  \
            GTEST_SKIP() << "loader corpus not found at " KORVATH_CORPUS_DIR " or not linked"; \
    } while (0)
