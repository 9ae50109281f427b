// The application object: it owns the settings store, the colour palette, the operating-system
// version record and the version word of the document being loaded, and offers them to the lower
// layers through AppServices.
#pragma once

#include "foundation/AppServices.h"
#include "foundation/ColorItemList.h"
#include "foundation/RegManList.h"

#include <memory>

class CZivraApp : public AppServices
{
public:
    // The one application: registers itself as such and as the lower layers' AppServices.
    CZivraApp();
    ~CZivraApp() override;
    CZivraApp(const CZivraApp&) = delete;
    CZivraApp& operator=(const CZivraApp&) = delete;

    // The one application object, or null when there is none.
    static CZivraApp* GetApp();

    // Start-up: sets the profile's registry key and builds the settings store.
    void CreateSettingsStore();
    // Start-up: reads the palette, or creates and writes the 16 defaults when the profile holds
    // none. FALSE only when the defaults cannot be created.
    BOOL LoadColorPalette();
    // Shutdown: writes the palette and deletes the settings store, which writes its changes back.
    virtual int ExitInstance();

    CRegManList* GetRegManList() override { return m_pRegManList.get(); }
    CColorItemList* GetColorItemList() override { return &m_colorItemList; }
    WORD GetLoadedDocVersion() const override { return m_wLoadedDocVersion; }
    void SetLoadedDocVersion(WORD version) override { m_wLoadedDocVersion = version; }
    const OSVERSIONINFO& GetOsVersionInfo() const override { return m_osVersion; }

private:
    static CZivraApp*& Instance();
    void RecordOsVersion();

    std::unique_ptr<CRegManList> m_pRegManList;
    CColorItemList m_colorItemList;
    WORD m_wLoadedDocVersion = 0;
    OSVERSIONINFO m_osVersion;
};
