#include "excel/ExcelExport.h"

#include "document/BaseDoc.h"
#include "foundation/ListElements.h"
#include "model/ExcelExportContext.h"
#include "model/FileComp.h"
#include "model/Kadai.h"
#include "objects/DrawObjects.h"
#include "platform/afx/Cp932.h"
#include "platform/sheet/SheetError.h"

namespace excel_export_cpp {

using namespace ExcelExportOptions;

const char8_t* const kTextHeaders[] = {u8"ｵﾌﾞｼﾞｪｸﾄID", u8"ﾃｷｽﾄ"};

const char8_t* const kInterfaceFileHeaders[] = {
    u8"ﾌｧｲﾙ番号",
    u8"概念ﾌｧｲﾙ名",
    u8"ﾌｧｲﾙ類型",
    u8"更新権ﾌﾗｸﾞ",
    u8"発生入出力番号",
    u8"親概念ﾌｧｲﾙ番号",
    u8"親概念ﾌｧｲﾙ名",
    u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
    u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目所属ﾌｧｲﾙ名",
    u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目番号",
    u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名",
    u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値",
    u8"概要説明",
    u8"詳細説明(値事例)",
    u8"ﾃｰﾌﾞﾙ名",
    u8"物理実装対象ﾌﾗｸﾞ",
    u8"物理実装は親概念ﾌｧｲﾙに統合ﾌﾗｸﾞ",
    u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名",
    u8"ﾃｰﾌﾞﾙ表領域",
    u8"ｲﾝﾃﾞｯｸｽ表領域",
    u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ名",
    u8"物理追加ﾃﾞｰﾀ定義用専用ﾌﾗｸﾞ",
};

const char8_t* const kInterfaceItemHeaders[] = {
    u8"ﾌｧｲﾙ番号",
    u8"概念ﾌｧｲﾙ名",
    u8"並び順",
    u8"ﾃﾞｰﾀ番号",
    u8"ﾃﾞｰﾀ項目名",
    u8"KEY機能ｺｰﾄﾞ",
    u8"代替KEYｸﾞﾙｰﾌﾟ番号",
    u8"KEYｸﾞﾙｰﾌﾟ内順序",
    u8"RKEY機能ｺｰﾄﾞ",
    u8"参照先ﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
    u8"参照先ﾃﾞｰﾀ項目所属概念ﾌｧｲﾙ名",
    u8"参照先ﾃﾞｰﾀ項目番号",
    u8"参照先ﾃﾞｰﾀ項目名",
    u8"加工機能ｺｰﾄﾞ",
    u8"ﾚﾍﾞﾙ",
    u8"子ﾚﾍﾞﾙ内順序",
    u8"親概念ﾃﾞｰﾀ項目番号",
    u8"親概念ﾃﾞｰﾀ項目名",
    u8"概要説明",
    u8"式",
    u8"ｶﾗﾑ名",
    u8"桁数",
    u8"小数桁数",
    u8"ﾃﾞｰﾀﾀｲﾌﾟ",
    u8"物理実装対象ﾌﾗｸﾞ",
    u8"NULLｵﾌﾟｼｮﾝ",
    u8"ﾃﾞｨﾌｫﾙﾄ値",
};

const char8_t* const kInterfaceSourceHeaders[] = {
    u8"ﾌｧｲﾙ番号",
    u8"概念ﾌｧｲﾙ名",
    u8"加工ﾃﾞｰﾀ項目番号",
    u8"加工ﾃﾞｰﾀ項目名",
    u8"加工元ﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
    u8"加工元ﾃﾞｰﾀ項目所属ﾌｧｲﾙ名",
    u8"加工元ﾃﾞｰﾀ項目番号",
    u8"加工元ﾃﾞｰﾀ項目名",
    u8"加工元参照ﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
    u8"加工元参照ﾃﾞｰﾀ項目所属ﾌｧｲﾙ名",
    u8"加工元参照ﾃﾞｰﾀ項目番号1",
    u8"加工元参照ﾃﾞｰﾀ項目名1",
    u8"加工元参照ﾃﾞｰﾀ項目番号2",
    u8"加工元参照ﾃﾞｰﾀ項目名2",
    u8"加工元参照ﾃﾞｰﾀ項目番号3",
    u8"加工元参照ﾃﾞｰﾀ項目名3",
    u8"備考",
};

const char8_t* const kTaskHeaders[] = {u8"構造図番号", u8"課題番号", u8"課題名", u8"課題内容"};

const char8_t* const kConceptFileHeaders[] = {
    u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄID【変更不可】", u8"ﾌｧｲﾙ番号【変更不可】", u8"概念ﾌｧｲﾙ名【変更不可】",
    u8"発生入出力番号【変更可】",       u8"概要説明【変更可】",   u8"詳細説明(値事例)【変更可】",
};

const char8_t* const kConceptItemHeaders[] = {
    u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄID【変更不可】",
    u8"ﾌｧｲﾙ番号【変更不可】",
    u8"概念ﾌｧｲﾙ名【変更不可】",
    u8"並び順【変更不可】",
    u8"ﾃﾞｰﾀ番号【変更不可】",
    u8"ﾃﾞｰﾀ項目名【変更不可】",
    u8"KEY機能ｺｰﾄﾞ【変更不可】",
    u8"RKEY機能ｺｰﾄﾞ【変更不可】",
    u8"加工機能ｺｰﾄﾞ【変更不可】",
    u8"概要説明【変更可】",
    u8"式【変更可】",
};

const char8_t* const kPhysicalFileHeaders[] = {
    u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄID【変更不可】",
    u8"ﾌｧｲﾙ番号【変更不可】",
    u8"概念ﾌｧｲﾙ名【変更不可】",
    u8"物理実装対象ﾌﾗｸﾞ【変更不可】",
    u8"物理実装は親概念ﾌｧｲﾙに統合ﾌﾗｸﾞ【変更不可】",
    u8"物理追加ﾃﾞｰﾀ定義用専用ﾌﾗｸﾞ【変更不可】",
    u8"ﾃｰﾌﾞﾙ名【変更可】",
    u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名【変更可】",
    u8"ﾃｰﾌﾞﾙ表領域【変更可】",
    u8"ｲﾝﾃﾞｯｸｽ表領域【変更可】",
};

const char8_t* const kPhysicalItemHeaders[] = {
    u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄID【変更不可】",
    u8"ﾌｧｲﾙ番号【変更不可】",
    u8"概念ﾌｧｲﾙ名【変更不可】",
    u8"並び順【変更不可】",
    u8"ﾃﾞｰﾀ番号【変更不可】",
    u8"ﾃﾞｰﾀ項目名【変更不可】",
    u8"KEY機能ｺｰﾄﾞ【変更不可】",
    u8"RKEY機能ｺｰﾄﾞ【変更不可】",
    u8"加工機能ｺｰﾄﾞ【変更不可】",
    u8"物理実装対象ﾌﾗｸﾞ【変更不可】",
    u8"ｶﾗﾑ名【変更可】",
    u8"ﾃﾞｰﾀﾀｲﾌﾟ【変更可】",
    u8"桁数【変更可】",
    u8"小数桁数【変更可】",
    u8"NULLｵﾌﾟｼｮﾝ【変更可】",
    u8"ﾃﾞｨﾌｫﾙﾄ値【変更可】",
};

template <std::size_t N>
void WriteHeaders(SheetWorksheet& sheet, const char8_t* const (&headers)[N], long column = 0)
{
    for (std::size_t i = 0; i < N; ++i)
        sheet.SetCell(0, int(column + long(i)), SheetValue::Text(reinterpret_cast<const char*>(headers[i])));
}

// The count texts of the progress dialog.
void Count(ExcelExportProgress* progress, const char8_t* format, long count)
{
    if (!progress)
        return;
    CString text;
    text.Format(CString(format).GetString(), int(count));
    progress->SetCountText(text);
}

// One pass over the document's objects; `write` answers 0 to stop, 1 to go on, -1 to pass the object over.
template <class Take, class Write>
void Loop(CBaseDoc& doc, ExcelExportOutcome& outcome, Take take, Write write)
{
    CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        CBaseObj* box = DrawObjects::AsBoxObject(object);
        if (!box || !take(*box))
            continue;
        BOOL written = FALSE;
        try {
            written = write(*box);
        } catch (const SheetError& e) {
            outcome.stopReason = e.Message();
        }
        if (written)
            continue;
        // Everything from this object on is left out; say how much.
        outcome.finished = FALSE;
        int left = 1;
        for (POSITION rest = pos; rest;) {
            CBaseObj* other = DrawObjects::AsBoxObject(objects->GetNext(rest));
            left += other && take(*other) ? 1 : 0;
        }
        outcome.objectsNotWritten += left;
        return;
    }
}

} // namespace excel_export_cpp

