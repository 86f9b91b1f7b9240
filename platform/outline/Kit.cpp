// The kit's item wrappers over the outline model.
#include <algorithm>
#include <cctype>
#include <functional>

#include "contracts/OutlineKit.h"
#include "platform/outline/Classify.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Notifier.h"
#include "platform/outline/Ident.h"
#include "platform/outline/NoCase.h"
#include "platform/outline/Outline.h"

using namespace zv::outline;

namespace {

Item* Resolve(HITEM hItem, Outline** outline = nullptr)
{
    return hItem ? Registry::Get().ResolveItem(hItem, outline) : nullptr;
}

std::string& LastError()
{
    static std::string error;
    return error;
}


// Item types whose text starts with the name they declare or name.
bool HasName(int type)
{
    using namespace ItemType;
    if (type >= DeclNumber && type <= DeclOther) return true;
    if (type >= ReceiveNumber && type <= ReceiveOther) return true;
    if (IsTopLevelWindowType(type) || IsClassType(type)) return true;
    if (IsChildWindowType(type)) return type != Frame && type != Line && type != BackgroundText;
    switch (type) {
    case Function: case ExternalFunction: case OnMessage: case Enumeration: case EnumerationItem:
    case Bitmap: case Icon: case Cursor: case NamedMenu: case Event: case BaseClass:
    case ObjectClass: case NamedMenuRef:
        return true;
    default:
        return false;
    }
}

// The identifier at the start of the item's text: its name.
std::string_view NameOf(const Item& item)
{
    if (item.commented || !HasName(item.type)) return {};
    std::string_view text = item.Text();
    return text.substr(0, IdentLength(text, 0));
}

std::int32_t ChildOfType(const Outline& o, std::int32_t parent, int type)
{
    for (std::int32_t c = o.items[parent].firstChild; c >= 0; c = o.items[c].next)
        if (o.items[c].type == type) return c;
    return -1;
}

void Reclassify(Outline& o, std::int32_t index)
{
    Item& item = o.items[index];
    if (item.parent < 0) return;
    const bool wasCommented = item.commented;
    o.Classify(item, item.parent);
    // Commenting an item out (or back in) changes its whole subtree.
    if (wasCommented != item.commented)
        for (std::int32_t i = item.firstChild; i >= 0; i = o.NextInOrder(i, index))
            o.Classify(o.items[i], o.items[i].parent);
}

bool IsDeclaringParentType(int type)
{
    using namespace ItemType;
    return type == Function || type == ExternalFunction || type == OnMessage ||
           type == NamedMenu || type == Enumeration || IsClassType(type) ||
           IsTopLevelWindowType(type) || IsChildWindowType(type);
}

} // namespace

// ---- CGString -------------------------------------------------------------

CGString::operator unsigned long() const
{
    return static_cast<unsigned long>(std::hash<std::string>{}(*this) & 0xffffffffu);
}

// ---- CGItem ---------------------------------------------------------------

bool CGItem::IsValid() const { return Resolve(m_hItem) != nullptr; }

int CGItem::GetItemType() const
{
    const Item* item = Resolve(m_hItem);
    return item ? item->type : 0;
}

CGString CGItem::GetName() const
{
    const Item* item = Resolve(m_hItem);
    return item ? CGString(std::string(NameOf(*item))) : CGString();
}

CGString CGItem::GetText() const
{
    const Item* item = Resolve(m_hItem);
    if (!item)
        throw CGKitError("outline item " + std::to_string(m_hItem) + " no longer exists");
    return CGString(std::string(item->Text()));
}

CGString CGItem::GetTitle(int part) const
{
    const Item* item = Resolve(m_hItem);
    if (!item) return {};
    if (part == 1) return CGString(std::string(item->Title()));
    return CGString(item->line);
}

bool CGItem::GetParentItem(CGItem& parent) const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    if (!item || item->parent < 0) {
        parent.Initialize(m_hOutline, 0);
        return false;
    }
    parent.Initialize(o->Handle(), o->ItemHandle(item->parent));
    return true;
}

