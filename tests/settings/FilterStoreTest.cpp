// A filter's stored form (what a load accepts, what a save leaves behind, the
// default mark, clones) and the shared collection that is loaded afresh after
// every change of stored data.
#include "SettingsStore.h"
#include "settings/ZvFilterNodes.h"

using FilterStore = zvtest::SettingsTest;

namespace {

std::vector<int> Types(const CZvParentItemFilter& filter)
{
    std::vector<int> types;
    for (int type = 0; type <= 0xFFFF; ++type)
        if (filter.has(static_cast<std::uint16_t>(type))) types.push_back(type);
    return types;
}

} // namespace

TEST_F(FilterStore, LoadTakesPositiveLeadingNumbersAndLibraryNames)
{
    for (const char* name : {"137", "0", "abc", "12x", "-281", "65673"})
        RawWrite(QString("Settings/Filters/Mine/items/%1").arg(name), "data is not read");
    RawWrite("Settings/Filters/Mine/libs/..%5Cshared%5Ctools.apl", "");
    const CZvParentItemFilter filter("mine");
    EXPECT_EQ(Types(filter), (std::vector<int>{12, 137}));  // 65673 keeps its low 16 bits
    EXPECT_EQ(filter.getLibs(), std::vector<std::string>{"..\\shared\\tools.apl"});
}

TEST_F(FilterStore, SaveReplacesTheStoredFilterWhole)
{
    RawWrite("Settings/Filters/Default", "Other");
    CZvParentItemFilter filter("Default");  // a filter may share the value's name
    for (std::uint16_t type : {137, 281}) filter.add(type);
    filter.add(std::string("old.apl"));
    filter.add(std::string("..\\lib\\x.apl"));
    filter.save();
    filter.remove(static_cast<std::uint16_t>(281));
    filter.removeLib("old.apl");
    filter.setExcludeAll(true);
    filter.save();
    EXPECT_EQ(RawKeys("Settings/Filters"),
              QStringList({"Default", "Default/Default", "Default/items/137", "Default/libs/..%5Clib%5Cx.apl",
                           "Default/options/ExcludeAll"}));
    EXPECT_EQ(RawString("Settings/Filters/Default/Default"), "");
    EXPECT_EQ(RawString("Settings/Filters/Default/items/137"), "0");
    EXPECT_EQ(RawString("Settings/Filters/Default/libs/..%5Clib%5Cx.apl"), "..\\lib\\x.apl");

    filter.removeItem();
    EXPECT_EQ(RawKeys("Settings/Filters"), QStringList{"Default"});
    EXPECT_EQ(RawString("Settings/Filters/Default"), "Other");
}

TEST_F(FilterStore, DefaultIgnoresCaseAndClonesTakeTypesOnly)
{
    CZvParentItemFilter mine("Mine");
    const CZvParentItemFilter unnamed;
    EXPECT_FALSE(mine.isDefault() || unnamed.isDefault());
    mine.makeDefault();
    EXPECT_TRUE(mine.isDefault());
    // The store holds one filter whatever the case of its name.
    EXPECT_TRUE(CZvParentItemFilter("mine").isDefault());
    EXPECT_FALSE(CZvParentItemFilter("Mine2").isDefault() || unnamed.isDefault());

    mine.add(static_cast<std::uint16_t>(527));
    mine.add(std::string("lib.apl"));
    mine.setExcludeAll(true);
    // Whatever the store already holds under the new name comes along.
    RawWrite("Settings/Filters/Copy/items/145", 0);
    const std::unique_ptr<CZvParentItemFilter> copy = mine.clone("Copy");
    EXPECT_EQ(copy->getName(), "Copy");
    EXPECT_EQ(Types(*copy), (std::vector<int>{145, 527}));
    EXPECT_TRUE(copy->getLibs().empty());
    EXPECT_FALSE(copy->getExcludeAll());
}

