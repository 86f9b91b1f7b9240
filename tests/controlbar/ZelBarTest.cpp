// The control-bar host library and the dock window over it, in a bare
// QMainWindow standing in for the host.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QLibrary>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "explorer/ZvDockWindow.h"
#include "platform/controlbar/ZelBar.h"
#include "settings/ZvRegManager.h"

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "test_controlbar";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class ZelBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        ASSERT_TRUE(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        m_library.setFileName(QString(ZV_BIN_DIR) + "/libzelbar41.so");
        ASSERT_TRUE(m_library.load()) << m_library.errorString().toStdString();
        create = reinterpret_cast<ZvCreateControlBarFn>(m_library.resolve("CreateControlBar"));
        flip = reinterpret_cast<ZvFlipControlBarFn>(m_library.resolve("FlipControlBar"));
        setClient = reinterpret_cast<ZvSetClientWindowFn>(m_library.resolve("SetClientWindow"));
        getBar = reinterpret_cast<ZvGetControlBarWindowFn>(m_library.resolve("GetControlBarWindow"));
        ASSERT_TRUE(create && flip && setClient && getBar);
    }
    void TearDown() override
    {
        CZvDockWindow::reset();
        m_host.reset();
        QApplication::processEvents();
    }
    void MakeHost()
    {
        m_host = std::make_unique<QMainWindow>();
        m_host->setCentralWidget(new QWidget());
        m_host->resize(1000, 700);
        m_host->show();
    }
    QDockWidget* Bar() { return static_cast<QDockWidget*>(getBar()); }

    QTemporaryDir m_settings;
    QLibrary m_library;
    std::unique_ptr<QMainWindow> m_host;
    ZvCreateControlBarFn create = nullptr;
    ZvFlipControlBarFn flip = nullptr;
    ZvSetClientWindowFn setClient = nullptr;
    ZvGetControlBarWindowFn getBar = nullptr;
};

const int kRect[4] = {0, 0, 0, 0};

TEST_F(ZelBarTest, EntryPointsMakeOneBarInTheHostWindow)
{
    EXPECT_EQ(create("x", 0, zelbar::kDockLeft, 0, kRect), 0) << "no host window, no bar";
    EXPECT_EQ(flip(), 0);
    EXPECT_EQ(getBar(), nullptr);
    MakeHost();
    ASSERT_EQ(create("Zavora - The Sal Explorer", 0x10000004, zelbar::kDockTop, 0x5000, kRect), 1);
    QDockWidget* bar = Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->windowTitle(), "Zavora - The Sal Explorer");
    EXPECT_EQ(m_host->dockWidgetArea(bar), Qt::TopDockWidgetArea);
    EXPECT_EQ(create("again", 0, zelbar::kDockLeft, 0, kRect), 1);
    EXPECT_EQ(Bar(), bar) << "a second request finds the same bar";
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(flip(), 1);
    EXPECT_TRUE(bar->isVisible());
    auto* client = new QWidget();
    EXPECT_EQ(setClient(client), 1);
    EXPECT_EQ(bar->widget(), client);
    EXPECT_EQ(flip(), 1);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(ZelBarTest, DockIdsMapToAreasAndUnknownOnesToTheLeft)
{
    EXPECT_EQ(zelbar::AreaFromId(zelbar::kDockLeft), Qt::LeftDockWidgetArea);
    EXPECT_EQ(zelbar::AreaFromId(zelbar::kDockRight), Qt::RightDockWidgetArea);
    EXPECT_EQ(zelbar::AreaFromId(zelbar::kDockBottom), Qt::BottomDockWidgetArea);
    EXPECT_EQ(zelbar::AreaFromId(12345), Qt::LeftDockWidgetArea);
    for (unsigned id : {zelbar::kDockTop, zelbar::kDockBottom, zelbar::kDockLeft, zelbar::kDockRight})
        EXPECT_EQ(zelbar::IdFromArea(zelbar::AreaFromId(id)), id);
}

TEST_F(ZelBarTest, NoStoredPlacementDocksLeftCollapsedAndExpandsTo300)
{
    MakeHost();
    CZvDockWindow dock;
    QDockWidget* bar = dock.GetControlBarWindow();
    ASSERT_NE(bar, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(m_host->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_FALSE(dock.isExpanded());
    EXPECT_LE(bar->width(), std::max(CZvDockWindow::kCollapsedWidth, bar->minimumSizeHint().width()));
    dock.toggleExpanded();
    QApplication::processEvents();
    EXPECT_TRUE(dock.isExpanded());
    EXPECT_EQ(bar->width(), 300);
}

TEST_F(ZelBarTest, TogglingTwiceRestoresTheWidthAndACollapsedCloseKeepsTheExpandedSize)
{
    MakeHost();
    {
        ZvRegManager reg;
        reg.WriteProfileInt({"Settings"}, "Expanded", 1);
        reg.WriteProfileSize({"Settings"}, "Size", QSize(280, 500));
    }
    CZvDockWindow dock;
    QDockWidget* bar = dock.GetControlBarWindow();
    QApplication::processEvents();
    ASSERT_TRUE(dock.isExpanded());
    EXPECT_EQ(bar->width(), 280);
    m_host->resizeDocks({bar}, {260}, Qt::Horizontal);
    QApplication::processEvents();
    dock.toggleExpanded();
    QApplication::processEvents();
    EXPECT_LT(bar->width(), 260);
    dock.toggleExpanded();
    QApplication::processEvents();
    EXPECT_EQ(bar->width(), 260);
    dock.toggleExpanded();
    m_host->close();  // the placement is written now, not in a destructor
    ZvRegManager reg;
    EXPECT_EQ(reg.GetProfileInt({"Settings"}, "Expanded", -1), 0);
    EXPECT_EQ(reg.GetProfileSize({"Settings"}, "Size", QSize()).width(), 260);
    EXPECT_EQ(reg.GetProfileInt({"Settings"}, "DockLocation", -1), static_cast<int>(zelbar::kDockLeft));
}

TEST_F(ZelBarTest, AFloatingBarComesBackFloatingWhereItWas)
{
    MakeHost();
    {
        CZvDockWindow dock;
        QDockWidget* bar = dock.GetControlBarWindow();
        dock.setExpanded(true);
        bar->setFloating(true);
        bar->move(210, 170);
        bar->resize(310, 420);
        QApplication::processEvents();
        m_host->close();
    }
    CZvDockWindow::reset();
    m_host.reset();
    MakeHost();
    CZvDockWindow dock;
    QDockWidget* bar = dock.GetControlBarWindow();
    QApplication::processEvents();
    ASSERT_TRUE(bar->isFloating());
    EXPECT_EQ(bar->pos(), QPoint(210, 170));
    EXPECT_EQ(bar->size(), QSize(310, 420));
}

} // namespace
