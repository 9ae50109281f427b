#include "tests/document/DocumentFileTestSupport.h"
#include "tests/document/DocumentRecordBytes.h"
#include "tests/platform/storage/CompoundDirectoryBytes.h"

#include "tests/support/MessageScript.h"

#include "document/ModelHooks.h"
#include "document/RefDoc.h"
#include "foundation/TextFunctions.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"
#include "platform/storage/CompoundFileReader.h"
#include "platform/storage/DocumentFile.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

// A rectangle that notes the loaded document version at the moment it is read.
class CVersionProbe : public CRectObj
{
    DECLARE_SERIAL(CVersionProbe)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            s_seenVersion = GetAppServices()->GetLoadedDocVersion();
        CRectObj::Serialize(ar);
    }
    static inline WORD s_seenVersion = 0;
};
IMPLEMENT_SERIAL(CVersionProbe, CRectObj, 1)

namespace {

const std::string kInvalidFormat = "予期しないファイル形式です。";
const std::string kNewerVersion = "このﾊﾞｰｼﾞｮﾝでは読込めないﾌｧｲﾙ形式です。新しいﾊﾞｰｼﾞｮﾝのZivraから開いてください。";
const std::string kEmbedded = "この構造図には、このシステムで扱えない埋め込みオブジェクトが含まれています。";

// A document whose every stored field a test can set and read.
class FieldDoc : public TestDoc
{
public:
    using CBaseDoc::m_bAutoTotalPages;
    using CBaseDoc::m_bPageNumInMargin;
    using CBaseDoc::m_bTitleShown;
    using CBaseDoc::m_dwDrawOpt;
    using CBaseDoc::m_dwEditFlgs;
    using CBaseDoc::m_dwScale;
    using CBaseDoc::m_lfDrawingFont;
    using CBaseDoc::m_strModeText1;
    using CBaseDoc::m_strModeText2;
    using CBaseDoc::m_strTableNamePrefix;
    using CBaseDoc::m_wFooterStartPage;
    using CBaseDoc::m_wHeaderStyle;
    using CBaseDoc::m_wPageNumPos;
    using CBaseDoc::m_wPageNumStyle;
    using CBaseDoc::m_wSecondMode;
    using CBaseDoc::m_wTitleItemId;
    using CBaseDoc::m_wUpdateRightMode;
    using CBaseDoc::m_wUserTotalPages;

    // Distinct values in every field of the record, none of them a default.
    void FillEveryField()
    {
        m_strAuthor = CString(u8"作成者 甲");
        m_strUpdater = CString(u8"更新者 乙");
        m_timeCreated = CTime(2003, 4, 5, 6, 7, 8);
        m_timeUpdated = CTime(2004, 5, 6, 7, 8, 9);
        m_strTitle = CString(u8"表題ﾃｽﾄ");
        m_strRemarks = CString(u8"備考\r\n二行目");
        m_wPaperID = 4;
        m_nPagesAcross = 3;
        m_nPagesDown = 2;
        m_dwPrintScale = 75;
        m_nMarginLeft = 101;
        m_nMarginTop = 102;
        m_nMarginRight = 103;
        m_nMarginBottom = 104;
        m_wFooterStartPage = 7;
        m_bAutoTotalPages = 0;
        m_wUserTotalPages = 12;
        m_wPageNumStyle = 3;
        m_wPageNumPos = 1;
        m_bPageNumInMargin = 0;
        m_wHeaderStyle = 1;
        WORD id = 0xFF01;
        for (WORD* field :
             {&m_wTitleItemId, &m_wAuthorValueId, &m_wAuthorLabelId, &m_wUpdaterValueId, &m_wUpdaterLabelId,
              &m_wCreatedValueId, &m_wCreatedLabelId, &m_wUpdatedValueId, &m_wUpdatedLabelId, &m_wRemarksItemId})
            *field = id++;
        m_bTitleShown = 1;
        m_bAuthorShown = 0;
        m_bUpdaterShown = 1;
        m_bCreatedShown = 0;
        m_bUpdatedShown = 1;
        m_bRemarksShown = 1;
        m_lfDrawingFont = LOGFONT{-13, 2, 3, 4, 700, 1, 1, 0, 128, 3, 2, 1, 0x31, {}};
        CopyFaceName(m_lfDrawingFont.lfFaceName, CString(u8"ＭＳ 明朝"));
        m_wUpdateRightMode = 0;
        m_wSecondMode = 5;
        m_strModeText1 = CString(u8"保存だけされる一");
        m_strModeText2 = CString(u8"保存だけされる二");
        m_refDocList.AddTail(new CRefDoc(3, CString("/nowhere/a.zvr"), CString(u8"参照先")));
        m_dwEditFlgs = 0x15;
        m_dwImplCreateNameTableOpt = 1;
        m_dwImplCreateNameIndexPrimaryOpt = 2;
        m_dwImplCreateNameColumnOpt = 3;
        m_dwDdlOptTable = 4;
        m_dwDdlOptColumn = 5;
        m_strTableNamePrefix = "TB_";
        m_strPrimaryKeyNamePrefix = "PK_";
        m_strPrimaryKeyNameSuffix = "_K";
        m_strTableTablespace = "TS1";
        m_strIndexTablespace = "TS2";
        m_dwDrawOpt = 0x2010000;
        m_dwScale = 150;
    }

