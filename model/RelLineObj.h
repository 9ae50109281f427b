// CRelLineObj: the relation arrow between two conceptual files (or clones standing for them).
// A document line of object kind 30 that carries its relation kind (1 1:N, 2 subtype,
// 3 substructure, 4 supertype), the settings of that kind (cardinality and NULL option of a 1:N
// arrow; main-arrow flag, definite flag and discriminator of a subtype-kind arrow) and three text
// labels of its own: the memo, the discriminator item's name and the discriminator value.
//
// The labels are owned by value: they are not in the document's object list and have no id.
#pragma once

#include "model/ModelStatusText.h"
#include "objects/PolyObj.h"
#include "objects/StrgObj.h"
#include "view/DisplayOptions.h"

class CBaseDoc;
class CCmdUI;
class CDataList;
class CFloatEdit;
class CWnd;

class CRelLineObj : public CPolyObj, public ModelStatusText
{
    DECLARE_SERIAL(CRelLineObj)
public:
    // Relation kinds; 2 and 3 are the subtype kinds that make up the parent hierarchy.
    static constexpr WORD KIND_ONE_TO_MANY = 1;
    static constexpr WORD KIND_SUBTYPE = 2;
    static constexpr WORD KIND_SUBSTRUCTURE = 3;
    static constexpr WORD KIND_SUPERTYPE = 4;

    // Where the discriminator lies: an item of a file of this document, free texts, or an item of
    // a file in a referenced diagram. Only the first is ever created; the others come from files.
    static constexpr WORD DISCRIMINATOR_IN_DOCUMENT = 1;
    static constexpr WORD DISCRIMINATOR_TEXTS = 2;
    static constexpr WORD DISCRIMINATOR_IN_REFERENCED = 3;

    // Cardinalities of a 1:N arrow (0 = not set).
    static constexpr WORD CARDINALITY_ZERO_OR_MORE = 1;
    static constexpr WORD CARDINALITY_ONE_OR_MORE = 2;
    static constexpr WORD CARDINALITY_ZERO_OR_ONE = 3;
    static constexpr WORD CARDINALITY_CONSTANT = 4;

    // Pass mark: the discriminator was renumbered in the current update pass.
    static constexpr DWORD PASS_DISCRIMINATOR_RENUMBERED = 0x40000;

    // For the class registration on load: kind 1, the kind's marks, no 1:N defaults.
    CRelLineObj();
    // For the default-attribute prototypes: the kind's marks and its 1:N defaults.
    CRelLineObj(WORD objectId, WORD kind);
    // For the arrow tool: the line from start to end, shaped and set up for the kind; a subtype
    // kind takes the discriminator file when it is not 0.
    CRelLineObj(WORD objectId, POINT start, POINT end, WORD kind, WORD startObjectId, WORD endObjectId,
                WORD discriminatorFile);
    // Deep copies of the labels; the edited part and the marks start at 0.
    CRelLineObj(const CRelLineObj& other);
    ~CRelLineObj() override = default;

    // The line object's record, then the arrow's fields. The fields after the memo label came with
    // line version 1001; an older record keeps the constructed values for them.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    // One section per kind, so that each kind's prototype keeps defaults of its own.
    CString& GetProfileSection(CString& section) const override;
    // The arrow kind tells the prototypes of the four kinds apart.
    DWORD GetPrototypeSubKey() const override { return m_wRelKind; }

    // --- Attributes ------------------------------------------------------------------------------
    // Pen, end mark, mark drawing flags, HideDefine, CanDelete and each label's fill flag and text
    // colour; never the kind, the start mark, the points, the connections or the relation settings.
    void CopyAttributes(const CPolyLine& other) override;

