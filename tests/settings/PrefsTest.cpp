// The preferences record: defaults, the forced cross-referencing of the
// language's own symbols, bools from any integer, and the write-back at
// destruction under the written names, only after a load.
#include "SettingsStore.h"
#include "settings/ZavoraPrefs.h"

using Prefs = zvtest::SettingsTest;

TEST_F(Prefs, EmptyStoreGivesTheDefaultsAndDestructionWritesAllNine)
{
    {
        CZavoraPrefs prefs;
        prefs.load();
        EXPECT_TRUE(prefs.ParseForBinds && prefs.XRefSalSymbols && prefs.WarnForUnqualSetting &&
                    prefs.WarnForUnresolvedSymbols);
        EXPECT_FALSE(prefs.AutoMode || prefs.AutoParseRename || prefs.AutoParseXref || prefs.AutoParseUnref);
        EXPECT_EQ(prefs.AutoDelay, 200);
        prefs.AutoParseRename = true;
        EXPECT_TRUE(StoreBytes().isEmpty());
    }
    EXPECT_EQ(RawKeys("Settings"),
              QStringList({"AutoDelay", "AutoMode", "AutoParseRename", "AutoParseUnref", "AutoParseXRef",
                           "ParseForBinds", "WarnForUnqualSetting", "WarnForUnresolvedSymbols",
                           "XRefSalSymbols"}));
    EXPECT_EQ(RawString("Settings/AutoDelay"), "200");
    EXPECT_EQ(RawString("Settings/AutoParseRename"), "1");
    EXPECT_EQ(RawString("Settings/AutoMode"), "0");
}

TEST_F(Prefs, StoredValuesAreConvertedAndWrittenBackNormalised)
{
    RawWrite("Settings/XRefSalSymbols", 0);
    RawWrite("Settings/autoparsexref", 1);
    RawWrite("Settings/AutoMode", -1);
    RawWrite("Settings/AutoDelay", -40);
    RawWrite("Settings/ParseForBinds", 0);
    RawWrite("Settings/WarnForUnresolvedSymbols", "off");
    {
        CZavoraPrefs prefs;
        prefs.load();
        EXPECT_TRUE(prefs.XRefSalSymbols && prefs.AutoParseXref && prefs.AutoMode);
        EXPECT_EQ(prefs.AutoDelay, -40);
        EXPECT_FALSE(prefs.ParseForBinds);
        EXPECT_TRUE(prefs.WarnForUnresolvedSymbols);
    }
    EXPECT_EQ(RawString("Settings/XRefSalSymbols"), "1");
    // "AutoParseXRef" is the value already stored under another spelling.
    EXPECT_EQ(RawString("Settings/autoparsexref"), "1");
    EXPECT_FALSE(RawHas("Settings/AutoParseXRef"));
    EXPECT_EQ(RawString("Settings/AutoMode"), "1");
    EXPECT_EQ(RawString("Settings/AutoDelay"), "-40");
    EXPECT_EQ(RawString("Settings/WarnForUnresolvedSymbols"), "1");
}

TEST_F(Prefs, NothingIsWrittenWithoutALoadOrInAReadOnlyStore)
{
    RawWrite("Settings/AutoMode", 1);
    const QByteArray before = StoreBytes();
    {
        CZavoraPrefs neverLoaded;
    }
    ZvRegManager::SetReadOnly(true);
    {
        CZavoraPrefs prefs;
        prefs.load();
        EXPECT_TRUE(prefs.AutoMode);
        prefs.AutoMode = false;
    }
    EXPECT_EQ(StoreBytes(), before);
}
