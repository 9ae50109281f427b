// Opening and saving the document file: the file status kept for the time-stamp check, read-only
// opens and their notices, the safe save, and the referenced diagrams opened with the document.
#include "document/BaseDoc.h"

#include "document/DocumentShellServices.h"
#include "document/RefDoc.h"
#include "foundation/TextFunctions.h"

#include "platform/afx/Archive.h"
#include "platform/afx/File.h"
#include "platform/afx/MemFile.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/storage/StorageError.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/UserMessages.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace base_doc_file {

constexpr const char* kContentsStream = "Contents";

// The reason the read-only notice gives: 1 locked by another opener, 2 a folder that no save can
// write in, 0 the read-only attribute.
LPARAM ReadOnlyNoticeReason(ReadOnlyReason reason)
{
    switch (reason) {
    case ReadOnlyReason::LockedByAnother: return 1;
    case ReadOnlyReason::FolderNotWritable: return 2;
    default: return 0;
    }
}

CString StatusUnreadableText()
{
    return CString(u8"ﾌｧｲﾙ･ｽﾃｰﾀｽの取得が行えません。");
}

// The file status of the path, with the read-only attribute as this system defines it and the
// modification time to the nanosecond. FALSE when the file cannot be reached.
BOOL ReadStatus(const CString& path, CFileStatus& status, std::int64_t& modifiedNs)
{
    struct stat info
    {
    };
    if (!CFile::GetStatus(path, status) || ::stat(ToFileSystemPath(path).c_str(), &info) != 0)
        return FALSE;
    if (DocumentFile::HasReadOnlyAttribute(path))
        status.m_attribute |= CFile::readOnly;
    else
        status.m_attribute &= BYTE(~CFile::readOnly);
    modifiedNs = std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return TRUE;
}

// Whether two names lead to the same file: their canonical paths compared exactly, as the file
// system compares names.
bool IsSamePath(const CString& a, const CString& b)
{
    std::error_code error;
    const auto canonicalA = std::filesystem::weakly_canonical(ToFileSystemPath(a), error);
    if (error)
        return a == b;
    const auto canonicalB = std::filesystem::weakly_canonical(ToFileSystemPath(b), error);
    return !error && canonicalA == canonicalB;
}

// Tells the user why the file could not be read or written; call from inside a catch block.
// Damaged content is reported as an invalid format when reading, anything unknown with the
// fallback text.
void ReportFileFailure(const CString& path, BOOL loading, const CString& fallback)
{
    constexpr UINT type = MB_OK | MB_ICONEXCLAMATION;
    const CString invalidFormat(u8"予期しないファイル形式です。");
    try {
        throw;
    } catch (const CUserException&) {
        // already told
    } catch (const CArchiveException&) {
        AfxMessageBox(loading ? invalidFormat : fallback, type);
    } catch (const StorageError& error) {
        if (loading && error.Code() == StorageErrorCode::InvalidFile)
            AfxMessageBox(invalidFormat, type);
        else
            error.ToFileException(path).ReportError(type);
    } catch (const CFileException& error) {
        error.ReportError(type);
    } catch (...) {
        if (AfxIsMemoryException())
            CMemoryException().ReportError(type);
        else
            AfxMessageBox(fallback, type);
    }
}

// Only a compound file can come from a newer version of the program: a plain file whose first
// word would be a newer version is no document at all, and gets no newer-version message.
void RefuseGarbageAsNewerVersion(CFile& file)
{
    WORD version = 0;
    const UINT read = file.Read(&version, sizeof version);
    file.SeekToBegin();
    if (read == sizeof version && version > DOCUMENT_FILE_VERSION)
        AfxThrowArchiveException(CArchiveException::badSchema, file.GetFilePath());
}

} // namespace base_doc_file

// --- Reading -------------------------------------------------------------------------------

BOOL CBaseDoc::OnOpenDocument(LPCTSTR path)
{
    using namespace base_doc_file;
    if (!path || !*path)
        return FALSE;
    const CString fileName(path);
    if (!ReadFileStatus(fileName)) {
        AfxMessageBox(CString(u8"ﾌｧｲﾙのｵｰﾌﾟﾝに失敗しました。\nﾌｧｲﾙが存在していることを確認してください。\n") + fileName,
                      MB_OK);
        return FALSE;
    }
    DocumentShellServices* shell = GetDocumentShellServices();
    const BOOL requested = shell && shell->GetOpenReadOnlyRequest();
    if (requested || (m_fileStatus.m_attribute & CFile::readOnly)) {
        // The request is consumed by this open, whether it succeeds or not.
        if (shell)
            shell->ClearOpenReadOnlyRequest();
        SetReadOnly(TRUE);
        if (!OpenReadOnly(path))
            return FALSE;
        if (!requested)
            SendReadOnlyNotice(fileName, 0);
    } else {
        if (!LoadDocumentFile(path, DocumentFileMode::Edit))
            return FALSE;
        if (UpdateReadOnlyFromStorage())
            SendReadOnlyNotice(fileName, ReadOnlyNoticeReason(m_file.GetReadOnlyReason()));
    }
    const int failed = m_refDocList.OpenAll(fileName, GetDocTemplate());
    if (failed > 0) {
        CString text;
        text.Format(CString(u8"参照している構造図のうち %d件の構造図が正常に開けませんでした。"), failed);
        AfxMessageBox(text, MB_OK);
    }
    return TRUE;
}

BOOL CBaseDoc::OpenReadOnly(LPCTSTR path)
{
    return OpenStorageReadOnly(path);
}

BOOL CBaseDoc::OpenStorageReadOnly(LPCTSTR path)
{
    return LoadDocumentFile(path, DocumentFileMode::ReadOnly);
}

