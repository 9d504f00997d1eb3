#include "core/fatal_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_reports;
void Record(const char* text) {
    g_reports.push_back(text);
}

TEST(FatalErrorTest, ReportsGoToTheInstalledHandler) {
    g_reports.clear();
    FatalErrorHandler previous = SetFatalErrorHandler(Record);
    ShowFatalError("Couldn't load model data.");
    SetFatalErrorHandler(nullptr);
    ShowFatalError("ignored without a handler");
    SetFatalErrorHandler(previous);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_EQ(g_reports[0], "Couldn't load model data.");
}

}  // namespace
