// The spreadsheet imports as the application and the main frame run them: the DB-interface import
// into a new document (command 32902 of the application) and the two update imports of the active
// document (commands 32974 and 32975 of the main frame), with the services they need.
#pragma once

#include "platform/ui/CmdTarget.h"

#include <QString>

namespace ExcelImportCommands {

// The workbook last exported or imported during this run; empty at first.
QString LastWorkbook();
void SetLastWorkbook(const QString& path);

// The main frame's entries for the update imports.
MessageMapEntry CommandEntry(UINT id);
MessageMapEntry UpdateEntry(UINT id);

} // namespace ExcelImportCommands
