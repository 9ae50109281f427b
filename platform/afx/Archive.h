// CArchive: the framework's persistent-object format, byte for byte, little-endian.
//
// Objects and classes share one index counter starting at 1 (0 is the null pointer). A new class is
// written as the tag 0xFFFF, its WORD schema, WORD name length and name; a class seen before as
// 0x8000 | index; an object seen before as its WORD index. Indices from 0x7FFF up are written as the
// escape WORD 0x7FFF followed by a DWORD (0x80000000 | index for a class).
//
// Loading never trusts a length or count from the file: each is checked against the bytes the file
// still holds before anything is allocated for it. Truncation throws CArchiveException endOfFile, an
// unknown class or one not derived from the expected class badClass, a stored schema other than the
// registered one badSchema (unless the class is versionable), a reference to an index not loaded yet
// or of the wrong kind badIndex.
#pragma once

#include "platform/afx/Exception.h"
#include "platform/afx/File.h"
#include "platform/afx/Object.h"
#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/afx/Time.h"

#include <bit>
#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

class CDocument;

class CArchive
{
public:
    enum Mode : UINT {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4,
    };

    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    // Flushes what is stored unless closed, aborted or bNoFlushOnDelete; errors are lost here, so
    // call Close to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return !IsLoading(); }
    // True when a loading archive holds no unread bytes in its buffer.
    BOOL IsBufferEmpty() const { return m_cur == m_end; }
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded (for a versionable class), then (UINT)-1 until the next.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT schema) { m_nObjectSchema = schema; }

    // Raw bytes. Read returns fewer at the end of the file; the typed reads throw endOfFile instead.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    void Flush();
    void Close();
    void Abort();

    // The bytes a load can still read: those buffered and those the file holds after them.
    ULONGLONG GetRemainingLength() const;
    // Throws endOfFile unless that many bytes are left to read.
    void EnsureRemaining(ULONGLONG bytes) const;

    void WriteObject(const CObject* object);
    // The next object, which must be a kind of expected (when given).
    CObject* ReadObject(const CRuntimeClass* expected);
    // The next object as a new one that the caller owns from here on: only an object created by
    // this very read can take an owner, so null and a reference back to an object read before
    // (which has its owner) are refused (badIndex). A class that `admit` (when given) turns down
    // is refused (badClass) before anything is created.
    using ClassFilter = BOOL (*)(const CRuntimeClass*);
    std::unique_ptr<CObject> ReadNewObject(const CRuntimeClass* expected, ClassFilter admit = nullptr);
    void WriteClass(const CRuntimeClass* runtimeClass);
    // The next class reference; with a schema pointer the stored schema is given back.
    const CRuntimeClass* ReadClass(const CRuntimeClass* expected = nullptr, UINT* schema = nullptr);
    void SerializeClass(const CRuntimeClass* runtimeClass);
    // Gives the object an index without writing it, so that later references find it.
    void MapObject(const CObject* object);
    // How many classes and objects a load has met so far: a mark for DropObjectsSince.
    std::size_t GetLoadMark() const { return m_loadArray.size(); }
    // The reader has deleted every object loaded since the mark (a part of an old record that is
    // read only to be skipped, with all it owned): a later reference to one of them is refused
    // (badIndex) instead of handing out a deleted object. The classes met stay known.
    void DropObjectsSince(std::size_t mark);

    void WriteCount(DWORD_PTR count);
    // A count is refused (endOfFile) when it exceeds the bytes left, since every element takes one.
    DWORD_PTR ReadCount();
    void WriteString(const char* text);

    CArchive& operator<<(BYTE v) { return Put(v); }
    CArchive& operator<<(WORD v) { return Put(v); }
    CArchive& operator<<(DWORD v) { return Put(v); }
    CArchive& operator<<(int v) { return Put(LONG(v)); }
    CArchive& operator<<(short v) { return Put(v); }
    CArchive& operator<<(char v) { return Put(v); }
    CArchive& operator<<(bool v) { return Put(BYTE(v ? 1 : 0)); }
    CArchive& operator<<(float v) { return Put(v); }
    CArchive& operator<<(double v) { return Put(v); }
    CArchive& operator<<(LONGLONG v) { return Put(v); }
    CArchive& operator<<(ULONGLONG v) { return Put(v); }
    CArchive& operator<<(const CString& text);
    CArchive& operator<<(const CObject* object)
    {
        WriteObject(object);
        return *this;
    }

    CArchive& operator>>(BYTE& v) { return Get(v); }
    CArchive& operator>>(WORD& v) { return Get(v); }
    CArchive& operator>>(DWORD& v) { return Get(v); }
    CArchive& operator>>(int& v) { return Get(v); }
    CArchive& operator>>(short& v) { return Get(v); }
    CArchive& operator>>(char& v) { return Get(v); }
    CArchive& operator>>(bool& v);
    CArchive& operator>>(float& v) { return Get(v); }
    CArchive& operator>>(double& v) { return Get(v); }
    CArchive& operator>>(LONGLONG& v) { return Get(v); }
    CArchive& operator>>(ULONGLONG& v) { return Get(v); }
    CArchive& operator>>(CString& text);
    CArchive& operator>>(CObject*& object)
    {
        object = ReadObject(RUNTIME_CLASS(CObject));
        return *this;
    }
    CArchive& operator>>(const CObject*& object)
    {
        object = ReadObject(RUNTIME_CLASS(CObject));
        return *this;
    }

    CDocument* m_pDocument = nullptr;
    CString m_strFileName;

private:
    struct Loaded
    {
        const void* pointer; // a CRuntimeClass* or a CObject*
        bool isClass;
        UINT schema;
        bool dropped = false; // an object its reader has deleted
    };

    template <typename T>
    CArchive& Put(T v)
    {
        static_assert(std::endian::native == std::endian::little);
        Write(&v, sizeof v);
        return *this;
    }
    template <typename T>
    CArchive& Get(T& v)
    {
        ReadExactly(&v, sizeof v);
        return *this;
    }
    void ReadExactly(void* buffer, UINT count);
    void FillBuffer();
    [[noreturn]] void Fail(int cause) const;
    void CheckLoading() const;
    void CheckStoring() const;
    DWORD NextIndex();
    ULONGLONG ReadStringLength(bool& wide);
    struct Tag
    {
        enum Kind { object, oldClass, newClass } kind;
        DWORD index;
    };
    Tag ReadTag();
    const CRuntimeClass* LoadNewClass(UINT& schema);
    const CRuntimeClass* ClassOfTag(Tag tag, const CRuntimeClass* expected, UINT& schema);
    std::unique_ptr<CObject> LoadNewObject(const CRuntimeClass* runtimeClass, UINT schema);

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    std::size_t m_cur = 0; // next byte to read or write
    std::size_t m_end = 0; // end of the bytes read into the buffer
    UINT m_nObjectSchema = UINT(-1);
    DWORD m_nMapCount = 1;
    int m_nDepth = 0;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<Loaded> m_loadArray;
};

CArchive& operator<<(CArchive& ar, const CTime& time);
CArchive& operator>>(CArchive& ar, CTime& time);
CArchive& operator<<(CArchive& ar, const POINT& point);
CArchive& operator>>(CArchive& ar, POINT& point);
CArchive& operator<<(CArchive& ar, const SIZE& size);
CArchive& operator>>(CArchive& ar, SIZE& size);
CArchive& operator<<(CArchive& ar, const RECT& rect);
CArchive& operator>>(CArchive& ar, RECT& rect);
