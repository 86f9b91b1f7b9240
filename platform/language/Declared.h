#pragma once
// What an outline item declares, decided from its type and text alone, so
// that name paths can be written without a symbol table.
#include <string_view>

#include "platform/outline/Outline.h"

namespace zv::lang {

// The name the item declares (a handler: its message), or empty.
std::string_view DeclaredName(const outline::Item& item);
// Items whose name is a component of the paths of what they contain.
bool IsPathContainer(int type);
// An On handler with Parameters of its own: an event of an ActiveX window.
bool IsEventHandler(const outline::Outline& outline, std::int32_t index);
// "frmOrders::tblLines::colQty": the item's path, empty when it declares nothing.
std::string NamePath(const outline::Outline& outline, std::int32_t index);

} // namespace zv::lang