    // Every field of the record as text, for comparison.
    std::string Dump() const
    {
        std::ostringstream out;
        const auto text = [](const CString& s) { return Utf8(s); };
        out << m_wFileVersion << '|' << text(m_strAuthor) << '|' << text(m_strUpdater) << '|' << m_timeCreated.GetTime()
            << '|' << m_timeUpdated.GetTime() << '|' << text(m_strTitle) << '|' << text(m_strRemarks) << '|'
            << m_wPaperID << ',' << m_nPagesAcross << ',' << m_nPagesDown << ',' << m_dwPrintScale << ','
            << m_nMarginLeft << ',' << m_nMarginTop << ',' << m_nMarginRight << ',' << m_nMarginBottom << '|'
            << m_wFooterStartPage << ',' << m_bAutoTotalPages << ',' << m_wUserTotalPages << ',' << m_wPageNumStyle
            << ',' << m_wPageNumPos << ',' << m_bPageNumInMargin << ',' << m_wHeaderStyle << '|';
        for (DWORD v : {DWORD(m_wTitleItemId), m_bTitleShown, DWORD(m_wAuthorValueId), DWORD(m_wAuthorLabelId),
                        m_bAuthorShown, DWORD(m_wUpdaterValueId), DWORD(m_wUpdaterLabelId), m_bUpdaterShown,
                        DWORD(m_wCreatedValueId), DWORD(m_wCreatedLabelId), m_bCreatedShown, DWORD(m_wUpdatedValueId),
                        DWORD(m_wUpdatedLabelId), m_bUpdatedShown, DWORD(m_wRemarksItemId), m_bRemarksShown})
            out << v << ',';
        const LOGFONT& f = m_lfDrawingFont;
        out << '|' << m_wNextObjectId << '|' << f.lfHeight << ',' << f.lfWidth << ',' << f.lfEscapement << ','
            << f.lfOrientation << ',' << f.lfWeight << ',' << int(f.lfItalic) << ',' << int(f.lfUnderline) << ','
            << int(f.lfStrikeOut) << ',' << int(f.lfCharSet) << ',' << int(f.lfOutPrecision) << ','
            << int(f.lfClipPrecision) << ',' << int(f.lfQuality) << ',' << int(f.lfPitchAndFamily) << ','
            << text(CString(f.lfFaceName)) << '|' << m_wUpdateRightMode << ',' << m_wSecondMode << ','
            << text(m_strModeText1) << ',' << text(m_strModeText2) << '|';
        for (POSITION pos = m_refDocList.GetHeadPosition(); pos;) {
            const CRefDoc* entry = m_refDocList.GetNextRefDoc(pos);
            out << entry->GetNumber() << ':' << text(entry->GetPath()) << ':' << text(entry->GetTitle()) << ';';
        }
        out << '|' << m_dwEditFlgs << ',' << m_dwImplCreateNameTableOpt << ',' << m_dwImplCreateNameIndexPrimaryOpt
            << ',' << m_dwImplCreateNameColumnOpt << ',' << m_dwDdlOptTable << ',' << m_dwDdlOptColumn << ','
            << text(m_strTableNamePrefix) << ',' << text(m_strPrimaryKeyNamePrefix) << ','
            << text(m_strPrimaryKeyNameSuffix) << ',' << text(m_strTableTablespace) << ',' << text(m_strIndexTablespace)
            << '|' << m_dwDrawOpt << ',' << m_dwScale << '|';
        for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
            const CObject* object = m_objects.GetNext(pos);
            if (const CPolyObj* line = DrawObjects::AsLineObject(object)) {
                out << "CPolyObj" << line->GetObjectId() << '[' << line->GetPenStyle() << ',' << line->GetPenColor()
                    << ',' << line->GetPenWidth() << ',' << line->GetMark(LINEEND_START) << ','
                    << line->GetMark(LINEEND_END) << ',' << line->GetFlags() << ',' << line->GetFillColor() << ','
                    << line->GetFillMode() << ',' << line->GetStartObjectId() << ',' << line->GetEndObjectId() << ','
                    << line->GetHideDefine() << ',' << line->GetCanDelete() << ']';
                for (const CPoint& p : line->GetPointArray())
                    out << '(' << p.x << ',' << p.y << ')';
                out << ';';
                continue;
            }
            const auto* box = static_cast<const CBaseObj*>(object);
            const CRect r = box->GetRect();
            out << box->GetRuntimeClass()->m_lpszClassName << box->GetObjectId() << '(' << r.left << ',' << r.top << ','
                << r.right << ',' << r.bottom << ");";
        }
        return out.str();
    }
};

