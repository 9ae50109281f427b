// Helpers for the document-file tests: a private folder, an application that records the loaded
// version and the read-only request, a main window that records the read-only notices, and a
// builder of document archives written byte by byte from the file format.
#pragma once

#include "tests/document/DocumentTestSupport.h"

#include "document/DocumentShellServices.h"
#include "platform/afx/Cp932.h"
#include "platform/ui/UserMessages.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// True when LeakSanitizer (in a sanitizer build with leak detection on) finds memory that nothing
// points to any more. Checked after each case of a table, it names the case that leaked, where the
// check at the end of the process names none.
inline bool LeakSanitizerFindsLeaks()
{
#if defined(__SANITIZE_ADDRESS__)
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}

// The application as the document sees it: settings store, loaded version, read-only request,
// main window.
class FileTestApp : public AppServices, public DocumentShellServices
{
public:
    FileTestApp()
        : m_store(std::make_unique<CRegManList>()),
          m_previous(SetAppServices(this)),
          m_previousShell(SetDocumentShellServices(this))
    {
    }
    ~FileTestApp() override
    {
        SetAppServices(m_previous);
        SetDocumentShellServices(m_previousShell);
    }
    FileTestApp(const FileTestApp&) = delete;
    FileTestApp& operator=(const FileTestApp&) = delete;

    CRegManList* GetRegManList() override { return m_store.get(); }
    CColorItemList* GetColorItemList() override { return nullptr; }
    WORD GetLoadedDocVersion() const override { return m_loadedVersion; }
    void SetLoadedDocVersion(WORD version) override { m_loadedVersion = version; }
    const OSVERSIONINFO& GetOsVersionInfo() const override { return m_os; }
    BOOL GetOpenReadOnlyRequest() const override { return m_readOnlyRequest; }
    void ClearOpenReadOnlyRequest() override { m_readOnlyRequest = FALSE; }

    BOOL m_readOnlyRequest = FALSE;
    WORD m_loadedVersion = 0;

private:
    std::unique_ptr<CRegManList> m_store;
    AppServices* m_previous;
    DocumentShellServices* m_previousShell;
    OSVERSIONINFO m_os{};
};

// A main window that keeps the read-only notices it is sent: (file name, lParam).
class NoticeWindow : public CWnd
{
public:
    std::vector<std::pair<std::string, LPARAM>> m_notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == UM_SHOW_READONLY_NOTICE) {
            m_notices.emplace_back(reinterpret_cast<const char*>(wParam), lParam);
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A document archive in the framework's persistent-object format, written field by field.
class ArchiveBytes
{
public:
    ArchiveBytes& Byte(std::uint8_t v) { return Raw(&v, 1); }
    ArchiveBytes& Word(std::uint16_t v) { return Raw(&v, 2); }
    ArchiveBytes& Dword(std::uint32_t v) { return Raw(&v, 4); }
    ArchiveBytes& Long(std::int32_t v) { return Raw(&v, 4); }
    ArchiveBytes& Float(float v) { return Raw(&v, 4); }
    // A string given in UTF-8, stored in code page 932 with the short length prefix.
    ArchiveBytes& Str(const std::string& utf8)
    {
        const std::string bytes = Utf8ToCp932(utf8);
        if (bytes.size() < 0xFF)
            Byte(std::uint8_t(bytes.size()));
        else
            Byte(0xFF).Word(std::uint16_t(bytes.size()));
        return Raw(bytes.data(), bytes.size());
    }
    ArchiveBytes& Date(int y, int mo, int d, int h, int mi, int s)
    {
        return Word(std::uint16_t(y))
            .Word(std::uint16_t(mo))
            .Word(std::uint16_t(d))
            .Word(std::uint16_t(h))
            .Word(std::uint16_t(mi))
            .Word(std::uint16_t(s));
    }
    // A new class tag with its schema and name.
    ArchiveBytes& NewClass(const std::string& name, std::uint16_t schema = 1)
    {
        Word(0xFFFF).Word(schema).Word(std::uint16_t(name.size()));
        return Raw(name.data(), name.size());
    }
    // The box-object record of a rectangle (record version 1001) after its class tag.
    ArchiveBytes& RectRecord(std::uint16_t id, std::int32_t left, std::int32_t top)
    {
        Word(1001).Word(5).Word(id).Long(left).Long(top).Long(left + 100).Long(top - 100);
        Word(0).Dword(0).Word(1).Word(0).Dword(0xFFFFFF).Word(1).Word(1);
        return Word(0).Dword(0x808080).Word(0).Word(0).Float(0.25f);
    }
    ArchiveBytes& Raw(const void* data, std::size_t size)
    {
        m_bytes.append(static_cast<const char*>(data), size);
        return *this;
    }

    const std::string& Bytes() const { return m_bytes; }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

inline void WriteFileBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), qint64(bytes.size()));
}

inline QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A CString file name for a path in the test folder.
inline CString PathIn(const QTemporaryDir& dir, const char* name)
{
    return FromFileSystemPath(dir.filePath(name).toStdString());
}
