#pragma once
// Every stored filter by name, and the one collection the views share. A
// collection never owns its filters: views keep pointers to filters across
// reloads, so every filter lives until the process ends.
#include <map>
#include <memory>
#include <string>

#include "settings/ZvParentItemFilter.h"

class CZvFilterCollection {
public:
    using FilterMap = std::map<std::string, CZvParentItemFilter*>;

    // Loads every filter of the store.
    CZvFilterCollection();
    // Leaves the filters alive.
    ~CZvFilterCollection();
    CZvFilterCollection(const CZvFilterCollection&) = delete;
    CZvFilterCollection& operator=(const CZvFilterCollection&) = delete;

    // Stores the filter under its name, replacing any entry of that name in any case.
    void add(CZvParentItemFilter* pFilter);
    // The same for a filter nobody keeps yet (a new one, a clone): the
    // process takes it over, like every loaded filter.
    CZvParentItemFilter* add(std::unique_ptr<CZvParentItemFilter> pFilter);
    // Null for a name the collection does not hold. Names are compared
    // without regard to case, as the store compares them.
    CZvParentItemFilter* get(const std::string& name) const;
    // Deletes the named filter's stored data, which discards the shared
    // collection: when this is the shared one, it is gone on return.
    void remove(const std::string& name);

    FilterMap::const_iterator begin() const { return m_filters.begin(); }
    FilterMap::const_iterator end() const { return m_filters.end(); }
    std::size_t size() const { return m_filters.size(); }

    // The shared collection, loaded from the store when there is none.
    static CZvFilterCollection* shared();
    // Destroys the shared collection; the next shared() loads it again.
    static void discardShared();

private:
    FilterMap m_filters;
};

// Filter names are one name whatever their case, as keys of the store are.
bool ZvSameFilterName(const std::string& a, const std::string& b);

// The name of the filter a fresh installation starts with.
inline constexpr const char* kZvFirstFilterName = "All symbols";
// When the store holds no filter: stores "All symbols" with every type of
// the filter tree on and makes it the default, so that the filter editor
// always has a filter to edit. True when it was created.
bool ZvEnsureFirstFilter();

// Keeps a filter alive until the process ends; returns it.
CZvParentItemFilter* ZvKeepFilter(std::unique_ptr<CZvParentItemFilter> pFilter);
