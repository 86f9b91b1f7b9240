#include "engine/Zavora.h"

#include <algorithm>
#include <cctype>
#include <dlfcn.h>
#include <filesystem>

#include "contracts/Check.h"
#include "contracts/MessageBox.h"
#include "engine/HeadlessPorts.h"
#include "engine/LateBinding.h"
#include "settings/ZavoraPrefs.h"
#include "settings/ZvRegManager.h"

namespace {

const char* kVersion = "41";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The folder of the plug-in library: the context outline is installed beside it.
std::string PluginFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&PluginFolder), &info) && info.dli_fname)
        return std::filesystem::path(info.dli_fname).parent_path().string();
    return std::filesystem::current_path().string();
}

bool IsIdentifier(const std::string& name)
{
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return IsLegalIdentifierChar(c); });
}

} // namespace

namespace {

// On the heap, not a function-local static: its destruction writes the
// preferences, which must happen while the settings store still exists, so
// it is ended on purpose (Destroy) and never by the C++ runtime at exit.
CZavoraApp*& Slot()
{
    static CZavoraApp* app = nullptr;
    return app;
}

} // namespace

CZavoraApp& CZavoraApp::Instance()
{
    if (!Slot()) Slot() = new CZavoraApp();
    return *Slot();
}

void CZavoraApp::Destroy()
{
    delete Slot();
    Slot() = nullptr;
}

CZavoraApp::CZavoraApp()
    : m_prefs(std::make_unique<CZavoraPrefs>()),
      m_ownExplorer(std::make_unique<CHeadlessExplorer>()),
      m_ownHostPorts(std::make_unique<CHeadlessHostPorts>())
{
    m_explorer = m_ownExplorer.get();
    m_hostPorts = m_ownHostPorts.get();
    m_hOutline = CurrentOutline();
}

CZavoraApp::~CZavoraApp() = default;

void CZavoraApp::SetPorts(IZvExplorerPort* explorer, IZvHostPorts* host)
{
    m_explorer = explorer ? explorer : m_ownExplorer.get();
    m_hostPorts = host ? host : m_ownHostPorts.get();
}

void CZavoraApp::SetPreferencesWritable(bool bWritable) { ZvRegManager::SetReadOnly(!bWritable); }

bool CZavoraApp::InitHeadless(const std::string& contextPath)
{
    bool bResult = false;
    ZV_TRY
        m_prefs->load();
        m_parser = std::make_unique<CSalParser>(m_prefs->ParseForBinds, nullptr);
        m_bParsed = false;
        const std::string path =
            contextPath.empty() ? PluginFolder() + "/SalContext" + kVersion + ".apl" : contextPath;
        if (m_contextApp.GetOutline()) m_contextApp.UnloadOutline();
        m_salSymbols.clear();
        if (!m_contextApp.LoadOutline(path)) {
            ReportError("CZavoraApp::InitInstance2", "Could not load file: " + path, 0);
            return false;
        }
        // The kit tells the language's own functions by their outline.
        SetContextOutline(m_contextApp.GetOutline());
        FillSalSymbols();
        if (!m_hOutline) m_hOutline = CurrentOutline();
        bResult = true;
    ZV_CATCH("CZavoraApp::InitInstance2")
    return bResult;
}

void CZavoraApp::FillSalSymbols()
{
    m_salSymbols.clear();
    auto enter = [this](const CGItem& item) {
        const CGString name = item.GetName();
        if (!name.empty()) m_salSymbols[Lower(name)] = item.GetItem();
    };
    CGObjectList symbols;
    m_contextApp.EnumSymbols(symbols, 0, 0);
    for (const CGItem& item : symbols) enter(item);
    CGObjectList objects;
    m_contextApp.EnumObjects(objects, 0);
    for (const CGItem& item : objects) enter(item);
    // The built-in functions are external functions of the context's library items.
    for (const CGItem& item : symbols) {
        if (item.GetItemType() != ItemType::ExternalFunctions) continue;
        CGObjectList libraries;
        item.EnumChildObjects(libraries, ItemType::LibraryName, 0);
        for (const CGItem& library : libraries) {
            CGObjectList functions;
            library.EnumChildObjects(functions, 0, 0);
            for (const CGItem& function : functions)
                if (function.GetItemType() != ItemType::LibraryChildOther) enter(function);
        }
    }
    // Enumeration items are constants of the language too.
    for (const CGItem& item : symbols) {
        if (item.GetItemType() != ItemType::Enumeration) continue;
        CGObjectList values;
        item.EnumChildObjects(values, ItemType::EnumerationItem, 0);
        for (const CGItem& value : values) enter(value);
    }
}

