// The DB-interface import: one conceptual file per row of the first worksheet, one data item per
// row of the second, attached to its file by file number (or name when the number is empty). The
// whole model is built aside first and added to the document only when every row could be made,
// so a failure leaves the new document empty. The files are then sorted, given their item texts,
// fitted to them and laid out without overlap through the view's automatic placement.
#include "excel/ExcelImport.h"
#include "excel/ExcelImportRun.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "model/BoxStyleList.h"
#include "model/Data.h"
#include "model/DocumentNotation.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"
#include "objects/ObjectServices.h"
#include "objects/BaseObj.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "platform/profile/Profile.h"
#include "view/BaseView.h"

#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace excel_db_interface_import_cpp {

constexpr int A = 0, B = 1, C = 2, D = 3, E = 4, F = 5, G = 6, H = 7, I = 8, M = 12, N = 13, O = 14, P = 15, Q = 16,
              R = 17, S = 18, T = 19, U = 20, V = 21, W = 22, X = 23, Y = 24, Z = 25, AA = 26;

// Rows listed by number in a message, at most this many.
constexpr int kListedRows = 20;

// A file being built, with the numbering state of its items.
struct PendingFile
{
    std::unique_ptr<CFileComp> file;
    WORD running = 0; // number of its last item
    WORD lastTop = 0; // number of its last top-level item
    WORD parent = 0;  // parent number of its last item row
    int runs = 0;     // separate runs of item rows that named it
};

struct UnknownRow
{
    long row;
    CString number, name;
};

// The places of the files while the files sheet is read, before their sizes are known: default
// boxes row by row across a page with a gap of two grid widths, then the next page to the right,
// and after the widest document the next row of pages.
class ProvisionalGrid
{
public:
    ProvisionalGrid(const CBaseDoc& doc, CSize defaultSize)
        : m_g(Profile::GetProfileInt("InitialViewState", "GridWidth", 20)),
          m_page(doc.GetPrintableSize()),
          m_def(defaultSize)
    {
        if (m_g <= 0)
            m_g = 20;
        m_perRow = (m_page.cx - 10 - 2 * m_g) / (m_def.cx + 2 * m_g);
        m_perColumn = (m_page.cy + 10 + 2 * m_g) / (m_def.cy - 2 * m_g);
        m_acrossLimit = m_page.cx > 0 ? 87600 / m_page.cx - 4 : 1;
        m_downLimit = m_page.cy < 0 ? -87600 / m_page.cy - 4 : 1;
        m_origin = CPoint(10 + 2 * m_g, -10 - 2 * m_g);
    }

    CRect Next()
    {
        const int left = (m_def.cx + 2 * m_g) * m_column + m_origin.x;
        const int top = (m_def.cy - 2 * m_g) * m_row + m_origin.y;
        const CRect rect(left, top, left + m_def.cx, top + m_def.cy);
        if (++m_column < m_perRow || m_perRow <= 0)
            return rect;
        m_column = 0;
        if (++m_row < m_perColumn)
            return rect;
        m_row = 0;
        if (++m_pageColumn >= m_acrossLimit) {
            m_pageColumn = 0;
            if (++m_pageRow >= m_downLimit)
                m_pageRow = 0;
            m_origin.y = (m_page.cy * m_pageRow) / m_g * m_g - 10 - 2 * m_g;
        }
        m_origin.x = (m_page.cx * m_pageColumn) / m_g * m_g + 10 + 2 * m_g;
        return rect;
    }

private:
    int m_g;
    CSize m_page, m_def;
    int m_perRow = 0, m_perColumn = 0, m_acrossLimit = 0, m_downLimit = 0;
    int m_column = 0, m_row = 0, m_pageColumn = 0, m_pageRow = 0;
    CPoint m_origin;
};

CSize DefaultFileSize()
{
    ObjectServices* services = GetObjectServices();
    const auto* prototype =
        services ? dynamic_cast<const CBaseObj*>(services->FindPrototypeByKind(OBJKIND_FILECOMP, 0)) : nullptr;
    return prototype ? prototype->GetSize() : CSize(240, -160);
}

