#include "SalGenerator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zavora::bench {
namespace {

using std::string;
using std::vector;

// splitmix64: the same numbers on every platform and standard library, which
// the standard distributions do not promise; a seed must always give one text.
class Rng {
public:
    // The seed is mixed first: plain seeds would give shifted copies of one sequence.
    explicit Rng(unsigned seed) : state_(0x2545F4914F6CDD1DULL ^ seed) { state_ = Next(); }

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t n) { return n ? static_cast<std::size_t>(Next() % n) : 0; }
    int Range(int lo, int hi) { return lo + static_cast<int>(Below(static_cast<std::size_t>(hi - lo + 1))); }
    bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
    template <class T>
    const T& Pick(const vector<T>& v) { return v[Below(v.size())]; }
    template <class T, std::size_t N>
    const T& Pick(const T (&a)[N]) { return a[Below(N)]; }

private:
    std::uint64_t state_;
};

const char* const kNouns[] = {
    "Customer", "Order", "Article", "Invoice", "Account", "Address", "Payment", "Supplier",
    "Delivery", "Contract", "Employee", "Project", "Report", "Tax", "Discount", "Currency",
    "Stock", "Price", "Region", "Branch", "Vendor", "Shipment", "Ledger", "Budget", "Contact",
    "Product", "Category", "Warehouse", "Batch", "Schedule", "Receipt", "Credit", "Balance",
    "Journal", "Voucher", "Period", "Unit", "Quota", "Tariff", "Route", "Machine", "Ticket"};
const char* const kVerbs[] = {
    "Load", "Save", "Check", "Compute", "Format", "Find", "Update", "Remove", "Insert", "Print",
    "Validate", "Refresh", "Build", "Export", "Import", "Read", "Write", "Count", "Sum", "Close",
    "Open", "Lock", "Release", "Merge", "Split", "Copy", "Assign", "Calc", "Fetch", "Clear"};
const char* const kAdjectives[] = {
    "Special", "Extended", "Cached", "Remote", "Local", "Counted", "Audited", "Checked",
    "Archived", "Shared", "Simple", "Detailed"};
const char* const kComments[] = {
    "Recompute the totals before anything is written",
    "The database may have changed since the window was opened",
    "Keep the old value: the user may cancel",
    "Rows without a key are new and are inserted, not updated",
    "An empty field means: take the default of the branch",
    "Only the first page is fetched here, the rest on demand",
    "TODO: move this into the class once the old windows are gone",
    "Numbers come back rounded to the currency's precision",
    "Do not commit here: the caller owns the transaction",
    "The order of these calls matters for the audit log",
    "Checked again because the timer may have fired in between",
    "Fall back to the previous period when nothing was found"};
// Prose for descriptions; real programs document in whole paragraphs, which the
// file holds as continuation lines of the Description item.
const char* const kProse[] = {
    "Called from the windows and from the nightly batch; keep both in mind.",
    "The caller must have connected; nothing here opens a connection.",
    "Values are rounded as the accounting rules of the branch require.",
    "Returns FALSE and leaves everything unchanged when a check fails.",
    "Rows marked deleted are skipped; new rows get their key from the sequence.",
    "Written for release 3 and extended when the second warehouse came.",
    "Keep in step with the report definitions, which read the same tables.",
    "The text parameters may be empty; the defaults then come from the profile."};
const char* const kPictures[] = {"dd.MM.yyyy", "yyyy-MM-dd", "hh:mm", "MMM yyyy", "dd.MM.yyyy hh:mm"};
// Pictures used in code avoid ':' so that no string outside SQL looks like it has a bind.
const char* const kCodePictures[] = {"dd.MM.yyyy", "yyyy-MM-dd", "MMM yyyy", "yyyyMMdd", "dd. MMMM yyyy"};
const char* const kNumPictures[] = {"#,##0.00", "###0", "0.000", "#,##0"};

// Concatenates in the order written. Operands of + and arguments of a call are
// evaluated in an order the compiler chooses; pieces that draw random numbers
// must be joined with this, or the text would differ between compilers.
string J(std::initializer_list<string> parts) {
    string out;
    for (const string& p : parts) out += p;
    return out;
}

