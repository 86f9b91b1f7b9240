// The filter editor's picture for the README, written to the build folder
// (screenshots/unref-filter.png): a filter that shows the program's
// functions and class functions with their locals, and hides two libraries.
#include <QDir>

#include "UnrefFilterFixture.h"
#include "explorer/ZvUnrefFilterTree.h"
#include "explorer/ZvUnrefFilterView.h"

using UnrefFilterShot = zvtest::UnrefFilterTest;

TEST_F(UnrefFilterShot, FilterEditor)
{
    ASSERT_TRUE(ZvEnsureFirstFilter());
    Store("Dead functions", {134, 279, 278, 137, 281, 136}, {"stocklib.apl", "..\\shared\\tools.apl"});
    CZvUnrefFilterView view;
    view.resize(360, 540);
    Choose(view.filterCombo(), 1);
    ASSERT_EQ(view.filter()->getName(), "Dead functions");
    CZvUnrefFilterTree* tree = view.tree();
    tree->librariesNode()->setExpanded(true);
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == "Classes" || (*it)->text(0) == "Functions") (*it)->setExpanded(true);
    tree->setCurrentItem(tree->librariesNode()->child(1));
    view.show();
    QApplication::processEvents();

    const QPixmap picture = view.grab();
    ASSERT_FALSE(picture.isNull());
    const QString dir = QString(ZV_BIN_DIR) + "/../screenshots";
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(picture.save(dir + "/unref-filter.png"));
}
