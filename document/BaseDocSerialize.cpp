// The document record in the document file, with the version gates by which older files are read.
#include "document/BaseDoc.h"

#include "document/DocumentClasses.h"
#include "document/ModelHooks.h"
#include "document/OleObjectPolicy.h"
#include "foundation/AppServices.h"
#include "foundation/TextFunctions.h"
#include "objects/DrawObjects.h"

#include "platform/afx/Archive.h"
#include "platform/afx/MessageSink.h"


namespace base_doc_serialize {

// The first file version that holds each gated part of the record.
constexpr WORD kFooterStartFrom = 2;
constexpr WORD kDrawingFontFrom = 4;
constexpr WORD kPageNumbersFrom = 7;
constexpr WORD kModesFrom = 11;
constexpr WORD kRefDocsFrom = 12;
constexpr WORD kEditFlgsFrom = 14;
constexpr WORD kItemListFrom = 19;
constexpr WORD kPhysicalOptionsFrom = 1000;
// The versions 22 to 999 were never written by any version of the program that reads them.
constexpr WORD kLastEarlyVersion = 21;

bool CanReadVersion(WORD version)
{
    return version <= kLastEarlyVersion || (version >= kPhysicalOptionsFrom && version <= DOCUMENT_FILE_VERSION);
}

// A date that the file does not hold: what a damaged date loads as. It is stored as six zero
// words, so a file's empty date stays empty however often it is saved.
constexpr CTime kNoDate(std::time_t(-1));

void StoreDate(CArchive& ar, const CTime& time)
{
    if (time == kNoDate) {
        for (int part = 0; part < 6; ++part)
            ar << WORD(0);
        return;
    }
    ar << WORD(time.GetYear()) << WORD(time.GetMonth()) << WORD(time.GetDay()) << WORD(time.GetHour())
       << WORD(time.GetMinute()) << WORD(time.GetSecond());
}

// A date from its six parts in local time; parts out of their ranges, or a day the month does not
// have, make no date.
CTime LoadDate(CArchive& ar)
{
    WORD year, month, day, hour, minute, second;
    ar >> year >> month >> day >> hour >> minute >> second;
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 61)
        return kNoDate;
    const CTime time(year, month, day, hour, minute, second);
    if (time == kNoDate || time.GetYear() != year || time.GetMonth() != month || time.GetDay() != day)
        return kNoDate;
    return time;
}

// A 16-bit flag or number of the file held in a 32-bit field.
DWORD LoadWordAsDword(CArchive& ar)
{
    WORD value;
    ar >> value;
    return value;
}

} // namespace base_doc_serialize

void CBaseDoc::Serialize(CArchive& ar)
{
    using namespace base_doc_serialize;
    if (ar.IsStoring()) {
        ClearUndoBuffer();
        m_wFileVersion = DOCUMENT_FILE_VERSION;
        StoreRecord(ar);
        return;
    }
    RegisterDocumentClasses();
    WORD version;
    ar >> version;
    if (!CanReadVersion(version)) {
        AfxMessageBox(CString(u8"このﾊﾞｰｼﾞｮﾝでは読込めないﾌｧｲﾙ形式です。新しいﾊﾞｰｼﾞｮﾝのZivraから開いてください。"),
                      MB_OK | MB_ICONSTOP);
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    }
    if (AppServices* app = GetAppServices())
        app->SetLoadedDocVersion(version);
    m_wFileVersion = version;
    LoadRecord(ar, version);
    if (NeedsOldFileConversion())
        ConvertOldFileObjects();
}

void CBaseDoc::StoreRecord(CArchive& ar)
{
    using namespace base_doc_serialize;
    ar << m_wFileVersion << m_strAuthor << m_strUpdater;
    StoreDate(ar, m_timeCreated);
    StoreDate(ar, m_timeUpdated);
    ar << m_strTitle << m_strRemarks << m_wPaperID << m_nPagesAcross << m_nPagesDown;
    // The print scale has only ever been stored in 16 bits.
    ar << WORD(m_dwPrintScale);
    ar << m_nMarginLeft << m_nMarginTop << m_nMarginRight << m_nMarginBottom;
    ar << m_wFooterStartPage << m_wNextObjectId;
    SerializeDrawingFont(ar);
    ar << m_wHeaderStyle << WORD(m_bAutoTotalPages) << m_wUserTotalPages << m_wPageNumStyle << m_wPageNumPos
       << WORD(m_bPageNumInMargin);
    ar << m_wTitleItemId << WORD(m_bTitleShown);
    ar << m_wAuthorValueId << m_wAuthorLabelId << WORD(m_bAuthorShown);
    ar << m_wUpdaterValueId << m_wUpdaterLabelId << WORD(m_bUpdaterShown);
    ar << m_wCreatedValueId << m_wCreatedLabelId << WORD(m_bCreatedShown);
    ar << m_wUpdatedValueId << m_wUpdatedLabelId << WORD(m_bUpdatedShown);
    ar << m_wRemarksItemId << WORD(m_bRemarksShown);
    ar << m_wUpdateRightMode << m_wSecondMode << m_strModeText1 << m_strModeText2;
    m_refDocList.Serialize(ar);
    ar << m_dwEditFlgs;
    ar << m_dwImplCreateNameTableOpt << m_dwImplCreateNameIndexPrimaryOpt << m_dwImplCreateNameColumnOpt
       << m_dwDdlOptTable << m_dwDdlOptColumn;
    ar << m_strTableNamePrefix << m_strPrimaryKeyNamePrefix << m_strPrimaryKeyNameSuffix << m_strTableTablespace
       << m_strIndexTablespace;
    ar << m_dwDrawOpt << m_dwScale;
    SerializeObjectList(ar);
    OleObjectPolicy::SerializeItemList(ar);
}