bool CGItem::SetText(const std::string& text)
{
    Outline* o = nullptr;
    Item* item = Resolve(m_hItem, &o);
    if (!item || item->file != 0) return false;
    std::string line = item->line.substr(0, item->textStart);
    if (!line.empty() && line.back() != ' ' && !text.empty() && item->Title().size() > 0)
        line += ' ';
    const auto start = line.size();
    line += text;
    item->line = std::move(line);
    item->textStart = static_cast<std::uint16_t>(std::min<std::size_t>(start, 0xFFFF));
    Reclassify(*o, Outline::IndexOf(m_hItem));
    zv::notify::EditTitle(*this);
    zv::host::HostState::Get().Changed(zv::host::HostChange::Text, m_hItem);
    return true;
}

bool CGItem::SetName(const std::string& name)
{
    Item* item = Resolve(m_hItem);
    if (!item || item->file != 0) return false;
    const std::string_view old = NameOf(*item);
    if (old.empty()) return false;
    std::string text(item->Text());
    text.replace(0, old.size(), name);
    return SetText(text);
}

CGString CGItem::GetObjectClass() const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    if (!item) return {};
    const std::int32_t cls = ChildOfType(*o, Outline::IndexOf(m_hItem), ItemType::ObjectClass);
    // "cStack: oStack": an object declared by its class, the class as keyword.
    if (cls < 0 && (item->type == ItemType::DeclOther || item->type == ItemType::ReceiveOther ||
                    item->type == ItemType::OtherChildWindow))
        return CGString(std::string(TypedDeclarationClass(item->Title())));
    if (cls < 0) return {};
    std::string text(o->items[cls].Text());
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return CGString(text);
}

bool CGItem::SetObjectClass(const std::string& name)
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    if (!item || item->file != 0) return false;
    const std::int32_t cls = ChildOfType(*o, Outline::IndexOf(m_hItem), ItemType::ObjectClass);
    if (cls < 0 && (item->type == ItemType::DeclOther || item->type == ItemType::ReceiveOther ||
                    item->type == ItemType::OtherChildWindow)) {
        Item& decl = o->items[Outline::IndexOf(m_hItem)];
        const std::string_view title = decl.Title();
        const std::string_view old = TypedDeclarationClass(title);
        if (old.empty() || title.back() != ':') return false;
        const std::size_t at = static_cast<std::size_t>(old.data() - decl.line.data());
        decl.line.replace(at, old.size(), name);
        decl.textStart = static_cast<std::uint16_t>(
            std::min<std::size_t>(decl.textStart + name.size() - old.size(), 0xFFFF));
        zv::notify::EditTitle(*this);
        zv::host::HostState::Get().Changed(zv::host::HostChange::Text, m_hItem);
        return true;
    }
    if (cls < 0) return false;
    CGItem classLine(o->Handle(), o->ItemHandle(cls));
    return classLine.SetText(name);
}

bool CGItem::Delete()
{
    Outline* o = nullptr;
    Item* item = Resolve(m_hItem, &o);
    if (!item || item->file != 0 || item->parent < 0) return false;
    // Receivers are told first, while the subtree can still be read.
    zv::notify::EditDelete(o->Handle(), m_hItem);
    const std::int32_t index = Outline::IndexOf(m_hItem);
    if (!o->IsAlive(index)) return false;
    o->items[o->items[index].parent].childrenEdited = true;
    auto& host = zv::host::HostState::Get();
    if (host.selectedItem && isChildOf(host.selectedItem, m_hItem)) host.selectedItem = 0;
    if (host.editItem && isChildOf(host.editItem, m_hItem)) host.EndEdit();
    o->Remove(index);
    host.Changed(zv::host::HostChange::Removed, m_hItem);
    return true;
}

int CGItem::IsReadOnly() const
{
    const Item* item = Resolve(m_hItem);
    return item && item->file != 0 ? 1 : 0;
}