void ApplyFileColumns(CFileComp& file, const ExcelImportSheet& sheet, long row, const CBoxStyleList* marks)
{
    const CString mark = sheet.Text(C, row);
    if (!mark.IsEmpty() && marks)
        file.SetBoxStyle(marks->FindIdByUserName(mark));
    const CString label = sheet.Text(E, row);
    if (!label.IsEmpty())
        file.SetNumIOSourceText(label);
    if (const CString text = sheet.LongText(M, row); !text.IsEmpty())
        file.SetSummary(text);
    if (const CString text = sheet.LongText(N, row); !text.IsEmpty())
        file.SetCodeSample(text);
    if (const CString text = sheet.Text(O, row); !text.IsEmpty())
        file.SetTableName(text);
    if (const auto flag = sheet.Flag(P, row))
        file.SetPhysicalTarget(*flag);
    if (const auto flag = sheet.Flag(Q, row))
        file.SetMergedIntoParent(*flag);
    if (const CString text = sheet.Text(R, row); !text.IsEmpty())
        file.SetPrimaryIndexName(text);
    if (const CString text = sheet.Text(S, row); !text.IsEmpty())
        file.SetTableSpace(text);
    if (const CString text = sheet.Text(T, row); !text.IsEmpty())
        file.SetIndexSpace(text);
    if (const auto flag = sheet.Flag(V, row))
        file.SetPhyControlDedicated(*flag);
}

std::unique_ptr<CData> MakeItem(PendingFile& pending, const ExcelImportSheet& sheet, long row,
                                const CDataTypeList* types)
{
    const WORD number = ++pending.running;
    WORD level = sheet.WholeNumber(O, row);
    WORD childOrder = sheet.WholeNumber(P, row);
    if (level == 2 && pending.lastTop == 0)
        level = 1;
    if (level == 1) {
        pending.lastTop = number;
        pending.parent = 0;
        childOrder = 0;
    } else if (level == 2) {
        pending.parent = pending.lastTop;
    }
    auto item = std::make_unique<CData>(number, sheet.Text(E, row), sheet.NumberText(D, row), sheet.Text(F, row),
                                        sheet.Text(I, row), sheet.Text(N, row), sheet.WholeNumber(G, row),
                                        sheet.WholeNumber(H, row), childOrder, level, pending.parent);
    item->SetExpression(sheet.LongText(T, row));
    item->SetSummary(sheet.LongText(S, row));
    item->SetColumnName(sheet.Text(U, row));
    item->SetDigits(sheet.LongNumber(V, row));
    item->SetDecimals(sheet.LongNumber(W, row));
    const ExcelImportSheet::TypeReading type = sheet.DataType(X, row, types);
    item->SetDataTypeName(type.recognised ? type.name : CString());
    item->SetEditKind(type.recognised ? type.editKind : WORD(0));
    item->SetPhysicalTarget(sheet.Flag(Y, row).value_or(TRUE) ? 1 : 0);
    item->SetNullOption(sheet.NullOption(Z, row).value_or(2));
    item->SetDefaultValue(sheet.Text(AA, row));
    return item;
}

CString FileLine(const CFileComp& file)
{
    return CString(u8"\nﾌｧｲﾙ番号 : ") + file.GetFileNumber() + CString(u8"  概念ﾌｧｲﾙ名 : ") + file.GetFileName();
}

CString UnknownRowsMessage(const std::vector<UnknownRow>& rows)
{
    CString message(u8"ﾌｧｲﾙ ｼｰﾄに存在していないﾌｧｲﾙ番号または概念ﾌｧｲﾙ名が所属ﾃﾞｰﾀ項目ｼｰﾄで指定されています。");
    CString line;
    line.Format(CString(u8"\nこれらの %d 行は取り込みませんでした。").GetString(), int(rows.size()));
    message += line;
    for (std::size_t i = 0; i < rows.size() && i < std::size_t(kListedRows); ++i) {
        line.Format(CString(u8"\n%ld行目").GetString(), rows[i].row);
        message += line + CString(u8"  ﾌｧｲﾙ番号 : ") + rows[i].number + CString(u8"  概念ﾌｧｲﾙ名 : ") + rows[i].name;
    }
    if (rows.size() > std::size_t(kListedRows)) {
        line.Format(CString(u8"\n… ほか %d 行").GetString(), int(rows.size()) - kListedRows);
        message += line;
    }
    return message;
}