string Lower(string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

string Upper(string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

enum class Ty { Number, String, Boolean, Date, Window, Sql, File };

const char* Title(Ty t) {
    switch (t) {
    case Ty::Number: return "Number";
    case Ty::String: return "String";
    case Ty::Boolean: return "Boolean";
    case Ty::Date: return "Date/Time";
    case Ty::Window: return "Window Handle";
    case Ty::Sql: return "Sql Handle";
    case Ty::File: return "File Handle";
    }
    return "Number";
}

const char* Prefix(Ty t) {
    switch (t) {
    case Ty::Number: return "n";
    case Ty::String: return "s";
    case Ty::Boolean: return "b";
    case Ty::Date: return "dt";
    case Ty::Window: return "hWnd";
    case Ty::Sql: return "hSql";
    case Ty::File: return "hFile";
    }
    return "n";
}

bool IsValueType(Ty t) { return t == Ty::Number || t == Ty::String || t == Ty::Boolean || t == Ty::Date; }

struct Var {
    string name;
    Ty type = Ty::Number;
    bool array = false;
    bool assignable = true;
    bool bindable = true;  // may appear as :name in SQL
};

// Where a window handle argument should come from.
enum class Role { Any, Table, List };

struct Param {
    Ty type = Ty::Number;
    bool receive = false;
    bool array = false;
    Role role = Role::Any;
    string name;
};

struct Func {
    string name;
    bool hasRet = false;
    Ty ret = Ty::Number;
    vector<Param> params;
};

struct Callable {
    string prefix;  // "", "goOrder.", "cBase.", ".."
    const Func* func = nullptr;
};

// Built-ins the generated code calls, as compact signatures: N number, S string,
// B boolean, D date, W window, T table window, L list window, Q sql handle,
// F file handle, A array; r before a letter marks a Receive parameter.
const char* const kPureBuiltins[] = {
    "SalStrLeftX(S,N):S", "SalStrRightX(S,N):S", "SalStrMidX(S,N,N):S", "SalStrUpperX(S):S",
    "SalStrLowerX(S):S", "SalStrTrimX(S):S", "SalStrProperX(S):S", "SalStrReplaceX(S,N,N,S):S",
    "SalStrRepeatX(S,N):S", "SalNumberToStrX(N,N):S", "SalStrLength(S):N", "SalStrScan(S,S):N",
    "SalStrToNumber(S):N", "SalNumberRound(N):N", "SalNumberTruncate(N,N,N):N", "SalNumberMod(N,N):N",
    "SalNumberAbs(N):N", "SalNumberMax(N,N):N", "SalNumberMin(N,N):N", "SalDateYear(D):N",
    "SalDateMonth(D):N", "SalDateDay(D):N", "SalDateCurrent():D", "SalDateConstruct(N,N,N,N,N,N):D",
    "SalStrToDate(S):D", "SalStrIsValidNumber(S):B", "SalGetFocus():W", "SalParentWindow(W):W",
    "SalTblQueryContext(T):N", "SalListQueryCount(L):N", "SalListQuerySelection(L):N",
    "SalIsWindowVisible(W):B", "SalIsWindowEnabled(W):B", "SqlError(Q):N"};
const char* const kStatementBuiltins[] = {
    "SalMessageBox(S,S,N):N", "SalSendMsg(W,N,N,N):N", "SalPostMsg(W,N,N,N):B", "SalWaitCursor(B):B",
    "SalSetFocus(W):W", "SalHideWindow(W):B", "SalShowWindow(W):B", "SalEnableWindow(W):B",
    "SalDisableWindow(W):B", "SalSetWindowText(W,S):B", "SalGetWindowText(W,rS,N):N",
    "SalClearField(W):B", "SalStrUpper(S,rS):N", "SalStrTrim(S,rS):N", "SalNumberToStr(N,N,rS):N",
    "SalDateToStr(D,rS):N", "SalFilePutStr(F,S):B", "SalFileGetStr(F,rS,N):B", "SqlCommit(Q):B",
    "SqlGetErrorText(N,rS):B", "SqlFetchNext(Q,rN):B", "SalArrayGetUpperBound(A,N,rN):B",
    "SalTblReset(T):B", "SalTblSetContext(T,N):B", "SalTblInsertRow(T,N):N", "SalTblDeleteRow(T,N,N):B",
    "SalTblSetRowFlags(T,N,N,B):B", "SalListClear(L):B", "SalListAdd(L,S):N",
    "SalListQueryText(L,N,rS):N", "SalTblFindNextRow(T,rN,N,N):B", "SalGetWindowSize(W,rN,rN):B"};
const char* const kMessageFlags[] = {
    "MB_Ok", "MB_Ok | MB_IconStop", "MB_Ok | MB_IconExclamation", "MB_YesNo | MB_IconQuestion",
    "MB_OkCancel | MB_IconAsterisk", "MB_YesNoCancel | MB_IconQuestion"};

Func ParseSignature(const string& sig) {
    Func f;
    const auto open = sig.find('(');
    const auto close = sig.find(')');
    f.name = sig.substr(0, open);
    bool receive = false;
    for (std::size_t i = open + 1; i < close; ++i) {
        const char c = sig[i];
        if (c == ',') continue;
        if (c == 'r') {
            receive = true;
            continue;
        }
        Param p;
        p.receive = receive;
        receive = false;
        switch (c) {
        case 'N': p.type = Ty::Number; break;
        case 'S': p.type = Ty::String; break;
        case 'B': p.type = Ty::Boolean; break;
        case 'D': p.type = Ty::Date; break;
        case 'W': p.type = Ty::Window; break;
        case 'T': p.type = Ty::Window; p.role = Role::Table; break;
        case 'L': p.type = Ty::Window; p.role = Role::List; break;
        case 'Q': p.type = Ty::Sql; break;
        case 'F': p.type = Ty::File; break;
        default: p.type = Ty::Number; p.array = true; break;
        }
        f.params.push_back(p);
    }
    if (close + 2 < sig.size()) {
        f.hasRet = true;
        const Func probe = ParseSignature("x(" + sig.substr(close + 2) + ")");
        f.ret = probe.params.front().type;
    }
    return f;
}

// The outline as a flat list of items; marks are decided when it is written.
class Outline {
public:
    explicit Outline(bool indented) : indented_(indented) {}

    void Add(int level, string text) {
        bytes_ += ItemBytes(level, text);
        items_.push_back(Item{level, std::move(text), {}});
    }

    // Binary properties of the last item, written like the IDE's: 32 bytes a
    // line in groups of eight.
    void AddData(const string& name, Rng& rng, std::size_t size) {
        static const char kHex[] = "0123456789ABCDEF";
        string block = ".data " + name + "\r\n";
        for (std::size_t offset = 0; offset < size; offset += 32) {
            char address[24];
            std::snprintf(address, sizeof address, "%04zX:", offset);
            block += address;
            for (std::size_t i = offset; i < size && i < offset + 32; ++i) {
                if ((i - offset) % 8 == 0) block += ' ';
                // Mostly small numbers and zeros, as real property blocks are.
                const unsigned byte = rng.Chance(55) ? 0u : static_cast<unsigned>(rng.Below(rng.Chance(70) ? 16 : 256));
                block += kHex[byte >> 4];
                block += kHex[byte & 15];
            }
            block += "\r\n";
        }
        block += ".enddata\r\n";
        bytes_ += block.size();
        items_.back().data += block;
    }

    void Append(Outline&& other) {
        bytes_ += other.bytes_;
        items_.insert(items_.end(), std::make_move_iterator(other.items_.begin()),
                      std::make_move_iterator(other.items_.end()));
        other.items_.clear();
        other.bytes_ = 0;
    }

    std::size_t Bytes() const { return bytes_; }
    std::size_t Items() const { return items_.size(); }

    string Render() const {
        string out;
        out.reserve(bytes_);
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            if (indented_) {
                out.append(static_cast<std::size_t>(item.level), '\t');
            } else {
                const bool parent = i + 1 < items_.size() && items_[i + 1].level > item.level;
                out += ".head ";
                out += std::to_string(item.level);
                out += parent ? " +  " : " -  ";
            }
            for (const char c : item.text) {
                if (c != '\n') {
                    out += c;
                    continue;
                }
                out += "\r\n";
                // A continuation line is indented past the item's own depth plus one.
                if (indented_) out.append(static_cast<std::size_t>(item.level) + 2, '\t');
            }
            out += "\r\n";
            out += item.data;
        }
        return out;
    }

private:
    struct Item {
        int level;
        string text;
        string data;
    };

    std::size_t ItemBytes(int level, const string& text) const {
        std::size_t breaks = 0;
        for (const char c : text) breaks += c == '\n';
        const auto depth = static_cast<std::size_t>(level);
        if (indented_) return depth + text.size() + 2 + breaks * (depth + 3);
        return 10 + std::to_string(level).size() + text.size() + 2 + breaks;
    }

    bool indented_;
    vector<Item> items_;
    std::size_t bytes_ = 0;
};

// Names visible to the code being written, besides the globals.
struct Scope {
    vector<Var> vars;
    vector<Callable> calls;                  // the enclosing class's or window's functions
    const vector<Callable>* shared = nullptr;  // the program's functions, when callable from here
    vector<string> handles;  // child windows, usable where a window handle is expected
    vector<string> tables;
    vector<string> lists;
    vector<string> buttons;
    vector<string> fields;
    bool window = false;             // hWndForm is the window this code belongs to
    const Func* function = nullptr;  // the function whose Actions these are
    vector<Var>* locals = nullptr;   // where a new local goes; null outside functions
    std::set<string>* names = nullptr;
};

struct ClassInfo {
    string name;
    vector<const ClassInfo*> bases;
    vector<Var> ivs;
    vector<Var> cvs;
    vector<const Func*> funcs;
};

struct FormClass {
    string name;
    string message;  // PM_ constant it handles
    vector<Var> ivs;
    vector<const Func*> funcs;
};

struct FieldClass {
    string name;
    const Func* normalize = nullptr;
};

struct FormInfo {
    string name;
    vector<Var> fields;   // data fields, for qualified references from elsewhere
    vector<Ty> params;    // window parameters, passed by SalCreateWindow
};

struct ClassTemplate {
    const char* name;
    bool hasRet;
    Ty ret;
    vector<Param> params;
};

class Generator {
public:
    Generator(std::size_t target, unsigned seed, bool indented)
        : target_(target), rng_(seed), indented_(indented), head_(indented), globalsHead_(indented),
          constants_(indented), resources_(indented), variables_(indented), functions_(indented),
          menus_(indented), classes_(indented), appActions_(indented), windows_(indented) {
        for (const char* sig : kPureBuiltins) pure_.push_back(Keep(ParseSignature(sig)));
        for (const char* sig : kStatementBuiltins) statements_.push_back(Keep(ParseSignature(sig)));
        // Names of the language that the program must not declare again.
        for (const char* n : {"hWndForm", "hWndNULL", "hWndItem", "MyValue", "wParam", "lParam"})
            globalNames_.insert(Lower(n));
    }

    GeneratedProgram Run();

private:
    std::size_t Total() const {
        return head_.Bytes() + globalsHead_.Bytes() + constants_.Bytes() + resources_.Bytes() +
               variables_.Bytes() + functions_.Bytes() + menus_.Bytes() + classes_.Bytes() +
               appActions_.Bytes() + windows_.Bytes();
    }

    const Func* Keep(Func f) {
        store_.push_back(std::move(f));
        return &store_.back();
    }

    string Noun() { return rng_.Pick(kNouns); }

    // A noun, often with a qualifier, as real identifiers are: nOrderTotal, sCustomerName.
    string Ident() {
        static const char* const kQualifiers[] = {"Name", "Count", "Total", "Id", "Text", "Key", "Code", "Amount",
                                                  "Status", "Limit", "Date", "Number", "List", "Value", "Type"};
        const string noun = Noun();
        return rng_.Chance(65) ? noun + rng_.Pick(kQualifiers) : noun;
    }

    string NewGlobal(const string& base) {
        string name = base;
        for (int n = 2; !globalNames_.insert(Lower(name)).second; ++n) name = base + std::to_string(n);
        return name;
    }

    static string NewIn(std::set<string>& names, const string& base) {
        string name = base;
        for (int n = 2; !names.insert(Lower(name)).second; ++n) name = base + std::to_string(n);
        return name;
    }

    string Measure(double lo, double hi) {
        char buf[16];
        const double v = lo + (hi - lo) * static_cast<double>(rng_.Below(1000)) / 1000.0;
        std::snprintf(buf, sizeof buf, "%.1f\"", v);
        return buf;
    }

    string StringLiteral() {
        string s = "'" + Noun();
        if (rng_.Chance(50)) s += " " + Lower(rng_.Pick(kNouns));
        if (rng_.Chance(30)) s += " " + Lower(rng_.Pick(kVerbs)) + "ed";
        return s + "'";
    }

    // A description of one line, or a paragraph over several.
    string Description(const string& first) {
        string text = first;
        const std::size_t count = std::size(kProse);
        const std::size_t start = rng_.Below(count);
        for (std::size_t i = 0, n = rng_.Chance(55) ? rng_.Below(3) + 1 : 0; i < n; ++i) {
            if (!text.empty()) text += '\n';
            text += kProse[(start + i) % count];
        }
        return text;
    }

    string NumberLiteral() {
        if (rng_.Chance(15)) return J({std::to_string(rng_.Range(0, 99)), ".", std::to_string(rng_.Range(1, 9))});
        return std::to_string(rng_.Chance(60) ? rng_.Range(0, 10) : rng_.Range(11, 5000));
    }

    // Variables and expressions.
    const Var* PickVar(Scope& s, Ty t, bool writable, bool allowArray, bool bindable = false);
    string Ref(Scope& s, const Var& v);
    string ReadVar(Scope& s, Ty t);
    string Writable(Scope& s, Ty t);
    string WindowArg(Scope& s, Role role);
    string Expr(Scope& s, Ty t, int depth);
    string Condition(Scope& s, int depth);
    string CallText(Scope& s, const string& prefix, const Func& f, int depth);
    string UserCall(Scope& s, bool wantRet, Ty t, int depth);
    string BuiltinExpr(Scope& s, Ty t, int depth);
    string Sql(Scope& s, bool allowInto);

    // Statements.
    void Block(Outline& o, int level, Scope& s, int count, int depth);
    void Stmt(Outline& o, int level, Scope& s, int depth);
    void WindowStmt(Outline& o, int level, Scope& s);
    void SqlBlock(Outline& o, int level, Scope& s, int depth);
    void Actions(Outline& o, int level, Scope& s, int count);

    // Declarations.
    Func MakeSignature(const string& name, bool allowWindow);
    void FunctionBody(Outline& o, int level, const Func& f, Scope base, const string& description,
                      const Callable* early);
    void Pools();
    void ExternalFunctions();
    void InternalFunction();
    void ClassFamily(bool small);
    void FormClassDef();
    void FieldClassDef();
    void Menus();
    void AppActions();
    void FormWindow(bool compact);
    void DialogBox();
    void Settings(Outline& o, int level);
    void ChildProps(Outline& o, int level, const string& cls);
    void Location(Outline& o, int level);
    void DataField(Outline& o, int level, const string& name, Ty type, const FieldClass* cls,
                   const Scope& windowScope);
    void Pushbutton(Outline& o, int level, const string& name, const string& title,
                    const Scope& windowScope, bool dialog);
    void ChildTable(Outline& o, int level, const string& name, const vector<Var>& columns,
                    const Scope& windowScope);
    void GlobalVar(Ty t, const string& base, bool array = false);

    Scope GlobalScope() const {
        Scope s;
        s.shared = &globalCalls_;
        return s;
    }
    vector<const ClassInfo*> Ancestors(const ClassInfo* c) const;

    std::size_t target_;
    Rng rng_;
    bool indented_;
    Outline head_, globalsHead_, constants_, resources_, variables_, functions_, menus_, classes_,
        appActions_, windows_;

    std::deque<Func> store_;
    vector<const Func*> pure_, statements_;
    std::set<string> globalNames_;
    vector<Var> globals_;
    std::array<vector<std::size_t>, 7> globalsByType_;  // indexes into globals_, by Ty
    vector<Var> objectMembers_;  // goX.ivY, readable and writable
    vector<string> numConsts_, sqlConsts_, messages_;
    vector<vector<string>> enums_;
    vector<const Func*> internal_, externals_;
    vector<Callable> objectCalls_;
    vector<Callable> globalCalls_;  // internal and external functions, object functions
    std::deque<ClassInfo> classInfos_;
    vector<const ClassInfo*> familyBases_;
    vector<FormClass> formClasses_;
    vector<FieldClass> fieldClasses_;
    vector<FormInfo> forms_;
    vector<string> dialogs_, menuNames_;
    std::size_t functionBytes_ = 0, functionCount_ = 0;
};

// Never null for a plain variable: the globals hold one of every type.
const Var* Generator::PickVar(Scope& s, Ty t, bool writable, bool allowArray, bool bindable) {
    auto fits = [&](const Var& v) {
        return v.type == t && (!writable || v.assignable) && (allowArray || !v.array) && (!bindable || v.bindable);
    };
    vector<const Var*> local, global;
    for (const Var& v : s.vars)
        if (fits(v)) local.push_back(&v);
    if (s.locals)
        for (const Var& v : *s.locals)
            if (fits(v)) local.push_back(&v);
    if (!local.empty() && rng_.Chance(78)) return local[rng_.Below(local.size())];
    // Globals are sampled, not scanned: a large program has thousands.
    if (!bindable && !objectMembers_.empty() && rng_.Chance(6)) {
        for (int attempt = 0; attempt < 6; ++attempt) {
            const Var& v = objectMembers_[rng_.Below(objectMembers_.size())];
            if (fits(v)) return &v;
        }
    }
    const vector<std::size_t>& typed = globalsByType_[static_cast<std::size_t>(t)];
    for (int attempt = 0; attempt < 8 && !typed.empty(); ++attempt) {
        const Var& v = globals_[typed[rng_.Below(typed.size())]];
        if (fits(v)) return &v;
    }
    for (const Var& v : globals_)
        if (fits(v)) global.push_back(&v);
    if (!global.empty()) return global[rng_.Below(global.size())];
    return local.empty() ? nullptr : local[rng_.Below(local.size())];
}

string Generator::Ref(Scope& s, const Var& v) {
    if (!v.array) return v.name;
    const Var* index = PickVar(s, Ty::Number, false, false);
    return v.name + "[" + (index && rng_.Chance(70) ? index->name : std::to_string(rng_.Range(0, 20))) + "]";
}

string Generator::ReadVar(Scope& s, Ty t) {
    const Var* v = PickVar(s, t, false, true);
    if (v) return Ref(s, *v);
    switch (t) {
    case Ty::String: return StringLiteral();
    case Ty::Boolean: return rng_.Chance(50) ? "TRUE" : "FALSE";
    case Ty::Date: return "SalDateCurrent(  )";
    case Ty::Window: return "hWndNULL";
    default: return NumberLiteral();
    }
}

// A plain variable to pass where the callee writes: a local when there can be
// one, else whatever is in scope; the globals always have one of each type.
string Generator::Writable(Scope& s, Ty t) {
    bool haveLocal = false;
    if (s.locals)
        for (const Var& v : *s.locals) haveLocal |= v.type == t && !v.array;
    if (s.locals && (!haveLocal || rng_.Chance(25))) {
        Var v;
        v.type = t;
        v.name = NewIn(*s.names, string(Prefix(t)) + Ident());
        s.locals->push_back(v);
        return v.name;
    }
    return PickVar(s, t, true, false)->name;
}

string Generator::WindowArg(Scope& s, Role role) {
    if (role == Role::Table && !s.tables.empty()) return rng_.Pick(s.tables);
    if (role == Role::List && !s.lists.empty()) return rng_.Pick(s.lists);
    if (role == Role::Any) {
        if (!s.handles.empty() && rng_.Chance(60)) return rng_.Pick(s.handles);
        if (s.window && rng_.Chance(60)) return "hWndForm";
    }
    const Var* v = PickVar(s, Ty::Window, false, false);
    return v ? v->name : "hWndNULL";
}

string Generator::CallText(Scope& s, const string& prefix, const Func& f, int depth) {
    string text = prefix + f.name + "(";
    if (f.params.empty()) return text + "  )";
    for (std::size_t i = 0; i < f.params.size(); ++i) {
        const Param& p = f.params[i];
        string arg;
        if (p.receive) {
            arg = Writable(s, p.type);
        } else if (p.array) {
            vector<const Var*> arrays;
            for (const Var& v : globals_)
                if (v.array) arrays.push_back(&v);
            arg = arrays[rng_.Below(arrays.size())]->name;
        } else if (p.type == Ty::Window) {
            arg = WindowArg(s, p.role);
        } else if (f.name == "SalMessageBox" && i == 2) {
            arg = rng_.Pick(kMessageFlags);
        } else if ((f.name == "SalSendMsg" || f.name == "SalPostMsg") && i == 1 && !messages_.empty()) {
            arg = rng_.Pick(messages_);
        } else {
            arg = Expr(s, p.type, depth + 1);
        }
        text += (i ? ", " : " ") + arg;
    }
    return text + " )";
}

// Sampled rather than filtered: scanning every function of a large program for
// each expression would make generation quadratic.
string Generator::UserCall(Scope& s, bool wantRet, Ty t, int depth) {
    const std::size_t own = s.calls.size();
    const std::size_t shared = s.shared ? s.shared->size() : 0;
    if (own + shared == 0) return {};
    for (int attempt = 0; attempt < 12; ++attempt) {
        const Callable& c = own && (!shared || rng_.Chance(50)) ? s.calls[rng_.Below(own)] : (*s.shared)[rng_.Below(shared)];
        if (c.func == s.function) continue;
        if (wantRet && !(c.func->hasRet && c.func->ret == t)) continue;
        return CallText(s, c.prefix, *c.func, depth);
    }
    return {};
}

string Generator::BuiltinExpr(Scope& s, Ty t, int depth) {
    vector<const Func*> fit;
    for (const Func* f : pure_) {
        if (!f->hasRet || f->ret != t) continue;
        bool ok = true;
        for (const Param& p : f->params) {
            if (p.role == Role::Table && s.tables.empty()) ok = false;
            if (p.role == Role::List && s.lists.empty()) ok = false;
        }
        if (ok) fit.push_back(f);
    }
    if (fit.empty()) return ReadVar(s, t);
    const Func& f = *fit[rng_.Below(fit.size())];
    if (f.name == "SalNumberToStrX")
        return J({"SalNumberToStrX( ", Expr(s, Ty::Number, depth + 1), ", ", std::to_string(rng_.Range(0, 2)), " )"});
    return CallText(s, "", f, depth);
}

string Generator::Expr(Scope& s, Ty t, int depth) {
    const bool deep = depth >= 2;
    switch (t) {
    case Ty::Number:
        switch (rng_.Below(deep ? 3 : 10)) {
        case 0: return NumberLiteral();
        case 1:
        case 2: return ReadVar(s, Ty::Number);
        case 3:
        case 4: return BuiltinExpr(s, Ty::Number, depth);
        case 5: {
            string call = UserCall(s, true, Ty::Number, depth);
            return call.empty() ? ReadVar(s, Ty::Number) : call;
        }
        case 6: return J({ReadVar(s, Ty::Number), " + ", NumberLiteral()});
        case 7:
            if (!enums_.empty() && rng_.Chance(40)) return rng_.Pick(rng_.Pick(enums_));
            return rng_.Pick(numConsts_);
        case 8: return J({ReadVar(s, Ty::Number), " * ", Expr(s, Ty::Number, depth + 1)});
        default: return J({"( ", Expr(s, Ty::Number, depth + 1), " - ", ReadVar(s, Ty::Number), " )"});
        }
    case Ty::String:
        switch (rng_.Below(deep ? 3 : 8)) {
        case 0: return StringLiteral();
        case 1:
        case 2: return ReadVar(s, Ty::String);
        case 3:
        case 4: return BuiltinExpr(s, Ty::String, depth);
        case 5: {
            string call = UserCall(s, true, Ty::String, depth);
            return call.empty() ? ReadVar(s, Ty::String) : call;
        }
        case 6:
            return J({ReadVar(s, Ty::String), " || ' ' || SalNumberToStrX( ", ReadVar(s, Ty::Number), ", 0 )"});
        default:
            return J({"SalFmtFormatDateTime( ", ReadVar(s, Ty::Date), ", '", rng_.Pick(kCodePictures), "' )"});
        }
    case Ty::Boolean: return Condition(s, depth);
    case Ty::Date:
        switch (rng_.Below(deep ? 2 : 5)) {
        case 0: return ReadVar(s, Ty::Date);
        case 1: return "SalDateCurrent(  )";
        case 2: {
            string call = UserCall(s, true, Ty::Date, depth);
            return call.empty() ? ReadVar(s, Ty::Date) : call;
        }
        case 3:
            return J({"SalDateConstruct( ", ReadVar(s, Ty::Number), ", ", std::to_string(rng_.Range(1, 12)), ", 1, 0, 0, 0 )"});
        default: return BuiltinExpr(s, Ty::Date, depth);
        }
    case Ty::Window: return WindowArg(s, Role::Any);
    case Ty::Sql:
    case Ty::File: {
        return PickVar(s, t, false, false)->name;
    }
    }
    return NumberLiteral();
}

string Generator::Condition(Scope& s, int depth) {
    const bool deep = depth >= 2;
    static const char* const kCompare[] = {" > ", " < ", " = ", " != ", " >= ", " <= "};
    switch (rng_.Below(deep ? 4 : 10)) {
    case 0: return ReadVar(s, Ty::Boolean);
    case 1: return "NOT " + ReadVar(s, Ty::Boolean);
    case 2: return J({ReadVar(s, Ty::Number), rng_.Pick(kCompare), Expr(s, Ty::Number, depth + 1)});
    case 3: return J({ReadVar(s, Ty::String), rng_.Chance(50) ? " = STRING_Null" : " != ''"});
    case 4: {
        string call = UserCall(s, true, Ty::Boolean, depth);
        if (!call.empty()) return rng_.Chance(30) ? "NOT " + call : call;
        return ReadVar(s, Ty::Boolean);
    }
    case 5: return BuiltinExpr(s, Ty::Boolean, depth);
    case 6:
        if (!s.fields.empty()) return "SalIsNull( " + rng_.Pick(s.fields) + " )";
        return "SalStrLength( " + ReadVar(s, Ty::String) + " ) > 0";
    case 7: return J({Condition(s, depth + 1), rng_.Chance(50) ? " AND " : " OR ", Condition(s, depth + 1)});
    case 8: return ReadVar(s, Ty::Number) + " = NUMBER_Null";
    default: return J({"SalStrLength( ", Expr(s, Ty::String, depth + 1), " )", rng_.Pick(kCompare), NumberLiteral()});
    }
}

// An SQL statement with binds that all name variables visible in the scope.
string Generator::Sql(Scope& s, bool allowInto) {
    const string table = Lower(Noun());
    auto column = [&] {
        const string noun = Lower(Noun());
        return noun + (noun == "order" || rng_.Chance(30) ? "_id" : "");
    };
    auto bind = [&](Ty t) {
        const Var* v = PickVar(s, t, false, false, true);
        if (!v) v = PickVar(s, Ty::Number, false, false, true);
        if (!forms_.empty() && rng_.Chance(4)) {
            const FormInfo& f = rng_.Pick(forms_);
            if (!f.fields.empty()) return ":" + f.name + "." + rng_.Pick(f.fields).name;
        }
        return ":" + v->name;
    };
    const string brk = rng_.Chance(45) ? "\n" : " ";
    switch (rng_.Below(allowInto ? 5 : 3)) {
    case 0: return J({"UPDATE ", table, " SET ", column(), " = ", bind(Ty::String), brk, "WHERE ", column(), " = ", bind(Ty::Number)});
    case 1:
        return J({"INSERT INTO ", table, " (", column(), ", ", column(), ")", brk, "VALUES (", bind(Ty::Number), ", ", bind(Ty::String), ")"});
    case 2: return J({"DELETE FROM ", table, brk, "WHERE ", column(), " = ", bind(Ty::Number)});
    default: {
        string cols, into;
        const int n = rng_.Range(1, 3);
        for (int i = 0; i < n; ++i) {
            const Ty t = rng_.Chance(60) ? Ty::String : (rng_.Chance(70) ? Ty::Number : Ty::Date);
            const Var* v = PickVar(s, t, true, false, true);
            if (!v) continue;
            cols += (cols.empty() ? "" : ", ") + column();
            into += (into.empty() ? ":" : ", :") + v->name;
        }
        if (cols.empty()) return J({"DELETE FROM ", table, " WHERE ", column(), " = ", bind(Ty::Number)});
        return J({"SELECT ", cols, " FROM ", table, brk, "WHERE ", column(), " = ", bind(Ty::Number), " INTO ", into});
    }
    }
}

void Generator::Block(Outline& o, int level, Scope& s, int count, int depth) {
    for (int i = 0; i < count; ++i) Stmt(o, level, s, depth);
}

void Generator::SqlBlock(Outline& o, int level, Scope& s, int depth) {
    const string h = PickVar(s, Ty::Sql, false, false)->name;
    const string text = Sql(s, true);
    if (!sqlConsts_.empty() && rng_.Chance(15)) {
        o.Add(level, "Call SqlPrepareAndExecute( " + h + ", " + rng_.Pick(sqlConsts_) + " )");
    } else {
        o.Add(level, "If NOT SqlPrepareAndExecute( " + h + ", '" + text + "' )");
        if (s.function && s.function->hasRet && s.function->ret == Ty::Boolean) {
            o.Add(level + 1, "Return FALSE");
        } else {
            o.Add(level + 1, "Call SalMessageBox( 'Cannot read " + Lower(Noun()) + "', 'Error', MB_Ok | MB_IconStop )");
            if (s.function && !s.function->hasRet) o.Add(level + 1, "Return");
        }
    }
    if (text.compare(0, 6, "SELECT") == 0) {
        const string fetch = Writable(s, Ty::Number);
        o.Add(level, "While SqlFetchNext( " + h + ", " + fetch + " )");
        Block(o, level + 1, s, rng_.Range(1, 2), depth + 1);
    } else if (rng_.Chance(40)) {
        o.Add(level, "Call SqlCommit( " + h + " )");
    }
}

void Generator::WindowStmt(Outline& o, int level, Scope& s) {
    switch (rng_.Below(11)) {
    case 0:
        if (!s.tables.empty()) {
            o.Add(level, "Call SalTblReset( " + rng_.Pick(s.tables) + " )");
            return;
        }
        break;
    case 1:
        if (!messages_.empty()) {
            o.Add(level, "Call SalSendMsg( hWndForm, " + rng_.Pick(messages_) + ", 0, 0 )");
            return;
        }
        break;
    case 2:
        if (!s.buttons.empty()) {
            o.Add(level, J({rng_.Chance(50) ? "Call SalDisableWindow( " : "Call SalEnableWindow( ", rng_.Pick(s.buttons), " )"}));
            return;
        }
        break;
    case 3:
        if (!s.fields.empty()) {
            o.Add(level, J({rng_.Chance(50) ? "Call SalSetFocus( " : "Call SalClearField( ", rng_.Pick(s.fields), " )"}));
            return;
        }
        break;
    case 4:
        if (!forms_.empty()) {
            const FormInfo& f = rng_.Pick(forms_);
            string text = "Call SalCreateWindow( " + f.name + ", hWndNULL";
            for (Ty t : f.params) text += ", " + Expr(s, t, 1);
            o.Add(level, text + " )");
            return;
        }
        break;
    case 5:
        if (!dialogs_.empty()) {
            o.Add(level, "If SalModalDialog( " + rng_.Pick(dialogs_) + ", hWndForm ) = IDOK");
            Block(o, level + 1, s, 1, 2);
            return;
        }
        break;
    case 6:
        if (!forms_.empty()) {
            const FormInfo& f = rng_.Pick(forms_);
            if (!f.fields.empty()) {
                const Var& v = rng_.Pick(f.fields);
                o.Add(level, "Set " + f.name + "." + v.name + " = " + Expr(s, v.type, 1));
                return;
            }
        }
        break;
    case 7:
        if (!s.lists.empty()) {
            const string l = rng_.Pick(s.lists);
            o.Add(level, "Call SalListClear( " + l + " )");
            o.Add(level, "Call SalListAdd( " + l + ", " + Expr(s, Ty::String, 1) + " )");
            return;
        }
        break;
    case 8:
        if (!s.tables.empty()) {
            const string t = rng_.Pick(s.tables);
            const string handle = PickVar(s, Ty::Sql, false, false)->name;
            o.Add(level, "Call SalTblPopulate( " + t + ", " + handle + ", '" + Sql(s, true) + "', TBL_FillAll )");
            return;
        }
        break;
    case 9:
        if (!s.tables.empty()) {
            const string t = rng_.Pick(s.tables);
            const string row = Writable(s, Ty::Number);
            o.Add(level, "Set " + row + " = -1");
            o.Add(level, "While SalTblFindNextRow( " + t + ", " + row + ", ROW_Selected, 0 )");
            o.Add(level + 1, "Call SalTblSetContext( " + t + ", " + row + " )");
            Block(o, level + 1, s, 1, 2);
            return;
        }
        break;
    default: break;
    }
    o.Add(level, "Call SalWaitCursor( " + string(rng_.Chance(50) ? "TRUE" : "FALSE") + " )");
}

void Generator::Stmt(Outline& o, int level, Scope& s, int depth) {
    static const int kWeights[] = {26, 14, 11, 14, 4, 3, 9, 7, 2, 3};
    for (;;) {
        int roll = static_cast<int>(rng_.Below(93));
        int kind = 0;
        while (roll >= kWeights[kind]) roll -= kWeights[kind++];
        switch (kind) {
        case 0: {  // Set
            static const Ty kTypes[] = {Ty::Number, Ty::Number, Ty::String, Ty::String, Ty::Boolean, Ty::Date};
            const Ty t = rng_.Pick(kTypes);
            string target;
            if (s.locals && rng_.Chance(30)) {
                target = Writable(s, t);
            } else {
                const Var* v = PickVar(s, t, true, true);
                if (!v) continue;
                target = Ref(s, *v);
            }
            string value = Expr(s, t, 0);
            if (value == target) {
                // x = x says nothing; make it a change of x.
                value = t == Ty::Number    ? target + " + 1"
                        : t == Ty::String  ? "SalStrTrimX( " + target + " )"
                        : t == Ty::Boolean ? "NOT " + target
                                           : string("SalDateCurrent(  )");
            }
            o.Add(level, "Set " + target + " = " + value);
            return;
        }
        case 1: {  // Call of a user function
            if (s.calls.empty() && (!s.shared || s.shared->empty())) continue;
            const string call = UserCall(s, false, Ty::Number, 0);
            if (call.empty()) continue;
            o.Add(level, "Call " + call);
            return;
        }
        case 2: {  // Call of a built-in
            if (s.window && rng_.Chance(50)) {
                WindowStmt(o, level, s);
                return;
            }
            const Func& f = *rng_.Pick(statements_);
            bool ok = true;
            for (const Param& p : f.params) {
                if (p.role == Role::Table && s.tables.empty()) ok = false;
                if (p.role == Role::List && s.lists.empty()) ok = false;
            }
            if (!ok) continue;
            o.Add(level, "Call " + CallText(s, "", f, 0));
            return;
        }
        case 3: {  // If / Else If / Else
            if (depth >= 3) continue;
            o.Add(level, "If " + Condition(s, 0));
            Block(o, level + 1, s, rng_.Range(1, 3), depth + 1);
            if (s.function && rng_.Chance(15)) {
                o.Add(level + 1, s.function->hasRet ? "Return " + Expr(s, s.function->ret, 1) : string("Return"));
            }
            if (rng_.Chance(20)) {
                o.Add(level, "Else If " + Condition(s, 1));
                Block(o, level + 1, s, rng_.Range(1, 2), depth + 1);
            }
            if (rng_.Chance(35)) {
                o.Add(level, "Else");
                Block(o, level + 1, s, rng_.Range(1, 2), depth + 1);
            }
            return;
        }
        case 4: {  // counted While
            if (depth >= 2) continue;
            const string counter = s.locals ? Writable(s, Ty::Number) : PickVar(s, Ty::Number, true, false)->name;
            o.Add(level, "Set " + counter + " = 0");
            o.Add(level, "While " + counter + " < " + Expr(s, Ty::Number, 1));
            Block(o, level + 1, s, rng_.Range(1, 3), depth + 1);
            o.Add(level + 1, "Set " + counter + " = " + counter + " + 1");
            return;
        }
        case 5: {  // Select Case
            if (depth >= 2) continue;
            o.Add(level, "Select Case " + ReadVar(s, Ty::Number));
            const vector<string>* items = !enums_.empty() && rng_.Chance(50) ? &rng_.Pick(enums_) : nullptr;
            const int cases = rng_.Range(2, 4);
            for (int i = 0; i < cases; ++i) {
                o.Add(level + 1, "Case " + (items ? (*items)[static_cast<std::size_t>(i) % items->size()] : std::to_string(i + 1)));
                Block(o, level + 2, s, rng_.Range(1, 2), depth + 2);
                o.Add(level + 2, "Break");
            }
            if (rng_.Chance(60)) {
                o.Add(level + 1, "Default");
                Block(o, level + 2, s, 1, depth + 2);
                o.Add(level + 2, "Break");
            }
            return;
        }
        case 6:  // comment
            o.Add(level, J({"! ", rng_.Pick(kComments), rng_.Chance(25) ? string("\n") + rng_.Pick(kProse) : string()}));
            return;
        case 7:  // SQL
            if (depth >= 2) continue;
            SqlBlock(o, level, s, depth);
            return;
        case 8: {  // Loop with Break
            if (depth >= 2) continue;
            o.Add(level, "Loop");
            Block(o, level + 1, s, rng_.Range(1, 2), depth + 1);
            o.Add(level + 1, "If " + Condition(s, 1));
            o.Add(level + 2, "Break");
            return;
        }
        default: {  // object member
            if (objectCalls_.empty()) continue;
            const Callable& c = rng_.Pick(objectCalls_);
            if (c.func->hasRet && IsValueType(c.func->ret) && rng_.Chance(50)) {
                const Var* v = PickVar(s, c.func->ret, true, false);
                if (!v) continue;
                // Copied first: the arguments may add locals and move the vector.
                const string target = v->name;
                o.Add(level, "Set " + target + " = " + CallText(s, c.prefix, *c.func, 1));
            } else {
                o.Add(level, "Call " + CallText(s, c.prefix, *c.func, 1));
            }
            return;
        }
        }
    }
}

void Generator::Actions(Outline& o, int level, Scope& s, int count) {
    Block(o, level, s, count, 0);
}

vector<const ClassInfo*> Generator::Ancestors(const ClassInfo* c) const {
    vector<const ClassInfo*> out{c};
    for (const ClassInfo* b : c->bases)
        for (const ClassInfo* a : Ancestors(b)) out.push_back(a);
    return out;
}

void Generator::GlobalVar(Ty t, const string& base, bool array) {
    Var v;
    v.type = t;
    v.array = array;
    v.name = NewGlobal(base);
    globalsByType_[static_cast<std::size_t>(t)].push_back(globals_.size());
    globals_.push_back(v);
    variables_.Add(3, string(Title(t)) + ": " + v.name + (array ? "[*]" : ""));
}

// Parameters of a new function: by value mostly, some Receive.
Func Generator::MakeSignature(const string& name, bool allowWindow) {
    Func f;
    f.name = name;
    static const Ty kRet[] = {Ty::Boolean, Ty::Boolean, Ty::Number, Ty::String, Ty::Date};
    if (rng_.Chance(75)) {
        f.hasRet = true;
        f.ret = rng_.Pick(kRet);
    }
    std::set<string> names;
    const int n = rng_.Range(0, 4);
    for (int i = 0; i < n; ++i) {
        static const Ty kTypes[] = {Ty::Number, Ty::Number, Ty::String, Ty::String, Ty::Boolean, Ty::Date, Ty::Window};
        Param p;
        p.type = rng_.Pick(kTypes);
        if (p.type == Ty::Window && !allowWindow) p.type = Ty::Number;
        p.receive = p.type != Ty::Window && rng_.Chance(25);
        p.name = NewIn(names, string(p.receive ? "r" : "p") + Prefix(p.type) + Ident());
        f.params.push_back(p);
    }
    return f;
}

// Description, Returns, Parameters, Static Variables, Local variables, Actions.
void Generator::FunctionBody(Outline& o, int level, const Func& f, Scope s, const string& description,
                             const Callable* early) {
    o.Add(level, "Function: " + f.name);
    o.Add(level + 1, "Description: " + Description(description));
    o.Add(level + 1, "Returns");
    if (f.hasRet) o.Add(level + 2, string(Title(f.ret)) + ":");
    o.Add(level + 1, "Parameters");
    std::set<string> names;
    for (const Param& p : f.params) {
        o.Add(level + 2, string(p.receive ? "Receive " : "") + Title(p.type) + ": " + p.name);
        names.insert(Lower(p.name));
        Var v;
        v.name = p.name;
        v.type = p.type;
        s.vars.push_back(v);
    }
    o.Add(level + 1, "Static Variables");
    if (rng_.Chance(8)) {
        Var v;
        v.type = Ty::Boolean;
        v.name = NewIn(names, "sb" + Ident());
        o.Add(level + 2, "Boolean: " + v.name);
        s.vars.push_back(v);
    }
    vector<Var> locals;
    s.locals = &locals;
    s.names = &names;
    s.function = &f;
    Outline body(indented_);
    if (early) {
        // An override does its base's work first, early bound.
        body.Add(level + 2, "Call " + CallText(s, early->prefix, *early->func, 1));
    }
    Actions(body, level + 2, s, rng_.Range(4, 13));
    if (f.hasRet) body.Add(level + 2, "Return " + Expr(s, f.ret, 0));
    for (int extra = rng_.Range(0, 1); extra > 0; --extra) {
        static const Ty kTypes[] = {Ty::Number, Ty::String, Ty::Boolean};
        const Ty t = rng_.Pick(kTypes);
        locals.push_back(Var{NewIn(names, string(Prefix(t)) + Ident()), t});
    }
    o.Add(level + 1, "Local variables");
    for (const Var& v : locals) o.Add(level + 2, string(Title(v.type)) + ": " + v.name);
    o.Add(level + 1, "Actions");
    o.Append(std::move(body));
}

void Generator::Pools() {
    // Global variables: at least one of every type, so any scope can find one.
    GlobalVar(Ty::Sql, "ghSql");
    GlobalVar(Ty::File, "ghLog");
    GlobalVar(Ty::Boolean, "gbConnected");
    GlobalVar(Ty::Window, "ghWndMain");
    GlobalVar(Ty::Number, "gnCount");
    GlobalVar(Ty::String, "gsText");
    GlobalVar(Ty::Date, "gdtToday");
    GlobalVar(Ty::Number, "gnTotals", true);
    GlobalVar(Ty::String, "gsNames", true);
    const int vars = 12 + static_cast<int>(target_ / 12000);
    for (int i = 0; i < vars; ++i) {
        static const Ty kTypes[] = {Ty::Number, Ty::Number, Ty::Number, Ty::String, Ty::String, Ty::String,
                                    Ty::Boolean, Ty::Date, Ty::Window, Ty::Sql};
        const Ty t = i < 4 ? kTypes[static_cast<std::size_t>(i) * 3 % 8] : rng_.Pick(kTypes);
        const string name = string("g") + Prefix(t) + Ident();
        GlobalVar(t, name, t != Ty::Boolean && IsValueType(t) && rng_.Chance(5));
    }

    constants_.Add(2, "Constants");
    constants_.Add(3, "System");
    const int system = 1 + static_cast<int>(target_ / 400000);
    for (int i = 0; i < system; ++i) {
        const string name = NewGlobal("APP_" + Noun() + "Version");
        constants_.Add(4, "Number: " + name + " = " + std::to_string(rng_.Range(1, 40)));
        numConsts_.push_back(name);
    }
    constants_.Add(3, "User");
    const int user = 6 + static_cast<int>(target_ / 20000);
    for (int i = 0; i < user; ++i) {
        switch (i % 3) {
        case 0: {
            const string name = NewGlobal("PM_" + Noun());
            constants_.Add(4, "Number: " + name + " = SAM_User + " + std::to_string(i + 1));
            messages_.push_back(name);
            break;
        }
        case 1: {
            const string name = NewGlobal("MAX_" + Upper(Noun()));
            constants_.Add(4, "Number: " + name + " = " + std::to_string(rng_.Range(10, 999)));
            numConsts_.push_back(name);
            break;
        }
        default: {
            const string name = NewGlobal("SQL_" + Upper(Noun()));
            Scope global;
            constants_.Add(4, "String: " + name + " = '" + Sql(global, true) + "'");
            sqlConsts_.push_back(name);
            break;
        }
        }
    }
    constants_.Add(3, "Enumerations");
    const int enums = 1 + static_cast<int>(target_ / 300000);
    for (int i = 0; i < enums; ++i) {
        const string noun = Noun();
        constants_.Add(4, "Enum: " + NewGlobal("e" + noun + "State"));
        vector<string> items;
        static const char* const kStates[] = {"New", "Open", "Held", "Done", "Closed", "Cancelled"};
        const int n = rng_.Range(3, 6);
        for (int k = 0; k < n; ++k) {
            const string item = NewGlobal(Upper(noun) + "_" + kStates[k]);
            constants_.Add(5, "Item: " + (k == 0 || rng_.Chance(30) ? item + " = " + std::to_string(k * 10) : item));
            items.push_back(item);
        }
        enums_.push_back(items);
    }
}

void Generator::ExternalFunctions() {
    globalsHead_.Add(2, "External Functions");
    globalsHead_.Add(3, "Library name: USER32.DLL");
    globalsHead_.Add(4, "ThreadSafe: No");
    struct Ext { const char* name; const char* ret; vector<const char*> params; };
    const Ext exts[] = {{"MessageBeep", "Boolean: BOOL", {"Number: UINT"}},
                        {"GetTickCount", "Number: DWORD", {}},
                        {"GetCursorPos", "Boolean: BOOL", {"Receive Number: LPLONG", "Receive Number: LPLONG"}}};
    for (const Ext& e : exts) {
        Func f;
        f.name = NewGlobal(e.name);
        f.hasRet = true;
        f.ret = e.ret[0] == 'B' ? Ty::Boolean : Ty::Number;
        globalsHead_.Add(4, "Function: " + f.name);
        globalsHead_.Add(5, "Description:");
        globalsHead_.Add(5, "Export Ordinal: 0");
        globalsHead_.Add(5, "Returns");
        globalsHead_.Add(6, e.ret);
        globalsHead_.Add(5, "Parameters");
        for (const char* p : e.params) {
            globalsHead_.Add(6, p);
            Param param;
            param.receive = string(p).compare(0, 8, "Receive ") == 0;
            f.params.push_back(param);
        }
        externals_.push_back(Keep(f));
        globalCalls_.push_back(Callable{"", externals_.back()});
    }
}

void Generator::InternalFunction() {
    const std::size_t before = functions_.Bytes();
    const string name = NewGlobal(J({rng_.Pick(kVerbs), Ident()}));
    const Func* f = Keep(MakeSignature(name, true));
    Scope s = GlobalScope();
    if (rng_.Chance(6)) {
        // Old code kept as a comment: its names declare and use nothing.
        functions_.Add(3, "! Function: " + name + "Old");
        functions_.Add(4, "Description: replaced by " + name);
        functions_.Add(4, "Actions");
        functions_.Add(5, "Call SalWaitCursor( TRUE )");
    }
    string description = "The " + Lower(name.substr(0, name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1))) + " step for the " +
                         Lower(name.substr(name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1))) + " data";
    if (rng_.Chance(20)) description += "\nfor the " + Lower(Noun()) + " windows";
    FunctionBody(functions_, 3, *f, s, description, nullptr);
    internal_.push_back(f);
    globalCalls_.push_back(Callable{"", f});
    functionBytes_ += functions_.Bytes() - before;
    ++functionCount_;
}

