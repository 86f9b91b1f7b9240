#pragma once
// Small icons of outline items, drawn once per kind: the editor shows what
// an item is at a glance, and a breakpoint as a red dot.
#include <QIcon>

namespace zv::ide {

QIcon ItemIcon(int type, bool commented, bool breakpoint);

} // namespace zv::ide