    // --- Kind ------------------------------------------------------------------------------------
    // The relation kind. The object kind (always 30) is CPolyObj::GetKind.
    WORD GetKind() const { return m_wRelKind; }
    void SetKind(WORD kind) { m_wRelKind = kind; }
    static BOOL IsSubTypeKindCode(WORD kind) { return kind == KIND_SUBTYPE || kind == KIND_SUBSTRUCTURE; }
    BOOL IsSubTypeKind() const { return IsSubTypeKindCode(m_wRelKind); }
    BOOL IsOneToManyKind() const { return m_wRelKind == KIND_ONE_TO_MANY; }
    BOOL IsSuperTypeKind() const { return m_wRelKind == KIND_SUPERTYPE; }
    BOOL IsSelfReference() const { return m_wStartObjectId == m_wEndObjectId; }
    // The kind's name; empty for a kind outside 1 to 4.
    CString GetKindName() const;
    // The kind's name and the names of the objects at the two ends: a conceptual file's name, a
    // clone's text, nothing for a missing object or one of another class.
    CString GetStatusText(const CBaseDoc& document) const override;
    // Settings of files older than the arrow's own kind fields brought to the kind's rules; TRUE
    // when anything changed (nothing for a kind outside 1 to 4).
    BOOL ResetKindFields();

    // --- Relation settings -------------------------------------------------------------------------
    BOOL IsMainArrow() const { return m_bMainArrow; }
    void SetMainArrow(BOOL main) { m_bMainArrow = main; }
    BOOL GetNullAllowed() const { return m_bNullAllowed; }
    void SetNullAllowed(BOOL allowed) { m_bNullAllowed = allowed; }
    BOOL GetDefinite() const { return m_bDefinite; }
    void SetDefinite(BOOL definite) { m_bDefinite = definite; }
    WORD GetCardinality() const { return m_wCardinality; }
    void SetCardinality(WORD cardinality) { m_wCardinality = cardinality; }
    int GetConstant() const { return m_nConstant; }
    void SetConstant(int constant) { m_nConstant = constant; }

    // The settings dialogs of the kind, applied on OK (the arrow recorded for undo only when it
    // changes). 1 when the arrow changed, and on OK in any case with noTitle / reduced; 0 otherwise.
    // A subtype dialog whose end files are missing does not open.
    int EditOneToManySettings(CBaseDoc& doc, BOOL noTitle);
    int EditSubTypeSettings(CBaseDoc& doc, BOOL reduced);

    // --- Discriminator -----------------------------------------------------------------------------
    WORD GetDiscriminatorForm() const { return m_wDiscriminatorForm; }
    WORD GetDiscriminatorFile() const { return m_wDiscriminatorFile; }
    WORD GetDiscriminatorItem() const { return m_wDiscriminatorItem; }
    void SetDiscriminatorItem(WORD item) { m_wDiscriminatorItem = item; }
    // Every field of the discriminator at once (the old-file migration hands them over whole).
    void SetDiscriminator(WORD form, WORD file, WORD item);
    // Form 2: the file number text, the file name and the item number text.
    const CString& GetReferenceText(int index) const { return m_strRefTexts[index]; }
    void SetReferenceTexts(const CString& fileNumber, const CString& fileName, const CString& itemNumber);
    // Form 3: the referenced diagram's number and the file's id there; a text no operation reads;
    // the item number.
    WORD GetReferenceNumber(int index) const { return m_wRefNumbers[index]; }
    const CString& GetReferenceString() const { return m_strRefString; }
    WORD GetReferenceItem() const { return m_wRefItem; }
    void SetReferenceNumbers(WORD diagram, WORD file, const CString& text, WORD item);
    // Form 1 and that file.
    BOOL IsDiscriminatorFile(WORD fileId) const;
    // Form 1 only; TRUE when it set the file.
    BOOL SetDiscriminatorFile(WORD fileId);
    // Form 1 only: takes the file when it is not 0 and no file is set yet.
    void DefaultDiscriminatorFile(WORD fileId);
    // No file, no item, no form-2 or form-3 fields, no item-name text; the form stays.
    void ClearDiscriminator();
    // Form 1 and no discriminator.
    void ResetDiscriminator();
    // After the conceptual file was removed: a form-1 discriminator naming it loses file, item and
    // item-name text. At most once per update pass (the pass mark); TRUE when it changed.
    BOOL ClearDiscriminatorOfRemovedFile(WORD fileId);

