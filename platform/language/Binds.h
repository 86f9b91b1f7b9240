#pragma once
// Bind variables in SQL strings: ":name", ":frmX.dfY", ":a[i]".
#include <string_view>
#include <vector>

namespace zv::lang {

// True when a string literal's content reads like SQL (a whole-word SQL
// keyword), so that ':' in texts like 'hh:mm' is not taken for a bind.
bool LooksLikeSql(std::string_view content);

struct BindSpan {
    int pos;   // first character of the name, after ':'
    int end;   // after the last name component (an index is not included)
    int indexBegin = -1;   // inside "[...]" when the bind has an index
    int indexEnd = -1;
};

// The binds in text[begin, end): a ':' not preceded by an identifier
// character or another ':', followed by an identifier.
void FindBinds(std::string_view text, int begin, int end, std::vector<BindSpan>& out);

} // namespace zv::lang
