// CFileImplObj: an implementation group, a closed outline that belongs to one conceptual file. It
// carries that file's id and shows the physical file name in a label just above its top edge; the
// document moves it with its file, removes it with its file and renames its label with the file.
#pragma once

#include "objects/PolyObj.h"
#include "objects/StrgObj.h"

class CFloatEdit;

class CFileImplObj : public CPolyObj
{
    DECLARE_SERIAL(CFileImplObj)
public:
    CFileImplObj();
    explicit CFileImplObj(WORD objectId);
    CFileImplObj(const CFileImplObj& other);
    ~CFileImplObj() override = default;

    // The line record, then the implemented file's id, the label switch and the label's record.
    // A line part of version 16 makes the object an implementation group whatever kind it stored.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // --- The implemented conceptual file --------------------------------------------------------
    WORD GetImplementedFileId() const { return m_wImplFileId; }
    void SetImplementedFileId(WORD fileId) { m_wImplFileId = fileId; }
    BOOL ImplementsFile(WORD fileId) const { return fileId != 0 && m_wImplFileId == fileId; }

    // --- The name label ---------------------------------------------------------------------------
    BOOL GetShowNameFileRep() const { return m_bShowNameFileRep; }
    void SetShowNameFileRep(BOOL show) { m_bShowNameFileRep = show; }
    const CStrgObj& GetLabel() const { return m_label; }
    CStrgObj& GetLabel() { return m_label; }
    void SetLabelText(const CString& text) { m_label.SetText(text); }
    // The switch is on and the label has a rectangle (an all-zero one counts as none).
    BOOL IsLabelShown() const;

private:
    WORD m_wImplFileId;
    BOOL m_bShowNameFileRep;
    CStrgObj m_label;
    DWORD m_dwEditPart;
};