// Counts the old-file conversions the document asks of the model.
class ConversionCounter : public DocumentModelHooks
{
public:
    ConversionCounter() : m_previous(SetDocumentModelHooks(this)) {}
    ~ConversionCounter() override { SetDocumentModelHooks(m_previous); }
    void ClearUpdateMarks(CBaseDoc*) override {}
    BOOL CleanUpRemovedObject(CBaseDoc*, CObject*) override { return FALSE; }
    BOOL ApplyModelCommand(CBaseDoc*, CObject*, UINT, BOOL*) override { return FALSE; }
    void ConvertOldFileObject(CBaseDoc*, CObject*) override { ++m_count; }
    int m_count = 0;

private:
    DocumentModelHooks* m_previous;
};

void LoadRecord(CBaseDoc& doc, const std::string& bytes)
{
    std::string copy = bytes;
    CMemFile file(reinterpret_cast<BYTE*>(copy.data()), UINT(copy.size()));
    CArchive ar(&file, CArchive::load);
    doc.Serialize(ar);
}

} // namespace

class DocumentFileFormat : public ::testing::Test
{
protected:
    // Opens bytes written as a plain (not compound) file.
    BOOL OpenBytes(CBaseDoc& doc, const std::string& bytes)
    {
        const CString path = PathIn(m_dir, "plain.zvr");
        WriteFileBytes(ToQString(path), bytes);
        return doc.OnOpenDocument(path);
    }
    // Opens bytes written as the stream of that name in a compound file.
    BOOL OpenCompound(CBaseDoc& doc, const std::string& bytes, const char* stream = "Contents")
    {
        const CString path = PathIn(m_dir, "compound.zvr");
        DocumentFile().Save(path, [&](CompoundFileWriter& writer) {
            writer.WriteStream(stream, QByteArray::fromStdString(bytes));
        });
        return doc.OnOpenDocument(path);
    }
    static QString ToQString(const CString& path) { return QString::fromStdString(ToFileSystemPath(path)); }

    FileTestApp m_app;
    QTemporaryDir m_dir;
};

