.head 0 +  Application Description: SAL context 4.1
.head 1 -  Outline Version - 4.0.35
.head 1 +  Design-time Settings
.head 2 -  Fully Qualified External References? Yes
.head 1 -  Libraries
.head 1 +  Global Declarations
.head 2 +  External Functions
.head 3 +  Library name: SAL.DLL
.head 4 -  ThreadSafe: No
.head 4 +  Function: HSCreateDesignHeap
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: HSDestroyDesignHeap
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: HSGetRef
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: HSLock
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: HSNumStringsInUse
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: HSUnlock
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: OraPLSQLExecute
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: OraPLSQLPrepare
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: OraPLSQLStringBindType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAbort
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalAccessSWVariable
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXAutoErrorMode
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXClose
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXCreate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXCreateFromData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXCreateFromFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXDelete
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXDoVerb
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXGetActiveObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXGetData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXGetFileName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXGetObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXGetProgID
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXInsertObjectDlg
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXOLEType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalActiveXSaveFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAnchorChildInitScaling
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAnchorEnable
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAnchorGet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAnchorIsEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAppDisable
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAppEnable
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalAppFind
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalArrayAvg
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 4 +  Function: SalArrayCreate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalArrayCreateUdv
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalArrayDestroy
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalArrayDimCount
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalArrayGetLowerBound
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalArrayGetUpperBound
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalArrayIsEmpty
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 4 +  Function: SalArrayMax
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 4 +  Function: SalArrayMin
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 4 +  Function: SalArraySetUpperBound
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive Number: HARRAY
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalArraySum
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: HARRAY
.head 4 +  Function: SalAutoNameObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBIDIDlgChooseFontsIntern
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerAnyRunning
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerCancel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerIsBusy
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerIsCanceled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerReportProgress
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerStart
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBackgroundWorkerTerminateAnyRunning
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBinaryToString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBringWindowToTop
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalBtnGetImageAlign
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnGetProperties
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnGetTextAlign
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnGetTextImageRelation
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnSetImageAlign
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnSetProperties
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnSetTextAlign
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalBtnSetTextImageRelation
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCDKGetChildByName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCDKGetChildTypeByName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCDKGetName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCDKGetValidChildren
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCDKParseTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCalGetSelectedDates
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCalMarkDays
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCalSetSelectedDates
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCalShowWeeks
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCenterWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalCenterWindowEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalChangeLineCountLock
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalChangeLineCountNotify
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalChangeLineCountUnlock
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCharToMultiByte
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCharToWideChar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalClearField
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalColorFromRGB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalColorGet
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalColorGetSysColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalColorSet
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalColorToRGB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalComCleanupMode
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCompileAndEvaluate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalContextBreak
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalContextCurrent
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 -  Parameters
.head 4 +  Function: SalContextMenuSetPopup
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCreateToolbar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCreateWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalCreateWindowEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCreateWindowExFromStr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCreateWindowFromStr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCurrentLineNumber
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCursorClear
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCursorSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCursorSetFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalCursorSetString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEAddAtom
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEAlloc
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEDeleteAtom
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEExtract
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEExtractCmd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEExtractDataText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEExtractOptions
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEFindAtom
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEFree
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEGetAtomName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEGetExecuteString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEPost
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDERequest
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESend
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESendAll
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESendExecute
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESendToClient
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESetCmd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESetDataText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDESetOptions
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEStartServer
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEStartSession
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEStopServer
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDDEStopSession
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDataGetFieldData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDataGetFieldWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDataGetSourceWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDataQueryFieldExtent
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDataQueryFields
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDataQuerySources
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateAddDay
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateConstruct
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 +  Parameters
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalDateCurrent
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 -  Parameters
.head 4 +  Function: SalDateDay
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateHour
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateMinute
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateMonth
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateMonthBegin
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateMonthEnd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateQuarter
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateQuarterBegin
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateReturn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateSecond
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateToLocalTime
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateToStr
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalDateToUTCTime
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateWeekBegin
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateWeekNumber
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDateWeekday
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateYear
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDateYearBegin
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalDestroyWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalDestroyWindowExternal
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDialogOpenExisting
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDictionaryLoad
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDictionaryLookupString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDictionaryPromote
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDisableAllWindows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDisableWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalDisableWindowAndLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgChooseColor
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalDlgChooseFont
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgGetAutoHideStatus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgGetDockSlide
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgGetDockStatus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgOpenFile
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 6 -  String: HARRAY
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalDlgOpenFileMulti
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgSaveFile
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 6 -  String: HARRAY
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalDlgSetAutoHideStatus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgSetDockSlide
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgSetDockStatus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgSetDockStatusEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDlgSetDockTabAt
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDragDropDisableDrop
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDragDropEnableDrop
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDragDropGetSource
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDragDropGetTarget
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDragDropStart
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDragDropStop
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDrawMenuBar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDropFilesAcceptFiles
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDropFilesQueryFiles
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDropFilesQueryPoint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalDynalibGlobalVarAddr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanCopyTo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanCut
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanInsertObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanPaste
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanPasteFrom
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanPasteLink
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanPasteSpecial
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCanUndo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditClear
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCopy
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 -  Parameters
.head 4 +  Function: SalEditCopyString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCopyTo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditCut
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 -  Parameters
.head 4 +  Function: SalEditInsertObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditPaste
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 -  Parameters
.head 4 +  Function: SalEditPasteFrom
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditPasteLink
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditPasteSpecial
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditPasteString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEditUndo
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 -  Parameters
.head 4 +  Function: SalEnableAllWindows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEnableFastChars
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEnableWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalEnableWindowAndLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEndDialog
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalEndTrace
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalEventLogSetName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalExitWindows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFieldIsVerticalCentered
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFieldSetSelect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFieldSetVerticalCentered
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFileClose
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 4 +  Function: SalFileCopy
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalFileCreateDirectory
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalFileGetC
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFileGetChar
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 4 +  Function: SalFileGetCurrentDirectory
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalFileGetDateTime
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Receive Date/Time: LPDATETIME
.head 4 +  Function: SalFileGetDrive
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 -  Parameters
.head 4 +  Function: SalFileGetStr
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalFileGetStrEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFileOpen
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive File Handle: LPHFFILE
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalFileOpenCP
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFileOpenExt
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive File Handle: LPHFFILE
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalFilePutC
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFilePutChar
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 6 -  Number: INT
.head 4 +  Function: SalFilePutStr
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 6 -  String: LPSTR
.head 4 +  Function: SalFileRead
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalFileRemoveDirectory
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalFileSeek
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalFileSetCurrentDirectory
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalFileSetDateTime
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Date/Time: DATETIME
.head 4 +  Function: SalFileSetDrive
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalFileTell
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 4 +  Function: SalFileWrite
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  File Handle: HFFILE
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalFindWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalFireEvent
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFlashWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtCopyProfile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtFieldToStr
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalFmtFormatDateTime
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Date/Time: DATETIME
.head 6 -  String: LPSTR
.head 4 +  Function: SalFmtFormatNumber
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  String: LPSTR
.head 4 +  Function: SalFmtGetFormat
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalFmtGetInputMask
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtGetParmInt
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtGetParmStr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtGetPicture
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalFmtGetProfile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtIsValidField
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalFmtIsValidInputMask
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtIsValidPicture
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalFmtKeepMask
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtSetFormat
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalFmtSetInputMask
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtSetParmInt
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtSetParmStr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtSetPicture
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalFmtSetProfile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtStrToField
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalFmtUnmaskInput
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFmtValidateField
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalFontGet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFontGetNames
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFontGetSizes
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFontSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFormGetParmNum
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalFormUnitsToPixels
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetActiveRibbonPage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetBufferLength
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetBuildSettings
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetComboBoxItemHeight
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetCurrentDesignWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetDataType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetDateTime
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetDefButton
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalGetEnvironment
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetFirstChild
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalGetFocus
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 -  Parameters
.head 4 +  Function: SalGetHintText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetItemName
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalGetLastException
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetLastExceptionField
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetMaxDataLength
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalGetMenu
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetNextChild
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalGetProfileInt
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalGetProfileString
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  Receive String: LPSTR
.head 6 -  String: LPSTR
.head 4 +  Function: SalGetRegistryString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetType
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalGetTypeEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetVersion
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 -  Parameters
.head 4 +  Function: SalGetWindowLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGetWindowLabelText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalGetWindowLoc
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalGetWindowSize
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalGetWindowState
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalGetWindowText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalGetZoom
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridApplyState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridBackColorGet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridBackColorSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridColumnSummaryDateValues
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridDataExport
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridDataExportEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridDataImport
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetCellProp
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetCellType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetColumnType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetFooter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetHeader
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetSummaryColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridGetSummaryColumnValue
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridIsRowExcludedByFilter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridPrint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridPrintPreview
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetAltRowBackColors
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetCellPicture
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetCellProp
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetCellType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetColumnType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetFooter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetHeader
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetRowHeight
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetSummaryColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetSummaryColumnFmtPicture
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetSummaryColumnJustify
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetSummaryColumnLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSetSummaryColumnValue
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSortRowsMultiColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSummaryBar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridSummaryBarRefresh
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridTextColorGet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridTextColorSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalGridWriteState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalHBinaryToNumber
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalHStringRef
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalHStringToNumber
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalHStringUnRef
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalHideWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalHideWindowAndLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalHtmlHelp
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIconSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIdleKick
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIdleRegisterWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIdleUnregisterWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalInitLPHSTRINGParam
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalInvalidateWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalIsButtonChecked
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalIsDotNet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsNull
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalIsOutlineSecondary
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsValidDateTime
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsValidDateTimeExact
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsValidDecimal
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsValidInteger
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsValidNumber
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalIsWindowEnabled
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalIsWindowVisible
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalIsX64
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalItemGetLineNumber
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalJSONDeserializeUDV
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalJSONDeserializeUDVEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalJSONSerializeUDV
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalJSONSerializeUDVEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalListAdd
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalListClear
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalListDelete
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalListFiles
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalListGetMultiSelect
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalListInsert
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalListPopulate
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 4 +  Function: SalListQueryCount
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalListQueryFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalListQueryMultiCount
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalListQuerySelection
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalListQueryState
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalListQueryText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalListQueryTextLength
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalListQueryTextX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalListRedraw
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalListSelectString
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalListSetDropdownWidth
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalListSetMultiSelect
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalListSetSelect
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalListSetTabs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalLoadApp
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 4 +  Function: SalLoadAppAndProcessMsgs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalLoadAppAndWait
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalLog
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalLogLine
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalLogNumber
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalLogResources
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMDIArrangeIcons
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMDICascade
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMDITile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSCreateInstance
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSDisableCommit
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSEnableCommit
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSGetObjectContext
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSIsCallerInRole
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSIsInTransaction
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSIsSecurityEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSSetAbort
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMTSSetComplete
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMapEnterToTab
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuDelete
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetCheck
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetFontSettings
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetHandle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetItemName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetMDIPersistMenus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetNameByPosition
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetStatusText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuGetTipText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuInsertEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetAnimate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetCheck
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetFont
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetPicture
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetStatusText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuSetTipText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMenuUpdate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMessageBeep
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalMessageBox
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalMeterGetFromColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterGetRange
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterGetSmooth
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterGetStepSize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterGetToColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterGetVertical
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetFromColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetRange
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetSmooth
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetStepSize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetTextColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetToColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterSetVertical
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterShowPercent
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterStepDown
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMeterStepUp
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalModalDialog
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalModalDialogFromStr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalMoveWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavAddGroup
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavAddPane
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavAddPaneEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavAssociateChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavDisassociateChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavEnablePane
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavExpandGroup
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavGetActivePane
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavGetExpandedCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavGetPaneIcon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavGetPaneIndex
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavGetPaneTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavGroupIsExpanded
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavLoadState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavLoadStateEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavPaneIsEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavRemovePane
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavResetState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSaveState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSaveStateEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetActivePane
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetExpandedCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetGroupTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetPaneIcon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetPaneIconFromResource
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetPaneTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNavSetPaneTransparentColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNetCompileAndEvaluate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyAddIcon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyClearToasts
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyDeleteIcon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyInitToast
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyShowBalloon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyShowToast
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNotifyUpdateIcon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumRand
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumSRand
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberAbs
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberArcCos
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberArcSin
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberArcTan
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberArcTan2
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberCos
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberCosH
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberExponent
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberHigh
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalNumberHypot
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberLog
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberLogBase10
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberLow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalNumberMax
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberMin
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberMod
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberPi
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberPower
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberRandInit
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalNumberRandom
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 -  Parameters
.head 4 +  Function: SalNumberRound
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberSin
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberSinH
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberSqrt
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 4 +  Function: SalNumberTan
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberTanH
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberToChar
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalNumberToCharASCII
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberToHBinary
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalNumberToHString
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalNumberToStr
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalNumberToStrX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: INT
.head 4 +  Function: SalNumberToWindowHandle
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SalNumberTruncate
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Number: NUMBER
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalOLEAnyActive
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEAnyLinked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEDoVerb
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEFileInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEGetServers
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEGetVerbs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLELinkProperties
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEServerInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOLEUpdateActive
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalObjCopy
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalObjCreateFromString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalObjGetType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalObjIsDerived
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalObjIsNull
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalObjIsValidClassName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineActivateUIView
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineAddNotifyWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineAlignWindows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineBaseClassPropEditor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineBlockNotifications
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCanAlignWindows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCanDoUICommand
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCanInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCanMoveToBack
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCanMoveToFront
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineChangeSelect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineChildOfType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineClassBaseOffset
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineClassNameOfItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineClassSize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineClearCustomCmds
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCloseDesignEdits
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCopyItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCopyItemProps
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCreateClassFromObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCreateDesignWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCreateItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCurrent
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineCustomizeItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineDeleteItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineDoUICommand
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineDontCustomizeType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEditGetItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEditGetText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEditSetText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEnableDesignScaling
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEnumItemProps
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEnumSymbols
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineEnumWindowProps
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineFindTemplateOfClass
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineFirstChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineFirstDisplayedChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineFirstMarked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetAppChanged
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetAttributes
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetDTData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetDrawTool
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetFileName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetFirstUISelection
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetFormFlags
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetFunParams
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetIncludingItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetItemFlags
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetItemType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetNextUISelection
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetNotifyItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetOneUISelection
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineGetUIViewInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineHighlightItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineInheritFromBaseClasses
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineInsertItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsBreak
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsClassChildRef
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsClassObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsCompiled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsDrawToolLocked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsImportedFromDynalib
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsItemMarked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsTemplateOfClass
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsUIViewActive
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsUserWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineIsWindowItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemChangeUpdate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemGetBlob
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemGetProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemGetPropertyBuffer
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemIsIncluded
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemLevel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemLineCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemOfWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemOfWindowIndirect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemRemoveProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemSetBlob
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemSetProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemSetPropertyBuffer
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemTextX
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemTitleX
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemToLibHItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemToTagged
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemTypeText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineItemTypeTextDisplay
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineLastChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineLoad
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineLoadMigrate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineLoadSuppressIncludes
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineLockDrawTool
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineMergeIncludes
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineMoveToBack
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineMoveToFront
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineNextDisplayedSibling
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineNextLikeItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineNextLine
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineNextMarked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineNextSibling
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineNotify
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineOrderTabs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineOutlineOfUIFrame
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineOutlineOfWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineParent
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlinePreviousSibling
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlinePropertyChangeUpdate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineQueryUserMode
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineRefreshInclude
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineRemoveNotifyWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineReportError
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSave
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSaveAsText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSaveConvertTables
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSelectNewItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetAppChanged
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetAppUncompiled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetBreak
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetCustomCmd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetDTData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetDrawTool
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetFormFlags
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetItemClassObject
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetItemFlags
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetOutlineHook
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineSetTypeData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineShare
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineShowDesignWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineTop
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineUIFrameOfOutline
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineUnload
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineUnlockBlob
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineVarOffset
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineWindowItemOfItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineWindowOfItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalOutlineWindowOfItemIndirect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPMKVerify
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalParentWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalParseStatement
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPause
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicClear
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalPicGetBinary
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicGetDescription
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicGetImage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicGetString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicPaintAsBkgd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicSetBinary
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicSetFile
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalPicSetFit
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicSetHandle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicSetImage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPicSetString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPixelsToFormUnits
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPostMsg
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalProfileAnnotate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileContinue
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileGetInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileRegisterWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileStart
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileStop
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileSuspend
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileTagEnter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileTagLeave
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalProfileUnregisterWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtExtractRect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtGetDefault
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtGetParmNum
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtGetPrinterTrays
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtPrintForm
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtSetDefault
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtSetParmDefaults
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtSetParmNum
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalPrtSetup
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOConnect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQODisplayConnectError
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOGetColumnInfoFromIndex
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOGetConnectInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOGetTableInfoFromIndex
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOLoadCatalogTables
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOLoadTableColumns
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOReleaseColumnDefs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQOReleaseTableDefs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQueryArrayBounds
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalQueryFieldEdit
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalQuit
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 -  Parameters
.head 4 +  Function: SalRTFCtrlIsPreview
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentGetPosition
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentLineCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentLineLength
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentPageCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentPictureInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentPreview
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentPrint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFDocumentSave
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFGetMargin
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFGetReadOnly
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFParagraphGetSetting
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFParagraphSetAlignment
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFParagraphSetSetting
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFParagraphSetSpacing
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFSetMargin
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFSetReadOnly
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFShowToolBar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFShowToolBarButton
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTableInsert
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextCopy
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextFind
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextFindNext
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextGetAlignment
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextGetColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextGetSelected
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextGetSpacing
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextGetStyle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextPaste
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextReplace
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextSelect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextSelectAll
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextSetColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextSetFont
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRTFTextSetStyle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReadSWString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRegexMatch
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRegexReplace
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRegexReplaceAll
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRegexSearch
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportClose
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportCmd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportCreate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportDlgOptions
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetDateTimeVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetFileInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetNumberVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetObjectVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetPrinterSettings
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetPrinterTray
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetRichTextVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportGetStringVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportPrint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportPrintToFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportPrintToFileEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportReset
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportResetPages
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetDateTimeVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetNumberVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetObjectVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetPrintParameter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetPrinterSettings
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetPrinterTray
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetRichTextVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportSetStringVar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportTableCreate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportTablePrint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportTableView
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalReportView
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalResId
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalResLoad
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalResourceGet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalResourceSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonAddItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonAddItemEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonAddListValue
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonClearList
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonDeleteItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonGetItemCaption
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonGetItemChecked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonGetItemEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonGetItemFieldWidth
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonGetItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonGetState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonMaximize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonMinimize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonPopulate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemAccelerator
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemCaption
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemChecked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemFieldWidth
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemImage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemImageEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemSize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemTransparentColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalRibbonSetItemVisible
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalScrollEnableCtxMenu
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalScrollGetPos
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalScrollGetRange
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalScrollSetPos
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalScrollSetRange
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSegmentClassInstance
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSegmentClassStatic
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSegmentSysGlobals
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSegmentUserGlobals
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSendClassMessage
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalSendClassMessageNamed
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSendMsg
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalSendMsgToChildren
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalSendValidateMsg
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 -  Parameters
.head 4 +  Function: SalSetActiveRibbonPage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetArrayBounds
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetBufferLength
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetBuildSettings
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetButtonChecked
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalSetComboBoxItemHeight
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetDDMErrorFun
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetDLLDataMode
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetDateTime
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetDefButton
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalSetErrorInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetFieldEdit
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalSetFocus
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalSetHintText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetIMEMode
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetLanguageID
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetLibraryPath
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetMaxDataLength
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalSetMenuColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetPaintMode
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetProfileString
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 4 +  Function: SalSetRegistryString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetTooltipImage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalSetWindowLabelText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalSetWindowLoc
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalSetWindowSize
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalSetWindowText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalShowToolBoxWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalShowWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalShowWindowAndLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStartTrace
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticFirst
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticGetItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticGetLabel
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticGetLoc
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticGetSize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticHide
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticIsVisible
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticNext
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticSetLoc
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticSetSize
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStaticShow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusAddPane
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusCreateProgressBar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusGetText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusSetPaneImage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusSetPaneText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusSetPaneTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusSetPaneVisible
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStatusSetText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 4 +  Function: SalStatusSetVisible
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrCharLength
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrCompress
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrCompressEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrDecrypt
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrEncrypt
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrFirstC
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive String: LPSTR
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalStrFirstCASCII
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrFull
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrGetBufferLength
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrGetIdentifier
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrGetIdentifierInt
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrHalf
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrHash
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrIsValidCurrency
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalStrIsValidDateTime
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrIsValidDecimal
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrIsValidIdentifierName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrIsValidNumber
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrLeft
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrLeftB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrLeftX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalStrLength
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrLop
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrLopASCII
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrLower
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrLowerX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrMid
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrMidB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrMidX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalStrProper
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrProperX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrRepeat
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrRepeatX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalStrReplace
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrReplaceB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrReplaceX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrRight
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrRightB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrRightX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalStrScan
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrSetBufferLength
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalStrToDate
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Date/Time: DATETIME
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrToMultiByte
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrToNumber
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrToWideChar
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrTokenize
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  Receive String: HARRAY
.head 4 +  Function: SalStrTrim
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrTrimX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStrUncompress
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrUncompressEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStrUpper
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalStrUpperX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SalStringLengthB
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalStringToBinary
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBAddItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBDeleteItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBDisableItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBEnableItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBGetDockStatus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBGetItemCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBHideItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBSetDockStatus
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBSetItemColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBSetItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBSetItemTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBShowItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTBarSetVisible
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabAddPage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabAddPageEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabAddPageNoSelect
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabAssociateChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabAttachWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabAttachWindowAsChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabDetachWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabDisablePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabDisassociateChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabEnableCtrlTab
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabEnablePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetActivePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetMargins
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetOrientation
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetPageIndex
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetPageName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetPageTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetPageWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabGetTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabHidePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabHideStrip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabIsPageEnabled
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabIsWindowActivated
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabPageCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabPageHasChild
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabRemovePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabRenamePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetActivePage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetMargins
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetOrientation
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetPageIcon
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetPageTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetPageTransparentColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabSetTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabShowPage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabShowStrip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTabUpdate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblAnyRows
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblClearSelection
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblColumnAverage
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblColumnAverageDate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblColumnCountNotNull
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblColumnMinMax
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblColumnMinMaxDate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblColumnSum
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: NUMBER
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblCopyRows
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblCreateColumn
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Window Handle: HWND
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalTblCreateColumnEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblCreateColumnFromClass
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDebug
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDefineCheckBoxColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDefineDropDownListColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDefinePopupEditColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDefineRadioButtonColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDefineRowHeader
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblDefineSplitWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDeleteRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblDeleteSelected
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SalTblDestroyColumns
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDestroyEdit
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblDoDeletes
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Number: INT
.head 4 +  Function: SalTblDoInserts
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalTblDoUpdates
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalTblFetchRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblFindNextRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblFindPrevRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblGetColumnText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SalTblGetColumnTitle
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalTblGetColumnWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblInsertRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblKillEdit
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblKillFocus
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblObjectsFromPoint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblPaintRows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblPasteRows
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblPopulate
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 4 +  Function: SalTblPopulateFromXML
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryCheckBoxColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryColumnCellType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryColumnFlags
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblQueryColumnID
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblQueryColumnPos
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblQueryColumnWidth
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalTblQueryContext
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblQueryDropDownListColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryFocus
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive Window Handle: LPHWND
.head 4 +  Function: SalTblQueryLinesPerRow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryLockedColumns
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblQueryPopupEditColumn
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryRowCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryRowFlags
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblQueryRowHeader
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryScroll
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQuerySplitWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryTableFlags
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblQueryView
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblQueryVisibleRange
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SalTblReset
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalTblScroll
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetCellBackColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetCellTextColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetColumnFlags
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalTblSetColumnPos
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetColumnText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalTblSetColumnTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetColumnWidth
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetColumnXMLAttributes
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetContext
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetFlagsAnyRows
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Boolean: BOOL
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetFocusCell
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetFocusRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetFromXMLSchema
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetLinesPerRow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetLockedColumns
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetRange
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblSetRow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSetRowFlags
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalTblSetTableFlags
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalTblSetView
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblSortRows
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTblSwapRows
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblWriteXMLandSchema
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTblWriteXMLandSchemaEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeEnableNative3DFaceColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeGet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeGetXMLPathName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeIsEnabledNative3DFaceColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeSetXMLPathName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThemeSupportsNative3DFaceColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalThrowSoapFault
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTimerKill
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 4 +  Function: SalTimerSet
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTooltipGetDelay
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTooltipSetDelay
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTrace
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTraceDebug
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTrackPopupMenu
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 4 +  Function: SalTreeCollapseItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeDeleteItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeDemoteItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeDragDropItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeEditItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeEnableItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeExpandItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeFindItemByData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeFindItemByTitle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetDropItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetFirstItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetItemData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetItemParent
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetItemTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetNextItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetPrevItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeGetSelectedItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeInsertItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeItemCount
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeItemFromPoint
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeItemHasCheckbox
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeItemIsChecked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeItemIsExpanded
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeItemIsSelected
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeMoveDownItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeMoveItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeMoveUpItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreePromoteItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeReset
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemChecked
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemData
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemEditable
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemFontEnh
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemImage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemImageFromBinary
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemImageFromResource
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemTextColor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetItemTooltip
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeSetSelectedItem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalTreeShowItemCheckbox
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalUpdateWindow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalUseEventLog
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalUseRegistry
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Boolean: BOOL
.head 6 -  String: LPSTR
.head 4 +  Function: SalValidateSet
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  Boolean: BOOL
.head 6 -  Number: INT
.head 4 +  Function: SalWPFGetBoolProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFGetDateProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFGetNumericProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFGetStrProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFInvokeMethod
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFSetBoolProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFSetDateProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFSetNumericProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWPFSetStrProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWSSetCredentials
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWSSetEndpointAddress
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWaitCursor
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalWebGetAppSetting
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebGetAppURL
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebGetClientIP
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebGetConnectionString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebGetHttpHeader
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebGetHttpMethod
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebReportCreate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWebReportCreateToFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWinDebugBreak
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWinHelp
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 6 -  String: LPSTR
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SalWindowApplyDockState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowClassName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowGetDockSetting
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowGetProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowHandleToNumber
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Window Handle: HWND
.head 4 +  Function: SalWindowIsDerivedFromClass
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowRemoveProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowSetProperty
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowSetPropertyBuffer
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWindowWriteDockState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalWriteSWString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalXMLDeserializeUDV
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalXMLDeserializeUDVFromString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalXMLGetLastError
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalXMLSerializeUDV
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalXMLSerializeUDVToString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalYieldEnable
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Boolean: BOOL
.head 4 +  Function: SalYieldQueryState
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalYieldSetInterval
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalYieldStartMessages
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalYieldStopMessages
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SalZoomWindow
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlClearImmediate
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlClearLongBindDatatype
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlClearLongDatatype
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlClose
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlCloseAllSPResultSets
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlCloseResultSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlCommit
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlCommitSession
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Session Handle: HSESSIONHANDLE
.head 4 +  Function: SqlConnect
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive Sql Handle: LPHSQLHANDLE
.head 4 +  Function: SqlConnectDbPipe
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlConnectDotNet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlConnectEx
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlConnectTransaction
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlConnectUsingCursor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlContextClear
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlContextSet
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlContextSetToForm
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlCreateSession
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Receive Session Handle: LPHSESSIONHANDLE
.head 6 -  String: LPSTR
.head 4 +  Function: SqlCreateStatement
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Session Handle: HSESSIONHANDLE
.head 6 -  Receive Sql Handle: LPHSQLHANDLE
.head 4 +  Function: SqlDbPipeFetchResponseHeader
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlDbPipeGetErrorInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlDbPipeSetRequestHeader
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlDeleteConnectionString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlDirectoryByName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlDisconnect
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlDisconnectWithoutCursor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlDropStoredCmd
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlEnableFetchBackward
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlError
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlErrorText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlExecute
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 4 +  Function: SqlExecutionPlan
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlExists
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 6 -  Receive Boolean: LPBOOL
.head 4 +  Function: SqlExtractArgs
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlFetchNext
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlFetchPrevious
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlFetchRow
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlFindIniFile
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlFreeSession
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Session Handle: HSESSIONHANDLE
.head 4 +  Function: SqlGetCmdOrRowsetPtr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetCommandText
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetConnectionStrings
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetCursor
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetDSOrSessionPtr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetError
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SqlGetErrorPosition
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlGetErrorText
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: INT
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SqlGetErrorTextX
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  String: LPSTR
.head 5 +  Parameters
.head 6 -  Number: INT
.head 4 +  Function: SqlGetLastStatement
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetModifiedRows
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlGetNextSPResultSet
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetParameter
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Number: INT
.head 6 -  Receive Number: LPLONG
.head 6 -  Receive String: LPSTR
.head 4 +  Function: SqlGetParameterAll
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetResultSetCount
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Number: LPLONG
.head 4 +  Function: SqlGetRollbackFlag
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Receive Boolean: LPBOOL
.head 4 +  Function: SqlGetSessionErrorInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetSessionHandle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetSessionParameter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetSqlHandle
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlGetStatementErrorInfo
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlHandleSetParameters
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlImmediate
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  String: LPSTR
.head 4 +  Function: SqlImmediateContext
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlListConnections
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlOpen
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 4 +  Function: SqlOraPLSQLExecute
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlOraPLSQLPrepare
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlOraPLSQLStringBindType
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlPLSQLCommand
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlPLSQLExecute
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlPrepare
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 4 +  Function: SqlPrepareAndExecute
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 4 +  Function: SqlPrepareSP
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlRetrieve
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 4 +  Function: SqlRollbackSession
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Session Handle: HSESSIONHANDLE
.head 4 +  Function: SqlSetCursorName
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetDSOrSessionPtr
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetInMessage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetIsolationLevel
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 4 +  Function: SqlSetLockTimeout
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Number: INT
.head 4 +  Function: SqlSetLongBindDatatype
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetLongDatatype
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetOutMessage
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetParameter
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Number: INT
.head 6 -  Number: INT
.head 6 -  String: LPSTR
.head 4 +  Function: SqlSetParameterAll
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlSetResultSet
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  Boolean: BOOL
.head 4 +  Function: SqlSetSessionParameter
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlStore
.head 5 -  Description:
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Sql Handle: HSQLHANDLE
.head 6 -  String: LPSTR
.head 6 -  String: LPSTR
.head 4 +  Function: SqlSystem
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlVarSetup
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlWriteConnectionString
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 4 +  Function: SqlXDirectory
.head 5 -  Description:
.head 5 -  Returns
.head 5 -  Parameters
.head 2 +  Constants
.head 3 +  System
.head 4 -  Number: COLOR_IndexCellText = 100
.head 4 -  Number: COLOR_IndexTransparent = 101
.head 4 -  Number: COLOR_IndexWindow = 5
.head 4 -  Number: COLOR_IndexWindowText = 8
.head 4 -  Number: COLOR_3DFace = 1879048192
.head 4 -  Number: COLOR_3DHighlight = 2415919104
.head 4 -  Number: COLOR_3DShadow = 2147483648
.head 4 -  Number: COLOR_Default = 805306368
.head 4 -  Number: COLOR_None = 1610612736
.head 4 -  Number: COLOR_SysWindow = 268435456
.head 4 -  Number: COLOR_SysWindowFrame = 1342177280
.head 4 -  Number: COLOR_SysWindowText = 536870912
.head 4 -  Number: COLOR_Black = 0
.head 4 -  Number: COLOR_Blue = 16711680
.head 4 -  Number: COLOR_Chartreuse = 32896
.head 4 -  Number: COLOR_Cyan = 16776960
.head 4 -  Number: COLOR_DarkBlue = 8388608
.head 4 -  Number: COLOR_DarkGray = 8421504
.head 4 -  Number: COLOR_DarkGreen = 32768
.head 4 -  Number: COLOR_DarkRed = 128
.head 4 -  Number: COLOR_Gray = 12632256
.head 4 -  Number: COLOR_Green = 65280
.head 4 -  Number: COLOR_Magenta = 16711935
.head 4 -  Number: COLOR_Purple = 8388736
.head 4 -  Number: COLOR_Red = 255
.head 4 -  Number: COLOR_Teal = 8421376
.head 4 -  Number: COLOR_White = 16777215
.head 4 -  Number: COLOR_Yellow = 65535
.head 4 -  Number: COLOR_Salmon = 7504122
.head 4 -  Number: COLOR_LightGray = 13882323
.head 4 -  Number: MAX_DefaultDataField = 100
.head 4 -  Number: MAX_DefaultMultiline = 1000
.head 4 -  Number: FMT_Profile_Default = 0
.head 4 -  Number: FMT_Profile_Program = -1
.head 4 -  Number: FMT_Profile_Australia = 61
.head 4 -  Number: FMT_Profile_Belgium = 32
.head 4 -  Number: FMT_Profile_Brazil = 55
.head 4 -  Number: FMT_Profile_Denmark = 45
.head 4 -  Number: FMT_Profile_Finland = 358
.head 4 -  Number: FMT_Profile_France = 33
.head 4 -  Number: FMT_Profile_Italy = 39
.head 4 -  Number: FMT_Profile_Japan = 81
.head 4 -  Number: FMT_Profile_Netherlands = 31
.head 4 -  Number: FMT_Profile_Norway = 47
.head 4 -  Number: FMT_Profile_Spain = 34
.head 4 -  Number: FMT_Profile_Sweden = 46
.head 4 -  Number: FMT_Profile_Switzerland = 41
.head 4 -  Number: FMT_Profile_UnitedKingdom = 44
.head 4 -  Number: FMT_Profile_USA = 1
.head 4 -  Number: FMT_Profile_Germany = 49
.head 4 -  Number: FMT_Prefix_NoSeparation = 0
.head 4 -  Number: FMT_Prefix_Separation = 2
.head 4 -  Number: FMT_Suffix_NoSeparation = 1
.head 4 -  Number: FMT_Suffix_Separation = 3
.head 4 -  Number: FMT_Date_JapanGregorian = 2
.head 4 -  Number: FMT_Date_JapanEmperor = 3
.head 4 -  Number: FMT_Date_LongGregorian = 0
.head 4 -  Number: FMT_Date_ShortGregorian = 1
.head 4 -  Number: FMT_Format_Currency = 1
.head 4 -  Number: FMT_Format_Date = 2
.head 4 -  Number: FMT_Format_DateTime = 3
.head 4 -  Number: FMT_Format_Decimal = 4
.head 4 -  Number: FMT_Format_Invisible = 5
.head 4 -  Number: FMT_Format_LowerCase = 8
.head 4 -  Number: FMT_Format_Percentage = 6
.head 4 -  Number: FMT_Format_Picture = -1
.head 4 -  Number: FMT_Format_Time = 7
.head 4 -  Number: FMT_Format_Unformatted = 0
.head 4 -  Number: FMT_Format_UpperCase = 9
.head 4 -  Number: FMT_Parm_iCurrDigits = 17
.head 4 -  Number: FMT_Parm_iCurrency = 1
.head 4 -  Number: FMT_Parm_iDateType = 13
.head 4 -  Number: FMT_Parm_iDigits = 3
.head 4 -  Number: FMT_Parm_iLzero = 4
.head 4 -  Number: FMT_Parm_iNegCurr = 18
.head 4 -  Number: FMT_Parm_iTime = 5
.head 4 -  Number: FMT_Parm_iTLZero = 16
.head 4 -  Number: FMT_Parm_s1159 = 6
.head 4 -  Number: FMT_Parm_s2359 = 7
.head 4 -  Number: FMT_Parm_sCurrency = 8
.head 4 -  Number: FMT_Parm_sDecimal = 10
.head 4 -  Number: FMT_Parm_sLongDate = 15
.head 4 -  Number: FMT_Parm_sShortDate = 14
.head 4 -  Number: FMT_Parm_sThousand = 11
.head 4 -  Number: FMT_Parm_sTime = 12
.head 4 -  Number: FMT_Time_12Hour = 0
.head 4 -  Number: FMT_Time_24Hour = 1
.head 4 -  Number: FMT_Validate_Dialog = 1
.head 4 -  Number: FMT_Validate_None = 0
.head 4 -  Number: FMT_Pic_DateTime = 1
.head 4 -  Number: FMT_Pic_Number = 2
.head 4 -  Number: FONT_EnhBold = 8
.head 4 -  Number: FONT_EnhDefault = 1
.head 4 -  Number: FONT_EnhItalic = 2
.head 4 -  Number: FONT_EnhNormal = 0
.head 4 -  Number: FONT_EnhStrikeOut = 16
.head 4 -  Number: FONT_EnhUnderline = 4
.head 4 -  Number: FONT_GetPrinter = 2
.head 4 -  Number: FONT_GetScreen = 1
.head 4 -  Number: SAM_AnyEdit = 8196
.head 4 -  Number: SAM_AppExit = 8194
.head 4 -  Number: SAM_AppStartup = 8193
.head 4 -  Number: SAM_CacheFull = 8203
.head 4 -  Number: SAM_CaptionDoubleClick = 8210
.head 4 -  Number: SAM_Click = 8198
.head 4 -  Number: SAM_Close = 16
.head 4 -  Number: SAM_ColumnSelectClick = 8219
.head 4 -  Number: SAM_CornerClick = 8214
.head 4 -  Number: SAM_CornerDoubleClick = 8215
.head 4 -  Number: SAM_CountRows = 8209
.head 4 -  Number: SAM_Create = 4097
.head 4 -  Number: SAM_Destroy = 4098
.head 4 -  Number: SAM_DoubleClick = 8201
.head 4 -  Number: SAM_DragCanAutoStart = 8243
.head 4 -  Number: SAM_DragDrop = 8242
.head 4 -  Number: SAM_DragEnd = 8244
.head 4 -  Number: SAM_DragEnter = 8239
.head 4 -  Number: SAM_DragExit = 8241
.head 4 -  Number: SAM_DragMove = 8240
.head 4 -  Number: SAM_DragNotify = 8245
.head 4 -  Number: SAM_DragStart = 8238
.head 4 -  Number: SAM_DropDown = 8217
.head 4 -  Number: SAM_DropFiles = 563
.head 4 -  Number: SAM_EndCellTab = 8216
.head 4 -  Number: SAM_FetchDone = 8218
.head 4 -  Number: SAM_FetchRow = 8199
.head 4 -  Number: SAM_FieldEdit = 8197
.head 4 -  Number: SAM_Help = 8220
.head 4 -  Number: SAM_KillFocus = 4104
.head 4 -  Number: SAM_Print = 8211
.head 4 -  Number: SAM_ReportFetchInit = 8205
.head 4 -  Number: SAM_ReportFetchNext = 8206
.head 4 -  Number: SAM_ReportFinish = 8208
.head 4 -  Number: SAM_ReportNotify = 8222
.head 4 -  Number: SAM_ReportStart = 8207
.head 4 -  Number: SAM_RowHeaderClick = 8212
.head 4 -  Number: SAM_RowHeaderDoubleClick = 8213
.head 4 -  Number: SAM_RowValidate = 8221
.head 4 -  Number: SAM_ScrollBar = 8202
.head 4 -  Number: SAM_SetFocus = 4103
.head 4 -  Number: SAM_SqlError = 8195
.head 4 -  Number: SAM_TBItemSelect = 8292
.head 4 -  Number: SAM_Timer = 275
.head 4 -  Number: SAM_Validate = 8204
.head 4 -  Number: SAM_User = 16384
.head 4 -  Number: SAM_FetchRowDone = 8237
.head 4 -  Number: SAM_Activate
.head 4 -  Number: SAM_ContextMenu
.head 4 -  Number: SAM_CreateComplete
.head 4 -  Number: SAM_CustControlCmd
.head 4 -  Number: PLATFORM_Solaris = 1
.head 4 -  Number: PLATFORM_Windows = 1
.head 4 -  Number: PIC_FitBestFit = 2
.head 4 -  Number: PIC_FitScale = 3
.head 4 -  Number: PIC_FitSizeToFit = 1
.head 4 -  Number: PIC_FormatBitmap = 1
.head 4 -  Number: PIC_FormatIcon = 2
.head 4 -  Number: PIC_FormatObject = 3
.head 4 -  Number: PIC_ImageTypeNone = 0
.head 4 -  Number: PIC_ImageTypeBMP = 1
.head 4 -  Number: PIC_ImageTypeICON = 2
.head 4 -  Number: PIC_ImageTypeWMF = 3
.head 4 -  Number: PIC_ImageTypeTIFF = 4
.head 4 -  Number: PIC_ImageTypePCX = 5
.head 4 -  Number: PIC_ImageTypeGIF = 6
.head 4 -  Number: PIC_ImageTypeJPEG = 7
.head 4 -  Number: PIC_ImageTypeNuVEQ = 8
.head 4 -  Number: SB_Bottom = 7
.head 4 -  Number: SB_LineDown = 1
.head 4 -  Number: SB_LineUp = 0
.head 4 -  Number: SB_PageDown = 3
.head 4 -  Number: SB_PageUp = 2
.head 4 -  Number: SB_ThumbPosition = 4
.head 4 -  Number: SB_ThumbTrack = 5
.head 4 -  Number: SB_Top = 6
.head 4 -  Number: VALIDATE_Cancel = 0
.head 4 -  Number: VALIDATE_Ok = 1
.head 4 -  Number: VALIDATE_OkClearFlag = 2
.head 4 -  Number: DBP_AUTOCOMMIT = 1
.head 4 -  Number: DBP_BRAND = 2
.head 4 -  Number: DBP_CONCLOSEBEHAVIOR = 11
.head 4 -  Number: DBP_FETCHTHROUGH = 7
.head 4 -  Number: DBP_ISOLEVEL = 9
.head 4 -  Number: DBP_LOCKWAITTIMEOUT = 5
.head 4 -  Number: DBP_LONGBUFFER = 5112
.head 4 -  Number: DBP_NOPREBUILD = 8
.head 4 -  Number: DBP_PRESERVE = 3
.head 4 -  Number: DBP_ROLLBACKONTIMEOUT = 6
.head 4 -  Number: DBP_VERSION = 4
.head 4 -  Number: BTN_ImageAlign_Default = 0
.head 4 -  Number: BTN_ImageAlign_TopLeft = 1
.head 4 -  Number: BTN_ImageAlign_TopCenter = 2
.head 4 -  Number: BTN_ImageAlign_TopRight = 3
.head 4 -  Number: BTN_ImageAlign_CenterLeft = 4
.head 4 -  Number: BTN_ImageAlign_CenterCenter = 5
.head 4 -  Number: BTN_ImageAlign_CenterRight = 6
.head 4 -  Number: BTN_ImageAlign_BottomLeft = 7
.head 4 -  Number: BTN_ImageAlign_BottomCenter = 8
.head 4 -  Number: BTN_ImageAlign_BottomRight = 9
.head 4 -  Number: BTN_TextAlign_Default = 0
.head 4 -  Number: BTN_TextAlign_TopLeft = 1
.head 4 -  Number: BTN_TextAlign_TopCenter = 2
.head 4 -  Number: BTN_TextAlign_TopRight = 3
.head 4 -  Number: BTN_TextAlign_CenterLeft = 4
.head 4 -  Number: BTN_TextAlign_CenterCenter = 5
.head 4 -  Number: BTN_TextAlign_CenterRight = 6
.head 4 -  Number: BTN_TextAlign_BottomLeft = 7
.head 4 -  Number: BTN_TextAlign_BottomCenter = 8
.head 4 -  Number: BTN_TextAlign_BottomRight = 9
.head 4 -  Number: BTN_TxtImgRelation_Default = 0
.head 4 -  Number: BTN_TxtImgRelation_ImageAbove = 1
.head 4 -  Number: BTN_TxtImgRelation_TextAbove = 2
.head 4 -  Number: BTN_TxtImgRelation_ImageBefore = 3
.head 4 -  Number: BTN_TxtImgRelation_TextBefore = 4
.head 4 -  Number: BTN_TxtImgRelation_Overlay = 5
.head 4 -  Number: EVAL_Date = 3
.head 4 -  Number: EVAL_Handle = 4
.head 4 -  Number: EVAL_If = 100
.head 4 -  Number: EVAL_Number = 1
.head 4 -  Number: EVAL_Set = 99
.head 4 -  Number: EVAL_String = 2
.head 4 -  Number: EVAL_Template = 5
.head 4 -  Number: FILE_CopyDest = 2
.head 4 -  Number: FILE_CopyExist = 3
.head 4 -  Number: FILE_CopyOK = 0
.head 4 -  Number: FILE_CopyRead = 4
.head 4 -  Number: FILE_CopySrc = 1
.head 4 -  Number: FILE_CopyWrite = 5
.head 4 -  Number: FILE_SeekBegin = 0
.head 4 -  Number: FILE_SeekCurrent = 1
.head 4 -  Number: FILE_SeekEnd = 2
.head 4 -  Number: OF_Append = 3
.head 4 -  Number: OF_Binary = 65536
.head 4 -  Number: OF_Create = 4096
.head 4 -  Number: OF_Delete = 512
.head 4 -  Number: OF_Exist = 16384
.head 4 -  Number: OF_Parse = 256
.head 4 -  Number: OF_Read = 0
.head 4 -  Number: OF_ReadAppend = 4
.head 4 -  Number: OF_ReadWrite = 2
.head 4 -  Number: OF_Reopen = 32768
.head 4 -  Number: OF_Share_Compat = 0
.head 4 -  Number: OF_Share_Deny_None = 64
.head 4 -  Number: OF_Share_Deny_Read = 48
.head 4 -  Number: OF_Share_Deny_Write = 32
.head 4 -  Number: OF_Share_Exclusive = 16
.head 4 -  Number: OF_Text = 0
.head 4 -  Number: OF_UTF16 = 131072
.head 4 -  Number: OF_Verify = 1024
.head 4 -  Number: OF_Write = 1
.head 4 -  Number: FORM_nFormHeight = 2
.head 4 -  Number: FORM_nFormPages = 3
.head 4 -  Number: FORM_nFormWidth = 1
.head 4 -  Number: TYPE_AccFrame = 268435456
.head 4 -  Number: TYPE_ActiveX = 134217728
.head 4 -  Number: TYPE_Any = 2147483647
.head 4 -  Number: TYPE_BkgdText = 2048
.head 4 -  Number: TYPE_CheckBox = 128
.head 4 -  Number: TYPE_ChildTable = 524288
.head 4 -  Number: TYPE_ComboBox = 16384
.head 4 -  Number: TYPE_CustControl = 67108864
.head 4 -  Number: TYPE_DataField = 8
.head 4 -  Number: TYPE_DialogBox = 4
.head 4 -  Number: TYPE_FormToolBar = 2097152
.head 4 -  Number: TYPE_FormWindow = 1
.head 4 -  Number: TYPE_Frame = 65536
.head 4 -  Number: TYPE_GridWindow = 1073741824
.head 4 -  Number: TYPE_GroupBox = 256
.head 4 -  Number: TYPE_HorizScrollBar = 512
.head 4 -  Number: TYPE_Line = 32768
.head 4 -  Number: TYPE_ListBox = 8192
.head 4 -  Number: TYPE_MDIWindow = 1048576
.head 4 -  Number: TYPE_MultilineText = 16
.head 4 -  Number: TYPE_OptButton = 33554432
.head 4 -  Number: TYPE_Picture = 131072
.head 4 -  Number: TYPE_PushButton = 32
.head 4 -  Number: TYPE_RadioButton = 64
.head 4 -  Number: TYPE_TableColumn = 4096
.head 4 -  Number: TYPE_TableWindow = 2
.head 4 -  Number: TYPE_VertScrollBar = 1024
.head 4 -  Number: DT_Boolean = 1
.head 4 -  Number: DT_DateTime = 2
.head 4 -  Number: DT_LongString = 7
.head 4 -  Number: DT_Number = 3
.head 4 -  Number: DT_String = 5
.head 4 -  Number: DW_Default = -1
.head 4 -  Number: HH_DisplayTopic = 0
.head 4 -  Number: HH_HelpFinder = 0
.head 4 -  Number: HH_DisplayToc = 1
.head 4 -  Number: HH_DisplayIndex = 2
.head 4 -  Number: HH_DisplaySearch = 3
.head 4 -  Number: HH_SetWinType = 4
.head 4 -  Number: HH_GetWinType = 5
.head 4 -  Number: HH_GetWinHandle = 6
.head 4 -  Number: HH_SetInfoType = 8
.head 4 -  Number: HH_Sync = 9
.head 4 -  Number: HH_KeywordLookup = 13
.head 4 -  Number: HH_DisplayTextPopup = 14
.head 4 -  Number: HH_HelpContext = 15
.head 4 -  Number: HH_TPHelp_ContextMenu = 16
.head 4 -  Number: HH_TPHelp_WM_Help = 17
.head 4 -  Number: HH_CloseAll = 18
.head 4 -  Number: HH_ALinkLookup = 19
.head 4 -  Number: HH_GetLastError = 20
.head 4 -  Number: HH_Initialize = 28
.head 4 -  Number: HH_Uninitialize = 29
.head 4 -  Number: HH_PreTranslateMessage = 253
.head 4 -  Number: FA_Archive = 32
.head 4 -  Number: FA_Directory = 16
.head 4 -  Number: FA_Drive = 16384
.head 4 -  Number: FA_Exclusive = 32768
.head 4 -  Number: FA_Hidden = 2
.head 4 -  Number: FA_Queued = 8192
.head 4 -  Number: FA_ReadOnly = 1
.head 4 -  Number: FA_Standard = 0
.head 4 -  Number: FA_System = 4
.head 4 -  Number: MB_AbortRetryIgnore = 2
.head 4 -  Number: MB_Ok = 0
.head 4 -  Number: MB_OkCancel = 1
.head 4 -  Number: MB_RetryCancel = 5
.head 4 -  Number: MB_YesNo = 4
.head 4 -  Number: MB_YesNoCancel = 3
.head 4 -  Number: MB_IconAsterisk = 64
.head 4 -  Number: MB_IconExclamation = 48
.head 4 -  Number: MB_IconHand = 16
.head 4 -  Number: MB_IconQuestion = 32
.head 4 -  Number: MB_IconStop = 16
.head 4 -  Number: MB_DefButton1 = 0
.head 4 -  Number: MB_DefButton2 = 256
.head 4 -  Number: MB_DefButton3 = 512
.head 4 -  Number: MB_NoFocus = 32768
.head 4 -  Number: MB_ApplModal = 0
.head 4 -  Number: MB_SystemModal = 4096
.head 4 -  Number: MB_IconInformation = 64
.head 4 -  Number: IDABORT = 3
.head 4 -  Number: IDCANCEL = 2
.head 4 -  Number: IDIGNORE = 5
.head 4 -  Number: IDNO = 7
.head 4 -  Number: IDOK = 1
.head 4 -  Number: IDRETRY = 4
.head 4 -  Number: IDYES = 6
.head 4 -  Number: PRT_nCopyCount = 3
.head 4 -  Number: PRT_nDraftMode = 1
.head 4 -  Number: PRT_nFromPage = 7
.head 4 -  Number: PRT_nMarginLeft = 4
.head 4 -  Number: PRT_nMarginTop = 5
.head 4 -  Number: PRT_nPrintAll = 6
.head 4 -  Number: PRT_nShowFormPageRect = 9
.head 4 -  Number: PRT_nToPage = 8
.head 4 -  Number: RPT_ErrBind = 3
.head 4 -  Number: RPT_ErrCount = 9
.head 4 -  Number: RPT_ErrFilenameLength = 4
.head 4 -  Number: RPT_ErrFileOpen = 5
.head 4 -  Number: RPT_ErrInput = 10
.head 4 -  Number: RPT_ErrLoadDLL = 1
.head 4 -  Number: RPT_ErrMaxRpts = 2
.head 4 -  Number: RPT_ErrPrtOpen = 8
.head 4 -  Number: RPT_ErrRptOpen = 7
.head 4 -  Number: RPT_ErrRptWindow = 6
.head 4 -  Number: RPT_ErrType = 11
.head 4 -  Number: RPT_CmdFirstPage = 1
.head 4 -  Number: RPT_CmdGoToPage = 9
.head 4 -  Number: RPT_CmdLastPage = 2
.head 4 -  Number: RPT_CmdNextPage = 3
.head 4 -  Number: RPT_CmdPrevPage = 8
.head 4 -  Number: RPT_CmdPrint = 4
.head 4 -  Number: RPT_CmdPrinterSetup = 7
.head 4 -  Number: RPT_CmdSizeActual = 6
.head 4 -  Number: RPT_CmdSizeFit = 5
.head 4 -  Number: RPT_PrintAll = 0
.head 4 -  Number: RPT_PrintRange = 1
.head 4 -  Number: RPT_PrintDraft = 2
.head 4 -  Number: RPT_PrintNoAbort = 4
.head 4 -  Number: RPT_PrintNoWarn = 8
.head 4 -  Number: RPT_PrintNoErrors = 16
.head 4 -  Number: RPT_PrintDupVertical = 32
.head 4 -  Number: RPT_PrintDupHorizontal = 64
.head 4 -  Number: RPT_PrintParamCopies = 3
.head 4 -  Number: RPT_PrintParamFirstPage = 2
.head 4 -  Number: RPT_PrintParamLastPage = 1
.head 4 -  Number: RPT_PrintParamOptions = 0
.head 4 -  Number: RPT_BeforeBreakFooter1 = 14
.head 4 -  Number: RPT_BeforeBreakFooter2 = 15
.head 4 -  Number: RPT_BeforeBreakFooter3 = 16
.head 4 -  Number: RPT_BeforeBreakFooter4 = 17
.head 4 -  Number: RPT_BeforeBreakFooter5 = 18
.head 4 -  Number: RPT_BeforeBreakFooter6 = 19
.head 4 -  Number: RPT_BeforeBreakFooter7 = 20
.head 4 -  Number: RPT_BeforeBreakFooter8 = 21
.head 4 -  Number: RPT_BeforeBreakHeader1 = 6
.head 4 -  Number: RPT_BeforeBreakHeader2 = 7
.head 4 -  Number: RPT_BeforeBreakHeader3 = 8
.head 4 -  Number: RPT_BeforeBreakHeader4 = 9
.head 4 -  Number: RPT_BeforeBreakHeader5 = 10
.head 4 -  Number: RPT_BeforeBreakHeader6 = 11
.head 4 -  Number: RPT_BeforeBreakHeader7 = 12
.head 4 -  Number: RPT_BeforeBreakHeader8 = 13
.head 4 -  Number: RPT_BeforeDetail = 5
.head 4 -  Number: RPT_BeforePageFooter = 2
.head 4 -  Number: RPT_BeforePageHeader = 1
.head 4 -  Number: RPT_BeforeReportFooter = 4
.head 4 -  Number: RPT_BeforeReportHeader = 3
.head 4 -  Number: RPT_DoneBreakFooter1 = 56
.head 4 -  Number: RPT_DoneBreakFooter2 = 57
.head 4 -  Number: RPT_DoneBreakFooter3 = 58
.head 4 -  Number: RPT_DoneBreakFooter4 = 59
.head 4 -  Number: RPT_DoneBreakFooter5 = 60
.head 4 -  Number: RPT_DoneBreakFooter6 = 61
.head 4 -  Number: RPT_DoneBreakFooter7 = 62
.head 4 -  Number: RPT_DoneBreakFooter8 = 63
.head 4 -  Number: RPT_DoneBreakHeader1 = 48
.head 4 -  Number: RPT_DoneBreakHeader2 = 49
.head 4 -  Number: RPT_DoneBreakHeader3 = 50
.head 4 -  Number: RPT_DoneBreakHeader4 = 51
.head 4 -  Number: RPT_DoneBreakHeader5 = 52
.head 4 -  Number: RPT_DoneBreakHeader6 = 53
.head 4 -  Number: RPT_DoneBreakHeader7 = 54
.head 4 -  Number: RPT_DoneBreakHeader8 = 55
.head 4 -  Number: RPT_DoneDetail = 47
.head 4 -  Number: RPT_DonePageFooter = 44
.head 4 -  Number: RPT_DonePageHeader = 43
.head 4 -  Number: RPT_DoneReportFooter = 46
.head 4 -  Number: RPT_DoneReportHeader = 45
.head 4 -  Number: RPT_OutputBreakFooter1 = 35
.head 4 -  Number: RPT_OutputBreakFooter2 = 36
.head 4 -  Number: RPT_OutputBreakFooter3 = 37
.head 4 -  Number: RPT_OutputBreakFooter4 = 38
.head 4 -  Number: RPT_OutputBreakFooter5 = 39
.head 4 -  Number: RPT_OutputBreakFooter6 = 40
.head 4 -  Number: RPT_OutputBreakFooter7 = 41
.head 4 -  Number: RPT_OutputBreakFooter8 = 42
.head 4 -  Number: RPT_OutputBreakHeader1 = 27
.head 4 -  Number: RPT_OutputBreakHeader2 = 28
.head 4 -  Number: RPT_OutputBreakHeader3 = 29
.head 4 -  Number: RPT_OutputBreakHeader4 = 30
.head 4 -  Number: RPT_OutputBreakHeader5 = 31
.head 4 -  Number: RPT_OutputBreakHeader6 = 32
.head 4 -  Number: RPT_OutputBreakHeader7 = 33
.head 4 -  Number: RPT_OutputBreakHeader8 = 34
.head 4 -  Number: RPT_OutputDetail = 26
.head 4 -  Number: RPT_OutputPageFooter = 23
.head 4 -  Number: RPT_OutputPageHeader = 22
.head 4 -  Number: RPT_OutputReportFooter = 25
.head 4 -  Number: RPT_OutputReportHeader = 24
.head 4 -  Number: COL_GetID = 0
.head 4 -  Number: COL_GetPos = 1
.head 4 -  Number: COL_CenterJustify = 256
.head 4 -  Number: COL_Editable = 2
.head 4 -  Number: COL_IndicateOverflow = 4096
.head 4 -  Number: COL_RightJustify = 128
.head 4 -  Number: COL_Selected = 4
.head 4 -  Number: COL_AllowEnterKey = 134217728
.head 4 -  Number: COL_EnableSort = 67108864
.head 4 -  Number: COL_IsGroupBy = 33554432
.head 4 -  Number: COL_HiddenByUser = 536870912
.head 4 -  Number: COL_HideInContextMenu = 1073741824
.head 4 -  Number: COL_Visible = 1
.head 4 -  Number: TPM_CenterAlign = 4
.head 4 -  Number: TPM_ContextMenu = 16384
.head 4 -  Number: TPM_CursorX = 256
.head 4 -  Number: TPM_CursorY = 512
.head 4 -  Number: TPM_LeftAlign = 0
.head 4 -  Number: TPM_LeftButton = 0
.head 4 -  Number: TPM_RightAlign = 8
.head 4 -  Number: TPM_RightButton = 2
.head 4 -  Number: HELP_Context = 1
.head 4 -  Number: HELP_HelpOnHelp = 4
.head 4 -  Number: HELP_Index = 3
.head 4 -  Number: HELP_Key = 257
.head 4 -  Number: HELP_Quit = 2
.head 4 -  Number: HELP_SetIndex = 5
.head 4 -  Number: HELP_Finder = 11
.head 4 -  Number: SQLERROR_Reason = 2
.head 4 -  Number: SQLERROR_Remedy = 4
.head 4 -  Number: FETCH_Delete = 3
.head 4 -  Number: FETCH_EOF = 1
.head 4 -  Number: FETCH_Ok = 0
.head 4 -  Number: FETCH_Update = 2
.head 4 -  Number: TBL_Flag_EditLeftJustify = 16384
.head 4 -  Number: TBL_Flag_MovableCols = 2
.head 4 -  Number: TBL_Flag_SelectableCols = 128
.head 4 -  Number: TBL_Flag_SelectableRows = 8
.head 4 -  Number: TBL_Flag_ShowVScroll = 4
.head 4 -  Number: TBL_Flag_ShowWaitCursor = 1024
.head 4 -  Number: TBL_Flag_SingleSelection = 4096
.head 4 -  Number: TBL_Flag_SuppressLastColLine = 8192
.head 4 -  Number: TBL_Flag_AllowSortIncomplete = 131072
.head 4 -  Number: TBL_Flag_GroupSummary = 262144
.head 4 -  Number: TBL_Flag_VirtualScroll = 524288
.head 4 -  Number: TBL_Flag_DisableVisTblSort = 2097152
.head 4 -  Number: TBL_Flag_DisableScrollRange = 4194304
.head 4 -  Number: TBL_Flag_UseTableLineColor = 8388608
.head 4 -  Number: TBL_Flag_GroupFontUseGrid = 16777216
.head 4 -  Number: TBL_Flag_ColSizeProportional = 33554432
.head 4 -  Number: TBL_RowHdr_MarkEdits = 1
.head 4 -  Number: TBL_RowHdr_ShareColor = 16
.head 4 -  Number: TBL_RowHdr_Sizable = 4
.head 4 -  Number: TBL_RowHdr_Visible = 8
.head 4 -  Number: TBL_Adjust = 1
.head 4 -  Number: TBL_AutoScroll = 0
.head 4 -  Number: TBL_Error = 2147483633
.head 4 -  Number: TBL_FillAll = 1
.head 4 -  Number: TBL_FillAllBackground = 2
.head 4 -  Number: TBL_FillNormal = 0
.head 4 -  Number: TBL_Flag_GrayedHeaders = 512
.head 4 -  Number: TBL_Flag_HScrollByCols = 256
.head 4 -  Number: TBL_Flag_SizableCols = 1
.head 4 -  Number: TBL_Flag_SuppressRowLines = 2048
.head 4 -  Number: TBL_MaxRow = 2147483632
.head 4 -  Number: TBL_MinSplitRow = -32750
.head 4 -  Number: TBL_NoAdjust = 0
.head 4 -  Number: TBL_NoMoreRows = 0
.head 4 -  Number: TBL_RowDeleted = 2
.head 4 -  Number: TBL_RowFetched = 1
.head 4 -  Number: TBL_ScrollBottom = 2
.head 4 -  Number: TBL_ScrollTop = 1
.head 4 -  Number: TBL_SetFirstRow = 3
.head 4 -  Number: TBL_SetLastRow = 2
.head 4 -  Number: TBL_SetNextRow = 0
.head 4 -  Number: TBL_SetPrevRow = 1
.head 4 -  Number: TBL_SortDecreasing = 0
.head 4 -  Number: TBL_SortIncreasing = 1
.head 4 -  Number: TBL_Split_Adjustable = 1
.head 4 -  Number: TBL_TempRow = 2147483633
.head 4 -  Number: TBL_XOverLockedColumns = 512
.head 4 -  Number: TBL_XOverLockedColumnsBorder = 2048
.head 4 -  Number: TBL_XOverRowHeader = 256
.head 4 -  Number: TBL_XOverUnlockedColumns = 1024
.head 4 -  Number: TBL_YOverColumnHeader = 1
.head 4 -  Number: TBL_YOverNormalRows = 4
.head 4 -  Number: TBL_YOverSplitBar = 8
.head 4 -  Number: TBL_YOverSplitRows = 2
.head 4 -  Number: TBL_MinRow = -2147483632
.head 4 -  Number: ROW_Edited = 4
.head 4 -  Number: ROW_Hidden = 8192
.head 4 -  Number: ROW_HideMarks = 64
.head 4 -  Number: ROW_MarkDeleted = 32
.head 4 -  Number: ROW_New = 8
.head 4 -  Number: ROW_Selected = 2
.head 4 -  Number: ROW_UnusedFlag1 = 128
.head 4 -  Number: ROW_UnusedFlag2 = 256
.head 4 -  Number: TRUE = 1
.head 4 -  Number: FALSE = 0
.head 4 -  Number: LB_Err = -1
.head 4 -  Number: CREATE_AsChild
.head 4 -  Number: CREATE_Hidden
.head 4 -  Number: Window_NotVisible
.head 4 -  Number: XML_Document
.head 3 -  User
.head 3 -  Enumerations
.head 2 +  Variables
.head 3 -  Number: NUMBER_Null
.head 3 -  Window Handle: hWndForm
.head 3 -  Window Handle: hWndMDI
.head 3 -  Window Handle: hWndNULL
.head 3 -  Window Handle: hWndItem
.head 3 -  Window Handle: hWndFrame
.head 3 -  Number: wParam
.head 3 -  Number: lParam
.head 3 -  Number: nArgCount
.head 3 -  String: strArgArray[*]
.head 3 -  String: SqlDatabase
.head 3 -  String: SqlINI
.head 3 -  String: SqlUDL
.head 3 -  String: SqlUser
.head 3 -  String: SqlPassword
.head 3 -  Boolean: SqlNoRecovery
.head 3 -  Number: SqlInMessage
.head 3 -  Number: SqlOutMessage
.head 3 -  Boolean: SqlResultSet
.head 3 -  String: SqlIsolationLevel
.head 3 -  String: SqlServername
.head 3 -  String: SqlConnectOptions
.head 3 -  Boolean: bStaticsAsWindows
.head 3 -  Boolean: bMenuBarAsRibbonBar
.head 3 -  Boolean: bMaxDataLengthInBytes
.head 3 -  Boolean: bDeferCreatingTabChildren
.head 3 -  Number: n_SW_Null
.head 3 -  Date/Time: dt_SW_Null
.head 3 -  String: STRING_Null
.head 3 -  Binary: BINARY_Null
.head 3 -  String: wpfEventName
.head 3 -  Number: LastException
.head 3 -  Date/Time: DATETIME_Null
.head 3 -  String: MyValue
.head 2 -  Internal Functions
