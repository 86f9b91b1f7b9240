#include "platform/language/Binds.h"

#include "platform/language/Names.h"
#include "platform/language/Scanner.h"

namespace zv::lang {

bool LooksLikeSql(std::string_view content)
{
    static constexpr std::string_view kKeywords[] = {
        "select", "insert", "update", "delete", "from", "where", "into", "values", "set",
        "and", "or", "call", "exec", "execute", "begin", "order", "group", "having", "join", "union",
    };
    const std::size_t n = content.size();
    std::size_t i = 0;
    while (i < n) {
        if (!IsIdentStart(content[i])) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < n && IsIdentChar(content[j])) ++j;
        const std::string_view word = content.substr(i, j - i);
        if (word.size() <= 7)
            for (std::string_view kw : kKeywords)
                if (EqualNoCase(word, kw)) return true;
        i = j;
    }
    return false;
}

void FindBinds(std::string_view text, int begin, int end, std::vector<BindSpan>& out)
{
    out.clear();
    auto at = [&](int k) { return k >= begin && k < end ? text[static_cast<std::size_t>(k)] : '\0'; };
    for (int i = begin; i < end; ++i) {
        if (at(i) != ':' || !IsIdentStart(at(i + 1))) continue;
        if (i > begin && (IsIdentChar(at(i - 1)) || at(i - 1) == ':')) continue;
        BindSpan span{i + 1, i + 1};
        int j = i + 1;
        while (true) {
            while (IsIdentChar(at(j))) ++j;
            span.end = j;
            if (at(j) == '.' && IsIdentStart(at(j + 1))) {
                ++j;
                continue;
            }
            break;
        }
        if (at(j) == '[') {
            int depth = 0;
            int k = j;
            for (; k < end; ++k) {
                if (at(k) == '[') ++depth;
                else if (at(k) == ']' && --depth == 0) break;
            }
            if (k < end) {
                span.indexBegin = j + 1;
                span.indexEnd = k;
                j = k + 1;
            }
        }
        out.push_back(span);
        i = j - 1;
    }
}

} // namespace zv::lang
