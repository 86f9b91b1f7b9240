#include "platform/outline/Classify.h"

#include <cctype>
#include <initializer_list>

#include "contracts/ItemTypes.h"

namespace zv::outline {

namespace {

using namespace ItemType;

struct Keyword {
    std::string_view text;
    int type;
};

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view line, std::string_view kw)
{
    if (line.size() < kw.size()) return false;
    for (std::size_t i = 0; i < kw.size(); ++i)
        if (Lower(line[i]) != Lower(kw[i])) return false;
    return true;
}

std::uint16_t SkipBlanks(std::string_view line, std::size_t at)
{
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    return static_cast<std::uint16_t>(at > 0xFFFF ? 0xFFFF : at);
}

// A keyword matches when the line starts with it and, unless the keyword ends
// in ':' or '?', the next character ends the word.
bool Matches(std::string_view line, std::string_view kw)
{
    if (!StartsWithNoCase(line, kw)) return false;
    const char last = kw.back();
    if (last == ':' || last == '?' || last == '-') return true;
    return line.size() == kw.size() || line[kw.size()] == ' ' || line[kw.size()] == '\t' ||
           line[kw.size()] == '\n' || line[kw.size()] == '(';
}

template <class Table>
bool FindIn(std::string_view line, const Table& table, Classification& out)
{
    for (const auto& kw : table) {
        if (Matches(line, kw.text)) {
            out.type = kw.type;
            out.textStart = SkipBlanks(line, kw.text.size());
            return true;
        }
    }
    return false;
}

bool Find(std::string_view line, std::initializer_list<Keyword> table, Classification& out)
{
    return FindIn(line, table, out);
}

template <std::size_t N>
bool Find(std::string_view line, const Keyword (&table)[N], Classification& out)
{
    return FindIn(line, table, out);
}

// Generic "Name: value" or "Name? value": the keyword ends at the first ':'
// or '?' of the first line.
Classification Generic(std::string_view line, int withColon, int without)
{
    const std::size_t eol = line.find('\n');
    const std::string_view first = line.substr(0, eol);
    const std::size_t at = first.find_first_of(":?");
    if (at != std::string_view::npos) return {withColon, SkipBlanks(line, at + 1), false};
    return {without, static_cast<std::uint16_t>(first.size() > 0xFFFF ? 0xFFFF : first.size()), false};
}

constexpr Keyword kDataTypes[] = {
    {"Number:", DeclNumber},          {"String:", DeclString},
    {"Long String:", DeclLongString}, {"Date/Time:", DeclDateTime},
    {"Boolean:", DeclBoolean},        {"Window Handle:", DeclWindowHandle},
    {"Sql Handle:", DeclSqlHandle},   {"File Handle:", DeclFileHandle},
    {"Session Handle:", DeclSessionHandle}, {"FunctionalVar:", FunctionalVar},
};

constexpr Keyword kReceiveTypes[] = {
    {"Receive Number:", ReceiveNumber},          {"Receive String:", ReceiveString},
    {"Receive Long String:", ReceiveLongString}, {"Receive Date/Time:", ReceiveDateTime},
    {"Receive Boolean:", ReceiveBoolean},        {"Receive Window Handle:", ReceiveWindowHandle},
    {"Receive Sql Handle:", ReceiveSqlHandle},   {"Receive File Handle:", ReceiveOther},
    {"Receive Session Handle:", ReceiveOther},   {"Receive FunctionalVar:", ReceiveOther},
};

constexpr Keyword kExtReceiveTypes[] = {
    {"Receive Number:", ExtReceiveNumber},          {"Receive String:", ExtReceiveString},
    {"Receive Long String:", ExtReceiveLongString}, {"Receive Date/Time:", ExtReceiveDateTime},
    {"Receive Boolean:", ExtReceiveBoolean},        {"Receive Window Handle:", ExtReceiveWindowHandle},
    {"Receive Sql Handle:", ExtReceiveSqlHandle},   {"Receive ", ExtReceiveOther},
};

constexpr Keyword kStatements[] = {
    {"Set", Set},           {"Call", Call},       {"Else If", ElseIf}, {"If", If},
    {"Else", Else},         {"While", While},     {"Loop", Loop},      {"Break", Break},
    {"Return", Return},     {"Select Case", SelectCase}, {"Case", Case},
    {"Default", Default},   {"When SqlError", WhenSqlError},
};

constexpr Keyword kChildWindows[] = {
    {"Data Field:", DataField},         {"Pushbutton:", Pushbutton},
    {"Check Box:", CheckBox},           {"Combo Box:", ComboBox},
    {"List Box:", ListBox},             {"Multiline Field:", MultilineField},
    {"Radio Button:", RadioButton},     {"Group Box:", GroupBox},
    {"Picture:", Picture},              {"Child Table:", ChildTable},
    {"Column:", Column},                {"Background Text:", BackgroundText},
    {"Option Button:", OptionButton},   {"Horizontal Scroll Bar:", ScrollBar},
    {"Vertical Scroll Bar:", ScrollBar}, {"Scroll Bar:", ScrollBar},
    {"Frame", Frame},                   {"Line", Line},
    // the windows of an MDI window
    {"Form Window:", FormWindow},       {"Dialog Box:", DialogBox},
    {"Table Window:", TableWindow},
};

constexpr Keyword kClasses[] = {
    {"Functional Class:", FunctionalClass}, {"Form Window Class:", FormWindowClass},
    {"Dialog Box Class:", DialogBoxClass},  {"Table Window Class:", TableWindowClass},
    {"MDI Window Class:", MdiWindowClass},  {"Data Field Class:", DataFieldClass},
    {"Pushbutton Class:", PushbuttonClass}, {"Column Class:", ColumnClass},
};

enum class Ctx {
    Root, Global, Design, Libraries, Property, Formats, DefaultClasses, ExtFunctions,
    LibraryItem, ExtFunction, ExtParams, Params, Returns, Constants, Declarations,
    Enumerations, Enumeration, Resources, FunctionList, Function, Code, Handlers,
    NamedMenus, Menu, MenuSettings, WindowMenu, ClassDefs, Class, DerivedFrom, Events,
    TopWindow, ChildWindow, Contents, ObjectDecl,
};

Ctx ContextOf(int parent, int grand)
{
    switch (parent) {
    case Application: return Ctx::Root;
    case GlobalDeclarations: return Ctx::Global;
    case DesignTimeSettings:
    case DesignSetting: return Ctx::Design;
    case Libraries: return Ctx::Libraries;
    case Formats: return Ctx::Formats;
    case DefaultClasses: return Ctx::DefaultClasses;
    case ExternalFunctions: return Ctx::ExtFunctions;
    case LibraryName: return Ctx::LibraryItem;
    case ExternalFunction: return Ctx::ExtFunction;
    case Parameters: return grand == ExternalFunction ? Ctx::ExtParams : Ctx::Params;
    case StructPointer:
    case Struct: return Ctx::ExtParams;
    case Returns: return Ctx::Returns;
    case Constants: return Ctx::Constants;
    case SystemConstants:
    case UserConstants:
    case GlobalVariables:
    case LocalVariables:
    case StaticVariables:
    case WindowVariables:
    case ClassVariables:
    case InstanceVariables: return Ctx::Declarations;
    case WindowParameters: return Ctx::Params;   // Receive parameters are filled by the window
    case Enumerations: return Ctx::Enumerations;
    case Enumeration: return Ctx::Enumeration;
    case Resources: return Ctx::Resources;
    case InternalFunctions:
    case WindowFunctions:
    case ClassFunctions: return Ctx::FunctionList;
    case Function: return Ctx::Function;
    case MessageActions:
    case ApplicationActions: return Ctx::Handlers;
    case NamedMenus: return Ctx::NamedMenus;
    case NamedMenu:
    case PopupMenu:
    case MenuItem: return Ctx::Menu;
    case MenuSettings: return Ctx::MenuSettings;
    case WindowMenu: return Ctx::WindowMenu;
    case ClassDefinitions: return Ctx::ClassDefs;
    case DerivedFrom: return Ctx::DerivedFrom;
    case Events: return Ctx::Events;
    case Contents: return Ctx::Contents;
    case ToolBar: return Ctx::TopWindow;  // a tool bar holds child windows like a window
    default: break;
    }
    if (IsCodeContainerType(parent)) return Ctx::Code;
    if (IsClassType(parent)) return Ctx::Class;
    if (IsTopLevelWindowType(parent)) return Ctx::TopWindow;
    if (IsChildWindowType(parent)) return Ctx::ChildWindow;
    if ((parent >= DeclNumber && parent <= DeclOther) ||
        (parent >= ReceiveNumber && parent <= ReceiveOther))
        return Ctx::ObjectDecl;
    return Ctx::Property;
}

Classification Declaration(std::string_view line, bool receiveAllowed)
{
    Classification c{DeclOther, 0, false};
    if (receiveAllowed && Find(line, kReceiveTypes, c)) return c;
    if (Find(line, kDataTypes, c)) return c;
    if (receiveAllowed && StartsWithNoCase(line, "Receive ")) return Generic(line, ReceiveOther, Unknown);
    // "cStack: oStack" and other typed declarations the table does not know
    return Generic(line, DeclOther, Unknown);
}

} // namespace

