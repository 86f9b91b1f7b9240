#pragma once
// The host application's window on real outlines, offscreen, with a
// receiver that records what the kit tells the plug-in.
#include "../host/PluginFixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QUndoStack>

#include "platform/ide/HostWindow.h"
#include "platform/ide/OutlineModel.h"
#include "platform/ide/OutlineView.h"
#include "platform/ide/PluginHost.h"

namespace zvtest {

class Recorder : public CNotificationInterface {
public:
    Recorder() { StartNotification(0); }
    void OnEditInsert(CGItem&) override { m_log.push_back("Insert"); }
    void OnEditPaste(CGItem&) override { m_log.push_back("Paste"); }
    void OnEditTitle(CGItem&) override { m_log.push_back("Title"); }
    void OnEditType(CGItem&) override { m_log.push_back("Type"); }
    void OnEditList(CGItem&) override { m_log.push_back("List"); }
    void OnEditDelete(HOUTLINE, HITEM) override { m_log.push_back("Delete"); }
    std::vector<std::string> Take() { return std::exchange(m_log, {}); }
    std::vector<std::string> m_log;
};

class EditorTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        m_host = std::make_unique<zv::ide::HostWindow>();
        m_host->show();
    }
    void TearDown() override
    {
        m_host.reset();
        PluginTest::TearDown();
    }
    // Copies a program with its libraries and opens it in the window.
    void OpenInWindow(const std::string& program)
    {
        const HOUTLINE hOutline = Open(program);
        ASSERT_NE(hOutline, 0u);
        // Reopened by the window, as File > Open does it.
        const std::string path = CGItem(hOutline, CGApplication(hOutline).GetItem()).GetFileName();
        ASSERT_TRUE(m_host->openFile(QString::fromStdString(path)));
        m_path = path;
    }
    QModelIndex IndexOf(const std::string& prefix) { return Model().indexOf(Find(prefix).GetItem()); }
    zv::ide::OutlineModel& Model() { return *m_host->outlineView()->outlineModel(); }
    void MakeCurrent(const std::string& prefix) { m_host->outlineView()->showItem(Find(prefix).GetItem()); }
    std::string Line(const std::string& prefix) { return Find(prefix).GetTitle(0); }

    std::unique_ptr<zv::ide::HostWindow> m_host;
    std::string m_path;
};

} // namespace zvtest
