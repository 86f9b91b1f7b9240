// The settings store: defaults for what is missing or of another kind, names
// compared without case and kept whole even with slashes, subtree deletion,
// and stores that must not be written left byte for byte alone.
#include "SettingsStore.h"

using RegManager = zvtest::SettingsTest;

TEST_F(RegManager, KindsRoundTripAndOddDataReadsAsDefault)
{
    RawWrite("Settings/AutoDelay", "soon");
    RawWrite("Settings/Big", "4294967296");
    {
        ZvRegManager reg;
        EXPECT_EQ(reg.GetProfileInt({"Settings"}, "AutoDelay", 200), 200);
        EXPECT_EQ(reg.GetProfileInt({"Settings"}, "Big", 5), 5);
        EXPECT_EQ(reg.GetProfileSize({"Settings"}, "AutoDelay", QSize(300, 500)), QSize(300, 500));
        EXPECT_EQ(reg.GetProfileString({"No", "Such"}, "Default", "none"), "none");
        reg.WriteProfileInt({"Settings"}, "DockLocation", -7);
        reg.WriteProfilePoint({"Settings"}, "FloatPoint", QPoint(-20, 35));
        reg.WriteProfileSize({"Settings"}, "Size", QSize(310, 480));
        reg.WriteProfileString({"A", "B"}, "Text", "x, y = \"z\"; [w]");
    }
    ZvRegManager reg;
    EXPECT_EQ(reg.GetProfileInt({"Settings"}, "DockLocation", 59421), -7);
    EXPECT_EQ(reg.GetProfilePoint({"Settings"}, "FloatPoint", QPoint()), QPoint(-20, 35));
    EXPECT_EQ(reg.GetProfileSize({"Settings"}, "Size", QSize()), QSize(310, 480));
    EXPECT_EQ(reg.GetProfileString({"A", "B"}, "Text", ""), "x, y = \"z\"; [w]");
}

TEST_F(RegManager, OddNamesStayOneNameAndDeleteKeyTakesTheSubtreeOnly)
{
    const std::vector<std::string> names = {"", "100%", "..\\lib\\x.apl", "a/b", "Default", "Ünits; [x] = #1"};
    {
        ZvRegManager reg;
        reg.WriteProfileString({"Settings", "Filters"}, "Default", "a/b");
        for (const std::string& name : names) {
            reg.WriteProfileString({"Settings", "Filters", name}, name, name);
            reg.WriteProfileInt({"Settings", "Filters", name, "items"}, "1", 0);
        }
    }
    ZvRegManager reg;
    EXPECT_EQ(reg.EnumKeys({"Settings", "Filters"}).size(), names.size());
    for (const std::string& name : names) {
        const std::vector<ZvRegValue> values = reg.EnumValues({"Settings", "Filters", name});
        ASSERT_EQ(values.size(), 1u) << name;
        EXPECT_EQ(values[0].name, name);
        EXPECT_EQ(values[0].data, name);
    }
    // Sections and values ignore case, and keep the spelling they were made with.
    EXPECT_EQ(reg.GetProfileString({"SETTINGS", "filters"}, "DEFAULT", ""), "a/b");
    reg.WriteProfileInt({"settings", "FILTERS", "ünits; [X] = #1", "Items"}, "2", 0);
    EXPECT_EQ(RawKeys("Settings/Filters/Ünits; [x] = #1"), QStringList({"items/1", "items/2", "Ünits; [x] = #1"}));
    EXPECT_TRUE(reg.DeleteKey({"Settings", "FILTERS"}, "default"));
    EXPECT_TRUE(reg.DeleteKey({"Settings", "Filters"}, "a/b"));
    EXPECT_EQ(reg.EnumKeys({"Settings", "Filters"}).size(), names.size() - 2);
    EXPECT_TRUE(reg.EnumValues({"Settings", "Filters", "a/b", "items"}).empty());
    // The value that shares the deleted key's name stays.
    EXPECT_EQ(reg.GetProfileString({"Settings", "Filters"}, "Default", ""), "a/b");
}

TEST_F(RegManager, ReadOnlyOrDamagedStoreIsReadButNeverWritten)
{
    RawWrite("Settings/AutoMode", 1);
    const QByteArray before = StoreBytes();
    EXPECT_FALSE(ZvRegManager::SetReadOnly(true));
    {
        ZvRegManager reg;
        EXPECT_FALSE(reg.WriteProfileInt({"Settings"}, "AutoMode", 0));
        EXPECT_FALSE(reg.WriteProfilePoint({"Settings"}, "FloatPoint", QPoint(1, 2)));
        EXPECT_FALSE(reg.DeleteKey({}, "Settings"));
        EXPECT_EQ(reg.GetProfileInt({"Settings"}, "AutoMode", 0), 1);
    }
    EXPECT_TRUE(ZvRegManager::SetReadOnly(false));
    EXPECT_EQ(StoreBytes(), before);

    // Rewriting a store that was only partly understood would lose the rest.
    const QByteArray damaged("[Settings]\nAutoDelay=350\n[Settings\n\0\0\xff\xfe", 38);
    QFile file(StoreFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    file.close();
    {
        ZvRegManager reg;
        EXPECT_EQ(reg.GetProfileInt({"Settings"}, "AutoDelay", 200), 350);
        EXPECT_FALSE(reg.WriteProfileInt({"Settings"}, "AutoDelay", 100));
    }
    EXPECT_EQ(StoreBytes(), damaged);
}
