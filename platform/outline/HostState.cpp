#include "platform/outline/HostState.h"

#include "platform/outline/Loader.h"
#include "platform/outline/Notifier.h"
#include "platform/outline/Outline.h"
#include "platform/outline/Writer.h"

namespace zv::host {

HostState& HostState::Get()
{
    static HostState state;
    return state;
}

void HostState::Select(HOUTLINE hOutline, HITEM hItem)
{
    selectedItem = hItem;
    CGItem item(hOutline, hItem);
    zv::notify::ContextChange(item);
    Changed(HostChange::Selection, hItem);
}

void HostState::Edit(HITEM hItem, const std::string& text, int start, int end)
{
    editItem = hItem;
    editText = text;
    editStart = start;
    editEnd = end;
}

void HostState::EndEdit()
{
    editItem = 0;
    editText.clear();
    editStart = editEnd = 0;
}

void HostState::Reset()
{
    HostState fresh;
    fresh.contextOutline = contextOutline;
    fresh.m_listeners = std::move(m_listeners);
    fresh.m_nextListener = m_nextListener;
    *this = std::move(fresh);
}

void HostState::AddOutput(OutputLine line)
{
    output.push_back(std::move(line));
    Changed(HostChange::Output, output.back().item);
}

void HostState::ClearOutput()
{
    output.clear();
    Changed(HostChange::Output);
}

int HostState::Listen(HostListener listener)
{
    m_listeners.emplace_back(m_nextListener, std::move(listener));
    return m_nextListener++;
}

void HostState::Unlisten(int id)
{
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

void HostState::Changed(HostChange what, HITEM hItem)
{
    // A copy: a listener may stop listening while being called.
    const auto listeners = m_listeners;
    for (const auto& [id, listener] : listeners) listener(what, hItem);
}

HOUTLINE OpenOutline(const std::string& path, std::string* error)
{
    CGApplication app;
    const HOUTLINE hOutline = app.LoadOutline(path);
    if (!hOutline) {
        if (error) *error = CGApplication::GetLastError();
        return 0;
    }
    AdoptOutline(hOutline);
    return hOutline;
}

void AdoptOutline(HOUTLINE hOutline)
{
    HostState& host = HostState::Get();
    const HOUTLINE old = host.currentOutline;
    if (old) {
        zv::notify::FileClose(old);
        zv::outline::Registry::Get().Destroy(old);
    }
    host.currentOutline = hOutline;
    host.selectedItem = 0;
    host.EndEdit();
    host.marked.clear();
    zv::notify::FileRead(hOutline);
    host.Changed(HostChange::Outline);
}

HOUTLINE NewOutline()
{
    using namespace zv::outline;
    Outline& o = Registry::Get().Create();
    o.files.push_back(SourceFile{});
    o.files[0].path = "untitled.apt";
    Item root;
    root.line = "Application Description: ";
    root.textStart = static_cast<std::uint16_t>(root.line.size());
    root.type = ItemType::Application;
    o.AppendChild(-1, std::move(root));
    HostState& host = HostState::Get();
    const HOUTLINE old = host.currentOutline;
    if (old) {
        zv::notify::FileClose(old);
        Registry::Get().Destroy(old);
    }
    host.currentOutline = o.Handle();
    host.selectedItem = 0;
    host.EndEdit();
    zv::notify::FileNew(o.Handle());
    host.Changed(HostChange::Outline);
    return o.Handle();
}

bool SaveOutline(HOUTLINE hOutline, const std::string& path, std::string* error)
{
    const zv::outline::Outline* o = zv::outline::Registry::Get().Find(hOutline);
    if (!o) {
        if (error) *error = path + ": no such outline";
        return false;
    }
    zv::notify::FileBeforeWrite(hOutline);
    try {
        zv::outline::SaveProgram(*o, path);
    } catch (const CGKitError& e) {
        if (error) *error = e.what();
        HostState::Get().AddOutput({e.what(), hOutline, 0, true});
        return false;
    }
    zv::notify::FileWrite(hOutline);
    return true;
}

void CloseOutline(HOUTLINE hOutline)
{
    zv::notify::FileClose(hOutline);
    HostState& host = HostState::Get();
    if (host.currentOutline == hOutline) {
        host.currentOutline = 0;
        host.selectedItem = 0;
        host.EndEdit();
    }
    zv::outline::Registry::Get().Destroy(hOutline);
    host.Changed(HostChange::Outline);
}

void Terminate() { zv::notify::Terminate(); }

} // namespace zv::host
