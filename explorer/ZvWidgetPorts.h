#pragma once
// The host's keyboard, windows and dialogs as the engine asks for them,
// answered with widgets: the progress window, the rename dialog, message boxes.
#include <QPointer>
#include <QWidget>

#include "contracts/MessageBox.h"
#include "engine/HostPorts.h"
#include "explorer/DlgProgress.h"

class CDlgProgress;

class CZvWidgetPorts : public IZvHostPorts {
public:
    explicit CZvWidgetPorts(QWidget* anchor) : m_anchor(anchor) {}
    bool EscapePressed() override;
    bool HostIsForeground() override { return true; }
    void SendEscapeToFocus() override;
    void ActivateHostWindow() override;
    std::unique_ptr<IZvProgressPort> CreateProgress() override;
    bool AskNewName(const std::string& oldName, std::string& newName, const NameCheck& check) override;

    // The progress window of the parse that runs, if any.
    CDlgProgress* progress() const { return m_progress; }

private:
    QPointer<QWidget> m_anchor;
    QPointer<CDlgProgress> m_progress;
};

// Message boxes as QMessageBox, for the engine's box seam.
int ZvWidgetMessageBox(const ZvMessageBoxRequest& request);
