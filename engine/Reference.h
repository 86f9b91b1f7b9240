#pragma once
// One place where a symbol is mentioned: an outline item and the span of
// characters in its text.
#include "contracts/OutlineKit.h"

class CReference {
public:
    CReference(CGItem* source, int position, int length);
    CReference(const CReference& other);
    CReference& operator=(const CReference& other);
    virtual ~CReference() = default;

    CGItem* GetSource() { return &m_source; }
    const CGItem* GetSource() const { return &m_source; }
    int GetPosition() const { return m_position; }
    int GetLength() const { return m_length; }
    bool GetModifier() const { return m_bModifier != 0; }
    void SetModifier(bool bModifier) { m_bModifier = bModifier ? 1 : 0; }

    // The reference is the variable assigned by a Set statement.
    bool IsAssignment();
    // The text behind the '=' of an assignment, unchanged.
    CGString RhsOfAssignment();
    // Assigned, or passed to a Receive parameter.
    bool IsModifierStatement();
    // The declaration of the function the reference is an argument of, and
    // the argument's number (from 1) in index; null when it is no argument.
    HITEM IsParam(int& index);
    // The physical line of its file where the reference stands: a name on a
    // continuation line of a multi-line statement is on that line.
    int GetLineNumber() const;
    // A "..F()" call: at run time it can reach any override of F.
    bool IsLateBoundCall() const;
    // A name written in a string that a built-in looks up at run time
    // ('mnuMain' given to SalTrackPopupMenu), not a bind of SQL.
    bool IsByName() const;
    // Replaces the reference in its item's text.
    void Rename(const std::string& newName);
    void SetBreakPoint(bool on);

private:
    int m_bModifier = 0;
    int m_position;
    int m_length;
    CGItem m_source;
};
