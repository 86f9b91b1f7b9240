#pragma once
// The small picture shown while the unreferenced-symbols list is rebuilt.
// It lives as long as the object that owns it: made on the stack by an
// update, it goes away at the end of the update, a failure included. It
// takes neither the focus nor any input, so the user's editor keeps both.
#include <QLabel>
#include <QWidget>
#include <functional>

class CUnrefProgress : public QWidget {
    Q_OBJECT
public:
    // Shown at once, centred on the explorer window that holds `view`.
    explicit CUnrefProgress(QWidget* view);
    ~CUnrefProgress() override;

    QLabel* picture() const { return m_picture; }
    // The window while one is up (at most one update runs at a time).
    static CUnrefProgress* current();
    // Called right after a window was shown and painted (for the tests).
    static void setShownHook(std::function<void(CUnrefProgress*)> hook);

private:
    QLabel* m_picture;
};
