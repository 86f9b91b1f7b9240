#pragma once
// The current outline as a Qt item model. Rows are read from the outline
// itself; only the child lists of the items a view has opened are cached,
// so a program of 90,000 items opens at once. The model follows the host
// state's changes (edits by the editor, by the kit, by the plug-in).
#include <QAbstractItemModel>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "contracts/OutlineKit.h"
#include "platform/outline/HostState.h"

namespace zv::ide {

class OutlineModel : public QAbstractItemModel {
public:
    explicit OutlineModel(QObject* parent = nullptr);
    ~OutlineModel() override;

    void setOutline(HOUTLINE hOutline);
    HOUTLINE outline() const { return m_hOutline; }
    // The index of an item, opening the child lists on its way; invalid for
    // items of other outlines and deleted ones.
    QModelIndex indexOf(HITEM hItem) const;
    HITEM itemAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // What the line editor shows for a line: continuation lines joined by a
    // return symbol, one character for one '\n', so positions carry over.
    static QString displayLine(const std::string& line);
    static std::string modelLine(const QString& display);

private:
    const std::vector<std::int32_t>& children(std::int32_t parent) const;
    QModelIndex indexOfIndex(std::int32_t index) const;
    void onChange(zv::host::HostChange what, HITEM hItem);
    // The row an item has now in the outline's list of its parent's children.
    std::int32_t currentRow(std::int32_t index) const;

    HOUTLINE m_hOutline = 0;
    int m_listener = 0;
    mutable std::unordered_map<std::int32_t, std::vector<std::int32_t>> m_children;
    mutable std::vector<std::int32_t> m_rowOf;
};

} // namespace zv::ide