// The two placement passes over the files, in list order: across first, then down from a little
// lower on a document one page wider.
void LayOut(CBaseDoc& doc, CBaseView& view, const std::vector<CFileComp*>& files, CNotationSymbols& symbols)
{
    const DWORD editFlags = doc.GetEditFlgs();
    bool first = true;
    for (CFileComp* file : files) {
        file->SortDataItems();
        file->RebuildItemTexts(symbols, editFlags);
        file->FitBoxToTexts(editFlags, *doc.GetDrawingFont());
        CPoint point;
        view.GetAutoPlacementPoint(point, first);
        first = false;
        const CPoint corner = file->GetRect().TopLeft();
        if (corner != point)
            file->MoveBy(CSize(point.x - corner.x, point.y - corner.y), 1);
        if (view.AdvanceAutoPlacementAcross(file))
            doc.SetPages(1, 1);
    }
    doc.SetPages(1, 1);
    if (files.size() < 2)
        return;
    const CSize page = doc.GetPrintableSize();
    const int acrossLimit = page.cx > 0 ? 87600 / page.cx - 4 : 1;
    const CSize pages = doc.GetPages();
    if (pages.cx + 1 <= acrossLimit)
        doc.SetPages(pages.cx + 1, pages.cy);
    view.RestartAutoPlacement();
    first = true;
    for (CFileComp* file : files) {
        CPoint point;
        view.GetAutoPlacementPoint(point, first);
        first = false;
        const CPoint corner = file->GetRect().TopLeft();
        if (corner != point)
            file->MoveBy(CSize(point.x - corner.x, point.y - corner.y), 1);
        view.AdvanceAutoPlacementDown(file);
    }
    doc.SetPages(1, 1);
}

} // namespace excel_db_interface_import_cpp

