// CFileComp: the conceptual file, the entity of the data model. A box with a caption band (number
// and name), a key band, a data band and an optional example band, which owns its data items and
// the attributes that physical design reads: whether it becomes a table, whether its columns go
// into its parent's table, the table, index and tablespace names and the link to the file whose
// items its table adds.
#pragma once

#include "foundation/FileBox.h"
#include "model/DataList.h"
#include "model/ModelStatusText.h"
#include "objects/RectObj.h"
#include "objects/StrgObj.h"

class CBaseDoc;
class CComboBox;
class CFloatEdit;
class CFileClone;
class CRefDoc;
class CRelLineObj;
class DataTypeLookup;
class DiagramFiles;

class CFileComp : public CRectObj, public ModelStatusText
{
    DECLARE_SERIAL(CFileComp)
public:
    // Subtype settings of files written before they moved onto the subtype arrow. Only the loader
    // fills them; the document hands them to the arrow after loading and resets them.
    struct LegacySubType
    {
        WORD integrated = 0;
        WORD discriminatorForm = 1;
        WORD discriminatorFile = 0;
        WORD discriminatorItem = 0;
        CString refStrings[3];
        WORD refNumbers[2] = {0, 0};
        CString refString;
        WORD refNumber = 0;
        DWORD itemNameShown = 0;
        DWORD unnamed1 = 0;
        CStrgObj itemNameLabel;
        DWORD itemValueShown = 0;
        DWORD unnamed2 = 0;
        CStrgObj itemValueLabel;
    };

    // The marks word: collected by the latest name matching.
    static constexpr DWORD MARK_NAME_MATCH = 64;
    static constexpr COLORREF NAME_MATCH_PEN = 0xFF0000;
    // The column option that names the columns of physical-target files only (the item-level bits
    // are the data item's).
    static constexpr DWORD COLUMN_PHYSICAL_FILES_ONLY = 0x1;
    // The export option that takes conceptual files into a spreadsheet export.
    static constexpr DWORD EXPORT_FILES = 0x8;

