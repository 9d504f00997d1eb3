#pragma once
// World tests run in a scratch working folder whose gamedata/ the loaders
// read, record data-error reports, and start and end with an empty world.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "support/data_folder.h"
#include "support/test_xml.h"
#include "world/level.h"
#include "world/template_assets.h"

class WorldTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetFatalErrorHandler([](FatalError, const char* text) { Reports().push_back(text); });
        Reset();
    }
    void TearDown() override {
        Reset();
        SetFatalErrorHandler(nullptr);
    }
    static std::vector<std::string>& Reports() {
        static std::vector<std::string> reports;
        return reports;
    }

    DataFolder data;

  private:
    static void Reset() {
        ResetPawnTemplates();
        SetTemplateAssets(nullptr);
        Reports().clear();
    }
};
