#include "settings/ZvFilterCollection.h"

#include <vector>

#include "contracts/Check.h"
#include "settings/ZvRegManager.h"

namespace {

std::unique_ptr<CZvFilterCollection>& SharedSlot()
{
    static std::unique_ptr<CZvFilterCollection> s_pShared;
    return s_pShared;
}

} // namespace

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
    return it == m_filters.end() ? nullptr : it->second;
}

void CZvFilterCollection::remove(const std::string& name)
{
    ZV_TRY
        const auto it = m_filters.find(name);
        if (it == m_filters.end()) return;
        // May destroy this collection: nothing of it is touched afterwards.
        it->second->removeItem();
    ZV_CATCH("CZvFilterCollection::remove")
}

CZvFilterCollection* CZvFilterCollection::shared()
{
    std::unique_ptr<CZvFilterCollection>& pShared = SharedSlot();
    if (!pShared) pShared = std::make_unique<CZvFilterCollection>();
    return pShared.get();
}

void CZvFilterCollection::discardShared() { SharedSlot().reset(); }
