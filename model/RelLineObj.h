// CRelLineObj: the relation arrow between two conceptual files (or clones standing for them).
// A document line of object kind 30 that carries its relation kind (1 1:N, 2 subtype,
// 3 substructure, 4 supertype), the settings of that kind (cardinality and NULL option of a 1:N
// arrow; main-arrow flag, definite flag and discriminator of a subtype-kind arrow) and three text
// labels of its own: the memo, the discriminator item's name and the discriminator value.
//
// The labels are owned by value: they are not in the document's object list and have no id.
#pragma once

#include "objects/PolyObj.h"
#include "objects/StrgObj.h"

class CRelLineObj : public CPolyObj
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

protected:
    // The arrow's own key list: the line's pen, end mark and mark flags, HideDefine and CanDelete,
    // and the labels' fills and text colour. Loading "SubTypeFill" fills both sub-labels and
    // "FontColor" colours all three labels, each defaulting to the memo label's value; saving
    // writes them from the item-value label and the memo label.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
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
};