int CGItem::EnumChildObjects(CGObjectList& list, int type, int /*flags*/) const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    if (!item) return 0;
    std::int32_t parent = Outline::IndexOf(m_hItem);
    int count = 0;
    if (type == ItemType::ExternalParameter && item->type == ItemType::ExternalFunction) {
        // All parameters of an external function, whatever their codes.
        parent = ChildOfType(*o, parent, ItemType::Parameters);
        if (parent < 0) return 0;
        type = ItemType::Any;
    }
    for (std::int32_t c = o->items[parent].firstChild; c >= 0; c = o->items[c].next) {
        if (type != ItemType::Any && o->items[c].type != type) continue;
        list.Add(CGItem(o->Handle(), o->ItemHandle(c)));
        ++count;
    }
    return count;
}

bool CGItem::GetChildOfType(int type, CGItem& child, int flag) const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    child.Initialize(m_hOutline, 0);
    if (!item) return false;
    const std::int32_t self = Outline::IndexOf(m_hItem);
    if (flag == 0) {
        const std::int32_t c = ChildOfType(*o, self, type);
        if (c < 0) return false;
        child.Initialize(o->Handle(), o->ItemHandle(c));
        return true;
    }
    for (std::int32_t i = o->NextInOrder(self, self); i >= 0; i = o->NextInOrder(i, self)) {
        if (o->items[i].type == type) {
            child.Initialize(o->Handle(), o->ItemHandle(i));
            return true;
        }
    }
    return false;
}

CGString CGItem::GetIndentedComment() const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    if (!item) return {};
    std::string text;
    for (std::int32_t c = item->firstChild; c >= 0; c = o->items[c].next) {
        const Item& child = o->items[c];
        if (child.type != ItemType::Comment || child.line.empty() || child.line[0] != '!') break;
        if (!text.empty()) text += '\n';
        text.append(child.Text());
    }
    return CGString(text);
}

std::string CGItem::GetFileName() const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    return item ? o->files[item->file].path : std::string();
}

int CGItem::GetLineNumber() const
{
    const Item* item = Resolve(m_hItem);
    return item ? static_cast<int>(item->lineNo) : 0;
}

int CGItem::GetChildCount() const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    return item ? o->ChildCount(Outline::IndexOf(m_hItem)) : 0;
}

HITEM CGItem::GetFirstChild() const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    return item && item->firstChild >= 0 ? o->ItemHandle(item->firstChild) : 0;
}

HITEM CGItem::GetNextSibling() const
{
    Outline* o = nullptr;
    const Item* item = Resolve(m_hItem, &o);
    return item && item->next >= 0 ? o->ItemHandle(item->next) : 0;
}

// ---- CGApplication ----------------------------------------------------------

CGApplication::CGApplication(HOUTLINE hOutline)
{
    const Outline* o = Registry::Get().Find(hOutline);
    Initialize(hOutline, o && o->root >= 0 ? o->ItemHandle(o->root) : 0);
}

std::uintptr_t CGApplication::GetWindowOfApp() const { return zv::host::HostState::Get().windowOfApp; }

bool CGApplication::GetFirstMarked(CGItem& item) const
{
    for (HITEM h : zv::host::HostState::Get().marked) {
        std::int32_t index;
        Outline* o = Registry::Get().Resolve(h, &index);
        if (o && o->Handle() == m_hOutline) {
            item.Initialize(m_hOutline, h);
            return true;
        }
    }
    return false;
}

void CGApplication::ReportMessage(const std::string& text, CGItem* item) const
{
    zv::host::HostState::Get().AddOutput(
        {text, item ? item->GetOutline() : m_hOutline, item ? item->GetItem() : 0, false});
}

HOUTLINE CGApplication::LoadOutline(const std::string& path)
{
    try {
        Outline& o = LoadProgram(path, LibrarySearchPath());
        Initialize(o.Handle(), o.ItemHandle(o.root));
        LastError().clear();
        for (const auto& missing : o.missing)
            zv::host::HostState::Get().AddOutput(
                {"library not found: " + missing.name + " (included at " + missing.includedFrom + ")",
                 o.Handle(), o.ItemHandle(missing.includeItem), true});
        return o.Handle();
    } catch (const CGKitError& e) {
        LastError() = e.what();
        zv::host::HostState::Get().AddOutput({e.what(), 0, 0, true});
        return 0;
    }
}

void CGApplication::UnloadOutline()
{
    if (m_hOutline) Registry::Get().Destroy(m_hOutline);
    Initialize(0, 0);
}

