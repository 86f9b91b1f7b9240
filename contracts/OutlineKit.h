#pragma once
// The host outline kit: item wrappers, outline utility functions and the
// notifier, as the plug-in calls them. Implemented in platform/outline.
#include <cstdint>
#include <string>
#include <vector>

#include "contracts/ItemTypes.h"

using HOUTLINE = std::uintptr_t;  // 0 is none
using HITEM = std::uintptr_t;     // 0 is none; never reused within a process

// The kit's string: bytes, UTF-8 in memory.
class CGString : public std::string {
public:
    using std::string::string;
    CGString() = default;
    CGString(const std::string& s) : std::string(s) {}
    CGString(std::string&& s) : std::string(std::move(s)) {}
    // The 32-bit form some host calls take: a hash of the text, stable within a process.
    explicit operator unsigned long() const;
};

class CGObjectList;

// Thrown by the kit when asked about an item that no longer exists or an
// outline that cannot be read or written. what() names file and line.
class CGKitError : public std::exception {
public:
    explicit CGKitError(std::string text) : m_text(std::move(text)) {}
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    std::string m_text;
};

class CGItem {
public:
    CGItem() = default;
    CGItem(HOUTLINE hOutline, HITEM hItem) : m_hOutline(hOutline), m_hItem(hItem) {}
    virtual ~CGItem() = default;

    void Initialize(HOUTLINE hOutline, HITEM hItem) { m_hOutline = hOutline; m_hItem = hItem; }
    HITEM GetItem() const { return m_hItem; }
    HOUTLINE GetOutline() const { return m_hOutline; }
    // True while the item exists in its outline.
    bool IsValid() const;

    int GetItemType() const;
    // The declared name (identifier), empty for items that declare nothing.
    CGString GetName() const;
    // The text part of the line (without the keyword part). Throws CGKitError
    // when the item no longer exists.
    CGString GetText() const;
    // 0: the whole line as the editor shows it; 1: the keyword part.
    CGString GetTitle(int part = 0) const;
    bool GetParentItem(CGItem& parent) const;
    // Renames the declaration: replaces the name in the text.
    bool SetName(const std::string& name);
    bool SetText(const std::string& text);
    // The class named by the "Class:" line of a window, child window or FunctionalVar.
    CGString GetObjectClass() const;
    bool SetObjectClass(const std::string& name);
    // Deletes the item with its subtree; false when it is read-only or gone.
    bool Delete();
    // Nonzero for items of an included library.
    int IsReadOnly() const;
    // Children of a type (0: all); flags are reserved. Returns the count.
    int EnumChildObjects(CGObjectList& list, int type, int flags) const;
    // flag 0: a direct child of the type; 1: the first match among all
    // descendants in outline order.
    bool GetChildOfType(int type, CGItem& child, int flag) const;
    // The text of the comment lines directly below the item, joined by "\n".
    CGString GetIndentedComment() const;

    // Where the item stands in its file: the path and the 1-based line.
    std::string GetFileName() const;
    int GetLineNumber() const;
    // Number of direct children; first child and next sibling (0 when none).
    int GetChildCount() const;
    HITEM GetFirstChild() const;
    HITEM GetNextSibling() const;

protected:
    HOUTLINE m_hOutline = 0;
    HITEM m_hItem = 0;
};

