#include "platform/afx/Archive.h"

#include "platform/afx/Cp932.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ArchiveFormat {

constexpr WORD nullTag = 0;
constexpr WORD newClassTag = 0xFFFF;
constexpr WORD classTag = 0x8000;
constexpr WORD bigObjectTag = 0x7FFF;
constexpr DWORD bigClassTag = 0x80000000u;
constexpr DWORD maxMapCount = 0x3FFFFFFEu;
// Longer class names do not occur; a longer one marks a damaged file.
constexpr WORD maxClassNameLength = 64;
// Objects nested deeper than this are taken for a damaged file rather than risking the stack.
constexpr int maxObjectDepth = 1000;

} // namespace ArchiveFormat

CObject* AfxReadObject(CArchive& ar, const CRuntimeClass* expected)
{
    return ar.ReadObject(expected);
}

CArchive::CArchive(CFile* file, UINT mode, int bufferSize, void*)
    : m_pFile(file), m_nMode(mode), m_buffer(std::size_t(std::max(bufferSize, 128)))
{
    if (!file)
        AfxThrowInvalidArgException();
    m_strFileName = file->GetFilePath();
    if (IsLoading())
        m_loadArray.push_back({nullptr, false, 0});
}

CArchive::~CArchive()
{
    if (m_pFile && IsStoring() && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Flush();
        } catch (...) {
            // A destructor cannot report; Close reports the same failure.
        }
    }
}

void CArchive::Fail(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::CheckLoading() const
{
    if (!m_pFile)
        Fail(CArchiveException::genericException);
    if (IsStoring())
        Fail(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (!m_pFile)
        Fail(CArchiveException::genericException);
    if (IsLoading())
        Fail(CArchiveException::readOnly);
}

UINT CArchive::GetObjectSchema()
{
    return std::exchange(m_nObjectSchema, UINT(-1));
}

// ---- raw bytes

void CArchive::FillBuffer()
{
    if (m_cur < m_end)
        return;
    m_cur = 0;
    m_end = m_pFile->Read(m_buffer.data(), UINT(m_buffer.size()));
}

UINT CArchive::Read(void* buffer, UINT count)
{
    CheckLoading();
    auto* out = static_cast<BYTE*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_cur == m_end && count - done >= m_buffer.size()) {
            // Large reads go straight to the file.
            const UINT n = m_pFile->Read(out + done, count - done);
            done += n;
            if (n == 0)
                break;
            continue;
        }
        FillBuffer();
        if (m_cur == m_end)
            break;
        const std::size_t n = std::min<std::size_t>(count - done, m_end - m_cur);
        std::memcpy(out + done, m_buffer.data() + m_cur, n);
        m_cur += n;
        done += UINT(n);
    }
    return done;
}

void CArchive::ReadExactly(void* buffer, UINT count)
{
    if (IsLoading() && m_end - m_cur >= count) {
        std::memcpy(buffer, m_buffer.data() + m_cur, count);
        m_cur += count;
        return;
    }
    if (Read(buffer, count) != count)
        Fail(CArchiveException::endOfFile);
}

void CArchive::Write(const void* buffer, UINT count)
{
    CheckStoring();
    const auto* in = static_cast<const BYTE*>(buffer);
    if (m_buffer.size() - m_cur >= count) {
        std::memcpy(m_buffer.data() + m_cur, in, count);
        m_cur += count;
        return;
    }
    Flush();
    if (count >= m_buffer.size()) {
        m_pFile->Write(in, count);
        return;
    }
    std::memcpy(m_buffer.data(), in, count);
    m_cur = count;
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsStoring()) {
        const std::size_t pending = std::exchange(m_cur, 0);
        if (pending > 0)
            m_pFile->Write(m_buffer.data(), UINT(pending));
        m_pFile->Flush();
    } else if (m_cur < m_end) {
        // Give back what was read ahead, so the file stands where the archive stopped.
        m_pFile->Seek(-LONGLONG(m_end - m_cur), CFile::current);
        m_cur = m_end = 0;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_cur = m_end = 0;
}

