#include "platform/ide/OutlineView.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/ide/OutlineModel.h"
#include "platform/outline/HostState.h"

namespace zv::ide {

namespace {

// UTF-8 bytes of the first `chars` characters of the editor's text.
int BytesOf(const QString& display, int chars)
{
    return static_cast<int>(OutlineModel::modelLine(display.left(chars)).size());
}

// Tells the host what the line editor holds: the text behind the item's
// keyword and the selection in it, in the kit's byte offsets.
void ReportEditState(const QLineEdit* edit, HITEM hItem, const std::string& keyword)
{
    const QString display = edit->text();
    const std::string line = OutlineModel::modelLine(display);
    int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    int end = edit->hasSelectedText() ? edit->selectionEnd() : start;
    start = BytesOf(display, start);
    end = BytesOf(display, end);
    std::string text = line;
    if (!keyword.empty() && line.compare(0, keyword.size(), keyword) == 0) {
        text = line.substr(keyword.size());
        const int skip = static_cast<int>(keyword.size());
        start = std::max(0, start - skip);
        end = std::max(0, end - skip);
    }
    zv::host::HostState::Get().Edit(hItem, text, start, end);
}

class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(OutlineView* view) : QStyledItemDelegate(view), m_view(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        const HITEM hItem = m_view->outlineModel()->itemAt(index);
        const CGItem item(CurrentOutline(), hItem);
        const std::string line = item.GetTitle(0);
        const std::string text = item.GetText();
        const std::string keyword = line.substr(0, line.size() - text.size());
        auto report = [edit, hItem, keyword] { ReportEditState(edit, hItem, keyword); };
        QObject::connect(edit, &QLineEdit::selectionChanged, edit, report);
        QObject::connect(edit, &QLineEdit::cursorPositionChanged, edit, report);
        QObject::connect(edit, &QLineEdit::textChanged, edit, report);
        QObject::connect(edit, &QObject::destroyed, [hItem] {
            auto& host = zv::host::HostState::Get();
            if (host.editItem == hItem) host.EndEdit();
        });
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* edit = static_cast<QLineEdit*>(editor);
        edit->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        const std::string line = OutlineModel::modelLine(static_cast<QLineEdit*>(editor)->text());
        const HITEM hItem = m_view->outlineModel()->itemAt(index);
        if (hItem && line != CGItem(CurrentOutline(), hItem).GetTitle(0) && m_view->onLineEdited)
            m_view->onLineEdited(hItem, line);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        // The span the kit selected in this item's text.
        const auto& sel = zv::host::HostState::Get().editorSelection;
        if (sel.end <= sel.start || sel.item != m_view->outlineModel()->itemAt(index)) return;
        const CGItem item(sel.outline, sel.item);
        const std::string line = item.GetTitle(0);
        const std::size_t textStart = line.size() - item.GetText().size();
        const std::size_t from = std::min(line.size(), textStart + static_cast<std::size_t>(sel.start));
        const std::size_t to = std::min(line.size(), textStart + static_cast<std::size_t>(sel.end));
        const QString display = OutlineModel::displayLine(line);
        const int a = static_cast<int>(QString::fromUtf8(line.data(), static_cast<qsizetype>(from)).size());
        const int b = static_cast<int>(QString::fromUtf8(line.data(), static_cast<qsizetype>(to)).size());
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!style) return;
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QFontMetrics metrics(opt.font);
        const int x = textRect.left() + margin + metrics.horizontalAdvance(display.left(a));
        const int width = metrics.horizontalAdvance(display.mid(a, b - a));
        // Amber: it must show on the selected row too, which the span's item always is.
        painter->fillRect(QRect(x, textRect.top() + 1, width, textRect.height() - 2), QColor(255, 200, 0, 140));
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // Greyed or dimmed text would be hard to read on the selection colour.
        if (option->state & QStyle::State_Selected) {
            const QPalette& normal = m_view->palette();
            for (auto group : {QPalette::Active, QPalette::Inactive})
                for (auto role : {QPalette::Text, QPalette::HighlightedText})
                    option->palette.setBrush(group, role, normal.brush(group, QPalette::HighlightedText));
        }
    }

private:
    OutlineView* m_view;
};

} // namespace

OutlineView::OutlineView(OutlineModel* model, QWidget* parent) : QTreeView(parent), m_model(model)
{
    setModel(model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setItemDelegate(new LineDelegate(this));
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_listener = zv::host::HostState::Get().Listen([this](zv::host::HostChange what, HITEM) {
        if (what == zv::host::HostChange::Selection) followHost();
        if (what == zv::host::HostChange::Outline) {
            // A new outline opens with its first level shown.
            expand(m_model->index(0, 0));
        }
    });
}

OutlineView::~OutlineView() { zv::host::HostState::Get().Unlisten(m_listener); }

HITEM OutlineView::currentItem() const { return m_model->itemAt(currentIndex()); }

void OutlineView::showItem(HITEM hItem)
{
    const QModelIndex index = m_model->indexOf(hItem);
    if (!index.isValid()) return;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) expand(p);
    // Tells the host of the new selection, unless it already knows it.
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    viewport()->update();
}

void OutlineView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    const HITEM hItem = m_model->itemAt(current);
    auto& host = zv::host::HostState::Get();
    if (hItem && hItem != host.selectedItem) {
        // The user moved on: the span the kit showed belongs to the old place.
        host.editorSelection = {};
        host.Select(m_model->outline(), hItem);
    }
}

void OutlineView::followHost()
{
    const HITEM hItem = zv::host::HostState::Get().selectedItem;
    if (hItem && hItem != currentItem()) showItem(hItem);
    viewport()->update();
}

} // namespace zv::ide
