// One data item of a conceptual file: its identity (number, name, number text), its key function
// (key code, key group and order, RKEY code), its derivation kind with its derivation sources, its
// place in the two-level hierarchy, one reference to a key item of another file in one of three
// forms, a summary and an expression, and the physical attributes that SQL generation uses. Four
// transient fields carry marks while lists are compared, ordered and renumbered; they are never
// stored.
#pragma once

#include "model/DataGenSrcList.h"

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CBaseDoc;
class CDataList;
class CNotationSymbols;
class CRefDoc;
class DataTypeLookup;
class DiagramFiles;

class CData : public CObject
{
    DECLARE_SERIAL(CData)
public:
    static constexpr WORD kCurrentVersion = 1001;

    // Reference forms.
    static constexpr WORD REF_BY_IDS = 1;
    static constexpr WORD REF_BY_TEXTS = 2;
    static constexpr WORD REF_IN_DIAGRAM = 3;

    // NULL options.
    static constexpr WORD NULL_NOT_NULL = 1;
    static constexpr WORD NULL_NULL = 2;

    // Change bits of CompareData (the source-list bits come from CDataGenSrcList).
    static constexpr DWORD DIFF_NUMBER = 0x10;
    static constexpr DWORD DIFF_NAME = 0x20;
    static constexpr DWORD DIFF_NUMBER_TEXT = 0x100;
    static constexpr DWORD DIFF_KEY_CODE = 0x200;
    static constexpr DWORD DIFF_RKEY_CODE = 0x400;
    static constexpr DWORD DIFF_DERIVATION = 0x800;
    static constexpr DWORD DIFF_KEY_GROUP = 0x1000;
    static constexpr DWORD DIFF_KEY_ORDER = 0x2000;
    static constexpr DWORD DIFF_CHILD_ORDER = 0x4000;
    static constexpr DWORD DIFF_LEVEL = 0x8000;
    static constexpr DWORD DIFF_PARENT = 0x10000;
    static constexpr DWORD DIFF_REF_FILE = 0x20000;
    static constexpr DWORD DIFF_REF_ITEM = 0x40000;
    static constexpr DWORD DIFF_REF_ITEM_NAME = 0x80000;
    static constexpr DWORD DIFF_DEFINITION = 0x100000;
    static constexpr DWORD DIFF_REF_FORM = 0x200000;
    static constexpr DWORD DIFF_REF_TEXTS = 0x400000;
    static constexpr DWORD DIFF_REF_IN_DIAGRAM = 0x800000;

    // Mark word values while lists are compared (the change bits are ORed into MARK_FOUND), and
    // the bit of an item placed in the standard order.
    static constexpr DWORD MARK_FOUND = 1;
    static constexpr DWORD MARK_DELETED = 2;
    static constexpr DWORD MARK_PLACED = 4;
    static constexpr DWORD MARK_RENUMBERED = 0x11;

    // Update marks: a field already handled in this pass is not changed again.
    static constexpr DWORD UPDATE_ADDED = 4; // added by the data items dialog
    static constexpr DWORD UPDATE_MERGED = 0x80;
    static constexpr DWORD UPDATE_PARENT_DONE = 0x10000;
    static constexpr DWORD UPDATE_REF_FROZEN = 0x20000;
    static constexpr DWORD UPDATE_REF_ITEM_DONE = 0x40000;
    static constexpr DWORD UPDATE_REF_NAME_DONE = 0x80000;
    static constexpr DWORD UPDATE_REF_CLEARED = 0xE0000;
    static constexpr DWORD UPDATE_PARENT_DETACHED = 0x18000;

    // Column-name options.
    static constexpr DWORD COLUMN_PHYSICAL_ONLY = 0x10;
    static constexpr DWORD COLUMN_TYPE_PREFIX = 0x100;
    static constexpr DWORD COLUMN_OVERWRITE = 0x1000;

    // The defaults: no name, top level, reference form 1, physical target, NULL option "NULL".
    CData() = default;
    // An item from its values, reference form 1 without a reference. A key item becomes NOT NULL
    // and, outside key group 1, no physical target; a child-level item is no physical target.
    CData(WORD number, const CString& name, const CString& numberText, const CString& keyCode, const CString& rkeyCode,
          const CString& derivationCode, WORD keyGroup, WORD keyOrder, WORD childOrder, WORD level, WORD parent);
    // Every stored field with deep copies of the sources; the transient fields start empty.
    CData(const CData& other);
    CData& operator=(const CData&) = delete;
    ~CData() override = default;