std::string CZavoraApp::getPath() const { return PluginFolder() + "/"; }

int CZavoraApp::ExitInstance()
{
    try {
        m_contextApp.UnloadOutline();
    } catch (...) {
    }
    try {
        CGApplication(CurrentOutline()).ReleaseOutline();
    } catch (...) {
    }
    m_salSymbols.clear();
    return 0;
}

void CZavoraApp::EndParse()
{
    if (m_parser) {
        m_parser->RemoveNotificationInterface(m_store.get());
        m_parser->RemoveNotificationInterface(m_callInfo.get());
    }
    CSalSymbol::RemoveNotificationInterface(m_store.get());
    if (m_progress) m_progress->Hide();
}

void CZavoraApp::Parse(HOUTLINE hOutline)
{
    if (hOutline) m_hOutline = hOutline;
    CGApplication app(CurrentOutline() ? CurrentOutline() : m_hOutline);
    if (!m_parser) m_parser = std::make_unique<CSalParser>(m_prefs->ParseForBinds, nullptr);
    ClearErrorLog();
    m_bParsing = true;
    if (app.GetAttribute(0xBA) == "No" && m_prefs->WarnForUnqualSetting)
        ZvMessageBox(nullptr,
                     "This outline has the Fully Qualified References option disabled \n Zavora is not "
                     "able to cross reference unqualified references. \n Such unresolvable references "
                     "will be reported in the output window",
                     "Zavora", ZvMB_OK, ZvMB_ICONEXCLAMATION);
    if (m_prefs->AutoMode) m_explorer->AutoMode(false);
    m_hostPorts->SendEscapeToFocus();
    Clear();
    m_store = std::make_unique<CXrefInfo>();
    m_callInfo = std::make_unique<CCallChainInfo>();
    CApplication* table = nullptr;
    try {
        table = CApplication::Instance(m_hOutline, m_contextApp.GetOutline());
    } catch (...) {
    }
    CSalSymbol::AddNotifcationInterface(m_store.get());
    m_parser->AddNotifcationInterface(m_store.get());
    m_parser->AddNotifcationInterface(m_callInfo.get());
    // Once, however often we parse: each unresolved name is reported once.
    m_parser->RemoveNotificationInterface(this);
    m_parser->AddNotifcationInterface(this);
    CreateProgressDlg();
    m_progress->SetTitle("Zavora - Building symbol table");
    m_progress->Show();
    try {
        if (!table) throw std::runtime_error("no symbol table");
        table->CreateContext();
    } catch (...) {
        ZvMessageBox(nullptr, "Error during symbol table creation", "Zavora - Internal Error", ZvMB_OK);
        EndParse();
        m_bParsing = false;
        m_progress.reset();
        return;
    }
    m_progress->SetTitle("Zavora - Parsing outline.   Press Esc to cancel");
    bool bFailed = false;
    try {
        m_parser->SetBinds(m_prefs->ParseForBinds);
        m_parser->Parse(app);
    } catch (CCancelParseException* e) {
        e->Delete();
        bFailed = true;
    } catch (...) {
        // The parser's own account of where it stopped.
        ZvMessageBox(nullptr, m_parser->GetInfo(), "Zavora Internal Error", ZvMB_OK);
        bFailed = true;
    }
    EndParse();
    if (bFailed) {
        try {
            CApplication::Instance(m_hOutline, 0);
        } catch (...) {
        }
    } else {
        m_bStoreComplete = true;
        m_explorer->outdated(false);
        m_hostPorts->ActivateHostWindow();
        m_bParsed = true;
    }
    m_bParsing = false;
    m_progress.reset();
}