    CFileComp();
    CFileComp(WORD objectId, const CRect& rect);
    CFileComp(const CFileComp& other);
    ~CFileComp() override = default;

    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;
    // The type name, the number and the name.
    CString GetStatusText(const CBaseDoc& document) const override;
    void GetNumber(CString& number) const override;
    // Empties the number; with the flag also the items' number texts. TRUE when anything changed.
    BOOL ClearNumber(DWORD flag) override;
    // Conceptual files are exported under export option 0x8; a file has text, and interface data,
    // when its number, name, key text or data text is set.
    BOOL IsExportKind(DWORD exportOptions) const override;
    BOOL HasText() const override;
    BOOL HasInterfaceData() const override;
    // Spreadsheet export rows. The row context is an ExcelExportContext; each writer advances the
    // counter of the sheet it writes before a row and returns FALSE to end the export's loop.
    BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                        CObject* rowContext) override;
    BOOL ExportInterfaceRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter, long& secondCounter,
                             DWORD exportOptions, CObject* rowContext) override;
    BOOL ExportExcelMatrix(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions, CObject* rowContext);
    BOOL ExportSourceRelations(CExcelDispatch* sheet3, long& thirdCounter, DWORD exportOptions, CObject* rowContext);
    BOOL ExportFileSheetRow(CExcelDispatch* sheet1, long& firstCounter, long& secondCounter, DWORD exportOptions,
                            CObject* rowContext);
    BOOL ExportDataItemRows(CExcelDispatch* sheet2, long& firstCounter, long& secondCounter, DWORD exportOptions,
                            CObject* rowContext);
    BOOL ExportSourceRelationRows(CExcelDispatch* sheet3, long& thirdCounter, DWORD exportOptions, CObject* rowContext);
    BOOL ExportConceptUpdateRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter,
                                 long& secondCounter, DWORD exportOptions, CObject* rowContext);
    BOOL ExportConceptUpdateFileRow(CExcelDispatch* sheet1, long& firstCounter, long& secondCounter,
                                    DWORD exportOptions, CObject* rowContext);
    BOOL ExportConceptUpdateItemRows(CExcelDispatch* sheet2, long& firstCounter, long& secondCounter,
                                     DWORD exportOptions, CObject* rowContext);
    BOOL ExportPhysicalUpdateRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter,
                                  long& secondCounter, DWORD exportOptions, CObject* rowContext);
    BOOL ExportPhysicalUpdateFileRow(CExcelDispatch* sheet1, long& firstCounter, long& secondCounter,
                                     DWORD exportOptions, CObject* rowContext);
    BOOL ExportPhysicalUpdateItemRows(CExcelDispatch* sheet2, long& firstCounter, long& secondCounter,
                                      DWORD exportOptions, CObject* rowContext);

    // The size of the conceptual-file prototype, else the built-in 240 x -160.
    static CSize GetDefaultFileSize();
    // A new clone standing for this file and showing its name, 40 below the box: as wide and high as
    // the name cell when the box has one with a width, else as wide as the box and 40 high. The
    // caller owns it.
    CFileClone* CreateCloneObject(WORD cloneId) const;

    // --- Fields ---------------------------------------------------------------------------------
    const CString& GetFileNumber() const { return m_strNumber; }
    void SetFileNumber(const CString& number) { m_strNumber = number; }
    const CString& GetFileName() const { return m_strName; }
    void SetFileName(const CString& name) { m_strName = name; }
    const CString& GetKeyText() const { return m_strKeyText; }
    void SetKeyText(const CString& text) { m_strKeyText = text; }
    const CString& GetDataText() const { return m_strDataText; }
    void SetDataText(const CString& text) { m_strDataText = text; }
    int GetFileCodeCx() const { return m_nFileCodeCx; }
    int GetKeyItemCy() const { return m_nKeyItemCy; }
    int GetCompCapCx() const { return m_nCompCapCx; }
    int GetCodeSampleCx() const { return m_nCodeSampleCx; }
    WORD GetBoxStyle() const { return m_wBoxStyle; }
    void SetBoxStyle(WORD style) { m_wBoxStyle = style; }
    COLORREF GetFontColor() const { return m_crFont; }
    void SetFontColor(COLORREF color) { m_crFont = color; }
    const CString& GetCodeSample() const { return m_strCodeSample; }
    void SetCodeSample(const CString& text) { m_strCodeSample = text; }
    WORD GetNumberState() const { return m_wNumberState; }
    WORD GetUpdateRight() const { return m_wUpdateRight; }
    void SetUpdateRight(WORD right) { m_wUpdateRight = right; }
    // Sets the update right to 0: TRUE when it was not.
    BOOL ClearUpdateRight();
    BOOL GetShowNumIOSource() const { return m_bShowNumIOSource; }
    const CString& GetNumIOSourceText() const { return m_numIOSource.GetText(); }
    void SetNumIOSourceText(const CString& text) { m_numIOSource.SetText(text); }
    const CStrgObj& GetNumIOSourceLabel() const { return m_numIOSource; }
    const CString& GetSummary() const { return m_strSummary; }
    void SetSummary(const CString& text) { m_strSummary = text; }
    CDataList& GetDataList() { return m_dataList; }
    const CDataList& GetDataList() const { return m_dataList; }
    const LegacySubType& GetLegacySubType() const { return m_legacy; }
    // The two ends of moving the old subtype settings onto the file's main subtype arrow after an
    // old file was loaded: whether they name a discriminator worth handing over, and forgetting
    // them afterwards.
    BOOL HasLegacyDiscriminator() const;
    void ResetLegacySubType();
    // After a file older than the arrows' own subtype settings was loaded: clears the integrated
    // flag and hands a discriminator over to the file's main subtype-kind arrow, if it has one,
    // then forgets the old settings. TRUE when anything changed.
    BOOL MigrateSubTypeToRelLine(CBaseDoc& document);
    DWORD GetEditedPart() const { return m_dwEditedPart; }
    void SetEditedPart(DWORD part) { m_dwEditedPart = part; }

    // --- Physical design ------------------------------------------------------------------------
    const CString& GetTableName() const { return m_strTableName; }
    void SetTableName(const CString& name) { m_strTableName = name; }
    const CString& GetPrimaryIndexName() const { return m_strPrimaryIndexName; }
    void SetPrimaryIndexName(const CString& name) { m_strPrimaryIndexName = name; }
    const CString& GetTableSpace() const { return m_strTableSpace; }
    void SetTableSpace(const CString& name) { m_strTableSpace = name; }
    const CString& GetIndexSpace() const { return m_strIndexSpace; }
    void SetIndexSpace(const CString& name) { m_strIndexSpace = name; }
    WORD GetPhyControlFileId() const { return m_wPhyControlFileId; }
    const CString& GetPhyControlFileName() const { return m_strPhyControlFileName; }
    void SetPhyControlFile(WORD fileId, const CString& name);
    BOOL UsesPhyControlFile(WORD fileId) const { return m_wPhyControlFileId == fileId; }
    void ClearPhyControlFile();
    // Clears the link only when it names that file: TRUE when it did.
    BOOL ClearPhyControlFileIf(WORD fileId);

    BOOL IsPhysicalTarget() const { return m_bPhysicalTarget; }
    // Clearing the flag also drops the definition-file link.
    void SetPhysicalTarget(BOOL target);
    BOOL GetMergedIntoParent() const { return m_bMergedIntoParent; }
    // Setting: no key item stays a physical target and the link is dropped. Clearing: the top-level
    // key items of the first key group become physical targets again.
    void SetMergedIntoParent(BOOL merged);
    BOOL GetPhyControlDedicated() const { return m_bPhyControlDedicated; }
    void SetPhyControlDedicated(BOOL dedicated);
    // A file that only lends its items: physical target, no names, no link, top-level items are
    // targets and child items are not. TRUE when anything changed.
    BOOL ResetPhysicalForDedicated();

    // --- Dialogs ----------------------------------------------------------------------------------
    // 22009 runs the properties dialog with the document handed over as the argument; the other
    // operations are the box's.
    BOOL ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument) override;
    // The conceptual-file dialog, written back on OK: TRUE when something changed.
    BOOL RunPropertiesDialog(CBaseDoc& document);
    // The definition-file dialog: on OK the chosen file (and its name, empty for none); TRUE on OK.
    BOOL RunPhyControlDialog(CBaseDoc& document);
    // The file's own tablespaces: TRUE on OK when the file is no dedicated definition file.
    BOOL RunTableSpaceDialog(CBaseDoc& document);

    // --- Marks ----------------------------------------------------------------------------------
    DWORD GetMarkFlags() const { return m_dwMarks; }
    void SetMarkFlags(DWORD marks) { m_dwMarks = marks; }
    void ClearMarks() { m_dwMarks = 0; }
    void ClearMarksAndItems();
    void SetNameMatchMark();
    BOOL HasNameMatchMark() const { return (m_dwMarks & MARK_NAME_MATCH) != 0; }
    void ClearItemUpdateMarks() { m_dataList.ClearUpdateMarksAll(); }

    // 1 when the names are equal or this file has a key group with the same names as one of the
    // other file's key groups (1, 2, ... up to its first empty one: 0); -1 when collecting failed.
    int IsNameMatch(const CFileComp& other) const;

    // --- The data items ---------------------------------------------------------------------------
    BOOL AddData(CData* item) { return m_dataList.AddDataDirect(item); }
    void DeleteAllData() { m_dataList.DeleteAll(); }
    int AssignDataList(const CDataList& other) { return m_dataList.AssignDataFrom(other); }
    CData* FindDataByNumber(WORD number) const { return m_dataList.FindDataByNumber(number); }
    BOOL HasDataNumberText() const { return m_dataList.HasAnyNumberText(); }
    int GetDataCount() const { return int(m_dataList.GetCount()); }
    BOOL AnyDataRefersToFile(WORD fileId) const;
    // Every item lets go of its references to that file: TRUE when one changed.
    BOOL ClearDataReferencesToFile(WORD fileId);
    int MatchDataByName(const CDataList& newList) { return m_dataList.MarkChangesByName(newList); }
    int MatchDataByNumber(const CDataList& newList) { return m_dataList.MarkChangesAgainst(newList); }
    int ApplyNameRenumbering(WORD fileId, const CDataList& marked);
    int ApplyNumberRenumbering(WORD fileId, const CDataList& marked, BOOL clearFirst);
    int FillDataItemCombo(CComboBox* combo, BOOL keyItemsOnly, BOOL withNone) const;
    int CountDataNameMatches(const CString& text, BOOL matchCase) const;
    // Writes the items back as the key text and the data text.
    BOOL RebuildItemTexts(CNotationSymbols& symbols, DWORD options);
    BOOL SortDataItems() { return m_dataList.SortToStandardOrder(); }
    CData* FindSameNonKeyItem(const CData& item) const { return m_dataList.FindSameNonKeyItem(item); }
    int CollectKeyGroup(WORD group, CDataPtrList& out) const { return m_dataList.CollectKeyGroup(group, out); }
    int HasMatchingKeyGroup(const CDataPtrList& list) const { return m_dataList.HasMatchingKeyGroup(list); }
    BOOL HasNonRkeyKeyItem() const { return m_dataList.HasNonRkeyKeyItem(); }
    BOOL HasRkeyInGroupOne() const { return m_dataList.HasRkeyInGroupOne(); }
    BOOL ConvertForOtherDiagram(const DiagramFiles& diagram, WORD newOwnId);
    BOOL HasRkeyCandidatesFor(const CFileComp& other, BOOL overwrite) const;
    int SetRkeyReferencesFrom(const CFileComp& other, BOOL overwrite);
    int SetRkeyReferencesToOtherDiagram(const CFileComp& keyFile, const CRefDoc& refDoc, BOOL overwrite);
    // Finds the notation symbols the texts use; FALSE when both texts are empty.
    BOOL CollectNotationSymbols(CNotationSymbols& symbols) const;
    // Reads the key text and the data text into items appended to the list: their number, or -1
    // after telling the user. The document, when there is one, tells whether the file has a parent
    // (a subtype or substructure arrow from a conceptual file ends at it); without one it has none.
    int ParseItemTexts(const CBaseDoc* document, CDataList& list) const;

    // --- Column names ---------------------------------------------------------------------------
    // The items that would get a column name under the column option word: none when the word asks
    // for physical-target files only and this file is not one.
    int CountColumnNameTargets(DWORD option) const;
    // Names the columns of the items the option word accepts; the number named.
    int CreateColumnNames(DWORD option, const DataTypeLookup& types);

    // --- Minimum size ---------------------------------------------------------------------------
    // Keeps the box at least 120 wide and 40 taller than its caption band, the number cell clear of
    // the mark cell and the key band within the box. TRUE when anything changed.
    BOOL ApplyMinimumSize();

    // --- The relation graph ---------------------------------------------------------------------
    // A subtype or substructure arrow from a conceptual file (or a clone with an original) ends at
    // this file or at a clone of it.
    BOOL HasParentFileComp(const CBaseDoc& doc) const;

    // Doubles the angle brackets that older files wrote single ("<" "<<", ">" ">>" and their
    // full-width forms), a DBCS character counting as one.
    static CString DoubleLegacyBrackets(const CString& text);

    // --- Geometry: bands, band handles, hit tests and drawing ------------------------------------
    // A band handle hits as HIT_BAND_HANDLE with the drag code of its edge; a part of the box as
    // HIT_FILE_PART with the part's bit; the I/O-number label adds PART_NUM_IO_LABEL | 4 to the
    // label's own code.
    static constexpr DWORD HIT_BAND_HANDLE = 0x804;
    static constexpr DWORD DRAG_NUMBER_EDGE = 0x4000;
    static constexpr DWORD DRAG_KEY_EDGE = 0x8000;
    static constexpr DWORD DRAG_EXAMPLE_EDGE = 0x10000;
    static constexpr DWORD DRAG_CAPTION_EDGE = 0x20000;
    static constexpr DWORD HIT_FILE_PART = 0x5;
    static constexpr DWORD PART_NUMBER = 0x100000;
    static constexpr DWORD PART_NAME = 0x800000;
    static constexpr DWORD PART_KEY = 0x2000000;
    static constexpr DWORD PART_DATA = 0x4000000;
    static constexpr DWORD PART_EXAMPLE = 0x8000000;
    static constexpr DWORD PART_NUM_IO_LABEL = 0x20000000;

    // Define mode: the plain labelled box with number and name. Print mode: the bands with the
    // texts the display options choose, the file-type mark, the I/O-number label and the handles.
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    // The XOR line of a dragged band edge, held where the drag would leave it.
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode) override;
    // The four band handles, the eight resize handles, then the label's handles when it is shown.
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // The label, the band handles, the parts (7 inside their edges), then the resize handles.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    void GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    void MoveParts(SIZE offset, DWORD flags) override;
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    void GetMinimumSize(CSize& size) const override;
    // Moves a band edge; the box itself keeps its rectangle.
    void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word) override;
    // In print mode whenever there is a shadow depth, filled or not.
    BOOL HasShadow(BOOL printMode) const override;

    // The parts of the box: TRUE with the rectangle when the part is present.
    BOOL GetNumberCellRect(CRect& rect) const { return GetBoxPartRect(PART_NUMBER, rect); }
    BOOL GetNameCellRect(CRect& rect) const { return GetBoxPartRect(PART_NAME, rect); }
    BOOL GetKeyBandRect(CRect& rect) const { return GetBoxPartRect(PART_KEY, rect); }
    BOOL GetDataBandRect(CRect& rect) const { return GetBoxPartRect(PART_DATA, rect); }
    BOOL GetExampleBandRect(CRect& rect) const { return GetBoxPartRect(PART_EXAMPLE, rect); }
    BOOL GetMarkCellRect(CRect& rect) const;
    BOOL HasMarkCell() const { return m_rect.Width() > FILE_BOX_MARK_COLUMN; }
    // The band edges (segment and handle point) by drag code: TRUE when the edge is present.
    BOOL GetBandEdge(DWORD dragCode, CPoint& start, CPoint& end) const;
    BOOL GetBandHandle(DWORD dragCode, CPoint& point) const;
    BOOL HasBandEdge(DWORD dragCode) const;
    BOOL GetCaptionEdge(CPoint& start, CPoint& end) const { return GetBandEdge(DRAG_CAPTION_EDGE, start, end); }
    BOOL GetNumberEdge(CPoint& start, CPoint& end) const { return GetBandEdge(DRAG_NUMBER_EDGE, start, end); }
    BOOL GetKeyEdge(CPoint& start, CPoint& end) const { return GetBandEdge(DRAG_KEY_EDGE, start, end); }
    BOOL GetExampleEdge(CPoint& start, CPoint& end) const { return GetBandEdge(DRAG_EXAMPLE_EDGE, start, end); }
    BOOL GetCaptionHandle(CPoint& point) const { return GetBandHandle(DRAG_CAPTION_EDGE, point); }
    BOOL GetNumberHandle(CPoint& point) const { return GetBandHandle(DRAG_NUMBER_EDGE, point); }
    BOOL GetKeyHandle(CPoint& point) const { return GetBandHandle(DRAG_KEY_EDGE, point); }
    BOOL GetExampleHandle(CPoint& point) const { return GetBandHandle(DRAG_EXAMPLE_EDGE, point); }
    // Switching the label on places it under the box when it has never been placed.
    void SetShowNumIOSource(BOOL show);
    // The label directly under the box: 20 below it, 60 high, as wide as the box.
    void PlaceNumIOSourceLabel();
    // Grows the box and its bands to hold the texts (flag bits 1 name, 2 key, 4 data, 8 examples
    // measure that text wrapped to its band's width, else its natural extent). Always TRUE.
    BOOL FitBoxToTexts(DWORD flags, const LOGFONT& font);

    // --- Menus, commands and class defaults (FileCompCommands.cpp) --------------------------------
    // The file's menu (the part menu instead on a part hit); nothing for a file hidden in define mode.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // The I/O-number label's menu: showing and filling the label.
    void PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected) override;
    // Each switch (21353, 21361, 21362, 21367) is checked with the file's present value, which the
    // view negates for every selected file.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // Enter repeats the last object command (the file dialog or the data items dialog).
    UINT GetKeyCommand(UINT key, UINT repeatCount, UINT keyFlags) override;
    // The switches take their value from the argument (IsSwitchOn); the copy commands (text colour
    // from the object, 21364, 21366) their source file.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    void CopyAttributes(const CBaseObj& other) override;
    // The file's own keys and the box size ("SizeFileCx", "SizeFileCy"), then the rectangle's keys.
    void LoadDefaultAttributes(CRegItemObj& carrier) override;
    void SaveDefaultAttributes(CRegItemObj& carrier) override;
    BOOL GetNumIOSourceFill() const { return m_numIOSource.GetFill(); }
    void SetNumIOSourceFill(BOOL fill) { m_numIOSource.SetFill(fill); }

    // --- In-place editing, find and replace (FileCompTextEdits.cpp) -------------------------------
    // The name cell unless table names are shown; the key and data bands only in the normal
    // display, where they show the typed texts; every other part.
    BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    // Where in-place editing does not apply: the file dialog on the name cell, the data items
    // dialog on the key and data bands.
    UINT GetEditCommand(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    // Opens the editor over the hit part (at 50 % zoom and more), holding its text; with the
    // text's edit flag the text is wrapped to the editor's width. The label edits itself.
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    // Ends the edit of the part named by the edited part. A modified text replaces the number (the
    // number state then becomes 0), the name, the key text, the data text or the examples; with
    // the text's edit flag (1 name, 2 key, 4 data, 8 examples) its line breaks are dropped. The
    // I/O-number label ends its own edit. The editor is closed; TRUE when a text was taken.
    BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags) override;
    // What the last edit was about: the key band or the data band; the name cell.
    BOOL IsKeyOrDataPart() const;
    BOOL IsNamePart() const;
    // The number, the name, the key text, the data text, the examples, then the label's text.
    BOOL FindObjectText(const CString& findText, BOOL matchCase) const override;
    BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase) override;