void CGApplication::ReleaseOutline() { Initialize(0, 0); }

const std::string& CGApplication::GetLastError() { return LastError(); }

int CGApplication::EnumSymbols(CGObjectList& list, int /*type*/, int /*flags*/) const
{
    using namespace ItemType;
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || o->root < 0) return 0;
    int count = 0;
    auto add = [&](std::int32_t i) {
        list.Add(CGItem(m_hOutline, o->ItemHandle(i)));
        ++count;
    };
    const std::int32_t globals = ChildOfType(*o, o->root, GlobalDeclarations);
    if (globals < 0) return 0;
    for (std::int32_t s = o->items[globals].firstChild; s >= 0; s = o->items[s].next) {
        const Item& section = o->items[s];
        switch (section.type) {
        case Constants:
            for (std::int32_t sub = section.firstChild; sub >= 0; sub = o->items[sub].next) {
                const int t = o->items[sub].type;
                if (t != SystemConstants && t != UserConstants && t != Enumerations) continue;
                for (std::int32_t c = o->items[sub].firstChild; c >= 0; c = o->items[c].next)
                    if (!o->items[c].commented) add(c);
            }
            break;
        case GlobalVariables: case InternalFunctions: case NamedMenus: case Resources:
            for (std::int32_t c = section.firstChild; c >= 0; c = o->items[c].next)
                if (!o->items[c].commented) add(c);
            break;
        case ExternalFunctions:
            add(s);
            break;
        default:
            break;
        }
    }
    return count;
}

int CGApplication::EnumObjects(CGObjectList& list, int /*type*/) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || o->root < 0) return 0;
    int count = 0;
    const std::int32_t globals = ChildOfType(*o, o->root, ItemType::GlobalDeclarations);
    const std::int32_t classes = globals >= 0 ? ChildOfType(*o, globals, ItemType::ClassDefinitions) : -1;
    if (classes >= 0)
        for (std::int32_t c = o->items[classes].firstChild; c >= 0; c = o->items[c].next)
            if (IsClassType(o->items[c].type)) {
                list.Add(CGItem(m_hOutline, o->ItemHandle(c)));
                ++count;
            }
    return count + EnumTopLevelWindows(list, 0);
}

int CGApplication::EnumTopLevelWindows(CGObjectList& list, int /*type*/) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || o->root < 0) return 0;
    int count = 0;
    for (std::int32_t c = o->items[o->root].firstChild; c >= 0; c = o->items[c].next)
        if (IsTopLevelWindowType(o->items[c].type)) {
            list.Add(CGItem(m_hOutline, o->ItemHandle(c)));
            ++count;
        }
    return count;
}

bool CGApplication::GetClass(const std::string& name, CGClass& cls) const
{
    cls.Initialize(m_hOutline, 0);
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || o->root < 0) return false;
    const std::int32_t globals = ChildOfType(*o, o->root, ItemType::GlobalDeclarations);
    const std::int32_t classes = globals >= 0 ? ChildOfType(*o, globals, ItemType::ClassDefinitions) : -1;
    if (classes < 0) return false;
    for (std::int32_t c = o->items[classes].firstChild; c >= 0; c = o->items[c].next) {
        const Item& item = o->items[c];
        if (IsClassType(item.type) && EqualNameNoCase(NameOf(item), name)) {
            cls.Initialize(m_hOutline, o->ItemHandle(c));
            return true;
        }
    }
    return false;
}

CGString CGApplication::GetAttribute(int attribute) const
{
    if (attribute != 0xBA) return {};
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || o->root < 0) return "Yes";
    const std::int32_t settings = ChildOfType(*o, o->root, ItemType::DesignTimeSettings);
    if (settings >= 0) {
        for (std::int32_t c = o->items[settings].firstChild; c >= 0; c = o->items[c].next) {
            const Item& item = o->items[c];
            if (EqualNoCase(item.Title(), "Fully Qualified External References?")) {
                const std::string_view v = item.Text();
                return EqualNoCase(v.substr(0, 2), "No") ? "No" : "Yes";
            }
        }
    }
    return "Yes";
}