    // --- Labels ------------------------------------------------------------------------------------
    BOOL GetShowMemo() const { return m_bShowMemo; }
    void SetShowMemo(BOOL show) { m_bShowMemo = show; }
    BOOL GetShowItemName() const { return m_bShowItemName; }
    void SetShowItemName(BOOL show) { m_bShowItemName = show; }
    BOOL GetShowItemValue() const { return m_bShowItemValue; }
    void SetShowItemValue(BOOL show) { m_bShowItemValue = show; }
    CStrgObj& GetMemoLabel() { return m_memo; }
    const CStrgObj& GetMemoLabel() const { return m_memo; }
    CStrgObj& GetItemNameLabel() { return m_itemName; }
    const CStrgObj& GetItemNameLabel() const { return m_itemName; }
    CStrgObj& GetItemValueLabel() { return m_itemValue; }
    const CStrgObj& GetItemValueLabel() const { return m_itemValue; }

    // --- Transient words ---------------------------------------------------------------------------
    DWORD GetLastDisplayOptions() const { return m_dwLastDisplay; }
    DWORD GetEditedPart() const { return m_dwEditedPart; }
    void SetEditedPart(DWORD part) { m_dwEditedPart = part; }
    DWORD GetRunMark() const { return m_dwMark; }
    void SetRunMark(DWORD mark) { m_dwMark = mark; }
    void ClearMark() { m_dwMark = 0; }
    DWORD GetPassMarks() const { return m_dwPassMarks; }
    void SetPassMarks(DWORD marks) { m_dwPassMarks = marks; }
    void ClearPassMarks() { m_dwPassMarks = 0; }

    // --- The discriminator follows its file's renumbered items ---------------------------------------
    // Each adjusts the discriminator at most once per update pass: an arrow whose pass mark is set is
    // skipped, and a change sets the mark. Only a form-1 discriminator of that file with an item set
    // takes part. TRUE when the arrow changed.
    // After the file's item texts were parsed anew, with the file's old list marked by name: the item
    // takes its counterpart's new number when the number or name changed; a deleted item leaves item
    // 0 and an empty item-name label. The label keeps its text otherwise.
    BOOL UpdateDiscriminatorAfterItemEdit(WORD fileId, const CDataList& marked);
    // After the data items dialog, with the new list still holding the items' old numbers and their
    // new positions as scratch numbers: the item and the item-name label take the new number and
    // name of the item of that number, or 0 and an empty label when the new list has none. With
    // startOfPass the pass mark is cleared first and none is set.
    BOOL RenumberDiscriminator(WORD fileId, const CDataList& oldList, const CDataList& newList, BOOL startOfPass);

protected:
    // The arrow's own key list: the line's pen, end mark and mark flags, HideDefine and CanDelete,
    // and the labels' fills and text colour. Loading "SubTypeFill" fills both sub-labels and
    // "FontColor" colours all three labels, each defaulting to the memo label's value; saving
    // writes them from the item-value label and the memo label.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    // Every field at its default, the kind's marks (and its 1:N defaults when asked for) and the
    // labels prepared.
    CRelLineObj(WORD objectId, WORD kind, BOOL withOneToManyDefaults);
    // The end mark of the kind (an arrowhead for 1:N, a plain line end for the others); subtype
    // kinds are definite.
    void ApplyKindMarks();
    // Cardinality and constant 1 for a 1:N arrow, else 0.
    void ApplyOneToManyDefaults();
    // Each label's text centred and filled.
    void PrepareLabels();
    void SerializeKindFields(CArchive& ar);

