// CBaseDoc: the document of the diagram editor. It owns every drawing and modelling object of one
// diagram in a single list in drawing order (head at the back, tail in front), hands out the 16-bit
// object ids by which objects refer to one another, keeps the undo log, the page, print, header,
// naming and display settings and the read-only state, and offers the services through which every
// editing operation adds, removes, finds and changes objects and tells the views.
//
// Every editing command refuses a read-only document, opens one undo step (CUndoStep) and then
// calls these services, which record as they go.
#pragma once

#include "document/FollowIndex.h"
#include "document/ModelHooks.h"
#include "document/RefDocList.h"
#include "document/SaveList.h"
#include "document/UndoLog.h"

#include "platform/afx/File.h"
#include "platform/afx/List.h"
#include "platform/afx/Point.h"
#include "platform/afx/Rect.h"
#include "platform/afx/Time.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/storage/DocumentFile.h"
#include "platform/ui/Document.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class CFloatEdit;
class CCopyHold;
class CCopyList;
class CGroupObj;
class CBaseObj;
class CEcntsObj;
class CPolyObj;
class CView;
class CCmdUI;
class CComboBox;
class ViewServices;

// The file version this program writes.
constexpr WORD DOCUMENT_FILE_VERSION = 1001;
// Object ids run from 1 up to, not including, this; the header-information objects take the ten
// ids above it.
constexpr WORD MAX_OBJECT_ID = 0xFF00;
constexpr WORD FIRST_HEADER_ITEM_ID = 0xFF01;

// Modes of CBaseDoc::ChangeZOrder.
constexpr UINT ZORDER_FORWARD = 1;
constexpr UINT ZORDER_BACKWARD = 2;
constexpr UINT ZORDER_ALL = 16;
constexpr UINT ZORDER_TO_FRONT = ZORDER_ALL | ZORDER_FORWARD;
constexpr UINT ZORDER_TO_BACK = ZORDER_ALL | ZORDER_BACKWARD;

class CBaseDoc : public CDocument
{
    DECLARE_DYNCREATE(CBaseDoc)
public:
    CBaseDoc();
    ~CBaseDoc() override;
    CBaseDoc(const CBaseDoc&) = delete;
    CBaseDoc& operator=(const CBaseDoc&) = delete;

    // The drawing active in the frame that a command reached, or null (no frame, no drawing).
    static CBaseDoc* GetActiveIn(CCmdTarget& target);

    // --- Own virtual operations ------------------------------------------------------------
    virtual CString GetProductName() const;
    virtual CSize GetPaperSize() const;
    virtual CSize GetPaperSizeById(WORD paperId) const;
    virtual CSize GetDocumentSize() const;
    virtual BOOL CanAddObject(const CObject* object) const;
    virtual BOOL IsManagedType(const CObject* object) const;
    // Object operations (ID_OPERATION_FIRST to ID_OPERATION_LAST) on one object, with undo recording; TRUE when it acted.
    virtual BOOL ExecuteObjectOperation(CObject* object, UINT commandId, DWORD hitCode, DWORD partWord);
    virtual void LoadProfileSettings();

    // Opens the file into the document read-only; FALSE (the user told) on failure.
    virtual BOOL OpenReadOnly(LPCTSTR path);
    virtual BOOL OpenStorageReadOnly(LPCTSTR path);

    // --- Framework steps -------------------------------------------------------------------
    void DeleteContents() override;
    // The document record, both ways. Loading refuses versions this program cannot read.
    void Serialize(CArchive& ar) override;
    // Reads the file, tells the user why it opened read-only and opens the referenced diagrams.
    BOOL OnOpenDocument(LPCTSTR path) override;
    // Saves safely (the old file stays whole until the new one is complete). Saving onto the
    // document's own file refuses a read-only document and asks before it overwrites changes that
    // someone else made to the file since it was read; both "No" and "Cancel" write nothing.
    BOOL OnSaveDocument(LPCTSTR path) override;

    // --- The document file -----------------------------------------------------------------
    // Loads a referenced diagram into this hidden document, read-only.
    BOOL OpenAsReference(LPCTSTR path);
    // The read-only flag from the open file: set when the file could not be held for writing.
    BOOL UpdateReadOnlyFromStorage();
    BOOL NeedsOldFileConversion() const { return m_wFileVersion < DOCUMENT_FILE_VERSION; }
    // Brings objects read from an older file up to date; always TRUE.
    BOOL ConvertOldFileObjects();
    const CFileStatus& GetFileStatus() const { return m_fileStatus; }
    CRefDocList* GetRefDocList() { return &m_refDocList; }
    const CRefDocList* GetRefDocList() const { return &m_refDocList; }
    // The entry with that number, or null.
    CRefDoc* FindRefDocByNumber(WORD number) const { return m_refDocList.FindByNumber(number); }
    // The referenced diagram with that number is listed and loaded; FALSE for number 0.
    BOOL IsRefDocLoaded(WORD number) const;
    const CString& GetHeaderTitle() const { return m_strTitle; }