ULONGLONG CArchive::GetRemainingLength() const
{
    CheckLoading();
    return (m_end - m_cur) + m_pFile->GetRemainingLength();
}

void CArchive::EnsureRemaining(ULONGLONG bytes) const
{
    // What the buffer holds needs no look at the file (asking the file for its length and
    // position costs more than reading a short string).
    if (IsLoading() && bytes <= m_end - m_cur)
        return;
    if (bytes > GetRemainingLength())
        Fail(CArchiveException::endOfFile);
}

// ---- counts and strings

void CArchive::WriteCount(DWORD_PTR count)
{
    if (count < 0xFFFF) {
        *this << WORD(count);
        return;
    }
    *this << WORD(0xFFFF);
    if (count < 0xFFFFFFFFu) {
        *this << DWORD(count);
        return;
    }
    *this << DWORD(0xFFFFFFFFu) << ULONGLONG(count);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD shortCount;
    *this >> shortCount;
    ULONGLONG count = shortCount;
    if (shortCount == 0xFFFF) {
        DWORD longCount;
        *this >> longCount;
        count = longCount;
        if (longCount == 0xFFFFFFFFu)
            *this >> count;
    }
    EnsureRemaining(count);
    return DWORD_PTR(count);
}

// The length prefix of a string: BYTE below 0xFF, else WORD below 0xFFFE, else (after 0xFFFF) DWORD,
// else QWORD; a WORD 0xFFFE marks a UTF-16 string whose length follows in the same form.
ULONGLONG CArchive::ReadStringLength(bool& wide)
{
    wide = false;
    BYTE byteLength;
    *this >> byteLength;
    if (byteLength < 0xFF)
        return byteLength;
    WORD wordLength;
    *this >> wordLength;
    if (wordLength == 0xFFFE) {
        wide = true;
        *this >> byteLength;
        if (byteLength < 0xFF)
            return byteLength;
        *this >> wordLength;
    }
    if (wordLength < 0xFFFF)
        return wordLength;
    DWORD dwordLength;
    *this >> dwordLength;
    if (dwordLength < 0xFFFFFFFFu)
        return dwordLength;
    ULONGLONG longLength;
    *this >> longLength;
    return longLength;
}

CArchive& CArchive::operator<<(const CString& text)
{
    const auto length = std::size_t(text.GetLength());
    if (length < 0xFF) {
        *this << BYTE(length);
    } else if (length < 0xFFFE) {
        *this << BYTE(0xFF) << WORD(length);
    } else {
        *this << BYTE(0xFF) << WORD(0xFFFF) << DWORD(length);
    }
    Write(text.GetString(), UINT(length));
    return *this;
}

CArchive& CArchive::operator>>(CString& text)
{
    bool wide = false;
    const ULONGLONG length = ReadStringLength(wide);
    EnsureRemaining(wide ? (length > ~0ULL / 2 ? ~0ULL : length * 2) : length);
    if (!wide) {
        std::string bytes(std::size_t(length), '\0');
        ReadExactly(bytes.data(), UINT(length));
        text = CString(std::move(bytes));
        return *this;
    }
    std::u16string units(std::size_t(length), u'\0');
    ReadExactly(units.data(), UINT(length * 2));
    text = CString(Utf16ToCp932(units));
    return *this;
}

CArchive& CArchive::operator>>(bool& v)
{
    BYTE b;
    *this >> b;
    v = b != 0;
    return *this;
}

void CArchive::WriteString(const char* text)
{
    if (text)
        Write(text, UINT(std::strlen(text)));
}

// ---- objects and classes

