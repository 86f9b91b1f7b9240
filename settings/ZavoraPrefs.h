#pragma once
// The preferences record: read once at start-up, changed in memory by the
// preferences view, written back whole when the application object goes.
#include <cstdint>

class CZavoraPrefs {
public:
    CZavoraPrefs();
    // Writes every field to section "Settings", once the record was loaded.
    ~CZavoraPrefs();
    CZavoraPrefs(const CZavoraPrefs&) = delete;
    CZavoraPrefs& operator=(const CZavoraPrefs&) = delete;

    // Reads every value with its default; XRefSalSymbols is on whatever was stored.
    void load();

    bool ParseForBinds = true;
    bool AutoMode = false;
    std::int32_t AutoDelay = 200;
    bool XRefSalSymbols = true;
    bool AutoParseRename = false;
    bool AutoParseXref = false;
    bool AutoParseUnref = false;
    bool WarnForUnqualSetting = true;
    bool WarnForUnresolvedSymbols = true;

private:
    void save();

    // A record that was never loaded holds no user's choices, so writing it
    // back would only overwrite them with defaults.
    bool m_bLoaded = false;
};
