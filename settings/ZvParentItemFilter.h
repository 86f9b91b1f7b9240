#pragma once
// One named filter of the unreferenced symbols. A symbol is judged by the
// type of the item that declares it (its parent) and, when it comes from an
// included library, by that library.
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CGItem;

class CZvParentItemFilter {
public:
    // Loads what the store holds under the name (nothing for a new name).
    explicit CZvParentItemFilter(const std::string& name);
    // An empty filter without a name; discards the shared collection.
    CZvParentItemFilter();

    // True when the symbol declared by `item` is to be shown.
    bool match(const CGItem& item) const;

    bool has(std::uint16_t type) const;
    void add(std::uint16_t type);
    void remove(std::uint16_t type);
    void add(const std::string& library);
    void removeLib(const std::string& library);
    std::vector<std::string> getLibs() const;

    // Hides every symbol of every library; stored with the filter, never cloned.
    void setExcludeAll(bool bExcludeAll) { m_excludeAll = bExcludeAll; }
    bool getExcludeAll() const { return m_excludeAll; }

    std::string getName() const { return m_name; }

    // Replaces the stored filter with this one; always true.
    bool save();
    // Deletes the stored filter and discards the shared collection.
    void removeItem();
    // Discards the shared collection, so that the next use reloads it.
    void remove();

    // The stored default names this filter, in any case: the store knows one
    // filter whatever the case of its name.
    bool isDefault() const;
    void makeDefault();

    // A filter under a new name with this one's types (not its libraries,
    // not its exclude-all), plus whatever the store holds under that name.
    std::unique_ptr<CZvParentItemFilter> clone(const std::string& newName) const;

private:
    void load();

    std::set<std::uint16_t> m_items;  // parent types whose symbols are shown
    std::set<std::string> m_libs;     // include texts of libraries whose symbols are hidden
    std::string m_name;
    bool m_excludeAll = false;
};