namespace ExcelImport {

BOOL ImportDbInterfaceSheet(CBaseDoc& doc, CBaseView* view, const ExcelImportWorkbook& workbook,
                            ExcelImportServices& services)
{
    using namespace excel_db_interface_import_cpp;
    ExcelImportRun run(services, CString(u8"Excelからのｲﾝﾎﾟｰﾄ準備中..."));
    const CBoxStyleList* marks = services.GetFileTypes();
    const CDataTypeList* types = services.GetDataTypes();
    const WORD firstId = doc.GetNextObjectId();
    std::vector<PendingFile> files;
    std::vector<UnknownRow> unknown;
    const PendingFile* lastCurrent = nullptr;
    // A stop hands back the ids taken for files that never reach the document.
    const auto stop = [&](const CString& message) {
        doc.SetNextObjectId(firstId);
        return run.Stop(message);
    };
    const CString itemNotMade(u8"所属ﾃﾞｰﾀ項目ｵﾌﾞｼﾞｪｸﾄの作成時にｴﾗｰが発生したため所属ﾃﾞｰﾀ項目をｲﾝﾎﾟｰﾄできません。");
    try {
        // --- The files sheet
        run.SetPhaseText(CString(u8"概念ﾌｧｲﾙ ｼｰﾄのｲﾝﾎﾟｰﾄ中..."));
        const ExcelImportSheet fileSheet = run.Sheet(workbook, 1);
        ProvisionalGrid grid(doc, DefaultFileSize());
        ObjectServices* objects = GetObjectServices();
        const CBaseObj* prototype = nullptr;
        std::map<std::string, std::size_t> byNumber, byName;
        for (long row = 2;; ++row) {
            const CString number = fileSheet.NumberText(A, row);
            const CString name = fileSheet.Text(B, row);
            if (number.IsEmpty() && name.IsEmpty())
                break;
            const CRect rect = grid.Next();
            const WORD id = doc.NewObjectId();
            if (id == 0) // the document has said so
                return stop(CString());
            auto file = std::make_unique<CFileComp>(id, rect);
            if (!prototype && objects)
                prototype = dynamic_cast<const CBaseObj*>(objects->FindDefaultPrototype(file.get()));
            if (prototype)
                file->CopyAttributes(*prototype);
            file->SetFileNumber(number);
            file->SetFileName(name);
            ApplyFileColumns(*file, fileSheet, row, marks);
            byNumber.emplace(number.Bytes(), files.size());
            byName.emplace(name.Bytes(), files.size());
            files.push_back(PendingFile{std::move(file)});
            run.SetCount(int(files.size()));
        }

        // --- The items sheet
        if (!files.empty()) {
            run.SetPhaseText(CString(u8"所属ﾃﾞｰﾀ項目ｼｰﾄのｲﾝﾎﾟｰﾄ中..."));
            const ExcelImportSheet itemSheet = run.Sheet(workbook, 2);
            PendingFile* current = nullptr;
            CString previousNumber, previousName;
            for (long row = 2;; ++row) {
                const CString number = itemSheet.NumberText(A, row);
                const CString name = itemSheet.Text(B, row);
                if (number.IsEmpty() && name.IsEmpty())
                    break;
                const bool same = current && (number.IsEmpty() ? name == previousName : number == previousNumber);
                if (!same) {
                    previousNumber = number;
                    previousName = name;
                    const auto& index = number.IsEmpty() ? byName : byNumber;
                    const auto found = index.find(number.IsEmpty() ? name.Bytes() : number.Bytes());
                    current = found != index.end() ? &files[found->second] : nullptr;
                    // A file named again after rows of others keeps its items: the runs are joined.
                    if (current)
                        ++current->runs;
                }
                if (!current) {
                    unknown.push_back({row, number, name});
                    continue;
                }
                lastCurrent = current;
                if (itemSheet.NumberText(D, row).IsEmpty() && itemSheet.Text(E, row).IsEmpty())
                    continue;
                std::unique_ptr<CData> item = MakeItem(*current, itemSheet, row, types);
                // The list takes the item over even when it cannot hold it: it deletes it then and
                // has told the user why.
                if (!current->file->AddData(item.release()))
                    return stop(
                        CString(u8"所属ﾃﾞｰﾀ項目ｵﾌﾞｼﾞｪｸﾄの追加時にｴﾗｰが発生したため所属ﾃﾞｰﾀ項目をｲﾝﾎﾟｰﾄできません。"));
                run.SetCount(int(row - 1));
            }
        }
    } catch (const std::bad_alloc&) {
        return stop(itemNotMade);
    } catch (const CException&) {
        return stop(itemNotMade);
    }

    // --- Into the document, all of it or nothing
    std::vector<CFileComp*> added;
    {
        CUndoStep step(&doc);
        if (!step.IsOpen())
            return stop(CString());
        for (PendingFile& pending : files) {
            CFileComp* file = pending.file.release();
            if (!doc.AddObject(file)) { // the document has said why and deleted the file
                CObList taken;
                for (CFileComp* done : added)
                    taken.AddTail(done);
                doc.RemoveObjects(taken);
                doc.ClearUndoBuffer();
                doc.SetModifiedFlag(FALSE);
                return stop(CString());
            }
            added.push_back(file);
        }
        CNotationSymbols symbols;
        CollectNotationSymbols(doc, lastCurrent ? added[std::size_t(lastCurrent - files.data())] : nullptr, symbols);
        if (view) {
            LayOut(doc, *view, added, symbols);
        } else {
            for (CFileComp* file : added) {
                file->SortDataItems();
                file->RebuildItemTexts(symbols, doc.GetEditFlgs());
                file->FitBoxToTexts(doc.GetEditFlgs(), *doc.GetDrawingFont());
            }
            if (!added.empty())
                doc.SetPages(1, 1);
        }
    }

    if (!unknown.empty()) {
        run.SetPhaseText(CString());
        AfxMessageBox(UnknownRowsMessage(unknown), MB_OK | MB_ICONEXCLAMATION);
    }
    CString message(u8"ｲﾝﾎﾟｰﾄが完了しました。");
    CString joined;
    int joinedCount = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].runs < 2)
            continue;
        if (++joinedCount <= kListedRows)
            joined += FileLine(*added[i]);
    }
    if (joinedCount > 0) {
        CString line;
        line.Format(
            CString(u8"\n所属ﾃﾞｰﾀ項目の行が離れて並んでいた %d 件の概念ﾌｧｲﾙは、それらの行をまとめて取り込みました。")
                .GetString(),
            joinedCount);
        message += line + joined;
    }
    return run.End(message);
}

} // namespace ExcelImport