TEST_F(DocumentFileFormat, SaveAsWritesACompoundFileThatReopensWithEveryField)
{
    const CString path = PathIn(m_dir, "全部.zvr");
    std::string saved;
    {
        FieldDoc original;
        original.FillEveryField();
        AddRect(original, CRect(10, -20, 300, -400));
        AddRect(original, CRect(-50, -60, 70, -80));
        CPolyObj* line = AddLine(original, {CPoint(10, -20), CPoint(300, -20), CPoint(300, -400)});
        line->SetPenStyle(PS_DASH);
        line->SetPenColor(0x123456);
        line->SetMark(LINEEND_START, MARK_DIAMOND);
        line->SetMark(LINEEND_END, MARK_CIRCLE_DOUBLE_BAR);
        line->SetFilledMark(LINEEND_END);
        line->SetClosed(TRUE);
        line->SetFillColor(0x00FF00);
        line->SetFillMode(WINDING);
        line->SetStartObjectId(1);
        line->SetEndObjectId(2);
        line->SetHideDefine(FALSE);
        AddLine(original, {CPoint(0, 0), CPoint(5, -5)});
        ASSERT_TRUE(original.OnSaveDocument(path));
        EXPECT_FALSE(original.CanUndo()); // every save empties the undo log
        saved = original.Dump();
    } // closing it lets go of the file

    const QByteArray bytes = ReadFileBytes(ToQString(path));
    EXPECT_EQ(bytes.left(8).toHex(), QByteArray("d0cf11e0a1b11ae1"));
    if (QProcess::execute("/usr/bin/python3", {"-c", "import olefile"}) == 0) {
        QProcess lister;
        lister.start("/usr/bin/python3",
                     {"-c", "import olefile,sys; print(olefile.OleFileIO(sys.argv[1]).listdir())", ToQString(path)});
        ASSERT_TRUE(lister.waitForFinished());
        EXPECT_TRUE(lister.readAllStandardOutput().contains("['Contents']"));
    }

    FieldDoc reopened;
    MessageScript script; // the reference to a missing diagram is reported, not a failure of the open
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(reopened.Dump(), saved);
    EXPECT_EQ(reopened.GetFileVersion(), 1001);
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_FALSE(reopened.IsReadOnly());
}

TEST_F(DocumentFileFormat, EachVersionReadsItsGatedFieldsAndDefaultsTheRest)
{
    FieldDoc fresh;
    for (WORD version : {0, 1, 2, 4, 6, 7, 10, 11, 12, 13, 14, 18, 19, 21, 1000, 1001}) {
        SCOPED_TRACE(version);
        ConversionCounter conversions;
        FieldDoc doc;
        LoadRecord(doc, DocumentRecord(version, {"CVersionProbe", true, 2}));
        EXPECT_EQ(m_app.m_loadedVersion, version);
        EXPECT_EQ(CVersionProbe::s_seenVersion, version);
        EXPECT_EQ(doc.GetFileVersion(), version);
        EXPECT_EQ(DrawingOrder(doc), std::vector<WORD>({1, 2}));
        EXPECT_EQ(doc.GetNextObjectId(), 40);
        EXPECT_EQ(conversions.m_count, version < 1001 ? 2 : 0);

        EXPECT_EQ(doc.m_wFooterStartPage, version >= 2 ? 5 : 1);
        EXPECT_EQ(doc.m_lfDrawingFont.lfWeight, version >= 4 ? 700 : fresh.m_lfDrawingFont.lfWeight);
        EXPECT_STREQ(doc.m_lfDrawingFont.lfFaceName, version >= 4 ? "IPAGothic" : fresh.m_lfDrawingFont.lfFaceName);
        const bool pages = version >= 7;
        EXPECT_EQ(doc.m_wHeaderStyle, pages ? 1 : 2);
        EXPECT_EQ(doc.m_bAutoTotalPages, pages ? 0u : 1u);
        EXPECT_EQ(doc.m_wUserTotalPages, pages ? 9 : 0);
        EXPECT_EQ(doc.m_wPageNumStyle, pages ? 3 : 1);
        EXPECT_EQ(doc.m_wPageNumPos, pages ? 4 : 2);
        EXPECT_EQ(doc.m_bPageNumInMargin, pages ? 0u : 1u);
        EXPECT_EQ(doc.m_wTitleItemId, pages ? 0xFF01 : 0);
        EXPECT_EQ(doc.m_bTitleShown, pages ? 1u : 0u);
        const bool modes = version >= 11;
        EXPECT_EQ(doc.m_wUpdateRightMode, modes ? 0 : 2);
        EXPECT_EQ(doc.m_wSecondMode, modes ? 7 : 2);
        EXPECT_EQ(Utf8(doc.m_strModeText1), modes ? "甲" : "");
        EXPECT_EQ(Utf8(doc.m_strModeText2), modes ? "乙" : "");
        EXPECT_EQ(doc.GetRefDocList()->GetCount(), version >= 12 ? 1 : 0);
        EXPECT_EQ(doc.m_dwEditFlgs, version >= 14 ? 0x55u : fresh.m_dwEditFlgs);
        const bool physical = version >= 1000;
        EXPECT_EQ(doc.m_dwDrawOpt, physical ? 0x1234u : fresh.m_dwDrawOpt);
        EXPECT_EQ(doc.m_dwScale, physical ? 150u : fresh.m_dwScale);
        EXPECT_EQ(Utf8(doc.m_strTableNamePrefix), physical ? "TB_" : Utf8(fresh.m_strTableNamePrefix));
    }
}

