// The Unreferenced tab on the sample program: the list against the command
// line, deletion through the outline kit, the hint, sorting, the filter
// editor's news, the progress picture, and rows that outlive their items.
#include <QHeaderView>
#include <QMouseEvent>
#include <QProcessEnvironment>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "ExplorerFixture.h"
#include "explorer/ZvCaption.h"
#include "explorer/UnrefProgress.h"
#include "explorer/ZvUnrefFilterView.h"
#include "explorer/ZvUnrefPane.h"
#include "explorer/ZvUnrefView.h"
#include "host/ZavoraNotificationInterface.h"
#include "settings/ZvFilterCollection.h"

namespace zvtest {
namespace {

// Counts the kit's deletion notices.
class DeleteRecorder : public CNotificationInterface {
public:
    void OnEditDelete(HOUTLINE, HITEM hItem) override { deleted.push_back(hItem); }
    std::vector<HITEM> deleted;
};

// The row colours as the list paints them.
class RowColours : public CZvRowDelegate {
public:
    using CZvRowDelegate::CZvRowDelegate;
    QColor textOf(const QModelIndex& index) const
    {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.palette.color(QPalette::Text);
    }
};

std::string Key(const std::string& name, const std::string& file, int line)
{
    return name + "@" + file + ":" + std::to_string(line);
}

} // namespace

class UnrefTab : public ExplorerTest {
protected:
    void TearDown() override
    {
        CUnrefProgress::setShownHook(nullptr);
        ExplorerTest::TearDown();
    }

    CZvUnrefTab* Tab() const { return m_frame->tabView()->unrefTab(); }
    CZvUnrefPane* Pane() const { return Tab()->pane(); }
    CZvUnrefView* View() const { return Pane()->listView(); }
    CZvUnrefListViewCtrl* List() const { return View()->list(); }

