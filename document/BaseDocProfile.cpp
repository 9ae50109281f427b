// The defaults a new document takes from the per-user profile: page, print and footer settings,
// string edit options, naming and SQL options, the display word and zoom, and the drawing font.
#include "document/BaseDoc.h"

#include "foundation/AppServices.h"
#include "foundation/RegItemObj.h"
#include "foundation/RegManList.h"
#include "foundation/TextFunctions.h"

#include <cstring>

namespace {

constexpr WORD PROFILE_FLAGS = REGITEM_PER_USER;

// One profile value through the application's settings store. A value the store could not cache
// (-1) falls back to the default, as does every value while there is no store.
int ReadProfileInt(const char* section, const char* entry, int defaultValue)
{
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    if (!store)
        return defaultValue;
    const int value = store->GetRegInt(section, entry, defaultValue, PROFILE_FLAGS);
    return value == -1 ? defaultValue : value;
}

CString ReadProfileString(const char* section, const char* entry, const char* defaultValue)
{
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    CString value(defaultValue);
    if (store)
        store->GetRegString(value, section, entry, defaultValue, PROFILE_FLAGS);
    return value;
}

WORD ReadProfileWord(const char* section, const char* entry, WORD defaultValue)
{
    return WORD(ReadProfileInt(section, entry, defaultValue));
}

DWORD ReadProfileDword(const char* section, const char* entry, DWORD defaultValue)
{
    return DWORD(ReadProfileInt(section, entry, int(defaultValue)));
}

BYTE ReadProfileByte(const char* section, const char* entry, BYTE defaultValue)
{
    return BYTE(ReadProfileInt(section, entry, defaultValue));
}

} // namespace

namespace objectfont {

// The drawing font new documents take, one profile key a member, read in this order.
constexpr const char* kSection = "FontForObject";
constexpr const char* kFaceEntry = "FontFaceName";

struct LongKey
{
    const char* entry;
    LONG LOGFONT::*member;
    int defaultValue;
};

struct ByteKey
{
    const char* entry;
    BYTE LOGFONT::*member;
    BYTE defaultValue;
};

constexpr LongKey kLongKeys[] = {
    {"FontHeight", &LOGFONT::lfHeight, -10},       {"FontWidth", &LOGFONT::lfWidth, 0},
    {"FontEscapement", &LOGFONT::lfEscapement, 0}, {"FontOrientation", &LOGFONT::lfOrientation, 0},
    {"FontWeight", &LOGFONT::lfWeight, 400},
};

constexpr ByteKey kByteKeys[] = {
    {"FontItalic", &LOGFONT::lfItalic, 0},
    {"FontUnderline", &LOGFONT::lfUnderline, 0},
    {"FontStrikeOut", &LOGFONT::lfStrikeOut, 0},
    {"FontCharSet", &LOGFONT::lfCharSet, 128},
    {"FontOutPrecision", &LOGFONT::lfOutPrecision, 3},
    {"FontClipPrecision", &LOGFONT::lfClipPrecision, 2},
    {"FontQuality", &LOGFONT::lfQuality, 1},
    {"FontPitchAndFamily", &LOGFONT::lfPitchAndFamily, 0x34},
};

} // namespace objectfont

void CBaseDoc::LoadProfileSettings()
{
    m_nPagesAcross = 1;
    m_nPagesDown = 1;
    m_strAuthor.Empty();
    m_strUpdater.Empty();
    m_strTitle.Empty();
    m_strRemarks.Empty();
    m_timeCreated = CTime::GetCurrentTime();
    m_timeUpdated = m_timeCreated;

    const char* page = "Document Page";
    m_wPaperID = ReadProfileWord(page, "PaperID", 1);
    m_dwPrintScale = ReadProfileDword(page, "PrintScale", 100);
    m_nMarginLeft = ReadProfileInt(page, "MarginLeft", 150);
    m_nMarginTop = ReadProfileInt(page, "MarginTop", 150);
    m_nMarginRight = ReadProfileInt(page, "MarginRight", 150);
    m_nMarginBottom = ReadProfileInt(page, "MarginBottom", 150);
    m_wHeaderStyle = ReadProfileWord(page, "HeaderStyle", 2);
    m_wPageNumStyle = ReadProfileWord(page, "PageNumStyle", 1);
    m_wPageNumPos = ReadProfileWord(page, "PageNumPos", 2);
    m_bPageNumInMargin = ReadProfileDword(page, "PageNumInMargin", 1);
    m_dwEditFlgs = ReadProfileDword(page, "EditFlgs", 0);
    NormalizePageSettings();

    const char* impl = "ImplOpt";
    m_dwImplCreateNameTableOpt = ReadProfileDword(impl, "ImplCreateNameTableOpt", 0x111);
    m_dwImplCreateNameIndexPrimaryOpt = ReadProfileDword(impl, "ImplCreateNameIndexPrimaryOpt", 0x1211);
    m_dwImplCreateNameColumnOpt = ReadProfileDword(impl, "ImplCreateNameColumnOpt", 0x11);

    const char* ddl = "DdlOptCreate";
    m_dwDdlOptTable = ReadProfileDword(ddl, "DdlOptTable", 0x2012121);
    m_dwDdlOptColumn = ReadProfileDword(ddl, "DdlOptColumn", 0x50012);
    m_strTableNamePrefix = ReadProfileString(ddl, "TableNamePrefix", "T_");
    m_strPrimaryKeyNamePrefix = ReadProfileString(ddl, "PrimaryKeyNamePrefix", "XPK_");
    m_strPrimaryKeyNameSuffix = ReadProfileString(ddl, "PrimaryKeyNameSuffix", "_XPK");

    const char* view = "InitialViewState";
    m_dwDrawOpt = ReadProfileDword(view, "DrawOpt", 0x2610000);
    m_dwScale = ReadProfileDword(view, "Scale", 100);

    LoadObjectFont();
    m_wNextObjectId = 1;
}

void CBaseDoc::LoadObjectFont()
{
    ReadObjectFontProfile(m_lfDrawingFont);
}

void CBaseDoc::ReadObjectFontProfile(LOGFONT& font)
{
    using namespace objectfont;
    for (const LongKey& key : kLongKeys)
        font.*key.member = ReadProfileInt(kSection, key.entry, key.defaultValue);
    for (const ByteKey& key : kByteKeys)
        font.*key.member = ReadProfileByte(kSection, key.entry, key.defaultValue);
    const CString defaultFace(u8"ＭＳ Ｐゴシック");
    CopyFaceName(font.lfFaceName, ReadProfileString(kSection, kFaceEntry, defaultFace));
}

BOOL CBaseDoc::WriteObjectFontProfile(const LOGFONT& font)
{
    using namespace objectfont;
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    if (!store)
        return FALSE;
    BOOL written = TRUE;
    for (const LongKey& key : kLongKeys)
        written &= store->SetRegInt(kSection, key.entry, int(font.*key.member), REGITEM_INT | PROFILE_FLAGS);
    for (const ByteKey& key : kByteKeys)
        written &= store->SetRegInt(kSection, key.entry, font.*key.member, REGITEM_INT | PROFILE_FLAGS);
    const CString face(font.lfFaceName, int(strnlen(font.lfFaceName, LF_FACESIZE)));
    written &= store->SetRegString(kSection, kFaceEntry, face, REGITEM_STRING | PROFILE_FLAGS);
    return written;
}
