#pragma once
// The plug-in's one application object: the current outline, the store of
// the last parse and its call information, the SAL context's built-ins, the
// preferences and the parser; the parse driver and the queries every other
// part reads the state through.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "contracts/SalLanguage.h"
#include "engine/CallChainInfo.h"
#include "engine/HostPorts.h"
#include "engine/XrefInfo.h"

class CZavoraPrefs;

class CZavoraApp : public CParserNotificationInterface {
public:
    static CZavoraApp& Instance();
    // Ends the application object (the plug-in's unload); the preferences are written then.
    static void Destroy();
    ~CZavoraApp() override;
    CZavoraApp(const CZavoraApp&) = delete;
    CZavoraApp& operator=(const CZavoraApp&) = delete;

    // The start-up steps that need no window: preferences, parser, the SAL
    // context outline (contextPath; empty: SalContext41.apl beside the
    // program) and its built-in symbols. False, with "Could not load file: "
    // in the output window, when the context cannot be loaded.
    bool InitHeadless(const std::string& contextPath = {});
    // Unloads the context outline and lets go of the host outline.
    int ExitInstance();

    // The plug-in's life inside the host application (host/Zavora.cpp):
    // InitInstance arms the start-up timer, whose first tick that finds the
    // host's main window runs InitInstance2; the main window's end runs
    // ExitInstance once.
    int InitInstance();
    int InitInstance2();
    int Quit();
    static std::string getZvVersion();
    // The plug-in's folder, with its trailing separator.
    std::string getPath() const;
    std::string GetIniFile() const;
    // Commands 32772 and 32771: both parse the current outline.
    void OnParse();
    void OnZavoraParse();
    bool OnUpdateParse() const { return true; }
    bool OnCommand(unsigned id);

    // The parse driver; a non-null outline becomes the current one first.
    void Parse(HOUTLINE hOutline);
    int Clear();
    bool IsParsed() const { return m_bParsed; }
    // The store holds a whole parse: none was stopped or cleared since. A
    // stopped parse leaves IsParsed() as it was, with part of a store.
    bool IsStoreComplete() const { return m_store && m_bStoreComplete; }
    bool IsParsing() const { return m_bParsing; }
    void Outdated();
    bool IsOutdated() const;
    void SetOutline(HOUTLINE hOutline);
    HOUTLINE GetOutline() const { return m_hOutline; }
    void ItemDeleted(const CGItem& item);

    CXrefList* GetReferences(HITEM symbol);
    CXrefList* GetSalReferences(HITEM symbol);
    CCallInfoList* GetCallReferences(HITEM function);
    std::vector<CReference*>* GetUresolvedBinds(const std::string& name);
    HITEM GetSalSymbol(const std::string& name) const;
    CZavoraPrefs* GetPreferences() { return m_prefs.get(); }
    void CreateProgressDlg();
    IZvProgressPort* GetProgress() { return m_progress.get(); }

    void unresolvedSymbol(std::string text, CGItem* item) override;

    // Show references and navigation.
    void ShowRefRequest(HITEM hItem);
    HITEM GetSelectedSymbol();
    CSalSymbol* GetSymbol(CGItem& item);
    void gotoDeclaration();
    // The counterpart the language service names for a late-bound function, or null.
    CGItem* isLateBound(CGItem& function);

    // Rename the symbol of ref's source item (null: the selected symbol).
    void Rename(CReference* ref);
    // Why newName cannot replace the name of the symbol declared by item
    // (empty when it can): not an identifier, or a clash in the same scope.
    std::string CheckNewName(CGItem& item, const std::string& newName);
    // The declarations a rename of the symbol declared by item changes: the
    // item itself, or every function of its late-bound family.
    std::vector<CGItem> RenameTargets(CGItem& item);
    // Renames every target and every reference of them. References are
    // changed from the last in each line to the first, whatever list holds
    // them, so that positions earlier in a line still hold.
    void RenameAll(const std::vector<CGItem>& targets, const std::string& newName);

    void ShowUnrefRequest();
    void DeleteUnrefs();

    HOUTLINE GetContextOutline() const { return m_contextApp.GetOutline(); }
    CXrefInfo* GetStore() { return m_store.get(); }
    CCallChainInfo* GetCallInfo() { return m_callInfo.get(); }
    CSalParser* GetParser() { return m_parser.get(); }

    // The windows and the host's keyboard; headless ones until the explorer sets its own.
    void SetPorts(IZvExplorerPort* explorer, IZvHostPorts* host);
    IZvExplorerPort& GetExplorer() { return *m_explorer; }
    IZvHostPorts& GetHostPorts() { return *m_hostPorts; }
    // The receiver of outline notifications, stopped while refactorings edit.
    void SetNotificationReceiver(CNotificationInterface* receiver) { m_notification = receiver; }
    void StopOutlineNotifications();
    void StartOutlineNotifications();
    // The settings store is only read while this is off (the command line).
    void SetPreferencesWritable(bool bWritable);

private:
    CZavoraApp();
    void FillSalSymbols();
    void EndParse();

    bool m_bParsed = false;
    bool m_bStoreComplete = false;
    std::unique_ptr<CXrefInfo> m_store;
    std::unique_ptr<IZvProgressPort> m_progress;
    CNotificationInterface* m_notification = nullptr;
    CGApplication m_contextApp;
    std::unique_ptr<CSalParser> m_parser;
    std::unique_ptr<CZavoraPrefs> m_prefs;
    std::unique_ptr<CCallChainInfo> m_callInfo;
    HOUTLINE m_hOutline = 0;
    bool m_bParsing = false;
    std::unordered_map<std::string, HITEM> m_salSymbols;  // by lower-case name: SAL names ignore case
    std::unique_ptr<IZvExplorerPort> m_ownExplorer;
    std::unique_ptr<IZvHostPorts> m_ownHostPorts;
    IZvExplorerPort* m_explorer = nullptr;
    IZvHostPorts* m_hostPorts = nullptr;
};