    // --- Object ids and the object list ----------------------------------------------------
    // The next object id, or 0 (after telling the user) when none is left.
    WORD NewObjectId();
    WORD GetNextObjectId() const { return m_wNextObjectId; }
    void SetNextObjectId(WORD nextId) { m_wNextObjectId = nextId; }
    // Appends a box or line object at the tail with an added-record; FALSE when nothing was added
    // (a refused class is left to the caller, an object that could not be appended is deleted).
    BOOL AddObject(CObject* object);
    // Takes the object out of the list with a deleted-record (which owns it from then on) and
    // cleans up what referred to it. FALSE, with the document unchanged, when it may not go.
    BOOL RemoveObject(CObject* object);
    // Removes each object of the list once, in order; the list is read as it stands at the call
    // (a snapshot, e.g. of a view's selection). Refused objects are passed over. Returns how many
    // went.
    int RemoveObjects(const CObList& objects);
    BOOL FindObjectById(WORD objectId, CObject*& object) const;
    BOOL LookupObjectById(WORD objectId, CObject*& object) const { return FindObjectById(objectId, object); }
    // A box object goes to box, a line object to line, the other one is null; both null otherwise.
    static void ClassifyObject(CObject* object, CBaseObj*& box, CPolyObj*& line);
    static BOOL CanDeleteObject(const CObject* object);
    BOOL HasNoObjects() const { return m_objects.IsEmpty(); }
    CObList* GetObjectList() { return &m_objects; }
    const CObList* GetObjectList() const { return &m_objects; }
    // The polyline a view is collecting points for, owned by the document until it is taken back
    // (it is not in the object list; every view paints it). Setting another, or null, destroys
    // the one before.
    CPolyObj* GetPolyLineInProgress() const { return m_pPolyLineInProgress.get(); }
    void SetPolyLineInProgress(CPolyObj* line);
    CPolyObj* ReleasePolyLineInProgress() { return m_pPolyLineInProgress.release(); }
    // The id of the last box or line object before the object in the list; 0 when there is none.
    WORD GetPredecessorId(POSITION pos) const;
    // Moves the object at pos within the list to just after the one at predecessorPos (null: to
    // the head) and returns its new position. The object is inserted at its new place before it
    // leaves the old one, so a failed insertion leaves it where it was; the failure travels on to
    // the caller.
    POSITION MoveObjectAfter(POSITION pos, POSITION predecessorPos);

    // --- Drawing order ---------------------------------------------------------------------
    // One place forward (ZORDER_FORWARD) or backward (ZORDER_BACKWARD), or with ZORDER_ALL to the
    // front or the back. Only box and line objects move; each move is recorded for undo and marks
    // the document modified. TRUE when the object moved.
    BOOL ChangeZOrder(CObject* object, UINT mode);
    BOOL MoveObjectForward(CObject* object);
    BOOL MoveObjectBackward(CObject* object);
    BOOL MoveObjectToFront(CObject* object);
    BOOL MoveObjectToBack(CObject* object);
    // --- Pasting, grouping (BaseDocPaste.cpp, BaseDocGroup.cpp) -------------------------------
    // Pastes the clipboard's drawing objects with their top-left corner at the point, each under a
    // new id, selected in every view in the order they were placed. All or nothing: when an object
    // cannot be placed, what was pasted goes again and the document is as it was. FALSE then, and
    // for a read-only document, an empty buffer or a declined size question.
    BOOL PasteObjects(int x, int y);
    // Places a copy of the hold's object under a new id, moved by the offset, and selects it; a
    // group's members are numbered right after it. FALSE (created null) when it cannot.
    BOOL AddCopyWithNewId(CObject* source, CObject** created, CCopyHold* hold, const CSize* offset);
    // Whether the objects may be grouped; tells the user why not.
    BOOL CanGroupObjects(const CObList* objects);
    // Adds a group of copies of the objects under a new id; the objects stay (the caller removes
    // them in the same undo step). Null when nothing was added.
    CGroupObj* GroupObjects(const CObList* objects);
    // Adds copies of the group's members with their own ids and appends them to the list; the
    // group stays. FALSE when it is no group or a member could not be added.
    BOOL UngroupObject(CObject* group, CObList* members);