namespace ExcelExport {

using namespace excel_export_cpp;

CString TitleOfPath(const CString& path)
{
    const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return path.Mid(slash + 1);
}

CString CutToCharacters(const CString& text, int count)
{
    std::size_t i = 0;
    for (int n = 0; n < count && i < text.Bytes().size(); ++n)
        i += Cp932CharLength(text.Bytes(), i);
    return CString(text.Bytes().substr(0, i));
}

std::unique_ptr<SheetWorkbook> Build(CBaseDoc& doc, DWORD options, const CString& title, ExcelExportContext& context,
                                     ExcelExportProgress* progress, ExcelExportOutcome& outcome)
{
    const bool interfaceForm = options & kInterface;
    const bool conceptForm = options & kConceptUpdate;
    const bool physicalForm = options & kPhysicalUpdate;
    const int sheetCount = interfaceForm ? 4 : (conceptForm || physicalForm) ? 2 : 1;
    auto book = std::make_unique<SheetWorkbook>(sheetCount);
    if (progress)
        progress->SetPhaseText(CString(u8"Excelへｴｸｽﾎﾟｰﾄ中..."));

    if (sheetCount == 1) {
        if (!title.IsEmpty())
            book->Sheet(1).SetName(CutToCharacters(title, 30));
    } else {
        const CString base = CutToCharacters(title, 22);
        const char8_t* const suffixes[] = {u8"-概念ﾌｧｲﾙ", u8"-所属ﾃﾞｰﾀ項目", u8"-加工加工元関連", u8"-課題"};
        for (int n = 1; n <= sheetCount; ++n)
            book->Sheet(n).SetName(base + CString(suffixes[n - 1]));
    }

    context.document = &doc;
    DeleteAllElements(context.itemNames);
    context.files.clear();
    CObList* all = doc.GetObjectList();
    for (POSITION pos = all->GetHeadPosition(); pos;)
        if (auto* file = dynamic_cast<CFileComp*>(all->GetNext(pos)))
            context.files.emplace(file->GetObjectId(), file);
    context.relations.emplace(doc);
    SheetExportTally& tally = outcome.tally;
    CExcelDispatch sheet1(book->Sheet(1), tally);
    long first = 0, second = 0, third = 0;

    if (options & kMatrix) {
        SheetWorksheet& sheet = book->Sheet(1);
        sheet.SetCell(0, 1, SheetValue::Text(reinterpret_cast<const char*>(u8"ﾌｧｲﾙ番号")));
        sheet.SetCell(1, 1, SheetValue::Text(reinterpret_cast<const char*>(u8"名称")));
        second = 2;
        first = 1;
        Loop(
            doc, outcome, [&](CBaseObj& box) { return box.IsExportKind(options) && box.HasText(); },
            [&](CBaseObj& box) {
                if (!box.ExportExcelRow(&sheet1, first, second, options, &context))
                    return FALSE;
                Count(progress, u8"Excelｴｸｽﾎﾟｰﾄ処理件数 : %d", second - 1);
                return TRUE;
            });
    } else if (interfaceForm) {
        WriteHeaders(book->Sheet(1), kInterfaceFileHeaders);
        WriteHeaders(book->Sheet(2), kInterfaceItemHeaders);
        WriteHeaders(book->Sheet(3), kInterfaceSourceHeaders);
        WriteHeaders(book->Sheet(4), kTaskHeaders);
        first = second = third = 1;
        CExcelDispatch sheet2(book->Sheet(2), tally), sheet3(book->Sheet(3), tally), sheet4(book->Sheet(4), tally);
        Loop(
            doc, outcome, [&](CBaseObj& box) { return box.HasInterfaceData() != FALSE; },
            [&](CBaseObj& box) {
                if (!box.ExportInterfaceRows(&sheet1, &sheet2, first, second, options, &context))
                    return FALSE;
                Count(progress, u8"Excelｴｸｽﾎﾟｰﾄ処理件数 : %d", first + second - 2);
                auto* file = dynamic_cast<CFileComp*>(&box);
                return file ? file->ExportSourceRelations(&sheet3, third, options, &context) : TRUE;
            });
        if (outcome.finished) {
            second = 1;
            Loop(
                doc, outcome, [&](CBaseObj& box) { return dynamic_cast<CKadai*>(&box) != nullptr && box.HasText(); },
                [&](CBaseObj& box) {
                    if (!static_cast<CKadai&>(box).ExportTaskSheetRow(&sheet4, first, second, kTasks, &context))
                        return FALSE;
                    Count(progress, u8"課題ｴｸｽﾎﾟｰﾄ処理件数 : %d", second - 1);
                    return TRUE;
                });
        }
    } else if (conceptForm || physicalForm) {
        if (conceptForm) {
            WriteHeaders(book->Sheet(1), kConceptFileHeaders);
            WriteHeaders(book->Sheet(2), kConceptItemHeaders);
        } else {
            WriteHeaders(book->Sheet(1), kPhysicalFileHeaders);
            WriteHeaders(book->Sheet(2), kPhysicalItemHeaders);
        }
        first = second = 1;
        CExcelDispatch sheet2(book->Sheet(2), tally);
        Loop(
            doc, outcome,
            [&](CBaseObj& box) { return dynamic_cast<CFileComp*>(&box) != nullptr && box.HasInterfaceData(); },
            [&](CBaseObj& box) {
                auto& file = static_cast<CFileComp&>(box);
                const BOOL written =
                    conceptForm ? file.ExportConceptUpdateRows(&sheet1, &sheet2, first, second, options, &context)
                                : file.ExportPhysicalUpdateRows(&sheet1, &sheet2, first, second, options, &context);
                if (!written)
                    return FALSE;
                Count(progress, u8"Excelｴｸｽﾎﾟｰﾄ処理件数 : %d", first + second - 2);
                return TRUE;
            });
    } else {
        WriteHeaders(book->Sheet(1), kTextHeaders);
        second = 1;
        first = 0;
        Loop(
            doc, outcome, [&](CBaseObj& box) { return box.IsExportKind(options) && box.HasText(); },
            [&](CBaseObj& box) {
                if (!box.ExportExcelRow(&sheet1, first, second, options, &context))
                    return FALSE;
                Count(progress, u8"Excelｴｸｽﾎﾟｰﾄ処理件数 : %d", second - 1);
                return TRUE;
            });
    }
    outcome.replacedTexts = book->ReplacedTexts();
    return book;
}

CString CompletionMessage(const ExcelExportOutcome& outcome, const QString& path)
{
    CString message;
    if (outcome.finished) {
        message = CString(u8"ｴｸｽﾎﾟｰﾄが完了しました。");
    } else {
        message.Format(CString(u8"ｴｸｽﾎﾟｰﾄは途中で終了しました。%d 件のｵﾌﾞｼﾞｪｸﾄは書き出されていません。").GetString(),
                       outcome.objectsNotWritten);
        if (!outcome.stopReason.IsEmpty())
            message += "\n" + outcome.stopReason;
    }
    message += "\n" + FromQString(path);
    CString line;
    if (outcome.tally.droppedItems > 0) {
        line.Format(CString(u8"\n列が足りないため %d 件のﾃﾞｰﾀ項目を書き出せませんでした。").GetString(),
                    outcome.tally.droppedItems);
        message += line;
    }
    if (outcome.tally.cutTexts > 0) {
        line.Format(CString(u8"\n%d 件のﾃｷｽﾄを255ﾊﾞｲﾄで切り詰めました。").GetString(), outcome.tally.cutTexts);
        message += line;
    }
    if (outcome.replacedTexts > 0) {
        line.Format(CString(u8"\n%d 件のﾃｷｽﾄに文字として読めないﾊﾞｲﾄがあり、U+FFFD に置き換えました。").GetString(),
                    outcome.replacedTexts);
        message += line;
    }
    return message;
}

} // namespace ExcelExport
