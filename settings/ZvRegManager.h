#pragma once
// The settings store: the current user's settings of organisation "Morrowbit",
// application "Zavora41". Sections and value names are compared without
// regard to case, as the registry does; a name that holds '/' or '\' stays
// one name. Each user makes one manager for the duration of one operation.
#include <QPoint>
#include <QSettings>
#include <QSize>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// A section as its key names from the application key down ("Settings",
// "Filters", name). A list rather than one "a\b" text, so that a filter or
// library name with a backslash cannot turn into a key path.
using ZvRegSection = std::vector<std::string>;

struct ZvRegValue {
    std::string name;
    std::string data;  // the value as text; empty for points and sizes
};

class ZvRegManager {
public:
    ZvRegManager();
    ~ZvRegManager();
    ZvRegManager(const ZvRegManager&) = delete;
    ZvRegManager& operator=(const ZvRegManager&) = delete;

    // Missing sections and values, and data of another kind, read as the default.
    std::int32_t GetProfileInt(const ZvRegSection& section, const std::string& entry,
                               std::int32_t nDefault);
    std::string GetProfileString(const ZvRegSection& section, const std::string& entry,
                                 const std::string& strDefault);
    QPoint GetProfilePoint(const ZvRegSection& section, const std::string& entry,
                           const QPoint& ptDefault);
    QSize GetProfileSize(const ZvRegSection& section, const std::string& entry,
                         const QSize& sizeDefault);

    // Whether the value exists, as opposed to holding the default.
    bool HasValue(const ZvRegSection& section, const std::string& entry);

    // Writing creates the sections on the way; an existing value keeps the
    // spelling it was first written with. False when nothing was written.
    bool WriteProfileInt(const ZvRegSection& section, const std::string& entry, std::int32_t nValue);
    bool WriteProfileString(const ZvRegSection& section, const std::string& entry,
                            const std::string& value);
    bool WriteProfilePoint(const ZvRegSection& section, const std::string& entry, const QPoint& pt);
    bool WriteProfileSize(const ZvRegSection& section, const std::string& entry, const QSize& size);

    // Names of the subkeys and the values directly in a section, in store order.
    std::vector<std::string> EnumKeys(const ZvRegSection& section);
    std::vector<ZvRegValue> EnumValues(const ZvRegSection& section);

    // Deletes the subkey `key` of the section with everything below it. A
    // value of the section that happens to share the key's name stays.
    bool DeleteKey(const ZvRegSection& section, const std::string& key);

    // The command line only reads settings: with the store read-only, every
    // write of the process is dropped. Returns the previous state.
    static bool SetReadOnly(bool bReadOnly);
    static bool IsReadOnly();

private:
    QString GroupPath(const ZvRegSection& section);
    QString ValuePath(const ZvRegSection& section, const std::string& entry);
    QVariant Read(const ZvRegSection& section, const std::string& entry);
    bool Write(const ZvRegSection& section, const std::string& entry, const QVariant& value);
    bool CanWrite() const;

    QSettings m_settings;
    bool m_bReadable;
};
