#pragma once
// The editor's edits as undoable commands. Every change goes through the
// outline kit, so the plug-in hears of it exactly as of the user's typing.
// Commands find their items by path (rows from the root), not by handle:
// undoing a deletion makes new items, and later commands must still find them.
#include <QUndoCommand>
#include <string>
#include <vector>

#include "contracts/OutlineKit.h"

namespace zv::ide {

using ItemPath = std::vector<int>;

ItemPath PathOf(HITEM hItem);
// True while a command changes the outline.
bool IsApplyingCommand();
HITEM ItemAt(HOUTLINE hOutline, const ItemPath& path);

// A new line for an item (OnEditTitle, or OnEditType when its kind changes
// with it); or, with keywordOnly, another keyword for its text (OnEditType).
class LineCommand : public QUndoCommand {
public:
    LineCommand(HITEM hItem, std::string line, bool keywordOnly = false);
    void redo() override;
    void undo() override;

private:
    HOUTLINE m_hOutline;
    ItemPath m_path;
    std::string m_old, m_new;
    bool m_keywordOnly;
};

// New items under a parent after one of its children (row -1: first). With
// copied items it pastes (OnEditPaste), with one plain line it inserts
// (OnEditInsert).
class InsertCommand : public QUndoCommand {
public:
    InsertCommand(HITEM hParent, HITEM hAfter, std::string text, bool paste);
    void redo() override;
    void undo() override;

private:
    HOUTLINE m_hOutline;
    ItemPath m_parent;
    int m_row;  // the row of the first new item
    std::string m_text;
    bool m_paste;
    int m_count = 0;
};

// Deletes items with their subtrees; undo pastes them back.
class DeleteCommand : public QUndoCommand {
public:
    DeleteCommand(const std::vector<HITEM>& items, const QString& name);
    void redo() override;
    void undo() override;

private:
    HOUTLINE m_hOutline;
    std::vector<ItemPath> m_paths;  // in outline order
    std::vector<std::string> m_copies;
};

// Moves an item among its siblings (OnEditList).
class MoveCommand : public QUndoCommand {
public:
    MoveCommand(HITEM hItem, int delta);
    void redo() override;
    void undo() override;

private:
    HOUTLINE m_hOutline;
    ItemPath m_path;
    int m_delta;
};

} // namespace zv::ide
