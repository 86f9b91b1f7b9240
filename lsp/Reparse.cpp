// Incremental re-parse: an edit inside one function body (its Actions) or one
// message handler replaces that body's items and rebuilds only the references
// made there. Declarations cannot change that way, so the symbol table, and
// every other reference, stay as a full parse would make them.
#include <algorithm>
#include <unordered_set>

#include "engine/Zavora.h"
#include "lsp/Program.h"
#include "platform/outline/Splice.h"

namespace zv::lsp {

namespace {

bool IsBody(const outline::Outline& o, std::int32_t index)
{
    const outline::Item& item = o.items[index];
    if (item.commented) return false;
    if (item.type == ItemType::OnMessage) return true;
    return item.type == ItemType::Actions && item.parent >= 0 && o.items[item.parent].type == ItemType::Function;
}

bool DeclaresAnything(int type)
{
    return (type >= ItemType::DeclNumber && type <= ItemType::DeclOther) ||
           (type >= ItemType::ReceiveNumber && type <= ItemType::ReceiveOther) || type == ItemType::OnMessage ||
           type == ItemType::Function || type == ItemType::FileInclude;
}

} // namespace

bool Program::Reparse(const std::string& path, std::string_view oldText, std::string_view newText)
{
    if (FileIndex(path) < 0) return false;
    const LineTable before(oldText), after(newText);
    std::size_t head = 0;
    while (head < before.Count() && head < after.Count() && before.Line(head) == after.Line(head)) ++head;
    std::size_t tail = 0;
    while (tail < before.Count() - head && tail < after.Count() - head &&
           before.Line(before.Count() - 1 - tail) == after.Line(after.Count() - 1 - tail))
        ++tail;
    if (head == before.Count() && head == after.Count()) {
        // Nothing to parse, but positions are read from the new buffer from now on.
        m_lines[static_cast<std::size_t>(FileIndex(path))] = std::make_unique<LineTable>(newText);
        return true;
    }
    return Reparse(path, LineChange{head, tail, before.Count()}, newText);
}

bool Program::Reparse(const std::string& path, const LineChange& change, std::string_view newText)
{
    const int file = FileIndex(path);
    if (file < 0) return false;
    auto after = std::make_unique<LineTable>(newText);
    const std::size_t head = change.head, tail = change.tail, oldCount = change.oldCount;
    if (head == 0 || head + tail > oldCount || head + tail > after->Count()) return false;

    // The body whose children hold every changed line.
    outline::Outline& o = *m_outline;
    const std::vector<std::int32_t>& byLine = m_byLine[static_cast<std::size_t>(file)];
    std::int32_t body = head - 1 < byLine.size() ? byLine[head - 1] : -1;
    if (head - 1 < byLine.size() && body < 0) return false;  // a data block
    for (; body >= 0; body = o.items[body].parent) {
        if (!IsBody(o, body)) continue;
        const outline::Item& item = o.items[body];
        const std::size_t childrenStart =
            item.lineNo - 1 + static_cast<std::size_t>(std::count(item.line.begin(), item.line.end(), '\n')) + 1;
        // Where the body's subtree ends: at the item that follows it, or at the end of the file.
        std::int32_t following = -1;
        for (std::int32_t up = body; up >= 0 && following < 0; up = o.items[up].parent) following = o.items[up].next;
        const std::size_t end = following >= 0 ? o.items[following].lineNo - 1 : oldCount;
        if (following >= 0 && o.items[following].file != file) return false;
        if (head >= childrenStart && oldCount - tail <= end) {
            // Statements only, before and after.
            CApplication* table = CApplication::Instance(0, 0);
            std::vector<std::int32_t> dead;
            for (std::int32_t c = item.firstChild; c >= 0; c = o.items[c].next)
                for (std::int32_t i = c; i >= 0; i = o.NextInOrder(i, c)) {
                    if (DeclaresAnything(o.items[i].type) || (table && table->GetSymbolOfItem(o.ItemHandle(i)))) return false;
                    dead.push_back(i);
                }
            const std::size_t newEnd = end + after->Count() - oldCount;
            std::string fragment;
            for (std::size_t line = childrenStart; line < newEnd; ++line) {
                fragment.append(after->Line(line));
                fragment += '\n';
            }
            std::vector<std::int32_t> added;
            try {
                added = outline::ReplaceChildren(o, body, fragment, static_cast<std::uint32_t>(childrenStart + 1),
                                                 static_cast<std::uint32_t>(end - childrenStart));
            } catch (const CGKitError&) {
                return false;  // not an outline there: the full load says where
            }
            for (std::int32_t i : added)
                if (DeclaresAnything(o.items[i].type)) return false;
            Rebuild(body, dead);
            m_lines[static_cast<std::size_t>(file)] = std::move(after);
            MapLines(file, childrenStart, end, newEnd, added);
            return true;
        }
        return false;
    }
    return false;
}

void Program::Rebuild(std::int32_t body, const std::vector<std::int32_t>& dead)
{
    outline::Outline& o = *m_outline;
    std::unordered_set<HITEM> gone;
    for (std::int32_t i : dead) gone.insert(o.ItemHandle(i));
    CZavoraApp& app = CZavoraApp::Instance();
    CXrefInfo* store = app.GetStore();
    CCallChainInfo* calls = app.GetCallInfo();

    // The references made in the old body leave the lists of their symbols.
    std::vector<HITEM> goneSorted(gone.begin(), gone.end());
    std::sort(goneSorted.begin(), goneSorted.end());
    std::unordered_set<CSalSymbol*> touched;
    for (HITEM h : goneSorted) {
        const auto uses = m_index.UsesOf(h);
        for (auto* entry = uses.first; entry != uses.second; ++entry) touched.insert(entry->use.symbol);
    }
    m_index.Drop(goneSorted);
    for (CSalSymbol* symbol : touched) {
        const HITEM h = symbol->GetItem().GetItem();
        CXrefList* list = nullptr;
        if (symbol->IsBuiltIn()) {
            list = app.GetSalReferences(h);
        } else if (store) {
            auto it = store->GetProgramReferences().find(h);
            list = it == store->GetProgramReferences().end() ? nullptr : it->second;
        }
        if (!list) continue;
        auto& references = list->GetReferences();
        const auto kept = std::stable_partition(references.begin(), references.end(), [&](CReference* reference) {
            return gone.count(reference->GetSource()->GetItem()) == 0;
        });
        for (auto at = kept; at != references.end(); ++at) delete *at;
        references.erase(kept, references.end());
    }
    // The body's calls are made again in order.
    const HITEM key = o.items[body].type == ItemType::OnMessage ? o.ItemHandle(body) : o.ItemHandle(o.items[body].parent);
    if (CCallInfoList* list = calls ? calls->GetCallInfo(key) : nullptr) {
        for (CReference* call : list->GetCalls()) delete call;
        list->GetCalls().clear();
    }

    CSalParser* parser = app.GetParser();
    if (!parser) return;
    parser->AddNotifcationInterface(store);
    parser->AddNotifcationInterface(calls);
    parser->AddNotifcationInterface(&m_index);
    CGApplication application(o.Handle());
    const std::size_t usesBefore = m_index.uses.size(), declarationsBefore = m_index.declarations.size();
    try {
        parser->ParseBelow(application, o.ItemHandle(body));
    } catch (...) {
        parser->RemoveNotificationInterface(&m_index);
        parser->RemoveNotificationInterface(calls);
        parser->RemoveNotificationInterface(store);
        throw;
    }
    parser->RemoveNotificationInterface(&m_index);
    parser->RemoveNotificationInterface(calls);
    parser->RemoveNotificationInterface(store);
    m_index.MergeFrom(usesBefore, declarationsBefore);
}

} // namespace zv::lsp