    // --- Document state --------------------------------------------------------------------
    // With TRUE also stamps the updated date; a read-only document ignores SetModified(TRUE).
    void SetModified(BOOL modified);
    BOOL IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL readOnly) { m_bReadOnly = readOnly; }
    WORD GetFileVersion() const { return m_wFileVersion; }
    const CTime& GetCreatedDate() const { return m_timeCreated; }
    const CTime& GetUpdatedDate() const { return m_timeUpdated; }
    DWORD GetPrintScale() const { return m_dwPrintScale; }
    WORD GetPaperId() const { return m_wPaperID; }
    WORD GetHeaderStyle() const { return m_wHeaderStyle; }
    void SetHeaderStyle(WORD headerStyle) { m_wHeaderStyle = headerStyle; }
    CSize GetMarginLeftTop() const { return CSize(m_nMarginLeft, m_nMarginTop); }
    CSize GetMarginRightBottom() const { return CSize(m_nMarginRight, m_nMarginBottom); }
    // The footer's page numbering.
    WORD GetFirstPageNumber() const { return m_wFooterStartPage; }
    BOOL IsTotalPagesAuto() const { return m_bAutoTotalPages != 0; }
    WORD GetTotalPagesGiven() const { return m_wUserTotalPages; }
    WORD GetPageNumStyle() const { return m_wPageNumStyle; }
    WORD GetPageNumPos() const { return m_wPageNumPos; }
    BOOL GetPageNumInMargin() const { return m_bPageNumInMargin != 0; }
    void SetFooterSettings(WORD firstPage, BOOL autoTotal, WORD totalGiven, WORD style, WORD position, BOOL inMargin);
    // The header information.
    const CString& GetAuthorName() const { return m_strAuthor; }
    const CString& GetUpdaterName() const { return m_strUpdater; }
    const CString& GetRemarks() const { return m_strRemarks; }
    void SetAuthorName(const CString& name) { m_strAuthor = name; }
    void SetUpdaterName(const CString& name) { m_strUpdater = name; }
    void SetHeaderTitle(const CString& title) { m_strTitle = title; }
    void SetRemarks(const CString& remarks) { m_strRemarks = remarks; }
    void SetCreatedDate(const CTime& date) { m_timeCreated = date; }
    void SetUpdatedDate(const CTime& date) { m_timeUpdated = date; }
    // --- Header-information objects (BaseDocHeader.cpp) ---------------------------------------
    // FALSE for a header object that is neither drawn, hit nor selected: every one while the
    // document keeps an automatic header area, else one whose row is off or whose object is gone.
    BOOL IsHeaderItemShown(WORD id) const;
    // The items whose text is one of the document's text fields.
    static BOOL IsDocInfoHeaderItem(WORD id);
    // The text of an edited header object goes to its field, cut to the field's byte limit (a
    // character that straddles the limit is dropped whole); a cut text goes back to the object.
    // FALSE for an id that has no field.
    BOOL StoreHeaderText(WORD id, const CString& text);
    void SyncHeaderTextFromObject(WORD id, const CObject* object);
    // Each header object gets the text of its field; no redraw.
    void UpdateTitleItemText();
    void UpdateAuthorItemText();
    void UpdateUpdaterItemText();
    void UpdateRemarksItemText();
    void UpdateCreatedDateItemText();
    // TRUE when the object's text changed, at most once a day.
    BOOL UpdateUpdatedDateItemText();
    void RefreshHeaderItem(WORD id);
    void RefreshAllHeaderItems();
    // An object that came back (undo) is known again and its row shown; one that went is forgotten.
    void RegisterHeaderItem(WORD id);
    void UnregisterHeaderItem(WORD id);
    // Each creates the missing objects of its row; TRUE when all of them exist afterwards.
    BOOL CreateTitleItem();
    BOOL CreateAuthorItems();
    BOOL CreateUpdaterItems();
    BOOL CreateCreatedDateItems();
    BOOL CreateUpdatedDateItems();
    BOOL CreateRemarksItem();
    void OnHeaderShowAll();
    void OnHeaderHideAll();
    // One row on or off (the title to the remarks).
    void OnHeaderRow(UINT commandId);
    void OnUpdateHeaderShowHide(CCmdUI* cmdUI);
    void OnUpdateHeaderRow(CCmdUI* cmdUI);

    CString FormatCreatedDate() const { return FormatHeaderDate(m_timeCreated); }
    CString FormatUpdatedDate() const { return FormatHeaderDate(m_timeUpdated); }
    // A date of the header information in local time: "2012年 02月 18日".
    static CString FormatHeaderDate(const CTime& date);
    CSize GetPages() const { return CSize(m_nPagesAcross, m_nPagesDown); }
    LOGFONT* GetDrawingFont() { return &m_lfDrawingFont; }
    DWORD GetEditFlgs() const { return m_dwEditFlgs; }
    DWORD GetDrawOpt() const { return m_dwDrawOpt; }
    void SetDrawOpt(DWORD drawOpt) { m_dwDrawOpt = drawOpt; }
    DWORD GetScale() const { return m_dwScale; }
    void SetScale(DWORD scale) { m_dwScale = scale; }
    WORD GetUpdateRightMode() const { return m_wUpdateRightMode; }
    BOOL IsUpdateRightMode() const { return m_wUpdateRightMode == 0; }
    // Stores the fitted page counts, marks the document modified (without stamping), has the views
    // recompute their scroll sizes and repaints them.
    void SetPages(int across, int down);
    // Stores a page layout, brought into the ranges the page-layout dialog enforces.
    void SetPageSettings(WORD paperId, DWORD printScale, CSize leftTop, CSize rightBottom);

    // The naming and SQL options: stored here, given their meaning by the physical design.
    DWORD GetImplCreateNameTableOpt() const { return m_dwImplCreateNameTableOpt; }
    void SetImplCreateNameTableOpt(DWORD word) { m_dwImplCreateNameTableOpt = word; }
    DWORD GetImplCreateNameIndexPrimaryOpt() const { return m_dwImplCreateNameIndexPrimaryOpt; }
    void SetImplCreateNameIndexPrimaryOpt(DWORD word) { m_dwImplCreateNameIndexPrimaryOpt = word; }
    DWORD GetImplCreateNameColumnOpt() const { return m_dwImplCreateNameColumnOpt; }
    void SetImplCreateNameColumnOpt(DWORD word) { m_dwImplCreateNameColumnOpt = word; }
    DWORD GetDdlOptTable() const { return m_dwDdlOptTable; }
    void SetDdlOptTable(DWORD word) { m_dwDdlOptTable = word; }
    DWORD GetDdlOptColumn() const { return m_dwDdlOptColumn; }
    void SetDdlOptColumn(DWORD word) { m_dwDdlOptColumn = word; }
    const CString& GetTableNamePrefix() const { return m_strTableNamePrefix; }
    void SetTableNamePrefix(const CString& text) { m_strTableNamePrefix = text; }
    const CString& GetPrimaryKeyNamePrefix() const { return m_strPrimaryKeyNamePrefix; }
    void SetPrimaryKeyNamePrefix(const CString& text) { m_strPrimaryKeyNamePrefix = text; }
    const CString& GetPrimaryKeyNameSuffix() const { return m_strPrimaryKeyNameSuffix; }
    void SetPrimaryKeyNameSuffix(const CString& text) { m_strPrimaryKeyNameSuffix = text; }
    const CString& GetTableTablespace() const { return m_strTableTablespace; }
    void SetTableTablespace(const CString& text) { m_strTableTablespace = text; }
    const CString& GetIndexTablespace() const { return m_strIndexTablespace; }
    void SetIndexTablespace(const CString& text) { m_strIndexTablespace = text; }

    // --- Views -----------------------------------------------------------------------------
    void SelectObjectInViews(CObject* object);
    void AppendToSelectionInViews(CObject* object);
    void RemoveFromSelectionInViews(CObject* object);
    void DeselectAllInViews();
    void InvalidateSelectionInViews();
    void UpdateObjectInViews(CObject* object);
    void EndInPlaceEditInViews();
    void UpdateScrollSizesInViews();
    // The active view of the main frame's active child frame, if it shows this document.
    CView* GetActiveView() const;
    CView* FindActiveView() const { return GetActiveView(); }
    BOOL HasActiveBaseView() const;
    BOOL IsObjectSelected(const CObject* object) const;
    BOOL IsObjectIdSelected(WORD objectId) const;
    BOOL CanEditObjectText(CObject* object, DWORD hitCode, DWORD displayOptions);
    UINT GetObjectEditCommand(CObject* object, DWORD hitCode, DWORD displayOptions);

    // --- Object commands -------------------------------------------------------------------
    // Attribute commands (ID_ATTRIBUTE_FIRST to ID_ATTRIBUTE_LAST); TRUE when the object changed.
    BOOL ApplyObjectCommand(CObject* object, UINT commandId, CObject* argument, DWORD hitCode);
    // Ends the in-place edit of the object: a modified text is taken over in one undo step (TRUE)
    // and the editor is closed either way.
    BOOL CommitObjectTextEdit(CObject* object, CFloatEdit*& editor);
    // The same for a line object's label edit.
    BOOL CommitLineTextEdit(CPolyObj* line, CFloatEdit*& editor);
    // Moves (flag 1), resizes (flag 2) or reshapes (flag 4) the object by the offset with undo.
    // After a move the objects that follow it are moved along, before a box's resize its attached
    // lines are adjusted; neither for a reshape nor for parts (flags 0x10000000 and above).
    BOOL MoveOrResizeObject(CObject* object, BOOL printMode, const CSize* offset, DWORD hitCode, DWORD extra);

    // --- Objects that follow a moved or resized object (BaseDocFollow.cpp) -------------------
    // The lines attached to the object, the lines that stand for it and the boxes linked to it
    // follow its move. Low 12 bits of extra 0: a line whose other end is selected too moves
    // whole, once; else each end follows its own object.
    void FollowMovedObject(CObject* object, SIZE offset, DWORD extra);
    // The ends of the lines attached to the box follow the resize the handle is about to make;
    // called while the box still has its old rectangle.
    void FollowResizedObject(CBaseObj* box, SIZE offset, DWORD hitCode);
    // The moves and resizes of one command step share one index of who follows whom, taken at the
    // first of them, and so do those of a batch (CFollowBatch). Only moves and resizes may happen
    // in a batch. The view that opens it is the one whose selection moves by itself; without one,
    // the active view's. A command step sees the active view's selection as it was at the first
    // move.
    void BeginFollowBatch(const ViewServices* view);
    void EndFollowBatch();
    // Lets go of the kept index of who follows whom: whoever changes the list itself calls it.
    void DropFollowIndex();
    // The model's cache for the list (null when none is kept); setting one replaces the one before.
    DocumentModelCache* GetModelCache() const { return m_pModelCache.get(); }
    void SetModelCache(std::unique_ptr<DocumentModelCache> cache) { m_pModelCache = std::move(cache); }

    // --- Circular connector pairs ------------------------------------------------------------
    // Toggles the connector's start (ID_CONNECTOR_PAIR_START) or end role; when its pair has
    // exactly two connectors, the partner is recorded for undo, takes the opposite role and is
    // redrawn first. Always TRUE.
    BOOL ApplyConnectorRole(CEcntsObj* connector, UINT commandId);
    // The number of circular connectors with that pair number (0 for pair number 0 or a connector
    // without id); the partner, the one whose id differs from the connector's, is set only when
    // the number is exactly two.
    int CountConnectorPair(WORD pairNumber, const CEcntsObj* connector, CEcntsObj*& partner) const;
    // Gives the other connectors of the pair that the current undo step does not hold yet the
    // connector's text, each recorded for undo and redrawn; TRUE when one changed.
    BOOL CopyConnectorTextToPair(CEcntsObj* connector);
    // After a box was connected to the circular connector with that id: the box, when it is a text
    // object, shows the connector's text (recorded for undo once). TRUE when its text changed; FALSE
    // when the id names no circular connector.
    BOOL CopyTextFromConnector(CBaseObj* box, WORD connectorId);
    // --- Find and replace over the texts of the box objects ---------------------------------
    // Texts compare as given when matchCase is set; otherwise the caller passes the find text
    // upper-cased and each object compares it with an upper-cased copy of its own. The end of a
    // search shows "検索が終了しました" in the status bar and beeps when the flag asks for it.
    // The next box object after current (from the first without one) whose texts hold the text;
    // with a current object the search wraps and ends at it, returning it. Null when none.
    CObject* FindNextObject(const char* text, BOOL matchCase, CObject* current, BOOL beepAtEnd);
    // Puts every matching box object at the head of the view's selection and makes it the current
    // object, in drawing order; FALSE (with a beep) when none matches.
    BOOL FindAllObjects(const char* text, BOOL matchCase, ViewServices* view);
    // Replaces the text in a box object that holds it, recorded for undo in the open step; TRUE
    // when the object's texts changed.
    BOOL ReplaceInObject(CObject* object, const char* text, const char* replacement, BOOL matchCase);
    // Replaces in the current object (in the step that is current, so that the replacements made
    // while the replace dialog is open are undone together), then finds the next match from it.
    // Null on a read-only document.
    CObject* ReplaceAndFindNext(const char* text, const char* replacement, BOOL matchCase, CObject* current,
                                BOOL* replaced);
    // Every replacement in one undo step, the selections cleared; beeps and changes nothing when
    // no object holds the text. FALSE on a read-only document.
    BOOL ReplaceAll(const char* text, const char* replacement, BOOL matchCase);

    // --- Undo log (each forwards to CUndoLog) ----------------------------------------------
    // Opens a step for the next edit (an empty current step is reused, redo steps are dropped, the
    // oldest of 20 goes); FALSE when the step could not be made. Commands open steps through
    // CUndoStep, which also keeps nested openings within one step.
    BOOL BeginUndoStep();
    void RecordAddedForUndo(WORD objectId);
    void RecordChangedForUndo(const CObject* object);
    // Records the object as changed unless the current step holds it already.
    void RecordChangedOnce(const CObject* object);
    // TRUE when the log took the removed object; otherwise it stays with the caller.
    BOOL RecordDeletedForUndo(WORD predecessorId, CObject* object);
    void RecordMovedForUndo(WORD predecessorId, WORD movedId);
    BOOL IsRecordedForUndo(WORD objectId) const;
    BOOL IsChangeRecordedForUndo(WORD objectId) const;
    BOOL IsDeleteRecordedForUndo(WORD objectId) const;
    void Undo();
    void Redo();
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    void ClearUndoBuffer();
    void InitUndoBuffer();
    // The step at the current index, or null.
    CSaveList* GetCurrentUndoStep() const;
    int GetUndoIndex() const { return m_undoLog.GetIndex(); }
    CUndoLog& GetUndoLog() { return m_undoLog; }

    // --- Page geometry (sizes are (cx, cy) in 0.1 mm with cy <= 0) --------------------------
    int GetHeaderAreaHeight() const;
    CSize GetPrintableSize() const;
    // The printable size in drawing units at the print scale.
    CSize GetPageExtent() const;
    // Sheets needed to print the whole document at 100 %.
    CSize GetPrintPageCount() const;
    CSize GetPrintedAreaSize() const;
    CPoint GetObjectsRightEdge() const;
    CPoint GetObjectsBottomEdge() const;
    CSize GetObjectsExtent() const;
    CSize GetContentExtent() const;
    // The page counts to store for a requested grid: within the extent limit, covering every object.
    CSize FitPageCount(int across, int down) const;
    // The page counts a proposed layout would give; FALSE, outputs untouched, for a page above the
    // extent limit.
    BOOL CalcPageCounts(WORD paperId, int scale, int left, int top, int right, int bottom, WORD headerStyle,
                        CSize* needed, CSize* maximum) const;
    int GetMinPrintScale(WORD paperId, int left, int top, int right, int bottom) const;
    void GetPageSettings(WORD* paperId, int* scale, CSize* leftTop, CSize* rightBottom) const;
    // Fills the combo with the eight papers, each item's data its paper id; the number of items, or
    // 0 (combo emptied, user told) when the combo refuses one.
    int FillPaperCombo(CComboBox* combo) const;
    // Selects the document's paper; no selection when none matches.
    void SelectPaperInCombo(CComboBox* combo) const;

    // --- Profile defaults ------------------------------------------------------------------
    void LoadObjectFont();
    // The drawing font that new documents take, read from the profile through the settings store
    // (a missing value takes its default) and written back; FALSE when the store refused a value.
    static void ReadObjectFontProfile(LOGFONT& font);
    static BOOL WriteObjectFontProfile(const LOGFONT& font);

    // --- Commands --------------------------------------------------------------------------
    // The page-layout dialog; on OK the layout is stored and the page grid fitted anew from one page.
    void OnPageLayout();
    // The document-information dialog; what changed is stored and marks the document modified
    // without stamping the updated date.
    void OnDocumentInfo();
    // The drawing font dialog (no effects) on the document's drawing font; on OK the font is
    // taken, the document marked modified without stamping and the views repainted. Nothing
    // happens to a read-only document.
    void OnDrawingFont();
    BOOL ChooseDrawingFont();
    // The string edit options dialog; a change is stored and marks the document modified. Nothing
    // happens to a read-only document.
    void OnEditOptions();

    // --- Command update handlers -----------------------------------------------------------
    void OnUpdateFileSave(CCmdUI* cmdUI);
    void OnUpdateNeedsBaseView(CCmdUI* cmdUI);
    // Enabled for a writable document with an active drawing view.
    void OnUpdateNeedsWritableBaseView(CCmdUI* cmdUI);
    void OnUpdateExportExcel(CCmdUI* cmdUI);

