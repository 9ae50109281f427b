// The framework's linked lists: CObList, CPtrList, CStringList and the typed CTypedPtrList.
// A POSITION names one node and stays valid while other elements are inserted or removed.
// Misuse that would corrupt memory (the head of an empty list, a null POSITION) throws
// CInvalidArgException instead.
#pragma once

#include "platform/afx/Exception.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

#include <utility>

struct AfxPositionTag;
using POSITION = AfxPositionTag*;

// The doubly linked list under the framework's list classes.
template <typename TYPE, typename ARG_TYPE = TYPE>
class AfxListOf : public CObject
{
public:
    explicit AfxListOf(INT_PTR /*blockSize: nodes are allocated one by one*/ = 10) {}
    ~AfxListOf() override { RemoveAll(); }
    AfxListOf(const AfxListOf&) = delete;
    AfxListOf& operator=(const AfxListOf&) = delete;

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return NonEmpty(m_head)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_head)->data; }
    TYPE& GetTail() { return NonEmpty(m_tail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_tail)->data; }
    POSITION GetHeadPosition() const { return ToPosition(m_head); }
    POSITION GetTailPosition() const { return ToPosition(m_tail); }

    // The element at pos; pos moves on to the next (previous) node, null after the last (first).
    TYPE& GetNext(POSITION& pos) { return Step(pos, true)->data; }
    const TYPE& GetNext(POSITION& pos) const { return Step(pos, true)->data; }
    TYPE& GetPrev(POSITION& pos) { return Step(pos, false)->data; }
    const TYPE& GetPrev(POSITION& pos) const { return Step(pos, false)->data; }
    TYPE& GetAt(POSITION pos) { return ToNode(pos)->data; }
    const TYPE& GetAt(POSITION pos) const { return ToNode(pos)->data; }
    void SetAt(POSITION pos, ARG_TYPE element) { ToNode(pos)->data = element; }

    POSITION AddHead(ARG_TYPE element) { return ToPosition(Link(new Node{element}, nullptr, m_head)); }
    POSITION AddTail(ARG_TYPE element) { return ToPosition(Link(new Node{element}, m_tail, nullptr)); }
    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION pos, ARG_TYPE element)
    {
        Node* next = pos ? ToNode(pos) : m_head;
        return ToPosition(Link(new Node{element}, next ? next->prev : nullptr, next));
    }
    POSITION InsertAfter(POSITION pos, ARG_TYPE element)
    {
        Node* prev = pos ? ToNode(pos) : m_tail;
        return ToPosition(Link(new Node{element}, prev, prev ? prev->next : nullptr));
    }

    TYPE RemoveHead() { return Unlink(NonEmpty(m_head)); }
    TYPE RemoveTail() { return Unlink(NonEmpty(m_tail)); }
    void RemoveAt(POSITION pos) { Unlink(ToNode(pos)); }
    void RemoveAll()
    {
        while (m_head)
            Unlink(m_head);
    }

    // Exchanges the elements of the two lists without copying or allocating anything; positions
    // stay valid and move with their elements.
    void SwapElements(AfxListOf& other) noexcept
    {
        std::swap(m_head, other.m_head);
        std::swap(m_tail, other.m_tail);
        std::swap(m_count, other.m_count);
    }

    // The position of the first element equal to value after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        for (Node* n = startAfter ? ToNode(startAfter)->next : m_head; n; n = n->next)
            if (n->data == value)
                return ToPosition(n);
        return nullptr;
    }
    // The position of the element at the zero-based index, or null.
    POSITION FindIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* n = m_head;
        while (index-- > 0)
            n = n->next;
        return ToPosition(n);
    }

protected:
    void AddHeadList(const AfxListOf& other)
    {
        for (Node* n = other.m_tail; n; n = n->prev)
            AddHead(n->data);
    }
    void AddTailList(const AfxListOf& other)
    {
        for (Node* n = other.m_head; n; n = n->next)
            AddTail(n->data);
    }

private:
    struct Node
    {
        TYPE data;
        Node* prev = nullptr;
        Node* next = nullptr;
    };

    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* ToNode(POSITION pos)
    {
        if (!pos)
            AfxThrowInvalidArgException();
        return reinterpret_cast<Node*>(pos);
    }
    static Node* NonEmpty(Node* node)
    {
        if (!node)
            AfxThrowInvalidArgException();
        return node;
    }
    static Node* Step(POSITION& pos, bool forward)
    {
        Node* node = ToNode(pos);
        pos = ToPosition(forward ? node->next : node->prev);
        return node;
    }
    Node* Link(Node* node, Node* prev, Node* next)
    {
        node->prev = prev;
        node->next = next;
        (prev ? prev->next : m_head) = node;
        (next ? next->prev : m_tail) = node;
        ++m_count;
        return node;
    }
    TYPE Unlink(Node* node)
    {
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        --m_count;
        TYPE data = std::move(node->data);
        delete node;
        return data;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};

// A list of object pointers; the list does not own them.
class CObList : public AfxListOf<CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR blockSize = 10) : AfxListOf(blockSize) {}
    using AfxListOf::AddHead;
    using AfxListOf::AddTail;
    // Note: a pointer to a class derived from CObList picks these overloads, as in the framework.
    void AddHead(CObList* other) { AddHeadList(*other); }
    void AddTail(CObList* other) { AddTailList(*other); }
    // A count, then every object (loading appends them).
    void Serialize(CArchive& ar) override;
};

class CPtrList : public AfxListOf<void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR blockSize = 10) : AfxListOf(blockSize) {}
    using AfxListOf::AddHead;
    using AfxListOf::AddTail;
    void AddHead(CPtrList* other) { AddHeadList(*other); }
    void AddTail(CPtrList* other) { AddTailList(*other); }
};

class CStringList : public AfxListOf<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR blockSize = 10) : AfxListOf(blockSize) {}
    using AfxListOf::AddHead;
    using AfxListOf::AddTail;
    POSITION AddHead(const char* text) { return AddHead(CString(text)); }
    POSITION AddTail(const char* text) { return AddTail(CString(text)); }
    void AddHead(CStringList* other) { AddHeadList(*other); }
    void AddTail(CStringList* other) { AddTailList(*other); }
    void Serialize(CArchive& ar) override;
};

// A list of TYPE pointers over CObList or CPtrList.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(INT_PTR blockSize = 10) : BASE_CLASS(blockSize) {}

    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    TYPE GetNext(POSITION& pos) const { return static_cast<TYPE>(BASE_CLASS::GetNext(pos)); }
    TYPE GetPrev(POSITION& pos) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(pos)); }
    TYPE GetAt(POSITION pos) const { return static_cast<TYPE>(BASE_CLASS::GetAt(pos)); }
    void SetAt(POSITION pos, TYPE element) { BASE_CLASS::SetAt(pos, element); }
    POSITION AddHead(TYPE element) { return BASE_CLASS::AddHead(element); }
    POSITION AddTail(TYPE element) { return BASE_CLASS::AddTail(element); }
    void AddHead(BASE_CLASS* other) { BASE_CLASS::AddHead(other); }
    void AddTail(BASE_CLASS* other) { BASE_CLASS::AddTail(other); }
    POSITION InsertBefore(POSITION pos, TYPE element) { return BASE_CLASS::InsertBefore(pos, element); }
    POSITION InsertAfter(POSITION pos, TYPE element) { return BASE_CLASS::InsertAfter(pos, element); }
};