bool IsTopLevelWindowType(int t)
{
    return t == FormWindow || t == DialogBox || t == OtherTopLevel || t == MdiWindow ||
           t == TableWindow;
}
bool IsClassType(int t) { return t >= FunctionalClass && t <= OtherWindowClass; }
bool IsChildWindowType(int t) { return t >= DataField && t <= OtherChildWindow; }
bool IsCodeContainerType(int t)
{
    return t == Actions || t == OnMessage || t == MenuActions || t == Set ||
           (t >= FirstStatement && t <= LastStatement);
}
bool IsDeclarationSectionType(int t)
{
    switch (t) {
    case SystemConstants: case UserConstants: case GlobalVariables: case LocalVariables:
    case StaticVariables: case WindowVariables: case ClassVariables: case InstanceVariables:
    case WindowParameters: case Parameters: return true;
    default: return false;
    }
}

std::string_view TypedDeclarationClass(std::string_view title)
{
    if (!title.empty() && title.back() == ':') title.remove_suffix(1);
    if (StartsWithNoCase(title, "Receive ")) title.remove_prefix(8);
    while (!title.empty() && title.front() == ' ') title.remove_prefix(1);
    return title;
}

std::size_t TitleLength(std::string_view line, std::uint16_t textStart)
{
    std::size_t n = std::min<std::size_t>(textStart, line.size());
    while (n > 0 && (line[n - 1] == ' ' || line[n - 1] == '\t')) --n;
    return n;
}