// A functional base class and classes derived from it, some with a second base
// from another family; derived classes override and call their base early bound,
// base functions call the overridable ones late bound.
void Generator::ClassFamily(bool small) {
    static const vector<ClassTemplate> kTemplates = {
        {"Init", false, Ty::Number, {Param{Ty::Number, false, false, Role::Any, "pnId"}}},
        {"Describe", true, Ty::String, {}},
        {"Compute", true, Ty::Number, {Param{Ty::Number, false, false, Role::Any, "pnFactor"}}},
        {"IsValid", true, Ty::Boolean, {}},
        {"Reset", false, Ty::Number, {}},
        {"Load", true, Ty::Boolean,
         {Param{Ty::Number, false, false, Role::Any, "pnKey"}, Param{Ty::String, true, false, Role::Any, "rsText"}}},
        {"Total", true, Ty::Number, {}},
        {"Apply", true, Ty::Boolean, {Param{Ty::String, false, false, Role::Any, "psValue"}}}};

    const string noun = Noun();
    auto makeClass = [&](const string& name, vector<const ClassInfo*> bases, const vector<std::size_t>& templates,
                         int ivCount) -> const ClassInfo* {
        classInfos_.push_back(ClassInfo{});
        ClassInfo& c = classInfos_.back();
        c.name = name;
        c.bases = std::move(bases);
        std::set<string> ivNames;
        for (const ClassInfo* a : Ancestors(&c))
            for (const Var& v : a->ivs) ivNames.insert(Lower(v.name));
        for (int i = 0; i < ivCount; ++i) {
            static const Ty kTypes[] = {Ty::Number, Ty::String, Ty::Boolean, Ty::Date, Ty::Number};
            const Ty t = rng_.Pick(kTypes);
            c.ivs.push_back(Var{NewIn(ivNames, string("iv") + Ident()), t});
        }
        if (rng_.Chance(30)) c.cvs.push_back(Var{NewIn(ivNames, "cv" + noun + "Count"), Ty::Number});
        for (std::size_t t : templates) {
            Func f;
            f.name = kTemplates[t].name;
            f.hasRet = kTemplates[t].hasRet;
            f.ret = kTemplates[t].ret;
            f.params = kTemplates[t].params;
            c.funcs.push_back(Keep(f));
        }

        Outline& o = classes_;
        o.Add(3, "Functional Class: " + c.name);
        o.Add(4, "Description: " + Description(noun + " objects"));
        o.Add(4, "Derived From");
        for (const ClassInfo* b : c.bases) o.Add(5, "Class: " + b->name);
        o.Add(4, "Class Variables");
        for (const Var& v : c.cvs) o.Add(5, string(Title(v.type)) + ": " + v.name);
        o.Add(4, "Instance Variables");
        for (const Var& v : c.ivs) o.Add(5, string(Title(v.type)) + ": " + v.name);
        o.Add(4, "Functions");

        Scope base;
        const vector<const ClassInfo*> lineage = Ancestors(&c);
        std::set<string> seen;
        for (const ClassInfo* a : lineage) {
            for (const Var& v : a->ivs) base.vars.push_back(Var{v.name, v.type, false, true, false});
            for (const Var& v : a->cvs) base.vars.push_back(Var{v.name, v.type, false, true, false});
            for (const Func* f : a->funcs) {
                if (!seen.insert(f->name).second) continue;
                base.calls.push_back(Callable{"", f});
                base.calls.push_back(Callable{"..", f});
            }
        }
        for (const Func* f : c.funcs) {
            Scope s = base;
            s.calls.erase(std::remove_if(s.calls.begin(), s.calls.end(),
                                         [&](const Callable& k) { return k.func->name == f->name; }),
                          s.calls.end());
            // The base's own implementation when this one overrides it.
            const Callable* early = nullptr;
            Callable baseCall;
            for (const ClassInfo* a : lineage) {
                if (a == &c) continue;
                for (const Func* bf : a->funcs)
                    if (!early && bf->name == f->name) {
                        baseCall = Callable{a->name + ".", bf};
                        early = &baseCall;
                    }
            }
            FunctionBody(o, 5, *f, s, early ? "Overrides " + early->prefix + f->name : "", early);
        }
        return &c;
    };

    vector<std::size_t> baseTemplates;
    for (std::size_t t = 0; t < kTemplates.size(); ++t)
        if (rng_.Chance(50)) baseTemplates.push_back(t);
    if (baseTemplates.size() < 2) baseTemplates = {0, 1, 3};
    if (small && baseTemplates.size() > 3) baseTemplates.resize(3);
    const ClassInfo* root = makeClass(NewGlobal("c" + noun), {}, baseTemplates, rng_.Range(2, 4));
    const ClassInfo* mixin = familyBases_.empty() ? nullptr : rng_.Pick(familyBases_);
    familyBases_.push_back(root);

    auto declareObject = [&](const ClassInfo* c) {
        const string name = NewGlobal("go" + noun);
        variables_.Add(3, "FunctionalVar: " + name);
        variables_.Add(4, "Class: " + c->name);
        std::set<string> seen;
        for (const ClassInfo* a : Ancestors(c)) {
            for (const Func* f : a->funcs)
                if (seen.insert(f->name).second) {
                    objectCalls_.push_back(Callable{name + ".", f});
                    globalCalls_.push_back(objectCalls_.back());
                }
            for (const Var& v : a->ivs) objectMembers_.push_back(Var{name + "." + v.name, v.type, false, true, false});
        }
    };

    const int derived = small ? 1 : rng_.Range(1, 3);
    for (int d = 0; d < derived; ++d) {
        vector<std::size_t> templates;
        for (std::size_t t : baseTemplates)
            if (rng_.Chance(50)) templates.push_back(t);
        if (templates.empty()) templates.push_back(baseTemplates.front());
        for (std::size_t t = 0; t < kTemplates.size(); ++t)
            if (rng_.Chance(10) && std::find(baseTemplates.begin(), baseTemplates.end(), t) == baseTemplates.end())
                templates.push_back(t);
        vector<const ClassInfo*> bases{root};
        if (mixin && rng_.Chance(25)) bases.push_back(mixin);
        const string name = NewGlobal("c" + noun + rng_.Pick(kAdjectives));
        const ClassInfo* c = makeClass(name, bases, templates, rng_.Range(0, 2));
        if (rng_.Chance(70)) declareObject(c);
    }
    if (rng_.Chance(30)) declareObject(root);
}

