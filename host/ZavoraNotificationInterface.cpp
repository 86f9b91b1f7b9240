#include "host/ZavoraNotificationInterface.h"

#include "contracts/Check.h"
#include "contracts/MessageBox.h"
#include "engine/Zavora.h"
#include "host/ZvHostExplorer.h"
#include "settings/ZavoraPrefs.h"

namespace {

// Type 0xBC items and items without text do not change what was parsed.
bool ChangesInfo(const CGItem& item)
{
    return item.GetItemType() != 0xBC && !item.GetText().empty();
}

// Insert, paste and retitle must never disturb the host's edit: a failure
// is shown and the notification ends normally.
template <typename Body>
void Guarded(const char* what, Body body)
{
    const std::string text = std::string("Internal Error during ") + what + " notification";
    try {
        body();
    } catch (CException* e) {
        e->Delete();
        ZvMessageBox(nullptr, text, "Zavora", ZvMB_OK);
    } catch (...) {
        ZvMessageBox(nullptr, text, "Zavora", ZvMB_OK);
    }
}

} // namespace

CZavoraNotificationInterface::~CZavoraNotificationInterface() = default;

void CZavoraNotificationInterface::OnContextChange(CGItem& item)
{
    ZV_TRY
        if (item.GetOutline() && item.GetItem()) {
            CGApplication app(item.GetOutline());
            app.GetFirstMarked(item);
            CZavoraApp& zavora = CZavoraApp::Instance();
            // The explorer's own navigation is no new choice of the user's:
            // it neither starts auto mode nor lets a running one show it.
            if (zavora.GetPreferences()->AutoMode) zavora.GetExplorer().AutoMode(!CZvExplorerSelection::Active());
        }
    ZV_CATCH("\"CZavoraNotificationInterface::OnContextChange\"")
}

void CZavoraNotificationInterface::OnEditDelete(HOUTLINE hOutline, HITEM hItem)
{
    ZV_TRY
        if (hOutline && hItem) {
            CGItem item(hOutline, hItem);
            if (!item.GetText().empty()) CZavoraApp::Instance().ItemDeleted(item);
        }
    ZV_CATCH("\"CZavoraNotificationInterface::OnEditDelete\"")
}

void CZavoraNotificationInterface::OnEditInsert(CGItem& item)
{
    Guarded("EditInsert", [&] {
        if (ChangesInfo(item)) CZavoraApp::Instance().Outdated();
    });
}

void CZavoraNotificationInterface::OnEditList(CGItem& /*item*/)
{
    ZV_TRY
        CZavoraApp::Instance().Outdated();
    ZV_CATCH("\"CZavoraNotificationInterface::OnEditList\"")
}

void CZavoraNotificationInterface::OnEditPaste(CGItem& item)
{
    Guarded("EditPaste", [&] {
        if (ChangesInfo(item)) CZavoraApp::Instance().Outdated();
    });
}

void CZavoraNotificationInterface::OnEditTitle(CGItem& item)
{
    Guarded("EditTitle", [&] {
        if (ChangesInfo(item)) CZavoraApp::Instance().Outdated();
    });
}

void CZavoraNotificationInterface::OnEditType(CGItem& item)
{
    ZV_TRY
        if (ChangesInfo(item)) CZavoraApp::Instance().Outdated();
    ZV_CATCH("CZavoraNotificationInterface::OnEditType")
}

void CZavoraNotificationInterface::OnFileRead(CGApplication& app)
{
    ZV_TRY
        CZavoraApp::Instance().SetOutline(app.GetOutline());
        StartNotification(app.GetOutline());
    ZV_CATCH("\"CZavoraNotificationInterface::OnFileRead\"")
}

void CZavoraNotificationInterface::OnFileClose(CGApplication& /*app*/) { StopNotification(); }

void CZavoraNotificationInterface::OnFileNew(CGApplication& app)
{
    CZavoraApp::Instance().SetOutline(app.GetOutline());
    StartNotification(app.GetOutline());
}

void CZavoraNotificationInterface::OnTerminate() { StopNotification(); }
