// The conceptual file's rows of the spreadsheet export: the text forms, the matrix form, the four
// sheets of the DB-interface form and the two sheets of each update form.
#include "document/BaseDoc.h"
#include "document/RefDoc.h"
#include "model/BoxStyle.h"
#include "model/BoxStyleList.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/ExcelExportContext.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "objects/ExcelCells.h"
#include "platform/sheet/ExcelDispatch.h"

namespace file_comp_export_cpp {

using namespace ExcelCells;

constexpr DWORD kMatrix = 0x40000;
constexpr DWORD kInterface = 0x80000;
constexpr DWORD kAcross = 0x10000;
constexpr DWORD kDown = 0x20000;
constexpr DWORD kConceptUpdate = 0x1000000;
constexpr DWORD kPhysicalUpdate = 0x2000000;

ExcelExportContext* Context(CObject* rowContext)
{
    return dynamic_cast<ExcelExportContext*>(rowContext);
}

// The conceptual file with the id in the document (the exported one through the context's index).
CFileComp* FileIn(const CBaseDoc* doc, WORD fileId, const ExcelExportContext* context = nullptr)
{
    if (!doc || fileId == 0)
        return nullptr;
    if (context && doc == context->document && !context->files.empty()) {
        const auto found = context->files.find(fileId);
        return found != context->files.end() ? found->second : nullptr;
    }
    return dynamic_cast<CFileComp*>(RelationGraph::FindObject(*doc, fileId));
}

// The main arrow of the exported document's file, through the lookups built once per export.
const CRelLineObj* MainArrowOf(const ExcelExportContext* context, WORD fileId)
{
    return context && context->relations ? context->relations->FindMainSubTypeRelLine(fileId) : nullptr;
}

const CFileComp* ParentOf(const ExcelExportContext* context, WORD fileId)
{
    return context && context->relations ? context->relations->GetParentFileComp(fileId) : nullptr;
}

// The document of a referenced diagram, when it is loaded and holds objects.
const CBaseDoc* LoadedDiagram(const CBaseDoc* doc, WORD diagram)
{
    if (!doc || diagram == 0)
        return nullptr;
    const CRefDoc* refDoc = doc->FindRefDocByNumber(diagram);
    if (!refDoc || !refDoc->IsLoaded())
        return nullptr;
    return refDoc->GetDocument();
}

CData* ItemOf(const CFileComp* file, WORD number)
{
    return file && number != 0 ? file->FindDataByNumber(number) : nullptr;
}

// A file's number and name (stored text, cell text), or two empty cells.
void PutFile(CExcelDispatch& sheet, std::vector<CString>& row, std::size_t at, const CFileComp* file)
{
    if (file) {
        row[at] = file->GetFileNumber();
        row[at + 1] = CellText(sheet, file->GetFileName());
    }
}

// An item's data number (stored text) and name (cell text), or two empty cells.
void PutItem(CExcelDispatch& sheet, std::vector<CString>& row, std::size_t at, const CData* item)
{
    if (item) {
        row[at] = item->GetNumberText();
        row[at + 1] = CellText(sheet, item->GetName());
    }
}

CString TypeLabel(const ExcelExportContext* context, const CData& item)
{
    return context && context->typeLabel ? context->typeLabel(item.GetDataTypeName(), item.GetEditKind()) : CString();
}

CString FileTypeName(const ExcelExportContext* context, WORD markId)
{
    if (!context || !context->fileTypes)
        return CString();
    for (POSITION pos = context->fileTypes->GetHeadPosition(); pos;) {
        const CBoxStyle* style = context->fileTypes->GetNext(pos);
        if (style->GetMarkId() == markId)
            return style->GetUserName();
    }
    return CString();
}

void SendRow(CExcelDispatch& sheet, long row, const std::vector<CString>& cells)
{
    sheet.GetRange(RowRange(0, long(cells.size()) - 1, row)).SetValue(cells);
}

} // namespace file_comp_export_cpp

using namespace file_comp_export_cpp;