void Generator::Settings(Outline& o, int level) {
    o.Add(level, "Display Settings");
    o.Add(level + 1, "Display Style? Etched");
    o.Add(level + 1, "Visible at Design time? Yes");
    o.Add(level + 1, "Automatically Created at Runtime? No");
    o.Add(level + 1, "Initial State: Normal");
    o.Add(level + 1, "Maximizable? Yes");
    o.Add(level + 1, "Minimizable? Yes");
    o.Add(level + 1, "System Menu? Yes");
    o.Add(level + 1, "Resizable? Yes");
    o.Add(level + 1, "Window Location and Size");
    o.Add(level + 2, "Left: " + Measure(0.1, 3.0));
    o.Add(level + 2, "Top: " + Measure(0.1, 2.0));
    o.Add(level + 2, "Width:  " + Measure(5.0, 12.0));
    o.Add(level + 2, "Width Editable? Yes");
    o.Add(level + 2, "Height: " + Measure(3.0, 8.0));
    o.Add(level + 2, "Height Editable? Yes");
    o.Add(level + 1, "Form Size");
    o.Add(level + 2, "Width:  Default");
    o.Add(level + 2, "Height: Default");
    o.Add(level + 2, "Number of Pages: Dynamic");
    o.Add(level + 1, "Font Name: Default");
    o.Add(level + 1, "Font Size: Default");
    o.Add(level + 1, "Font Enhancement: Default");
    o.Add(level + 1, "Text Color: Default");
    o.Add(level + 1, "Background Color: Default");
}

