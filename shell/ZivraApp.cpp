#include "shell/ZivraApp.h"

#include "platform/profile/Profile.h"

#include <cassert>

CZivraApp::CZivraApp()
{
    assert(!Instance());
    Instance() = this;
    SetAppServices(this);
    RecordOsVersion();
}

CZivraApp::~CZivraApp()
{
    if (GetAppServices() == this)
        SetAppServices(nullptr);
    Instance() = nullptr;
}

CZivraApp*& CZivraApp::Instance()
{
    static CZivraApp* instance = nullptr;
    return instance;
}

CZivraApp* CZivraApp::GetApp()
{
    return Instance();
}

// The system's code takes the NT branches of its version tests; this is the version it expects there.
void CZivraApp::RecordOsVersion()
{
    m_osVersion = OSVERSIONINFO{};
    m_osVersion.dwPlatformId = VER_PLATFORM_WIN32_NT;
    m_osVersion.dwMajorVersion = 6;
    m_osVersion.dwMinorVersion = 1;
    m_osVersion.dwBuildNumber = 7601;
}

void CZivraApp::CreateSettingsStore()
{
    Profile::SetRegistryKey("Orlek");
    m_pRegManList = std::make_unique<CRegManList>();
}

BOOL CZivraApp::LoadColorPalette()
{
    if (m_colorItemList.ReadColorItemsFromReg() != 0)
        return TRUE;
    if (m_colorItemList.CreateDefaultColorItems() < 0)
        return FALSE;
    m_colorItemList.WriteColorItemsToReg();
    return TRUE;
}

int CZivraApp::ExitInstance()
{
    m_colorItemList.WriteColorItemsToReg();
    m_pRegManList.reset();
    return 0;
}
