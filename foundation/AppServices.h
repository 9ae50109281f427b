// What the drawing foundation and the layers above it need of the application object, which lives
// higher up (shell). The application registers itself here; tests register a small stand-in.
#pragma once

#include "foundation/CommandIds.h"
#include "foundation/ServiceSlot.h"
#include "platform/afx/OsVersionInfo.h"
#include "platform/afx/WinTypes.h"

class CRegManList;
class CColorItemList;

class AppServices
{
public:
    virtual ~AppServices() = default;

    // The one settings store; null before start-up has built it and after shutdown.
    virtual CRegManList* GetRegManList() = 0;
    // The one colour palette, held for the whole run and never null.
    virtual CColorItemList* GetColorItemList() = 0;
    // The version word of the document stream being read.
    virtual WORD GetLoadedDocVersion() const = 0;
    virtual void SetLoadedDocVersion(WORD version) = 0;
    // The operating-system version recorded at start-up.
    virtual const OSVERSIONINFO& GetOsVersionInfo() const = 0;
    // The conceptual file's dialog command that ran last (its dialog or its data items dialog),
    // which Enter on a conceptual file repeats; shared by every view for the whole run.
    virtual UINT GetLastObjectCommand() const { return ID_OBJ_FILE_DIALOG; }
    virtual void SetLastObjectCommand(UINT /*command*/) {}
};

// The registered application, or null; registering returns the one it replaces.
constexpr auto GetAppServices = &ServiceSlot<AppServices>::Get;
constexpr auto SetAppServices = &ServiceSlot<AppServices>::Set;