void Generator::Location(Outline& o, int level) {
    o.Add(level, "Window Location and Size");
    o.Add(level + 1, "Left: " + Measure(0.1, 8.0));
    o.Add(level + 1, "Top: " + Measure(0.1, 5.0));
    o.Add(level + 1, "Width:  " + Measure(0.5, 3.0));
    o.Add(level + 1, "Width Editable? Yes");
    o.Add(level + 1, "Height: " + Measure(0.2, 0.4));
    o.Add(level + 1, "Height Editable? Yes");
}

void Generator::ChildProps(Outline& o, int level, const string& cls) {
    o.Add(level, "Class Child Ref Key: 0");
    o.Add(level, "Class ChildKey: 0");
    o.Add(level, "Class:" + (cls.empty() ? string() : " " + cls));
    o.Add(level, "Property Template:");
    o.Add(level, "Class DLL Name:");
}

void Generator::FormClassDef() {
    FormClass fc;
    const string noun = Noun();
    fc.name = NewGlobal("cfrm" + noun);
    fc.message = messages_.empty() ? string() : rng_.Pick(messages_);
    std::set<string> ivNames;
    fc.ivs.push_back(Var{NewIn(ivNames, "ivDirty"), Ty::Boolean});
    fc.ivs.push_back(Var{NewIn(ivNames, "ivMode"), Ty::Number});
    fc.ivs.push_back(Var{NewIn(ivNames, "ivKey"), Ty::String});
    for (int i = rng_.Range(0, 2); i > 0; --i) fc.ivs.push_back(Var{NewIn(ivNames, "iv" + Ident()), Ty::Number});
    Func refresh;
    refresh.name = "Refresh";
    Func save;
    save.name = "Save";
    save.hasRet = true;
    save.ret = Ty::Boolean;
    Func mark;
    mark.name = "MarkDirty";
    fc.funcs = {Keep(refresh), Keep(save), Keep(mark)};

    Outline& o = classes_;
    o.Add(3, "Form Window Class: " + fc.name);
    o.AddData("CLASSPROPSSIZE", rng_, 2);
    o.AddData("CLASSPROPS", rng_, 32 * static_cast<std::size_t>(rng_.Range(6, 16)));
    o.Add(4, "Title:");
    o.Add(4, "Icon File:");
    o.Add(4, "Accessories Enabled? No");
    Settings(o, 4);
    o.Add(4, "Description: " + Description("Common behaviour of the " + Lower(noun) + " windows"));
    o.Add(4, "Derived From");
    o.Add(4, "Class Variables");
    o.Add(4, "Instance Variables");
    for (const Var& v : fc.ivs) o.Add(5, string(Title(v.type)) + ": " + v.name);
    o.Add(4, "Functions");
    Scope base;
    base.window = true;
    for (const Var& v : fc.ivs) base.vars.push_back(Var{v.name, v.type, false, true, false});
    for (const Func* f : fc.funcs) {
        Scope s = base;
        for (const Func* g : fc.funcs)
            if (g != f) {
                s.calls.push_back(Callable{"", g});
                s.calls.push_back(Callable{"..", g});
            }
        FunctionBody(o, 5, *f, s, f->name == "Refresh" ? "Reloads the window; windows override it" : "", nullptr);
    }
    o.Add(4, "Message Actions");
    o.Add(5, "On SAM_Create");
    o.Add(6, "Set ivDirty = FALSE");
    o.Add(6, "Call ..Refresh(  )");
    if (!fc.message.empty()) {
        o.Add(5, "On " + fc.message);
        o.Add(6, "Call ..Refresh(  )");
    }
    o.Add(5, "On SAM_Close");
    o.Add(6, "If ivDirty AND NOT ..Save(  )");
    o.Add(7, "Return FALSE");
    formClasses_.push_back(fc);
}