// Fields absent from an older file keep the values a new document has: the fixed defaults set in
// the constructor and the profile's defaults.
void CBaseDoc::LoadRecord(CArchive& ar, WORD version)
{
    using namespace base_doc_serialize;
    ar >> m_strAuthor >> m_strUpdater;
    m_timeCreated = LoadDate(ar);
    m_timeUpdated = LoadDate(ar);
    ar >> m_strTitle >> m_strRemarks >> m_wPaperID >> m_nPagesAcross >> m_nPagesDown;
    m_dwPrintScale = LoadWordAsDword(ar);
    ar >> m_nMarginLeft >> m_nMarginTop >> m_nMarginRight >> m_nMarginBottom;
    m_wFooterStartPage = 1;
    if (version >= kFooterStartFrom)
        ar >> m_wFooterStartPage;
    ar >> m_wNextObjectId;
    if (version >= kDrawingFontFrom)
        SerializeDrawingFont(ar);
    if (version >= kPageNumbersFrom) {
        ar >> m_wHeaderStyle;
        m_bAutoTotalPages = LoadWordAsDword(ar);
        ar >> m_wUserTotalPages >> m_wPageNumStyle >> m_wPageNumPos;
        m_bPageNumInMargin = LoadWordAsDword(ar);
        ar >> m_wTitleItemId;
        m_bTitleShown = LoadWordAsDword(ar);
        ar >> m_wAuthorValueId >> m_wAuthorLabelId;
        m_bAuthorShown = LoadWordAsDword(ar);
        ar >> m_wUpdaterValueId >> m_wUpdaterLabelId;
        m_bUpdaterShown = LoadWordAsDword(ar);
        ar >> m_wCreatedValueId >> m_wCreatedLabelId;
        m_bCreatedShown = LoadWordAsDword(ar);
        ar >> m_wUpdatedValueId >> m_wUpdatedLabelId;
        m_bUpdatedShown = LoadWordAsDword(ar);
        ar >> m_wRemarksItemId;
        m_bRemarksShown = LoadWordAsDword(ar);
    } else {
        m_wHeaderStyle = 2;
        m_bAutoTotalPages = 1;
        m_wUserTotalPages = 0;
        m_wPageNumStyle = 1;
        m_wPageNumPos = 2;
        m_bPageNumInMargin = 1;
        m_wTitleItemId = m_wAuthorValueId = m_wAuthorLabelId = m_wUpdaterValueId = m_wUpdaterLabelId = 0;
        m_wCreatedValueId = m_wCreatedLabelId = m_wUpdatedValueId = m_wUpdatedLabelId = m_wRemarksItemId = 0;
        m_bTitleShown = m_bAuthorShown = m_bUpdaterShown = m_bCreatedShown = m_bUpdatedShown = m_bRemarksShown = 0;
    }
    m_wUpdateRightMode = 2;
    m_wSecondMode = 2;
    m_strModeText1.Empty();
    m_strModeText2.Empty();
    if (version >= kModesFrom)
        ar >> m_wUpdateRightMode >> m_wSecondMode >> m_strModeText1 >> m_strModeText2;
    m_refDocList.DeleteAll();
    if (version >= kRefDocsFrom)
        m_refDocList.Serialize(ar);
    if (version >= kEditFlgsFrom)
        ar >> m_dwEditFlgs;
    if (version >= kPhysicalOptionsFrom) {
        ar >> m_dwImplCreateNameTableOpt >> m_dwImplCreateNameIndexPrimaryOpt >> m_dwImplCreateNameColumnOpt >>
            m_dwDdlOptTable >> m_dwDdlOptColumn;
        ar >> m_strTableNamePrefix >> m_strPrimaryKeyNamePrefix >> m_strPrimaryKeyNameSuffix >> m_strTableTablespace >>
            m_strIndexTablespace;
        ar >> m_dwDrawOpt >> m_dwScale;
    }
    // A damaged page layout is brought into the ranges every page computation relies on.
    NormalizePageSettings();
    SerializeObjectList(ar);
    if (version >= kItemListFrom)
        OleObjectPolicy::SerializeItemList(ar);
    NormalizePageCounts();
}

void CBaseDoc::SerializeDrawingFont(CArchive& ar)
{
    LOGFONT& font = m_lfDrawingFont;
    if (ar.IsStoring()) {
        ar << LONG(font.lfHeight) << LONG(font.lfWidth) << LONG(font.lfEscapement) << LONG(font.lfOrientation)
           << LONG(font.lfWeight);
        ar << font.lfItalic << font.lfUnderline << font.lfStrikeOut << font.lfCharSet << font.lfOutPrecision
           << font.lfClipPrecision << font.lfQuality << font.lfPitchAndFamily;
        ar << CString(font.lfFaceName);
        return;
    }
    LONG height, width, escapement, orientation, weight;
    ar >> height >> width >> escapement >> orientation >> weight;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    ar >> font.lfItalic >> font.lfUnderline >> font.lfStrikeOut >> font.lfCharSet >> font.lfOutPrecision >>
        font.lfClipPrecision >> font.lfQuality >> font.lfPitchAndFamily;
    CString faceName;
    ar >> faceName;
    CopyFaceName(font.lfFaceName, faceName);
}

void CBaseDoc::SerializeObjectList(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_objects.Serialize(ar);
        return;
    }
    DropFollowIndex();
    SetModelCache(nullptr);
    DrawObjects::ReadObjectList(ar, m_objects);
}

BOOL CBaseDoc::ConvertOldFileObjects()
{
    DocumentModelHooks* model = GetDocumentModelHooks();
    if (!model)
        return TRUE;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;)
        model->ConvertOldFileObject(this, m_objects.GetNext(pos));
    return TRUE;
}