TEST_F(DocumentFileFormat, NewerAndUnknownVersionsAreRefused)
{
    // Only a compound file can come from a newer program: a plain file whose first word would be
    // a newer version is not a document, and is not sent to a newer version.
    const struct
    {
        WORD version;
        bool compound;
        bool newer;
    } cases[] = {{22, false, true},    {999, false, true},   {1002, true, true},
                 {0xFFFF, true, true}, {1002, false, false}, {0xFFFF, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << (c.compound ? " compound" : " plain"));
        FieldDoc doc;
        MessageScript script;
        EXPECT_FALSE(c.compound ? OpenCompound(doc, DocumentRecord(c.version))
                                : OpenBytes(doc, DocumentRecord(c.version)));
        EXPECT_EQ(script.Texts(), c.newer ? std::vector<std::string>({kNewerVersion, kInvalidFormat})
                                          : std::vector<std::string>({kInvalidFormat}));
        if (c.newer) {
            EXPECT_EQ(script.Messages()[0].type, UINT(MB_OK | MB_ICONSTOP));
        }
        EXPECT_TRUE(doc.HasNoObjects());
    }
}

// The format compares entry names without regard to case.
TEST_F(DocumentFileFormat, TheStreamIsFoundWhateverTheCaseOfItsName)
{
    for (const char* name : {"CONTENTS", "contents"}) {
        SCOPED_TRACE(name);
        FieldDoc doc;
        MessageScript script; // the referenced diagram is missing
        ASSERT_TRUE(OpenCompound(doc, DocumentRecord(1001), name));
        EXPECT_EQ(DrawingOrder(doc), std::vector<WORD>({1, 2}));
    }
}

// Sparse 2 GB files: zeros read as a plain archive whose record ends long before the file does,
// and zeros after the compound-file signature. Reading either whole took a minute and 4 GB.
TEST_F(DocumentFileFormat, HugeFilesAreRefusedWithoutBeingReadWhole)
{
    for (const bool signature : {false, true}) {
        SCOPED_TRACE(signature);
        const QString path = m_dir.filePath("x.zvr");
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            if (signature)
                file.write("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
            ASSERT_TRUE(file.resize(qint64(2) << 30));
        }
        FieldDoc doc;
        MessageScript script;
        EXPECT_FALSE(doc.OnOpenDocument(PathIn(m_dir, "x.zvr")));
        EXPECT_EQ(script.Texts(), std::vector<std::string>({kInvalidFormat}));
        EXPECT_TRUE(doc.HasNoObjects());
    }
}

// A damaged date loads as no date, which is stored as zeros, so it never turns into another date.
TEST_F(DocumentFileFormat, DamagedDatesLoadAsNoDateAndStayZeroWhenSaved)
{
    const std::string created = DocumentBytes().Date(2001, 2, 3, 4, 5, 6).Bytes();
    const std::string zeros(created.size(), '\0');
    const struct
    {
        const char* name;
        std::string stored;
        std::string saved;
    } cases[] = {
        // clang-format off
        {"zero", zeros, zeros},
        {"month 13", DocumentBytes().Date(2001, 13, 3, 4, 5, 6).Bytes(), zeros},
        {"30 February", DocumentBytes().Date(2001, 2, 30, 4, 5, 6).Bytes(), zeros},
        {"hour 24", DocumentBytes().Date(2001, 2, 3, 24, 0, 0).Bytes(), zeros},
        {"valid", created, created},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string record = DocumentRecord(1001);
        const std::size_t at = record.find(created);
        record.replace(at, created.size(), c.stored);
        std::string bytes = record;
        for (int save = 0; save < 2; ++save) {
            FieldDoc doc;
            MessageScript script; // the referenced diagram is missing
            ASSERT_TRUE(save == 0 ? OpenBytes(doc, bytes) : OpenCompound(doc, bytes));
            ASSERT_TRUE(doc.OnSaveDocument(PathIn(m_dir, "dated.zvr")));
            bytes = CompoundFileReader(ReadFileBytes(m_dir.filePath("dated.zvr"))).ReadStream("Contents").toStdString();
            EXPECT_EQ(bytes.substr(at, created.size()), c.saved);
        }
    }
}

