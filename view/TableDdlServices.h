// What the drawing views need of the physical design, which lives higher up: the CREATE TABLE
// script of the conceptual files among the objects chosen in a view (a conceptual file's menu
// command). The application registers the implementation; tests register a stand-in. Without one
// the command does nothing.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/WinTypes.h"

class CBaseDoc;
class CObList;

class TableDdlServices
{
public:
    virtual ~TableDdlServices() = default;

    // Asks for the generation options, then writes the script of the conceptual files among the
    // objects; showMessages also reports an empty choice. 0 when nothing was written (cancelled,
    // read-only, no file chosen), negative on failure.
    virtual int CreateTableDdlForSelectedFiles(CBaseDoc& doc, const CObList& objects, BOOL showMessages) = 0;
};

// The registered implementation, or null; registering returns the one it replaces.
constexpr auto GetTableDdlServices = &ServiceSlot<TableDdlServices>::Get;
constexpr auto SetTableDdlServices = &ServiceSlot<TableDdlServices>::Set;
