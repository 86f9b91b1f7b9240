#pragma once
// Loads the explorer plug-in (libZavora41.so) from the plug-in folder and
// finds its entry points. Without it the editor still works, and says so.
#include <QLibrary>
#include <QString>

#include "platform/ide/PluginInterface.h"

namespace zv::ide {

class PluginHost {
public:
    ~PluginHost();
    // False, with the reason in problem(), when the plug-in is missing or
    // lacks its entry points.
    bool load(const QString& folder);
    // Runs the plug-in's unload once; the QApplication must still exist.
    void unload();
    bool isLoaded() const { return m_load != nullptr; }
    QString problem() const { return m_problem; }
    int command(const char* name) const { return m_command ? m_command(name) : 0; }
    int commandState(const char* name) const { return m_state ? m_state(name) : 0; }

private:
    QLibrary m_library;
    QString m_problem;
    ZvPluginLoadFn m_load = nullptr;
    ZvPluginUnloadFn m_unload = nullptr;
    ZvPluginCommandFn m_command = nullptr;
    ZvPluginCommandStateFn m_state = nullptr;
};

} // namespace zv::ide
