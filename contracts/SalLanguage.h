#pragma once
// The SAL language service: symbol table and parser. Implemented in
// platform/language.
#include <memory>
#include <string>
#include <vector>

#include "contracts/OutlineKit.h"

class CSalSymbol;
class CFunction;
class CClass;
class CWindow;

// Receivers of the parser's callbacks. Defaults do nothing.
class CParserNotificationInterface {
public:
    virtual void ParseText(std::string& /*text*/) {}
    virtual ~CParserNotificationInterface() = default;
    // A resolved use: position and length in the item's text part; context is
    // the function, handler or window whose code holds the use.
    virtual void Symbol(CSalSymbol* /*symbol*/, CGItem& /*item*/, int /*position*/,
                        int /*length*/, CSalSymbol* /*context*/) {}
    virtual void UnresolvedBind(CGItem& /*item*/, int /*position*/, int /*length*/) {}
    virtual void ParseProgress(int /*value*/) {}
    // An argument that is a plain variable, passed as parameter number
    // `parameter` (from 1) of `function`.
    virtual void FuncParamAccess(CSalSymbol* /*symbol*/, CSalSymbol* /*function*/,
                                 HITEM /*item*/, int /*parameter*/) {}
    virtual void unresolvedSymbol(std::string /*text*/, CGItem* /*item*/) {}
};

class CSymbolNotificationInterface {
public:
    virtual ~CSymbolNotificationInterface() = default;
    // A declaration (position >= 0) or a whole-item reference (negative
    // position): a base class on its Class: line, or the class of a window,
    // child window or FunctionalVar reported on the owning item.
    virtual void SymbolAdded(CSalSymbol* /*symbol*/, CGItem& /*item*/, int /*position*/,
                             int /*length*/) {}
    virtual void SymbolRemoved(CSalSymbol* /*symbol*/) {}
};
