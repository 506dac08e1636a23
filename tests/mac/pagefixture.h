#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "coderpagelogic.h"
#include "memorywindow.h"
#include "projectpagelogic.h"
#include "pagelink.h"
#include "tempfolder.h"

namespace zz::mac::testing {

using ::readBytes;
using ::writeBytes;

// Both pages over one in-memory window, as the application holds them, with
// a fresh folder for the settings file, the bundle and the SDK.
class PageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = folder.path();
        services.applicationSupport = (root / "ApplicationSupport").string();
        services.bundle = (root / "SDK" / "A" / "B" / "VADEzeravi.app").string();
        std::filesystem::create_directories(services.bundle);
        services.resources["PluginTemplate"] = std::string(ZZ_SOURCE_DIR) + "/templates/PluginTemplate";
        services.resources["PluginTemplate.zip"] = std::string(ZZ_BINARY_DIR) + "/bin/PluginTemplate.zip";
    }

    std::filesystem::path settingsFile() const
    {
        return std::filesystem::path(services.applicationSupport) / "org.zizavizerovo.VADEzeravi" / "zezurelog.txt";
    }

    // The window description creates the project page, then the coder page.
    void loadPages()
    {
        projectPage = std::make_unique<ProjectPageLogic>(outlets, services, link);
        projectPage->viewDidLoad();
        coderPage = std::make_unique<CoderPageLogic>(outlets, services, link);
        coderPage->viewDidLoad();
    }

    TempFolder folder;
    std::filesystem::path root;
    MemoryOutlets outlets;
    MemoryServices services;
    PageLink link;
    std::unique_ptr<ProjectPageLogic> projectPage;
    std::unique_ptr<CoderPageLogic> coderPage;
};

}  // namespace zz::mac::testing
