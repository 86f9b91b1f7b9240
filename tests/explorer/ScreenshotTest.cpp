// Pictures of the explorer for the README, written to the build folder:
// a class, a function with callers and callees expanded, a window variable,
// the preferences tab and the parse progress.
#include <QDir>
#include <QDockWidget>
#include <QTimer>

#include "ExplorerFixture.h"
#include "explorer/DlgProgress.h"
#include "explorer/ZvPrefView.h"
#include "explorer/ZvUnrefFilterView.h"
#include "explorer/ZvUnrefPane.h"
#include "explorer/ZvUnrefView.h"
#include "explorer/ZvWidgetPorts.h"

namespace zvtest {
namespace {

QString ShotDir()
{
    const QString dir = QString(ZV_BIN_DIR) + "/../screenshots";
    QDir().mkpath(dir);
    return dir;
}

void ExpandTop(QTreeWidget* tree)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) tree->expandItem(tree->topLevelItem(i));
}

} // namespace

class Screenshots : public ExplorerTest {
protected:
    void Shoot(const QString& name)
    {
        QApplication::processEvents();
        QWidget* what = m_frame;
        if (m_frame->dockWindow() && m_frame->dockWindow()->GetControlBarWindow())
            what = m_frame->dockWindow()->GetControlBarWindow();
        const QPixmap picture = what->grab();
        ASSERT_FALSE(picture.isNull());
        EXPECT_TRUE(picture.save(ShotDir() + "/" + name + ".png")) << name.toStdString();
    }
    void SetUp() override
    {
        ExplorerTest::SetUp();
        m_host->resize(1000, 760);
        if (QDockWidget* bar = m_frame->dockWindow()->GetControlBarWindow()) {
            m_frame->dockWindow()->setExpanded(true);
            bar->setFloating(true);
            bar->resize(520, 700);
        }
        Parse();
    }
};

TEST_F(Screenshots, Class)
{
    ShowRefs("cCountedShelf");
    ExpandTop(ViewOf<CBaseClassView>(VisiblePane<CZvClassPane>(), 0)->tree());
    Shoot("class");
}

TEST_F(Screenshots, FunctionWithCallersAndCallees)
{
    ShowRefs("BookMove");
    auto* pane = VisiblePane<CZvFunctionPane>();
    ExpandTop(ViewOf<CZvCalleeView>(pane, 0)->tree());
    ExpandTop(ViewOf<CZvCallerView>(pane, 1)->tree());
    pane->setSizes({300, 200, 160});
    Shoot("function");
}

TEST_F(Screenshots, WindowVariable)
{
    ShowRefs("frmArticle::dfCode");
    auto* pane = VisiblePane<CZvVarPane>();
    emit ViewOf<CZvVarUsageView>(pane, 1)->list()->itemClicked(ViewOf<CZvVarUsageView>(pane, 1)->list()->topLevelItem(0), 0);
    Shoot("variable");
}

TEST_F(Screenshots, Preferences)
{
    m_frame->tabView()->setCurrentWidget(m_frame->tabView()->prefTab()->page());
    Shoot("preferences");
}

TEST_F(Screenshots, Unreferenced)
{
    ShowApplication();
    CZvTabView* tabs = m_frame->tabView();
    tabs->setCurrentWidget(tabs->unrefTab()->page());
    CZvUnrefPane* pane = tabs->unrefTab()->pane();
    ASSERT_GT(pane->listView()->itemCount(), 0);
    pane->listView()->list()->topLevelItem(1)->setSelected(true);
    pane->setSizes({330, 330});
    Shoot("unreferenced");
}

TEST_F(Screenshots, ParseProgress)
{
    CDlgProgress::setPumpInterval(0);
    QPixmap last;
    QTimer sampler;
    sampler.setInterval(0);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        CDlgProgress* progress = m_frame->ports()->progress();
        if (progress && progress->list()->count() == 6 && progress->bar()->value() > 40) last = progress->grab();
    });
    sampler.start();
    Parse();
    sampler.stop();
    CDlgProgress::setPumpInterval(30);
    ASSERT_FALSE(last.isNull());
    EXPECT_TRUE(last.save(ShotDir() + "/progress.png"));
}

} // namespace zvtest