BOOL CBaseDoc::OpenAsReference(LPCTSTR path)
{
    SetReadOnly(TRUE);
    if (!LoadDocumentFile(path, DocumentFileMode::ReadOnly))
        return FALSE;
    // A hidden document is never saved: it need not hold its file.
    ReleaseFile();
    if (!ReadFileStatus(CString(path)))
        AfxMessageBox(base_doc_file::StatusUnreadableText(), MB_OK);
    return TRUE;
}

BOOL CBaseDoc::IsRefDocLoaded(WORD number) const
{
    const CRefDoc* refDoc = number != 0 ? FindRefDocByNumber(number) : nullptr;
    return refDoc && refDoc->IsLoaded();
}

BOOL CBaseDoc::LoadDocumentFile(LPCTSTR path, DocumentFileMode mode)
{
    DeleteContents();
    ReleaseFile();
    SetModifiedFlag(TRUE);
    try {
        m_file = DocumentFile::Open(CString(path), mode);
        LoadArchive(*m_file.OpenArchive(base_doc_file::kContentsStream), m_file.IsCompoundFile());
    } catch (...) {
        DeleteContents();
        ReleaseFile();
        SetModifiedFlag(FALSE);
        base_doc_file::ReportFileFailure(CString(path), TRUE, CString(u8"ドキュメントを開くことに失敗しました。"));
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// A compound file holds the archive in its "Contents" stream; any other file is read as the
// archive itself. The record is the whole archive: bytes after it mean the file is not a document.
void CBaseDoc::LoadArchive(CFile& file, BOOL compound)
{
    if (!compound)
        base_doc_file::RefuseGarbageAsNewerVersion(file);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = this;
    Serialize(ar);
    if (ar.GetRemainingLength() != 0)
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    ar.Close();
}

BOOL CBaseDoc::UpdateReadOnlyFromStorage()
{
    m_bReadOnly = m_file.IsOpen() && m_file.IsReadOnly();
    return m_bReadOnly;
}

BOOL CBaseDoc::ReadFileStatus(const CString& path)
{
    return base_doc_file::ReadStatus(path, m_fileStatus, m_fileTimeNs);
}

void CBaseDoc::SendReadOnlyNotice(const CString& path, LPARAM reason) const
{
    CWnd* mainWnd = AfxGetMainWnd();
    if (!mainWnd)
        return;
    CString name, folder;
    SplitFilePath(path, name, folder);
    mainWnd->SendMessage(UM_SHOW_READONLY_NOTICE, WPARAM(name.GetString()), reason);
}

void CBaseDoc::ReleaseFile()
{
    m_file.Close();
}

// --- Writing -------------------------------------------------------------------------------

BOOL CBaseDoc::OnSaveDocument(LPCTSTR path)
{
    using namespace base_doc_file;
    if (!path || !*path)
        return FALSE;
    const CString target(path);
    if (!GetPathName().IsEmpty() && IsSamePath(GetPathName(), target)) {
        if (m_bReadOnly) {
            AfxMessageBox(CString(u8"書込み不可のﾌｧｲﾙのため保存できません。"), MB_OK);
            return FALSE;
        }
        if (!ConfirmOverwriteOfChangedFile(target))
            return FALSE;
    }
    try {
        const QByteArray contents = StoreToBytes();
        m_file.Save(target, [&contents](CompoundFileWriter& writer) { writer.WriteStream(kContentsStream, contents); });
    } catch (...) {
        ReportFileFailure(target, FALSE, LoadStringResource(AFX_IDP_FAILED_TO_SAVE_DOC));
        return FALSE;
    }
    UpdateReadOnlyFromStorage();
    if (!ReadFileStatus(target)) {
        AfxMessageBox(StatusUnreadableText(), MB_OK);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

QByteArray CBaseDoc::StoreToBytes()
{
    CMemFile file(64 * 1024);
    CArchive ar(&file, CArchive::store);
    ar.m_pDocument = this;
    Serialize(ar);
    ar.Close();
    const auto length = qsizetype(file.GetLength());
    BYTE* buffer = file.Detach();
    QByteArray bytes(reinterpret_cast<const char*>(buffer), length);
    std::free(buffer);
    return bytes;
}

BOOL CBaseDoc::ConfirmOverwriteOfChangedFile(const CString& path)
{
    using namespace base_doc_file;
    if (m_fileTimeNs == 0)
        return TRUE; // a document that was never read from or written to a file
    CFileStatus present;
    std::int64_t presentNs = 0;
    if (!ReadStatus(path, present, presentNs)) {
        AfxMessageBox(StatusUnreadableText(), MB_OK);
        return FALSE;
    }
    if (presentNs == m_fileTimeNs)
        return TRUE;
    const CString timeFormat(u8"%Y年%m月%d日%H時%M分%S秒");
    const CString text = GetProductName() + CString(u8"ﾌｧｲﾙを他のﾕｰｻﾞが変更した可能性があります。") +
                         CString(u8"更新を続けると他のﾕｰｻﾞが行った変更が失われる可能性があります。") +
                         CString(u8"更新を行いますか。\n") + CString(u8"\n読込んだ時点のﾌｧｲﾙ更新日時 :\n\t") +
                         m_fileStatus.m_mtime.Format(timeFormat) + CString(u8"\n現在のﾌｧｲﾙ更新日時 : \n\t") +
                         present.m_mtime.Format(timeFormat);
    // "No" keeps the other user's changes as firmly as "Cancel": the document stays unsaved.
    return AfxMessageBox(text, MB_YESNOCANCEL) == IDYES;
}