// ---- CGFunction, CGClass, CGActionBlock ---------------------------------

int CGFunction::EnumParameters(CGObjectList& list, int /*flags*/) const
{
    CGItem params;
    if (!GetChildOfType(ItemType::Parameters, params, 0)) return 0;
    return params.EnumChildObjects(list, ItemType::Any, 0);
}

int CGClass::EnumBaseClasses(CGObjectList& list) const
{
    CGItem derived;
    if (!GetChildOfType(ItemType::DerivedFrom, derived, 0)) return 0;
    CGObjectList bases;
    derived.EnumChildObjects(bases, ItemType::BaseClass, 0);
    CGApplication app(m_hOutline);
    int count = 0;
    for (const CGItem& base : bases) {
        CGClass cls;
        if (app.GetClass(base.GetName(), cls)) {
            list.Add(cls);
            ++count;
        }
    }
    return count;
}

void CGActionBlock::SetCurrent(CGItem& item) { m_hCurrent = item.GetItem(); }

bool CGActionBlock::InsertAfter(const std::string& line)
{
    Outline* o = nullptr;
    Item* current = Resolve(m_hCurrent, &o);
    if (!current || current->file != 0 || current->parent < 0) return false;
    const std::int32_t at = Outline::IndexOf(m_hCurrent);
    const std::int32_t parent = current->parent;
    Item item;
    item.line = line;
    item.file = 0;
    o->Classify(item, parent);
    const std::int32_t index = o->InsertAfter(at, std::move(item));
    o->items[parent].childrenEdited = true;
    m_hCurrent = o->ItemHandle(index);
    zv::notify::EditInsert(CGItem(o->Handle(), m_hCurrent));
    zv::host::HostState::Get().Changed(zv::host::HostChange::Inserted, m_hCurrent);
    return true;
}

// ---- utility functions ----------------------------------------------------

HOUTLINE CurrentOutline() { return zv::host::HostState::Get().currentOutline; }

HITEM GetSelectedItem(HOUTLINE hOutline)
{
    const HITEM h = zv::host::HostState::Get().selectedItem;
    std::int32_t index;
    const Outline* o = Registry::Get().Resolve(h, &index);
    return o && o->Handle() == hOutline ? h : 0;
}

HITEM EditGetItem(HOUTLINE hOutline)
{
    const HITEM h = zv::host::HostState::Get().editItem;
    std::int32_t index;
    const Outline* o = Registry::Get().Resolve(h, &index);
    return o && o->Handle() == hOutline ? h : 0;
}

bool EditGetText(HOUTLINE hOutline, std::string* text, int* start, int* end)
{
    auto& host = zv::host::HostState::Get();
    if (!EditGetItem(hOutline)) {
        if (text) text->clear();
        if (start) *start = 0;
        if (end) *end = 0;
        return false;
    }
    if (text) *text = host.editText;
    if (start) *start = host.editStart;
    if (end) *end = host.editEnd;
    return true;
}

bool IsSymbol(const CGItem& item)
{
    using namespace ItemType;
    const Item* it = Resolve(item.GetItem());
    if (!it || it->commented || NameOf(*it).empty()) return false;
    const int t = it->type;
    return t != OnMessage && t != BaseClass && t != ObjectClass && t != NamedMenuRef;
}

void ClearErrorLog() { zv::host::HostState::Get().ClearOutput(); }

void SetContextOutline(HOUTLINE hContext) { zv::host::HostState::Get().contextOutline = hContext; }

bool ReportError(const std::string& where, const std::string& text, int /*flags*/)
{
    zv::host::HostState::Get().AddOutput({where.empty() ? text : where + ": " + text, 0, 0, true});
    return true;
}

void SelectInText(CGItem& item, int /*flags*/, const CGString& name)
{
    auto& sel = zv::host::HostState::Get().editorSelection;
    const Item* it = Resolve(item.GetItem());
    sel = {item.GetOutline(), item.GetItem(), 0, 0};
    if (!it) return;
    const std::string_view text = it->Text();
    const std::size_t at = name.empty() ? std::string_view::npos : text.find(name);
    if (at != std::string_view::npos) {
        sel.start = static_cast<int>(at);
        sel.end = static_cast<int>(at + name.size());
    }
    zv::host::HostState::Get().Select(item.GetOutline(), item.GetItem());
}

