#include "explorer/ZvHelpWindow.h"

#include <QFile>
#include <QPointer>

#include "explorer/ZvImages.h"

CZvHelpWindow::CZvHelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    setWindowTitle("Zavora Help");
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(false);
    setSearchPaths({":/help"});
    resize(640, 560);
    ZvBitmap(0);  // makes sure the compiled-in resources are registered
}

bool CZvHelpWindow::showPage(const QString& page)
{
    const QString path = ":/help/" + page;
    if (!QFile::exists(path)) {
        setHtml("<h2>Zavora Help</h2><p>The help page <b>" + page.toHtmlEscaped() +
                "</b> is missing from this installation.</p>");
        return false;
    }
    setSource(QUrl("qrc" + path));
    return true;
}

CZvHelpWindow* CZvHelpWindow::open(const QString& page)
{
    static QPointer<CZvHelpWindow> window;
    if (!window) {
        window = new CZvHelpWindow();
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->showPage(page);
    window->show();
    window->raise();
    return window;
}
