#pragma once
// What the engine asks of windows it does not own: the explorer's main frame
// (reached through the dock window), the parse progress window, the rename
// dialog, and the keyboard and window state of the host. The explorer
// implements these with widgets; HeadlessPorts serves the command line and
// the tests with the same behaviour and no display.
#include <functional>
#include <memory>
#include <string>

#include "contracts/OutlineKit.h"

// The main frame, as the application object reaches it through the dock window.
class IZvExplorerPort {
public:
    virtual ~IZvExplorerPort() = default;
    virtual void outdated(bool bOutdated) = 0;       // "Info is outdated" / "Info is up to date"
    virtual bool isOutdated() const = 0;
    virtual void clear() = 0;
    virtual void itemDeleted(HITEM hItem) = 0;
    virtual void AutoMode(bool bOn) = 0;
    virtual bool setSymbol(HITEM hItem, HOUTLINE hOutline) = 0;
    virtual HITEM getCurrentItem() const = 0;
    virtual HOUTLINE getCurrentOutline() const = 0;
    // A new outline: it becomes the frame's current outline, with no current item.
    virtual void setCurrentOutline(HOUTLINE hOutline) = 0;
    virtual void gotoDeclaration() = 0;
    // Deletes the symbols chosen in the unreferenced list, after asking;
    // nothing where there is no list to choose them in.
    virtual void deleteUnrefs() {}
};

// The parse progress window.
class IZvProgressPort {
public:
    virtual ~IZvProgressPort() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetPos(int value) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsCancelled() const = 0;
    virtual void SetCancel(bool bCancel) = 0;
};

// Keyboard, windows and dialogs of the host.
class IZvHostPorts {
public:
    virtual ~IZvHostPorts() = default;
    // Esc is down or was pressed since the last question.
    virtual bool EscapePressed() = 0;
    virtual bool HostIsForeground() = 0;
    // A key-down of Esc to the window with the keyboard focus.
    virtual void SendEscapeToFocus() = 0;
    virtual void ActivateHostWindow() = 0;
    virtual std::unique_ptr<IZvProgressPort> CreateProgress() = 0;
    // Why a new name cannot be taken; empty when it can.
    using NameCheck = std::function<std::string(const std::string& newName)>;
    // The rename dialog: true for OK, with the new name. A dialog runs the
    // check itself and stays open on a refused name.
    virtual bool AskNewName(const std::string& oldName, std::string& newName, const NameCheck& check) = 0;
};
