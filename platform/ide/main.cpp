// zavora: the SAL outline editor that hosts the Zavora explorer.
//   zavora [FILE] [--lib-path DIR]... [--show SYMBOL] [--screenshot OUT.png]
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>

#include "contracts/MessageBox.h"
#include "platform/ide/HostWindow.h"
#include "platform/ide/PluginHost.h"
#include "platform/ide/ScriptedRun.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"
#include "platform/widgets/MessageBoxWidget.h"

namespace {

int Usage(const char* why)
{
    std::fprintf(stderr, "zavora: %s\nusage: zavora [FILE] [--lib-path DIR]... [--show SYMBOL] [--screenshot OUT.png]\n",
                 why);
    return 2;
}

// The offscreen platform's notes on what it cannot do are no news to anyone.
QtMessageHandler g_standardHandler = nullptr;

void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains("propagateSizeHints") || text.contains("XDG_RUNTIME_DIR")) return;
    if (g_standardHandler) g_standardHandler(type, context, text);
    else std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv)
{
    g_standardHandler = qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zavora");
    QString file;
    zv::ide::ScriptOptions options;
    const QStringList args = QApplication::arguments();
    for (int n = 1; n < args.size(); ++n) {
        const QString& arg = args[n];
        auto value = [&]() -> QString { return n + 1 < args.size() ? args[++n] : QString(); };
        if (arg == "--lib-path") {
            const QString dir = value();
            if (dir.isEmpty()) return Usage("--lib-path needs a folder");
            zv::outline::LibrarySearchPath().push_back(dir.toStdString());
        } else if (arg == "--show") {
            options.show = value();
            if (options.show.isEmpty()) return Usage("--show needs a symbol");
        } else if (arg == "--screenshot") {
            options.screenshot = value();
            if (options.screenshot.isEmpty()) return Usage("--screenshot needs a file");
        } else if (arg.startsWith("--")) {
            return Usage(qPrintable("unknown option " + arg));
        } else if (file.isEmpty()) {
            file = arg;
        } else {
            return Usage("one file at a time");
        }
    }
    if (!file.isEmpty() && !QFileInfo::exists(file)) return Usage(qPrintable(file + ": no such file"));
    // A scripted run answers every box itself (on stderr): nobody is there to click.
    if (options.screenshot.isEmpty()) ZvSetMessageBoxHandler(ZvShowMessageBoxWidget);

    auto* window = new zv::ide::HostWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    zv::ide::PluginHost plugin;
    plugin.load(QApplication::applicationDirPath());
    window->setPlugin(&plugin);
    int exitCode = 0;
    if (!file.isEmpty() && !window->openFile(file)) exitCode = 1;
    window->show();
    if (!options.screenshot.isEmpty() || !options.show.isEmpty()) {
        zv::ide::RunScript(window, &plugin, options, [window, &exitCode, &options](int code) {
            if (code) exitCode = code;
            if (!options.screenshot.isEmpty()) window->close();
        });
    }
    const int loopCode = app.exec();
    // The window is gone (and with it the plug-in's shutdown ran); the
    // plug-in ends now, while the QApplication still exists.
    zv::host::Terminate();
    plugin.unload();
    return exitCode ? exitCode : loopCode;
}
