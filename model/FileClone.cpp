#include "model/FileClone.h"

#include "foundation/CommandIds.h"
#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CFileClone, CStrgObj, 1)

namespace fileclone {

constexpr int kFontHeight = -10;

} // namespace fileclone

CFileClone::CFileClone() : CFileClone(0, CRect()) {}

CFileClone::CFileClone(WORD objectId, const CRect& rect) : CFileClone(objectId, rect, CString(), 0) {}

CFileClone::CFileClone(WORD objectId, const CRect& rect, const CString& text, WORD originalFileId)
    : CStrgObj(OBJKIND_FILECLONE, objectId, rect, text), m_wOriginalFileId(originalFileId)
{
    InitCloneDefaults();
}

CFileClone::CFileClone(const CFileClone& other) = default;

void CFileClone::InitCloneDefaults()
{
    m_bFill = TRUE;
    SetAlignCenter();
    SetAlignTop();
    m_bDrawFrame = TRUE;
    SetFontHeight(fileclone::kFontHeight);
}

void CFileClone::Serialize(CArchive& ar)
{
    CStrgObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_wOriginalFileId;
    else
        ar >> m_wOriginalFileId;
}

CString& CFileClone::GetTypeName(CString& name) const
{
    return name = CString(u8"概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄ");
}

CString& CFileClone::GetProfileSection(CString& section) const
{
    return section = "FileClone Properties";
}

BOOL CFileClone::ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument)
{
    switch (commandId) {
    case ID_OBJ_PICK_CLONE_SOURCE: m_wOriginalFileId = WORD(operationArgument); return TRUE;
    case ID_OBJ_CANCEL_CLONE_SOURCE: ClearOriginalFile(); return FALSE;
    default: return CBaseObj::ApplyShapeOperation(commandId, hitCode, operationArgument);
    }
}

BOOL CFileClone::IsExportKind(DWORD) const
{
    return FALSE;
}
