#pragma once
// The SAL language service: symbol table and parser. Implemented in
// platform/language.
#include <cstdint>
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

// ---- Symbol table -----------------------------------------------------------

namespace zv::lang {
class SymbolTable;
class ParserImpl;
} // namespace zv::lang

enum class SymbolKind : std::uint8_t {
    Function,     // internal, class, window, external or built-in function
    Class,
    Window,       // top-level or child window, column
    Variable,     // variables of every section, and parameters
    Constant,
    Enumeration,
    EnumItem,
    Resource,
    NamedMenu,
    Event,
    Handler,      // an On MESSAGE handler: a code context, never found by name
};

enum class SalDataType : std::uint8_t {
    None, Number, String, LongString, DateTime, Boolean, WindowHandle, SqlHandle,
    FileHandle, SessionHandle, Object, Other,
};

// One declaration of the program, its libraries or the SAL context.
class CSalSymbol {
public:
    CSalSymbol(SymbolKind kind, std::string name, const CGItem& item, CSalSymbol* parent,
               bool builtIn);
    virtual ~CSalSymbol();
    CSalSymbol(const CSalSymbol&) = delete;
    CSalSymbol& operator=(const CSalSymbol&) = delete;

    CGItem& GetItem() { return m_item; }
    const CGItem& GetItem() const { return m_item; }
    const std::string& GetName() const { return m_name; }
    bool IsBuiltIn() const { return m_builtIn; }
    SymbolKind GetKind() const { return m_kind; }
    // The function, class, window, enumeration or named menu that declares
    // it; null for global declarations.
    CSalSymbol* GetParentContext() const { return m_parent; }

    // Variables and parameters: their type; objects and windows: their class.
    SalDataType GetDataType() const { return m_dataType; }
    CClass* GetObjectClass() const { return m_objectClass; }
    bool IsArray() const { return m_array; }
    bool IsParameter() const { return m_parameter; }
    bool IsReceive() const { return m_receive; }

    void SetDataType(SalDataType type) { m_dataType = type; }
    void SetObjectClass(CClass* cls) { m_objectClass = cls; }
    void SetArray(bool array) { m_array = array; }
    void SetParameter(bool receive) { m_parameter = true; m_receive = receive; }

    // Receivers of SymbolAdded / SymbolRemoved for every table.
    static void AddNotifcationInterface(CSymbolNotificationInterface* receiver);
    static void RemoveNotificationInterface(CSymbolNotificationInterface* receiver);
    static void NotifyAdded(CSalSymbol* symbol, CGItem& item, int position, int length);
    static void NotifyRemoved(CSalSymbol* symbol);

private:
    CGItem m_item;
    std::string m_name;
    CSalSymbol* m_parent;
    CClass* m_objectClass = nullptr;
    SymbolKind m_kind;
    SalDataType m_dataType = SalDataType::None;
    bool m_builtIn;
    bool m_array = false;
    bool m_parameter = false;
    bool m_receive = false;
};

class CFunction : public CSalSymbol {
public:
    struct Parameter {
        CGItem item;
        bool receive = false;
        CSalSymbol* symbol = nullptr;   // null for the unnamed parameters of external functions
    };

    CFunction(std::string name, const CGItem& item, CSalSymbol* parent, bool builtIn,
              bool external);

    bool IsExternal() const { return m_external; }
    const std::vector<Parameter>& GetParameters() const { return m_parameters; }
    void AddParameter(const Parameter& parameter) { m_parameters.push_back(parameter); }

    // For a class or window function that overrides a base function or is
    // overridden: the function of that name in the topmost base class of the
    // chain; null for every other function.
    CFunction* IsLateBound() const;
    // The base function this one overrides, or null.
    CFunction* GetOverridden() const { return m_overridden; }
    bool HasOverrides() const { return m_hasOverrides; }
    void SetOverridden(CFunction* base) { m_overridden = base; }
    void SetHasOverrides() { m_hasOverrides = true; }

private:
    std::vector<Parameter> m_parameters;
    CFunction* m_overridden = nullptr;
    bool m_external;
    bool m_hasOverrides = false;
};

class CClass : public CSalSymbol {
public:
    CClass(std::string name, const CGItem& item, bool builtIn);

    bool IsFunctionalClass() const { return GetItem().GetItemType() == ItemType::FunctionalClass; }
    const std::vector<CClass*>& GetBaseClasses() const { return m_bases; }
    const std::vector<CClass*>& GetDerivedClasses() const { return m_derived; }
    void AddBaseClass(CClass* base);
    // Windows and child windows made from this class (inherited children
    // included, under the class they really take).
    const std::vector<CSalSymbol*>& GetWindows() const { return m_windows; }
    void AddWindow(CSalSymbol* window) { m_windows.push_back(window); }
    // The class and its bases, depth first in Derived From order, each once.
    const std::vector<CClass*>& GetLinearization() const;

private:
    std::vector<CClass*> m_bases;
    std::vector<CClass*> m_derived;
    std::vector<CSalSymbol*> m_windows;
    mutable std::vector<CClass*> m_linear;
};