int CZavoraApp::Clear()
{
    if (m_store) CSalSymbol::RemoveNotificationInterface(m_store.get());
    if (m_parser) {
        m_parser->RemoveNotificationInterface(m_store.get());
        m_parser->RemoveNotificationInterface(m_callInfo.get());
    }
    m_store.reset();
    m_callInfo.reset();
    m_bStoreComplete = false;
    return 0;
}

void CZavoraApp::Outdated() { m_explorer->outdated(true); }

bool CZavoraApp::IsOutdated() const { return m_explorer->isOutdated(); }

void CZavoraApp::SetOutline(HOUTLINE hOutline)
{
    m_explorer->setCurrentOutline(hOutline);
    m_hOutline = hOutline;
    m_bParsed = false;
    m_bStoreComplete = false;
    m_explorer->clear();
    Clear();
    Outdated();
}

void CZavoraApp::ItemDeleted(const CGItem& item)
{
    m_explorer->itemDeleted(item.GetItem());
    m_explorer->outdated(true);
}

CXrefList* CZavoraApp::GetReferences(HITEM symbol) { return m_store ? m_store->GetReferences(symbol) : nullptr; }

CXrefList* CZavoraApp::GetSalReferences(HITEM symbol)
{
    return m_store ? m_store->GetSalReferences(symbol) : nullptr;
}

CCallInfoList* CZavoraApp::GetCallReferences(HITEM function)
{
    return m_callInfo ? m_callInfo->GetCallInfo(function) : nullptr;
}

std::vector<CReference*>* CZavoraApp::GetUresolvedBinds(const std::string& name)
{
    return m_store ? m_store->GetUresolvedBinds(name) : nullptr;
}

HITEM CZavoraApp::GetSalSymbol(const std::string& name) const
{
    auto it = m_salSymbols.find(Lower(name));
    return it == m_salSymbols.end() ? 0 : it->second;
}

void CZavoraApp::CreateProgressDlg()
{
    m_progress = m_hostPorts->CreateProgress();
    m_progress->SetPos(1);
}

void CZavoraApp::unresolvedSymbol(std::string text, CGItem* item)
{
    if (m_prefs->WarnForUnresolvedSymbols) CGApplication(m_hOutline).ReportMessage(text, item);
}

void CZavoraApp::StopOutlineNotifications()
{
    if (m_notification) m_notification->StopNotification();
}

void CZavoraApp::StartOutlineNotifications()
{
    if (m_notification) m_notification->StartNotification(m_hOutline);
}

// ---- show references and navigation ------------------------------------------

HITEM CZavoraApp::GetSelectedSymbol()
{
    std::string text;
    int start = 0, end = 0;
    EditGetText(m_hOutline, &text, &start, &end);
    HITEM hItem = 0;
    if (!text.empty()) hItem = GetMarkedVarDeclExt(m_hOutline, 0, text, start, end, 0);
    if (!hItem) hItem = GetSelectedItem(m_hOutline);
    return hItem;
}

CSalSymbol* CZavoraApp::GetSymbol(CGItem& item)
{
    CGItem scratch;
    const CGString path = GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
    CApplication* table = CApplication::Instance(0, 0);
    return table && !path.empty() ? table->GetSymbolFromPath(path) : nullptr;
}

