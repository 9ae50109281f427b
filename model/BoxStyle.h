// The file type of one file-type mark: the name the user gives mark 0 to 24 and whether the
// file-type menus offer it. Kept in the per-user profile, never in a document.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

constexpr const char* BOXSTYLE_USER_NAME_SECTION = "BoxStyle User Name";
constexpr const char* BOXSTYLE_USED_SECTION = "BoxStyle Used";
constexpr int BOXSTYLE_MARK_COUNT = 25; // mark ids 0 to 24

class CBoxStyle : public CObject
{
    DECLARE_DYNCREATE(CBoxStyle)
public:
    CBoxStyle() = default;
    CBoxStyle(WORD markId, const char* markName, const char* userName, int shown, int changed);
    CBoxStyle(const CBoxStyle& other);
    // Sets the mark id and loads the style from the profile.
    explicit CBoxStyle(WORD markId);

    // Clears the changed flag, takes the mark's drawing-style name, and reads the user name (by
    // default the mark name) and the shown flag (by default 1).
    BOOL LoadFromProfile();
    // Writes the user name and the shown flag when forced or changed, and clears changed. FALSE
    // when the profile could not be written; the style then stays changed.
    BOOL SaveToProfile(BOOL force);

    // Each marks the style changed when the value differs.
    void SetUserName(const char* name);
    void SetShown(int shown);

    BOOL IsUserName(const char* name) const { return m_strUserName == name; }
    CString GetUserName() const { return m_strUserName; }
    WORD GetMarkId() const { return m_wMarkId; }
    CString GetMarkName() const { return m_strMarkName; }
    int GetShown() const { return m_nShown; }
    int IsChanged() const { return m_nChanged; }

    // The drawing-style name of mark 0 to 24; empty for any other id.
    static CString MarkNameOf(WORD markId);

private:
    WORD m_wMarkId = 0;
    CString m_strMarkName;
    CString m_strUserName;
    int m_nShown = 0;
    int m_nChanged = 0;
};
