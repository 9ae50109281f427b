#include "physical/PhysicalNames.h"

#include "foundation/TextFunctions.h"
#include "model/FileComp.h"

namespace PhysicalNames {

namespace {

// The tests the table and the index name share: definition files never, the physical-target and
// merged-into-parent filters when the word asks for them.
BOOL PassesFileFilters(const CFileComp& file, const CBaseDoc& doc, DWORD option, DWORD physicalOnly, DWORD skipMerged)
{
    if (file.GetPhyControlDedicated())
        return FALSE;
    if ((option & physicalOnly) && !file.IsPhysicalTarget())
        return FALSE;
    if ((option & skipMerged) && file.GetMergedIntoParent() && file.HasParentFileComp(doc))
        return FALSE;
    return TRUE;
}

} // namespace

CString GetNameForTable(const CFileComp& file)
{
    CString name;
    RemoveCrLf(name, file.GetFileName());
    return name;
}

BOOL IsTableNameTarget(const CFileComp& file, const CBaseDoc& doc, DWORD option)
{
    if (!PassesFileFilters(file, doc, option, TABLE_PHYSICAL_FILES_ONLY, TABLE_SKIP_MERGED))
        return FALSE;
    if (!(option & TABLE_OVERWRITE) && !file.GetTableName().IsEmpty())
        return FALSE;
    return !GetNameForTable(file).IsEmpty();
}

BOOL CreateTableName(CFileComp& file, DWORD option, const CString& prefix)
{
    CString name;
    if (option & TABLE_PREFIX)
        name = prefix;
    name += GetNameForTable(file);
    file.SetTableName(name);
    return TRUE;
}

BOOL IsPrimaryIndexNameTarget(const CFileComp& file, const CBaseDoc& doc, DWORD option)
{
    if (!PassesFileFilters(file, doc, option, INDEX_PHYSICAL_FILES_ONLY, INDEX_SKIP_MERGED))
        return FALSE;
    if (!(option & INDEX_OVERWRITE) && !file.GetPrimaryIndexName().IsEmpty())
        return FALSE;
    if (option & INDEX_FROM_FILE_NAME)
        return !GetNameForTable(file).IsEmpty();
    return !file.GetTableName().IsEmpty();
}

BOOL CreatePrimaryIndexName(CFileComp& file, DWORD option, const CString& prefix, const CString& suffix)
{
    const CString base = (option & INDEX_FROM_FILE_NAME) ? GetNameForTable(file) : file.GetTableName();
    CString name;
    if (option & INDEX_PREFIX) {
        name = prefix;
        name += base;
    } else {
        name = base;
        name += suffix;
    }
    file.SetPrimaryIndexName(name);
    return TRUE;
}

} // namespace PhysicalNames
