#pragma once
// The plug-in's ear on the host's outline: edits mark the information
// outdated, deletions reach the explorer, an outline read or created becomes
// the current one, and a new selection re-arms auto mode.
#include "contracts/OutlineKit.h"

class CZavoraNotificationInterface : public CNotificationInterface {
public:
    CZavoraNotificationInterface() = default;
    ~CZavoraNotificationInterface() override;

    void OnContextChange(CGItem& item) override;
    void OnEditDelete(HOUTLINE hOutline, HITEM hItem) override;
    void OnEditInsert(CGItem& item) override;
    void OnEditList(CGItem& item) override;
    void OnEditPaste(CGItem& item) override;
    void OnEditTitle(CGItem& item) override;
    void OnEditType(CGItem& item) override;
    void OnFileRead(CGApplication& app) override;
    void OnFileClose(CGApplication& app) override;
    void OnFileNew(CGApplication& app) override;
    void OnTerminate() override;
};
