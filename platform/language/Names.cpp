#include "platform/language/Names.h"

#include "platform/language/Scanner.h"

namespace zv::lang {

std::string_view LowerInto(std::string_view name, std::string& buf)
{
    buf.assign(name);
    for (char& c : buf)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return buf;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

NameId NameTable::Intern(std::string_view name)
{
    thread_local std::string buf;
    const std::string_view lower = LowerInto(name, buf);
    auto it = m_ids.find(lower);
    if (it != m_ids.end()) return it->second;
    const NameId id = static_cast<NameId>(m_ids.size());
    m_ids.emplace(std::string(lower), id);
    return id;
}

NameId NameTable::Find(std::string_view name) const
{
    thread_local std::string buf;
    auto it = m_ids.find(LowerInto(name, buf));
    return it == m_ids.end() ? kNoName : it->second;
}

std::string_view LeadingIdent(std::string_view text)
{
    std::size_t n = 0;
    if (n < text.size() && !IsIdentStart(text[0]) && !(text[0] >= '0' && text[0] <= '9')) return {};
    while (n < text.size() && IsIdentChar(text[n])) ++n;
    return text.substr(0, n);
}

} // namespace zv::lang
