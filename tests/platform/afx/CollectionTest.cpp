#include "platform/afx/Array.h"
#include "platform/afx/List.h"

#include <gtest/gtest.h>

namespace CollectionTestItems {

class CItemTest : public CObject
{
public:
    explicit CItemTest(int v = 0) : value(v) {}
    int value;
};

std::vector<int> Values(const CTypedPtrList<CObList, CItemTest*>& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        values.push_back(list.GetNext(pos)->value);
    return values;
}

} // namespace CollectionTestItems

using namespace CollectionTestItems;

TEST(ObList, PositionsSurviveOtherInsertionsAndRemovals)
{
    CItemTest items[6] = {CItemTest(0), CItemTest(1), CItemTest(2), CItemTest(3), CItemTest(4), CItemTest(5)};
    CTypedPtrList<CObList, CItemTest*> list(10);
    const POSITION p1 = list.AddTail(&items[1]);
    const POSITION p3 = list.AddTail(&items[3]);
    list.AddHead(&items[0]);
    list.InsertAfter(p1, &items[2]);
    list.InsertBefore(nullptr, &items[5]); // a null position means the head
    list.RemoveHead();
    list.InsertAfter(p3, &items[4]);
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(list.GetAt(p3)->value, 3);

    list.RemoveAt(list.Find(&items[2]));
    EXPECT_EQ(list.GetAt(p1)->value, 1);
    EXPECT_EQ(list.FindIndex(2), p3);
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.Find(&items[1], p1), nullptr);

    POSITION back = list.GetTailPosition();
    EXPECT_EQ(list.GetPrev(back)->value, 4);
    EXPECT_EQ(list.GetPrev(back)->value, 3);
    list.SetAt(back, &items[5]);
    EXPECT_EQ(Values(list), (std::vector<int>{0, 5, 3, 4}));
    EXPECT_EQ(list.RemoveTail()->value, 4);
    EXPECT_EQ(list.GetCount(), 3);

    CTypedPtrList<CObList, CItemTest*> other;
    other.AddTail(&items[2]);
    other.AddTail(&list);
    EXPECT_EQ(Values(other), (std::vector<int>{2, 0, 5, 3}));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_THROW(list.GetHead(), CInvalidArgException);
    EXPECT_THROW(list.RemoveTail(), CInvalidArgException);
}

TEST(ObList, SwappingElementsKeepsPositionsWithTheirElements)
{
    CItemTest items[3] = {CItemTest(0), CItemTest(1), CItemTest(2)};
    CTypedPtrList<CObList, CItemTest*> one(10), two(10);
    const POSITION p0 = one.AddTail(&items[0]);
    one.AddTail(&items[1]);
    two.AddTail(&items[2]);
    one.SwapElements(two);
    EXPECT_EQ(Values(one), (std::vector<int>{2}));
    EXPECT_EQ(Values(two), (std::vector<int>{0, 1}));
    EXPECT_EQ(two.GetAt(p0)->value, 0);
    two.InsertAfter(p0, &items[2]);
    EXPECT_EQ(Values(two), (std::vector<int>{0, 2, 1}));
    two.SwapElements(two);
    EXPECT_EQ(two.GetCount(), 3);
    CTypedPtrList<CObList, CItemTest*> empty(10);
    one.SwapElements(empty);
    EXPECT_TRUE(one.IsEmpty());
    EXPECT_EQ(empty.GetTailPosition(), empty.GetHeadPosition());
}

TEST(StringList, FindsByValue)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead(CString("a"));
    list.AddTail("b");
    const POSITION first = list.Find("b");
    ASSERT_NE(first, nullptr);
    EXPECT_NE(list.Find("b", first), nullptr);
    EXPECT_EQ(list.Find("c"), nullptr);
    EXPECT_EQ(list.GetHead(), "a");
}

TEST(Arrays, GrowInsertRemoveAndRefuseBadIndices)
{
    CDWordArray numbers;
    numbers.SetSize(2);
    numbers.Add(7);
    numbers.InsertAt(1, 5, 2);
    numbers.InsertAt(6, 9); // past the end: grows with zeros first
    EXPECT_EQ(std::vector<DWORD>(numbers.GetData(), numbers.GetData() + numbers.GetSize()),
              (std::vector<DWORD>{0, 5, 5, 0, 7, 0, 9}));
    numbers.RemoveAt(1, 2);
    numbers[0] = 3;
    EXPECT_EQ(numbers.GetAt(0), 3u);
    EXPECT_EQ(numbers.GetUpperBound(), 4);
    EXPECT_THROW(numbers.GetAt(5), CInvalidArgException);
    EXPECT_THROW(numbers.RemoveAt(4, 2), CInvalidArgException);
    EXPECT_THROW(numbers.SetSize(-1), CInvalidArgException);

    CItemTest a(1), b(2);
    CTypedPtrArray<CObArray, CItemTest*> items;
    items.SetAtGrow(1, &b);
    items[0] = &a;
    EXPECT_EQ(items.GetAt(0)->value + items[1]->value, 3);

    CStringArray texts;
    texts.Add("x");
    texts.InsertAt(0, CString("w"));
    EXPECT_EQ(texts[0] + texts[1], "wx");
}
