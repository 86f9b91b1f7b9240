#include "host/ZvKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "contracts/Exceptions.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "host/ZvHostExplorer.h"

bool CZvKeyFilter::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F11 || QApplication::activeModalWidget()) return false;
    // A key travels up from the focus widget to its parents; act on it once.
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (receiver != target) return false;
    OnF11(static_cast<int>(key->modifiers()));
    return false;
}

void CZvKeyFilter::OnF11(int modifiers)
{
    CZavoraApp& app = CZavoraApp::Instance();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    // Nothing may leave into the event loop; the engine reports its own failures.
    try {
        if (ctrl) {
            if (alt && shift) app.DeleteUnrefs();
            else if (alt) {
                if (app.GetSelectedSymbol()) app.Rename(nullptr);
            } else if (CurrentOutline()) {
                app.Parse(0);
            }
        } else if (alt) {
            if (app.GetSelectedSymbol())
                if (CZvMainFrame* frame = ZvExplorerFrame()) frame->expandRequest();
        } else if (shift) {
            // Nothing shown yet, or a built-in of the SAL context: nowhere to go.
            const IZvExplorerPort& explorer = app.GetExplorer();
            if (explorer.getCurrentItem() && explorer.getCurrentOutline() == app.GetOutline()) app.gotoDeclaration();
        } else if (app.GetSelectedSymbol()) {
            app.ShowRefRequest(0);
        }
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
}
