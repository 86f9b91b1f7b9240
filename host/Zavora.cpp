// The plug-in's life inside the host application: start-up in two steps,
// the keyboard entry, the shutdown when the host's main window ends, and the
// entry points the host looks up by name.
#include <QApplication>
#include <QDockWidget>
#include <QLibrary>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>

#include "contracts/Check.h"
#include "contracts/MessageBox.h"
#include "engine/XrefList.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvDockWindow.h"
#include "engine/Zavora.h"
#include "host/ZavoraNotificationInterface.h"
#include "host/ZvHostExplorer.h"
#include "host/ZvKeyFilter.h"
#include "platform/ide/PluginInterface.h"
#include "settings/ZavoraPrefs.h"

namespace {

constexpr unsigned kCmdZavoraParse = 32771;
constexpr unsigned kCmdParse = 32772;

// The process-wide start-up state and what the start-up made. Owned here,
// not by the application object: they are Qt objects, and the engine has none.
struct PluginLife {
    bool started = false;
    bool done = false;
    std::unique_ptr<QTimer> startTimer;
    std::unique_ptr<QLibrary> self;
    std::unique_ptr<QLibrary> zelbar;
    std::unique_ptr<CZvDockWindow> dock;          // the application's dock window
    QPointer<CZvMainFrame> frame;                  // the explorer, owned by its bar
    // Without the bar library there is no explorer window: its state then
    // shows in the host's status bar.
    std::unique_ptr<CZvHostExplorer> explorer;
    std::unique_ptr<CZvWidgetHostPorts> ports;
    std::unique_ptr<CZavoraNotificationInterface> receiver;
    std::unique_ptr<CZvKeyFilter> keys;
    QPointer<QMainWindow> hostWindow;
    QMetaObject::Connection shutdown;
};

PluginLife& Life()
{
    static PluginLife life;
    return life;
}

void SetRegistryKey() { QCoreApplication::setOrganizationName("Morrowbit"); }

void StartupTick()
{
    PluginLife& life = Life();
    QMainWindow* window = ZvHostMainWindow();
    if (!window || life.started) return;
    life.started = true;
    try {
        life.dock = std::make_unique<CZvDockWindow>();
    } catch (CException* e) {
        // A bar without a window: the start-up goes on without it.
        e->Delete();
        life.dock.reset();
    }
    CZavoraApp::Instance().InitInstance2();
    window->activateWindow();
    life.startTimer->stop();
    window->activateWindow();
}

} // namespace

std::string CZavoraApp::getZvVersion() { return "41"; }

std::string CZavoraApp::GetIniFile() const
{
    // The profile is named as the application's settings key.
    return getPath() + "Zavora41";
}

int CZavoraApp::InitInstance()
{
    PluginLife& life = Life();
    SetRegistryKey();
    // Kept loaded for the life of the process, as the host would keep it.
    life.self = std::make_unique<QLibrary>(QString::fromStdString(getPath() + "libZavora" + getZvVersion() + ".so"));
    life.self->load();
    m_hOutline = CurrentOutline();
    life.startTimer = std::make_unique<QTimer>();
    life.startTimer->setInterval(10);
    QObject::connect(life.startTimer.get(), &QTimer::timeout, [] { StartupTick(); });
    life.startTimer->start();
    // The dock bar's library; without it there is no bar, and nothing is said.
    life.zelbar = std::make_unique<QLibrary>(QString::fromStdString(getPath() + "libzelbar" + getZvVersion() + ".so"));
    life.zelbar->load();
    return 1;
}

int CZavoraApp::InitInstance2()
{
    PluginLife& life = Life();
    int result = 0;
    ZV_TRY
        SetRegistryKey();
        // The bar's docking frame: the host window it docks in. (The bar's
        // style values are the bar library's business; ours takes none.)
        QDockWidget* bar = life.dock && life.dock->hasBar() ? life.dock->GetControlBarWindow() : nullptr;
        QMainWindow* dockingFrame = bar ? qobject_cast<QMainWindow*>(bar->parentWidget()) : nullptr;
        CGApplication app(CurrentOutline());
        m_prefs->load();
        if (dockingFrame) {
            // The frame makes itself the engine's explorer and window ports.
            life.frame = new CZvMainFrame(dockingFrame);
            life.dock->SetClientWindow(life.frame);
        } else {
            life.explorer = std::make_unique<CZvHostExplorer>();
            life.ports = std::make_unique<CZvWidgetHostPorts>();
            SetPorts(life.explorer.get(), life.ports.get());
        }
        life.receiver = std::make_unique<CZavoraNotificationInterface>();
        SetNotificationReceiver(life.receiver.get());
        Clear();
        m_bParsing = false;
        life.keys = std::make_unique<CZvKeyFilter>();
        qApp->installEventFilter(life.keys.get());
        // The shutdown: once, when the host's main window ends.
        life.hostWindow = ZvHostMainWindow();
        if (life.hostWindow)
            life.shutdown = QObject::connect(life.hostWindow.data(), &QObject::destroyed, [] {
                if (Life().done) return;
                Life().done = true;
                CZavoraApp::Instance().ExitInstance();
            });
        // Parser, parsed flag, the SAL context outline and its built-ins.
        if (!InitHeadless(getPath() + "SalContext" + getZvVersion() + ".apl")) {
            result = 1;
        } else {
            CreateProgressDlg();
            life.receiver->StartNotification(CurrentOutline());
            // The auto-mode button is on from the start when the preference says so.
            if (m_prefs->AutoMode) {
                if (life.frame && life.frame->action(CZvMainFrame::ID_AUTOMODE))
                    life.frame->action(CZvMainFrame::ID_AUTOMODE)->setChecked(true);
                m_explorer->AutoMode(true);
            }
            m_explorer->outdated(true);
            result = 1;
        }
    ZV_CATCH_OUTER("CZavoraApp::InitInstance2")
    return result;
}