    // The newest layout; a load reads the fields its own version word holds and fills in the rest.
    void Serialize(CArchive& ar) override;

    // --- Stored fields ------------------------------------------------------------------------
    WORD GetVersion() const { return m_wVersion; }
    WORD GetDataNumber() const { return m_wNumber; }
    void SetDataNumber(WORD number) { m_wNumber = number; }
    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    CString GetNumberText() const { return m_strNumberText; }
    void SetNumberText(const CString& text) { m_strNumberText = text; }
    CString GetKeyCode() const { return m_strKeyCode; }
    void SetKeyCode(const CString& code) { m_strKeyCode = code; }
    CString GetRkeyCode() const { return m_strRkeyCode; }
    void SetRkeyCode(const CString& code) { m_strRkeyCode = code; }
    CString GetDerivationCode() const { return m_strDerivationCode; }
    void SetDerivationCode(const CString& code) { m_strDerivationCode = code; }
    WORD GetKeyGroup() const { return m_wKeyGroup; }
    void SetKeyGroup(WORD group) { m_wKeyGroup = group; }
    WORD GetKeyOrder() const { return m_wKeyOrder; }
    void SetKeyOrder(WORD order) { m_wKeyOrder = order; }
    WORD GetChildOrder() const { return m_wChildOrder; }
    void SetChildOrder(WORD order) { m_wChildOrder = order; }
    WORD GetLevel() const { return m_wLevel; }
    void SetLevel(WORD level) { m_wLevel = level; }
    WORD GetParentItem() const { return m_wParent; }
    void SetParentItem(WORD parent) { m_wParent = parent; }

    WORD GetRefForm() const { return m_wRefForm; }
    void SetRefForm(WORD form) { m_wRefForm = form; }
    // Form 1: object id of the referenced file, its item number and the item's name.
    WORD GetRefFile() const { return m_wRefFile; }
    void SetRefFile(WORD fileId) { m_wRefFile = fileId; }
    WORD GetRefItem() const { return m_wRefItem; }
    void SetRefItem(WORD number) { m_wRefItem = number; }
    CString GetRefItemName() const { return m_strRefItemName; }
    void SetRefItemName(const CString& name) { m_strRefItemName = name; }
    // Form 2: number texts and names of the referenced file and item.
    CString GetRef2FileNumber() const { return m_strRef2FileNumber; }
    void SetRef2FileNumber(const CString& text) { m_strRef2FileNumber = text; }
    CString GetRef2FileName() const { return m_strRef2FileName; }
    void SetRef2FileName(const CString& name) { m_strRef2FileName = name; }
    CString GetRef2ItemNumber() const { return m_strRef2ItemNumber; }
    void SetRef2ItemNumber(const CString& text) { m_strRef2ItemNumber = text; }
    CString GetRef2ItemName() const { return m_strRef2ItemName; }
    void SetRef2ItemName(const CString& name) { m_strRef2ItemName = name; }
    // Form 3: the referenced diagram's number, the file's object id there and name, the item.
    WORD GetRef3Diagram() const { return m_wRef3Diagram; }
    void SetRef3Diagram(WORD number) { m_wRef3Diagram = number; }
    WORD GetRef3File() const { return m_wRef3File; }
    void SetRef3File(WORD fileId) { m_wRef3File = fileId; }
    CString GetRef3FileName() const { return m_strRef3FileName; }
    void SetRef3FileName(const CString& name) { m_strRef3FileName = name; }
    WORD GetRef3Item() const { return m_wRef3Item; }
    void SetRef3Item(WORD number) { m_wRef3Item = number; }
    CString GetRef3ItemName() const { return m_strRef3ItemName; }
    void SetRef3ItemName(const CString& name) { m_strRef3ItemName = name; }

    CString GetExpression() const { return m_strExpression; }
    void SetExpression(const CString& text) { m_strExpression = text; }
    CString GetSummary() const { return m_strSummary; }
    void SetSummary(const CString& text) { m_strSummary = text; }
    const CDataGenSrcList& GetSources() const { return m_sources; }
    CDataGenSrcList& GetSources() { return m_sources; }

