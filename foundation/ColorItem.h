// One named colour of the palette that every colour submenu shows.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CStdioFile;

// The profile section of the palette and the name the recent-colour slots carry.
constexpr const char* COLORITEM_SECTION = "ColorItem";
CString RecentColorName();
// The longest menu name kept, in bytes: the profile record "%lu,%s,%d" then fits in 1024 bytes.
constexpr int COLORITEM_MAX_NAME_BYTES = 1000;

class CColorItem : public CObject
{
    DECLARE_DYNCREATE(CColorItem)
public:
    CColorItem() = default;
    CColorItem(WORD id, COLORREF color, const char* name, int recent);
    CColorItem(const CColorItem& other);
    // Starts from the defaults and loads the record stored under the id.
    explicit CColorItem(WORD id);

    WORD GetId() const { return m_wId; }
    void SetId(WORD id) { m_wId = id; }
    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF color) { m_crColor = color; }
    const CString& GetMenuName() const { return m_strName; }
    // A name longer than COLORITEM_MAX_NAME_BYTES is cut on a character boundary.
    void SetMenuName(const char* name);
    int GetRecentFlag() const { return m_nRecent; }
    void SetRecentFlag(int recent) { m_nRecent = recent; }

    // Loads "colour,name,flag" stored under the id; TRUE when the whole record was read. A part
    // that cannot be read keeps what the item held.
    BOOL ReadFromReg();
    // Writes the record under the id. A name holding a comma could not be read back: it is refused
    // with a message (FALSE).
    BOOL WriteToReg() const;
    // Writes the item's CSV line; FALSE after a file error, which has been reported.
    BOOL WriteCsvRow(CStdioFile& file) const;

    // Whether the name can be stored in the profile record / in a CSV line and read back as it is;
    // when not, the user is told why (exclamation box) and FALSE returned.
    static BOOL CheckNameForProfile(const CString& name);
    static BOOL CheckNameForCsv(const CString& name);

private:
    WORD m_wId = 0;
    COLORREF m_crColor = 0;
    CString m_strName;
    int m_nRecent = 0;
};
