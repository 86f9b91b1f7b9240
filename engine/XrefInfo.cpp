#include "engine/XrefInfo.h"

#include "contracts/Check.h"
#include "contracts/MessageBox.h"
#include "engine/Zavora.h"
#include "settings/ZavoraPrefs.h"

CXrefInfo::~CXrefInfo()
{
    for (auto& [h, list] : m_programRefs) delete list;
    m_programRefs.clear();
    for (auto& [h, list] : m_salRefs) delete list;
    m_salRefs.clear();
    for (auto& [name, refs] : m_unresolvedBinds) {
        for (CReference* reference : *refs) delete reference;
        delete refs;
    }
    m_unresolvedBinds.clear();
}

void CXrefInfo::SymbolAdded(CSalSymbol* symbol, CGItem& item, int position, int length)
{
    // Whole-item references (a base class, the class of a window) come this way.
    if (position < 0) Symbol(symbol, item, position, length, nullptr);
}

void CXrefInfo::ParseText(std::string& text)
{
    if (IZvProgressPort* progress = CZavoraApp::Instance().GetProgress()) progress->SetText(text);
}

void CXrefInfo::Symbol(CSalSymbol* symbol, CGItem& item, int position, int length, CSalSymbol*)
{
    if (!symbol) return;
    ZV_TRY
        auto* reference = new CReference(&item, position, length);
        CGItem& declaration = symbol->GetItem();
        const HITEM h = declaration.GetItem();
        auto& map = symbol->IsBuiltIn() ? m_salRefs : m_programRefs;
        if (symbol->IsBuiltIn() && !CZavoraApp::Instance().GetPreferences()->XRefSalSymbols) {
            delete reference;
            return;
        }
        CXrefList*& list = map[h];
        if (!list) list = new CXrefList(declaration);
        list->add(reference);
        m_lastItem = item.GetItem();
        m_lastReference = reference;
    ZV_CATCH("CXrefInfo::Symbol")
}

void CXrefInfo::UnresolvedBind(CGItem& item, int position, int length)
{
    ZV_TRY
        if (!CZavoraApp::Instance().GetPreferences()->ParseForBinds) return;
        auto* reference = new CReference(&item, position, length);
        const CGString text = item.GetText();
        const std::string name =
            position >= 0 && static_cast<std::size_t>(position) <= text.size()
                ? text.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(std::max(0, length)))
                : std::string();
        std::vector<CReference*>*& refs = m_unresolvedBinds[name];
        if (!refs) refs = new std::vector<CReference*>();
        refs->push_back(reference);
    ZV_CATCH("CXrefInfo::UnresolvedBind")
}

void CXrefInfo::ParseProgress(int value)
{
    CZavoraApp& app = CZavoraApp::Instance();
    IZvProgressPort* progress = app.GetProgress();
    if (progress && progress->IsCancelled()) throw new CCancelParseException();
    ZV_TRY
        IZvHostPorts& ports = app.GetHostPorts();
        if (ports.EscapePressed() && ports.HostIsForeground()) {
            if (ZvMessageBox(nullptr, "Stop parsing?", "Zavora", ZvMB_YESNO, ZvMB_ICONQUESTION) == ZvIDYES &&
                progress)
                progress->SetCancel(true);
        }
        if (progress) progress->SetPos(value);
    ZV_CATCH("CXrefInfo::ParseProgress")
}

void CXrefInfo::FuncParamAccess(CSalSymbol*, CSalSymbol* function, HITEM item, int parameter)
{
    ZV_TRY
        if (item != m_lastItem || !m_lastReference || !function) return;
        CGItem fn(function->GetItem().GetOutline(), function->GetItem().GetItem());
        CGObjectList params;
        const int fnType = fn.GetItemType();
        if (fnType == ItemType::FormWindow || fnType == ItemType::DialogBox || fnType == ItemType::MdiWindow ||
            fnType == ItemType::TableWindow || fnType == ItemType::OtherTopLevel) {
            // Arguments passed to a window's parameters when it is created.
            CGItem section;
            CGObjectList all;
            if (fn.GetChildOfType(ItemType::WindowParameters, section, 0)) section.EnumChildObjects(all, 0, 0);
            std::vector<int> types;
            for (const CGItem& p : all)
                if (p.GetItemType() != ItemType::Comment) types.push_back(p.GetItemType());
            if (parameter >= 1 && parameter <= static_cast<int>(types.size()) && types[parameter - 1] >= 0x58 &&
                types[parameter - 1] <= 0x5F)
                m_lastReference->SetModifier(true);
            return;
        }
        if (fn.GetItemType() == ItemType::Function) {
            CGFunction(fn.GetOutline(), fn.GetItem()).EnumParameters(params, 0);
        } else if (fn.GetItemType() == ItemType::ExternalFunction) {
            fn.EnumChildObjects(params, ItemType::ExternalParameter, 0);
        }
        if (params.GetCount() == 0) return;
        // The walk ends on the last parameter when the number is beyond the list.
        const int index = parameter >= 1 && parameter <= params.GetCount() ? parameter - 1
                                                                            : params.GetCount() - 1;
        const int type = params.GetAt(index).GetItemType();
        if ((type >= 0x58 && type <= 0x5F) || (type >= 0xBF && type <= 0xC6)) m_lastReference->SetModifier(true);
    ZV_CATCH("CXrefInfo::FuncParamAccess")
}

CXrefList* CXrefInfo::GetReferences(HITEM symbol)
{
    auto it = m_programRefs.find(symbol);
    if (it == m_programRefs.end()) return nullptr;
    CXrefList* list = it->second;
    auto& refs = list->GetReferences();
    const HOUTLINE current = CZavoraApp::Instance().GetOutline();
    for (std::size_t i = 0; i < refs.size();) {
        try {
            CGItem source(current, refs[i]->GetSource()->GetItem());
            (void)source.GetText();
            ++i;
        } catch (...) {
            list->RemoveAt(i);
        }
    }
    return list;
}

CXrefList* CXrefInfo::GetSalReferences(HITEM symbol)
{
    auto it = m_salRefs.find(symbol);
    return it == m_salRefs.end() ? nullptr : it->second;
}

std::vector<CReference*>* CXrefInfo::GetUresolvedBinds(const std::string& name)
{
    auto it = m_unresolvedBinds.find(name);
    return it == m_unresolvedBinds.end() ? nullptr : it->second;
}
