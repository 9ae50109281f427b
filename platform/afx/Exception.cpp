#include "platform/afx/Exception.h"

#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"

#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace ExceptionText {

// "%1" in the pattern becomes the name, or the fallback word when there is no name.
CString WithName(const char8_t* pattern, const CString& name, const char8_t* fallback)
{
    CString text(pattern);
    text.Replace("%1", name.IsEmpty() ? CString(fallback).GetString() : name.GetString());
    return text;
}

} // namespace ExceptionText

BOOL CException::GetErrorMessage(CString& message) const
{
    message.Empty();
    return FALSE;
}

BOOL CException::GetErrorMessage(char* buffer, UINT maxLength, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    CString message;
    const BOOL known = GetErrorMessage(message);
    if (buffer && maxLength > 0) {
        const std::size_t n = std::min<std::size_t>(std::size_t(message.GetLength()), maxLength - 1);
        std::memcpy(buffer, message.GetString(), n);
        buffer[n] = '\0';
    }
    return known;
}

int CException::ReportError(UINT type, UINT messageId) const
{
    CString message;
    if (!GetErrorMessage(message) || message.IsEmpty()) {
        message = messageId ? LoadStringResource(messageId) : CString();
        if (message.IsEmpty())
            message = CString(u8"エラーメッセージはありません。");
    }
    return AfxMessageBox(message, type);
}

const char* CException::what() const noexcept
{
    return GetRuntimeClass()->m_lpszClassName;
}

BOOL CMemoryException::GetErrorMessage(CString& message) const
{
    message = CString(u8"メモリが不足しています。");
    return TRUE;
}

BOOL CNotSupportedException::GetErrorMessage(CString& message) const
{
    message = CString(u8"サポートされていない操作が試みられました。");
    return TRUE;
}

BOOL CInvalidArgException::GetErrorMessage(CString& message) const
{
    message = CString(u8"無効な引数が渡されました。");
    return TRUE;
}

BOOL CArchiveException::GetErrorMessage(CString& message) const
{
    static const char8_t* const texts[] = {
        u8"%1 でエラーは発生していません。",
        u8"%1 へのアクセス中に予期しないエラーが発生しました。",
        u8"読み込み専用のアーカイブ %1 に書き込もうとしました。",
        u8"%1 の読み込み中に予期しないファイルの終わりに達しました。",
        u8"書き込み専用のアーカイブ %1 から読み込もうとしました。",
        u8"%1 の形式が正しくありません。",
        u8"%1 に予期しないオブジェクトが含まれています。",
        u8"%1 に不正なスキーマのオブジェクトが含まれています。",
        u8"%1 のバッファが一杯です。",
    };
    const bool known = m_cause >= 0 && m_cause < int(std::size(texts));
    message = ExceptionText::WithName(texts[known ? m_cause : genericException], m_strFileName, u8"アーカイブ");
    return TRUE;
}

BOOL CFileException::GetErrorMessage(CString& message) const
{
    static const char8_t* const texts[] = {
        u8"%1 でエラーは発生していません。",
        u8"%1 へのアクセス中に予期しないエラーが発生しました。",
        u8"%1 が見つかりません。",
        u8"%1 のパスが正しくありません。",
        u8"%1 を開けません。開いているファイルが多すぎます。",
        u8"%1 へのアクセスが拒否されました。",
        u8"%1 に無効なファイル ハンドルが使われました。",
        u8"現在のディレクトリは削除できません。",
        u8"%1 を作成できません。ディレクトリが一杯です。",
        u8"%1 のシーク位置が正しくありません。",
        u8"%1 へのアクセス中にハードウェア I/O エラーが発生しました。",
        u8"%1 へのアクセス中に共有違反が発生しました。",
        u8"%1 の既にロックされている領域をロックしようとしました。",
        u8"%1 に書き込み中にディスクが一杯になりました。",
        u8"%1 の終わりを越えてアクセスしようとしました。",
    };
    const bool known = m_cause >= 0 && m_cause < int(std::size(texts));
    message = ExceptionText::WithName(texts[known ? m_cause : genericException], m_strFileName, u8"ファイル");
    return TRUE;
}

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return accessDenied;
    case EBADF: return invalidFile;
    case EINVAL:
    case ESPIPE: return badSeek;
    case EIO: return hardIO;
    case EWOULDBLOCK: return sharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return diskFull;
    default: return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, const CString& fileName)
{
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

void AfxThrowMemoryException()
{
    throw CMemoryException();
}

void AfxThrowNotSupportedException()
{
    throw CNotSupportedException();
}

void AfxThrowInvalidArgException()
{
    throw CInvalidArgException();
}

void AfxThrowUserException()
{
    throw CUserException();
}

void AfxThrowArchiveException(int cause, const CString& archiveName)
{
    throw CArchiveException(cause, archiveName);
}

void AfxThrowFileException(int cause, LONG osError, const CString& fileName)
{
    throw CFileException(cause, osError, fileName);
}

bool AfxIsMemoryException(const std::exception_ptr& e)
{
    if (!e)
        return false;
    try {
        std::rethrow_exception(e);
    } catch (const CMemoryException&) {
        return true;
    } catch (const std::bad_alloc&) {
        return true;
    } catch (...) {
        return false;
    }
}

bool AfxIsFrameworkException(const std::exception_ptr& e)
{
    if (!e)
        return false;
    try {
        std::rethrow_exception(e);
    } catch (const CException&) {
        return true;
    } catch (const std::bad_alloc&) {
        return true;
    } catch (...) {
        return false;
    }
}
