// The outline editor on its own: the model, edits through the kit with
// undo and redo, the line editor's state, saving, bad input, the output
// window and the menus.
#include "EditorFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/ide/OutputWindow.h"

namespace zvtest {
namespace {

TEST_F(EditorTest, ShowsTheOutlineWithIncludedItemsGreyedAndReadOnly)
{
    OpenInWindow("orders.apt");
    auto& model = Model();
    ASSERT_EQ(model.rowCount(), 1);
    const QModelIndex root = model.index(0, 0);
    EXPECT_EQ(model.rowCount(root), CGItem(CurrentOutline(), CGApplication(CurrentOutline()).GetItem()).GetChildCount());
    const QModelIndex own = IndexOf("Set SqlDatabase");
    ASSERT_TRUE(own.isValid());
    EXPECT_EQ(model.data(own, Qt::DisplayRole).toString(), "Set SqlDatabase = 'ORDERS'");
    EXPECT_TRUE(model.flags(own) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.data(own, Qt::ForegroundRole).isValid());
    const QModelIndex included = IndexOf("Function: LogWrite");
    ASSERT_TRUE(included.isValid());
    EXPECT_FALSE(model.flags(included) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.data(included, Qt::ForegroundRole).isValid());
    CGItem actions;
    Find("Set SqlDatabase").GetParentItem(actions);
    EXPECT_EQ(model.itemAt(model.parent(own)), actions.GetItem());
    // A breakpoint changes the item's icon.
    const QIcon before = model.data(own, Qt::DecorationRole).value<QIcon>();
    SetBreak(CurrentOutline(), model.itemAt(own), true);
    const QIcon after = model.data(own, Qt::DecorationRole).value<QIcon>();
    EXPECT_NE(before.pixmap(16).toImage(), after.pixmap(16).toImage());
}

TEST_F(EditorTest, EveryEditGoesThroughTheKitAndUndoes)
{
    OpenInWindow("orders.apt");
    Recorder recorder;
    const std::string original = zv::host::CopyItems({CGApplication(CurrentOutline()).GetItem()});

    MakeCurrent("Set SqlDatabase");
    ASSERT_TRUE(m_host->editLine("Set SqlDatabase = 'STOCK'"));
    EXPECT_EQ(Model().data(IndexOf("Set SqlDatabase"), Qt::DisplayRole).toString(), "Set SqlDatabase = 'STOCK'");
    ASSERT_TRUE(m_host->changeKind("Call"));
    EXPECT_EQ(Find("Call SqlDatabase").GetItemType(), ItemType::Call);
    ASSERT_TRUE(m_host->insertItem("Set nError = 0"));
    ASSERT_TRUE(m_host->moveCurrent(-1));
    MakeCurrent("If NOT gbConnected");
    ASSERT_TRUE(m_host->copySelected());
    MakeCurrent("Return gbConnected");
    ASSERT_TRUE(m_host->paste());
    EXPECT_EQ(recorder.Take(), (std::vector<std::string>{"Title", "Type", "Insert", "List", "Paste"}));
    // The pasted item came with its children.
    const CGItem pasted(CurrentOutline(), m_host->outlineView()->currentItem());
    EXPECT_EQ(pasted.GetTitle(0), "If NOT gbConnected");
    EXPECT_EQ(pasted.GetChildCount(), 2);
    MakeCurrent("Function: Connect");
    ASSERT_TRUE(m_host->cutSelected());
    EXPECT_EQ(FindItem(CurrentOutline(), "Function: Connect").GetItem(), 0u);
    EXPECT_EQ(recorder.Take(), (std::vector<std::string>{"Delete"}));

    while (m_host->undoStack()->canUndo()) m_host->undoStack()->undo();
    EXPECT_EQ(zv::host::CopyItems({CGApplication(CurrentOutline()).GetItem()}), original);
    EXPECT_FALSE(m_host->isModified());
    while (m_host->undoStack()->canRedo()) m_host->undoStack()->redo();
    EXPECT_EQ(FindItem(CurrentOutline(), "Function: Connect").GetItem(), 0u);
    EXPECT_TRUE(m_host->isModified());
    // The model followed every change: the shown rows are the outline's.
    const QModelIndex functions = IndexOf("Internal Functions");
    EXPECT_EQ(Model().rowCount(functions), Find("Internal Functions").GetChildCount());
}

TEST_F(EditorTest, IncludedItemsAndTheRootRefuseEdits)
{
    OpenInWindow("orders.apt");
    MakeCurrent("Function: LogWrite");
    EXPECT_FALSE(m_host->editLine("Function: Other"));
    EXPECT_FALSE(m_host->deleteSelected());
    EXPECT_FALSE(m_host->changeKind("Number:"));
    m_host->outlineView()->showItem(CGApplication(CurrentOutline()).GetItem());
    EXPECT_FALSE(m_host->deleteSelected());
    EXPECT_EQ(m_host->undoStack()->count(), 0);
    std::string error;
    EXPECT_TRUE(zv::host::PasteItems(Find("Actions").GetItem(), 0, ".head 2 -  Set x = 1\n", &error).empty());
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
}

TEST_F(EditorTest, TheLineEditorIsTheHostsEditStateInBytes)
{
    OpenInWindow("examples/stockroom.apt");
    const CGItem call = Find("Call SalMessageBox( 'Keine");
    m_host->outlineView()->showItem(call.GetItem());
    m_host->outlineView()->edit(Model().indexOf(call.GetItem()));
    auto* edit = m_host->outlineView()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    // "STOCK_Title" stands behind a non-ASCII letter: characters and bytes differ.
    const QString shown = edit->text();
    const int at = static_cast<int>(shown.indexOf("STOCK_Title"));
    ASSERT_GT(at, 0);
    edit->setSelection(at, 11);
    const auto& host = zv::host::HostState::Get();
    EXPECT_EQ(host.editItem, call.GetItem());
    EXPECT_EQ(host.editText, call.GetText());
    EXPECT_EQ(host.editText.substr(static_cast<std::size_t>(host.editStart),
                                   static_cast<std::size_t>(host.editEnd - host.editStart)),
              "STOCK_Title");
    EXPECT_EQ(EditGetItem(CurrentOutline()), call.GetItem());
    // Closing the editor with a change is one undoable edit; the edit state ends.
    edit->setText(shown + " ");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::qWait(20);  // the view commits and closes its editor from the event loop
    EXPECT_EQ(host.editItem, 0u);
    EXPECT_EQ(m_host->undoStack()->count(), 1);
}

TEST_F(EditorTest, TheSpanTheKitSelectsIsShown)
{
    OpenInWindow("orders.apt");
    CGItem function = Find("Function: LoadCustomer");
    SelectInText(function, 0, function.GetName());
    EXPECT_EQ(m_host->outlineView()->currentItem(), function.GetItem());
    const auto& sel = zv::host::HostState::Get().editorSelection;
    EXPECT_EQ(sel.end - sel.start, 12);
    EXPECT_TRUE(m_host->outlineView()->isExpanded(Model().parent(Model().indexOf(function.GetItem()))));
}

TEST_F(EditorTest, SavingKeepsLayoutEncodingAndLineEnds)
{
    OpenInWindow("orders-indented-utf16.apt");
    const std::string before = ReadBytes(m_path);
    MakeCurrent("Set SqlDatabase");
    ASSERT_TRUE(m_host->editLine("Set SqlDatabase = 'ÜBER'"));
    ASSERT_TRUE(m_host->save());
    EXPECT_FALSE(m_host->isModified());
    m_host->undoStack()->undo();
    ASSERT_TRUE(m_host->save());
    EXPECT_EQ(ReadBytes(m_path), before);
    m_host->undoStack()->redo();
    ASSERT_TRUE(m_host->save());
    ASSERT_TRUE(m_host->openFile(QString::fromStdString(m_path)));
    EXPECT_EQ(Find("Set SqlDatabase").GetTitle(0), "Set SqlDatabase = 'ÜBER'");
}

TEST_F(EditorTest, BadFilesAreRefusedClearlyAndNothingIsWritten)
{
    OpenInWindow("orders.apt");
    const HOUTLINE open = CurrentOutline();
    const std::pair<const char*, const char*> cases[] = {{"bad/binary.app", "binary outline"},
                                                         {"bad/truncated-in-data.apt", "truncated-in-data.apt:5:"}};
    for (const auto& [bad, why] : cases) {
        const std::string path = m_tmp.Copy(bad, std::filesystem::path(bad).filename().string());
        const std::string bytes = ReadBytes(path);
        m_boxes.clear();
        EXPECT_FALSE(m_host->openFile(QString::fromStdString(path)));
        ASSERT_EQ(m_boxes.size(), 1u) << bad;
        EXPECT_NE(m_boxes[0].find(path), std::string::npos) << m_boxes[0];
        EXPECT_NE(m_boxes[0].find(why), std::string::npos) << m_boxes[0];
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_EQ(CurrentOutline(), open) << "the open program stays";
    }
    // Missing libraries: the program opens, the output window names them.
    const std::string path = m_tmp.Copy("bad/missing-include.apt", "missing-include.apt");
    EXPECT_TRUE(m_host->openFile(QString::fromStdString(path)));
    const auto& output = zv::host::HostState::Get().output;
    EXPECT_TRUE(std::any_of(output.begin(), output.end(),
                            [](const auto& line) { return line.text.find("library not found") == 0; }));
}

TEST_F(EditorTest, OutputLinesLeadToTheirItemsAndClear)
{
    OpenInWindow("orders.apt");
    CGItem function = Find("Function: LoadCustomer");
    CGApplication(CurrentOutline()).ReportMessage("unresolved name: xyz", &function);
    ReportError("Zavora", "a problem", 0);
    auto* output = m_host->outputWindow();
    ASSERT_GE(output->count(), 2);
    QListWidgetItem* line = output->item(output->count() - 2);
    EXPECT_EQ(line->text(), "unresolved name: xyz");
    emit output->itemDoubleClicked(line);
    EXPECT_EQ(m_host->outlineView()->currentItem(), function.GetItem());
    ClearErrorLog();
    EXPECT_EQ(output->count(), 0);
}

TEST_F(EditorTest, TheZavoraMenuListsEveryKeyAndBindsNone)
{
    zv::ide::PluginHost missing;
    EXPECT_FALSE(missing.load(QString::fromStdString(m_tmp.Path(""))));
    m_host->setPlugin(&missing);
    QStringList keys;
    for (QAction* action : m_host->zavoraMenu()->actions()) {
        const QString text = action->text();
        if (text.contains('\t')) keys << text.section('\t', 1);
        if (text.endsWith("F11")) {
            EXPECT_FALSE(action->isEnabled()) << "no explorer: " << text.toStdString();
        }
    }
    EXPECT_EQ(keys, (QStringList{"F11", "Shift+F11", "Alt+F11", "Ctrl+F11", "Ctrl+Alt+F11", "Ctrl+Alt+Shift+F11"}));
    for (QAction* action : m_host->findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_FALSE(key.toString().contains("F11")) << action->text().toStdString();
    const QList<QAction*> entries = m_host->zavoraMenu()->actions();
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](QAction* a) { return a->text() == "&Auto Mode"; }));
    EXPECT_TRUE(m_host->statusBar()->findChild<QLabel*>()->text().contains("explorer is missing"));
}

TEST_F(EditorTest, ClosingWithUnsavedChangesAsks)
{
    OpenInWindow("orders.apt");
    MakeCurrent("Set SqlDatabase");
    m_host->editLine("Set SqlDatabase = 'X'");
    m_answer = ZvIDCANCEL;
    EXPECT_FALSE(m_host->close());
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(m_host->isVisible());
    const std::string bytes = ReadBytes(m_path);
    m_answer = ZvIDNO;
    EXPECT_TRUE(m_host->close());
    EXPECT_EQ(ReadBytes(m_path), bytes) << "No does not save";
}

} // namespace
} // namespace zvtest