int CZavoraApp::Quit() { return ExitInstance(); }

void CZavoraApp::OnParse() { Parse(0); }

void CZavoraApp::OnZavoraParse() { Parse(0); }

bool CZavoraApp::OnCommand(unsigned id)
{
    if (id == kCmdParse) OnParse();
    else if (id == kCmdZavoraParse) OnZavoraParse();
    else return false;
    return true;
}

// ---- the entry points the host looks up ------------------------------------------

extern "C" __attribute__((visibility("default"))) int ZvPluginLoad()
{
    return CZavoraApp::Instance().InitInstance();
}

extern "C" __attribute__((visibility("default"))) void ZvPluginUnload()
{
    PluginLife& life = Life();
    // The keyboard entry goes first, then the application object, whose
    // preferences write themselves.
    if (life.keys) qApp->removeEventFilter(life.keys.get());
    // A host window that outlives the plug-in no longer reaches it.
    QObject::disconnect(life.shutdown);
    life.startTimer.reset();
    if (life.receiver) life.receiver->StopNotification();
    CZavoraApp::Instance().SetNotificationReceiver(nullptr);
    CZavoraApp::Instance().SetPorts(nullptr, nullptr);
    CZavoraApp::Destroy();
    life.dock.reset();
    life.keys.reset();
    life.receiver.reset();
    life.explorer.reset();
    life.ports.reset();
    life.started = life.done = false;
}

CZvMainFrame* ZvExplorerFrame() { return Life().frame; }

extern "C" __attribute__((visibility("default"))) int ZvPluginCommand(const char* command)
{
    const std::string name = command ? command : "";
    PluginLife& life = Life();
    if (name != "AutoMode") return 0;
    // The switch of the auto-mode button: the preference stays as stored.
    if (life.frame) {
        // As a click on the button: it now shows whether auto mode runs.
        if (QAction* button = life.frame->action(CZvMainFrame::ID_AUTOMODE)) {
            button->setChecked(!life.frame->isAutoModeRunning());
            life.frame->OnCommand(CZvMainFrame::ID_AUTOMODE);
        }
        return 1;
    }
    if (life.explorer) {
        life.explorer->AutoMode(!life.explorer->isAutoModeRunning());
        return 1;
    }
    return 0;
}

extern "C" __attribute__((visibility("default"))) int ZvPluginCommandState(const char* command)
{
    const std::string name = command ? command : "";
    PluginLife& life = Life();
    if (name != "AutoMode") return 0;
    if (life.frame) return 1 | (life.frame->isAutoModeRunning() ? 2 : 0);
    return life.explorer ? (1 | (life.explorer->isAutoModeRunning() ? 2 : 0)) : 0;
}

namespace {

// The references of the selected symbol, from a parse that is up to date;
// null, with the reason told, otherwise.
CXrefList* SelectedReferences()
{
    CZavoraApp& app = CZavoraApp::Instance();
    if (!app.IsParsed() || app.IsOutdated()) {
        ZvMessageBox(nullptr, "The information is outdated. Parse the outline first (Ctrl+F11).", "Zavora", ZvMB_OK);
        return nullptr;
    }
    const HITEM hItem = app.GetSelectedSymbol();
    CXrefList* list = hItem ? app.GetReferences(hItem) : nullptr;
    if (!list) ZvMessageBox(nullptr, "Select a variable that is referenced.", "Zavora", ZvMB_OK);
    return list;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int ZvPluginInlineTemp()
{
    CXrefList* list = SelectedReferences();
    if (!list) return 0;
    const int assignments = list->NoOfAssignments();
    if (assignments != 1) {
        ZvMessageBox(nullptr,
                     "Inline Temp needs a variable assigned exactly once; this one is assigned " +
                         std::to_string(assignments) + " times.",
                     "Zavora", ZvMB_OK);
        return 0;
    }
    list->InlineTemp();
    // What was parsed no longer matches the outline.
    CZavoraApp::Instance().Outdated();
    return 1;
}

extern "C" __attribute__((visibility("default"))) int ZvPluginChangeToAccessor(std::uintptr_t getter,
                                                                               std::uintptr_t setter)
{
    CXrefList* list = SelectedReferences();
    if (!list) return 0;
    CGFunction get(CurrentOutline(), getter);
    CGFunction set(CurrentOutline(), setter);
    if (!IsFunction(get.GetItemType()) || !IsFunction(set.GetItemType())) {
        ZvMessageBox(nullptr, "Choose a function as getter and one as setter.", "Zavora", ZvMB_OK);
        return 0;
    }
    list->ChangeToAccessor(0, get, set);
    CZavoraApp::Instance().Outdated();
    return 1;
}
