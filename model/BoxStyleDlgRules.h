// The working state of the file-type dialog apart from its widgets: a list of its own read from
// the profile and the style on show. Nothing reaches the profile before Commit.
#pragma once

#include "model/BoxStyleList.h"

class BoxStyleDlgRules
{
public:
    // Reads the working list from the profile; mark 0 becomes current. FALSE when the list could
    // not be filled (the user has been told).
    BOOL Open();

    CBoxStyleList& GetList() { return m_list; }
    const CBoxStyleList& GetList() const { return m_list; }
    CBoxStyle* GetCurrent() const { return m_pCurrent; }
    // A style of the working list (or null) becomes the one on show.
    void SetCurrent(CBoxStyle* style) { m_pCurrent = style; }

    // The controls' values go into the current style, which counts as changed when one differs.
    void StoreCurrent(const char* userName, BOOL shown);

    // Replaces the working list by the file types of the XJ model diagram, all of them to be
    // saved; mark 0 becomes current. FALSE when the list could not be filled.
    BOOL ApplyModelDiagramPreset();

    // After OK: the changed styles go to the profile, then the frame's list is read from it again.
    // FALSE after telling the user when a style could not be written (the frame's list then shows
    // what the profile holds).
    BOOL Commit(CBoxStyleList& frameList);

private:
    BOOL TakeFirstAsCurrent(BOOL filled);

    CBoxStyleList m_list;
    CBoxStyle* m_pCurrent = nullptr;
};
