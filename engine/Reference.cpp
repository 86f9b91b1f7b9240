#include "engine/Reference.h"

#include <algorithm>
#include <cctype>

#include "contracts/Check.h"

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

} // namespace

CReference::CReference(CGItem* source, int position, int length)
    : m_position(position), m_length(length)
{
    REQUIRE(source != NULL, "CReference::CReference");
    m_source.Initialize(source->GetOutline(), source->GetItem());
}

CReference::CReference(const CReference& other)
    : m_bModifier(other.m_bModifier), m_position(other.m_position), m_length(other.m_length)
{
    m_source.Initialize(other.m_source.GetOutline(), other.m_source.GetItem());
}

CReference& CReference::operator=(const CReference& other)
{
    m_bModifier = other.m_bModifier;
    m_position = other.m_position;
    m_length = other.m_length;
    m_source.Initialize(other.m_source.GetOutline(), other.m_source.GetItem());
    return *this;
}

bool CReference::IsAssignment()
{
    bool bResult = false;
    ZV_TRY
        if (m_source.GetItemType() != ItemType::Set) return false;
        if (m_position != 0) return false;
        const CGString line = m_source.GetText();
        std::size_t i = static_cast<std::size_t>(m_position + m_length);
        // The wording of the check is part of the report a user sees.
        auto check = [&](int lineNo) {
            if (!(i < line.size()))
                throw new Assertion(__FILE__, lineNo, "\"CReference::IsAssignment\"",
                                    "i < line.GetLength()", "Assertion");
        };
        check(__LINE__);
        while (i < line.size() && IsBlank(line[i])) ++i;
        check(__LINE__);
        bResult = line[i] == '=';
    ZV_CATCH("CReference::IsAssignment")
    return bResult;
}

CGString CReference::RhsOfAssignment()
{
    CGString rhs;
    ZV_TRY
        if (m_position != 0) return rhs;
        const CGString line = m_source.GetText();
        std::size_t i = static_cast<std::size_t>(m_position + m_length);
        while (i < line.size() && line[i] != '=') ++i;
        if (i < line.size()) rhs = line.substr(i + 1);
    ZV_CATCH("CReference::RhsOfAssignment")
    return rhs;
}

bool CReference::IsModifierStatement()
{
    bool bResult = false;
    ZV_TRY
        bResult = IsAssignment() || m_bModifier != 0;
    ZV_CATCH("CReference::IsModifierStatement")
    return bResult;
}

HITEM CReference::IsParam(int& index)
{
    HITEM hDecl = 0;
    ZV_TRY
        index = 0;
        if (m_position < 0) return 0;
        const CGString text = m_source.GetText();
        int i = std::min<int>(m_position, static_cast<int>(text.size()));
        int open = -1;
        for (int k = i - 1; k >= 0; --k) {
            if (text[static_cast<std::size_t>(k)] == '(') {
                open = k;
                break;
            }
            if (text[static_cast<std::size_t>(k)] == ',') ++index;
        }
        if (open >= 0) ++index;
        // Commas without an opening parenthesis: no call to find.
        if (index == 0 || open < 0) return 0;
        int start = open;
        while (start > 0 && IsLegalIdentifierChar(text[static_cast<std::size_t>(start - 1)])) --start;
        hDecl = GetMarkedVarDeclExt(m_source.GetOutline(), m_source.GetItem(), text, start, open,
                                    m_source.GetItem());
    ZV_CATCH("CReference::IsParam")
    return hDecl;
}

int CReference::GetLineNumber() const
{
    int line = m_source.GetLineNumber();
    if (m_position <= 0 || line <= 0) return line;
    try {
        const CGString text = m_source.GetText();
        const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(m_position), text.size());
        line += static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
    } catch (...) {
        // An item deleted since the parse: its first line is all there is.
    }
    return line;
}

bool CReference::IsLateBoundCall() const
{
    if (m_position < 2) return false;
    try {
        const CGString text = m_source.GetText();
        const auto at = static_cast<std::size_t>(m_position);
        return at <= text.size() && text[at - 1] == '.' && text[at - 2] == '.';
    } catch (...) {
        return false;
    }
}

bool CReference::IsByName() const
{
    if (m_position < 1 || !IsStatement(m_source.GetItemType())) return false;
    try {
        const CGString text = m_source.GetText();
        const auto at = static_cast<std::size_t>(m_position);
        if (at > text.size() || text[at - 1] == ':' || text[at - 1] == '.') return false;
        // Inside a string when an odd number of its quotes stand before it.
        char open = 0;
        for (std::size_t i = 0; i < at; ++i) {
            const char c = text[i];
            if (open) {
                if (c == open) open = 0;
            } else if (c == '\'' || c == '"') {
                open = c;
            } else if (c == '!' && (i + 1 >= text.size() || text[i + 1] != '=')) {
                return false;
            }
        }
        return open != 0;
    } catch (...) {
        return false;
    }
}

void CReference::Rename(const std::string& newName)
{
    ZV_TRY
        if (m_source.IsReadOnly()) {
            CGApplication(m_source.GetOutline()).ReportMessage("Item is read only. Cannot update.", &m_source);
            return;
        }
        const CGString text = m_source.GetText();
        // A whole-item reference names the class of its item (a window's Class: line).
        const bool bWholeItem = m_position < 0;
        if (m_position < 0) {
            m_length = static_cast<int>(text.size());
            m_position = 0;
        }
        const std::size_t pos = std::min<std::size_t>(static_cast<std::size_t>(m_position), text.size());
        const std::size_t end = std::min<std::size_t>(pos + static_cast<std::size_t>(m_length), text.size());
        const std::string newText = text.substr(0, pos) + newName + text.substr(end);
        if (IsStatement(m_source.GetItemType())) {
            m_source.SetText(newText);
        } else if (bWholeItem && !m_source.GetObjectClass().empty()) {
            m_source.SetObjectClass(newName);
        } else {
            m_source.SetText(newText);
        }
    ZV_CATCH("CReference::Rename")
}

void CReference::SetBreakPoint(bool on)
{
    ZV_TRY
        SetBreak(m_source.GetOutline(), m_source.GetItem(), on);
    ZV_CATCH("CReference::SetBreakPoint")
}
