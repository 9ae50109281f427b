// The spreadsheet export of a document without any window: the workbook of the chosen form with
// its sheet names and header rows, filled by the objects' row writers in drawing order, and the
// account of what could not be written as it stood.
#pragma once

#include "platform/afx/String.h"
#include "platform/sheet/ExcelDispatch.h"
#include "platform/sheet/Workbook.h"

#include <QString>

#include <memory>

class CBaseDoc;
class ExcelExportContext;

// The option word's bits.
namespace ExcelExportOptions {
constexpr DWORD kTexts = 0x1;
constexpr DWORD kDataSymbols = 0x2;
constexpr DWORD kProcessSymbols = 0x4;
constexpr DWORD kFiles = 0x8;
constexpr DWORD kTasks = 0x10;
constexpr DWORD kAcross = 0x10000;
constexpr DWORD kDown = 0x20000;
constexpr DWORD kMatrix = 0x40000;
constexpr DWORD kInterface = 0x80000;
constexpr DWORD kRkeyByUnderscore = 0x100000;
constexpr DWORD kKeyCodesKps = 0x200000;
constexpr DWORD kConceptUpdate = 0x1000000;
constexpr DWORD kPhysicalUpdate = 0x2000000;
constexpr DWORD kDefault = 0x80008;
} // namespace ExcelExportOptions

// Receives the running count while the loops run.
class ExcelExportProgress
{
public:
    virtual ~ExcelExportProgress() = default;
    virtual void SetPhaseText(const CString& text) = 0;
    virtual void SetCountText(const CString& text) = 0;
};

struct ExcelExportOutcome
{
    BOOL finished = TRUE;      // every object loop ran to its end
    int objectsNotWritten = 0; // objects of the loop left out after a row writer stopped it
    CString stopReason;        // what stopped it, when a message says so
    SheetExportTally tally;
    int replacedTexts = 0;
};

namespace ExcelExport {

// The document's file name from its path (after the last / or \); empty for an unsaved document.
CString TitleOfPath(const CString& path);
// The first `count` characters of the text, a double-byte character counting as one.
CString CutToCharacters(const CString& text, int count);

// Builds the workbook. Throws SheetError when a sheet cannot take its name.
std::unique_ptr<SheetWorkbook> Build(CBaseDoc& document, DWORD options, const CString& title,
                                     ExcelExportContext& context, ExcelExportProgress* progress,
                                     ExcelExportOutcome& outcome);

// "ｴｸｽﾎﾟｰﾄが完了しました。" with the path, or the account of a partial export, followed by the
// texts that were cut or had bytes replaced and the items that found no column.
CString CompletionMessage(const ExcelExportOutcome& outcome, const QString& path);

} // namespace ExcelExport
