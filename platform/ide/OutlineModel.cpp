#include "platform/ide/OutlineModel.h"

#include <QBrush>
#include <QColor>

#include "platform/ide/ItemIcons.h"
#include "platform/outline/Outline.h"

using zv::outline::Item;
using zv::outline::Outline;
using zv::outline::Registry;

namespace zv::ide {

namespace {

constexpr QChar kReturnSymbol(0x21B5);

} // namespace

OutlineModel::OutlineModel(QObject* parent) : QAbstractItemModel(parent)
{
    m_listener = zv::host::HostState::Get().Listen(
        [this](zv::host::HostChange what, HITEM hItem) { onChange(what, hItem); });
}

OutlineModel::~OutlineModel() { zv::host::HostState::Get().Unlisten(m_listener); }

void OutlineModel::setOutline(HOUTLINE hOutline)
{
    beginResetModel();
    m_hOutline = hOutline;
    m_children.clear();
    m_rowOf.clear();
    endResetModel();
}

QString OutlineModel::displayLine(const std::string& line)
{
    QString text = QString::fromStdString(line);
    text.replace(QChar('\n'), kReturnSymbol);
    return text;
}

std::string OutlineModel::modelLine(const QString& display)
{
    QString text = display;
    text.replace(kReturnSymbol, QChar('\n'));
    return text.toStdString();
}

const std::vector<std::int32_t>& OutlineModel::children(std::int32_t parent) const
{
    auto found = m_children.find(parent);
    if (found != m_children.end()) return found->second;
    std::vector<std::int32_t>& list = m_children[parent];
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o) return list;
    if (m_rowOf.size() < o->items.size()) m_rowOf.resize(o->items.size() + o->items.size() / 8, -1);
    if (parent < 0) {
        if (o->root >= 0) list.push_back(o->root);
    } else {
        for (std::int32_t c = o->items[parent].firstChild; c >= 0; c = o->items[c].next) list.push_back(c);
    }
    for (std::size_t r = 0; r < list.size(); ++r) m_rowOf[list[r]] = static_cast<std::int32_t>(r);
    return list;
}

QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0) return {};
    const std::int32_t p = parent.isValid() ? static_cast<std::int32_t>(parent.internalId()) - 1 : -1;
    const auto& list = children(p);
    if (static_cast<std::size_t>(row) >= list.size()) return {};
    return createIndex(row, 0, static_cast<quintptr>(list[row] + 1));
}

QModelIndex OutlineModel::indexOfIndex(std::int32_t index) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || !o->IsAlive(index)) return {};
    const std::int32_t parent = o->items[index].parent;
    children(parent);  // makes sure the row is known
    if (static_cast<std::size_t>(index) >= m_rowOf.size() || m_rowOf[index] < 0) return {};
    return createIndex(m_rowOf[index], 0, static_cast<quintptr>(index + 1));
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const
{
    if (!child.isValid()) return {};
    const Outline* o = Registry::Get().Find(m_hOutline);
    const std::int32_t index = static_cast<std::int32_t>(child.internalId()) - 1;
    if (!o || index < 0 || static_cast<std::size_t>(index) >= o->items.size()) return {};
    const std::int32_t parent = o->items[index].parent;
    return parent < 0 ? QModelIndex() : indexOfIndex(parent);
}

int OutlineModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0) return 0;
    const std::int32_t p = parent.isValid() ? static_cast<std::int32_t>(parent.internalId()) - 1 : -1;
    return static_cast<int>(children(p).size());
}

int OutlineModel::columnCount(const QModelIndex&) const { return 1; }

bool OutlineModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid()) return Registry::Get().Find(m_hOutline) != nullptr;
    const Outline* o = Registry::Get().Find(m_hOutline);
    const std::int32_t index = static_cast<std::int32_t>(parent.internalId()) - 1;
    return o && o->IsAlive(index) && o->items[index].firstChild >= 0;
}

QModelIndex OutlineModel::indexOf(HITEM hItem) const
{
    std::int32_t index = -1;
    const Outline* o = Registry::Get().Resolve(hItem, &index);
    if (!o || o->Handle() != m_hOutline) return {};
    // Open the lists from the root down.
    std::vector<std::int32_t> chain;
    for (std::int32_t i = index; i >= 0; i = o->items[i].parent) chain.push_back(i);
    QModelIndex result;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) result = indexOfIndex(*it);
    return result;
}

