#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "coderpage.h"
#include "memorywindow.h"
#include "projectpage.h"
#include "shareddata.h"

namespace zz::mac::testing {

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Both pages over one in-memory window, as the application holds them, with
// a fresh folder for the settings file, the bundle and the SDK.
class PageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zzmacpages-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        services.applicationSupport = (root / "ApplicationSupport").string();
        services.bundle = (root / "SDK" / "A" / "B" / "VADEzeravi.app").string();
        std::filesystem::create_directories(services.bundle);
        services.resources["PluginTemplate"] = std::string(ZZ_SOURCE_DIR) + "/templates/PluginTemplate";
        services.resources["PluginTemplate.zip"] = std::string(ZZ_BINARY_DIR) + "/bin/PluginTemplate.zip";
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::filesystem::path settingsFile() const
    {
        return std::filesystem::path(services.applicationSupport) / "org.zizavizerovo.VADEzeravi" / "zezurelog.txt";
    }

    // The window description creates the project page, then the coder page.
    void loadPages()
    {
        projectPage = std::make_unique<ViewController>(outlets, services, shared);
        projectPage->viewDidLoad();
        coderPage = std::make_unique<ControlCoderPage>(outlets, services, shared);
        coderPage->viewDidLoad();
    }

    std::filesystem::path root;
    MemoryOutlets outlets;
    MemoryServices services;
    SharedData shared;
    std::unique_ptr<ViewController> projectPage;
    std::unique_ptr<ControlCoderPage> coderPage;
};

}  // namespace zz::mac::testing
