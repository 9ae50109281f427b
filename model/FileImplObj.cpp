#include "model/FileImplObj.h"

#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CFileImplObj, CPolyObj, 1)

namespace fileimpl {

// Line records of this version were written by implementation groups whose kind field may say
// otherwise.
constexpr WORD kGroupLineVersion = 16;
constexpr int kPenWidth = 4;

} // namespace fileimpl

CFileImplObj::CFileImplObj() : CFileImplObj(0) {}

CFileImplObj::CFileImplObj(WORD objectId)
    : CPolyObj(OBJKIND_FILEIMPL, objectId), m_wImplFileId(0), m_bShowNameFileRep(TRUE), m_dwEditPart(0)
{
    m_nPenStyle = PS_SOLID;
    m_nPenWidth = fileimpl::kPenWidth;
    SetClosed(TRUE);
    m_label.SetFill(FALSE);
}

CFileImplObj::CFileImplObj(const CFileImplObj& other)
    : CPolyObj(other),
      m_wImplFileId(other.m_wImplFileId),
      m_bShowNameFileRep(other.m_bShowNameFileRep),
      m_label(other.m_label),
      m_dwEditPart(0)
{
}

void CFileImplObj::Serialize(CArchive& ar)
{
    CPolyObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wImplFileId << WORD(m_bShowNameFileRep);
    } else {
        if (m_wVersion == fileimpl::kGroupLineVersion)
            m_wKind = OBJKIND_FILEIMPL;
        WORD show;
        ar >> m_wImplFileId >> show;
        m_bShowNameFileRep = show;
    }
    m_label.Serialize(ar);
}

CString& CFileImplObj::GetTypeName(CString& name) const
{
    return name = CString(u8"実装ｸﾞﾙｰﾌﾟ ｵﾌﾞｼﾞｪｸﾄ");
}

CString& CFileImplObj::GetProfileSection(CString& section) const
{
    return section = "FileImpl Properties";
}

BOOL CFileImplObj::IsLabelShown() const
{
    return m_bShowNameFileRep && !m_label.GetRect().IsRectNull();
}