BOOL CFileComp::ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions, CObject* rowContext)
{
    if (!sheet || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (exportOptions & kMatrix)
        return ExportExcelMatrix(sheet, column, row, exportOptions, rowContext);
    if (exportOptions & kInterface)
        return FALSE;
    ++row;
    sheet->GetRange(Cell(0, row)).SetValue(double(GetObjectId()));
    if (!m_strNumber.IsEmpty() || !m_strName.IsEmpty())
        sheet->GetRange(RowRange(1, 2, row))
            .SetValue(std::vector<CString>{CellText(*sheet, m_strNumber), CellText(*sheet, m_strName)});
    long itemColumn = 2;
    const int count = GetDataCount();
    int index = 0;
    for (POSITION pos = m_dataList.GetHeadPosition(); pos; ++index) {
        const CData* item = m_dataList.GetNext(pos);
        if (exportOptions & kAcross) {
            if (++itemColumn > kLastColumn) {
                // The sheet ends at column IV in this form; the items left are counted, not lost silently.
                sheet->Tally().droppedItems += count - index;
                return TRUE;
            }
        } else if (exportOptions & kDown) {
            ++row;
        }
        sheet->GetRange(Cell(itemColumn, row)).SetValue(item->GetName());
    }
    return TRUE;
}

BOOL CFileComp::ExportExcelMatrix(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                                  CObject* rowContext)
{
    ExcelExportContext* context = Context(rowContext);
    if (!sheet || !context || !(exportOptions & EXPORT_FILES))
        return FALSE;
    // The sheet ends at column IV in this form: the file that finds no column ends the export.
    if (++column > kLastColumn)
        return FALSE;
    if (!m_strNumber.IsEmpty())
        sheet->GetRange(Cell(column, 1)).SetValue(CellText(*sheet, m_strNumber));
    if (!m_strName.IsEmpty())
        sheet->GetRange(Cell(column, 2)).SetValue(CellText(*sheet, m_strName));
    for (POSITION pos = m_dataList.GetHeadPosition(); pos;) {
        const CData* item = m_dataList.GetNext(pos);
        const CString name = item->GetName();
        long itemRow = 0;
        const int index = context->itemNames.FindDataItemIndex(name);
        if (index >= 0) {
            itemRow = index + 3;
        } else {
            if (!context->itemNames.AddDataItem(CDataItem(name)))
                return FALSE;
            itemRow = ++row;
            sheet->GetRange(Cell(1, itemRow)).SetValue(name);
        }
        CString codes;
        codes.Format("%s%s%s", item->GetKeyCode().GetString(), item->GetRkeyCode().GetString(),
                     item->GetDerivationCode().GetString());
        sheet->GetRange(Cell(column, itemRow)).SetValue(codes);
    }
    return TRUE;
}

BOOL CFileComp::ExportInterfaceRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter,
                                    long& secondCounter, DWORD exportOptions, CObject* rowContext)
{
    if (!(exportOptions & EXPORT_FILES) || !(exportOptions & kInterface))
        return FALSE;
    if (!ExportFileSheetRow(sheet1, firstCounter, secondCounter, exportOptions, rowContext))
        return FALSE;
    return ExportDataItemRows(sheet2, firstCounter, secondCounter, exportOptions, rowContext);
}

BOOL CFileComp::ExportSourceRelations(CExcelDispatch* sheet3, long& thirdCounter, DWORD exportOptions,
                                      CObject* rowContext)
{
    if (!(exportOptions & EXPORT_FILES) || !(exportOptions & kInterface))
        return FALSE;
    return ExportSourceRelationRows(sheet3, thirdCounter, exportOptions, rowContext);
}

