#pragma once
// The explorer's help: our HTML pages in a browser window.
#include <QTextBrowser>

class CZvHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit CZvHelpWindow(QWidget* parent = nullptr);
    // Shows a page of the help ("index.html", ...); a missing page says so.
    bool showPage(const QString& page);
    // The one help window of the process, made on first use.
    static CZvHelpWindow* open(const QString& page = "index.html");
};
