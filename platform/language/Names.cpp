#include "platform/language/Names.h"

#include "platform/language/Scanner.h"

namespace zv::lang {

std::string_view LowerInto(std::string_view name, std::string& buf)
{
    buf.assign(name);
    outline::FoldCase(buf);
    return buf;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return outline::EqualNameNoCase(a, b);
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

std::string_view WithoutComment(std::string_view text)
{
    std::size_t end = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            bool unterminated = false;
            i = static_cast<std::size_t>(StringEnd(text, static_cast<int>(i), &unterminated)) - 1;
        } else if (c == '!' && (i + 1 == text.size() || text[i + 1] != '=')) {
            end = i;
            break;
        }
    }
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(0, end);
}

std::string_view LeadingIdent(std::string_view text)
{
    return text.substr(0, IdentLength(text, 0));
}

} // namespace zv::lang
