#pragma once
// What the host application looks up by name in a plug-in library. The
// host's main window is handed over through the kit (GetWindowOfApp gives
// the address of its QMainWindow); keys reach the plug-in as ordinary key
// events, so the host's menu sends the same key events the user would.
extern "C" {

// Right after loading: the plug-in makes its application object and starts
// its own start-up. Nonzero on success.
using ZvPluginLoadFn = int (*)();
// Before the host's QApplication ends: the plug-in lets go of everything
// and writes its settings.
using ZvPluginUnloadFn = void (*)();
// Commands that have no key ("AutoMode", "ChangeToAccessor", "InlineTemp").
// Nonzero when the plug-in acted.
using ZvPluginCommandFn = int (*)(const char* command);
// The state of such a command: bit 0 enabled, bit 1 checked.
using ZvPluginCommandStateFn = int (*)(const char* command);

}

inline constexpr const char* kZvPluginLoad = "ZvPluginLoad";
inline constexpr const char* kZvPluginUnload = "ZvPluginUnload";
inline constexpr const char* kZvPluginCommand = "ZvPluginCommand";
inline constexpr const char* kZvPluginCommandState = "ZvPluginCommandState";