TEST_F(DocumentFileFormat, AnOlderFileKeepsItsVersionUntilSaved)
{
    FieldDoc doc;
    ASSERT_TRUE(OpenBytes(doc, DocumentRecord(11)));
    EXPECT_EQ(doc.GetFileVersion(), 11);
    doc.SetPathName(PathIn(m_dir, "plain.zvr"), FALSE);
    ASSERT_TRUE(doc.OnSaveDocument(PathIn(m_dir, "plain.zvr")));
    EXPECT_EQ(doc.GetFileVersion(), 1001);
    EXPECT_TRUE(CompoundFileReader::IsCompoundFile(ReadFileBytes(m_dir.filePath("plain.zvr"))));
}

TEST_F(DocumentFileFormat, DamagedFilesAreRefusedAsInvalidFormat)
{
    const GatedRecord noRefs{"CRectObj", false, 2};
    const std::string valid = DocumentRecord(1001, noRefs);
    const std::size_t objectsAt = valid.find("CRectObj") - 8; // the object count before the class tag
    // The valid record with its object list replaced.
    const auto objectListOf = [&](const DocumentBytes& list) {
        return valid.substr(0, objectsAt) + list.Bytes() + valid.substr(valid.size() - 4);
    };
    struct Case
    {
        const char* name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        // clang-format off
        {"header only", valid.substr(0, 1)},
        {"mid-record", valid.substr(0, valid.size() / 2)},
        {"last byte missing", valid.substr(0, valid.size() - 1)},
        {"a byte after the record", valid + std::string(1, '\0')},
        {"absurd string length", std::string(valid.substr(0, 2)) + "\xFF\xFF\xFF\xFF\xFF\xFF\x7F" + valid.substr(2)},
        {"absurd list count", valid.substr(0, objectsAt) + "\xFF\xFF\xFF\xFF\xFF\x7F" + valid.substr(objectsAt + 2)},
        {"unknown class", DocumentRecord(1001, {"CNoSuchObj", false, 2})},
        // clang-format on
        {"wrong schema",
         [&] {
             std::string bytes = valid;
             bytes[objectsAt + 4] = 2;
             return bytes;
         }()},
        {"object referred to twice",
         [&] {
             std::string bytes = valid;
             const std::size_t second = bytes.find(std::string("\x01\x80", 2), objectsAt);
             bytes[second] = 2; // the first object's index in place of its class
             bytes[second + 1] = 0;
             return bytes;
         }()},
        {"null object",
         valid.substr(0, objectsAt) + std::string("\x01\x00\x00\x00", 4) + valid.substr(valid.size() - 4)},
        // Registered classes that are not drawing objects.
        {"referenced diagram in the object list",
         objectListOf(DocumentBytes().Word(1).NewClass("CRefDoc").Word(1001).Word(3).Str("a.zvr").Str("t"))},
        {"list of referenced diagrams in the object list", objectListOf(DocumentBytes()
                                                                            .Word(1)
                                                                            .NewClass("CRefDocList")
                                                                            .Word(1)
                                                                            .NewClass("CRefDoc")
                                                                            .Word(1001)
                                                                            .Word(3)
                                                                            .Str("a.zvr")
                                                                            .Str("t"))},
    };
    // Compound files whose directory loops or names an entry it does not hold.
    DocumentFile().Save(PathIn(m_dir, "compound.zvr"), [&](CompoundFileWriter& writer) {
        writer.WriteStream("Contents", QByteArray::fromStdString(valid));
    });
    const QByteArray compound = ReadFileBytes(m_dir.filePath("compound.zvr"));
    namespace cdb = CompoundDirectoryBytes;
    const auto contentsId = std::uint32_t(cdb::EntryId(compound, "Contents"));
    cases.push_back({"stream that is its own sibling",
                     cdb::WithLink(compound, "Contents", cdb::kRightSibling, contentsId).toStdString()});
    cases.push_back({"root whose child is beyond the directory",
                     cdb::WithLink(compound, "Root Entry", cdb::kChild, 0x10000).toStdString()});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FieldDoc doc;
        MessageScript script;
        EXPECT_FALSE(OpenBytes(doc, c.bytes));
        EXPECT_EQ(script.Texts(), std::vector<std::string>({kInvalidFormat}));
        EXPECT_TRUE(doc.HasNoObjects());
        EXPECT_FALSE(LeakSanitizerFindsLeaks());
    }
}

