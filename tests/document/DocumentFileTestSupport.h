// Helpers for the document-file tests: a private folder, an application that records the loaded
// version and the read-only request, and a main window that records the read-only notices.
#pragma once

#include "tests/document/DocumentTestSupport.h"
#include "tests/support/LeakCheck.h"

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