DWORD CArchive::NextIndex()
{
    if (m_nMapCount >= ArchiveFormat::maxMapCount)
        Fail(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::MapObject(const CObject* object)
{
    if (IsStoring()) {
        if (object)
            m_storeMap[object] = NextIndex();
        return;
    }
    NextIndex();
    m_loadArray.push_back({object, false, 0});
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass)
{
    using namespace ArchiveFormat;
    CheckStoring();
    if (runtimeClass->m_wSchema == AFX_NO_SCHEMA)
        AfxThrowNotSupportedException();
    const auto known = m_storeMap.find(runtimeClass);
    if (known != m_storeMap.end()) {
        if (known->second < bigObjectTag)
            *this << WORD(classTag | known->second);
        else
            *this << bigObjectTag << DWORD(bigClassTag | known->second);
        return;
    }
    const CString name(runtimeClass->m_lpszClassName);
    *this << newClassTag << runtimeClass->GetStoredSchema() << WORD(name.GetLength());
    Write(name.GetString(), UINT(name.GetLength()));
    m_storeMap[runtimeClass] = NextIndex();
}

void CArchive::WriteObject(const CObject* object)
{
    using namespace ArchiveFormat;
    CheckStoring();
    if (!object) {
        *this << nullTag;
        return;
    }
    const auto known = m_storeMap.find(object);
    if (known != m_storeMap.end()) {
        if (known->second < bigObjectTag)
            *this << WORD(known->second);
        else
            *this << bigObjectTag << known->second;
        return;
    }
    WriteClass(object->GetRuntimeClass());
    m_storeMap[object] = NextIndex();
    // Serialize does not change the object when storing.
    const_cast<CObject*>(object)->Serialize(*this);
}

void CArchive::DropObjectsSince(std::size_t mark)
{
    CheckLoading();
    for (std::size_t slot = mark; slot < m_loadArray.size(); ++slot) {
        if (!m_loadArray[slot].isClass)
            m_loadArray[slot] = {nullptr, false, 0, true};
    }
}

void CArchive::SerializeClass(const CRuntimeClass* runtimeClass)
{
    if (IsStoring())
        WriteClass(runtimeClass);
    else
        ReadClass(runtimeClass);
}

CArchive::Tag CArchive::ReadTag()
{
    using namespace ArchiveFormat;
    WORD word;
    *this >> word;
    if (word == newClassTag)
        return {Tag::newClass, 0};
    DWORD index = word;
    if (word == bigObjectTag)
        *this >> index;
    else if (word & classTag)
        index = bigClassTag | (word & ~classTag);
    if (index & bigClassTag)
        return {Tag::oldClass, index & ~bigClassTag};
    return {Tag::object, index};
}

const CRuntimeClass* CArchive::LoadNewClass(UINT& schema)
{
    WORD storedSchema, nameLength;
    *this >> storedSchema >> nameLength;
    if (nameLength >= ArchiveFormat::maxClassNameLength)
        Fail(CArchiveException::badClass);
    char name[ArchiveFormat::maxClassNameLength] = {};
    ReadExactly(name, nameLength);
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(name);
    if (!runtimeClass || std::strlen(name) != nameLength || runtimeClass->m_wSchema == AFX_NO_SCHEMA)
        Fail(CArchiveException::badClass);
    if (storedSchema != runtimeClass->GetStoredSchema() && !(runtimeClass->m_wSchema & VERSIONABLE_SCHEMA))
        Fail(CArchiveException::badSchema);
    schema = storedSchema;
    NextIndex();
    m_loadArray.push_back({runtimeClass, true, schema});
    return runtimeClass;
}

const CRuntimeClass* CArchive::ClassOfTag(Tag tag, const CRuntimeClass* expected, UINT& schema)
{
    const CRuntimeClass* runtimeClass = nullptr;
    if (tag.kind == Tag::newClass) {
        runtimeClass = LoadNewClass(schema);
    } else if (tag.kind == Tag::oldClass && tag.index > 0 && tag.index < m_loadArray.size() &&
               m_loadArray[tag.index].isClass) {
        runtimeClass = static_cast<const CRuntimeClass*>(m_loadArray[tag.index].pointer);
        schema = m_loadArray[tag.index].schema;
    } else {
        Fail(CArchiveException::badIndex);
    }
    if (expected && !runtimeClass->IsDerivedFrom(expected))
        Fail(CArchiveException::badClass);
    return runtimeClass;
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* expected, UINT* schema)
{
    CheckLoading();
    UINT storedSchema = 0;
    const CRuntimeClass* runtimeClass = ClassOfTag(ReadTag(), expected, storedSchema);
    if (schema)
        *schema = storedSchema;
    return runtimeClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected)
{
    CheckLoading();
    const Tag tag = ReadTag();
    if (tag.kind == Tag::object) {
        if (tag.index >= m_loadArray.size() || m_loadArray[tag.index].isClass || m_loadArray[tag.index].dropped)
            Fail(CArchiveException::badIndex);
        auto* object = static_cast<CObject*>(const_cast<void*>(m_loadArray[tag.index].pointer));
        if (object && expected && !object->IsKindOf(expected))
            Fail(CArchiveException::badClass);
        return object;
    }
    UINT schema = 0;
    const CRuntimeClass* runtimeClass = ClassOfTag(tag, expected, schema);
    return LoadNewObject(runtimeClass, schema).release();
}

std::unique_ptr<CObject> CArchive::ReadNewObject(const CRuntimeClass* expected, ClassFilter admit)
{
    CheckLoading();
    const Tag tag = ReadTag();
    if (tag.kind == Tag::object)
        Fail(CArchiveException::badIndex);
    UINT schema = 0;
    const CRuntimeClass* runtimeClass = ClassOfTag(tag, expected, schema);
    if (admit && !admit(runtimeClass))
        Fail(CArchiveException::badClass);
    return LoadNewObject(runtimeClass, schema);
}

// Creates an object of the class and reads its record; a half-read object is deleted with what it
// already owns.
std::unique_ptr<CObject> CArchive::LoadNewObject(const CRuntimeClass* runtimeClass, UINT schema)
{
    if (m_nDepth >= ArchiveFormat::maxObjectDepth)
        Fail(CArchiveException::genericException);
    std::unique_ptr<CObject> object(runtimeClass->CreateObject());
    if (!object)
        AfxThrowMemoryException();
    NextIndex();
    const std::size_t slot = m_loadArray.size();
    m_loadArray.push_back({object.get(), false, 0});
    const UINT savedSchema = std::exchange(m_nObjectSchema, schema);
    ++m_nDepth;
    try {
        object->Serialize(*this);
    } catch (...) {
        --m_nDepth;
        m_loadArray[slot].pointer = nullptr;
        throw;
    }
    --m_nDepth;
    m_nObjectSchema = savedSchema;
    return object;
}

// ---- value types

CArchive& operator<<(CArchive& ar, const CTime& time)
{
    return ar << LONGLONG(time.GetTime());
}

CArchive& operator>>(CArchive& ar, CTime& time)
{
    LONGLONG value;
    ar >> value;
    time = CTime(std::time_t(value));
    return ar;
}

CArchive& operator<<(CArchive& ar, const POINT& point)
{
    return ar << point.x << point.y;
}

CArchive& operator>>(CArchive& ar, POINT& point)
{
    return ar >> point.x >> point.y;
}

CArchive& operator<<(CArchive& ar, const SIZE& size)
{
    return ar << size.cx << size.cy;
}

CArchive& operator>>(CArchive& ar, SIZE& size)
{
    return ar >> size.cx >> size.cy;
}

CArchive& operator<<(CArchive& ar, const RECT& rect)
{
    return ar << rect.left << rect.top << rect.right << rect.bottom;
}

CArchive& operator>>(CArchive& ar, RECT& rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
