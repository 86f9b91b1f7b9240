#include "platform/outline/Notifier.h"

#include <algorithm>
#include <vector>

#include "contracts/Exceptions.h"
#include "platform/outline/HostState.h"

namespace {

std::vector<CNotificationInterface*>& Receivers()
{
    static std::vector<CNotificationInterface*> receivers;
    return receivers;
}

void Report(const char* what, const std::string& why)
{
    zv::host::HostState::Get().AddOutput(
        {std::string("Error in the ") + what + " notification: " + why, 0, 0, true});
}

// Receivers that stopped listening while told that their file closes. The
// file read or created right after is still announced to them: a receiver
// that stops on OnFileClose would otherwise never hear of the new outline.
std::vector<CNotificationInterface*>& ClosedReceivers()
{
    static std::vector<CNotificationInterface*> closed;
    return closed;
}

bool Contains(const std::vector<CNotificationInterface*>& list, CNotificationInterface* receiver)
{
    return std::find(list.begin(), list.end(), receiver) != list.end();
}

void Deliver(CNotificationInterface& receiver, const char* what,
             const std::function<void(CGNotificationInterface&)>& call)
{
    try {
        call(receiver);
    } catch (const std::exception& e) {
        Report(what, e.what());
    } catch (CException* e) {
        Report(what, "an exception of the receiver");
        e->Delete();
    } catch (...) {
        Report(what, "an exception of the receiver");
    }
}

// A file read or created is announced to every receiver, including those
// that stopped at the close before it: none has been told about it yet.
void Announce(const char* what, const std::function<void(CGNotificationInterface&)>& call)
{
    std::vector<CNotificationInterface*> targets = Receivers();
    for (CNotificationInterface* r : ClosedReceivers())
        if (!Contains(targets, r)) targets.push_back(r);
    for (CNotificationInterface* receiver : targets) {
        // Skips receivers destroyed by an earlier one.
        if (!Contains(Receivers(), receiver) && !Contains(ClosedReceivers(), receiver)) continue;
        Deliver(*receiver, what, call);
    }
    ClosedReceivers().clear();
}

} // namespace

CNotificationInterface::~CNotificationInterface()
{
    StopNotification();
    std::erase(ClosedReceivers(), this);
}

void CNotificationInterface::StartNotification(HOUTLINE hOutline)
{
    m_hOutline = hOutline;
    if (!m_bActive) Receivers().push_back(this);
    m_bActive = true;
}

void CNotificationInterface::StopNotification()
{
    if (!m_bActive) return;
    auto& receivers = Receivers();
    receivers.erase(std::remove(receivers.begin(), receivers.end(), this), receivers.end());
    m_bActive = false;
}

namespace zv::notify {

void Dispatch(HOUTLINE hOutline, const char* what,
              const std::function<void(CGNotificationInterface&)>& call)
{
    // A copy: receivers may start or stop listening while being called.
    const std::vector<CNotificationInterface*> receivers = Receivers();
    for (CNotificationInterface* receiver : receivers) {
        const auto& live = Receivers();
        if (std::find(live.begin(), live.end(), receiver) == live.end()) continue;
        if (hOutline != 0 && receiver->GetNotifiedOutline() != 0 &&
            receiver->GetNotifiedOutline() != hOutline)
            continue;
        Deliver(*receiver, what, call);
    }
}

void EditDelete(HOUTLINE o, HITEM i)
{
    Dispatch(o, "EditDelete", [&](CGNotificationInterface& r) { r.OnEditDelete(o, i); });
}

#define ZV_ITEM_NOTIFICATION(Name, Method)                                              \
    void Name(const CGItem& item)                                                      \
    {                                                                                  \
        Dispatch(item.GetOutline(), #Name, [&](CGNotificationInterface& r) {           \
            CGItem copy(item.GetOutline(), item.GetItem());                            \
            r.Method(copy);                                                            \
        });                                                                            \
    }

ZV_ITEM_NOTIFICATION(EditInsert, OnEditInsert)
ZV_ITEM_NOTIFICATION(EditPaste, OnEditPaste)
ZV_ITEM_NOTIFICATION(EditTitle, OnEditTitle)
ZV_ITEM_NOTIFICATION(EditType, OnEditType)
ZV_ITEM_NOTIFICATION(EditList, OnEditList)
ZV_ITEM_NOTIFICATION(ContextChange, OnContextChange)
#undef ZV_ITEM_NOTIFICATION

#define ZV_FILE_NOTIFICATION(Name, Method)                                             \
    void Name(HOUTLINE hOutline)                                                       \
    {                                                                                  \
        Dispatch(hOutline, #Name, [&](CGNotificationInterface& r) {                    \
            CGApplication app(hOutline);                                               \
            r.Method(app);                                                             \
        });                                                                            \
    }

ZV_FILE_NOTIFICATION(FileBeforeWrite, OnFileBeforeWrite)
ZV_FILE_NOTIFICATION(FileWrite, OnFileWrite)
#undef ZV_FILE_NOTIFICATION

void FileClose(HOUTLINE hOutline)
{
    const std::vector<CNotificationInterface*> before = Receivers();
    ClosedReceivers().clear();
    Dispatch(hOutline, "FileClose", [&](CGNotificationInterface& r) {
        CGApplication app(hOutline);
        r.OnFileClose(app);
    });
    for (CNotificationInterface* receiver : before)
        if (!Contains(Receivers(), receiver)) ClosedReceivers().push_back(receiver);
}

void FileRead(HOUTLINE hOutline)
{
    Announce("FileRead", [&](CGNotificationInterface& r) {
        CGApplication app(hOutline);
        r.OnFileRead(app);
    });
}

void FileNew(HOUTLINE hOutline)
{
    Announce("FileNew", [&](CGNotificationInterface& r) {
        CGApplication app(hOutline);
        r.OnFileNew(app);
    });
}

void Terminate()
{
    Dispatch(0, "Terminate", [](CGNotificationInterface& r) { r.OnTerminate(); });
}

} // namespace zv::notify
