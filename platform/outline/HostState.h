#pragma once
// What the host IDE knows besides the outlines: the current outline, the
// selection, the line being edited, marked items, the output window,
// breakpoints and what the editor shows selected. The host application and
// the tests drive it; the kit's utility functions read it.
#include <cstdint>
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

} // namespace zv::host
