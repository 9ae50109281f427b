// A stand-in for the application object in tests below the shell: it owns a settings store and a
// palette and registers itself while it lives.
#pragma once

#include "foundation/AppServices.h"
#include "foundation/ColorItemList.h"
#include "foundation/RegManList.h"

class TestAppServices : public AppServices
{
public:
    TestAppServices() : m_previous(SetAppServices(this))
    {
        m_osVersion.dwPlatformId = VER_PLATFORM_WIN32_NT;
        m_osVersion.dwMajorVersion = 6;
        m_osVersion.dwMinorVersion = 1;
    }
    ~TestAppServices() override { SetAppServices(m_previous); }
    TestAppServices(const TestAppServices&) = delete;
    TestAppServices& operator=(const TestAppServices&) = delete;

    CRegManList* GetRegManList() override { return &m_regManList; }
    CColorItemList* GetColorItemList() override { return &m_colorItemList; }
    WORD GetLoadedDocVersion() const override { return m_loadedDocVersion; }
    void SetLoadedDocVersion(WORD version) override { m_loadedDocVersion = version; }
    const OSVERSIONINFO& GetOsVersionInfo() const override { return m_osVersion; }
    UINT GetLastObjectCommand() const override { return m_lastObjectCommand; }
    void SetLastObjectCommand(UINT command) override { m_lastObjectCommand = command; }

    OSVERSIONINFO m_osVersion;

private:
    AppServices* m_previous;
    CRegManList m_regManList;
    CColorItemList m_colorItemList;
    WORD m_loadedDocVersion = 0;
    UINT m_lastObjectCommand = ID_OBJ_FILE_DIALOG;
};