    WORD m_wRelKind;
    BOOL m_bMainArrow;
    BOOL m_bShowMemo;
    CStrgObj m_memo;
    WORD m_wDiscriminatorForm;
    WORD m_wDiscriminatorFile;
    WORD m_wDiscriminatorItem;
    CString m_strRefTexts[3];
    WORD m_wRefNumbers[2];
    CString m_strRefString;
    WORD m_wRefItem;
    BOOL m_bShowItemName;
    CStrgObj m_itemName;
    BOOL m_bShowItemValue;
    CStrgObj m_itemValue;
    BOOL m_bNullAllowed;
    BOOL m_bDefinite;
    WORD m_wCardinality;
    int m_nConstant;
    DWORD m_dwLastDisplay;
    DWORD m_dwEditedPart;
    DWORD m_dwMark;
    DWORD m_dwPassMarks;

public:
    // === Drawing, labels and hit tests =============================================================
    // Bits of the flags word that name a label. A hit on a label answers the label's own code with
    // HIT_SHAPE_HANDLE and its part bit.
    static constexpr DWORD PART_MEMO = 0x10000000;
    static constexpr DWORD PART_ITEM_NAME = 0x40000000;
    static constexpr DWORD PART_ITEM_VALUE = 0x80000000;
    // Bits of the view's display word that the arrow reads: the IDEF notation (clear: the XJ
    // notation) and, with it, the cardinality text.
    static constexpr DWORD DISPLAY_IDEF_NOTATION = DisplayOption::kIdefNotation;
    static constexpr DWORD DISPLAY_CARDINALITY = DisplayOption::kCardinality;

    using CPolyObj::Draw;
    using CPolyObj::DrawHandleDragTracker;
    using CPolyObj::DrawHandles;
    using CPolyObj::DrawMoveTracker;
    using CPolyObj::DrawResizeTracker;
    using CPolyObj::GetRedrawRect;
    using CPolyObj::HitTest;
    using CPolyObj::HitTestHandles;

