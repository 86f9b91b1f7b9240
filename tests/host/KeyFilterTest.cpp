// The F11 family: which key does what, where a key counts, and what it
// leaves alone.
#include "PluginFixture.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zvtest {
namespace {

// Counts the F11 presses that reach it: the filter must let every one through.
class RecordingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    int m_f11 = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F11) ++m_f11;
        QLineEdit::keyPressEvent(event);
    }
};

class KeyFilterTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        Start();
        m_edit = new RecordingEdit(m_window.get());
        m_window->setCentralWidget(m_edit);
        m_edit->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        m_edit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), m_edit);
    }
    // A key press delivered as Qt delivers it: to the focus widget, then its parents.
    static bool Press(QWidget* receiver, Qt::KeyboardModifiers modifiers, int key = Qt::Key_F11)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(receiver, &event);
        return event.isAccepted();
    }
    // The editor gets the keyboard back, as the user would click into it.
    void Refocus()
    {
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        m_edit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), m_edit);
    }
    void Select(const std::string& prefix) { zv::host::HostState::Get().Select(CurrentOutline(), Find(prefix).GetItem()); }

    RecordingEdit* m_edit = nullptr;
};

TEST_F(KeyFilterTest, CtrlParsesWhateverElseIsHeldExceptAlt)
{
    Press(m_edit, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(App().IsParsed());
    EXPECT_FALSE(Explorer().isOutdated());
}

TEST_F(KeyFilterTest, F11ShowsTheSelectedSymbolAndShiftGoesToItsDeclaration)
{
    // Nothing selected: nothing shown. Shift+F11 before any F11: nothing happens.
    Press(m_edit, Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), 0u);
    Select("Function: ShelfTotal");
    Press(m_edit, Qt::ShiftModifier);
    EXPECT_EQ(zv::host::HostState::Get().selectedItem, Find("Function: ShelfTotal").GetItem());

    // Nor on a built-in of the SAL context: it has no place in the program.
    Explorer().setSymbol(App().GetSalSymbol("SalMessageBox"), App().GetContextOutline());
    Press(m_edit, Qt::ShiftModifier);
    EXPECT_EQ(zv::host::HostState::Get().selectedItem, Find("Function: ShelfTotal").GetItem());

    Select("Function: BookMove");
    Press(m_edit, Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), Find("Function: BookMove").GetItem());
    Select("Function: ShelfTotal");
    Press(m_edit, Qt::ShiftModifier);
    const auto& host = zv::host::HostState::Get();
    EXPECT_EQ(host.selectedItem, Find("Function: BookMove").GetItem());
    EXPECT_EQ(host.editorSelection.item, host.selectedItem);
    EXPECT_EQ(host.editorSelection.end - host.editorSelection.start, 8) << "the name is shown selected";
}

TEST_F(KeyFilterTest, AltWithShiftCountsAsAltAndCtrlAltRenames)
{
    Select("Function: BookMove");
    const bool expanded = Frame().dockWindow()->isExpanded();
    Press(m_edit, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_NE(Frame().dockWindow()->isExpanded(), expanded) << "Alt+F11 expands or collapses the explorer";
    EXPECT_FALSE(App().IsParsed());
    EXPECT_EQ(Explorer().getCurrentItem(), 0u);
    EXPECT_EQ(zv::host::HostState::Get().editorSelection.item, 0u) << "not Shift+F11";

    App().Parse(0);
    AnswerRename("BookStockMove");
    Refocus();  // the parse's progress window had it
    Press(m_edit, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Find("Function: BookStockMove").GetItem(), Find("Function: Book").GetItem());
    EXPECT_NE(Find("Return BookStockMove(").GetItem(), 0u);
}

TEST_F(KeyFilterTest, KeysCountOnlyAtTheFocusAndNeverUnderAModalWindowAndGoOn)
{
    Select("Function: BookMove");
    // The window is the parent of the focus widget: the same press seen again.
    Press(m_window.get(), Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), 0u);
    // Other keys, and key releases, are not ours.
    Press(m_edit, Qt::NoModifier, Qt::Key_F10);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F11, Qt::NoModifier);
    QApplication::sendEvent(m_edit, &release);
    EXPECT_EQ(Explorer().getCurrentItem(), 0u);

    QDialog dialog(m_window.get());
    auto* inner = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(inner);
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    inner->setFocus();
    Press(inner, Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), 0u);
    dialog.close();

    // The key goes on to the widget: the line edit saw every press.
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_edit->setFocus();
    const int seen = m_edit->m_f11;
    Press(m_edit, Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), Find("Function: BookMove").GetItem());
    EXPECT_EQ(m_edit->m_f11, seen + 1);
}

TEST_F(KeyFilterTest, CtrlF11WithoutAnOutlineDoesNothing)
{
    zv::host::CloseOutline(CurrentOutline());
    Press(m_edit, Qt::ControlModifier);
    EXPECT_FALSE(App().IsParsed());
}

} // namespace
} // namespace zvtest
