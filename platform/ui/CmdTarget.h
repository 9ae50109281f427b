// CCmdTarget: an object that handles commands through a table of handlers per class, each table
// chained to its base class's. Routing (view -> document -> frames -> application) is OnCmdMsg.
//
// A class declares
//     const MessageMap* GetMessageMap() const override;
// and defines it as one static table that names its base's table first:
//     const MessageMap* CMyFrame::GetMessageMap() const
//     {
//         static const MessageMap map{CFrameWnd::GetMessageMap(), {
//             MapCommand(ID_FILE_NEW, &CMyFrame::OnFileNew),
//             MapUpdate(ID_FILE_NEW, &CMyFrame::OnUpdateFileNew),
//             MapCommandRange(32810, 32834, &CMyFrame::OnTool),
//             MapMessage(UM_FIND_NEXT, &CMyFrame::OnFindNext),
//         }};
//         return &map;
//     }
// Entries are searched in order, the class's own before its base's.
#pragma once

#include "platform/afx/Object.h"

#include <functional>
#include <initializer_list>
#include <vector>

class CCmdUI;
class CCmdTarget;

// OnCmdMsg codes: run the command, or run its update handler with a CCmdUI as the extra argument.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// Given to OnCmdMsg to ask only whether a handler exists; the target that has it is filled in.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget = nullptr;
};

struct MessageMapEntry
{
    enum class Kind { Command, Update, Message };
    Kind kind;
    UINT first; // command id or message number
    UINT last;
    // Command: returns TRUE when handled (plain handlers always handle).
    std::function<BOOL(CCmdTarget&, UINT)> onCommand;
    std::function<void(CCmdTarget&, CCmdUI*)> onUpdate;
    std::function<LRESULT(CCmdTarget&, WPARAM, LPARAM)> onMessage;
};

struct MessageMap
{
    MessageMap(const MessageMap* baseMap, std::initializer_list<MessageMapEntry> list) : base(baseMap), entries(list) {}
    const MessageMap* base;
    std::vector<MessageMapEntry> entries;
};

// The first entry of the kind that covers id, searching the class's table and then its bases'.
const MessageMapEntry* FindMessageMapEntry(const MessageMap* map, MessageMapEntry::Kind kind, UINT id);

template <class T>
MessageMapEntry MapCommand(UINT id, void (T::*handler)())
{
    return {MessageMapEntry::Kind::Command,
            id,
            id,
            [handler](CCmdTarget& t, UINT) {
                (static_cast<T&>(t).*handler)();
                return TRUE;
            },
            {},
            {}};
}

// The handler gets the command id.
template <class T>
MessageMapEntry MapCommandRange(UINT first, UINT last, void (T::*handler)(UINT))
{
    return {MessageMapEntry::Kind::Command,
            first,
            last,
            [handler](CCmdTarget& t, UINT id) {
                (static_cast<T&>(t).*handler)(id);
                return TRUE;
            },
            {},
            {}};
}

// The handler decides: FALSE lets the command go on to the next target.
template <class T>
MessageMapEntry MapCommandEx(UINT first, UINT last, BOOL (T::*handler)(UINT))
{
    return {MessageMapEntry::Kind::Command,
            first,
            last,
            [handler](CCmdTarget& t, UINT id) { return (static_cast<T&>(t).*handler)(id); },
            {},
            {}};
}

template <class T>
MessageMapEntry MapUpdate(UINT id, void (T::*handler)(CCmdUI*))
{
    return {MessageMapEntry::Kind::Update,
            id,
            id,
            {},
            [handler](CCmdTarget& t, CCmdUI* ui) { (static_cast<T&>(t).*handler)(ui); },
            {}};
}

template <class T>
MessageMapEntry MapUpdateRange(UINT first, UINT last, void (T::*handler)(CCmdUI*))
{
    return {MessageMapEntry::Kind::Update,
            first,
            last,
            {},
            [handler](CCmdTarget& t, CCmdUI* ui) { (static_cast<T&>(t).*handler)(ui); },
            {}};
}

template <class T>
MessageMapEntry MapMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {MessageMapEntry::Kind::Message, message, message, {}, {}, [handler](CCmdTarget& t, WPARAM w, LPARAM l) {
                return (static_cast<T&>(t).*handler)(w, l);
            }};
}

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the command (CN_COMMAND) or its update handler (CN_UPDATE_COMMAND_UI, extra = CCmdUI*)
    // from this object's table; derived targets route on to the next object. TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The wait cursor while a long operation runs.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    virtual const MessageMap* GetMessageMap() const;
    // The table's own lookup, without routing to other objects.
    BOOL DispatchFromMap(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
};