    CString GetColumnName() const { return m_strColumnName; }
    void SetColumnName(const CString& name) { m_strColumnName = name; }
    DWORD GetDigits() const { return m_dwDigits; }
    void SetDigits(DWORD digits) { m_dwDigits = digits; }
    DWORD GetDecimals() const { return m_dwDecimals; }
    void SetDecimals(DWORD decimals) { m_dwDecimals = decimals; }
    CString GetDataTypeName() const { return m_strDataTypeName; }
    void SetDataTypeName(const CString& name) { m_strDataTypeName = name; }
    DWORD GetPhysicalTarget() const { return m_dwPhysicalTarget; }
    void SetPhysicalTarget(DWORD flag) { m_dwPhysicalTarget = flag; }
    WORD GetEditKind() const { return m_wEditKind; }
    void SetEditKind(WORD kind) { m_wEditKind = kind; }
    WORD GetNullOption() const { return m_wNullOption; }
    void SetNullOption(WORD option) { m_wNullOption = option; }
    CString GetDefaultValue() const { return m_strDefaultValue; }
    void SetDefaultValue(const CString& value) { m_strDefaultValue = value; }

    // --- Transient fields ---------------------------------------------------------------------
    DWORD GetMarks() const { return m_dwMarks; }
    void SetMarks(DWORD marks) { m_dwMarks = marks; }
    DWORD GetUpdateMarks() const { return m_dwUpdateMarks; }
    void SetUpdateMarks(DWORD marks) { m_dwUpdateMarks = marks; }
    WORD GetScratchNumber() const { return m_wScratchNumber; }
    void SetScratchNumber(WORD number) { m_wScratchNumber = number; }
    CString GetScratchName() const { return m_strScratchName; }
    void SetScratchName(const CString& name) { m_strScratchName = name; }

    // --- Codes and levels ---------------------------------------------------------------------
    // "K" a key of one item, "S" part of a composite key, "P" such a part that is also an RKEY,
    // "N" no key.
    static CString MakeKeyCode(BOOL isKey, BOOL groupHasSeveral, BOOL isRkey);
    static CString MakeRkeyCode(BOOL isRkey);
    BOOL IsKeyItem() const;
    BOOL IsRkeyItem() const;
    BOOL IsDerived() const;
    // The derivation kinds that bring brackets of their own: "G", "W", "C".
    BOOL IsBracketDerivation() const;
    BOOL IsChildLevel() const { return m_wLevel > 1; }
    void SetChildLevel() { m_wLevel = 2; }
    void SetTopLevel() { m_wLevel = 1; }
    BOOL IsChildOf(WORD number) const { return number != 0 && m_wParent == number; }
    BOOL IsSameName(const CData& other) const { return m_strName == other.m_strName; }
    BOOL HasSources() const { return !m_sources.IsEmpty(); }

    // --- References ---------------------------------------------------------------------------
    // The file, or the item, of the current form is given.
    BOOL HasReferencedFile() const;
    BOOL HasReferencedItem() const;
    BOOL HasNoReferencedItem() const { return !HasReferencedItem(); }
    // Empties the reference fields of all three forms; the form stays.
    void ClearReference();
    // Form 1 without a reference.
    void ResetReference();
    // The referenced diagram of the form-3 number is loaded and holds objects.
    BOOL IsRefDocLoaded(const CBaseDoc* document) const;

    // --- Types and column names ---------------------------------------------------------------
    CString GetTypeText() const;
    // The compact type text of the application's type of this name and edit kind; empty without one.
    CString GetShortTypeText() const;
    BOOL IsColumnNameTarget(DWORD option) const;
    // Column name = prefix + item name, the prefix being the type's column-name prefix when the
    // option asks for it. TRUE.
    BOOL CreateColumnName(DWORD option, const DataTypeLookup& types);

    // --- Comparison and transient fields ------------------------------------------------------
    // The DIFF_ bits, with the source-list bits; with useScratch the number is also compared with
    // the other item's scratch number.
    DWORD CompareData(const CData& other, BOOL useScratch) const;
    void ClearTransient();
    // Clears the update marks and the marks of every source.
    void ClearUpdateMarks();

