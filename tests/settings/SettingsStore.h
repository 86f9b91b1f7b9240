#pragma once
// Every test runs on a settings store of its own in a temporary folder, never
// on the user's, and starts with no shared filter collection and a writable store.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "settings/ZvFilterCollection.h"
#include "settings/ZvRegManager.h"

namespace zvtest {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        CZvFilterCollection::discardShared();
        ZvRegManager::SetReadOnly(false);
    }
    void TearDown() override
    {
        CZvFilterCollection::discardShared();
        ZvRegManager::SetReadOnly(false);
    }

    QString StoreFile() const { return m_dir.path() + "/Morrowbit/Zavora41.conf"; }
    QByteArray StoreBytes() const
    {
        QFile file(StoreFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The store as QSettings paths, spelled exactly as stored: to plant
    // values of any spelling and to check the layout.
    void RawWrite(const QString& path, const QVariant& value) const { Raw()->setValue(path, value); }
    bool RawHas(const QString& path) const { return Raw()->contains(path); }
    std::string RawString(const QString& path) const { return Raw()->value(path).toString().toStdString(); }
    QStringList RawKeys(const QString& group) const
    {
        QSettings raw(StoreFile(), QSettings::IniFormat);
        raw.beginGroup(group);
        return raw.allKeys();
    }

    QTemporaryDir m_dir;

private:
    std::unique_ptr<QSettings> Raw() const { return std::make_unique<QSettings>(StoreFile(), QSettings::IniFormat); }
};

} // namespace zvtest
