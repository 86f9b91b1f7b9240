#pragma once
// The search for unreferenced symbols: the walk below an item that collects
// declarations, the rules that drop the ones that are referenced after all,
// the "__REFERENCED" marker, and deleting what the user picked. The
// unreferenced-symbols view and the command line share it.
#include <functional>
#include <vector>

#include "contracts/OutlineKit.h"

class CUnrefSearch {
public:
    using Filter = std::function<bool(CGItem&)>;

    // Appends the declarations at or below item, in walk order (repeats possible).
    static bool GetSymbolsBelow(CGItem& item, std::vector<HITEM>& symbols);
    // The item carries "__REFERENCED" in its indented comment, or in its text after the first character.
    static bool isMarkedReferenced(CGItem& item);
    // Why a collected symbol is not listed; none of these: it is unreferenced.
    static bool IsDropped(CGItem& item, const Filter& filter);
    // The unreferenced symbols below item, in walk order: collected, dropped
    // by the rules, by the filter (may be empty: none) and by the marker.
    // Nothing unless the store holds a whole parse.
    static std::vector<HITEM> Find(HOUTLINE hOutline, HITEM hItem, const Filter& filter);
    // Deletes the items of the non-null handles; returns how many went.
    // Deleted handles are set to 0, so none is handed to the kit twice.
    static int DeleteItems(HOUTLINE hOutline, std::vector<HITEM>& handles);
};
