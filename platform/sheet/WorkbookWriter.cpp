// Saving a workbook as .xlsx through libxlsxwriter. Strings go to the shared-string table (never
// the constant-memory mode, whose inline strings several readers drop), and the library reports
// most write failures only when the workbook is closed, so every step's result is checked.
#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"
#include "platform/storage/SaveFile.h"
#include "platform/storage/StorageError.h"

#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace workbook_writer_cpp {

SheetError WriteFailure(const QString& path, const char* reason)
{
    CString message(u8"ﾌｧｲﾙ \"");
    message += FromQString(path);
    message += CString(u8"\" に書き込めませんでした。\n(");
    message += CString(reason);
    message += ")";
    return SheetError(message);
}

// The workbook while it is being written; closed (and so written) or destroyed on every path.
class XlsxHandle
{
public:
    explicit XlsxHandle(lxw_workbook* book) : m_book(book) {}
    ~XlsxHandle()
    {
        if (m_book)
            workbook_close(m_book);
    }
    XlsxHandle(const XlsxHandle&) = delete;
    XlsxHandle& operator=(const XlsxHandle&) = delete;
    lxw_workbook* Get() const { return m_book; }
    lxw_error Close()
    {
        lxw_error result = workbook_close(m_book);
        m_book = nullptr;
        return result;
    }

private:
    lxw_workbook* m_book;
};

void WriteXlsx(const SheetWorkbook& book, const std::string& file, const QString& path)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    XlsxHandle xlsx(workbook_new_opt(file.c_str(), &options));
    if (!xlsx.Get())
        throw WriteFailure(path, std::strerror(ENOMEM));
    for (int n = 1; n <= book.SheetCount(); ++n) {
        const SheetWorksheet& sheet = book.Sheet(n);
        lxw_worksheet* ws = workbook_add_worksheet(xlsx.Get(), sheet.NameUtf8().c_str());
        if (!ws)
            throw WriteFailure(path, "worksheet");
        for (const auto& [position, value] : sheet.AllCells()) {
            const auto row = lxw_row_t(position.first);
            const auto column = lxw_col_t(position.second);
            lxw_error result = LXW_NO_ERROR;
            if (value.GetKind() == SheetValue::Kind::Text)
                result = worksheet_write_string(ws, row, column, value.GetText().c_str(), nullptr);
            else if (value.GetKind() == SheetValue::Kind::Boolean)
                result = worksheet_write_boolean(ws, row, column, value.GetNumber() != 0, nullptr);
            else if (value.GetKind() == SheetValue::Kind::Number)
                result = worksheet_write_number(ws, row, column, value.GetNumber(), nullptr);
            if (result != LXW_NO_ERROR)
                throw WriteFailure(path, lxw_strerror(result));
        }
    }
    const lxw_error result = xlsx.Close();
    if (result != LXW_NO_ERROR) {
        const int error = errno;
        std::string reason = lxw_strerror(result);
        if (error)
            reason += std::string(": ") + std::strerror(error);
        throw WriteFailure(path, reason.c_str());
    }
}

} // namespace workbook_writer_cpp

// libxlsxwriter writes to a file it opens by name: it writes straight into the safe save's
// temporary file, which replaces the target only once the workbook is closed and on disk.
void SheetWorkbook::SaveAs(const QString& path) const
{
    const std::string target = QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
    try {
        SaveFile save(target);
        workbook_writer_cpp::WriteXlsx(*this, save.ContentPath(), path);
        save.Commit();
    } catch (const StorageError& error) {
        throw workbook_writer_cpp::WriteFailure(path, std::strerror(error.OsError() ? error.OsError() : EIO));
    }
}
