// zavora-xref refs, callers, callees, bases, subclasses and graph: answers
// from the engine's store of one parse.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/Session.h"
#include "contracts/Exceptions.h"
#include "engine/LateBinding.h"
#include "engine/Zavora.h"

namespace {

int Usage(const char* command, const std::string& error)
{
    std::fprintf(stderr, "zavora-xref %s: %s\n", command, error.c_str());
    return 2;
}

std::string NameOf(const CGItem& item)
{
    if (item.GetItemType() == ItemType::OnMessage) return CliSession::ContextOf(item);
    const std::string path = CliSession::PathOf(item);
    return path.empty() ? std::string(item.GetName()) : path;
}

bool Flag(std::function<bool()> test)
{
    try {
        return test();
    } catch (Assertion* e) {
        e->Delete();  // a line that ends with the reference: not an assignment
    } catch (...) {
    }
    return false;
}

int Refs(CliSession& session, const CliOptions& options)
{
    if (options.positional.size() != 1) return Usage("refs", "usage: refs FILE SYMBOL");
    CSalSymbol* symbol = session.Resolve(options.positional[0]);
    if (!symbol) return 2;
    // An override also runs where a "..F()" call reaches a function it overrides.
    std::size_t own = 0;
    const std::vector<CReference*> refs = ReferencesOf(symbol->GetItem().GetItem(), symbol->IsBuiltIn(), &own);
    const std::string path = symbol->IsBuiltIn() ? symbol->GetName() : CliSession::PathOf(symbol->GetItem());
    JsonDocument answer;
    if (options.json) {
        answer["symbol"] = path;
        answer["builtIn"] = symbol->IsBuiltIn();
        answer["declaration"] = {{"file", symbol->GetItem().GetFileName()}, {"line", symbol->GetItem().GetLineNumber()}};
        answer["references"] = JsonDocument::array();
    } else {
        std::printf("%s  declared at %s: %zu reference%s\n", path.c_str(),
                    CliSession::Location(symbol->GetItem()).c_str(), refs.size(), refs.size() == 1 ? "" : "s");
    }
    for (std::size_t i = 0; i < refs.size(); ++i) {
        CReference* ref = refs[i];
        CGItem* source = ref->GetSource();
        const bool assignment = Flag([&] { return ref->IsAssignment(); });
        const bool modifier = assignment || ref->GetModifier();
        const bool late = i >= own;
        const bool byName = ref->IsByName();
        const char* how = assignment ? "assigned" : modifier ? "modified" : late ? "late bound" : byName ? "by name" : "";
        const std::string context = CliSession::ContextOf(*source);
        const std::string line = CliSession::LineOf(*source);
        const std::string where = source->GetFileName() + ":" + std::to_string(ref->GetLineNumber());
        if (options.json) {
            answer["references"].push_back({{"file", source->GetFileName()},
                                            {"line", ref->GetLineNumber()},
                                            {"context", context},
                                            {"text", line},
                                            {"position", ref->GetPosition()},
                                            {"length", ref->GetLength()},
                                            {"assignment", assignment},
                                            {"modifier", modifier},
                                            {"lateBound", late},
                                            {"byName", byName}});
        } else {
            std::printf("  %s  %-32s %-10s %s\n", where.c_str(), context.c_str(), how, line.c_str());
        }
    }
    if (options.json) PrintJson(answer);
    return 0;
}

int Callers(CliSession& session, const CliOptions& options)
{
    if (options.positional.size() != 1) return Usage("callers", "usage: callers FILE SYMBOL");
    CSalSymbol* symbol = session.Resolve(options.positional[0]);
    if (!symbol) return 2;
    std::size_t direct = 0;
    std::vector<CGItem> callers;
    for (HITEM h : CallersOf(symbol->GetItem().GetItem(), symbol->IsBuiltIn(), &direct))
        callers.emplace_back(CZavoraApp::Instance().GetOutline(), h);  // callers are the program's, built-in or not
    if (options.json) {
        JsonDocument list = JsonDocument::array();
        for (std::size_t i = 0; i < callers.size(); ++i)
            list.push_back({{"name", NameOf(callers[i])},
                            {"file", callers[i].GetFileName()},
                            {"line", callers[i].GetLineNumber()},
                            {"lateBound", i >= direct}});
        PrintJson({{"symbol", NameOf(symbol->GetItem())}, {"callers", list}});
    } else {
        std::printf("%s: %zu caller%s\n", NameOf(symbol->GetItem()).c_str(), callers.size(),
                    callers.size() == 1 ? "" : "s");
        for (std::size_t i = 0; i < callers.size(); ++i)
            std::printf("  %-40s %s%s\n", NameOf(callers[i]).c_str(), CliSession::Location(callers[i]).c_str(),
                        i >= direct ? "  [late bound]" : "");
    }
    return 0;
}

struct CalleeNode {
    CGItem item;
    std::string name;
    bool builtIn = false;
    bool lateBound = false;      // an override reached through late binding
    std::vector<CalleeNode> children;
};

void Callees(const CGItem& function, int depth, std::set<HITEM>& path, std::vector<CalleeNode>& out)
{
    CZavoraApp& app = CZavoraApp::Instance();
    CCallInfoList* list = app.GetCallReferences(function.GetItem());
    if (!list || depth <= 0) return;
    CApplication* table = CApplication::Instance(0, 0);
    for (CReference* call : list->GetCalls()) {
        CalleeNode node;
        node.item = *call->GetSource();
        node.builtIn = node.item.GetOutline() == app.GetContextOutline();
        node.name = node.builtIn ? std::string(node.item.GetName()) : NameOf(node.item);
        const HITEM h = node.item.GetItem();
        if (!node.builtIn && !path.count(h)) {
            path.insert(h);
            Callees(node.item, depth - 1, path, node.children);
            auto* f = table ? dynamic_cast<CFunction*>(table->GetSymbolOfItem(h)) : nullptr;
            if (f && f->IsLateBound()) {
                for (CFunction* g : FindOverrides(f)) {
                    CalleeNode late;
                    late.item = g->GetItem();
                    late.name = NameOf(late.item);
                    late.lateBound = true;
                    if (!path.count(late.item.GetItem())) {
                        path.insert(late.item.GetItem());
                        Callees(late.item, depth - 1, path, late.children);
                        path.erase(late.item.GetItem());
                    }
                    node.children.push_back(late);
                }
            }
            path.erase(h);
        }
        out.push_back(node);
    }
}

void PrintTree(const std::vector<CalleeNode>& nodes, int indent)
{
    for (const CalleeNode& node : nodes) {
        std::printf("%*s%s%s%s\n", indent, "", node.name.c_str(), node.builtIn ? "  [SAL]" : "",
                    node.lateBound ? "  [late bound override]" : "");
        PrintTree(node.children, indent + 2);
    }
}

JsonDocument JsonTree(const std::vector<CalleeNode>& nodes)
{
    JsonDocument list = JsonDocument::array();
    for (const CalleeNode& n : nodes)
        list.push_back(
            {{"name", n.name}, {"builtIn", n.builtIn}, {"lateBound", n.lateBound}, {"callees", JsonTree(n.children)}});
    return list;
}

int CalleesCommand(CliSession& session, const CliOptions& options)
{
    if (options.positional.size() != 1) return Usage("callees", "usage: callees FILE SYMBOL [--depth N]");
    int depth = 1;
    if (const std::string* d = options.Value("--depth")) {
        try {
            depth = std::stoi(*d);
        } catch (...) {
            return Usage("callees", "--depth takes a whole number");
        }
        if (depth < 1) return Usage("callees", "--depth takes a number from 1 on");
    }
    CSalSymbol* symbol = session.Resolve(options.positional[0]);
    if (!symbol) return 2;
    std::vector<CalleeNode> tree;
    std::set<HITEM> path{symbol->GetItem().GetItem()};
    Callees(symbol->GetItem(), depth, path, tree);
    if (options.json) {
        PrintJson({{"symbol", NameOf(symbol->GetItem())}, {"callees", JsonTree(tree)}});
    } else {
        std::printf("%s\n", NameOf(symbol->GetItem()).c_str());
        PrintTree(tree, 2);
    }
    return 0;
}

CClass* ClassArgument(CliSession& session, const CliOptions& options, const char* command)
{
    if (options.positional.size() != 1) {
        Usage(command, std::string("usage: ") + command + " FILE CLASS");
        return nullptr;
    }
    CSalSymbol* symbol = session.Resolve(options.positional[0]);
    if (!symbol) return nullptr;
    auto* cls = dynamic_cast<CClass*>(symbol);
    if (!cls) std::fprintf(stderr, "zavora-xref %s: %s is not a class\n", command, options.positional[0].c_str());
    return cls;
}

// Depth first; with a JSON list at hand the rows go there instead of to stdout.
void PrintHierarchy(CClass* cls, bool up, int indent, std::set<CSalSymbol*>& seen, JsonDocument* json)
{
    CApplication* table = CApplication::Instance(0, 0);
    std::vector<CGItem> next;
    if (up) {
        for (CClass* base : cls->GetBaseClasses()) next.push_back(base->GetItem());
    } else {
        next = DirectSubclasses(cls);
    }
    for (const CGItem& item : next) {
        if (json) {
            json->push_back({{"name", NameOf(item)},
                             {"depth", indent / 2},
                             {"file", item.GetFileName()},
                             {"line", item.GetLineNumber()}});
        } else {
            std::printf("%*s%s  %s\n", indent, "", NameOf(item).c_str(), CliSession::Location(item).c_str());
        }
        auto* sub = dynamic_cast<CClass*>(table->GetSymbolOfItem(item.GetItem()));
        if (sub && seen.insert(sub).second) PrintHierarchy(sub, up, indent + 2, seen, json);
    }
}

int Hierarchy(CliSession& session, const CliOptions& options, bool up)
{
    const char* command = up ? "bases" : "subclasses";
    CClass* cls = ClassArgument(session, options, command);
    if (!cls) return 2;
    std::set<CSalSymbol*> seen{cls};
    if (options.json) {
        JsonDocument list = JsonDocument::array();
        PrintHierarchy(cls, up, 2, seen, &list);
        PrintJson({{"class", NameOf(cls->GetItem())}, {command, list}});
    } else {
        std::printf("%s\n", NameOf(cls->GetItem()).c_str());
        PrintHierarchy(cls, up, 2, seen, nullptr);
    }
    return 0;
}

struct Edge {
    std::string from, to, kind;
    bool operator<(const Edge& o) const { return std::tie(from, to, kind) < std::tie(o.from, o.to, o.kind); }
};

int Graph(CliSession& session, const CliOptions& options)
{
    const bool calls = options.Has("--calls");
    const bool classes = options.Has("--classes");
    if (calls == classes) return Usage("graph", "name one of --calls and --classes");
    const std::string* format = options.Value("--format");
    const std::string fmt = format ? *format : "dot";
    if (fmt != "dot" && fmt != "json") return Usage("graph", "--format is dot or json");
    CSalSymbol* from = nullptr;
    if (const std::string* f = options.Value("--from")) {
        from = session.Resolve(*f);
        if (!from) return 2;
    }
    std::set<Edge> edges;
    CZavoraApp& app = CZavoraApp::Instance();
    CApplication* table = CApplication::Instance(0, 0);
    if (calls) {
        CCallChainInfo* info = app.GetCallInfo();
        std::map<HITEM, CCallInfoList*> byKey;
        if (info)
            for (const auto& [key, list] : info->GetAll())
                if (list) byKey[key] = list;
        auto callees = [&](HITEM key, std::vector<CGItem>& out) {
            auto it = byKey.find(key);
            if (it == byKey.end()) return;
            for (CReference* call : it->second->GetCalls()) out.push_back(*call->GetSource());
        };
        auto label = [&](const CGItem& item) {
            return item.GetOutline() == app.GetContextOutline() ? std::string(item.GetName()) : NameOf(item);
        };
        std::vector<HITEM> todo;
        std::set<HITEM> done;
        if (from) todo.push_back(from->GetItem().GetItem());
        else for (const auto& [key, list] : byKey) todo.push_back(key);
        while (!todo.empty()) {
            const HITEM key = todo.back();
            todo.pop_back();
            if (!done.insert(key).second) continue;
            std::vector<CGItem> out;
            callees(key, out);
            const std::string caller = label(CGItem(session.Outline(), key));
            for (const CGItem& callee : out) {
                edges.insert({caller, label(callee), "call"});
                if (from) todo.push_back(callee.GetItem());
                auto* f = table ? dynamic_cast<CFunction*>(table->GetSymbolOfItem(callee.GetItem())) : nullptr;
                if (f && f->IsLateBound()) {
                    for (CFunction* g : FindOverrides(f)) {
                        edges.insert({label(callee), NameOf(g->GetItem()), "override"});
                        if (from) todo.push_back(g->GetItem().GetItem());
                    }
                }
            }
        }
    } else {
        std::vector<CClass*> todo;
        std::set<CSalSymbol*> done;
        if (from) {
            auto* cls = dynamic_cast<CClass*>(from);
            if (!cls) return Usage("graph", options.Value("--from")->c_str() + std::string(" is not a class"));
            todo.push_back(cls);
        } else {
            CGApplication application(session.Outline());
            CGObjectList objects;
            application.EnumObjects(objects, 0);
            for (const CGItem& item : objects)
                if (auto* cls = dynamic_cast<CClass*>(table->GetSymbolOfItem(item.GetItem()))) todo.push_back(cls);
        }
        while (!todo.empty()) {
            CClass* cls = todo.back();
            todo.pop_back();
            if (!done.insert(cls).second) continue;
            for (CClass* base : cls->GetBaseClasses()) {
                edges.insert({NameOf(cls->GetItem()), NameOf(base->GetItem()), "derives"});
                if (from) todo.push_back(base);
            }
            for (const CGItem& sub : DirectSubclasses(cls)) {
                auto* subClass = dynamic_cast<CClass*>(table->GetSymbolOfItem(sub.GetItem()));
                edges.insert({NameOf(sub), NameOf(cls->GetItem()), subClass ? "derives" : "instance"});
                if (subClass) todo.push_back(subClass);
            }
        }
    }
    if (fmt == "dot") {
        std::printf("digraph %s {\n  rankdir=%s;\n  node [shape=box, fontname=\"Helvetica\"];\n",
                    calls ? "calls" : "classes", calls ? "LR" : "BT");
        // A DOT quoted string escapes quotes and backslashes as JSON does.
        for (const Edge& e : edges)
            std::printf("  %s -> %s%s;\n", JsonText(e.from).c_str(), JsonText(e.to).c_str(),
                        e.kind == "override" ? " [style=dashed, label=\"late bound\"]"
                        : e.kind == "instance" ? " [style=dotted]" : "");
        std::printf("}\n");
    } else {
        std::set<std::string> nodes;
        JsonDocument list = JsonDocument::array();
        for (const Edge& e : edges) {
            nodes.insert(e.from);
            nodes.insert(e.to);
            list.push_back({{"from", e.from}, {"to", e.to}, {"kind", e.kind}});
        }
        PrintJson({{"nodes", nodes}, {"edges", list}});
    }
    return 0;
}

int Run(const char* command, const std::vector<std::string>& args,
        std::initializer_list<const char*> flags, std::initializer_list<const char*> valued,
        const std::function<int(CliSession&, const CliOptions&)>& body)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, flags, valued, options, error)) return Usage(command, error);
    CliSession session;
    if (!session.Open(options)) return 2;
    return body(session, options);
}

} // namespace

int RunRefsCommand(const std::vector<std::string>& args) { return Run("refs", args, {}, {}, Refs); }
int RunCallersCommand(const std::vector<std::string>& args) { return Run("callers", args, {}, {}, Callers); }
int RunCalleesCommand(const std::vector<std::string>& args)
{
    return Run("callees", args, {}, {"--depth"}, CalleesCommand);
}
int RunBasesCommand(const std::vector<std::string>& args)
{
    return Run("bases", args, {}, {}, [](CliSession& s, const CliOptions& o) { return Hierarchy(s, o, true); });
}
int RunSubclassesCommand(const std::vector<std::string>& args)
{
    return Run("subclasses", args, {}, {},
               [](CliSession& s, const CliOptions& o) { return Hierarchy(s, o, false); });
}
int RunGraphCommand(const std::vector<std::string>& args)
{
    return Run("graph", args, {"--calls", "--classes"}, {"--from", "--format"}, Graph);
}
