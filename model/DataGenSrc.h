// One derivation source of a derived data item: the source data item its value comes from,
// optionally a reference file with up to three reference data items, and a note. The targets are
// held in one of three forms: by object id and item number in this diagram (form 1), by number
// texts and names (form 2), or in another, referenced diagram (form 3).
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

#include <array>

class CBaseDoc;

constexpr int GENSRC_REF_COUNT = 3;

// Form 1: by object id and item number in this diagram.
struct GenSrcByIds
{
    WORD srcFile = 0;
    WORD srcItem = 0;
    CString srcItemName; // as it was when set or last renumbered
    WORD refFile = 0;
    std::array<WORD, GENSRC_REF_COUNT> refItems{};
    std::array<CString, GENSRC_REF_COUNT> refItemNames;
};

// Form 2: by number texts and names.
struct GenSrcByTexts
{
    CString srcFileNumber;
    CString srcFileName;
    CString srcItemNumber;
    CString srcItemName;
    CString refFileNumber;
    CString refFileName;
    std::array<CString, GENSRC_REF_COUNT> refItemNumbers;
    std::array<CString, GENSRC_REF_COUNT> refItemNames;
};

// Form 3: in the referenced diagram of that number.
struct GenSrcInDiagram
{
    WORD diagram = 0;
    WORD srcFile = 0;
    CString srcFileName;
    WORD srcItem = 0;
    CString srcItemName;
    WORD refFile = 0;
    CString refFileName;
    std::array<WORD, GENSRC_REF_COUNT> refItems{};
    std::array<CString, GENSRC_REF_COUNT> refItemNames;
};

class CDataGenSrc : public CObject
{
    DECLARE_SERIAL(CDataGenSrc)
public:
    static constexpr WORD kCurrentVersion = 1001;

    // Reference forms.
    static constexpr WORD FORM_BY_IDS = 1;
    static constexpr WORD FORM_BY_TEXTS = 2;
    static constexpr WORD FORM_IN_DIAGRAM = 3;

    // Mark word bits. Frozen alone also marks a source for deletion after a paste.
    static constexpr DWORD MARK_FROZEN = 0x1000000;
    static constexpr DWORD MARK_SOURCE_DONE = 0x2000000;
    static constexpr DWORD MARK_SOURCE_NAME_DONE = 0x4000000;
    static constexpr DWORD MARK_SOURCE_CLEARED = 0x7000000;
    static constexpr DWORD MARK_NOTE_CLEARED = 0x20000000;
    static constexpr DWORD MARK_CLEAR_REFERENCES = 0x80000000;
    // Reference item mark bits (also the compare bits of the reference items).
    static constexpr DWORD MARK_REF_DONE = 0x8000000;
    static constexpr DWORD MARK_REF_NAME_DONE = 0x10000000;
    static constexpr DWORD MARK_REF_CLEARED = 0x18000000;

    // Compare bits.
    static constexpr DWORD DIFF_SOURCE_FILE = 0x1000000;
    static constexpr DWORD DIFF_SOURCE_ITEM = 0x2000000;
    static constexpr DWORD DIFF_SOURCE_NAME = 0x4000000;
    static constexpr DWORD DIFF_REF_ITEMS = 0x8000000;
    static constexpr DWORD DIFF_REF_NAMES = 0x10000000;
    static constexpr DWORD DIFF_NOTE = 0x20000000;
    static constexpr DWORD DIFF_REF_FILE = 0x80000000;

    CDataGenSrc() = default;
    // Every stored field; the marks start at 0.
    CDataGenSrc(const CDataGenSrc& other);
    CDataGenSrc& operator=(const CDataGenSrc&) = delete;
    ~CDataGenSrc() override = default;

    void Serialize(CArchive& ar) override;

    WORD GetVersion() const { return m_wVersion; }
    WORD GetForm() const { return m_wForm; }
    void SetForm(WORD form) { m_wForm = form; }
    const GenSrcByIds& ByIds() const { return m_byIds; }
    GenSrcByIds& ByIds() { return m_byIds; }
    const GenSrcByTexts& ByTexts() const { return m_byTexts; }
    GenSrcByTexts& ByTexts() { return m_byTexts; }
    const GenSrcInDiagram& InDiagram() const { return m_inDiagram; }
    GenSrcInDiagram& InDiagram() { return m_inDiagram; }
    CString GetNote() const { return m_strNote; }
    void SetNote(const CString& note) { m_strNote = note; }

    DWORD GetMarks() const { return m_dwMarks; }
    void SetMarks(DWORD marks) { m_dwMarks = marks; }
    void AddMarks(DWORD marks) { m_dwMarks |= marks; }
    BOOL HasMarks(DWORD marks) const { return (m_dwMarks & marks) != 0; }
    DWORD GetRefMarks(int index) const { return m_dwRefMarks[index]; }
    void SetRefMarks(int index, DWORD marks) { m_dwRefMarks[index] = marks; }

    // TRUE when the source item of the current form is not given (any form other than 1 to 3: FALSE).
    BOOL IsSourceMissing() const;
    // Form 1 and not frozen: the file is the source or the reference file.
    BOOL UsesFile(WORD fileId) const;
    // Form 1: ORs MARK_SOURCE_DONE when the source is that item, and (1 << i) | MARK_REF_DONE when
    // the reference file is the file and reference item i (the first match) is that number.
    BOOL RefersToItem(WORD fileId, WORD itemNumber, DWORD& bits) const;
    // The referenced diagram of the form-3 number is loaded and holds objects.
    BOOL IsRefDocLoaded(const CBaseDoc* document) const;
    // The DIFF_ bits of the form-1 fields and the note.
    DWORD CompareSource(const CDataGenSrc& other) const;
    void ClearMarks();
    // Empties the reference file and the three reference items in every form, with their marks.
    void ClearReferences();
    // Moves the set reference items of the current form to the front in their order; with none
    // set the reference file is cleared. TRUE when a reference item moved.
    BOOL CompactReferences();

private:
    WORD m_wVersion = kCurrentVersion;
    WORD m_wForm = FORM_BY_IDS;
    GenSrcByIds m_byIds;
    GenSrcByTexts m_byTexts;
    GenSrcInDiagram m_inDiagram;
    CString m_strNote;
    DWORD m_dwMarks = 0;
    std::array<DWORD, GENSRC_REF_COUNT> m_dwRefMarks{};
};