TEST_F(FilterStore, SharedCollectionIsLoadedAfreshAfterStoredChanges)
{
    RawWrite("Settings/Filters/ops%5Cdaily/items/223", 0);
    CZvParentItemFilter("Locals").save();
    CZvFilterCollection* pShared = CZvFilterCollection::shared();
    EXPECT_EQ(pShared->size(), 2u);
    EXPECT_TRUE(pShared->get("ops\\daily")->has(223));
    CZvParentItemFilter* pLocals = pShared->get("Locals");
    EXPECT_EQ(pShared->get("LOCALS"), pLocals);  // names ignore case, as the store's keys do
    EXPECT_EQ(pShared->get("Local"), nullptr);
    pLocals->makeDefault();  // rewrites no filter: the collection stays
    pShared->remove("Nothing");
    EXPECT_EQ(CZvFilterCollection::shared()->get("Locals"), pLocals);

    pLocals->add(static_cast<std::uint16_t>(136));
    pLocals->setExcludeAll(true);
    pLocals->save();
    CZvParentItemFilter* pReloaded = CZvFilterCollection::shared()->get("Locals");
    EXPECT_NE(pReloaded, pLocals);
    EXPECT_TRUE(pReloaded->has(136));
    EXPECT_TRUE(pReloaded->getExcludeAll());  // stored with the filter

    const CZvParentItemFilter unnamed;  // discards it as well
    EXPECT_NE(CZvFilterCollection::shared()->get("Locals"), pReloaded);

    CZvFilterCollection::shared()->remove("Locals");
    EXPECT_EQ(CZvFilterCollection::shared()->size(), 1u);
    EXPECT_FALSE(RawHas("Settings/Filters/Locals/Locals"));
    // Handed-out filters outlive the collections that listed them.
    EXPECT_TRUE(pLocals->getExcludeAll() && pReloaded->has(136));
}

TEST_F(FilterStore, CollectionAddReplacesByName)
{
    CZvFilterCollection collection;
    collection.add(std::make_unique<CZvParentItemFilter>("New"));
    CZvParentItemFilter* pSecond = collection.add(std::make_unique<CZvParentItemFilter>("New"));
    EXPECT_EQ(collection.get("New"), pSecond);
    EXPECT_EQ(collection.size(), 1u);
    CZvParentItemFilter* pThird = collection.add(std::make_unique<CZvParentItemFilter>("NEW"));
    EXPECT_EQ(collection.size(), 1u);
    EXPECT_EQ(collection.get("new"), pThird);
    EXPECT_EQ(CZvFilterCollection().size(), 0u);  // only a save stores it
}

TEST_F(FilterStore, ExcludeAllIsStoredAndTakenOutByTheNextSave)
{
    CZvParentItemFilter filter("Mine");
    filter.add(static_cast<std::uint16_t>(137));
    filter.setExcludeAll(true);
    filter.save();
    EXPECT_TRUE(CZvParentItemFilter("Mine").getExcludeAll());
    filter.makeDefault();
    EXPECT_TRUE(CZvFilterCollection::shared()->get("Mine")->getExcludeAll());
    filter.setExcludeAll(false);
    filter.save();
    EXPECT_FALSE(CZvParentItemFilter("Mine").getExcludeAll());
    EXPECT_EQ(RawKeys("Settings/Filters/Mine"), QStringList({"Mine", "items/137"}));
}

TEST_F(FilterStore, FirstFilterOnlyOnAnEmptyStore)
{
    ZvRegManager::SetReadOnly(true);
    EXPECT_FALSE(ZvEnsureFirstFilter());  // the command line's store stays empty
    EXPECT_EQ(CZvFilterCollection::shared()->size(), 0u);
    ZvRegManager::SetReadOnly(false);

    ASSERT_TRUE(ZvEnsureFirstFilter());
    CZvParentItemFilter* pFirst = CZvFilterCollection::shared()->get("All symbols");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_TRUE(pFirst->isDefault());
    for (std::uint16_t type : kZvFilterNodeTypes) EXPECT_EQ(pFirst->has(type), type != 130) << type;
    EXPECT_TRUE(pFirst->getLibs().empty());

    // Once there is a filter, even after the first was removed, none is made.
    CZvParentItemFilter("Mine").save();
    CZvFilterCollection::shared()->remove("All symbols");
    EXPECT_FALSE(ZvEnsureFirstFilter());
    EXPECT_EQ(CZvFilterCollection::shared()->size(), 1u);
}
