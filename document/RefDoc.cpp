#include "document/RefDoc.h"

#include "document/BaseDoc.h"
#include "document/ZivraDoc.h"
#include "foundation/TextFunctions.h"

#include "platform/afx/Archive.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/DocTemplate.h"

IMPLEMENT_SERIAL(CRefDoc, CObject, 1)

namespace refdoc {

// The file of that name (a path written on either system) in the folder of another path.
CString SameNameInFolderOf(const CString& path, const CString& other)
{
    CString name, folder;
    SplitFilePath(path, name, folder);
    const int separator = std::max(other.ReverseFind('/'), other.ReverseFind('\\'));
    return other.Left(separator + 1) + name;
}

// Whether the file can be opened for reading, shared with everybody.
BOOL CanOpenForReading(const CString& path)
{
    CFile file;
    return file.Open(path, CFile::modeRead | CFile::shareDenyNone);
}

// A new document of the template's class that belongs to the caller, not to the template's list.
CBaseDoc* CreateHiddenDocument(CDocTemplate* docTemplate)
{
    if (docTemplate) {
        CDocument* created = docTemplate->CreateNewDocument();
        if (created)
            docTemplate->RemoveDocument(created);
        if (auto* document = dynamic_cast<CBaseDoc*>(created))
            return document;
        delete created;
    }
    return new CZivraDoc;
}

} // namespace refdoc

CRefDoc::CRefDoc(WORD number, const CString& path, const CString& title)
    : m_wNumber(number), m_strPath(path), m_strTitle(title)
{
}

CRefDoc::~CRefDoc()
{
    ReleaseDocument();
}

void CRefDoc::ReleaseDocument()
{
    if (!m_pDocument)
        return;
    m_pDocument->DeleteContents();
    delete std::exchange(m_pDocument, nullptr);
}

void CRefDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_wVersion = 1001;
        ar << m_wVersion << m_wNumber << m_strPath << m_strTitle;
    } else {
        ar >> m_wVersion >> m_wNumber >> m_strPath >> m_strTitle;
    }
}

CString CRefDoc::LocateFile(const CString& referencingPath) const
{
    if (refdoc::CanOpenForReading(m_strPath))
        return m_strPath;
    const CString nextToReferencing = refdoc::SameNameInFolderOf(m_strPath, referencingPath);
    if (nextToReferencing != m_strPath && refdoc::CanOpenForReading(nextToReferencing))
        return nextToReferencing;
    return CString();
}

BOOL CRefDoc::Open(const CString& referencingPath, CDocTemplate* docTemplate)
{
    if (m_strPath.IsEmpty())
        return FALSE;
    const CString path = LocateFile(referencingPath);
    if (path.IsEmpty()) {
        AfxMessageBox(CString(u8"参照先に設定している構造図が見つかりません。\n") + m_strPath, MB_OK);
        return FALSE;
    }
    ReleaseDocument();
    m_pDocument = refdoc::CreateHiddenDocument(docTemplate);
    m_pDocument->m_bAutoDelete = FALSE;
    if (!m_pDocument->OpenAsReference(path))
        return FALSE;
    m_strTitle = m_pDocument->GetHeaderTitle();
    return TRUE;
}

BOOL CRefDoc::IsEmpty() const
{
    return !m_pDocument || m_pDocument->HasNoObjects();
}