    // The line with the kind's marks (the IDEF marks and the cardinality text in that notation),
    // then the shown labels in the drawing font; records the display word.
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    // The named labels' outlines, or every shown label's and the line's.
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    // The line's point drag, its end segments kept upright.
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode) override;
    // Point and midpoint handles (no rectangle handles), then the shown labels' handles.
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // The shown labels (item value, item name, memo), then the line.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // The shown labels' handles (item name, item value, memo), then the points and midpoints. The
    // Control key inserts points only on a 1:N arrow that is no self-reference.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                        CPoint& handlePoint, BOOL printMode) const override;
    // The line's area grown to hold the shown labels and the cardinality text of the last drawing.
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    void GetFullRedrawRect(CRect& rect, int zoom) const override;

    // Moves the named labels that have a place.
    void MoveParts(SIZE offset, DWORD flags) override;
    // A named label is resized; else the line, and the labels follow its ends.
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    // The line's point drag with the end segments kept upright; a 1:N crank then loses a segment
    // of no length. The labels follow the ends.
    void MovePointByHandle(SIZE offset, DWORD hitCode, DWORD index) override;
    // A 1:N crank keeps its first and last segments upright and at least 40 long as its ends follow
    // their objects; other kinds move as any line. The labels follow the ends.
    void MoveStartPoint(SIZE offset) override;
    void MoveEndPoint(SIZE offset) override;

    // An arrow keeps where it crosses a side of a resized box; a substructure arrow's start goes up
    // and down with its end while level with it; a self-reference follows a resize at both ends.
    DWORD GetFollowRules() const override;
    // The five points of the self-reference shape: the first two move by the start offset, the
    // third across by the start's and up or down by the end's, the last two by the end offset.
    // Another number of points moves only the start and the end point. The labels follow.
    void MoveSelfReferenceEnds(SIZE startOffset, SIZE endOffset) override;

    // The memo and the item-value label move with the end point, the item-name label with the
    // start point, each when shown and placed.
    void RepositionLabels(CPoint oldStart, CPoint oldEnd);
    // The rectangle of the label the part bits name (memo, item name, item value first); empty when
    // none is named.
    void GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const override;
    CStrgObj* GetLabel(DWORD part);
    const CStrgObj* GetLabel(DWORD part) const;
    BOOL IsLabelShown(DWORD part) const;
    // A label has a place when its rectangle is neither all zeros nor the unset right < 0, bottom >= 1.
    BOOL IsLabelPlaced(DWORD part) const;
    // Where the label first stands, from the line's points; FALSE when it has no such place (the
    // item-value label of a 1:N or supertype arrow).
    BOOL GetDefaultLabelRect(DWORD part, CRect& rect) const;
    // Showing places the memo afresh (its text "×N" when empty) and an item label when it has no
    // place yet; hiding only clears the flag.
    void ShowLabel(DWORD part, BOOL show);

    // The marks the IDEF notation draws at an end in place of the arrow's own.
    WORD GetIdefMark(LineEnd end) const;
    // "P", "Z" or the constant for a 1:N arrow of those cardinalities; else empty.
    CString GetCardinalityText() const;
    // The cardinality text's place beside the end point with its DrawText alignment; FALSE for a
    // line of fewer than two points.
    BOOL GetCardinalityTextRect(CRect& rect, UINT& alignment) const;

    // Only the memo and the item-value label are edited in place.
    BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags) override;
    // The settings dialog of a 1:N or subtype-kind arrow; 0 for the others.
    UINT GetEditCommand(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    // Enter opens the settings dialog.
    UINT GetKeyCommand(UINT key, UINT repeatCount, UINT keyFlags) override;
    // The typed texts: the memo and the item-value label. The item-name label shows the name of
    // the discriminator's data item and follows that item, so it is neither searched nor replaced.
    BOOL FindObjectText(const CString& findText, BOOL matchCase) const override;
    BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase) override;

    // === Menus and commands ========================================================================
    // The arrow menu, or with part bits in the hit code the menu of that label. A hidden arrow has
    // none.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // The menu of the label the part bits name, which becomes the edited part; none for the line.
    void PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected) override;
    // The arrow's commands are enabled by its kind, its ends and whether it is the only object
    // selected; each switch shows its flag as the check mark. The rest are the line's.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // The switches take the value in the argument (SwitchArgument); the kind and main-arrow commands
    // are refused here, the document's rules carry them out. TRUE when the arrow changed.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    // An arrow is never disconnected; a reshaped arrow's labels follow its ends. TRUE when the arrow
    // changed.
    BOOL ApplyShapeOperation(UINT commandId, DWORD argumentA, UINT_PTR argumentB) override;
    // The take-over commands: 22050 copies a subtype-kind arrow's definite flag, discriminator and
    // item name, 22053 a 1:N arrow's cardinality, constant and NULL option, each from an arrow of
    // the same group of kinds. TRUE when the arrow changed.
    BOOL CopyKindSettings(UINT commandId, const CRelLineObj& source);

    // Reshapes the line and sets the fields for the kind already stored; 0 when refused (a
    // self-reference of kinds 2 to 4, a kind outside 1 to 4, a reshape that failed). With a document
    // a subtype-kind arrow takes its start's file as discriminator file when it has none.
    BOOL ChangeArrowKind(CBaseDoc* document);

private:
    // The text colour of all three labels from a colour command (another arrow's with the
    // take-over command); TRUE when it differs from the memo's.
    BOOL ApplyLabelColorCommand(UINT commandId, CObject* argument);
    void DrawCardinalityText(CDC* pDC, int zoom) const;
    void GetLabelledRedrawRect(CRect& rect, int zoom, BOOL full) const;
    // The crank rules of a 1:N arrow of four or more points that is no self-reference (the end
    // rule also holds for self-references).
    void MoveCrankStart(SIZE offset);
    void MoveCrankEnd(SIZE offset);
    BOOL ChangeToOneToMany();
    BOOL ChangeToSubTypeKind(CBaseDoc* document);
    BOOL ReshapeForSubTypeKind();
    BOOL ChangeToSuperType();
    // NULL option, cardinality and constant cleared; the end drawn as a plain line end.
    void ClearOneToManySettings();
    // No discriminator, both item labels hidden, no item value.
    void ClearSubTypeSettings();
    // The start object's id, or the original's id when the start is a clone.
    WORD GetStartFileId(const CBaseDoc& document) const;
};