protected:
    const MessageMap* GetMessageMap() const override;
    // Calls the function for every view of the document that is a drawing view.
    template <typename Function>
    void ForEachDrawingView(Function function) const;
    // Brings page fields read from the profile or a file into the dialog's ranges.
    void NormalizePageSettings();
    // Brings page counts read from a file into the range that fitting the page grid gives, so that
    // the document's size can be computed; call once the objects are read.
    void NormalizePageCounts();

    // 1. File version, people and dates, title and remarks.
    WORD m_wFileVersion;
    CString m_strAuthor;  // 作成者名
    CString m_strUpdater; // 更新者名
    CTime m_timeCreated;  // 作成日
    CTime m_timeUpdated;  // 更新日
    CString m_strTitle;   // 表題
    CString m_strRemarks; // 備考
    // 2. Page, print and footer settings.
    WORD m_wPaperID;
    int m_nPagesAcross;
    int m_nPagesDown;
    DWORD m_dwPrintScale;
    int m_nMarginLeft;
    int m_nMarginTop;
    int m_nMarginRight;
    int m_nMarginBottom;
    WORD m_wFooterStartPage;
    DWORD m_bAutoTotalPages;
    WORD m_wUserTotalPages;
    WORD m_wPageNumStyle;
    WORD m_wPageNumPos;
    DWORD m_bPageNumInMargin;
    WORD m_wHeaderStyle;
    // 3. Header rows: object ids (0 while the object does not exist) and shown flags.
    WORD m_wTitleItemId;
    DWORD m_bTitleShown;
    WORD m_wAuthorValueId;
    WORD m_wAuthorLabelId;
    DWORD m_bAuthorShown;
    WORD m_wUpdaterValueId;
    WORD m_wUpdaterLabelId;
    DWORD m_bUpdaterShown;
    WORD m_wCreatedValueId;
    WORD m_wCreatedLabelId;
    DWORD m_bCreatedShown;
    WORD m_wUpdatedValueId;
    WORD m_wUpdatedLabelId;
    DWORD m_bUpdatedShown;
    WORD m_wRemarksItemId;
    DWORD m_bRemarksShown;
    // 4. Objects and undo.
    WORD m_wNextObjectId;
    CObList m_objects;
    std::unique_ptr<CPolyObj> m_pPolyLineInProgress;
    CUndoLog m_undoLog;
    // The open follow batches, and the index of who follows whom: kept for the batch, or for the
    // command step m_nFollowIndexCommand; the objects recorded as changed since it was last used
    // are checked against it before it is used again.
    int m_nFollowBatchDepth = 0;
    const ViewServices* m_pFollowBatchView = nullptr;
    std::unique_ptr<CFollowIndex> m_pFollowIndex;
    unsigned m_nFollowIndexCommand = 0;
    std::vector<const CObject*> m_followChanged;
    std::unique_ptr<DocumentModelCache> m_pModelCache;
    // The lines that moved whole with one end's object in the command m_nFollowCommand, by id,
    // with that offset and whether the start is the end still to come: the other end's object
    // then only makes up a difference between the two offsets.
    struct FollowedWhole
    {
        CSize offset;
        BOOL startToCome;
    };
    std::unordered_map<WORD, FollowedWhole> m_followedWhole;
    unsigned m_nFollowCommand = 0;
    // 5. The document file as last opened or saved; a modification time of 1990-01-01 00:00:00
    // means that none is known.
    CFileStatus m_fileStatus;
    // 6. Drawing font, modes, edit options, naming and SQL options, display.
    LOGFONT m_lfDrawingFont;
    WORD m_wUpdateRightMode;
    WORD m_wSecondMode;
    CString m_strModeText1;
    CString m_strModeText2;
    CRefDocList m_refDocList;
    DWORD m_dwEditFlgs;
    DWORD m_dwImplCreateNameTableOpt;
    DWORD m_dwImplCreateNameIndexPrimaryOpt;
    DWORD m_dwImplCreateNameColumnOpt;
    DWORD m_dwDdlOptTable;
    DWORD m_dwDdlOptColumn;
    CString m_strTableNamePrefix;
    CString m_strPrimaryKeyNamePrefix;
    CString m_strPrimaryKeyNameSuffix;
    CString m_strTableTablespace;
    CString m_strIndexTablespace;
    DWORD m_dwDrawOpt;
    DWORD m_dwScale;
    DWORD m_bReadOnly;