void Generator::FieldClassDef() {
    FieldClass fc;
    fc.name = NewGlobal("cdf" + Noun());
    Func normalize;
    normalize.name = "Normalize";
    fc.normalize = Keep(normalize);
    Outline& o = classes_;
    o.Add(3, "Data Field Class: " + fc.name);
    o.Add(4, "Data");
    o.Add(5, "Maximum Data Length: " + std::to_string(rng_.Range(10, 80)));
    o.Add(5, "Data Type: String");
    o.Add(5, "Editable? Yes");
    o.Add(4, "Description: Text kept in capitals");
    o.Add(4, "Derived From");
    o.Add(4, "Class Variables");
    o.Add(4, "Instance Variables");
    o.Add(4, "Functions");
    o.Add(5, "Function: Normalize");
    o.Add(6, "Description:");
    o.Add(6, "Returns");
    o.Add(6, "Parameters");
    o.Add(6, "Static Variables");
    o.Add(6, "Local variables");
    o.Add(6, "Actions");
    o.Add(7, "Set MyValue = SalStrUpperX( SalStrTrimX( MyValue ) )");
    o.Add(4, "Message Actions");
    o.Add(5, "On SAM_Validate");
    o.Add(6, "Call Normalize(  )");
    o.Add(6, "Return VALIDATE_Ok");
    fieldClasses_.push_back(fc);
}

void Generator::Menus() {
    menus_.Add(2, "Named Menus");
    const int count = 1 + static_cast<int>(target_ / 600000);
    for (int m = 0; m < count; ++m) {
        const string noun = Noun();
        const string name = NewGlobal("mnu" + noun);
        menuNames_.push_back(name);
        menus_.Add(3, "Menu: " + name);
        menus_.Add(4, "Resource Id: " + std::to_string(rng_.Range(1000, 9999)));
        menus_.Add(4, "Title: &" + noun);
        menus_.Add(4, "Description:");
        menus_.Add(4, "Enabled when:");
        menus_.Add(4, "Status Text:");
        for (int i = rng_.Range(2, 4); i > 0; --i) {
            menus_.Add(4, "Menu Item: &" + string(rng_.Pick(kVerbs)));
            menus_.Add(5, "Resource Id: " + std::to_string(rng_.Range(1000, 9999)));
            menus_.Add(5, "Keyboard Accelerator: (none)");
            menus_.Add(5, "Status Text:");
            menus_.Add(5, "Menu Settings");
            Scope s = GlobalScope();
            menus_.Add(6, "Enabled when: " + Condition(s, 1));
            menus_.Add(6, "Checked when:");
            menus_.Add(5, "Menu Actions");
            Actions(menus_, 6, s, rng_.Range(1, 2));
            menus_.Add(5, "Menu Item Name:");
        }
    }
}

