#include "settings/ZvParentItemFilter.h"

#include <climits>
#include <cstdlib>

#include "contracts/Check.h"
#include "contracts/OutlineKit.h"
#include "settings/ZvFilterCollection.h"
#include "settings/ZvFilterNodes.h"
#include "settings/ZvRegManager.h"

namespace {

const ZvRegSection kFilters{"Settings", "Filters"};
const char* const kOptions = "options";
const char* const kExcludeAll = "ExcludeAll";

ZvRegSection FilterKey(const std::string& name, const char* sub = nullptr)
{
    ZvRegSection key = kFilters;
    key.push_back(name);
    if (sub) key.push_back(sub);
    return key;
}

// The leading decimal digits of a value name, as atoi reads them; out of
// range reads as the nearest int instead of being undefined.
long LeadingNumber(const std::string& text)
{
    const long n = std::strtol(text.c_str(), nullptr, 10);
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return n;
}

} // namespace

CZvParentItemFilter::CZvParentItemFilter(const std::string& name)
    : m_name(name)
{
    ZV_TRY
        load();
    ZV_CATCH("CZvParentItemFilter::CZvParentItemFilter")
}

CZvParentItemFilter::CZvParentItemFilter()
{
    ZV_TRY
        remove();
    ZV_CATCH("CZvParentItemFilter::CZvParentItemFilter")
}

void CZvParentItemFilter::load()
{
    ZvRegManager reg;
    // Only the value names count; a name that is not a positive number is
    // a damaged entry and is skipped.
    for (const ZvRegValue& value : reg.EnumValues(FilterKey(m_name, "items"))) {
        const long n = LeadingNumber(value.name);
        if (n > 0) m_items.insert(static_cast<std::uint16_t>(n & 0xFFFF));
    }
    for (const ZvRegValue& value : reg.EnumValues(FilterKey(m_name, "libs")))
        m_libs.insert(value.name);
    // Kept in a subkey of its own: a value beside the marker could share the
    // filter's name.
    m_excludeAll = reg.GetProfileInt(FilterKey(m_name, kOptions), kExcludeAll, 0) != 0;
}

bool CZvParentItemFilter::match(const CGItem& item) const
{
    bool bShown = false;
    ZV_TRY
        if (item.IsReadOnly() != 0) {
            if (m_excludeAll) return false;
            // A library is named by the text of the include that brought it in.
            const HOUTLINE hOutline = CurrentOutline();
            const HITEM hInclude = SalOutlineGetIncludingItem(hOutline, item.GetItem());
            if (hInclude != 0 && m_libs.count(CGItem(hOutline, hInclude).GetText()) != 0)
                return false;
        }
        CGItem parent;
        item.GetParentItem(parent);
        const auto parentType = static_cast<std::uint16_t>(parent.GetItemType());
        const auto ownType = static_cast<std::uint16_t>(item.GetItemType());
        // A parent that the filter tree has no node for (an enumeration, for
        // its items) cannot be chosen by the user, so the symbol's own node
        // speaks for it.
        bShown = m_items.count(parentType) != 0 ||
                 (!ZvFilterHasNode(parentType) && m_items.count(ownType) != 0);
    ZV_CATCH("CZvParentItemFilter::match")
    return bShown;
}

bool CZvParentItemFilter::has(std::uint16_t type) const
{
    bool bHas = false;
    ZV_TRY
        bHas = m_items.count(type) != 0;
    ZV_CATCH("CZvParentItemFilter::has")
    return bHas;
}

void CZvParentItemFilter::add(std::uint16_t type)
{
    ZV_TRY
        m_items.insert(type);
    ZV_CATCH("CZvParentItemFilter::add")
}

void CZvParentItemFilter::remove(std::uint16_t type)
{
    ZV_TRY
        m_items.erase(type);
    ZV_CATCH("CZvParentItemFilter::remove")
}

void CZvParentItemFilter::add(const std::string& library)
{
    ZV_TRY
        m_libs.insert(library);
    ZV_CATCH("CZvParentItemFilter::add")
}

void CZvParentItemFilter::removeLib(const std::string& library)
{
    ZV_TRY
        m_libs.erase(library);
    ZV_CATCH("CZvParentItemFilter::removeLib")
}

std::vector<std::string> CZvParentItemFilter::getLibs() const
{
    std::vector<std::string> libs;
    ZV_TRY
        libs.assign(m_libs.begin(), m_libs.end());
    ZV_CATCH("CZvParentItemFilter::getLibs")
    return libs;
}

bool CZvParentItemFilter::save()
{
    ZV_TRY
        // Replaced whole, so that a type or library taken out leaves no value behind.
        removeItem();
        ZvRegManager reg;
        // The value named by the filter marks its key even when it has no types.
        reg.WriteProfileString(FilterKey(m_name), m_name, "");
        for (std::uint16_t type : m_items)
            reg.WriteProfileInt(FilterKey(m_name, "items"), std::to_string(type), 0);
        for (const std::string& library : m_libs)
            reg.WriteProfileString(FilterKey(m_name, "libs"), library, library);
        if (m_excludeAll) reg.WriteProfileInt(FilterKey(m_name, kOptions), kExcludeAll, 1);
    ZV_CATCH("CZvParentItemFilter::save")
    return true;
}

void CZvParentItemFilter::removeItem()
{
    ZV_TRY
        {
            ZvRegManager reg;
            reg.DeleteKey(kFilters, m_name);
        }
        remove();
    ZV_CATCH("CZvParentItemFilter::removeItem")
}

void CZvParentItemFilter::remove()
{
    ZV_TRY
        CZvFilterCollection::discardShared();
    ZV_CATCH("CZvParentItemFilter::remove")
}

bool CZvParentItemFilter::isDefault() const
{
    bool bDefault = false;
    ZV_TRY
        ZvRegManager reg;
        // A missing "Default" names no filter, not even the one without a name.
        bDefault = reg.HasValue(kFilters, "Default") &&
                   ZvSameFilterName(reg.GetProfileString(kFilters, "Default", ""), m_name);
    ZV_CATCH("CZvParentItemFilter::isDefault")
    return bDefault;
}

void CZvParentItemFilter::makeDefault()
{
    ZV_TRY
        ZvRegManager reg;
        reg.WriteProfileString(kFilters, "Default", m_name);
    ZV_CATCH("CZvParentItemFilter::makeDefault")
}

std::unique_ptr<CZvParentItemFilter> CZvParentItemFilter::clone(const std::string& newName) const
{
    std::unique_ptr<CZvParentItemFilter> pClone;
    ZV_TRY
        pClone = std::make_unique<CZvParentItemFilter>(newName);
        for (std::uint16_t type : m_items) pClone->add(type);
    ZV_CATCH("CZvParentItemFilter::clone")
    return pClone;
}
