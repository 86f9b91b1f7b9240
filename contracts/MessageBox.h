#pragma once
// Message boxes go through one seam: the explorer installs a widget-based
// handler, the command line a console one, tests one that answers.
#include <functional>
#include <string>

enum ZvMsgButtons { ZvMB_OK = 0, ZvMB_OKCANCEL = 1, ZvMB_YESNO = 4, ZvMB_YESNOCANCEL = 3 };
enum ZvMsgIcon { ZvMB_ICONNONE = 0, ZvMB_ICONSTOP = 0x10, ZvMB_ICONQUESTION = 0x20,
                 ZvMB_ICONEXCLAMATION = 0x30, ZvMB_ICONINFORMATION = 0x40 };
enum ZvMsgAnswer { ZvIDOK = 1, ZvIDCANCEL = 2, ZvIDYES = 6, ZvIDNO = 7 };

struct ZvMessageBoxRequest {
    void* owner = nullptr;  // null: no owner window
    std::string text;
    std::string caption;
    int buttons = ZvMB_OK;
    int icon = ZvMB_ICONNONE;
    int defaultButton = 0;  // the answer of the default button (ZvIDNO, ...); 0: the first
};

using ZvMessageBoxHandler = std::function<int(const ZvMessageBoxRequest&)>;

// Shows a box and returns the answer (ZvIDOK, ZvIDYES, ...).
int ZvMessageBox(void* owner, const std::string& text, const std::string& caption,
                 int buttons = ZvMB_OK, int icon = ZvMB_ICONNONE, int defaultButton = 0);
// Installs a handler; returns the previous one. The default writes the box to
// stderr and answers with the default button (the first unless one is named).
ZvMessageBoxHandler ZvSetMessageBoxHandler(ZvMessageBoxHandler handler);