private:
    void VisitFileDefaultKeys(DefaultKeys& keys);
    void LoadRecord(CArchive& ar);
    void LoadLegacySubType(CArchive& ar);
    void LoadLegacyReferences(CArchive& ar);
    void LoadPhysical(CArchive& ar);
    void HandOverLegacySubType(CRelLineObj& arrow) const;
    // The fields a record older than the item lists leaves unset, and its items from its texts.
    void ConvertTextOnlyRecord();
    template <class Visit>
    int ForEachNonRkeyKeyItem(const CFileComp& keyFile, Visit visit) const;
    // The rectangle of a part by its part bit, and whether the part is present.
    BOOL GetBoxPartRect(DWORD part, CRect& rect) const;
    // The effective drawing flags and the texts of the print-mode box for the display options.
    DWORD GetBoxDrawingFlags(DWORD displayOptions) const;
    void GetBoxTexts(DWORD displayOptions, CBaseDoc* document, FileBoxTexts& texts);

    CString m_strNumber;
    CString m_strName;
    CString m_strKeyText;
    CString m_strDataText;
    int m_nFileCodeCx;
    int m_nKeyItemCy;
    WORD m_wBoxStyle;
    COLORREF m_crFont;
    int m_nCompCapCx;
    CString m_strCodeSample;
    int m_nCodeSampleCx;
    DWORD m_dwEditedPart;
    WORD m_wNumberState;
    WORD m_wUpdateRight;
    BOOL m_bShowNumIOSource;
    CStrgObj m_numIOSource;
    LegacySubType m_legacy;
    CString m_strSummary;
    CDataList m_dataList;
    CString m_strTableName;
    BOOL m_bPhysicalTarget;
    BOOL m_bMergedIntoParent;
    CString m_strPrimaryIndexName;
    CString m_strTableSpace;
    CString m_strIndexSpace;
    BOOL m_bPhyControlDedicated;
    WORD m_wPhyControlFileId;
    CString m_strPhyControlFileName;
    DWORD m_dwMarks;
};
