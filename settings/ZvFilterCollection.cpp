#include "settings/ZvFilterCollection.h"

#include <QString>
#include <vector>

#include "contracts/Check.h"
#include "settings/ZvFilterNodes.h"
#include "settings/ZvRegManager.h"

namespace {

std::unique_ptr<CZvFilterCollection>& SharedSlot()
{
    static std::unique_ptr<CZvFilterCollection> s_pShared;
    return s_pShared;
}

} // namespace

bool ZvSameFilterName(const std::string& a, const std::string& b)
{
    return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

bool ZvEnsureFirstFilter()
{
    bool bCreated = false;
    ZV_TRY
        ZvRegManager reg;
        if (!reg.EnumKeys({"Settings", "Filters"}).empty()) return false;
        CZvParentItemFilter first(kZvFirstFilterName);
        for (std::uint16_t type : kZvFilterNodeTypes)
            if (type != kZvLibrariesNode) first.add(type);
        first.save();
        first.makeDefault();
        // A read-only store keeps nothing: then there is still no filter.
        bCreated = !ZvRegManager::IsReadOnly();
    ZV_CATCH("ZvEnsureFirstFilter")
    return bCreated;
}

CZvParentItemFilter* ZvKeepFilter(std::unique_ptr<CZvParentItemFilter> pFilter)
{
    static std::vector<std::unique_ptr<CZvParentItemFilter>> s_kept;
    s_kept.push_back(std::move(pFilter));
    return s_kept.back().get();
}

CZvFilterCollection::CZvFilterCollection()
{
    ZV_TRY
        ZvRegManager reg;
        // Every subkey is a filter; values beside them ("Default") are not.
        for (const std::string& name : reg.EnumKeys({"Settings", "Filters"}))
            add(std::make_unique<CZvParentItemFilter>(name));
    ZV_CATCH("CZvFilterCollection::CZvFilterCollection")
}

CZvFilterCollection::~CZvFilterCollection() = default;

void CZvFilterCollection::add(CZvParentItemFilter* pFilter)
{
    REQUIRE(pFilter != NULL, "CZvFilterCollection::add");
    ZV_TRY
        // One entry per name whatever its case, as the store has one key.
        std::erase_if(m_filters, [&](const auto& entry) { return ZvSameFilterName(entry.first, pFilter->getName()); });
        m_filters[pFilter->getName()] = pFilter;
    ZV_CATCH("CZvFilterCollection::add")
}

CZvParentItemFilter* CZvFilterCollection::add(std::unique_ptr<CZvParentItemFilter> pFilter)
{
    REQUIRE(pFilter != nullptr, "CZvFilterCollection::add");
    CZvParentItemFilter* pKept = nullptr;
    ZV_TRY
        pKept = ZvKeepFilter(std::move(pFilter));
        add(pKept);
    ZV_CATCH("CZvFilterCollection::add")
    return pKept;
}

CZvParentItemFilter* CZvFilterCollection::get(const std::string& name) const
{
    const auto it = m_filters.find(name);
    if (it != m_filters.end()) return it->second;
    for (const auto& [key, pFilter] : m_filters)
        if (ZvSameFilterName(key, name)) return pFilter;
    return nullptr;
}

void CZvFilterCollection::remove(const std::string& name)
{
    ZV_TRY
        CZvParentItemFilter* pFilter = get(name);
        if (!pFilter) return;
        // May destroy this collection: nothing of it is touched afterwards.
        pFilter->removeItem();
    ZV_CATCH("CZvFilterCollection::remove")
}

CZvFilterCollection* CZvFilterCollection::shared()
{
    std::unique_ptr<CZvFilterCollection>& pShared = SharedSlot();
    if (!pShared) pShared = std::make_unique<CZvFilterCollection>();
    return pShared.get();
}

void CZvFilterCollection::discardShared() { SharedSlot().reset(); }
