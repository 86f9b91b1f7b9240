#pragma once
// The outline as a tree, with the line of the current item editable in
// place. The line editor's state is the host's edit state (EditGetItem,
// EditGetText), and the span the kit selects (SelectInText, SelectSymbol)
// is scrolled to and shown selected.
#include <QTreeView>
#include <functional>
#include <string>

#include "contracts/OutlineKit.h"

namespace zv::ide {

class OutlineModel;

class OutlineView : public QTreeView {
public:
    explicit OutlineView(OutlineModel* model, QWidget* parent = nullptr);
    ~OutlineView() override;

    OutlineModel* outlineModel() const { return m_model; }
    HITEM currentItem() const;
    // Expands the way to the item, makes it current and scrolls it into the middle.
    void showItem(HITEM hItem);
    // Called with an edited line when the line editor closes with a change.
    std::function<void(HITEM hItem, const std::string& line)> onLineEdited;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void followHost();

    OutlineModel* m_model;
    int m_listener = 0;
};

} // namespace zv::ide
