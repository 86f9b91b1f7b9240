#pragma once
// Delivers the kit's notifications to the receivers that listen to an
// outline. What a receiver throws is caught here and written to the output
// window, never left to the caller.
#include <functional>

#include "contracts/OutlineKit.h"

namespace zv::notify {

void Dispatch(HOUTLINE hOutline, const char* what,
              const std::function<void(CGNotificationInterface&)>& call);

void EditDelete(HOUTLINE hOutline, HITEM hItem);
void EditInsert(const CGItem& item);
void EditPaste(const CGItem& item);
void EditTitle(const CGItem& item);
void EditType(const CGItem& item);
void EditList(const CGItem& item);
void ContextChange(const CGItem& item);
void FileRead(HOUTLINE hOutline);
void FileNew(HOUTLINE hOutline);
void FileClose(HOUTLINE hOutline);
void FileBeforeWrite(HOUTLINE hOutline);
void FileWrite(HOUTLINE hOutline);
void Terminate();

} // namespace zv::notify
