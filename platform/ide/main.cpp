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

namespace {

int Usage(const char* why)
{
    std::fprintf(stderr, "zavora: %s\nusage: zavora [FILE] [--lib-path DIR]... [--show SYMBOL] [--screenshot OUT.png]\n",
                 why);
    return 2;
}

int ShowBox(const ZvMessageBoxRequest& request)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton,
                    static_cast<QWidget*>(request.owner));
    switch (request.icon) {
    case ZvMB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case ZvMB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case ZvMB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case ZvMB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (request.buttons) {
    case ZvMB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case ZvMB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case ZvMB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (request.defaultButton) {
    case ZvIDYES: box.setDefaultButton(QMessageBox::Yes); break;
    case ZvIDNO: box.setDefaultButton(QMessageBox::No); break;
    case ZvIDCANCEL: box.setDefaultButton(QMessageBox::Cancel); break;
    case ZvIDOK: box.setDefaultButton(QMessageBox::Ok); break;
    default: break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return ZvIDCANCEL;
    case QMessageBox::Yes: return ZvIDYES;
    case QMessageBox::No: return ZvIDNO;
    default: return ZvIDOK;
    }
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
    if (options.screenshot.isEmpty()) ZvSetMessageBoxHandler(ShowBox);

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
