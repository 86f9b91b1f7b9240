#pragma once
// The parse progress window: one row per category of symbols, counting up
// while the parse runs, and a bar. While it is up the explorer takes no
// input but Esc, which it keeps for the parse driver to ask about.
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QWidget>

#include "engine/HostPorts.h"

class CParseProgress : public QProgressBar {
    Q_OBJECT
public:
    explicit CParseProgress(QWidget* parent);
};

class CDlgProgress : public QWidget, public IZvProgressPort {
    Q_OBJECT
public:
    // anchor: the window to centre on (may be null).
    explicit CDlgProgress(QWidget* anchor = nullptr);
    ~CDlgProgress() override;

    // "<digit> <count>" updates a category row; any other text goes to row 0.
    void progressMessage(const std::string& text);

    // IZvProgressPort
    void SetTitle(const std::string& title) override;
    void SetText(const std::string& text) override;
    void SetPos(int value) override;
    void Show() override;
    void Hide() override;
    bool IsCancelled() const override { return m_bCancel; }
    void SetCancel(bool bCancel) override { m_bCancel = bCancel; }

    // How often a running parse lets the window paint and take Esc (ms).
    static void setPumpInterval(int ms);
    // Whether Esc was pressed since the last question; asking clears it.
    bool takeEscape();
    QListWidget* list() const { return m_list; }
    CParseProgress* bar() const { return m_bar; }
    QLabel* titleLabel() const { return m_title; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pumpEvents(bool bForce);

    bool m_bCancel = false;
    CParseProgress* m_bar;
    QListWidget* m_list;
    QLabel* m_title;
    QWidget* m_anchor;
    bool m_bRowsInserted = false;
    bool m_bEscape = false;
    bool m_bFiltering = false;
    QElapsedTimer m_sincePump;
};