void SelectSymbol(CGItem& item, int start, int end)
{
    if (start == 0 && end == 0) {
        SelectInText(item, 0, item.GetName());
        return;
    }
    zv::host::HostState::Get().editorSelection = {item.GetOutline(), item.GetItem(), start, end};
    zv::host::HostState::Get().Select(item.GetOutline(), item.GetItem());
}

void SetBreak(HOUTLINE /*hOutline*/, HITEM hItem, bool on)
{
    auto& breakpoints = zv::host::HostState::Get().breakpoints;
    if (on) breakpoints.insert(hItem);
    else breakpoints.erase(hItem);
    zv::host::HostState::Get().Changed(zv::host::HostChange::Breakpoints, hItem);
}

bool isChildOf(HITEM hItem, HITEM hAncestor)
{
    if (!hItem || !hAncestor) return false;
    if (Outline::SerialOf(hItem) != Outline::SerialOf(hAncestor)) return false;
    const Outline* o = Registry::Get().Find(Outline::SerialOf(hItem));
    if (!o) return false;
    const std::int32_t target = Outline::IndexOf(hAncestor);
    std::int32_t i = Outline::IndexOf(hItem);
    if (i < 0 || static_cast<std::size_t>(i) >= o->items.size()) return false;
    // Follows parents even for deleted items: a subtree keeps its links.
    for (; i >= 0; i = o->items[i].parent)
        if (i == target) return true;
    return false;
}

CGItem GetDeclaringParent(const CGItem& item)
{
    Outline* o = nullptr;
    const Item* it = Resolve(item.GetItem(), &o);
    if (!it) return CGItem(item.GetOutline(), 0);
    for (std::int32_t p = it->parent; p >= 0; p = o->items[p].parent)
        if (IsDeclaringParentType(o->items[p].type)) return CGItem(o->Handle(), o->ItemHandle(p));
    return CGItem(item.GetOutline(), 0);
}

HITEM SalOutlineGetIncludingItem(HOUTLINE /*hOutline*/, HITEM hItem)
{
    Outline* o = nullptr;
    const Item* it = Resolve(hItem, &o);
    if (!it || it->file == 0 || it->includeItem < 0) return 0;
    return o->ItemHandle(it->includeItem);
}

bool IsStatement(int type)
{
    return type == ItemType::Set ||
           (type >= ItemType::FirstStatement && type <= ItemType::LastStatement);
}

bool IsFunction(int type) { return type == ItemType::Function || type == ItemType::ExternalFunction; }

bool IsSALFunction(const CGItem& item)
{
    const HOUTLINE context = zv::host::HostState::Get().contextOutline;
    return context != 0 && item.GetOutline() == context &&
           item.GetItemType() == ItemType::ExternalFunction;
}

bool IsExternalFunction(const CGItem& item)
{
    return item.GetItemType() == ItemType::ExternalFunction && !IsSALFunction(item);
}

bool IsLegalIdentifierChar(char c) { return IsIdentByte(c); }

CGString GetName(const CGItem& item) { return item.GetName(); }

// ---- the host editor's edits ------------------------------------------------

