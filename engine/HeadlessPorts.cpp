#include "engine/HeadlessPorts.h"

bool CHeadlessExplorer::setSymbol(HITEM hItem, HOUTLINE hOutline)
{
    m_hItem = hItem;
    m_hOutline = hOutline;
    ++m_symbolsShown;
    return true;
}

void CHeadlessExplorer::gotoDeclaration()
{
    CGItem item(m_hOutline, m_hItem);
    SelectInText(item, 0, item.GetName());
}

void CHeadlessProgress::SetPos(int value)
{
    m_lastPos = value;
    if (m_onPos) m_onPos(value);
}

bool CHeadlessHostPorts::EscapePressed()
{
    return m_escapeAfter >= 0 && ++m_escapeQueries > m_escapeAfter;
}

std::unique_ptr<IZvProgressPort> CHeadlessHostPorts::CreateProgress()
{
    auto progress = std::make_unique<CHeadlessProgress>();
    progress->m_onPos = m_onProgress;
    progress->m_titleLog = &m_progressTitles;
    ++m_progressWindows;
    return progress;
}

bool CHeadlessHostPorts::AskNewName(const std::string& oldName, std::string& newName, const NameCheck&)
{
    // No dialog to keep open: the engine checks the name after it.
    m_dialogCaptions.push_back("Rename " + oldName);
    if (m_newName.empty()) return false;
    newName = m_newName;
    return true;
}