class CGObjectList {
public:
    int GetCount() const { return static_cast<int>(m_items.size()); }
    CGItem& GetAt(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    const CGItem& GetAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    void Add(const CGItem& item) { m_items.push_back(item); }
    void RemoveAll() { m_items.clear(); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<CGItem> m_items;
};

class CGClass;

// The outline's application: its root item.
class CGApplication : public CGItem {
public:
    CGApplication() = default;
    explicit CGApplication(HOUTLINE hOutline);

    // The host's main window id (set by the host).
    std::uintptr_t GetWindowOfApp() const;
    // The first marked item, into the argument; false when none is marked.
    bool GetFirstMarked(CGItem& item) const;
    // A line in the host's output window, linked to the item (may be null).
    void ReportMessage(const std::string& text, CGItem* item) const;

    // Loads an outline file (and its libraries) into this object; 0 on
    // failure, with the reason in GetLastError() and in the output window.
    HOUTLINE LoadOutline(const std::string& path);
    void UnloadOutline();
    void ReleaseOutline();
    static const std::string& GetLastError();

    // Declarations of Global Declarations: constants, enumerations,
    // variables, internal functions, named menus, resources and the External
    // Functions sections themselves.
    int EnumSymbols(CGObjectList& list, int type, int flags) const;
    // Classes and top-level windows.
    int EnumObjects(CGObjectList& list, int type) const;
    int EnumTopLevelWindows(CGObjectList& list, int type) const;
    bool GetClass(const std::string& name, CGClass& cls) const;
    // Outline attributes; 0xBA is "Fully Qualified External References?",
    // answered "Yes" or "No".
    CGString GetAttribute(int attribute) const;
};

class CGFunction : public CGItem {
public:
    CGFunction() = default;
    CGFunction(HOUTLINE hOutline, HITEM hItem) : CGItem(hOutline, hItem) {}
    // All parameters in order (by-value and Receive).
    int EnumParameters(CGObjectList& list, int flags) const;
};

class CGClass : public CGItem {
public:
    CGClass() = default;
    CGClass(HOUTLINE hOutline, HITEM hItem) : CGItem(hOutline, hItem) {}
    // The class items named in Derived From, in order (missing ones skipped).
    int EnumBaseClasses(CGObjectList& list) const;
};

// Statement insertion inside a block of statements.
class CGActionBlock : public CGItem {
public:
    CGActionBlock() = default;
    CGActionBlock(HOUTLINE hOutline, HITEM hItem) : CGItem(hOutline, hItem) {}
    void SetCurrent(CGItem& item);
    // Inserts a statement after the current one (at its level); the new
    // statement becomes current. False when there is no current item or it is read-only.
    bool InsertAfter(const std::string& line);
    HITEM GetCurrent() const { return m_hCurrent; }

private:
    HITEM m_hCurrent = 0;
};

// Outline utility functions.
HOUTLINE CurrentOutline();
HITEM GetSelectedItem(HOUTLINE hOutline);
HITEM EditGetItem(HOUTLINE hOutline);
// The edited line: a text handle (read with CGString(handle)), selection start and end.
bool EditGetText(HOUTLINE hOutline, std::string* text, int* start, int* end);
// The declaration of the identifier marked in text[start, end), in the scope
// of hItem; 0 for a built-in of the SAL context or when nothing resolves.
HITEM GetMarkedVarDeclExt(HOUTLINE hOutline, HITEM hItem, const std::string& text, int start,
                          int end, HITEM hScope);
bool IsSymbol(const CGItem& item);
// The symbol's name path ("a::b::c"), for GetSymbolFromPath; binds
// symbolItem to the symbol's own item. Empty when the item declares nothing.
CGString GetNamePrefix(HOUTLINE hOutline, HITEM hItem, CGItem& symbolItem);
void ClearErrorLog();
// Names the outline that holds the SAL context, for symbol tables built later.
void SetContextOutline(HOUTLINE hContext);
bool ReportError(const std::string& where, const std::string& text, int flags);
void SelectInText(CGItem& item, int flags, const CGString& name);
void SelectSymbol(CGItem& item, int start, int end);
void SetBreak(HOUTLINE hOutline, HITEM hItem, bool on);
// True when hItem lies in the subtree of hAncestor (an item counts as its own child).
bool isChildOf(HITEM hItem, HITEM hAncestor);
// The nearest ancestor that declares the item's code: a function, an On
// handler, a menu, a class or a window. Empty when none.
CGItem GetDeclaringParent(const CGItem& item);
HITEM SalOutlineGetIncludingItem(HOUTLINE hOutline, HITEM hItem);
bool IsStatement(int type);
bool IsFunction(int type);
bool IsSALFunction(const CGItem& item);
bool IsExternalFunction(const CGItem& item);
bool IsLegalIdentifierChar(char c);
CGString GetName(const CGItem& item);

// The notifier. Receivers override the notifications they want.
class CGNotificationInterface {
public:
    virtual ~CGNotificationInterface() = default;
    virtual void OnSetHook() {}
    virtual void OnNotification(int /*code*/) {}
    virtual void OnContextChange(CGItem& /*item*/) {}
    virtual void OnEditAttribute(CGItem& /*item*/) {}
    virtual void OnEditDelete(HOUTLINE /*hOutline*/, HITEM /*hItem*/) {}
    virtual void OnEditInsert(CGItem& /*item*/) {}
    virtual void OnEditList(CGItem& /*item*/) {}
    virtual void OnEditPaste(CGItem& /*item*/) {}
    virtual void OnEditTitle(CGItem& /*item*/) {}
    virtual void OnEditType(CGItem& /*item*/) {}
    virtual void OnFileRead(CGApplication& /*app*/) {}
    virtual void OnFileBeforeWrite(CGApplication& /*app*/) {}
    virtual void OnFileWrite(CGApplication& /*app*/) {}
    virtual void OnFileClose(CGApplication& /*app*/) {}
    virtual void OnFileNew(CGApplication& /*app*/) {}
    virtual void OnRunDesign() {}
    virtual void OnRunUser() {}
    virtual void OnTaskActivate() {}
    virtual void OnTaskDeactivate() {}
    virtual void OnTerminate() {}
    virtual void OnUnknownNotification(int /*code*/) {}
};

class CNotificationInterface : public CGNotificationInterface {
public:
    CNotificationInterface() = default;
    ~CNotificationInterface() override;
    CNotificationInterface(const CNotificationInterface&) = delete;
    CNotificationInterface& operator=(const CNotificationInterface&) = delete;
    // Receive the notifications of one outline (0: of every outline).
    void StartNotification(HOUTLINE hOutline);
    void StopNotification();
    bool IsNotifying() const { return m_bActive; }
    HOUTLINE GetNotifiedOutline() const { return m_hOutline; }

private:
    bool m_bActive = false;
    HOUTLINE m_hOutline = 0;
};
