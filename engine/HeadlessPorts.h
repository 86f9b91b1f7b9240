#pragma once
// The ports without windows: the command line and the tests.
#include <functional>
#include <string>
#include <vector>

#include "engine/HostPorts.h"

class CHeadlessExplorer : public IZvExplorerPort {
public:
    void outdated(bool bOutdated) override { m_bOutdated = bOutdated; }
    bool isOutdated() const override { return m_bOutdated; }
    void clear() override { ++m_clears; }
    void itemDeleted(HITEM hItem) override { m_deleted.push_back(hItem); }
    void AutoMode(bool bOn) override { m_bAutoMode = bOn; }
    bool setSymbol(HITEM hItem, HOUTLINE hOutline) override;
    HITEM getCurrentItem() const override { return m_hItem; }
    HOUTLINE getCurrentOutline() const override { return m_hOutline; }
    void setCurrentOutline(HOUTLINE hOutline) override
    {
        m_hOutline = hOutline;
        m_hItem = 0;
    }
    void gotoDeclaration() override;

    bool m_bOutdated = false;
    bool m_bAutoMode = false;
    int m_clears = 0;
    int m_symbolsShown = 0;
    std::vector<HITEM> m_deleted;

private:
    HITEM m_hItem = 0;
    HOUTLINE m_hOutline = 0;
};

class CHeadlessProgress : public IZvProgressPort {
public:
    void SetTitle(const std::string& title) override
    {
        if (m_titleLog) m_titleLog->push_back(title);
    }
    void SetText(const std::string& text) override { m_texts.push_back(text); }
    void SetPos(int value) override;
    void Show() override { m_bVisible = true; }
    void Hide() override { m_bVisible = false; }
    bool IsCancelled() const override { return m_bCancel; }
    void SetCancel(bool bCancel) override { m_bCancel = bCancel; }

    // Called with every position; the command line prints from it.
    std::function<void(int)> m_onPos;
    std::vector<std::string>* m_titleLog = nullptr;  // the ports' log: it outlives the window
    std::vector<std::string> m_texts;
    int m_lastPos = 0;
    bool m_bVisible = false;
    bool m_bCancel = false;
};

class CHeadlessHostPorts : public IZvHostPorts {
public:
    bool EscapePressed() override;
    bool HostIsForeground() override { return m_bForeground; }
    void SendEscapeToFocus() override { ++m_escapesSent; }
    void ActivateHostWindow() override {}
    std::unique_ptr<IZvProgressPort> CreateProgress() override;
    bool AskNewName(const std::string& oldName, std::string& newName, const NameCheck& check) override;

    // Tests press Esc after so many progress questions (-1: never).
    int m_escapeAfter = -1;
    bool m_bForeground = true;
    int m_escapesSent = 0;
    // The rename dialog's answer: empty cancels.
    std::string m_newName;
    std::vector<std::string> m_dialogCaptions;
    std::function<void(int)> m_onProgress;
    // Every title any progress window showed, and how many windows were made.
    std::vector<std::string> m_progressTitles;
    int m_progressWindows = 0;

private:
    int m_escapeQueries = 0;
};