void CZavoraApp::ShowRefRequest(HITEM hItem)
{
    ZV_TRY
        if (IsOutdated() && m_prefs->AutoParseXref) Parse(0);
        HOUTLINE hOutline = m_hOutline;
        std::string text;
        int start = 0, end = 0;
        if (hItem == 0) {
            hItem = GetSelectedItem(m_hOutline);
            if (EditGetItem(CurrentOutline())) EditGetText(m_hOutline, &text, &start, &end);
            if (!text.empty()) hItem = GetMarkedVarDeclExt(m_hOutline, hItem, text, start, end, hItem);
            if (hItem == 0) hItem = GetSelectedItem(m_hOutline);
        }
        CGItem item(m_hOutline, hItem);
        if (item.GetItemType() == ItemType::OnMessage) {
            std::string name;
            if (start >= 0 && end > start && static_cast<std::size_t>(start) < text.size())
                name = text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
            if (name.empty()) name = item.GetName();
            const HITEM hSal = GetSalSymbol(name);
            if (!hSal) return;
            m_explorer->setSymbol(hSal, m_contextApp.GetOutline());
            return;
        }
        if (!GetReferences(hItem) && !IsSymbol(item)) {
            std::string marked;
            int s = 0, e = 0;
            EditGetText(m_hOutline, &marked, &s, &e);
            std::string name;
            if (s >= 0 && e > s && static_cast<std::size_t>(s) < marked.size())
                name = marked.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
            hItem = name.empty() ? 0 : GetSalSymbol(name);
            if (hItem) hOutline = m_contextApp.GetOutline();
        }
        if (hItem == 0) hItem = GetSelectedItem(m_hOutline);
        m_explorer->setSymbol(hItem, hOutline);
    ZV_CATCH_OUTER("CZavoraApp::ShowRefRequest")
}

void CZavoraApp::gotoDeclaration() { m_explorer->gotoDeclaration(); }

CGItem* CZavoraApp::isLateBound(CGItem& function)
{
    CGItem scratch;
    const CGString path = GetNamePrefix(function.GetOutline(), function.GetItem(), scratch);
    CApplication* table = CApplication::Instance(0, 0);
    if (!table || path.empty()) return nullptr;
    auto* symbol = dynamic_cast<CFunction*>(table->GetSymbolFromPath(path));
    if (!symbol) return nullptr;
    CFunction* counterpart = symbol->IsLateBound();
    return counterpart ? &counterpart->GetItem() : nullptr;
}

// ---- rename --------------------------------------------------------------------

std::string CZavoraApp::CheckNewName(CGItem& item, const std::string& newName)
{
    if (!IsIdentifier(newName)) return "'" + newName + "' is not a valid SAL name";
    const CGString oldName = item.GetName();
    auto same = [](const std::string& a, const std::string& b) { return Lower(a) == Lower(b); };
    if (same(oldName, newName)) return {};
    CApplication* table = CApplication::Instance(0, 0);
    CSalSymbol* symbol = GetSymbol(item);
    if (!table || !symbol) return {};
    for (CSalSymbol* other : table->FindAll(newName)) {
        if (other->IsBuiltIn()) continue;
        if (other->GetParentContext() == symbol->GetParentContext())
            return "'" + newName + "' is already declared in the same scope (" +
                   other->GetItem().GetFileName() + ":" + std::to_string(other->GetItem().GetLineNumber()) + ")";
    }
    return {};
}

std::vector<CGItem> CZavoraApp::RenameTargets(CGItem& item)
{
    std::vector<CGItem> targets;
    auto* function = dynamic_cast<CFunction*>(GetSymbol(item));
    if (function && !function->IsBuiltIn()) {
        for (CFunction* member : LateBoundFamily(function))
            targets.emplace_back(item.GetOutline(), member->GetItem().GetItem());
    } else {
        targets.emplace_back(item.GetOutline(), item.GetItem());
    }
    return targets;
}

void CZavoraApp::RenameAll(const std::vector<CGItem>& targets, const std::string& newName)
{
    ZV_TRY
        std::vector<CReference*> refs;
        for (const CGItem& target : targets)
            if (CXrefList* list = GetReferences(target.GetItem()))
                refs.insert(refs.end(), list->GetReferences().begin(), list->GetReferences().end());
        std::stable_sort(refs.begin(), refs.end(), [](CReference* a, CReference* b) {
            const HITEM x = a->GetSource()->GetItem(), y = b->GetSource()->GetItem();
            return x != y ? x < y : a->GetPosition() > b->GetPosition();
        });
        // One name can be counted by two lists (a call seen from both sides): change it once.
        refs.erase(std::unique(refs.begin(), refs.end(),
                               [](CReference* a, CReference* b) {
                                   return a->GetSource()->GetItem() == b->GetSource()->GetItem() &&
                                          a->GetPosition() == b->GetPosition() && a->GetPosition() >= 0;
                               }),
                   refs.end());
        for (CReference* ref : refs) ref->Rename(newName);
        for (CGItem target : targets) {
            CXrefList declaration(target);
            std::string name = newName;
            declaration.RenameSymbol(target.GetItem(), name);
        }
    ZV_CATCH("CZavoraApp::RenameAll")
}