TEST_F(DocumentFileFormat, DamagedPageCountsAreKeptWithinWhatTheGridFitGives)
{
    // The record's page: A3 portrait with a header area, margins 100/110/120/130, 150 %: a page
    // extent of (1800, -2473), so at most 48 pages across and 35 down.
    struct Case
    {
        std::int32_t across, down;
        CSize pages;
    };
    const Case cases[] = {
        // clang-format off
        {2, 3, {2, 3}},
        {48, 35, {48, 35}},
        {1000, 36, {48, 35}},
        {0x7FFFFFFF, -5, {48, 1}},
        {0, INT32_MIN, {1, 1}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.across << ' ' << c.down);
        FieldDoc doc;
        LoadRecord(doc, DocumentRecord(1001, {"CRectObj", false, 2, c.across, c.down}));
        ASSERT_EQ(doc.GetPageExtent(), CSize(1800, -2473));
        EXPECT_EQ(doc.GetPages(), c.pages);
        EXPECT_EQ(doc.GetDocumentSize(), CSize(1800 * c.pages.cx, -2473 * c.pages.cy));
    }
}

TEST_F(DocumentFileFormat, ALongFaceNameIsCutOnACharacterBoundary)
{
    std::string record = DocumentRecord(1001, {"CRectObj", false, 0});
    const std::string face = Utf8ToCp932("IPAGothic");
    const std::string longFace = std::string(30, 'F') + Utf8ToCp932("明朝"); // 34 bytes
    const std::size_t at = record.find(face) - 1;
    record.replace(at, face.size() + 1, char(longFace.size()) + longFace);
    FieldDoc doc;
    LoadRecord(doc, record);
    EXPECT_EQ(std::string(doc.m_lfDrawingFont.lfFaceName), std::string(30, 'F'));
}

TEST_F(DocumentFileFormat, OleDrawingObjectsWithoutItemsAreKeptAndItemsRefused)
{
    // The OLE drawing object's record: the box record, the frame flag, the extent and its item.
    const auto oleRecord = [](bool withItem) {
        DocumentBytes a;
        std::string base = DocumentRecord(1001, {"CRectObj", false, 0});
        base.resize(base.size() - 6); // the empty object list and item list go
        a.Raw(base.data(), base.size()).Word(1).NewClass("COleDrawObj");
        a.Word(1001).Word(33).Word(1).Long(0).Long(0).Long(100).Long(-100);
        a.Word(0).Dword(0).Word(1).Word(0).Dword(0).Word(1).Word(1).Word(0).Dword(0).Word(0);
        a.Word(1).Long(2540).Long(-2540);
        if (withItem)
            a.NewClass("CBaseCntrItem", 0).Dword(0);
        else
            a.Word(0);
        return a.Dword(0).Bytes();
    };
    {
        FieldDoc doc;
        ASSERT_TRUE(OpenBytes(doc, oleRecord(false)));
        EXPECT_EQ(DrawingOrder(doc), std::vector<WORD>({1}));
        ASSERT_TRUE(doc.OnSaveDocument(PathIn(m_dir, "ole.zvr")));
        CompoundFileReader reader(ReadFileBytes(m_dir.filePath("ole.zvr")));
        EXPECT_EQ(reader.ReadStream("Contents").toStdString(), oleRecord(false));
    }
    std::string itemInList = DocumentRecord(1001, {"CRectObj", false, 0});
    itemInList.replace(itemInList.size() - 4, 4, std::string("\x01\x00\x00\x00", 4));
    DocumentBytes item;
    item.NewClass("CBaseCntrItem", 0);
    for (const std::string& bytes : {oleRecord(true), itemInList + item.Bytes()}) {
        FieldDoc doc;
        MessageScript script;
        EXPECT_FALSE(OpenBytes(doc, bytes));
        EXPECT_EQ(script.Texts(), std::vector<std::string>({kEmbedded}));
        EXPECT_TRUE(doc.HasNoObjects());
    }
}
