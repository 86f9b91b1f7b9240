#include "platform/ide/PluginHost.h"

#include <QDir>
#include <QFileInfo>

namespace zv::ide {

PluginHost::~PluginHost() { unload(); }

bool PluginHost::load(const QString& folder)
{
    const QString path = QDir(folder).filePath("libZavora41.so");
    if (!QFileInfo::exists(path)) {
        m_problem = "the Zavora explorer is missing: " + path + " not found";
        return false;
    }
    m_library.setFileName(path);
    if (!m_library.load()) {
        m_problem = "the Zavora explorer is missing: " + m_library.errorString();
        return false;
    }
    auto load = reinterpret_cast<ZvPluginLoadFn>(m_library.resolve(kZvPluginLoad));
    auto unload = reinterpret_cast<ZvPluginUnloadFn>(m_library.resolve(kZvPluginUnload));
    if (!load || !unload) {
        m_problem = "the Zavora explorer is missing: " + path + " has no ZvPluginLoad/ZvPluginUnload";
        return false;
    }
    m_command = reinterpret_cast<ZvPluginCommandFn>(m_library.resolve(kZvPluginCommand));
    m_state = reinterpret_cast<ZvPluginCommandStateFn>(m_library.resolve(kZvPluginCommandState));
    if (!load()) {
        m_problem = "the Zavora explorer did not start";
        return false;
    }
    m_load = load;
    m_unload = unload;
    return true;
}

void PluginHost::unload()
{
    if (!m_unload) return;
    m_unload();
    m_unload = nullptr;
    m_load = nullptr;
    m_command = nullptr;
    m_state = nullptr;
}

} // namespace zv::ide
