#pragma once
// Names are compared without regard to case: each distinct lower-case name
// gets a small number once, and every later lookup compares numbers.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/outline/Outline.h"

namespace zv::lang {

using NameId = std::uint32_t;
constexpr NameId kNoName = 0xffffffffu;

class NameTable {
public:
    // The id of a name, adding it when new.
    NameId Intern(std::string_view name);
    // The id of a name, kNoName when no declaration has it.
    NameId Find(std::string_view name) const;
    std::size_t Size() const { return m_ids.size(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, NameId, Hash, std::equal_to<>> m_ids;
};

// Lower-cases into buf, accented letters too (for lookups without allocation when short).
std::string_view LowerInto(std::string_view name, std::string& buf);
bool EqualNoCase(std::string_view a, std::string_view b);

// The text before an end-of-line comment ('!' outside a string, not "!="),
// without the blanks before it.
std::string_view WithoutComment(std::string_view text);

// The identifier at the start of an item's text: the name it declares.
std::string_view LeadingIdent(std::string_view text);

} // namespace zv::lang
