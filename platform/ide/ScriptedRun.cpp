#include "platform/ide/ScriptedRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "contracts/MessageBox.h"
#include "contracts/SalLanguage.h"
#include "platform/ide/HostWindow.h"
#include "platform/ide/OutlineView.h"
#include "platform/ide/PluginHost.h"
#include "platform/outline/HostState.h"

namespace zv::ide {

HITEM ResolveSymbol(const QString& name, QString* error)
{
    CApplication* table = nullptr;
    try {
        table = CApplication::Instance(0, 0);
    } catch (...) {
    }
    if (!table || !table->IsCreated()) {
        if (error) *error = "the program is not parsed";
        return 0;
    }
    const std::string path = name.toStdString();
    if (CSalSymbol* symbol = table->GetSymbolFromPath(path)) return symbol->GetItem().GetItem();
    std::vector<HITEM> found;
    for (CSalSymbol* symbol : table->FindAll(path))
        if (!symbol->IsBuiltIn() && symbol->GetItem().GetOutline() == CurrentOutline())
            found.push_back(symbol->GetItem().GetItem());
    if (found.size() == 1) return found.front();
    if (error) {
        *error = found.empty() ? "no symbol " + name : name + " is ambiguous:";
        for (HITEM h : found) {
            CGItem scratch;
            *error += "\n  " + QString::fromStdString(GetNamePrefix(CurrentOutline(), h, scratch));
        }
    }
    return 0;
}

namespace {

// Runs the steps one event-loop turn apart, so that what each one started
// (start-up timer, parse, views) has settled before the next.
struct Script : std::enable_shared_from_this<Script> {
    HostWindow* window;
    PluginHost* plugin;
    ScriptOptions options;
    std::function<void(int)> done;
    QElapsedTimer clock;
    int exitCode = 0;

    bool pluginStarted() const { return plugin && plugin->isLoaded() && (plugin->commandState("AutoMode") & 1); }

    void waitForStart()
    {
        // The plug-in's start-up timer runs InitInstance2 once the window exists.
        if (plugin && plugin->isLoaded() && !pluginStarted() && clock.elapsed() < 5000) {
            later([self = shared_from_this()] { self->waitForStart(); }, 10);
            return;
        }
        // The explorer puts in its own message boxes; in a scripted run nobody
        // is there to answer them, so they go to stderr again.
        ZvSetMessageBoxHandler(nullptr);
        later([self = shared_from_this()] { self->show(); }, 0);
    }

    void show()
    {
        if (!options.show.isEmpty()) {
            if (!pluginStarted()) {
                std::fprintf(stderr, "zavora: --show needs the explorer, which is missing\n");
                exitCode = 1;
            } else {
                window->sendKey(Qt::ControlModifier);  // Ctrl+F11: parse
                QString error;
                const HITEM hItem = ResolveSymbol(options.show, &error);
                if (!hItem) {
                    std::fprintf(stderr, "zavora: --show %s: %s\n", qPrintable(options.show), qPrintable(error));
                    exitCode = 1;
                } else {
                    CGItem item(CurrentOutline(), hItem);
                    SelectSymbol(item, 0, 0);  // as the explorer shows a symbol: its name selected
                    window->sendKey(0);  // F11: show its references
                }
            }
        }
        later([self = shared_from_this()] { self->finish(); }, 150);
    }

    void finish()
    {
        // Without a screen this is all anyone sees: the output window and the status.
        for (const auto& line : zv::host::HostState::Get().output)
            std::printf("%s\n", line.text.c_str());
        const QString status = window->statusBar()->currentMessage();
        if (!status.isEmpty()) std::printf("%s\n", qPrintable(status));
        if (const HITEM selected = zv::host::HostState::Get().selectedItem)
            std::printf("selected: %s\n", CGItem(CurrentOutline(), selected).GetTitle(0).c_str());
        std::fflush(stdout);
        if (!options.screenshot.isEmpty()) {
            QApplication::processEvents();
            const QImage picture = window->grab().toImage();
            if (!picture.save(options.screenshot, "PNG")) {
                std::fprintf(stderr, "zavora: cannot write %s\n", qPrintable(options.screenshot));
                exitCode = 2;
            }
        }
        done(exitCode);
    }

    static void later(std::function<void()> step, int ms) { QTimer::singleShot(ms, qApp, std::move(step)); }
};

} // namespace

void RunScript(HostWindow* window, PluginHost* plugin, const ScriptOptions& options, std::function<void(int)> done)
{
    auto script = std::make_shared<Script>();
    script->window = window;
    script->plugin = plugin;
    script->options = options;
    script->done = std::move(done);
    script->clock.start();
    Script::later([script] { script->waitForStart(); }, 0);
}

} // namespace zv::ide
