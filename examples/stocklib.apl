.head 0 +  Application Description: Stock-room library: logging, units, documents and field classes
Shared by the stock-room programs; it refers to no window of a program.
.head 1 -  Outline Version - 4.0.35
.head 1 +  Design-time Settings
.head 2 -  Outline Window State: Normal
.data VIEWINFO
0000: 6F00000001000000 FFFF01000D004347 5458566965775374 6174650400010000
0020: 0000000000A50000 002C000000020000 0003000000FFFFFF FFFFFFFFFFF8FFFF
.enddata
.head 2 -  Fully Qualified External References? Yes
.head 2 -  Reject Multiple Window Instances? No
.head 2 -  Enable Runtime Checks Of External References? Yes
.head 2 -  Use Release 4.0 Scope Rules? No
.head 1 -  Libraries
.head 1 +  Global Declarations
.head 2 +  Window Defaults
.head 3 +  Form Window
.head 4 -  Display Style? Etched
.head 4 -  Font Name: MS Sans Serif
.head 4 -  Font Size: 8
.head 4 -  Font Enhancement: None
.head 4 -  Text Color: Default
.head 4 -  Background Color: Default
.head 3 +  Data Field
.head 4 -  Font Name: Use Parent
.head 4 -  Font Size: Use Parent
.head 4 -  Font Enhancement: Use Parent
.head 4 -  Text Color: Default
.head 4 -  Background Color: Default
.head 2 +  Formats
.head 3 -  Number: 0'%'
.head 3 -  Number: #0
.head 3 -  Number: #,##0.00
.head 3 -  Date/Time: dd.MM.yyyy
.head 3 -  Date/Time: hh:mm
.head 2 +  External Functions
.head 3 +  Library name: USER32.DLL
.head 4 -  ThreadSafe: No
.head 4 +  Function: MessageBeep
.head 5 -  Description: Plays the system sound of a message box type
.head 5 -  Export Ordinal: 0
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: UINT
.head 4 +  Function: GetWindowRect
.head 5 -  Description: Screen rectangle of a window, in pixels
.head 5 -  Export Ordinal: 0
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 +  structPointer
.head 7 -  Receive Number: LONG
.head 7 -  Receive Number: LONG
.head 7 -  Receive Number: LONG
.head 7 -  Receive Number: LONG
.head 2 +  Constants
.head 3 -  System
.head 3 +  User
.head 4 -  Number: LOG_Info = 1
.head 4 -  Number: LOG_Warning = 2
.head 4 -  Number: LOG_Error = 3
.head 4 -  String: LOG_FileName = 'stockroom.log'
.head 4 -  Boolean: LOG_Echo = FALSE
.head 4 -  Number: QTY_Unlimited = -1
.head 3 +  Enumerations
.head 4 +  Enum: eUnit
.head 5 -  Item: UNIT_Piece = 1
.head 5 -  Item: UNIT_Pack
.head 5 -  Item: UNIT_Box = 10
.head 5 -  Item: UNIT_Pallet
.head 2 +  Resources
.head 3 +  Icon: icoStock
.head 4 -  File Name: stock.ico
.head 3 +  Cursor: curPick
.head 4 -  File Name: pick.cur
.head 2 +  Variables
.head 3 -  File Handle: ghLog
.head 3 -  Number: gnLogLines
.head 3 -  Boolean: gbLogOpen
.head 3 -  Long String: glsLastError
.head 2 +  Internal Functions
.head 3 +  Function: LogOpen
.head 4 -  Description: Opens the log file on first use; later calls only say whether it is open
.head 4 +  Returns
.head 5 -  Boolean:
.head 4 -  Parameters
.head 4 -  Static Variables
.head 4 -  Local variables
.head 4 +  Actions
.head 5 +  If NOT gbLogOpen
.head 6 -  Set gbLogOpen = SalFileOpen( ghLog, LOG_FileName, OF_Append | OF_Text )
.head 5 -  Return gbLogOpen
.head 3 +  Function: LogWrite
.head 4 -  Description: Appends one line to the log. Warnings and errors beep once per session
and the last error text is kept in glsLastError for the status line.
.head 4 +  Returns
.head 5 -  Boolean:
.head 4 +  Parameters
.head 5 -  Number: pnLevel
.head 5 -  String: psText
.head 4 +  Static Variables
.head 5 -  Boolean: sbBeeped
.head 4 +  Local variables
.head 5 -  String: lsLine
.head 5 -  Date/Time: ldtNow
.head 4 +  Actions
.head 5 +  If NOT LogOpen(  )
.head 6 -  Return FALSE
.head 5 -  Set ldtNow = SalDateCurrent(  )
.head 5 -  Set lsLine = SalFmtFormatDateTime( ldtNow, 'yyyy-MM-dd' ) || ' [' || SalNumberToStrX( pnLevel, 0 ) || '] ' || psText
.head 5 +  If pnLevel >= LOG_Warning AND NOT sbBeeped
.head 6 -  Call MessageBeep( 0 )
.head 6 -  Set sbBeeped = TRUE
.head 5 +  If pnLevel = LOG_Error
.head 6 -  Set glsLastError = psText
.head 5 +  Else If LOG_Echo
.head 6 -  Set glsLastError = psText
.head 5 -  Set gnLogLines = gnLogLines + 1
.head 5 -  Return SalFilePutStr( ghLog, lsLine )
.head 3 +  Function: UnitFactor
.head 4 -  Description: Pieces in one unit of the eUnit enumeration
.head 4 +  Returns
.head 5 -  Number:
.head 4 +  Parameters
.head 5 -  Number: pnUnit
.head 4 -  Static Variables
.head 4 -  Local variables
.head 4 +  Actions
.head 5 +  Select Case pnUnit
.head 6 +  Case UNIT_Piece
.head 7 -  Return 1
.head 6 +  Case UNIT_Pack
.head 7 -  Return 6
.head 6 +  Case UNIT_Box
.head 7 -  Return 48
.head 6 +  Case UNIT_Pallet
.head 7 -  Return 48 * 40
.head 6 +  Default
.head 7 -  Call LogWrite( LOG_Warning, 'Unbekannte Einheit ' || SalNumberToStrX( pnUnit, 0 ) )
.head 7 -  Break
.head 5 -  Return 0
.head 3 +  Function: FormatQty
.head 4 -  Description: A quantity in pieces, written in the given unit when it divides evenly
.head 4 +  Returns
.head 5 -  String:
.head 4 +  Parameters
.head 5 -  Number: pnPieces
.head 5 -  Number: pnUnit
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nFactor
.head 4 +  Actions
.head 5 -  Set nFactor = UnitFactor( pnUnit )
.head 5 +  If nFactor <= 1
.head 6 -  Return SalNumberToStrX( pnPieces, 0 ) || " Stück"
.head 5 +  Else If SalNumberMod( pnPieces, nFactor ) = 0
.head 6 -  Return SalNumberToStrX( pnPieces / nFactor, 0 ) || ' x ' || SalNumberToStrX( nFactor, 0 )
.head 5 +  Else
.head 6 -  Return SalNumberToStrX( pnPieces, 0 ) || " Stück (" || SalNumberToStrX( SalNumberMod( pnPieces, nFactor ), 0 ) || ' lose)'
.head 3 +  Function: PadLeft
.head 4 -  Description: Pads a text on the left up to a width; calls itself once per missing character
.head 4 +  Returns
.head 5 -  String:
.head 4 +  Parameters
.head 5 -  String: psText
.head 5 -  Number: pnWidth
.head 5 -  String: psFill
.head 4 -  Static Variables
.head 4 -  Local variables
.head 4 +  Actions
.head 5 +  If SalStrLength( psText ) >= pnWidth OR psFill = ''
.head 6 -  Return psText
.head 5 -  Return PadLeft( psFill || psText, pnWidth, psFill )
.head 3 +  Function: SplitCode
.head 4 -  Description: Splits an article code such as "ABC-00042" into prefix and serial number
.head 4 +  Returns
.head 5 -  Boolean:
.head 4 +  Parameters
.head 5 -  String: psCode
.head 5 -  Receive String: rsPrefix
.head 5 -  Receive Number: rnSerial
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nDash
.head 4 +  Actions
.head 5 -  Set nDash = SalStrScan( psCode, '-' )
.head 5 +  If nDash < 1
.head 6 -  Set rsPrefix = psCode
.head 6 -  Set rnSerial = 0
.head 6 -  Return FALSE
.head 5 -  Set rsPrefix = SalStrLeftX( psCode, nDash )
.head 5 -  Set rnSerial = SalStrToNumber( SalStrMidX( psCode, nDash + 1, SalStrLength( psCode ) - nDash - 1 ) )
.head 5 -  Return TRUE
.head 3 +  ! Function: LogRotate
.head 4 -  Description: Renamed the log once it grew beyond a megabyte; the server rotates it now
.head 4 +  Returns
.head 5 -  Boolean:
.head 4 +  Parameters
.head 5 -  Number: pnMaxBytes
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nSize
.head 4 +  Actions
.head 5 -  Set nSize = SalFileTell( ghLog )
.head 5 +  If nSize > pnMaxBytes
.head 6 -  Call SalFileClose( ghLog )
.head 6 -  Set gbLogOpen = FALSE
.head 5 -  Return TRUE
.head 2 +  Named Menus
.head 3 +  Menu: mnuEdit
.head 4 -  Resource Id: 300
.head 4 -  Title: &Bearbeiten
.head 4 -  Description: Clipboard commands for every form
.head 4 -  Enabled when:
.head 4 -  Status Text:
.head 4 -  Menu Item Name:
.head 4 +  Menu Item: Aus&schneiden
.head 5 -  Resource Id: 301
.head 5 -  Keyboard Accelerator: Ctrl+X
.head 5 +  Menu Settings
.head 6 -  Enabled when: SalEditCanCut(  )
.head 6 -  Checked when:
.head 5 +  Menu Actions
.head 6 -  Call SalEditCut(  )
.head 5 -  Menu Item Name:
.head 4 +  Menu Item: &Kopieren
.head 5 -  Resource Id: 302
.head 5 -  Keyboard Accelerator: Ctrl+C
.head 5 +  Menu Settings
.head 6 -  Enabled when: SalEditCanCut(  )
.head 6 -  Checked when:
.head 5 +  Menu Actions
.head 6 -  Call SalEditCopy(  )
.head 5 -  Menu Item Name:
.head 4 +  Menu Item: &Einfügen
.head 5 -  Resource Id: 303
.head 5 -  Keyboard Accelerator: Ctrl+V
.head 5 +  Menu Settings
.head 6 -  Enabled when: SalEditCanPaste(  )
.head 6 -  Checked when:
.head 5 +  Menu Actions
.head 6 -  Call SalEditPaste(  )
.head 5 -  Menu Item Name:
.head 2 +  Class Definitions
.head 3 +  Functional Class: cCounter
.head 4 -  Description: Counts events up to an optional limit
.head 4 -  Derived From
.head 4 +  Class Variables
.head 5 -  Number: cvCreated
.head 4 +  Instance Variables
.head 5 -  Number: ivCount
.head 5 -  Number: ivLimit
.head 4 +  Functions
.head 5 +  Function: Add
.head 6 -  Description: Adds to the count and returns the new count
.head 6 +  Returns
.head 7 -  Number:
.head 6 +  Parameters
.head 7 -  Number: pnBy
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 +  If ivCount = 0 AND pnBy > 0
.head 8 -  Set cvCreated = cvCreated + 1
.head 7 -  Set ivCount = ivCount + pnBy
.head 7 -  Return ivCount
.head 5 +  Function: Reset
.head 6 -  Description: Starts again from zero with a new limit (0: none)
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnLimit
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set ivCount = 0
.head 7 -  Set ivLimit = pnLimit
.head 5 +  Function: Reached
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return ivLimit > 0 AND ivCount >= ivLimit
.head 3 +  Functional Class: cAuditTrail
.head 4 -  Description: Who did what; one object for the whole session
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  String: ivUser
.head 5 -  Number: ivEntries
.head 5 -  String: ivLast
.head 4 +  Functions
.head 5 +  Function: Start
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  String: psUser
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set ivUser = psUser
.head 7 -  Set ivEntries = 0
.head 7 -  Call LogWrite( LOG_Info, 'Sitzung von ' || psUser )
.head 5 +  Function: Record
.head 6 -  Description: Logs one action of the user
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 +  Parameters
.head 7 -  String: psWhat
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set ivEntries = ivEntries + 1
.head 7 -  Set ivLast = psWhat
.head 7 -  Return LogWrite( LOG_Info, ivUser || ': ' || psWhat )
.head 5 +  Function: ObjectDestructor
.head 6 -  Description: Runs when the object goes away; the runtime calls it, no code does
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 +  If ivEntries > 0
.head 8 -  Call LogWrite( LOG_Info, SalNumberToStrX( ivEntries, 0 ) || ' Einträge von ' || ivUser )
.head 3 +  Functional Class: cStockDoc
.head 4 -  Description: A numbered stock document; derived documents add the booking data
.head 4 -  Derived From
.head 4 +  Class Variables
.head 5 -  Number: cvNextNo
.head 4 +  Instance Variables
.head 5 -  Number: ivDocNo
.head 5 -  Date/Time: ivDate
.head 5 -  String: ivNote
.head 4 +  Functions
.head 5 +  Function: Init
.head 6 -  Description:
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set cvNextNo = cvNextNo + 1
.head 7 -  Set ivDocNo = cvNextNo
.head 7 -  Set ivDate = SalDateCurrent(  )
.head 7 -  Set ivNote = STRING_Null
.head 5 +  Function: Describe
.head 6 -  Description: One line for the log; derived classes append their data
.head 6 +  Returns
.head 7 -  String:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return 'Beleg ' || SalNumberToStrX( ivDocNo, 0 ) || ' vom ' || SalFmtFormatDateTime( ivDate, 'dd.MM.yyyy' )
.head 5 +  Function: Validate
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return ivDocNo > 0 AND ivDate != DATETIME_Null
.head 5 +  Function: Post
.head 6 -  Description: Checks and logs the document; the checks of the actual class run (late bound)
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 +  If NOT ..Validate(  )
.head 8 -  Call LogWrite( LOG_Warning, 'Beleg ungültig: ' || SalNumberToStrX( ivDocNo, 0 ) )
.head 8 -  Return FALSE
.head 7 -  Call LogWrite( LOG_Info, cStockDoc..Describe(  ) )
.head 7 -  Return TRUE
.head 3 +  Functional Class: cMoveDoc
.head 4 -  Description: A stock move between two bins
.head 4 +  Derived From
.head 5 -  Class: cStockDoc
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: ivKind
.head 5 -  String: ivFromBin
.head 5 -  String: ivToBin
.head 5 -  Number: ivQty
.head 4 +  Functions
.head 5 +  Function: Setup
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnKind
.head 7 -  String: psFrom
.head 7 -  String: psTo
.head 7 -  Number: pnQty
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Call Init(  )
.head 7 -  Set ivKind = pnKind
.head 7 -  Set ivFromBin = psFrom
.head 7 -  Set ivToBin = psTo
.head 7 -  Set ivQty = pnQty
.head 5 +  Function: Describe
.head 6 -  Description: Overrides cStockDoc
.head 6 +  Returns
.head 7 -  String:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return cStockDoc.Describe(  ) || ', ' || SalNumberToStrX( ivQty, 0 ) || ' von ' || ivFromBin || ' nach ' || ivToBin
.head 5 +  Function: Validate
.head 6 -  Description: Overrides cStockDoc: a move needs a quantity
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 +  If NOT cStockDoc.Validate(  )
.head 8 -  Return FALSE
.head 7 -  Return ivQty > 0
.head 3 +  Functional Class: cTransferDoc
.head 4 -  Description: A transfer inside the depot; third level of the document classes
.head 4 +  Derived From
.head 5 -  Class: cMoveDoc
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  String: ivReason
.head 4 +  Functions
.head 5 +  Function: Describe
.head 6 -  Description: Overrides cMoveDoc
.head 6 +  Returns
.head 7 -  String:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return cMoveDoc.Describe(  ) || ' (' || ivReason || ')'
.head 5 +  Function: Validate
.head 6 -  Description: Overrides cMoveDoc: source and target must differ
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return cMoveDoc.Validate(  ) AND ivFromBin <> ivToBin
.head 3 +  Data Field Class: cCodeField
.head 4 -  Description: A code in capitals without blanks around it
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 -  Instance Variables
.head 4 +  Functions
.head 5 +  Function: Normalize
.head 6 -  Description:
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set MyValue = SalStrUpperX( SalStrTrimX( MyValue ) )
.head 4 +  Data
.head 5 -  Maximum Data Length: 12
.head 5 -  Data Type: String
.head 4 +  Message Actions
.head 5 +  On SAM_Validate
.head 6 -  Call Normalize(  )
.head 6 +  If SalStrLength( MyValue ) < 3
.head 7 -  Return VALIDATE_Cancel
.head 6 -  Return VALIDATE_Ok
.head 3 +  Data Field Class: cQtyField
.head 4 -  Description: A quantity with an upper limit set at run time
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: ivMaxQty
.head 4 +  Functions
.head 5 +  Function: SetLimit
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnMax
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set ivMaxQty = pnMax
.head 5 +  Function: IsWithinLimit
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 +  If ivMaxQty = QTY_Unlimited
.head 8 -  Return MyValue >= 0
.head 7 -  Return MyValue >= 0 AND MyValue <= ivMaxQty
.head 4 +  Data
.head 5 -  Data Type: Number
.head 4 +  Display Settings
.head 5 -  Format: #0
.head 4 +  Message Actions
.head 5 +  On SAM_Create
.head 6 -  Set ivMaxQty = QTY_Unlimited
.head 5 +  On SAM_Validate
.head 6 +  If NOT IsWithinLimit(  )
.head 7 -  Call MessageBeep( 0 )
.head 7 -  Return VALIDATE_Cancel
.head 6 -  Return VALIDATE_Ok
.head 3 +  Pushbutton Class: cCloseButton
.head 4 -  Description: Closes the window it sits on
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 -  Instance Variables
.head 4 +  Functions
.head 5 +  Function: CloseForm
.head 6 -  Description: Asks the form to close itself
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Call SalPostMsg( hWndForm, SAM_Close, 0, 0 )
.head 4 -  Title: Schließen
.head 4 -  Keyboard Accelerator: Esc
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  ! posted, not sent: the form may refuse in its own SAM_Close
.head 6 -  Call CloseForm(  )
.head 2 +  Default Classes
.head 3 -  Form Window:
.head 3 -  Dialog Box:
.head 3 -  Data Field:
.head 2 -  Application Actions
