#pragma once
// What `zavora FILE --show SYMBOL --screenshot OUT.png` does once the window
// is up: wait for the plug-in's start-up, parse, select the symbol and send
// F11, let the views settle, save a picture of the whole window, and quit.
#include <QString>
#include <functional>

#include "contracts/OutlineKit.h"

namespace zv::ide {

class HostWindow;
class PluginHost;

struct ScriptOptions {
    QString show;        // a name path or a unique bare name; empty: none
    QString screenshot;  // a PNG file; empty: stay open
};

// Resolves a name path ("frmOrders::dfCustomer") or a bare name that is
// unique in the parsed program. 0, with the reason in *error, otherwise.
HITEM ResolveSymbol(const QString& name, QString* error);

// Starts the script; done(exit code) is called at its end.
void RunScript(HostWindow* window, PluginHost* plugin, const ScriptOptions& options,
               std::function<void(int)> done);

} // namespace zv::ide
