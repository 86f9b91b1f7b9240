#include "engine/XrefList.h"

#include <cctype>

#include "contracts/Check.h"
#include "engine/HostPorts.h"
#include "engine/Zavora.h"

CXrefList::CXrefList(CGItem& symbol) { m_symbol.Initialize(symbol.GetOutline(), symbol.GetItem()); }

CXrefList::~CXrefList()
{
    for (CReference* reference : m_references) delete reference;
}

void CXrefList::add(CReference* reference) { m_references.push_back(reference); }

void CXrefList::RemoveAt(std::size_t index)
{
    if (index >= m_references.size()) return;
    delete m_references[index];
    m_references.erase(m_references.begin() + static_cast<std::ptrdiff_t>(index));
}

void CXrefList::RenameSymbol(HITEM declaration, std::string& newName)
{
    ZV_TRY
        // Last to first: a reference earlier in a line keeps its position.
        for (auto it = m_references.rbegin(); it != m_references.rend(); ++it) (*it)->Rename(newName);
        if (declaration) {
            CGItem item(CZavoraApp::Instance().GetOutline(), declaration);
            const CGString text = item.GetText();
            const CGString name = GetName(item);
            if (text.size() >= name.size()) newName += text.substr(name.size());
            item.SetName(newName.substr(0, newName.size() - (text.size() - name.size())));
        }
        CZavoraApp::Instance().GetHostPorts().SendEscapeToFocus();
    ZV_CATCH("CXrefList::RenameSymbol")
}

void CXrefList::SetBreakPoint(bool on)
{
    ZV_TRY
        for (auto it = m_references.rbegin(); it != m_references.rend(); ++it) (*it)->SetBreakPoint(on);
    ZV_CATCH("CXrefList::SetBreakPoint")
}

int CXrefList::NoOfAssignments()
{
    int count = 0;
    ZV_TRY
        for (CReference* reference : m_references)
            if (reference->IsAssignment()) ++count;
    ZV_CATCH("CXrefList::NoOfAssignments")
    return count;
}

bool CXrefList::ContainsExternalRefs()
{
    ZV_TRY
        for (CReference* reference : m_references)
            if (reference->GetSource()->IsReadOnly()) return true;
    ZV_CATCH("CXrefList::ContainsExternalRefs")
    return false;
}

void CXrefList::ChangeToAccessor(HITEM /*unused*/, CGFunction& getter, CGFunction& setter)
{
    ZV_TRY
        CZavoraApp& app = CZavoraApp::Instance();
        // Our own edits are not user edits: keep them from marking the store outdated.
        app.StopOutlineNotifications();
        for (auto it = m_references.rbegin(); it != m_references.rend(); ++it) {
            CReference* reference = *it;
            CGItem* source = reference->GetSource();
            CGActionBlock block(source->GetOutline(), source->GetItem());
            const CGString text = block.GetText();
            std::size_t j = static_cast<std::size_t>(std::max(0, reference->GetPosition() + reference->GetLength()));
            while (j < text.size() && std::isspace(static_cast<unsigned char>(text[j]))) ++j;
            if (block.GetItemType() == ItemType::Set && j < text.size() && text[j] == '=') {
                const std::string statement =
                    "Call " + text.substr(0, static_cast<std::size_t>(std::max(0, reference->GetPosition()))) +
                    std::string(setter.GetName()) + "(" + text.substr(j + 1) + ")";
                block.SetCurrent(*source);
                block.InsertAfter(statement);
                CGItem old(source->GetOutline(), source->GetItem());
                old.Delete();
            } else {
                reference->Rename(std::string(getter.GetName()) + "()");
            }
        }
        app.StartOutlineNotifications();
    ZV_CATCH("CXrefList::ChangeToAccessor")
}

void CXrefList::InlineTemp()
{
    ZV_TRY
        CReference* assignment = nullptr;
        for (auto it = m_references.rbegin(); it != m_references.rend(); ++it)
            if ((*it)->IsAssignment()) assignment = *it;
        // Without an assignment there is no expression to inline.
        if (!assignment) return;
        const std::string expression = assignment->RhsOfAssignment();
        for (auto it = m_references.rbegin(); it != m_references.rend(); ++it)
            if (*it != assignment) (*it)->Rename(expression);
    ZV_CATCH("CXrefList::InlineTemp")
}