HITEM OutlineModel::itemAt(const QModelIndex& index) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o || !index.isValid()) return 0;
    const std::int32_t i = static_cast<std::int32_t>(index.internalId()) - 1;
    return o->IsAlive(i) ? o->ItemHandle(i) : 0;
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    const std::int32_t i = index.isValid() ? static_cast<std::int32_t>(index.internalId()) - 1 : -1;
    if (!o || !o->IsAlive(i)) return {};
    const Item& item = o->items[i];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return displayLine(item.line);
    case Qt::DecorationRole: {
        const bool breakpoint = zv::host::HostState::Get().breakpoints.count(o->ItemHandle(i)) > 0;
        return ItemIcon(item.type, item.commented, breakpoint);
    }
    case Qt::ForegroundRole:
        // Included items are read-only: greyed. Commented-out code is dimmed green.
        if (item.file != 0) return QBrush(QColor(128, 128, 128));
        if (item.commented) return QBrush(QColor(40, 120, 40));
        return {};
    case Qt::ToolTipRole:
        return QString("%1:%2  (type %3)%4")
            .arg(QString::fromStdString(o->files[item.file].path))
            .arg(item.lineNo)
            .arg(item.type)
            .arg(item.file != 0 ? "  read-only: included" : "");
    default:
        return {};
    }
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    const std::int32_t i = index.isValid() ? static_cast<std::int32_t>(index.internalId()) - 1 : -1;
    if (!o || !o->IsAlive(i)) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (o->items[i].file == 0 && o->items[i].parent >= 0) f |= Qt::ItemIsEditable;
    return f;
}

std::int32_t OutlineModel::currentRow(std::int32_t index) const
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    std::int32_t row = 0;
    for (std::int32_t p = o->items[index].prev; p >= 0; p = o->items[p].prev) ++row;
    return row;
}

void OutlineModel::onChange(zv::host::HostChange what, HITEM hItem)
{
    using zv::host::HostChange;
    if (what == HostChange::Outline) {
        if (CurrentOutline() != m_hOutline) setOutline(CurrentOutline());
        return;
    }
    if (what == HostChange::Output || what == HostChange::Selection) return;
    if (Outline::SerialOf(hItem) != m_hOutline) return;
    const Outline* o = Registry::Get().Find(m_hOutline);
    if (!o) return;
    const std::int32_t index = Outline::IndexOf(hItem);
    if (index < 0 || static_cast<std::size_t>(index) >= o->items.size()) return;
    const std::int32_t parent = o->items[index].parent;
    const bool listed = m_children.count(parent) > 0;
    const QModelIndex parentIndex = parent >= 0 ? indexOfIndex(parent) : QModelIndex();
    switch (what) {
    case HostChange::Text:
    case HostChange::Breakpoints:
        if (listed) {
            const QModelIndex changed = indexOfIndex(index);
            emit dataChanged(changed, changed);
        }
        break;
    case HostChange::Inserted: {
        if (!listed) {
            // A list nobody has opened: only its expand mark may change.
            if (parentIndex.isValid()) emit dataChanged(parentIndex, parentIndex);
            break;
        }
        auto& list = m_children[parent];
        const int row = currentRow(index);
        beginInsertRows(parentIndex, row, row);
        list.insert(list.begin() + row, index);
        if (m_rowOf.size() < o->items.size()) m_rowOf.resize(o->items.size() + o->items.size() / 8, -1);
        for (std::size_t r = static_cast<std::size_t>(row); r < list.size(); ++r)
            m_rowOf[list[r]] = static_cast<std::int32_t>(r);
        endInsertRows();
        break;
    }
    case HostChange::Removed: {
        if (!listed || static_cast<std::size_t>(index) >= m_rowOf.size()) break;
        auto& list = m_children[parent];
        const int row = m_rowOf[index];
        if (row < 0 || static_cast<std::size_t>(row) >= list.size() || list[row] != index) break;
        beginRemoveRows(parentIndex, row, row);
        list.erase(list.begin() + row);
        m_rowOf[index] = -1;
        for (std::size_t r = static_cast<std::size_t>(row); r < list.size(); ++r)
            m_rowOf[list[r]] = static_cast<std::int32_t>(r);
        endRemoveRows();
        break;
    }
    case HostChange::Moved: {
        if (!listed) break;
        auto& list = m_children[parent];
        const int from = m_rowOf[index];
        const int to = currentRow(index);
        if (from == to) break;
        beginMoveRows(parentIndex, from, from, parentIndex, to > from ? to + 1 : to);
        list.erase(list.begin() + from);
        list.insert(list.begin() + to, index);
        for (std::size_t r = 0; r < list.size(); ++r) m_rowOf[list[r]] = static_cast<std::int32_t>(r);
        endMoveRows();
        break;
    }
    default:
        break;
    }
}

} // namespace zv::ide