namespace zv::host {

namespace {

// An item of the program itself, alive, not the root: what the editor may change.
Item* Editable(HITEM hItem, Outline** outline)
{
    Item* item = Resolve(hItem, outline);
    return item && item->file == 0 ? item : nullptr;
}

// The index after which to insert under parent: -1 for the first place.
bool InsertionPlace(HITEM hParent, HITEM hAfter, Outline** outline, std::int32_t* parent,
                    std::int32_t* after)
{
    if (!Editable(hParent, outline)) return false;
    *parent = Outline::IndexOf(hParent);
    *after = -1;
    if (hAfter) {
        Outline* o = nullptr;
        const Item* sibling = Resolve(hAfter, &o);
        if (!sibling || o != *outline || sibling->parent != *parent) return false;
        *after = Outline::IndexOf(hAfter);
    }
    return true;
}

std::int32_t InsertUnder(Outline& o, std::int32_t parent, std::int32_t after, Item&& item)
{
    if (after >= 0) return o.InsertAfter(after, std::move(item));
    const auto index = static_cast<std::int32_t>(o.items.size());
    const std::int32_t first = o.items[parent].firstChild;
    item.parent = parent;
    item.prev = -1;
    item.next = first;
    o.items.push_back(std::move(item));
    if (first >= 0) o.items[first].prev = index;
    else o.items[parent].lastChild = index;
    o.items[parent].firstChild = index;
    return index;
}

void Unlink(Outline& o, std::int32_t index)
{
    Item& it = o.items[index];
    if (it.prev >= 0) o.items[it.prev].next = it.next;
    else o.items[it.parent].firstChild = it.next;
    if (it.next >= 0) o.items[it.next].prev = it.prev;
    else o.items[it.parent].lastChild = it.prev;
    it.prev = it.next = -1;
}

void AppendCopy(const Outline& o, std::int32_t index, int level, std::string& out)
{
    const Item& item = o.items[index];
    out += ".head " + std::to_string(level) + (item.firstChild >= 0 ? " +  " : " -  ");
    out += item.line;
    out += '\n';
    if (item.data) {
        out += *item.data;
        out += '\n';
    }
    for (std::int32_t c = item.firstChild; c >= 0; c = o.items[c].next)
        if (o.items[c].alive) AppendCopy(o, c, level + 1, out);
}

struct CopiedItem {
    int level = 0;
    std::string line;
    std::string data;
};

bool ParseCopied(const std::string& text, std::vector<CopiedItem>& items, std::string* error)
{
    std::size_t pos = 0;
    int lineNo = 0;
    bool inData = false;
    auto fail = [&](const std::string& why) {
        if (error) *error = "pasted text, line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(".head ", 0) == 0) {
            inData = false;
            std::size_t at = 6, digits = 0;
            int level = 0;
            while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])) && digits < 6) {
                level = level * 10 + (line[at++] - '0');
                ++digits;
            }
            if (digits == 0 || at + 1 >= line.size() || line[at] != ' ' ||
                (line[at + 1] != '+' && line[at + 1] != '-'))
                return fail("not an item header");
            const int previous = items.empty() ? 0 : items.back().level;
            if (items.empty() ? level != 0 : level > previous + 1)
                return fail("level " + std::to_string(level) + " does not follow level " +
                            std::to_string(previous));
            at += 2;
            while (at < line.size() && line[at] == ' ') ++at;
            items.push_back({level, line.substr(at), {}});
        } else if (items.empty()) {
            return fail("text before the first item header");
        } else if (inData || line.rfind(".data ", 0) == 0 || !items.back().data.empty()) {
            // Data blocks, and whatever follows them, are kept verbatim.
            inData = line.rfind(".enddata", 0) != 0;
            if (!items.back().data.empty()) items.back().data += '\n';
            items.back().data += line;
        } else {
            items.back().line += '\n';
            items.back().line += line;
        }
    }
    if (items.empty()) return fail("no items");
    return true;
}

} // namespace

bool SetItemLine(HITEM hItem, const std::string& line)
{
    Outline* o = nullptr;
    Item* item = Editable(hItem, &o);
    if (!item || item->parent < 0) return false;
    if (item->line == line) return true;
    const int oldType = item->type;
    item->line = line;
    Reclassify(*o, Outline::IndexOf(hItem));
    CGItem edited(o->Handle(), hItem);
    if (o->items[Outline::IndexOf(hItem)].type != oldType) zv::notify::EditType(edited);
    else zv::notify::EditTitle(edited);
    HostState::Get().Changed(HostChange::Text, hItem);
    return true;
}

bool ChangeItemKind(HITEM hItem, const std::string& keyword)
{
    Outline* o = nullptr;
    Item* item = Editable(hItem, &o);
    if (!item || item->parent < 0) return false;
    std::string line = keyword;
    const std::string_view text = item->Text();
    if (!line.empty() && line.back() != ' ' && !text.empty()) line += ' ';
    line += text;
    item->line = std::move(line);
    Reclassify(*o, Outline::IndexOf(hItem));
    zv::notify::EditType(CGItem(o->Handle(), hItem));
    HostState::Get().Changed(HostChange::Text, hItem);
    return true;
}

