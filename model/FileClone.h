// CFileClone: a second appearance of a conceptual file elsewhere on the diagram. A framed text
// object that shows its original file's name and carries that file's object id; relation arrows
// may start or end at it, and the relation graph follows the original in its place. The clone
// holds no pointer to the original: every lookup goes through the document by id.
#pragma once

#include "model/ModelStatusText.h"
#include "objects/StrgObj.h"

class CFileClone : public CStrgObj, public ModelStatusText
{
    DECLARE_SERIAL(CFileClone)
public:
    CFileClone();
    // An unbound clone with an empty text (the drawing tool).
    CFileClone(WORD objectId, const CRect& rect);
    // A clone already bound to its original and showing its name (the file's clone command).
    CFileClone(WORD objectId, const CRect& rect, const CString& text, WORD originalFileId);
    CFileClone(const CFileClone& other);
    ~CFileClone() override = default;

    // The text object's record, then the original file's id.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;
    // The type name and the shown text.
    CString GetStatusText(const CBaseDoc& document) const override;

    // The pen, fill colour, shadow, font, placement and default entries, and the operations: grid
    // placement and "元概念ﾌｧｲﾙ指定" (22033; its counterpart 22034 comes only from the pick).
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // 22033 is checked while the clone is bound, 22034 never; both are disabled while the clone is
    // locked (see IsLocked), 22034 also while it is unbound. Else the text object's states.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // Locked: several objects are selected, or an arrow of a kind other than 1:N starts or ends at
    // the clone (its original then decides that arrow's meaning, so it must not change under it).
    BOOL IsLocked(const CBaseDoc* document, BOOL severalSelected) const;

    // 22033 binds the clone to the file whose id is the argument (1); 22034 unbinds it (0).
    BOOL ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument) override;
    // A clone is never a row of the spreadsheet export.
    BOOL IsExportKind(DWORD exportOptions) const override;

    // --- The original conceptual file -----------------------------------------------------------
    WORD GetOriginalFileId() const { return m_wOriginalFileId; }
    BOOL HasOriginalFile() const { return m_wOriginalFileId != 0; }
    BOOL IsCloneOf(WORD fileId) const { return fileId != 0 && m_wOriginalFileId == fileId; }
    void SetOriginalFileId(WORD fileId) { m_wOriginalFileId = fileId; }
    void ClearOriginalFile() { m_wOriginalFileId = 0; }

private:
    // Fill, centred top-aligned text, a frame and the smaller font of a clone.
    void InitCloneDefaults();

    WORD m_wOriginalFileId;
};
