#pragma once
// Late binding: a "..F()" call runs the override of F in the object's actual
// class. The walk that finds those overrides is shared by the callee tree of
// the explorer, the command line and the rename of a late-bound family.
#include <vector>

#include "contracts/OutlineKit.h"
#include "contracts/SalLanguage.h"

// The classes and windows (top-level and child windows) made directly from cls.
std::vector<CGItem> DirectSubclasses(CClass* cls);

// Every function that overrides f in a class or window made, directly or
// further down, from the class that owns f, depth first in the order the
// store lists the subclasses.
// Each function once; cycles in the class graph end the walk. Paths are
// compared component by component, never as substrings.
std::vector<CFunction*> FindOverrides(CFunction* f);

class CReference;

// The functions that a rename of f must rename together, or a "..F()" call
// would silently reach another function: the topmost function f overrides,
// and every override of it below, f among them. f alone outside a family.
std::vector<CFunction*> LateBoundFamily(CFunction* f);

// The "..F()" calls that can run f: those resolved to a function f overrides.
std::vector<CReference*> LateBoundCallsOf(CFunction* f);

// The function or handler whose code holds an item (for a call site), or an
// empty item.
CGItem CallerOf(const CGItem& item);

// Every use of a symbol as the command line, the explorer and the language
// server list it: its references (the SAL context's for a built-in), then,
// for a function of the program, the late-bound calls that can run it. `own`
// (may be null) receives how many are its own references.
std::vector<CReference*> ReferencesOf(HITEM hSymbol, bool bBuiltIn, std::size_t* own = nullptr);

// The functions and handlers whose code calls the symbol, in item order;
// then, for a function of the program, those whose late-bound call can run
// it. Each once; `direct` (may be null) receives how many call it directly.
std::vector<HITEM> CallersOf(HITEM hSymbol, bool bBuiltIn, std::size_t* direct = nullptr);
