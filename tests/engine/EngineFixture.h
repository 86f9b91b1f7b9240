#pragma once
// The engine on a real outline: the program opened as the host's current
// outline, the SAL context loaded, message boxes answered by the test, the
// settings store in a temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../outline/TestFiles.h"
#include "contracts/Exceptions.h"
#include "contracts/MessageBox.h"
#include "engine/HeadlessPorts.h"
#include "engine/Zavora.h"
#include "platform/outline/HostState.h"
#include "settings/ZavoraPrefs.h"
#include "settings/ZvRegManager.h"

namespace zvtest {

// The settings store of the tests lives in a folder of their own.
struct SettingsSandbox {
    SettingsSandbox()
    {
        const auto dir = std::filesystem::temp_directory_path() / ("zvtest-config-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        ::setenv("HOME", dir.c_str(), 1);
        m_dir = dir;
    }
    ~SettingsSandbox() { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};
inline SettingsSandbox g_sandbox;

struct Box {
    std::string text, caption;
    int buttons, icon;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_boxes.clear();
        ZvSetMessageBoxHandler([this](const ZvMessageBoxRequest& r) {
            m_boxes.push_back({r.text, r.caption, r.buttons, r.icon});
            return m_answer;
        });
        App().SetPorts(&m_explorer, &m_ports);
        zv::host::HostState::Get().output.clear();
    }
    void TearDown() override
    {
        App().Clear();
        App().SetPorts(nullptr, nullptr);
        if (m_hOutline) zv::host::CloseOutline(m_hOutline);
        ZvSetMessageBoxHandler(nullptr);
    }

    static CZavoraApp& App() { return CZavoraApp::Instance(); }

    // Copies fixtures into a temporary folder and opens the first one.
    void Open(const std::vector<std::string>& fixtures)
    {
        std::string first;
        for (const auto& f : fixtures) {
            const std::string path = m_tmp.Copy(f, std::filesystem::path(f).filename().string());
            if (first.empty()) first = path;
        }
        OpenPath(first);
    }
    void OpenPath(const std::string& path)
    {
        std::string error;
        m_hOutline = zv::host::OpenOutline(path, &error);
        ASSERT_NE(m_hOutline, 0u) << error;
        ASSERT_TRUE(App().InitHeadless(std::string(ZV_BIN_DIR) + "/SalContext41.apl"));
        App().SetOutline(m_hOutline);
    }
    void Parse()
    {
        App().Parse(0);
        ASSERT_TRUE(App().IsParsed());
    }
    CGItem Find(const std::string& prefix) const
    {
        CGItem item = FindItem(m_hOutline, prefix);
        EXPECT_NE(item.GetItem(), 0u) << prefix;
        return item;
    }
    // The texts of the lines holding the references of the symbol declared by `declaration`.
    std::vector<std::string> RefLines(const std::string& declaration)
    {
        std::vector<std::string> lines;
        if (CXrefList* list = App().GetReferences(Find(declaration).GetItem()))
            for (CReference* r : list->GetReferences()) lines.push_back(r->GetSource()->GetTitle(0));
        return lines;
    }

    TempDir m_tmp;
    HOUTLINE m_hOutline = 0;
    CHeadlessExplorer m_explorer;
    CHeadlessHostPorts m_ports;
    std::vector<Box> m_boxes;
    int m_answer = ZvIDYES;
};

} // namespace zvtest
