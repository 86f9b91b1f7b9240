#pragma once
// The F11 family in the host's editor: one application-wide event filter.
// It looks at key presses only, acts once per press (where the receiver is
// the focus widget, or the active window when nothing has the focus), never
// under a modal window, and never consumes the key.
#include <QObject>

class CZvKeyFilter : public QObject {
public:
    using QObject::QObject;

    // Runs the command of F11 with these modifiers (Qt::KeyboardModifiers).
    static void OnF11(int modifiers);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;
};
