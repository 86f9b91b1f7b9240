#include "platform/ide/OutputWindow.h"

#include "platform/outline/HostState.h"

namespace zv::ide {

OutputWindow::OutputWindow(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    m_listener = zv::host::HostState::Get().Listen([this](zv::host::HostChange what, HITEM) {
        if (what == zv::host::HostChange::Output) refresh();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* line) { open(line); });
    refresh();
}

OutputWindow::~OutputWindow() { zv::host::HostState::Get().Unlisten(m_listener); }

void OutputWindow::refresh()
{
    const auto& output = zv::host::HostState::Get().output;
    // Lines are only ever added at the end, or all cleared.
    if (static_cast<std::size_t>(count()) > output.size()) clear();
    for (std::size_t n = static_cast<std::size_t>(count()); n < output.size(); ++n) {
        auto* line = new QListWidgetItem(QString::fromStdString(output[n].text), this);
        line->setData(Qt::UserRole, static_cast<qulonglong>(n));
        if (output[n].error) line->setForeground(QColor(190, 0, 0));
        if (output[n].item) line->setToolTip("Double-click to select the item");
    }
    if (count() > 0) scrollToBottom();
}

void OutputWindow::open(QListWidgetItem* line)
{
    auto& host = zv::host::HostState::Get();
    const auto n = static_cast<std::size_t>(line->data(Qt::UserRole).toULongLong());
    if (n >= host.output.size()) return;
    const zv::host::OutputLine& out = host.output[n];
    if (!out.item || !CGItem(out.outline, out.item).IsValid()) return;
    host.Select(CGItem(out.outline, out.item).GetOutline() ? out.outline : CurrentOutline(), out.item);
}

} // namespace zv::ide
