// The rules of the two dialogs of a conceptual file, apart from their widgets: the conceptual-file
// dialog (every attribute of the file, the subtype settings kept on its main arrow and the physical
// design group) and the definition-file dialog. The dialogs only bind controls to these.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/String.h"

class CBaseDoc;
class CBoxStyleList;
class CComboBox;
class CFileComp;

namespace FileCompDlgRules {

// The application's file-type marks, which the file-type combo lists; the main frame registers them.
constexpr auto GetFileTypeMarks = &ServiceSlot<CBoxStyleList>::Get;
constexpr auto SetFileTypeMarks = &ServiceSlot<CBoxStyleList>::Set;

// Text limits of the conceptual-file dialog's edits, in bytes.
constexpr int kMaxNumber = 10;
constexpr int kMaxName = 60;
constexpr int kMaxIoNumbers = 50;
constexpr int kMaxValue = 60;
constexpr int kMaxSummary = 255;
constexpr int kMaxTableName = 40;
constexpr int kMaxIndexName = 40;

// Empties the combo and lists "(指定しない)" (0), then every dedicated definition file other than
// the skipped one by name, else number, else object id (line breaks removed), with its object id as
// item data. The number of files listed; -1 (first row) or 0 (a later row) after telling the user,
// with the combo emptied, when a row could not be added.
int FillPhysicalDefinitionFileCombo(const CBaseDoc& doc, WORD skipId, CComboBox* combo);
// The name the definition-file link keeps for the file: its name, empty for 0 or a missing file.
CString DefinitionFileName(const CBaseDoc& doc, WORD fileId);

struct FileCompSettings
{
    CString number, name, ioNumbers, summary, examples;
    WORD boxStyle = 0;
    WORD updateRight = 0;
    // The subtype group: the parent through the file's main arrow, and that arrow's discriminator.
    WORD parentFile = 0;
    WORD mainArrow = 0;
    WORD discriminatorFile = 0;
    WORD discriminatorItem = 0;
    CString itemName, value;
    // The physical group.
    CString tableName, indexName, tableSpace, indexSpace;
    BOOL physicalTarget = FALSE;
    BOOL merged = FALSE;
    BOOL dedicated = FALSE;
    WORD definitionFile = 0;
    CString definitionName;
};
// Everything from the file and its main arrow.
FileCompSettings ReadFileComp(const CBaseDoc& doc, const CFileComp& file);
// Takes the discriminator of the settings' main arrow; a discriminator file that is no conceptual
// file of the document leaves no file, no item and empty texts.
void ReadMainArrowDiscriminator(const CBaseDoc& doc, FileCompSettings& settings);

// A parent choice (a row of the parent combo: MAKELONG(arrow id, parent id)). A parent that would
// close a loop of subtype arrows (the file is already its ancestor) is refused with a message and
// changes nothing: FALSE. Otherwise the settings take the arrow and its discriminator: TRUE.
BOOL ChooseParent(const CBaseDoc& doc, const CFileComp& file, FileCompSettings& settings, DWORD rowData);
// The discriminator-file and item choices, as in the subtype dialog; TRUE when the item list must
// be filled anew.
BOOL ChooseDiscriminatorFile(FileCompSettings& settings, WORD file);
void ChooseDiscriminatorItem(FileCompSettings& settings, WORD item, const CString& text);
// Checking "dedicated" makes the file a physical target too.
void SetDedicated(FileCompSettings& settings, BOOL dedicated);
void ChooseDefinitionFile(const CBaseDoc& doc, FileCompSettings& settings, WORD file);

struct FileCompEnables
{
    BOOL textsEditable; // number, name, I/O numbers, summary, examples
    BOOL fileTypeCombo;
    BOOL parentCombo; // also the discriminator-file combo
    BOOL itemCombo;
    BOOL valueEditable;
    BOOL physicalCheck;
    BOOL mergedCheck;
    BOOL physicalEditable; // table and index names, both tablespaces
    BOOL definitionCombo;
    BOOL dedicatedCheck;
};
FileCompEnables GetFileCompEnables(const FileCompSettings& settings, BOOL readOnly);

// Writes the settings back inside the caller's undo step (the caller has recorded the file): the
// file's fields that differ, the definition-file link when it applies, the parent choice through
// the main-arrow upkeep, and the main arrow's discriminator (recorded once). TRUE when anything
// changed.
BOOL ApplyFileComp(CBaseDoc& doc, CFileComp& file, const FileCompSettings& settings);

} // namespace FileCompDlgRules