private:
    // One row of header objects: its command, its ids, and the document's fields for them.
    struct HeaderRow;
    static std::span<const HeaderRow> GetHeaderRows();
    static const HeaderRow* FindHeaderRowById(WORD id);
    static const HeaderRow& GetHeaderRow(UINT commandId);
    BOOL IsHeaderRowShown(const HeaderRow& row) const;
    BOOL HasNoHeaderRowObjects(const HeaderRow& row) const;
    BOOL CreateHeaderRow(const HeaderRow& row);
    BOOL CreateHeaderObject(WORD id, WORD CBaseDoc::*field);
    // The text a new header object of the id shows.
    CString GetHeaderItemText(WORD id) const;
    // TRUE when the registered object of the id took a different text.
    BOOL SetHeaderObjectText(WORD id, const CString& text);
    BOOL CanChangeHeaderRows() const;
    void RefreshHeaderRow(const HeaderRow& row);

    // Undo and redo of one record; each rewrites the record into the one that reverses it and skips
    // a record whose object is no longer where it expects it.
    void ApplyRecord(CSaveObj* record);
    void ApplyAddedRecord(CSaveObj* record);
    void ApplyChangedRecord(CSaveObj* record);
    void ApplyDeletedRecord(CSaveObj* record);
    void ApplyMovedRecord(CSaveObj* record);
    // The position of the box or line object with the id, or null.
    POSITION FindObjectPosition(WORD objectId) const;
    // While undo or redo replays a step, the positions of the objects by id, so that each record
    // finds its object without walking the whole list; null otherwise.
    using PositionIndex = std::unordered_map<WORD, POSITION>;
    void ReplayStep(CSaveList* step, BOOL forward);
    void NoteObjectPosition(WORD objectId, POSITION pos);
    // Where a deleted object goes back: after its predecessor, else before the first object with a
    // greater id, else at the tail.
    POSITION InsertRestoredObject(WORD predecessorId, CObject* object);
    // The paste's passes (BaseDocPaste.cpp): places every hold not yet placed, a line's end objects
    // before the line; FALSE when an object could not be placed.
    BOOL PlaceCopyBuffer(CCopyList& buffer, const CSize& offset);
    // The new id of a line's end object, placing it first when the buffer holds it and it is not
    // placed yet; 0 for an end that stays free. Sets skip when the end cannot be placed here.
    BOOL PlaceLineEnd(CCopyList& buffer, WORD oldId, const CSize& offset, WORD& newId, BOOL& skip);
    // A pasted group takes a second new id and numbers its members from it.
    BOOL NumberPastedGroup(CGroupObj& group);
    void RemapPastedLinks(CCopyList& buffer);
    // Clears references to a removed object that is not a modelling object.
    void CleanUpRemovedDrawObject(WORD removedId);
    // The same for all the removed ids at once, in one pass over the list.
    void CleanUpRemovedDrawObjects(const std::unordered_set<WORD>& removedIds);
    // RemoveObject's work. With deferredIds (RemoveObjects) the ids of removed objects that are not
    // modelling objects are gathered there for one clean-up at the end, and the update marks are
    // cleared only when a model clean-up that does not keep them clear ran since they were last
    // cleared.
    BOOL RemoveObjectDeferring(CObject* object, std::unordered_set<WORD>* deferredIds);
    // One end of a line follows the move of the object with movedId (BaseDocFollow.cpp).
    void LineEndFollowsMove(CPolyObj* line, BOOL start, WORD movedId, SIZE offset, DWORD extra,
                            const CFollowIndex& index);
    // A line that stands for the moved object, or a box linked to it, moves along.
    void ObjectFollowsMove(CObject* object, SIZE offset, const CFollowIndex& index);
    // One end of a line, or both ends of a self-reference, follow the box from before to after.
    void LineEndFollowsResize(CBaseObj* box, CPolyObj* line, BOOL start, const CRect& before, const CRect& after,
                              const CFollowIndex& index);
    void SelfReferenceFollowsResize(CPolyObj* line, const CRect& before, const CRect& after);
    // The index of the batch or of the command step, taken afresh when the list or a recorded
    // object's links changed since; outside both, a fresh one in transient.
    const CFollowIndex& GetFollowIndex(std::unique_ptr<CFollowIndex>& transient);
    // The kept index learns that the object is about to change.
    void NoteFollowChange(const CObject* object);
    // The position of a box or line object that may change its place in the drawing order, or null.
    POSITION FindReorderableObject(CObject* object) const;
    // Moves the object at pos to just after the one at predecessorPos (null: the head), recorded
    // for undo; FALSE, with the list unchanged and the user told, when it cannot be re-inserted.
    BOOL ReorderObject(POSITION pos, POSITION predecessorPos);
    // Tells the user that an object moved in the drawing order could not be put back in the list.
    static void ReportReinsertFailure();

    // The document record's parts (BaseDocSerialize.cpp).
    void StoreRecord(CArchive& ar);
    void LoadRecord(CArchive& ar, WORD version);
    void SerializeDrawingFont(CArchive& ar);
    void SerializeObjectList(CArchive& ar);
    // Opening and saving (BaseDocFile.cpp).
    // Reads the file into the document; on failure empties it, lets go of the file and tells the
    // user. FALSE on failure.
    BOOL LoadDocumentFile(LPCTSTR path, DocumentFileMode mode);
    void LoadArchive(CFile& file, BOOL compound);
    QByteArray StoreToBytes();
    BOOL ReadFileStatus(const CString& path);
    // Whether the file changed since it was read or saved; asks the user. FALSE: do not write.
    BOOL ConfirmOverwriteOfChangedFile(const CString& path);
    void SendReadOnlyNotice(const CString& path, LPARAM reason) const;
    void ReleaseFile();

    // The file as opened or last saved, holding the editing lock while the document is writable.
    DocumentFile m_file;
    // The modification time of the file status to the nanosecond, so that a change within the
    // same second is seen; 0 while none is known.
    std::int64_t m_fileTimeNs = 0;
    PositionIndex* m_pReplayIndex = nullptr;
    // While RemoveObjects or a model clean-up that keeps them clear runs: the update marks have been
    // cleared and nothing has set them since.
    BOOL m_bUpdateMarksClear = FALSE;
};