HITEM InsertItem(HITEM hParent, HITEM hAfter, const std::string& line)
{
    Outline* o = nullptr;
    std::int32_t parent = -1, after = -1;
    if (!InsertionPlace(hParent, hAfter, &o, &parent, &after)) return 0;
    Item item;
    item.line = line;
    item.mark = 0;  // the writer works the mark out
    o->Classify(item, parent);
    const std::int32_t index = InsertUnder(*o, parent, after, std::move(item));
    o->items[parent].childrenEdited = true;
    const HITEM hItem = o->ItemHandle(index);
    zv::notify::EditInsert(CGItem(o->Handle(), hItem));
    HostState::Get().Changed(HostChange::Inserted, hItem);
    return hItem;
}

std::string CopyItems(const std::vector<HITEM>& items)
{
    std::string out;
    for (HITEM h : items) {
        Outline* o = nullptr;
        if (Resolve(h, &o)) AppendCopy(*o, Outline::IndexOf(h), 0, out);
    }
    return out;
}

std::vector<HITEM> PasteItems(HITEM hParent, HITEM hAfter, const std::string& text, std::string* error)
{
    Outline* o = nullptr;
    std::int32_t parent = -1, after = -1;
    if (!InsertionPlace(hParent, hAfter, &o, &parent, &after)) {
        if (error) *error = "cannot paste here: the place is read-only or gone";
        return {};
    }
    std::vector<CopiedItem> copied;
    if (!ParseCopied(text, copied, error)) return {};
    std::vector<HITEM> tops;
    std::vector<std::int32_t> chain;  // the last item made at each level
    for (CopiedItem& c : copied) {
        Item item;
        item.line = std::move(c.line);
        item.mark = 0;
        if (!c.data.empty()) item.data = std::make_unique<std::string>(std::move(c.data));
        chain.resize(static_cast<std::size_t>(c.level));
        const std::int32_t under = c.level == 0 ? parent : chain.back();
        o->Classify(item, under);
        std::int32_t index;
        if (c.level == 0) {
            index = InsertUnder(*o, parent, after, std::move(item));
            after = index;
            tops.push_back(o->ItemHandle(index));
        } else {
            index = o->AppendChild(under, std::move(item));
        }
        chain.push_back(index);
    }
    o->items[parent].childrenEdited = true;
    for (HITEM h : tops) {
        zv::notify::EditPaste(CGItem(o->Handle(), h));
        HostState::Get().Changed(HostChange::Inserted, h);
    }
    return tops;
}

bool MoveItem(HITEM hItem, int delta)
{
    Outline* o = nullptr;
    Item* item = Editable(hItem, &o);
    if (!item || item->parent < 0 || delta == 0) return false;
    const std::int32_t index = Outline::IndexOf(hItem);
    // The sibling to go behind (-1: to the first place).
    std::int32_t after = item->prev;
    for (int n = 0; n < delta; ++n) {
        const std::int32_t next = n == 0 ? item->next : o->items[after].next;
        if (next < 0 || o->items[next].file != 0) return false;
        after = next;
    }
    for (int n = 0; n > delta; --n) {
        if (after < 0 || o->items[after].file != 0) return false;
        after = o->items[after].prev;
    }
    const std::int32_t parent = item->parent;
    Unlink(*o, index);
    Item& it = o->items[index];
    if (after >= 0) {
        it.prev = after;
        it.next = o->items[after].next;
        o->items[after].next = index;
    } else {
        it.next = o->items[parent].firstChild;
        o->items[parent].firstChild = index;
    }
    if (it.next >= 0) o->items[it.next].prev = index;
    else o->items[parent].lastChild = index;
    o->items[parent].childrenEdited = true;
    zv::notify::EditList(CGItem(o->Handle(), hItem));
    HostState::Get().Changed(HostChange::Moved, hItem);
    return true;
}

} // namespace zv::host