    // --- Parent rule and RKEY candidates ------------------------------------------------------
    // TRUE, with the reason in message, when this item and its parent (or null) break the rule
    // that a parent must obey.
    BOOL CheckParentRule(const CData* parent, CString& message) const;
    BOOL NameEndsWith(const CData& keyItem) const;
    BOOL CanSetRkeyReference(const CData& keyItem, BOOL overwrite) const;
    BOOL SetRkeyReference(WORD fileId, const CData& keyItem, BOOL overwrite);
    BOOL SetRkeyReferenceToOtherDiagram(WORD fileId, const CString& fileName, const CData& keyItem,
                                        const CRefDoc& refDoc, BOOL overwrite);

    // --- Keeping references right -----------------------------------------------------------------
    // Each repairs the item's derivation sources first, then its parent and its reference, and
    // returns TRUE when it changed something. ownFileId is the file that holds this item, fileId
    // the file whose items changed. A field marked done in this pass is not changed again.
    // Item (file, number or name) is gone.
    BOOL RemoveReferencesTo(WORD ownFileId, WORD fileId, WORD number, const CString& name);
    // Item (file, number or name) took the new number.
    BOOL RenumberReferences(WORD ownFileId, WORD fileId, WORD oldNumber, const CString& oldName, WORD newNumber);
    // Item (file, number) took the new number and name; the parent is left alone.
    BOOL RenumberAndRenameReferences(WORD ownFileId, WORD fileId, WORD oldNumber, WORD newNumber,
                                     const CString& newName);
    // Pointers into the own file follow the scratch numbers of the own file's new list.
    BOOL ResolveWithinList(WORD ownFileId, const CDataList& list);
    // Takes the definition of the old item this one replaces: number text, derivation code (when
    // both are derived and neither brings brackets), reference, summary, expression, physical
    // attributes other than the target flag, and copies of the sources. FALSE when copying failed.
    BOOL CopyDefinitionFrom(const CData& other);
    // Re-anchors the item of a file copied out of the diagram to sit next to it: the file's own id
    // changes, pointers to other files of the diagram become form 3. FALSE, leaving the item and
    // its sources alone, when its reference names a file the diagram does not have.
    BOOL ConvertForOtherDiagram(const DiagramFiles& diagram, WORD oldOwnId, WORD newOwnId);
    // Drops the sources, parent and reference that point into the file the item was copied from.
    BOOL DetachFromFile(WORD ownFileId, WORD fileId);

    // --- Notation ------------------------------------------------------------------------------
    // The name with the RKEY mark, wrapped in the brackets of its derivation kind.
    CString GetNotationText(CNotationSymbols& symbols) const;

private:
    BOOL IsOpenReferenceTo(WORD fileId) const;
    void ClearOwnReference();

    // The physical attributes an old or newly built key or child item takes.
    void ApplyKeyPhysicalDefaults();
    // The edit kind of the application's type that fits the item's type name and size.
    void MigrateEditKind();

    WORD m_wVersion = kCurrentVersion;
    WORD m_wNumber = 0;
    CString m_strName;
    CString m_strNumberText;
    CString m_strKeyCode;
    CString m_strRkeyCode;
    CString m_strDerivationCode;
    WORD m_wKeyGroup = 0;
    WORD m_wKeyOrder = 0;
    WORD m_wChildOrder = 0;
    WORD m_wLevel = 1;
    WORD m_wParent = 0;
    WORD m_wRefForm = REF_BY_IDS;
    WORD m_wRefFile = 0;
    WORD m_wRefItem = 0;
    CString m_strRefItemName;
    CString m_strRef2FileNumber;
    CString m_strRef2FileName;
    CString m_strRef2ItemNumber;
    CString m_strRef2ItemName;
    WORD m_wRef3Diagram = 0;
    WORD m_wRef3File = 0;
    CString m_strRef3FileName;
    WORD m_wRef3Item = 0;
    CString m_strRef3ItemName;
    CString m_strExpression;
    CString m_strSummary;
    CDataGenSrcList m_sources;
    CString m_strColumnName;
    DWORD m_dwDigits = 0;
    DWORD m_dwDecimals = 0;
    CString m_strDataTypeName;
    DWORD m_dwPhysicalTarget = 1;
    WORD m_wEditKind = 0;
    WORD m_wNullOption = NULL_NULL;
    CString m_strDefaultValue;

    DWORD m_dwMarks = 0;
    DWORD m_dwUpdateMarks = 0;
    WORD m_wScratchNumber = 0;
    CString m_strScratchName;
};