    void Open()
    {
        m_frame->tabView()->setCurrentWidget(Tab()->page());
        QApplication::processEvents();
    }
    // The whole program, on the tab.
    void ShowWholeProgram()
    {
        ShowApplication();
        Open();
    }
    QTreeWidgetItem* Row(const std::string& name) const
    {
        for (int i = 0; i < List()->topLevelItemCount(); ++i)
            if (List()->topLevelItem(i)->text(0).toStdString() == name) return List()->topLevelItem(i);
        ADD_FAILURE() << name << " is not listed";
        return nullptr;
    }
    // Name, file and line of each live row, sorted.
    std::vector<std::string> RowKeys() const
    {
        std::vector<std::string> keys;
        for (int i = 0; i < List()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = List()->topLevelItem(i);
            const CGItem item(zvrow::OutlineOf(row), zvrow::ItemOf(row));
            if (!item.GetItem()) continue;
            EXPECT_EQ(row->text(0).toStdString(), std::string(item.GetName()));
            keys.push_back(Key(item.GetName(), item.GetFileName(), item.GetLineNumber()));
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    // The same from zavora-xref unref.
    std::vector<std::string> CliKeys(const QStringList& extra = {}) const
    {
        std::vector<std::string> keys;
        for (const QJsonValue& symbol : Cli(QStringList{"unref"} + extra)["unreferenced"].toArray()) {
            const QJsonObject o = symbol.toObject();
            keys.push_back(Key(o["name"].toString().toStdString(), o["file"].toString().toStdString(),
                               o["line"].toInt()));
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    // Picks a filter in the list view's combo as the user does.
    void ChooseFilter(const QString& name)
    {
        QComboBox* combo = View()->filterCombo();
        const int index = combo->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Choose(combo, index);
        QApplication::processEvents();
    }
};

TEST_F(UnrefTab, TheWholeProgramAndAStoredFilterListWhatTheCommandLineLists)
{
    Parse();
    ShowWholeProgram();
    EXPECT_EQ(m_frame->tabView()->currentWidget(), Tab()->page());
    EXPECT_EQ(m_frame->statusPane(1)->text(), "Current symbol: Application Description") << "named by its keyword";
    const std::vector<std::string> cli = CliKeys();
    ASSERT_GT(cli.size(), 3u);
    EXPECT_EQ(RowKeys(), cli) << "the first filter shows what no filter shows";
    EXPECT_FALSE(View()->showsHint());
    EXPECT_TRUE(View()->isOpen());
    EXPECT_EQ(View()->caption()->text(),
              QString("Unreferenced Symbols ( %1 )").arg(static_cast<int>(cli.size())));
    // Both halves of the tab show their picture before the title.
    EXPECT_TRUE(View()->caption()->hasPicture());
    EXPECT_TRUE(Pane()->filterView()->caption()->hasPicture());
    for (int c = 0; c + 1 < List()->columnCount(); ++c) {
        const int width = List()->columnWidth(c);
        List()->resizeColumnToContents(c);
        EXPECT_EQ(List()->columnWidth(c), width) << "column " << c << " is sized to its texts";
    }
    EXPECT_EQ(List()->headerItem()->text(1), "Parent");
    EXPECT_EQ(List()->headerItem()->text(2), "Context");

    SCOPED_TRACE("a stored filter lists what the command line lists with it");
    CZvParentItemFilter* globals = Store("GlobalsOnly", {ItemType::UserConstants, ItemType::GlobalVariables});
    ASSERT_NE(globals, nullptr);
    Pane()->filterAdded(globals);
    ChooseFilter("GlobalsOnly");
    EXPECT_EQ(View()->filter()->getName(), "GlobalsOnly");
    EXPECT_EQ(List()->filter(), View()->filter()) << "the combo and the list use one filter";
    const std::vector<std::string> rows = RowKeys();
    EXPECT_EQ(rows, CliKeys({"--filter", "GlobalsOnly"}));
    EXPECT_LT(rows.size(), cli.size());
    EXPECT_FALSE(rows.empty());
}

// Ctrl+Alt+Shift+F11: the first press brings up the list, the next deletes
// what is chosen in it, after the same question as the button.
TEST_F(UnrefTab, TheDeleteKeyBringsUpTheListThenDeletesTheChosenSymbols)
{
    Parse();
    ShowApplication();
    m_frame->tabView()->setCurrentIndex(0);
    Answer(ZvIDYES);
    Engine().DeleteUnrefs();
    EXPECT_TRUE(m_frame->tabView()->isUnrefTabVisible());
    EXPECT_TRUE(m_boxes.empty()) << "nothing was chosen yet";
    ASSERT_GT(View()->itemCount(), 0);
    Engine().DeleteUnrefs();
    EXPECT_TRUE(m_boxes.empty()) << "still nothing chosen: no question";

    QTreeWidgetItem* chosen = Row("gsSpareText");
    ASSERT_NE(chosen, nullptr);
    const HITEM hChosen = zvrow::ItemOf(chosen);
    chosen->setSelected(true);
    Engine().DeleteUnrefs();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Really delete symbols?");
    EXPECT_FALSE(CGItem(m_hOutline, hChosen).IsValid());
    EXPECT_EQ(zvrow::ItemOf(chosen), 0u);
    // The same rows again: nothing left to ask about.
    Engine().DeleteUnrefs();
    EXPECT_EQ(m_boxes.size(), 1u);
}

TEST_F(UnrefTab, NoKeepsAndYesDeletesTheSelectedItemsLeavingTheirRowsInert)
{
    CZavoraNotificationInterface engineEar;
    engineEar.StartNotification(m_hOutline);
    DeleteRecorder recorder;
    recorder.StartNotification(m_hOutline);
    Parse();
    ShowWholeProgram();
    const std::vector<std::string> before = RowKeys();
    const int rows = View()->itemCount();
    QTreeWidgetItem* kept = Row("LegacyBinLabel");
    QTreeWidgetItem* first = Row("gsSpareText");
    QTreeWidgetItem* second = Row("OLD_PageSize");
    ASSERT_TRUE(first && second);
    const HITEM hFirst = zvrow::ItemOf(first), hSecond = zvrow::ItemOf(second);
    const std::string firstKey = Key("gsSpareText", CGItem(m_hOutline, hFirst).GetFileName(),
                                     CGItem(m_hOutline, hFirst).GetLineNumber());
    first->setSelected(true);
    second->setSelected(true);
    Answer(ZvIDNO);
    View()->deleteButton()->click();
    EXPECT_TRUE(recorder.deleted.empty()) << "No deletes nothing";
    EXPECT_EQ(zvrow::ItemOf(first), hFirst);
    EXPECT_FALSE(m_frame->isOutdated());

    Answer(ZvIDYES);
    View()->deleteButton()->click();
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[0].text, "Really delete symbols?");
    EXPECT_EQ(m_boxes[0].caption, "Zavora");
    EXPECT_EQ(m_boxes[0].buttons, ZvMB_YESNO);
    EXPECT_EQ(m_boxes[0].icon, ZvMB_ICONQUESTION);
    std::sort(recorder.deleted.begin(), recorder.deleted.end());
    EXPECT_EQ(recorder.deleted, (std::vector<HITEM>{std::min(hFirst, hSecond), std::max(hFirst, hSecond)}));
    EXPECT_FALSE(CGItem(m_hOutline, hFirst).IsValid());
    EXPECT_FALSE(CGItem(m_hOutline, hSecond).IsValid());
    EXPECT_TRUE(m_frame->isOutdated());
    EXPECT_EQ(View()->itemCount(), rows) << "the rows stay until the next update";
    EXPECT_EQ(View()->caption()->text(), QString("Unreferenced Symbols ( %1 )").arg(rows));
    EXPECT_EQ(zvrow::ItemOf(first), 0u);
    EXPECT_EQ(zvrow::ItemOf(second), 0u);
    EXPECT_EQ(List()->liveRowCount(), rows - 2);
    RowColours colours;
    EXPECT_EQ(colours.textOf(List()->indexFromItem(first, 1)), zvrow::kInert);
    EXPECT_EQ(colours.textOf(List()->indexFromItem(kept, 1)), List()->palette().color(QPalette::Text));
    zv::host::HostState::Get().editorSelection = {};
    emit List()->itemDoubleClicked(first, 0);
    EXPECT_EQ(zv::host::HostState::Get().editorSelection.item, 0u) << "an inert row shows nothing";

    // Again with the same rows: nothing reaches the kit.
    View()->deleteButton()->click();
    EXPECT_EQ(recorder.deleted.size(), 2u);
    EXPECT_EQ(List()->liveRowCount(), rows - 2);

    Parse();
    std::vector<std::string> expected = before;
    expected.erase(std::remove_if(expected.begin(), expected.end(),
                                  [&](const std::string& key) {
                                      return key == firstKey || key.rfind("OLD_PageSize@", 0) == 0;
                                  }),
                   expected.end());
    EXPECT_EQ(RowKeys(), expected) << "the re-parse lists what is still unreferenced";
    EXPECT_EQ(List()->liveRowCount(), View()->itemCount());
}

TEST_F(UnrefTab, DeletingAFunctionLeavesTheRowsOfItsUnusedLocalsInertToo)
{
    // The sample with an unused local in the unused function LegacyBinLabel.
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::filesystem::copy_file(std::string(ZV_EXAMPLES_DIR) + "/stocklib.apl", folder + "/stocklib.apl");
    std::ifstream in(std::string(ZV_EXAMPLES_DIR) + "/stockroom.apt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string before = ".head 4 -  Local variables\r\n.head 4 +  Actions\r\n.head 5 -  Return 'B'";
    const std::size_t at = text.find(before);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, std::string(".head 4 -  Local variables\r\n").size(),
                 ".head 4 +  Local variables\r\n.head 5 -  Number: nUnusedBin\r\n");
    std::ofstream(folder + "/stockroom.apt", std::ios::binary) << text;
    DropWindows();
    Reopen(folder + "/stockroom.apt");
    MakeWindows();

    Parse();
    ShowWholeProgram();
    QTreeWidgetItem* function = Row("LegacyBinLabel");
    QTreeWidgetItem* local = Row("nUnusedBin");
    ASSERT_TRUE(function && local);
    const HITEM hFunction = zvrow::ItemOf(function);
    DeleteRecorder recorder;
    recorder.StartNotification(m_hOutline);
    function->setSelected(true);
    local->setSelected(true);
    Answer(ZvIDYES);
    View()->deleteButton()->click();
    EXPECT_EQ(recorder.deleted, std::vector<HITEM>{hFunction}) << "what went with the function is not handed to the kit again";
    EXPECT_EQ(zvrow::ItemOf(function), 0u);
    EXPECT_EQ(zvrow::ItemOf(local), 0u);
    EXPECT_EQ(List()->liveRowCount(), View()->itemCount() - 2);
}

TEST_F(UnrefTab, WithoutAParseOrACurrentItemTheListSaysWhy)
{
    Open();
    EXPECT_EQ(View()->itemCount(), 0);
    EXPECT_TRUE(View()->showsHint());
    EXPECT_NE(List()->hint().indexOf("Ctrl+F11"), -1) << List()->hint().toStdString();
    EXPECT_TRUE(View()->isOpen()) << "a list that says why it is empty is not folded away";
    EXPECT_TRUE(Pane()->filterView()->isOpen());

    Parse();  // its end refreshes the tab on show
    EXPECT_EQ(View()->itemCount(), 0);
    EXPECT_NE(List()->hint().indexOf("F11"), -1);
    EXPECT_EQ(List()->hint().indexOf("Ctrl+F11"), -1) << "parsed: only the item is missing";
    EXPECT_TRUE(View()->isOpen());

    ShowWholeProgram();
    EXPECT_FALSE(View()->showsHint());
    EXPECT_GT(View()->itemCount(), 0);

    // Nothing parsed any more: no rows of the old search remain.
    Engine().Clear();
    m_frame->tabView()->update();
    EXPECT_EQ(View()->itemCount(), 0);
    EXPECT_TRUE(View()->showsHint());
}

TEST_F(UnrefTab, HeaderClicksSortAndARightClickKeepsTheDirectionShown)
{
    Parse();
    ShowWholeProgram();
    auto column = [this](int c) {
        std::vector<QString> texts;
        for (int i = 0; i < List()->topLevelItemCount(); ++i) texts.push_back(List()->topLevelItem(i)->text(c));
        return texts;
    };
    auto sorted = [](std::vector<QString> texts, bool bAscending) {
        std::stable_sort(texts.begin(), texts.end(), [bAscending](const QString& a, const QString& b) {
            const int order = a.compare(b, Qt::CaseInsensitive);
            return bAscending ? order < 0 : order > 0;
        });
        return texts;
    };
    QHeaderView* header = List()->header();
    emit header->sectionClicked(0);
    EXPECT_EQ(column(0), sorted(column(0), true));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    emit header->sectionClicked(0);
    EXPECT_EQ(column(0), sorted(column(0), false));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_TRUE(header->isSortIndicatorShown());

    // Right button on "Parent": that column, in the direction the header shows (descending).
    const QPoint at(header->sectionViewportPosition(1) + 5, header->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, header->viewport()->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &press);
    EXPECT_EQ(List()->sortColumnIndex(), 1);
    EXPECT_FALSE(List()->ascending());
    EXPECT_EQ(column(1), sorted(column(1), false));

    // The order holds when the list is rebuilt.
    View()->doUpdate();
    EXPECT_EQ(column(1), sorted(column(1), false));
}

TEST_F(UnrefTab, TheEditorsNewsReachTheListThroughThePane)
{
    CZvParentItemFilter* globals = Store("GlobalsOnly", {ItemType::UserConstants, ItemType::GlobalVariables});
    Parse();
    ShowWholeProgram();
    Pane()->filterAdded(globals);
    QComboBox* combo = View()->filterCombo();
    const QString shown = combo->currentText();
    ASSERT_NE(combo->findText("GlobalsOnly"), -1) << "added";
    EXPECT_EQ(combo->currentText(), shown) << "added, not chosen";
    ChooseFilter("GlobalsOnly");
    const std::vector<std::string> globalRows = RowKeys();

    // Saved with fewer types: the list follows the saved filter.
    {
        CZvParentItemFilter edited("GlobalsOnly");
        edited.remove(static_cast<std::uint16_t>(ItemType::GlobalVariables));
        edited.save();
        Pane()->filterSaved(&edited);
    }
    EXPECT_LT(RowKeys().size(), globalRows.size());
    EXPECT_FALSE(List()->filter()->has(ItemType::GlobalVariables));
    EXPECT_EQ(List()->filter(), View()->filter());
    const std::vector<std::string> constantRows = RowKeys();

    // Another filter saved: the list stays as it is.
    CZvParentItemFilter* other = Store("Nothing", {});
    Pane()->filterAdded(other);
    Pane()->filterSaved(other);
    EXPECT_EQ(RowKeys(), constantRows);
    EXPECT_EQ(combo->currentText(), "GlobalsOnly");

    // A new default moves the mark, and the list keeps its filter and rows.
    CZvFilterCollection::shared()->get("Nothing")->makeDefault();
    Pane()->newDefaultFilter(CZvFilterCollection::shared()->get("Nothing"));
    EXPECT_EQ(combo->currentText(), "GlobalsOnly");
    EXPECT_EQ(View()->filter()->getName(), "GlobalsOnly");
    EXPECT_EQ(List()->filter(), View()->filter());
    EXPECT_EQ(RowKeys(), constantRows);
    EXPECT_FALSE(combo->itemIcon(combo->findText("Nothing")).isNull()) << "the default's mark";

    // Another filter removed: the list keeps its own.
    CZvParentItemFilter* spare = Store("Spare", {ItemType::GlobalVariables});
    Pane()->filterAdded(spare);
    CZvFilterCollection::shared()->remove("Spare");
    Pane()->filterDeleted(spare);
    EXPECT_EQ(combo->findText("Spare"), -1);
    EXPECT_EQ(combo->currentText(), "GlobalsOnly");
    EXPECT_EQ(RowKeys(), constantRows);

    // The filter on show removed: the default takes over, in the combo as in the list.
    CZvFilterCollection::shared()->remove("GlobalsOnly");
    Pane()->filterDeleted(globals);
    EXPECT_EQ(combo->currentText(), "Nothing");
    EXPECT_EQ(View()->filter()->getName(), "Nothing");
    EXPECT_EQ(List()->filter(), View()->filter());
    EXPECT_EQ(View()->itemCount(), 0) << "an empty filter shows nothing";
    EXPECT_FALSE(View()->isOpen()) << "folded to its caption";
    EXPECT_TRUE(Pane()->filterView()->isOpen());
}

TEST_F(UnrefTab, OpeningTheTabParsesFirstWhenAskedAndTheUpdateNeverDoes)
{
    Engine().GetPreferences()->AutoParseUnref = true;
    Parse();
    ShowApplication();
    m_frame->outdated(true);
    ASSERT_TRUE(Engine().IsOutdated());

    View()->doUpdate();
    EXPECT_TRUE(Engine().IsOutdated()) << "never from inside the view's update";
    Open();
    EXPECT_FALSE(Engine().IsOutdated()) << "the tab asked for a parse before it showed";
    EXPECT_EQ(RowKeys(), CliKeys());
}

TEST_F(UnrefTab, TheProgressPictureIsUpDuringTheUpdateOnlyAndTakesNothing)
{
    Parse();
    ShowApplication();
    m_host->activateWindow();
    QApplication::processEvents();
    QWidget* active = QApplication::activeWindow();
    int shown = 0;
    CUnrefProgress::setShownHook([&](CUnrefProgress* progress) {
        ++shown;
        EXPECT_TRUE(progress->isVisible());
        EXPECT_TRUE(progress->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(progress->windowType(), Qt::Tool) << "a tool window, not a pop-up";
        EXPECT_TRUE(progress->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_EQ(progress->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(QApplication::activeWindow(), active);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_FALSE(progress->picture()->pixmap().isNull());
        const QPoint centre = m_frame->mapToGlobal(m_frame->rect().center());
        EXPECT_LE((progress->geometry().center() - centre).manhattanLength(), 2);
    });
    Open();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(CUnrefProgress::current(), nullptr);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<CUnrefProgress*>(top) && top->isVisible());

    // A failure in the middle of an update takes the picture down as well.
    CUnrefProgress::setShownHook(nullptr);
    try {
        CUnrefProgress progress(View());
        ASSERT_EQ(CUnrefProgress::current(), &progress);
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(CUnrefProgress::current(), nullptr);
}

TEST_F(UnrefTab, TheTabDrawsAfterDeletionReparseCancelAndClear)
{
    CZavoraNotificationInterface engineEar;
    engineEar.StartNotification(m_hOutline);
    Parse();
    ShowWholeProgram();
    auto draws = [this] {
        return !Tab()->page()->grab().isNull() && !List()->viewport()->grab().isNull() &&
               !Pane()->filterView()->grab().isNull();
    };
    ASSERT_TRUE(draws());
    for (int i = 0; i < List()->topLevelItemCount(); i += 3) List()->topLevelItem(i)->setSelected(true);
    Answer(ZvIDYES);
    View()->deleteButton()->click();
    const int rows = View()->itemCount();
    EXPECT_GT(rows - List()->liveRowCount(), 1);
    EXPECT_TRUE(draws());
    for (int i = 0; i < rows; ++i) emit List()->itemDoubleClicked(List()->topLevelItem(i), 0);

    Parse();
    EXPECT_EQ(List()->liveRowCount(), View()->itemCount());
    EXPECT_TRUE(draws());

    // A parse stopped with Esc leaves no store: the list must not keep its handles.
    ParseWithEsc();
    ASSERT_FALSE(m_boxes.empty());
    EXPECT_EQ(m_boxes.back().text, "Stop parsing?");
    EXPECT_TRUE(draws());
    m_frame->tabView()->update();
    EXPECT_EQ(View()->itemCount(), 0) << "part of a store offers nothing for deletion";
    EXPECT_TRUE(View()->showsHint());
    EXPECT_TRUE(draws());
    for (int i = 0; i < List()->topLevelItemCount(); ++i)
        emit List()->itemDoubleClicked(List()->topLevelItem(i), 0);

    m_frame->clear();
    EXPECT_EQ(View()->itemCount(), 0);
    EXPECT_TRUE(draws());
}

} // namespace zvtest