void Generator::DataField(Outline& o, int level, const string& name, Ty type, const FieldClass* cls,
                          const Scope& windowScope) {
    o.Add(level, "Data Field: " + name);
    if (cls) o.AddData("INHERITPROPS", rng_, 2);
    ChildProps(o, level + 1, cls ? cls->name : string());
    o.Add(level + 1, "Data");
    o.Add(level + 2, "Maximum Data Length: " + (type == Ty::String ? std::to_string(rng_.Range(5, 80)) : string("Default")));
    o.Add(level + 2, string("Data Type: ") + Title(type));
    o.Add(level + 2, "Editable? Yes");
    o.Add(level + 1, "Display Settings");
    Location(o, level + 2);
    o.Add(level + 2, "Visible? Yes");
    o.Add(level + 2, "Border? Yes");
    o.Add(level + 2, type == Ty::Number ? "Justify: Right" : "Justify: Left");
    o.Add(level + 2, "Format: Unformatted");
    o.Add(level + 2, "Country: Default");
    o.Add(level + 2, "Font Name: Default");
    o.Add(level + 2, "Font Size: Default");
    o.Add(level + 2, "Font Enhancement: Default");
    o.Add(level + 2, "Text Color: Default");
    o.Add(level + 2, "Background Color: Default");
    o.Add(level + 2, "Input Mask: Unformatted");
    o.Add(level + 1, "Message Actions");
    if (rng_.Chance(40)) {
        Scope s = windowScope;
        if (cls) s.calls.push_back(Callable{"", cls->normalize});
        o.Add(level + 2, rng_.Chance(70) ? "On SAM_Validate" : "On SAM_AnyEdit");
        Actions(o, level + 3, s, rng_.Range(2, 4));
        if (cls && rng_.Chance(50)) o.Add(level + 3, "Call Normalize(  )");
    }
}

void Generator::Pushbutton(Outline& o, int level, const string& name, const string& title,
                           const Scope& windowScope, bool dialog) {
    o.Add(level, "Pushbutton: " + name);
    ChildProps(o, level + 1, string());
    o.Add(level + 1, "Title: &" + title);
    Location(o, level + 1);
    o.Add(level + 1, "Visible? Yes");
    o.Add(level + 1, "Keyboard Accelerator: (none)");
    o.Add(level + 1, "Font Name: Default");
    o.Add(level + 1, "Font Size: Default");
    o.Add(level + 1, "Font Enhancement: Default");
    o.Add(level + 1, "Picture File Name:");
    o.Add(level + 1, "Picture Transparent Color: None");
    o.Add(level + 1, "Image Style: Single");
    o.Add(level + 1, "Text Color: Default");
    o.Add(level + 1, "Background Color: Default");
    o.Add(level + 1, "Message Actions");
    o.Add(level + 2, "On SAM_Click");
    Scope s = windowScope;
    if (dialog) {
        if (rng_.Chance(50)) Actions(o, level + 3, s, 1);
        o.Add(level + 3, string("Call SalEndDialog( hWndForm, ") + (title == "OK" ? "IDOK" : "IDCANCEL") + " )");
    } else {
        Actions(o, level + 3, s, rng_.Range(2, 5));
    }
}

void Generator::ChildTable(Outline& o, int level, const string& name, const vector<Var>& columns,
                           const Scope& windowScope) {
    o.Add(level, "Child Table: " + name);
    o.AddData("CCDATA", rng_, 32 * static_cast<std::size_t>(rng_.Range(2, 5)));
    o.AddData("CCSIZE", rng_, 2);
    ChildProps(o, level + 1, string());
    o.Add(level + 1, "Display Settings");
    Location(o, level + 2);
    o.Add(level + 2, "Visible? Yes");
    o.Add(level + 2, "Font Name: Default");
    o.Add(level + 2, "Font Size: Default");
    o.Add(level + 2, "Font Enhancement: Default");
    o.Add(level + 2, "Text Color: Default");
    o.Add(level + 2, "Background Color: Default");
    o.Add(level + 2, "View: Table");
    o.Add(level + 2, "Allow Row Sizing? No");
    o.Add(level + 2, "Lines Per Row: Default");
    o.Add(level + 1, "Memory Settings");
    o.Add(level + 2, "Maximum Rows in Memory: Default");
    o.Add(level + 2, "Discardable? Yes");
    o.Add(level + 1, "Contents");
    for (const Var& c : columns) {
        o.Add(level + 2, "Column: " + c.name);
        ChildProps(o, level + 3, string());
        o.Add(level + 3, "Title: " + c.name.substr(3));
        o.Add(level + 3, "Visible? Yes");
        o.Add(level + 3, "Editable? Yes");
        o.Add(level + 3, "Maximum Data Length: Default");
        o.Add(level + 3, string("Data Type: ") + Title(c.type));
        o.Add(level + 3, c.type == Ty::Number ? "Justify: Right" : "Justify: Left");
        o.Add(level + 3, "Width:  " + Measure(0.5, 2.5));
        o.Add(level + 3, "Width Editable? Yes");
        o.Add(level + 3, "Format: Unformatted");
        o.Add(level + 3, "Country: Default");
        o.Add(level + 3, "Input Mask: Unformatted");
        o.Add(level + 3, "Cell Options");
        o.Add(level + 4, "Cell Type? Standard");
        o.Add(level + 4, "Multiline Cell? No");
        o.Add(level + 4, "Cell DropDownList");
        o.Add(level + 5, "Sorted? Yes");
        o.Add(level + 5, "Vertical Scroll? Yes");
        o.Add(level + 5, "Auto Drop Down? No");
        o.Add(level + 5, "Allow Text Editing? Yes");
        o.Add(level + 4, "Cell CheckBox");
        o.Add(level + 5, "Check Value:");
        o.Add(level + 5, "Uncheck Value:");
        o.Add(level + 5, "Ignore Case? Yes");
        o.Add(level + 3, "List Values");
        o.Add(level + 3, "Message Actions");
        if (rng_.Chance(35)) {
            Scope s = windowScope;
            o.Add(level + 4, "On SAM_Validate");
            o.Add(level + 5, "If " + c.name + " = " + (c.type == Ty::Number ? string("NUMBER_Null") : c.type == Ty::Date ? string("DATETIME_Null") : string("STRING_Null")));
            o.Add(level + 6, "Return VALIDATE_Cancel");
            Actions(o, level + 5, s, rng_.Range(0, 2));
            o.Add(level + 5, "Return VALIDATE_Ok");
        }
    }
    o.Add(level + 1, "Functions");
    o.Add(level + 1, "Window Variables");
    o.Add(level + 1, "Message Actions");
}

void Generator::FormWindow(bool compact) {
    Outline o(indented_);
    const string noun = Noun();
    FormInfo info;
    info.name = NewGlobal("frm" + noun);
    const FormClass* cls = !formClasses_.empty() && rng_.Chance(75) ? &rng_.Pick(formClasses_) : nullptr;

    // Names first, so that every piece of code in the window can use all of them.
    std::set<string> names;
    Scope s = GlobalScope();
    s.window = true;
    vector<std::pair<string, Ty>> params;
    for (int i = rng_.Range(0, 2); i > 0; --i) {
        static const Ty kTypes[] = {Ty::Number, Ty::String};
        const Ty t = rng_.Pick(kTypes);
        params.emplace_back(NewIn(names, string("wp") + Prefix(t) + Ident()), t);
        info.params.push_back(t);
        s.vars.push_back(Var{params.back().first, t});
    }
    vector<Var> windowVars;
    for (Ty t : {Ty::Number, Ty::String, Ty::Boolean, Ty::Date}) windowVars.push_back(Var{NewIn(names, string("w") + Prefix(t) + Ident()), t});
    for (int i = rng_.Range(0, 3); i > 0; --i) windowVars.push_back(Var{NewIn(names, "wn" + Ident()), Ty::Number});
    if (rng_.Chance(40)) windowVars.push_back(Var{NewIn(names, "whSql" + noun), Ty::Sql});
    for (const Var& v : windowVars) s.vars.push_back(v);

    struct Child { string name; Ty type; const FieldClass* cls; };
    vector<Child> fields;
    for (int i = compact ? rng_.Range(2, 3) : rng_.Range(3, 9); i > 0; --i) {
        static const Ty kTypes[] = {Ty::String, Ty::String, Ty::Number, Ty::Number, Ty::Date};
        const Ty t = rng_.Pick(kTypes);
        const FieldClass* fc = t == Ty::String && !fieldClasses_.empty() && rng_.Chance(30) ? &rng_.Pick(fieldClasses_) : nullptr;
        fields.push_back(Child{NewIn(names, "df" + Ident()), t, fc});
        s.vars.push_back(Var{fields.back().name, t});
        s.fields.push_back(fields.back().name);
        s.handles.push_back(fields.back().name);
        info.fields.push_back(Var{fields.back().name, t});
    }
    vector<string> buttons;
    for (int i = compact ? 1 : rng_.Range(1, 3); i > 0; --i) {
        buttons.push_back(NewIn(names, string("pb") + rng_.Pick(kVerbs)));
        s.buttons.push_back(buttons.back());
        s.handles.push_back(buttons.back());
    }
    string table;
    vector<Var> columns;
    if (rng_.Chance(compact ? 25 : 60)) {
        table = NewIn(names, "tbl" + Noun());
        s.tables.push_back(table);
        s.handles.push_back(table);
        for (int i = rng_.Range(2, 6); i > 0; --i) {
            static const Ty kTypes[] = {Ty::String, Ty::Number, Ty::Number, Ty::Date};
            columns.push_back(Var{NewIn(names, "col" + Ident()), rng_.Pick(kTypes)});
            s.vars.push_back(columns.back());
        }
    }
    string list;
    if (!compact && rng_.Chance(35)) {
        list = NewIn(names, "lb" + Noun());
        s.lists.push_back(list);
        s.handles.push_back(list);
    }
    if (cls) {
        for (const Var& v : cls->ivs) s.vars.push_back(Var{v.name, v.type, false, true, false});
    }

    // Window functions: the class's Refresh is overridden, the rest are new.
    vector<const Func*> windowFuncs;
    if (cls) {
        Func refresh;
        refresh.name = "Refresh";
        windowFuncs.push_back(Keep(refresh));
    }
    for (int i = compact ? 1 : rng_.Range(2, 5); i > 0; --i)
        windowFuncs.push_back(Keep(MakeSignature(NewGlobal(string(rng_.Pick(kVerbs)) + noun), true)));
    for (const Func* f : windowFuncs) s.calls.push_back(Callable{"", f});
    if (cls)
        for (const Func* f : cls->funcs)
            if (f->name != "Refresh") s.calls.push_back(Callable{"", f});

    o.Add(1, "Form Window: " + info.name);
    o.AddData("CLASSPROPSSIZE", rng_, 2);
    o.AddData("CLASSPROPS", rng_, 32 * static_cast<std::size_t>(rng_.Range(16, 40)));
    o.Add(2, "Class:" + (cls ? " " + cls->name : string()));
    o.Add(2, "Property Template:");
    o.Add(2, "Class DLL Name:");
    o.Add(2, "Title: " + noun + " " + rng_.Pick(kNouns));
    o.Add(2, "Icon File:");
    o.Add(2, "Accessories Enabled? No");
    o.Add(2, "Visible? Yes");
    Settings(o, 2);
    o.Add(2, "Description: " + Description("Maintains the " + Lower(noun) + " data"));
    o.Add(2, "Named Menus");
    o.Add(2, "Menu");
    if (!menuNames_.empty() && rng_.Chance(40)) o.Add(3, "Named Menu: " + rng_.Pick(menuNames_));
    o.Add(2, "Tool Bar");
    o.Add(3, "Display Settings");
    o.Add(4, "Font Name: Default");
    o.Add(4, "Font Size: Default");
    o.Add(4, "Font Enhancement: Default");
    o.Add(4, "Text Color: Default");
    o.Add(4, "Background Color: Default");
    o.Add(4, "Size: 0.5\"");
    o.Add(4, "Size Editable? Yes");
    o.Add(4, "Docking Toolbar? No");
    o.Add(4, "Toolbar Docking Orientation: Top | Bottom");
    o.Add(4, "Docking Orientation: Top | Left | Bottom | Right");
    o.Add(3, "Contents");
    o.Add(2, "Contents");
    for (const Child& f : fields) {
        o.Add(3, "Background Text: " + f.name.substr(2));
        o.Add(4, "Resource Id: " + std::to_string(rng_.Range(10000, 60000)));
        ChildProps(o, 4, string());
        o.Add(4, "Display Settings");
        Location(o, 5);
        o.Add(5, "Visible? Yes");
        o.Add(5, "Justify: Left");
        o.Add(5, "Font Name: Default");
        o.Add(5, "Font Size: Default");
        o.Add(5, "Font Enhancement: Default");
        o.Add(5, "Text Color: Default");
        o.Add(5, "Background Color: Default");
        DataField(o, 3, f.name, f.type, f.cls, s);
    }
    if (!list.empty()) {
        o.Add(3, "List Box: " + list);
        ChildProps(o, 4, string());
        o.Add(4, "List Values");
        o.Add(4, "Display Settings");
        Location(o, 5);
        o.Add(5, "Visible? Yes");
        o.Add(5, "Font Name: Default");
        o.Add(5, "Multiple selection? No");
        o.Add(5, "Sorted? Yes");
        o.Add(5, "Vertical Scroll? Yes");
        o.Add(4, "Message Actions");
    }
    for (const string& b : buttons) Pushbutton(o, 3, b, b.substr(2), s, false);
    if (!table.empty()) ChildTable(o, 3, table, columns, s);

    o.Add(2, "Functions");
    for (const Func* f : windowFuncs) {
        Scope fs = s;
        fs.calls.erase(std::remove_if(fs.calls.begin(), fs.calls.end(), [&](const Callable& c) { return c.func == f; }),
                       fs.calls.end());
        Callable early;
        const Callable* overrides = nullptr;
        if (cls && f->name == "Refresh") {
            early = Callable{cls->name + ".", cls->funcs.front()};
            overrides = &early;
        }
        FunctionBody(o, 3, *f, fs, overrides ? "Overrides the class's Refresh" : "", overrides);
    }
    o.Add(2, "Window Parameters");
    for (const auto& [name, type] : params) o.Add(3, string(Title(type)) + ": " + name);
    o.Add(2, "Window Variables");
    for (const Var& v : windowVars) o.Add(3, string(Title(v.type)) + ": " + v.name);
    o.Add(2, "Message Actions");
    o.Add(3, "On SAM_Create");
    Actions(o, 4, s, rng_.Range(3, 7));
    if (cls && !cls->message.empty() && rng_.Chance(50)) {
        o.Add(3, "On " + cls->message);
        Actions(o, 4, s, rng_.Range(1, 3));
    }
    if (rng_.Chance(40)) {
        o.Add(3, "On SAM_Close");
        Actions(o, 4, s, rng_.Range(1, 2));
    }
    windows_.Append(std::move(o));
    forms_.push_back(std::move(info));
}

