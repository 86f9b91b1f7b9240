#pragma once
// Item-type codes of the outline kit. The explorer tests some of these numbers
// directly, so those are fixed; the rest are the kit's own choice, kept here
// in one table.

namespace ItemType {
enum : int {
    Any = 0,                    // "any type" for EnumChildObjects(list, 0, 0)

    // Top-level windows
    FormWindow = 1,
    DialogBox = 2,
    OtherTopLevel = 3,          // rare top-level kinds
    MdiWindow = 19,
    TableWindow = 66,

    Application = 29,           // the root, "Application Description:"
    Constants = 52,
    StatementIcon = 70,         // not an item type: icon of any statement
    ExternalFunctions = 81,
    ExternalFunction = 82,
    ExternalParameter = 86,     // also the selector for all parameters of an external function

    // Receive parameters of internal, class and window functions
    ReceiveNumber = 88,
    ReceiveString = 89,
    ReceiveLongString = 90,
    ReceiveDateTime = 91,
    ReceiveBoolean = 92,
    ReceiveWindowHandle = 93,
    ReceiveSqlHandle = 94,
    ReceiveOther = 95,          // File Handle, Session Handle, objects, ...

    Contents = 114,
    WindowVariables = 118,
    Libraries = 130,
    InternalFunctions = 134,
    Function = 135,             // internal, class or window function
    LocalVariables = 136,
    Parameters = 137,
    Returns = 138,
    LibraryName = 145,
    MessageActions = 173,
    OnMessage = 174,
    Comment = 188,

    // Receive parameters of external functions
    ExtReceiveNumber = 191,
    ExtReceiveString = 192,
    ExtReceiveLongString = 193,
    ExtReceiveDateTime = 194,
    ExtReceiveBoolean = 195,
    ExtReceiveWindowHandle = 196,
    ExtReceiveSqlHandle = 197,
    ExtReceiveOther = 198,

    Set = 201,
    SystemConstants = 208,
    NamedMenus = 211,
    UserConstants = 222,
    GlobalVariables = 223,
    DerivedFrom = 243,
    ClassDefinitions = 244,
    BaseClass = 262,
    InstanceVariables = 265,
    WindowFunctions = 278,
    ClassFunctions = 279,
    ClassVariables = 280,
    StaticVariables = 281,

    // Declarations by data type: variables, constants, by-value parameters
    DeclNumber = 300,
    DeclString = 301,
    DeclLongString = 302,
    DeclDateTime = 303,
    DeclBoolean = 304,
    DeclWindowHandle = 305,
    DeclSqlHandle = 306,
    DeclFileHandle = 307,
    DeclSessionHandle = 308,
    FunctionalVar = 309,        // object of a functional class
    DeclOther = 310,            // any other "Type: name" declaration
    ReturnType = 320,           // the type line under Returns
    FormatItem = 321,           // a picture format under Formats
    DefaultClassItem = 322,     // a line under Default Classes

    WindowParameters = 401,
    Resources = 406,
    Bitmap = 476,
    Icon = 477,
    Cursor = 478,
    NamedMenu = 482,
    Events = 512,
    Event = 513,
    Enumerations = 525,
    Enumeration = 526,
    EnumerationItem = 527,
    LibraryChildOther = 531,    // a child of a library item that is not a function

    // Statements (IsStatement)
    Call = 600,
    If = 601,
    ElseIf = 602,
    Else = 603,
    While = 604,
    Loop = 605,
    Break = 606,
    Return = 607,
    SelectCase = 608,
    Case = 609,
    Default = 610,
    WhenSqlError = 611,
    UnknownStatement = 619,     // a line in code that no keyword explains
    FirstStatement = 600,
    LastStatement = 619,

    // Sections and structure
    OutlineVersion = 700,
    DesignTimeSettings = 701,
    DesignSetting = 702,
    FileInclude = 703,
    GlobalDeclarations = 704,
    WindowDefaults = 705,
    Formats = 706,
    DefaultClasses = 708,
    ApplicationActions = 710,
    Description = 711,
    Actions = 712,

    // Classes
    FunctionalClass = 720,
    FormWindowClass = 721,
    DialogBoxClass = 722,
    TableWindowClass = 723,
    MdiWindowClass = 724,
    DataFieldClass = 725,
    PushbuttonClass = 726,
    ColumnClass = 727,
    OtherWindowClass = 728,     // General Window Class, Check Box Class, ...

    // Window parts
    WindowMenu = 730,           // "Menu" of a window
    NamedMenuRef = 731,         // "Named Menu: mnuX" inside a window's menu
    PopupMenu = 732,
    MenuItem = 733,
    MenuSettings = 734,
    MenuActions = 735,
    EnabledWhen = 736,
    CheckedWhen = 737,
    ToolBar = 738,
    PropertyGroup = 739,        // Display Settings, Data, Window Location and Size, ...
    Property = 740,             // settings noise: positions, fonts, flags
    ObjectClass = 741,          // "Class:" of a window, child window or FunctionalVar
    MenuSeparator = 742,

    // Child windows
    DataField = 750,
    Pushbutton = 751,
    CheckBox = 752,
    ComboBox = 753,
    ListBox = 754,
    MultilineField = 755,
    RadioButton = 756,
    GroupBox = 757,
    Picture = 758,
    ChildTable = 759,
    Column = 760,
    BackgroundText = 761,
    Frame = 762,
    Line = 763,
    OptionButton = 764,
    ScrollBar = 765,
    OtherChildWindow = 766,

    // External function parameter structures
    StructPointer = 770,
    Struct = 771,

    Unknown = 799,
};
} // namespace ItemType
