#pragma once
// The filter side of the Unreferenced tab: real widgets offscreen, a settings
// store of its own in a temporary folder, no shared filter collection at the
// start, and message boxes answered by the test.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ExplorerFixture.h"
#include "contracts/MessageBox.h"
#include "explorer/ZvImages.h"
#include "settings/ZvFilterCollection.h"
#include "settings/ZvRegManager.h"

namespace zvtest {

class UnrefFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        ASSERT_TRUE(m_store.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_store.path());
        ZvRegManager::SetReadOnly(false);
        CZvFilterCollection::discardShared();
        Answer(ZvIDOK);
    }
    void TearDown() override
    {
        ZvSetMessageBoxHandler(nullptr);
        CZvFilterCollection::discardShared();
    }

    // Every box is recorded and answered with `answer`.
    void Answer(int answer)
    {
        ZvSetMessageBoxHandler([this, answer](const ZvMessageBoxRequest& r) {
            m_boxes.push_back(r);
            return answer;
        });
    }

    // A stored filter with these types and libraries.
    static CZvParentItemFilter* Store(const std::string& name, std::vector<std::uint16_t> types,
                                      std::vector<std::string> libs = {})
    {
        CZvParentItemFilter filter(name);
        for (std::uint16_t type : types) filter.add(type);
        for (const std::string& lib : libs) filter.add(lib);
        filter.save();
        return CZvFilterCollection::shared()->get(name);
    }

    static std::vector<std::string> ComboNames(QComboBox* combo)
    {
        std::vector<std::string> names;
        for (int i = 0; i < combo->count(); ++i) names.push_back(combo->itemText(i).toStdString());
        return names;
    }

    // The rows of the combo that carry the default's mark.
    static std::vector<int> MarkedRows(QComboBox* combo)
    {
        const QImage mark = ZvBitmap(7150).toImage();
        std::vector<int> rows;
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemIcon(i).pixmap(16, 16).toImage() == mark) rows.push_back(i);
        return rows;
    }

    QTemporaryDir m_store;
    std::vector<ZvMessageBoxRequest> m_boxes;
};

} // namespace zvtest
