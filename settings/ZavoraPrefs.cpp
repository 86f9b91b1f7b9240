#include "settings/ZavoraPrefs.h"

#include "contracts/Check.h"
#include "settings/ZvRegManager.h"

namespace {

const ZvRegSection kSettings{"Settings"};

// Every value is a 32-bit integer; any non-zero one, negative included, is on.
bool ReadBool(ZvRegManager& reg, const char* name, bool bDefault)
{
    return reg.GetProfileInt(kSettings, name, bDefault ? 1 : 0) != 0;
}

void WriteBool(ZvRegManager& reg, const char* name, bool bValue)
{
    reg.WriteProfileInt(kSettings, name, bValue ? 1 : 0);
}

} // namespace

CZavoraPrefs::CZavoraPrefs() = default;

CZavoraPrefs::~CZavoraPrefs()
{
    if (!m_bLoaded) return;
    // Destructors must not throw: a failed write is not noticed, as any store write.
    try {
        save();
    } catch (CException* pException) {
        pException->Delete();
    } catch (...) {
    }
}

void CZavoraPrefs::load()
{
    ZV_TRY
        ZvRegManager reg;
        ParseForBinds = ReadBool(reg, "ParseForBinds", true);
        AutoMode = ReadBool(reg, "AutoMode", false);
        AutoDelay = reg.GetProfileInt(kSettings, "AutoDelay", 200);
        XRefSalSymbols = ReadBool(reg, "XRefSalSymbols", true);
        AutoParseRename = ReadBool(reg, "AutoParseRename", false);
        AutoParseXref = ReadBool(reg, "AutoParseXref", false);
        AutoParseUnref = ReadBool(reg, "AutoParseUnref", false);
        WarnForUnqualSetting = ReadBool(reg, "WarnForUnqualSetting", true);
        WarnForUnresolvedSymbols = ReadBool(reg, "WarnForUnresolvedSymbols", true);
        // Forced on whatever the store holds: nothing offers to switch it off.
        XRefSalSymbols = true;
        m_bLoaded = true;
    ZV_CATCH("CZavoraPrefs::load")
}

void CZavoraPrefs::save()
{
    ZV_TRY
        ZvRegManager reg;
        // "AutoParseXRef" is the value read as "AutoParseXref": names compare without case.
        WriteBool(reg, "AutoMode", AutoMode);
        reg.WriteProfileInt(kSettings, "AutoDelay", AutoDelay);
        WriteBool(reg, "AutoParseRename", AutoParseRename);
        WriteBool(reg, "AutoParseXRef", AutoParseXref);
        WriteBool(reg, "AutoParseUnref", AutoParseUnref);
        WriteBool(reg, "ParseForBinds", ParseForBinds);
        WriteBool(reg, "WarnForUnqualSetting", WarnForUnqualSetting);
        WriteBool(reg, "WarnForUnresolvedSymbols", WarnForUnresolvedSymbols);
        WriteBool(reg, "XRefSalSymbols", XRefSalSymbols);
    ZV_CATCH("CZavoraPrefs::save")
}