void Generator::DialogBox() {
    Outline o(indented_);
    const string noun = Noun();
    const string name = NewGlobal("dlg" + noun);
    std::set<string> names;
    Scope s = GlobalScope();
    s.window = true;
    const string field = NewIn(names, "df" + Ident());
    s.vars.push_back(Var{field, Ty::String});
    s.fields.push_back(field);
    s.handles.push_back(field);

    o.Add(1, "Dialog Box: " + name);
    o.AddData("CLASSPROPSSIZE", rng_, 2);
    o.AddData("CLASSPROPS", rng_, 64);
    o.Add(2, "Class:");
    o.Add(2, "Property Template:");
    o.Add(2, "Class DLL Name:");
    o.Add(2, "Title: " + noun);
    o.Add(2, "Accessories Enabled? No");
    Settings(o, 2);
    o.Add(2, "Description:");
    o.Add(2, "Tool Bar");
    o.Add(3, "Display Settings");
    o.Add(4, "Size: 0.5\"");
    o.Add(3, "Contents");
    o.Add(2, "Contents");
    DataField(o, 3, field, Ty::String, nullptr, s);
    Pushbutton(o, 3, "pbOk", "OK", s, true);
    Pushbutton(o, 3, "pbCancel", "Cancel", s, true);
    o.Add(2, "Functions");
    o.Add(2, "Window Parameters");
    o.Add(2, "Window Variables");
    o.Add(2, "Message Actions");
    o.Add(3, "On SAM_Create");
    o.Add(4, "Set " + field + " = " + Expr(s, Ty::String, 1));
    windows_.Append(std::move(o));
    dialogs_.push_back(name);
}

void Generator::AppActions() {
    Outline& o = appActions_;
    o.Add(2, "Default Classes");
    o.Add(3, "Form Window:");
    o.Add(3, "Dialog Box:");
    o.Add(3, "Data Field:");
    o.Add(2, "Application Actions");
    Scope s = GlobalScope();
    o.Add(3, "On SAM_AppStartup");
    o.Add(4, "Set SqlDatabase = '" + Upper(Noun()) + "'");
    o.Add(4, "Set SqlUser = 'SYSADM'");
    o.Add(4, "Set gbConnected = SqlConnect( ghSql )");
    o.Add(4, "If NOT gbConnected");
    o.Add(5, "Call SalMessageBox( 'No connection to ' || SqlDatabase, 'Start', MB_Ok | MB_IconStop )");
    o.Add(5, "Call SalQuit(  )");
    o.Add(4, "Call SalFileOpen( ghLog, 'app.log', OF_Append | OF_Text )");
    if (!forms_.empty()) {
        const FormInfo& f = forms_.front();
        string text = "Set ghWndMain = SalCreateWindow( " + f.name + ", hWndNULL";
        for (Ty t : f.params) text += ", " + Expr(s, t, 1);
        o.Add(4, text + " )");
    }
    Actions(o, 4, s, rng_.Range(1, 3));
    o.Add(3, "On SAM_AppExit");
    o.Add(4, "Call SalFileClose( ghLog )");
    o.Add(4, "If gbConnected");
    o.Add(5, "Call SqlDisconnect( ghSql )");
    o.Add(3, "On SAM_SqlError");
    o.Add(4, "Call SalFilePutStr( ghLog, 'SQL error ' || SalNumberToStrX( SqlError( ghSql ), 0 ) )");
    o.Add(4, "Return FALSE");
}

GeneratedProgram Generator::Run() {
    head_.Add(0, "Application Description: Generated benchmark program");
    head_.Add(1, "Outline Version - 4.0.35");
    head_.Add(1, "Design-time Settings");
    head_.Add(2, "Outline Window State: Normal");
    head_.AddData("VIEWINFO", rng_, 44);
    head_.Add(2, "Fully Qualified External References? Yes");
    head_.Add(2, "Reject Multiple Window Instances? No");
    head_.Add(2, "Enable Runtime Checks Of External References? Yes");
    head_.Add(2, "Use Release 4.0 Scope Rules? No");
    head_.Add(1, "Libraries");
    head_.Add(1, "Global Declarations");
    globalsHead_.Add(2, "Window Defaults");
    globalsHead_.Add(3, "Form Window");
    globalsHead_.Add(4, "Display Style? Etched");
    globalsHead_.Add(4, "Font Name: MS Sans Serif");
    globalsHead_.Add(4, "Font Size: 8");
    globalsHead_.Add(2, "Formats");
    for (const char* p : kNumPictures) globalsHead_.Add(3, string("Number: ") + p);
    for (const char* p : kPictures) globalsHead_.Add(3, string("Date/Time: ") + p);
    ExternalFunctions();
    resources_.Add(2, "Resources");
    resources_.Add(3, "Bitmap: " + NewGlobal("bmpLogo"));
    resources_.Add(4, "File Name: logo.bmp");
    variables_.Add(2, "Variables");
    functions_.Add(2, "Internal Functions");
    classes_.Add(2, "Class Definitions");

    Pools();

    // Shares of the target, roughly those of real programs: windows are the
    // bulk, then functions and classes.
    const auto share = [&](double f) { return static_cast<std::size_t>(static_cast<double>(target_) * f); };
    // Small families when little is left, so that small targets are met too.
    do ClassFamily(classes_.Bytes() + 25000 > share(0.14));
    while (classes_.Bytes() < share(0.14));
    const int formClasses = 1 + static_cast<int>(target_ / 400000);
    for (int i = 0; i < formClasses; ++i) FormClassDef();
    const int fieldClasses = 1 + static_cast<int>(target_ / 800000);
    for (int i = 0; i < fieldClasses; ++i) FieldClassDef();
    do InternalFunction();
    while (functions_.Bytes() < share(0.32));
    Menus();

    // Windows until the rest fits in small pieces; one window at least.
    std::size_t largestWindow = 0;
    do {
        const std::size_t before = windows_.Bytes();
        if (!forms_.empty() && rng_.Chance(12)) DialogBox();
        // Small windows near the end keep the total close to the target.
        else FormWindow(Total() + 45000 > target_);
        largestWindow = std::max(largestWindow, windows_.Bytes() - before);
    } while (Total() + largestWindow + 2000 < target_);
    AppActions();

    // Top up with functions, then with single declarations, to land on the target.
    while (Total() + functionBytes_ / functionCount_ < target_) InternalFunction();
    while (Total() < target_) {
        static const Ty kTypes[] = {Ty::Number, Ty::String, Ty::Boolean, Ty::Date};
        const Ty t = rng_.Pick(kTypes);
        GlobalVar(t, string("g") + Prefix(t) + Noun() + "Spare");
    }

    Outline all(indented_);
    all.Append(std::move(head_));
    all.Append(std::move(globalsHead_));
    all.Append(std::move(constants_));
    all.Append(std::move(resources_));
    all.Append(std::move(variables_));
    all.Append(std::move(functions_));
    all.Append(std::move(menus_));
    all.Append(std::move(classes_));
    all.Append(std::move(appActions_));
    all.Append(std::move(windows_));
    GeneratedProgram program;
    program.items = all.Items();
    program.text = all.Render();
    return program;
}

}  // namespace

GeneratedProgram GenerateSalProgram(std::size_t targetBytes, unsigned seed, bool indentedLayout) {
    return Generator(targetBytes, seed, indentedLayout).Run();
}

}  // namespace zavora::bench