Classification ClassifyLine(int parent, int grand, bool parentCommented, std::string_view line)
{
    if (parentCommented) return {Comment, 0, true};
    if (!line.empty() && line[0] == '!') return {Comment, SkipBlanks(line, 1), true};

    Classification c{Unknown, 0, false};
    const Ctx ctx = ContextOf(parent, grand);
    if (ctx == Ctx::Code) {
        // An ActiveX event handler: its own parameters, and its code under Actions.
        if (parent == OnMessage && Find(line, {{"Parameters", Parameters}, {"Actions", Actions}}, c)) return c;
        if (Find(line, kStatements, c)) return c;
        return {UnknownStatement, 0, false};
    }
    if (Find(line, {{"Description:", Description}}, c)) return c;

    switch (ctx) {
    case Ctx::Root:
        if (Find(line, {{"Outline Version -", OutlineVersion},
                        {"Design-time Settings", DesignTimeSettings},
                        {"Libraries", Libraries},
                        {"Global Declarations", GlobalDeclarations},
                        {"Form Window:", FormWindow},
                        {"Dialog Box:", DialogBox},
                        {"MDI Window:", MdiWindow},
                        {"Table Window:", TableWindow}}, c))
            return c;
        return Generic(line, OtherTopLevel, Unknown);
    case Ctx::Global:
        if (Find(line, {{"Window Defaults", WindowDefaults}, {"Formats", Formats},
                        {"External Functions", ExternalFunctions}, {"Constants", Constants},
                        {"Resources", Resources}, {"Variables", GlobalVariables},
                        {"Internal Functions", InternalFunctions}, {"Named Menus", NamedMenus},
                        {"Class Definitions", ClassDefinitions},
                        {"Default Classes", DefaultClasses},
                        {"Application Actions", ApplicationActions}}, c))
            return c;
        return Generic(line, Unknown, Unknown);
    case Ctx::Design:
        if (Find(line, {{"Default Classes", DefaultClasses}}, c)) return c;
        return Generic(line, DesignSetting, DesignSetting);
    case Ctx::Libraries:
        if (Find(line, {{"File Include:", FileInclude}}, c)) return c;
        return Generic(line, Property, Property);
    case Ctx::Formats: return Generic(line, FormatItem, FormatItem);
    case Ctx::DefaultClasses: return Generic(line, DefaultClassItem, DefaultClassItem);
    case Ctx::ExtFunctions:
        if (Find(line, {{"Library name:", LibraryName}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::LibraryItem:
        if (Find(line, {{"Function:", ExternalFunction}}, c)) return c;
        return Generic(line, LibraryChildOther, LibraryChildOther);
    case Ctx::ExtFunction:
        if (Find(line, {{"Returns", Returns}, {"Parameters", Parameters}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::ExtParams:
        if (Find(line, kExtReceiveTypes, c)) return c;
        if (Find(line, {{"structPointer", StructPointer}, {"struct", Struct}}, c)) return c;
        return Generic(line, ExternalParameter, ExternalParameter);
    case Ctx::Params: return Declaration(line, true);
    case Ctx::Returns: return Generic(line, ReturnType, ReturnType);
    case Ctx::Constants:
        if (Find(line, {{"System", SystemConstants}, {"User", UserConstants},
                        {"Enumerations", Enumerations}}, c))
            return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Declarations: return Declaration(line, false);
    case Ctx::Enumerations:
        if (Find(line, {{"Enum:", Enumeration}, {"Enumeration:", Enumeration}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Enumeration:
        // "Item: Center = 0x1"; the optional Attributes group holds GUID and help texts.
        if (Find(line, {{"Item:", EnumerationItem}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Resources:
        if (Find(line, {{"Bitmap:", Bitmap}, {"Icon:", Icon}, {"Cursor:", Cursor}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::FunctionList:
        if (Find(line, {{"Function:", Function}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Function:
        if (Find(line, {{"Returns", Returns}, {"Parameters", Parameters},
                        {"Static Variables", StaticVariables},
                        {"Local variables", LocalVariables}, {"Actions", Actions}}, c))
            return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Handlers:
        if (Find(line, {{"On", OnMessage}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::NamedMenus:
        if (Find(line, {{"Menu:", NamedMenu}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Menu:
    case Ctx::WindowMenu:
        if (Find(line, {{"Named Menu:", NamedMenuRef}, {"Menu Item:", MenuItem},
                        {"Popup Menu:", PopupMenu}, {"Menu Separator", MenuSeparator},
                        {"Menu Settings", MenuSettings}, {"Menu Actions", MenuActions},
                        {"Enabled when:", EnabledWhen}, {"Checked when:", CheckedWhen}}, c))
            return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::MenuSettings:
        if (Find(line, {{"Enabled when:", EnabledWhen}, {"Checked when:", CheckedWhen}}, c))
            return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::ClassDefs:
        if (Find(line, kClasses, c)) return c;
        if (line.find(" Class:") != std::string_view::npos) return Generic(line, OtherWindowClass, Unknown);
        return Generic(line, Unknown, Unknown);
    case Ctx::Class:
        if (Find(line, {{"Derived From", DerivedFrom}, {"Class Variables", ClassVariables},
                        {"Instance Variables", InstanceVariables}, {"Functions", ClassFunctions},
                        {"Message Actions", MessageActions}, {"Events", Events},
                        {"Contents", Contents}, {"Menu", WindowMenu}, {"Tool Bar", ToolBar}}, c))
            return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::DerivedFrom:
        if (Find(line, {{"Class:", BaseClass}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Events: return Generic(line, Event, Event);
    case Ctx::TopWindow:
    case Ctx::ChildWindow:
        if (Find(line, {{"Class:", ObjectClass}, {"Contents", Contents},
                        {"Functions", WindowFunctions}, {"Window Parameters", WindowParameters},
                        {"Window Variables", WindowVariables}, {"Message Actions", MessageActions},
                        {"Named Menus", NamedMenus}, {"Menu", WindowMenu}, {"Tool Bar", ToolBar}}, c))
            return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Contents:
        if (Find(line, kChildWindows, c)) return c;
        return Generic(line, OtherChildWindow, PropertyGroup);
    case Ctx::ObjectDecl:
        if (Find(line, {{"Class:", ObjectClass}}, c)) return c;
        return Generic(line, Property, PropertyGroup);
    case Ctx::Property:
    case Ctx::Code:
        break;
    }
    return Generic(line, Property, PropertyGroup);
}

} // namespace zv::outline
