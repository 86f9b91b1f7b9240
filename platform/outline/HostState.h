#pragma once
// What the host IDE knows besides the outlines: the current outline, the
// selection, the line being edited, marked items, the output window,
// breakpoints and what the editor shows selected. The host application and
// the tests drive it; the kit's utility functions read it.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "contracts/OutlineKit.h"

namespace zv::host {

struct OutputLine {
    std::string text;
    HOUTLINE outline = 0;
    HITEM item = 0;
    bool error = false;
};

struct EditorSelection {
    HOUTLINE outline = 0;
    HITEM item = 0;
    int start = 0;
    int end = 0;
};

// What changed in the host's state or its outlines, for the windows that show it.
enum class HostChange {
    Output,       // a line added to the output window, or the window cleared
    Selection,    // the selected item or the span shown selected
    Text,         // an item's line (the item)
    Inserted,     // an item inserted (the item; its subtree came with it)
    Removed,      // an item deleted with its subtree (the item, already unlinked)
    Moved,        // an item moved among its siblings (the item)
    Breakpoints,  // a breakpoint set or cleared (the item)
    Outline,      // the current outline replaced, created or closed
};
using HostListener = std::function<void(HostChange what, HITEM hItem)>;

class HostState {
public:
    static HostState& Get();

    HOUTLINE currentOutline = 0;
    HOUTLINE contextOutline = 0;      // the SAL context outline, once loaded
    HITEM selectedItem = 0;
    HITEM editItem = 0;               // the item whose line is being edited, or 0
    std::string editText;
    int editStart = 0;
    int editEnd = 0;
    std::vector<HITEM> marked;
    std::vector<OutputLine> output;
    std::set<HITEM> breakpoints;
    EditorSelection editorSelection;
    std::uintptr_t windowOfApp = 0;

    // Selecting an item tells the receivers (OnContextChange).
    void Select(HOUTLINE hOutline, HITEM hItem);
    // Starts editing an item's line with a selection in it.
    void Edit(HITEM hItem, const std::string& text, int start, int end);
    void EndEdit();
    void Reset();

    // A line of the output window; listeners are told.
    void AddOutput(OutputLine line);
    void ClearOutput();

    // Listeners are called after each change, in the order they were added.
    // Listen returns an id for Unlisten; Reset keeps them.
    int Listen(HostListener listener);
    void Unlisten(int id);
    void Changed(HostChange what, HITEM hItem = 0);

private:
    std::vector<std::pair<int, HostListener>> m_listeners;
    int m_nextListener = 1;
};

// Opens an outline as the host does: the old current outline gets
// OnFileClose, the new one OnFileRead and becomes current. Returns 0 on
// failure, with the reason in the output window and in *error.
HOUTLINE OpenOutline(const std::string& path, std::string* error = nullptr);
// Makes an outline loaded by other means (from an editor's buffers) the
// current one, as OpenOutline does after loading.
void AdoptOutline(HOUTLINE hOutline);
// Creates an empty program (OnFileClose for the old, OnFileNew for the new).
HOUTLINE NewOutline();
// Saves the program part of an outline (OnFileBeforeWrite, OnFileWrite).
bool SaveOutline(HOUTLINE hOutline, const std::string& path, std::string* error = nullptr);
// Closes an outline (OnFileClose) and frees it.
void CloseOutline(HOUTLINE hOutline);
// The host is ending (OnTerminate).
void Terminate();

// Editing as the host's editor does it. Every operation refuses items of an
// included library, tells the plug-in's receivers (the notification named)
// and then the listeners.

// Replaces an item's whole line; OnEditType when its kind changed with it,
// OnEditTitle otherwise.
bool SetItemLine(HITEM hItem, const std::string& line);
// Replaces the keyword part of an item's line ("Number:" to "String:"),
// keeping its text; OnEditType.
bool ChangeItemKind(HITEM hItem, const std::string& keyword);
// A new item under hParent after hAfter (0: as the first child); OnEditInsert.
HITEM InsertItem(HITEM hParent, HITEM hAfter, const std::string& line);
// The items with their subtrees as text in the header layout, levels
// counted from 0 for the given items, data blocks included: what Copy puts
// on the clipboard and what PasteItems takes.
std::string CopyItems(const std::vector<HITEM>& items);
// Inserts copied items under hParent after hAfter (0: first); OnEditPaste for
// each top item. Returns the new top items; empty, with *error naming the
// line, when the text is not copied items.
std::vector<HITEM> PasteItems(HITEM hParent, HITEM hAfter, const std::string& text,
                              std::string* error = nullptr);
// Moves an item by delta places among its siblings; OnEditList.
bool MoveItem(HITEM hItem, int delta);

} // namespace zv::host
