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

class UnrefFilterTest : public QtStoreTest {
protected:
    void SetUp() override
    {
        QtStoreTest::SetUp();
        ZvRegManager::SetReadOnly(false);
        Answer(ZvIDOK);
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
};

} // namespace zvtest