class CWindow : public CSalSymbol {
public:
    CWindow(std::string name, const CGItem& item, CSalSymbol* parent, bool builtIn);
    bool IsTopLevel() const { return GetParentContext() == nullptr; }
};

// The symbol table of one program with its libraries and the SAL context.
class CApplication {
public:
    // The table of a program with a context outline; (0, 0) is the current
    // table (an empty one when there is none). A new program replaces the
    // current table; context 0 keeps the context it had.
    static CApplication* Instance(HOUTLINE program = 0, HOUTLINE context = 0);
    ~CApplication();

    // Builds the table from the outlines, replacing what it held. Throws
    // std::runtime_error when the program has no root item.
    void CreateContext();
    bool IsCreated() const;

    // Paths as GetNamePrefix writes them ("frmOrders::tblLines::colQty"),
    // compared without regard to case; null when nothing matches.
    CSalSymbol* GetSymbolFromPath(const std::string& path) const;
    // A declaration by name: bGlobal finds what an unqualified name means at
    // global level (program, libraries, then the SAL context); otherwise the
    // first declaration of the name anywhere, in outline order.
    CSalSymbol* GetSymbol(const std::string& name, bool bGlobal) const;
    // Every declaration with that name, in outline order.
    std::vector<CSalSymbol*> FindAll(const std::string& name) const;
    // The symbol (or handler) declared by an item, or null.
    CSalSymbol* GetSymbolOfItem(HITEM hItem) const;

    HOUTLINE GetProgram() const { return m_program; }
    HOUTLINE GetContext() const { return m_context; }
    std::size_t GetSymbolCount() const;
    zv::lang::SymbolTable* GetTable() const { return m_table.get(); }

private:
    CApplication(HOUTLINE program, HOUTLINE context);

    HOUTLINE m_program;
    HOUTLINE m_context;
    std::unique_ptr<zv::lang::SymbolTable> m_table;
};

// ---- Parser -------------------------------------------------------------------

class CSalScanner;

// What one parse found, for reports.
struct CSalParseStats {
    std::size_t itemsInTree = 0;      // every item of the program and its libraries
    std::size_t items = 0;            // items walked: those not commented out
    std::size_t statements = 0;       // code items parsed
    std::size_t references = 0;       // Symbol callbacks
    std::size_t unresolvedSymbols = 0;
    std::size_t unresolvedBinds = 0;
    std::size_t paramAccesses = 0;
};

// A name the parser could not resolve, and why, as far as it can tell.
struct CSalUnresolved {
    enum class Cause : std::uint8_t {
        UnknownClass,          // a member of an object or window whose class is declared nowhere loaded
        MissingLibrary,        // the program includes a library that was missing or refused
        UnqualifiedExternal,   // a child window of another window, with qualified references off
        Problem,               // a line the parser cannot read (unknown statement, open string)
        Unexplained,
    };
    Cause cause = Cause::Unexplained;
    std::string name;        // as written ("obj.Foo", "..Init")
    std::string detail;      // the class, or the libraries, the cause names
    std::string text;        // the message given to unresolvedSymbol
    HITEM item = 0;
};

class CSalParser {
public:
    // binds: resolve :name binds in SQL strings. scanner: the tokenizer to
    // use (not owned); null for the parser's own.
    CSalParser(bool binds, CSalScanner* scanner);
    ~CSalParser();
    CSalParser(const CSalParser&) = delete;
    CSalParser& operator=(const CSalParser&) = delete;

    void AddNotifcationInterface(CParserNotificationInterface* receiver);
    void RemoveNotificationInterface(CParserNotificationInterface* receiver);
    void SetBinds(bool binds);
    bool GetBinds() const;

    // Walks every code item of the application's outline and calls the
    // receivers back in outline order. Builds the symbol table first when
    // the current one is not that of this outline. Exceptions of receivers
    // leave it.
    bool Parse(CGApplication& app);
    // Where the parser is or stopped: phase, item, file and line.
    std::string GetInfo() const;
    const CSalParseStats& GetStats() const;
    // Every name of the last parse that did not resolve, in outline order.
    const std::vector<CSalUnresolved>& GetUnresolved() const;

private:
    std::unique_ptr<zv::lang::ParserImpl> m_impl;
};
