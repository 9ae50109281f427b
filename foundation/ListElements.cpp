#include "foundation/ListElements.h"

#include "platform/afx/MessageSink.h"
#include "platform/ui/Controls.h"

#include <functional>
#include <new>
#include <utility>

namespace ListElements {

LinkFailureProbe& Probe()
{
    static LinkFailureProbe probe;
    return probe;
}

BOOL LinkOwned(CObject* element, const char* caller, const std::function<void()>& link)
{
    try {
        if (const LinkFailureProbe& probe = Probe(); probe && probe(caller))
            throw std::bad_alloc();
        link();
        return TRUE;
    } catch (...) {
        delete element;
        ReportCurrentException(caller);
        return FALSE;
    }
}

BOOL ComboFailed(CComboBox* combo, int row, const CString& comboName)
{
    AfxMessageBox(row == CB_ERR ? comboName + CString(u8"の初期化中にｴﾗｰが発生しました。")
                                : CString(u8"ﾒﾓﾘ不足のため") + comboName + CString(u8"を初期化できません。"),
                  MB_ICONEXCLAMATION);
    combo->ResetContent();
    return FALSE;
}

} // namespace ListElements

LinkFailureProbe SetLinkFailureProbe(LinkFailureProbe probe)
{
    return std::exchange(ListElements::Probe(), std::move(probe));
}

void DeleteAllElements(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

BOOL AddOwnedTail(CObList& list, CObject* element, const char* caller)
{
    return ListElements::LinkOwned(element, caller, [&] { list.AddTail(element); });
}

BOOL AddOwnedHead(CObList& list, CObject* element, const char* caller)
{
    return ListElements::LinkOwned(element, caller, [&] { list.AddHead(element); });
}

BOOL InsertOwnedBefore(CObList& list, POSITION pos, CObject* element, const char* caller)
{
    return ListElements::LinkOwned(element, caller, [&] { list.InsertBefore(pos, element); });
}

BOOL InsertOwnedAfter(CObList& list, POSITION pos, CObject* element, const char* caller)
{
    return ListElements::LinkOwned(element, caller, [&] { list.InsertAfter(pos, element); });
}

int MoveElementByIndex(CObList& list, int from, int to, const char* caller)
{
    const POSITION fromPos = list.FindIndex(from);
    if (from == to || !fromPos)
        return -1;
    CObject* element = list.GetAt(fromPos);
    const POSITION toPos = list.FindIndex(to);
    try {
        if (toPos)
            list.InsertBefore(toPos, element);
        else
            list.AddTail(element);
    } catch (...) {
        ReportCurrentException(caller);
        return -1;
    }
    // The old entry goes by its own position, so no other element can be dropped in its place.
    list.RemoveAt(fromPos);
    if (!toPos)
        return int(list.GetCount()) - 1;
    return from < to ? to - 1 : to;
}

BOOL AddElementComboRow(CComboBox* combo, const CString& text, CObject* element, const char* listName)
{
    return AddComboDataRow(combo, text, reinterpret_cast<DWORD_PTR>(element), listName);
}

BOOL AddComboDataRow(CComboBox* combo, const CString& text, DWORD_PTR data, const char* listName)
{
    return AddNamedComboRow(combo, text, data, CString(listName) + CString(u8"ｺﾝﾎﾞﾎﾞｯｸｽ"));
}

BOOL AddNamedComboRow(CComboBox* combo, const CString& text, DWORD_PTR data, const CString& comboName)
{
    const int row = combo->AddString(text);
    if (row < 0)
        return ListElements::ComboFailed(combo, row, comboName);
    if (combo->SetItemData(row, data) == CB_ERR)
        return ListElements::ComboFailed(combo, CB_ERR, comboName);
    return TRUE;
}