BOOL CFileComp::ExportFileSheetRow(CExcelDispatch* sheet1, long&, long& secondCounter, DWORD exportOptions,
                                   CObject* rowContext)
{
    const ExcelExportContext* context = Context(rowContext);
    if (!sheet1 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet1;
    const CBaseDoc* doc = context ? context->document : nullptr;
    std::vector<CString> row(22);
    row[0] = CellText(sheet, m_strNumber);
    row[1] = CellText(sheet, m_strName);
    row[2] = FileTypeName(context, m_wBoxStyle);
    row[3] = Flag(m_wUpdateRight == 1);
    row[4] = GetNumIOSourceText();
    const CFileComp* parent = ParentOf(context, GetObjectId());
    PutFile(sheet, row, 5, parent);
    if (const CRelLineObj* arrow = MainArrowOf(context, GetObjectId())) {
        const CString itemName = CellText(sheet, arrow->GetItemNameLabel().GetText());
        switch (arrow->GetDiscriminatorForm()) {
        case 1:
            if (const CFileComp* file = FileIn(doc, arrow->GetDiscriminatorFile(), context)) {
                PutFile(sheet, row, 7, file);
                if (const CData* item = ItemOf(file, arrow->GetDiscriminatorItem())) {
                    row[9] = item->GetNumberText();
                    row[10] = itemName;
                }
            }
            break;
        case 2:
            row[7] = arrow->GetReferenceText(0);
            row[8] = CellText(sheet, arrow->GetReferenceText(1));
            row[9] = arrow->GetReferenceText(2);
            row[10] = itemName;
            break;
        case 3:
            if (arrow->GetReferenceNumber(1) != 0) {
                if (const CFileComp* file =
                        FileIn(LoadedDiagram(doc, arrow->GetReferenceNumber(0)), arrow->GetReferenceNumber(1))) {
                    PutFile(sheet, row, 7, file);
                    if (const CData* item = ItemOf(file, arrow->GetReferenceItem())) {
                        row[9] = item->GetNumberText();
                        row[10] = itemName;
                    }
                }
            }
            break;
        default: break;
        }
        // Every cell is a text here, so the label's text needs no mark to stay one.
        row[11] = CellText(sheet, arrow->GetItemValueLabel().GetText());
    }
    row[12] = LfText(sheet, m_strSummary);
    row[13] = LfText(sheet, m_strCodeSample);
    row[14] = m_strTableName;
    row[15] = Flag(m_bPhysicalTarget);
    if (parent)
        row[16] = Flag(m_bMergedIntoParent);
    row[17] = m_strPrimaryIndexName;
    row[18] = m_strTableSpace;
    row[19] = m_strIndexSpace;
    if (m_wPhyControlFileId != 0)
        row[20] = CellText(sheet, m_strPhyControlFileName);
    row[21] = Flag(m_bPhyControlDedicated);
    SendRow(sheet, ++secondCounter, row);
    return TRUE;
}

BOOL CFileComp::ExportDataItemRows(CExcelDispatch* sheet2, long& firstCounter, long&, DWORD exportOptions,
                                   CObject* rowContext)
{
    const ExcelExportContext* context = Context(rowContext);
    if (!sheet2 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet2;
    const CBaseDoc* doc = context ? context->document : nullptr;
    for (POSITION pos = m_dataList.GetHeadPosition(); pos;) {
        const CData* item = m_dataList.GetNext(pos);
        std::vector<CString> row(27);
        row[0] = CellText(sheet, m_strNumber);
        row[1] = CellText(sheet, m_strName);
        row[2] = Unsigned(item->GetDataNumber());
        row[3] = item->GetNumberText();
        row[4] = item->GetName();
        row[5] = item->GetKeyCode();
        if (item->IsKeyItem()) {
            row[6] = Unsigned(item->GetKeyGroup());
            row[7] = Unsigned(item->GetKeyOrder());
        }
        row[8] = item->GetRkeyCode();
        switch (item->GetRefForm()) {
        case 1:
            if (const CFileComp* file = FileIn(doc, item->GetRefFile(), context)) {
                PutFile(sheet, row, 9, file);
                PutItem(sheet, row, 11, ItemOf(file, item->GetRefItem()));
            }
            break;
        case 2:
            row[9] = item->GetRef2FileNumber();
            row[10] = CellText(sheet, item->GetRef2FileName());
            row[11] = item->GetRef2ItemNumber();
            row[12] = CellText(sheet, item->GetRef2ItemName());
            break;
        case 3:
            if (item->GetRef3File() != 0) {
                if (const CFileComp* file = FileIn(LoadedDiagram(doc, item->GetRef3Diagram()), item->GetRef3File())) {
                    PutFile(sheet, row, 9, file);
                    PutItem(sheet, row, 11, ItemOf(file, item->GetRef3Item()));
                }
            }
            break;
        default: break;
        }
        row[13] = item->GetDerivationCode();
        row[14] = Unsigned(item->GetLevel());
        if (item->IsChildLevel())
            row[15] = Unsigned(item->GetChildOrder());
        PutItem(sheet, row, 16, ItemOf(this, item->GetParentItem()));
        row[18] = LfText(sheet, item->GetSummary());
        row[19] = LfText(sheet, item->GetExpression());
        row[20] = item->GetColumnName();
        row[21] = Count(item->GetDigits());
        row[22] = Count(item->GetDecimals());
        row[23] = TypeLabel(context, *item);
        row[24] = Flag(item->GetPhysicalTarget() != 0);
        row[25] = NullOption(item->GetNullOption());
        row[26] = item->GetDefaultValue();
        SendRow(sheet, ++firstCounter, row);
    }
    return TRUE;
}

BOOL CFileComp::ExportSourceRelationRows(CExcelDispatch* sheet3, long& thirdCounter, DWORD exportOptions,
                                         CObject* rowContext)
{
    const ExcelExportContext* context = Context(rowContext);
    if (!sheet3 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet3;
    const CBaseDoc* doc = context ? context->document : nullptr;
    for (POSITION pos = m_dataList.GetHeadPosition(); pos;) {
        const CData* item = m_dataList.GetNext(pos);
        const CDataGenSrcList& sources = item->GetSources();
        for (POSITION spos = sources.GetHeadPosition(); spos;) {
            const CDataGenSrc* source = sources.GetNext(spos);
            std::vector<CString> row(17);
            row[0] = CellText(sheet, m_strNumber);
            row[1] = CellText(sheet, m_strName);
            row[2] = item->GetNumberText();
            row[3] = item->GetName();
            // Files and items of this diagram (form 1) or of a referenced one (form 3).
            auto byIds = [&](const CBaseDoc* in, WORD srcFile, WORD srcItem, const CString* recordedName, WORD refFile,
                             const std::array<WORD, GENSRC_REF_COUNT>& refItems) {
                if (const CFileComp* file = FileIn(in, srcFile, context)) {
                    PutFile(sheet, row, 4, file);
                    PutItem(sheet, row, 6, ItemOf(file, srcItem));
                    if (recordedName && ItemOf(file, srcItem))
                        row[7] = CellText(sheet, *recordedName);
                }
                if (const CFileComp* file = FileIn(in, refFile, context)) {
                    PutFile(sheet, row, 8, file);
                    for (int i = 0; i < GENSRC_REF_COUNT; ++i)
                        PutItem(sheet, row, std::size_t(10 + 2 * i), ItemOf(file, refItems[std::size_t(i)]));
                }
            };
            switch (source->GetForm()) {
            case CDataGenSrc::FORM_BY_IDS: {
                const GenSrcByIds& ids = source->ByIds();
                if (ids.srcFile != 0)
                    byIds(doc, ids.srcFile, ids.srcItem, nullptr, ids.refFile, ids.refItems);
                break;
            }
            case CDataGenSrc::FORM_BY_TEXTS: {
                const GenSrcByTexts& texts = source->ByTexts();
                row[4] = texts.srcFileNumber;
                row[5] = CellText(sheet, texts.srcFileName);
                row[6] = texts.srcItemNumber;
                row[7] = CellText(sheet, texts.srcItemName);
                row[8] = texts.refFileNumber;
                row[9] = CellText(sheet, texts.refFileName);
                for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
                    row[std::size_t(10 + 2 * i)] = texts.refItemNumbers[std::size_t(i)];
                    row[std::size_t(11 + 2 * i)] = CellText(sheet, texts.refItemNames[std::size_t(i)]);
                }
                break;
            }
            case CDataGenSrc::FORM_IN_DIAGRAM: {
                const GenSrcInDiagram& in = source->InDiagram();
                if (const CBaseDoc* diagram = LoadedDiagram(doc, in.diagram))
                    byIds(diagram, in.srcFile, in.srcItem, &in.srcItemName, in.refFile, in.refItems);
                break;
            }
            default: break;
            }
            row[16] = LfText(sheet, source->GetNote());
            SendRow(sheet, ++thirdCounter, row);
        }
    }
    return TRUE;
}

BOOL CFileComp::ExportConceptUpdateRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter,
                                        long& secondCounter, DWORD exportOptions, CObject* rowContext)
{
    if (!(exportOptions & EXPORT_FILES) || !(exportOptions & kConceptUpdate))
        return FALSE;
    if (!ExportConceptUpdateFileRow(sheet1, firstCounter, secondCounter, exportOptions, rowContext))
        return FALSE;
    return ExportConceptUpdateItemRows(sheet2, firstCounter, secondCounter, exportOptions, rowContext);
}

BOOL CFileComp::ExportConceptUpdateFileRow(CExcelDispatch* sheet1, long&, long& secondCounter, DWORD exportOptions,
                                           CObject*)
{
    if (!sheet1 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet1;
    SendRow(sheet, ++secondCounter,
            {Unsigned(GetObjectId()), CellText(sheet, m_strNumber), CellText(sheet, m_strName), GetNumIOSourceText(),
             LfText(sheet, m_strSummary), LfText(sheet, m_strCodeSample)});
    return TRUE;
}

BOOL CFileComp::ExportConceptUpdateItemRows(CExcelDispatch* sheet2, long& firstCounter, long&, DWORD exportOptions,
                                            CObject*)
{
    if (!sheet2 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet2;
    for (POSITION pos = m_dataList.GetHeadPosition(); pos;) {
        const CData* item = m_dataList.GetNext(pos);
        SendRow(sheet, ++firstCounter,
                {Unsigned(GetObjectId()), CellText(sheet, m_strNumber), CellText(sheet, m_strName),
                 Unsigned(item->GetDataNumber()), item->GetNumberText(), item->GetName(), item->GetKeyCode(),
                 item->GetRkeyCode(), item->GetDerivationCode(), LfText(sheet, item->GetSummary()),
                 LfText(sheet, item->GetExpression())});
    }
    return TRUE;
}

BOOL CFileComp::ExportPhysicalUpdateRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter,
                                         long& secondCounter, DWORD exportOptions, CObject* rowContext)
{
    if (!(exportOptions & EXPORT_FILES) || !(exportOptions & kPhysicalUpdate))
        return FALSE;
    if (!ExportPhysicalUpdateFileRow(sheet1, firstCounter, secondCounter, exportOptions, rowContext))
        return FALSE;
    return ExportPhysicalUpdateItemRows(sheet2, firstCounter, secondCounter, exportOptions, rowContext);
}

BOOL CFileComp::ExportPhysicalUpdateFileRow(CExcelDispatch* sheet1, long&, long& secondCounter, DWORD exportOptions,
                                            CObject* rowContext)
{
    const ExcelExportContext* context = Context(rowContext);
    if (!sheet1 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet1;
    const BOOL hasParent = ParentOf(context, GetObjectId()) != nullptr;
    SendRow(sheet, ++secondCounter,
            {Unsigned(GetObjectId()), CellText(sheet, m_strNumber), CellText(sheet, m_strName), Flag(m_bPhysicalTarget),
             hasParent ? Flag(m_bMergedIntoParent) : CString(), Flag(m_bPhyControlDedicated), m_strTableName,
             m_strPrimaryIndexName, m_strTableSpace, m_strIndexSpace});
    return TRUE;
}

BOOL CFileComp::ExportPhysicalUpdateItemRows(CExcelDispatch* sheet2, long& firstCounter, long&, DWORD exportOptions,
                                             CObject* rowContext)
{
    const ExcelExportContext* context = Context(rowContext);
    if (!sheet2 || !(exportOptions & EXPORT_FILES))
        return FALSE;
    if (m_strNumber.IsEmpty() && m_strName.IsEmpty())
        return TRUE;
    CExcelDispatch& sheet = *sheet2;
    for (POSITION pos = m_dataList.GetHeadPosition(); pos;) {
        const CData* item = m_dataList.GetNext(pos);
        SendRow(sheet, ++firstCounter,
                {Unsigned(GetObjectId()), CellText(sheet, m_strNumber), CellText(sheet, m_strName),
                 Unsigned(item->GetDataNumber()), item->GetNumberText(), item->GetName(), item->GetKeyCode(),
                 item->GetRkeyCode(), item->GetDerivationCode(), Flag(item->GetPhysicalTarget() != 0),
                 item->GetColumnName(), TypeLabel(context, *item), Count(item->GetDigits()), Count(item->GetDecimals()),
                 NullOption(item->GetNullOption()), item->GetDefaultValue()});
    }
    return TRUE;
}
