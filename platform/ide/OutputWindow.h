#pragma once
// The host's output window: the lines of ReportMessage and ReportError,
// errors in red, each linked to its item; a double-click selects the item.
// ClearErrorLog empties it.
#include <QListWidget>

namespace zv::ide {

class OutputWindow : public QListWidget {
public:
    explicit OutputWindow(QWidget* parent = nullptr);
    ~OutputWindow() override;

private:
    void refresh();
    void open(QListWidgetItem* line);

    int m_listener = 0;
};

} // namespace zv::ide
