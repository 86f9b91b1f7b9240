#include "settings/ZvRegManager.h"

#include <QStringList>
#include <limits>

namespace {

const char* const kCompany = "Morrowbit";
// The plug-in module's file name without its extension.
const char* const kApplication = "Zavora41";

bool s_bReadOnly = false;

// '/' and '\' would split a name into keys, so they are escaped, and '%'
// with them so that the escape reads back unambiguously. The empty name
// (a filter may be called so) gets a spelling of its own: a key without a
// name would be its parent.
QString Escape(const std::string& name)
{
    if (name.empty()) return QStringLiteral("%");
    QString text = QString::fromUtf8(name);
    text.replace(QLatin1Char('%'), QLatin1String("%25"));
    text.replace(QLatin1Char('/'), QLatin1String("%2F"));
    text.replace(QLatin1Char('\\'), QLatin1String("%5C"));
    return text;
}

QString Unescape(const QString& stored)
{
    if (stored == QLatin1String("%")) return QString();
    QString text;
    text.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QStringView code = QStringView(stored).mid(i, 3);
        if (code.compare(QLatin1String("%2F"), Qt::CaseInsensitive) == 0) {
            text += QLatin1Char('/');
            i += 2;
        } else if (code.compare(QLatin1String("%5C"), Qt::CaseInsensitive) == 0) {
            text += QLatin1Char('\\');
            i += 2;
        } else if (code == QLatin1String("%25")) {
            text += QLatin1Char('%');
            i += 2;
        } else {
            text += stored[i];
        }
    }
    return text;
}

std::string ToStd(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The stored spelling of `name` among `stored`, compared as the registry
// compares; the escaped name itself when none is stored yet.
QString Spelling(const QStringList& stored, const std::string& name)
{
    const QString wanted = QString::fromUtf8(name);
    for (const QString& candidate : stored)
        if (Unescape(candidate).compare(wanted, Qt::CaseInsensitive) == 0) return candidate;
    return Escape(name);
}

QString Join(const QString& path, const QString& name)
{
    return path.isEmpty() ? name : path + QLatin1Char('/') + name;
}

} // namespace

ZvRegManager::ZvRegManager()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kCompany),
                 QLatin1String(kApplication))
{
    // The registry of the current user only: no organisation-wide or system files.
    m_settings.setFallbacksEnabled(false);
    // A store that could not be read whole is never written: writing would
    // replace it with the part that was understood.
    m_bReadable = m_settings.status() == QSettings::NoError;
}

ZvRegManager::~ZvRegManager() = default;

bool ZvRegManager::SetReadOnly(bool bReadOnly)
{
    const bool bOld = s_bReadOnly;
    s_bReadOnly = bReadOnly;
    return bOld;
}

bool ZvRegManager::IsReadOnly() { return s_bReadOnly; }

bool ZvRegManager::CanWrite() const { return !s_bReadOnly && m_bReadable; }

QString ZvRegManager::GroupPath(const ZvRegSection& section)
{
    QString path;
    for (const std::string& name : section) {
        m_settings.beginGroup(path);
        const QStringList groups = m_settings.childGroups();
        m_settings.endGroup();
        path = Join(path, Spelling(groups, name));
    }
    return path;
}

QString ZvRegManager::ValuePath(const ZvRegSection& section, const std::string& entry)
{
    const QString group = GroupPath(section);
    m_settings.beginGroup(group);
    const QStringList keys = m_settings.childKeys();
    m_settings.endGroup();
    return Join(group, Spelling(keys, entry));
}

QVariant ZvRegManager::Read(const ZvRegSection& section, const std::string& entry)
{
    return m_settings.value(ValuePath(section, entry));
}

bool ZvRegManager::Write(const ZvRegSection& section, const std::string& entry, const QVariant& value)
{
    if (!CanWrite()) return false;
    m_settings.setValue(ValuePath(section, entry), value);
    return true;
}

bool ZvRegManager::HasValue(const ZvRegSection& section, const std::string& entry)
{
    return Read(section, entry).isValid();
}

std::int32_t ZvRegManager::GetProfileInt(const ZvRegSection& section, const std::string& entry,
                                         std::int32_t nDefault)
{
    const QVariant value = Read(section, entry);
    bool bOk = false;
    // Wide first: a narrowing conversion would pass a number that does not fit.
    const qlonglong n = value.isValid() ? value.toLongLong(&bOk) : 0;
    if (!bOk || n < std::numeric_limits<std::int32_t>::min() ||
        n > std::numeric_limits<std::int32_t>::max())
        return nDefault;
    return static_cast<std::int32_t>(n);
}

std::string ZvRegManager::GetProfileString(const ZvRegSection& section, const std::string& entry,
                                           const std::string& strDefault)
{
    const QVariant value = Read(section, entry);
    if (!value.isValid() || !value.canConvert<QString>()) return strDefault;
    return ToStd(value.toString());
}

QPoint ZvRegManager::GetProfilePoint(const ZvRegSection& section, const std::string& entry,
                                     const QPoint& ptDefault)
{
    const QVariant value = Read(section, entry);
    return value.typeId() == QMetaType::QPoint ? value.toPoint() : ptDefault;
}

QSize ZvRegManager::GetProfileSize(const ZvRegSection& section, const std::string& entry,
                                   const QSize& sizeDefault)
{
    const QVariant value = Read(section, entry);
    return value.typeId() == QMetaType::QSize ? value.toSize() : sizeDefault;
}

bool ZvRegManager::WriteProfileInt(const ZvRegSection& section, const std::string& entry,
                                   std::int32_t nValue)
{
    return Write(section, entry, QVariant(static_cast<int>(nValue)));
}

bool ZvRegManager::WriteProfileString(const ZvRegSection& section, const std::string& entry,
                                      const std::string& value)
{
    return Write(section, entry, QVariant(QString::fromUtf8(value)));
}

bool ZvRegManager::WriteProfilePoint(const ZvRegSection& section, const std::string& entry,
                                     const QPoint& pt)
{
    return Write(section, entry, QVariant(pt));
}

bool ZvRegManager::WriteProfileSize(const ZvRegSection& section, const std::string& entry,
                                    const QSize& size)
{
    return Write(section, entry, QVariant(size));
}

std::vector<std::string> ZvRegManager::EnumKeys(const ZvRegSection& section)
{
    m_settings.beginGroup(GroupPath(section));
    const QStringList groups = m_settings.childGroups();
    m_settings.endGroup();
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(groups.size()));
    for (const QString& group : groups) names.push_back(ToStd(Unescape(group)));
    return names;
}

std::vector<ZvRegValue> ZvRegManager::EnumValues(const ZvRegSection& section)
{
    m_settings.beginGroup(GroupPath(section));
    std::vector<ZvRegValue> values;
    for (const QString& key : m_settings.childKeys()) {
        const QVariant value = m_settings.value(key);
        values.push_back({ToStd(Unescape(key)),
                          value.canConvert<QString>() ? ToStd(value.toString()) : std::string()});
    }
    m_settings.endGroup();
    return values;
}

bool ZvRegManager::DeleteKey(const ZvRegSection& section, const std::string& key)
{
    if (!CanWrite()) return false;
    ZvRegSection path = section;
    path.push_back(key);
    // Removing the group's entries one by one rather than the group itself
    // leaves alone a value of the parent that shares the key's name ("Default").
    m_settings.beginGroup(GroupPath(path));
    for (const QString& entry : m_settings.allKeys()) m_settings.remove(entry);
    m_settings.endGroup();
    return true;
}
