#include "engine/UnrefSearch.h"

#include "contracts/Check.h"
#include "contracts/SalLanguage.h"
#include "engine/Zavora.h"

namespace {

const char* kMarker = "__REFERENCED";

void AddChildren(CGItem& item, std::vector<HITEM>& symbols)
{
    CGObjectList children;
    item.EnumChildObjects(children, 0, 0);
    // Comment lines declare nothing and are never offered for deletion.
    for (const CGItem& child : children)
        if (child.GetItemType() != ItemType::Comment) symbols.push_back(child.GetItem());
}

void WalkChildren(CGItem& item, std::vector<HITEM>& symbols)
{
    CGObjectList children;
    item.EnumChildObjects(children, 0, 0);
    for (CGItem& child : children) CUnrefSearch::GetSymbolsBelow(child, symbols);
}

void WalkChildOfType(CGItem& item, int type, int flag, std::vector<HITEM>& symbols)
{
    CGItem child;
    if (item.GetChildOfType(type, child, flag)) CUnrefSearch::GetSymbolsBelow(child, symbols);
}

CFunction* LateBoundAt(const CGString& path)
{
    CApplication* table = CApplication::Instance(0, 0);
    if (!table || path.empty()) return nullptr;
    auto* function = dynamic_cast<CFunction*>(table->GetSymbolFromPath(path));
    return function && function->IsLateBound() ? function : nullptr;
}

} // namespace

bool CUnrefSearch::GetSymbolsBelow(CGItem& item, std::vector<HITEM>& symbols)
{
    using namespace ItemType;
    ZV_TRY
        const int type = item.GetItemType();
        CGItem parent;
        item.GetParentItem(parent);
        switch (type) {
        case StaticVariables: case LocalVariables: case Parameters: case ClassVariables:
        case InstanceVariables: case GlobalVariables: case WindowParameters: case WindowVariables:
        case UserConstants: case SystemConstants: case Resources:
            AddChildren(item, symbols);
            return true;
        case Function:
            symbols.push_back(item.GetItem());
            WalkChildOfType(item, LocalVariables, 0, symbols);
            WalkChildOfType(item, StaticVariables, 0, symbols);
            WalkChildOfType(item, Parameters, 0, symbols);
            return true;
        case Enumerations:
        case Events:
            WalkChildren(item, symbols);
            return true;
        case LibraryName: {
            CGObjectList children;
            item.EnumChildObjects(children, 0, 0);
            for (const CGItem& child : children)
                if (child.GetItemType() != LibraryChildOther && child.GetItemType() != Comment)
                    symbols.push_back(child.GetItem());
            return true;
        }
        case Enumeration:
            symbols.push_back(item.GetItem());
            WalkChildren(item, symbols);
            return true;
        case EnumerationItem:
        case Event:
            symbols.push_back(item.GetItem());
            return true;
        case InternalFunctions: case ClassFunctions: case WindowFunctions: case ExternalFunctions:
            WalkChildren(item, symbols);
            return true;
        case Constants:
            WalkChildOfType(item, UserConstants, 0, symbols);
            WalkChildOfType(item, SystemConstants, 0, symbols);
            WalkChildOfType(item, Enumerations, 0, symbols);
            return true;
        case ClassDefinitions:
            WalkChildren(item, symbols);
            return true;
        default:
            break;
        }
        if (parent.GetItem() && parent.GetItemType() == ClassDefinitions && type != Comment) {
            symbols.push_back(item.GetItem());
            WalkChildOfType(item, InstanceVariables, 0, symbols);
            WalkChildOfType(item, ClassVariables, 0, symbols);
            WalkChildOfType(item, ClassFunctions, 0, symbols);
            WalkChildOfType(item, Events, 0, symbols);
            return true;
        }
        switch (type) {
        case FormWindow: case TableWindow: case MdiWindow: case DialogBox: case OtherTopLevel:
        case Contents:
            WalkChildren(item, symbols);
            return true;
        case Application: {
            for (int section : {Constants, GlobalVariables, Resources, InternalFunctions, ClassDefinitions,
                                ExternalFunctions})
                WalkChildOfType(item, section, 1, symbols);
            CGApplication app(item.GetOutline());
            CGObjectList windows;
            app.EnumTopLevelWindows(windows, 0);
            for (CGItem& window : windows) GetSymbolsBelow(window, symbols);
            return true;
        }
        default:
            return true;
        }
    ZV_CATCH("CZvUnrefView::GetSymbolsBelow")
    return true;
}

bool CUnrefSearch::isMarkedReferenced(CGItem& item)
{
    if (item.GetIndentedComment().find(kMarker) != std::string::npos) return true;
    const CGString text = item.GetText();
    const std::size_t at = text.find(kMarker, 1);
    return at != std::string::npos;
}

bool CUnrefSearch::IsDropped(CGItem& item, const Filter& filter)
{
    CZavoraApp& app = CZavoraApp::Instance();
    if (app.GetReferences(item.GetItem())) return true;
    // An enumeration whose items are used is in use: deleting it would take them along.
    if (item.GetItemType() == ItemType::Enumeration) {
        CGObjectList values;
        item.EnumChildObjects(values, ItemType::EnumerationItem, 0);
        for (const CGItem& value : values)
            if (app.GetReferences(value.GetItem())) return true;
    }
    const CGString name = GetName(item);
    if (name == "ObjectDestructor") return true;
    CGItem scratch;
    const CGString path = GetNamePrefix(CurrentOutline(), item.GetItem(), scratch);
    if (LateBoundAt(path)) return true;
    CGItem parent;
    if (scratch.GetItem() && scratch.GetParentItem(parent) && parent.GetItemType() == ItemType::Parameters) {
        CGItem function;
        parent.GetParentItem(function);
        CGItem scratch2;
        if (LateBoundAt(GetNamePrefix(CurrentOutline(), function.GetItem(), scratch2))) return true;
    }
    if (app.GetUresolvedBinds(name)) return true;
    if (filter && !filter(item)) return true;
    return false;
}

std::vector<HITEM> CUnrefSearch::Find(HOUTLINE hOutline, HITEM hItem, const Filter& filter)
{
    std::vector<HITEM> result;
    ZV_TRY
        // Part of a store (a stopped parse) would make used symbols look unused.
        if (!CZavoraApp::Instance().IsStoreComplete() || !hOutline || !hItem) return result;
        CGItem item(hOutline, hItem);
        std::vector<HITEM> symbols;
        GetSymbolsBelow(item, symbols);
        for (HITEM h : symbols) {
            CGItem symbol(hOutline, h);
            if (IsDropped(symbol, filter)) continue;
            if (isMarkedReferenced(symbol)) continue;
            result.push_back(h);
        }
    ZV_CATCH("CZvUnrefView::doUpdate")
    return result;
}

int CUnrefSearch::DeleteItems(HOUTLINE hOutline, std::vector<HITEM>& handles)
{
    int deleted = 0;
    ZV_TRY
        for (HITEM& h : handles) {
            if (!h) continue;
            CGItem item(hOutline, h);
            if (item.Delete()) {
                ++deleted;
                h = 0;
            }
        }
    ZV_CATCH("CZvUnrefView::deleteUnrefs")
    return deleted;
}