void CZavoraApp::Rename(CReference* ref)
{
    try {
        if (IsOutdated() && m_prefs->AutoParseRename) Parse(0);
        if (IsOutdated()) {
            const int answer = ZvMessageBox(
                nullptr,
                "Renaming is not possible due to changes in the outline.\n\nPress Yes if you want to have "
                "the outline parsed before proceeding.\n\nPress No to abort the operation.",
                "Zavora", ZvMB_YESNO, ZvMB_ICONQUESTION);
            if (answer != ZvIDYES) return;
            Parse(0);
        }
        CGItem item;
        if (ref) item.Initialize(ref->GetSource()->GetOutline(), ref->GetSource()->GetItem());
        else item.Initialize(m_hOutline, GetSelectedSymbol());
        if (item.IsReadOnly()) {
            ZvMessageBox(nullptr, "Symbol is included from another outline and cannot be renamed", "Zavora",
                         ZvMB_OK);
            return;
        }
        CXrefList* list = GetReferences(item.GetItem());
        const std::vector<CGItem> targets = RenameTargets(item);
        const bool referenced = std::any_of(targets.begin(), targets.end(),
                                            [&](const CGItem& t) { return GetReferences(t.GetItem()) != nullptr; });
        if (!referenced) {
            ZvMessageBox(nullptr, "Symbol is not referenced and can be renamed manually", "Zavora", ZvMB_OK);
            return;
        }
        if (targets.size() > 1) {
            std::string names;
            for (const CGItem& target : targets) {
                CGItem scratch;
                names += "\n    " + GetNamePrefix(target.GetOutline(), target.GetItem(), scratch);
            }
            const std::string text = "A \"..\" call may reach any of these functions, so they are renamed "
                                     "together:" + names;
            if (ZvMessageBox(nullptr, text, "Zavora", ZvMB_OKCANCEL, ZvMB_ICONINFORMATION) != ZvIDOK) return;
        }
        std::string newName;
        // The dialog refuses a name that any of the targets cannot take.
        auto check = [&](const std::string& name) {
            for (CGItem target : targets) {
                const std::string why = CheckNewName(target, name);
                if (!why.empty()) return why;
            }
            return std::string();
        };
        if (!m_hostPorts->AskNewName(GetName(item), newName, check)) return;
        const std::string why = check(newName);
        if (!why.empty()) {
            ZvMessageBox(nullptr, why, "Zavora", ZvMB_OK, ZvMB_ICONEXCLAMATION);
            return;
        }
        if (targets.size() == 1) list->RenameSymbol(item.GetItem(), newName);
        else RenameAll(targets, newName);
    } catch (...) {
        ZvMessageBox(nullptr, "Internal Error", "Zavora", ZvMB_OK);
    }
}

// ---- unreferenced symbols --------------------------------------------------------

void CZavoraApp::ShowUnrefRequest()
{
    ZV_TRY
        if (IsOutdated() && m_prefs->AutoParseUnref) Parse(0);
    ZV_CATCH("CZavoraApp::ShowUnrefRequest")
}

void CZavoraApp::DeleteUnrefs()
{
    try {
        // Deleting happens in the unreferenced-symbols view, where rows can be
        // chosen; the key passes the request on instead of doing nothing.
        if (m_explorer) m_explorer->deleteUnrefs();
    } catch (...) {
        ZvMessageBox(nullptr, "Internal Error", "Zavora", ZvMB_OK);
    }
}
