// CGroupObj: a box object that owns a list of other drawing objects, box and line objects alike,
// and makes them behave as one: it draws, hit-tests, moves, resizes and scales them together,
// passes attribute changes down to every member and stores them inside its own record. Groups
// nest: a member may itself be a group.
//
// Building a group from objects and copying a group are all-or-nothing: when a member cannot be
// copied the constructor throws and nothing is left behind; the objects it copied from are never
// touched.
#pragma once

#include "objects/BaseObj.h"
#include "platform/afx/List.h"

#include <functional>

class CPolyObj;

class CGroupObj : public CBaseObj
{
    DECLARE_SERIAL(CGroupObj)
public:
    CGroupObj();
    // Copies of the objects' drawing objects in list order become the members, the rectangle
    // their bounding rectangle. Throws CNotSupportedException when an object cannot be copied and
    // CUserException after telling the user why a member could not be added.
    CGroupObj(WORD objectId, const CObList& objects);
    // Copies every member; throws as the constructor above.
    CGroupObj(const CGroupObj& other);
    ~CGroupObj() override;

    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // A hit on any member; the space between members is a miss.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    void GetVisibleRect(CRect& rect, BOOL printMode) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    BOOL IsInsideRect(const CRect& rect, BOOL printMode) const override;

    void MoveBy(SIZE offset, DWORD flags) override;
    // The members are mapped from the old rectangle into the new one; a group of zero width or
    // height resizes each member by the same handle instead.
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    void MapToRect(const CRect& oldFrame, const CRect& newFrame) override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;

    // Destroys the members, each through its own destroy operation, then the group.
    void DestroyObject() override;
    // A group is no default-attribute prototype: these do nothing.
    void CopyAttributes(const CBaseObj& other) override;
    void LoadDefaultAttributes(CRegItemObj& carrier) override;
    void SaveDefaultAttributes(CRegItemObj& carrier) override;
    BOOL ClearNumber(DWORD flag) override;

    // Each sets the group's own field, then hands the same value to the members (a toggle hands
    // the group's new value, so every member ends up equal to it). Fill reaches box members only.
    int SetPenStyle(int style) override;
    COLORREF SetPenColor(COLORREF color) override;
    int SetPenWidth(int width) override;
    BOOL SetFill(BOOL fill) override;
    BOOL ToggleFill() override;
    COLORREF SetFillColor(COLORREF color) override;
    BOOL SetHideDefine(BOOL hide) override;
    BOOL ToggleHideDefine() override;
    BOOL SetCanDelete(BOOL canDelete) override;
    BOOL ToggleCanDelete() override;

    BOOL IsExportKind(DWORD exportOptions) const override;
    BOOL HasText() const override;
    // The rows of the plain box members first, then those of the nested groups.
    BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                        CObject* rowContext) override;

    const CObList& GetMemberList() const { return m_members; }
    // The union of the members' visible rectangles (left and bottom the smallest, right and top
    // the largest); empty when hidden in this mode or without members.
    CRect& GetMembersBoundRect(CRect& rect, BOOL printMode) const;
    // Numbers the members in list order from the first id, a nested group's members right after
    // it. Returns the next free id, or 0xFFFF once the counter reaches it.
    WORD AssignMemberIds(WORD firstId);
    // How many ids AssignMemberIds hands out: one per member, nested members included.
    DWORD GetMemberIdCount() const;

private:
    // Appends copies of the objects' drawing objects; on failure the members copied so far are
    // destroyed and the exception travels on (see the constructors).
    void CopyMembersFrom(const CObList& objects, const CString& memoryText, const CString& unexpectedText);
    void DestroyMembers();
    // Calls the box or the line function for each member that is one.
    void ForEachMember(const std::function<void(CBaseObj&)>& box, const std::function<void(CPolyObj&)>& line);
    void FitRectToMembers();
    BOOL ExportMemberRows(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions, CObject* rowContext,
                          BOOL nestedGroups);

    CObList m_members{10};
};
