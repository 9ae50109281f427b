// A change of an arrow's relation kind: the line's new shape, the fields of the new kind, the
// refusals, and the discriminator file taken from the start object through the document.
#include "document/UndoStep.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "tests/document/DocumentTestSupport.h"
#include "tests/model/RelLineObjTestSupport.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr DWORD kItemNameLabel = CRelLineObj::PART_ITEM_NAME;
constexpr DWORD kItemValueLabel = CRelLineObj::PART_ITEM_VALUE;

// A 1:N arrow set up with every setting another kind clears.
CRelLineObj MakeOneToMany(const std::vector<CPoint>& points, WORD startId = 1, WORD endId = 2)
{
    CRelLineObj arrow = MakeArrow(CRelLineObj::KIND_ONE_TO_MANY, points, startId, endId);
    arrow.SetNullAllowed(TRUE);
    arrow.SetCardinality(CRelLineObj::CARDINALITY_CONSTANT);
    arrow.SetConstant(12);
    return arrow;
}

} // namespace

TEST(RelLineKind, EachKindShapesTheLineOrRefuses)
{
    const std::vector<CPoint> up{{100, -300}, {300, -100}};
    const std::vector<CPoint> down{{100, -100}, {300, -300}};
    const std::vector<CPoint> crank{{100, -100}, {100, -200}, {300, -200}, {300, -300}};
    const struct
    {
        const char* what;
        WORD kind;
        std::vector<CPoint> points;
        WORD startId, endId;
        BOOL result;
        std::vector<CPoint> shape;
    } cases[] = {
        {"1:N whose end lies above its start: a line break",
         1,
         up,
         1,
         2,
         TRUE,
         {{100, -300}, {100, -360}, {200, -360}, {200, -40}, {300, -40}, {300, -100}}},
        {"1:N whose end lies below: a vertical crank",
         1,
         down,
         1,
         2,
         TRUE,
         {{100, -100}, {100, -200}, {300, -200}, {300, -300}}},
        {"1:N of four points keeps its shape", 1, crank, 1, 2, TRUE, crank},
        {"1:N self-reference: the loop",
         1,
         {{100, -100}, {100, -100}},
         1,
         1,
         TRUE,
         {{100, -100}, {160, -100}, {160, -40}, {100, -40}, {100, -100}}},
        {"subtype: a right angle", 2, crank, 1, 2, TRUE, {{100, -100}, {300, -100}, {300, -300}}},
        {"substructure: straight", 3, crank, 1, 2, TRUE, {{100, -100}, {300, -300}}},
        {"substructure of two points stays", 3, down, 1, 2, TRUE, down},
        {"supertype: a reverse right angle", 4, crank, 1, 2, TRUE, {{100, -100}, {100, -300}, {300, -300}}},
        {"subtype self-reference is refused", 2, crank, 1, 1, FALSE, crank},
        {"substructure self-reference is refused", 3, crank, 3, 3, FALSE, crank},
        {"supertype self-reference is refused", 4, crank, 1, 1, FALSE, crank},
        {"a kind outside 1 to 4 is refused", 5, crank, 1, 2, FALSE, crank},
        {"an unconnected end changes nothing", 2, crank, 0, 2, TRUE, crank},
        {"an unconnected start changes nothing", 4, crank, 1, 0, TRUE, crank},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeOneToMany(c.points, c.startId, c.endId);
        arrow.SetKind(c.kind);
        EXPECT_EQ(arrow.ChangeArrowKind(nullptr), c.result) << c.what;
        EXPECT_EQ(arrow.GetPointArray(), c.shape) << c.what;
    }
}

TEST(RelLineKind, FieldsOfTheNewKind)
{
    const std::vector<CPoint> crank{{100, -100}, {100, -200}, {300, -200}, {300, -300}};
    // Into a subtype kind: the 1:N settings go, the end loses its arrowhead and the item value
    // shows; the discriminator and the definite flag stay.
    for (const WORD kind : {CRelLineObj::KIND_SUBTYPE, CRelLineObj::KIND_SUBSTRUCTURE}) {
        CRelLineObj arrow = MakeOneToMany(crank);
        arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, 7, 3);
        arrow.SetDefinite(TRUE);
        arrow.SetKind(kind);
        ASSERT_TRUE(arrow.ChangeArrowKind(nullptr));
        EXPECT_FALSE(arrow.GetNullAllowed());
        EXPECT_EQ(arrow.GetCardinality(), 0);
        EXPECT_EQ(arrow.GetConstant(), 0);
        EXPECT_EQ(arrow.GetMark(LINEEND_END), MARK_NONE);
        EXPECT_TRUE(arrow.IsLineMark(LINEEND_END));
        EXPECT_TRUE(arrow.GetDefinite());
        EXPECT_EQ(arrow.GetDiscriminatorFile(), 7);
        EXPECT_EQ(arrow.GetDiscriminatorItem(), 3);
        EXPECT_TRUE(arrow.IsLabelShown(kItemValueLabel));
        EXPECT_TRUE(arrow.IsLabelPlaced(kItemValueLabel));
    }

    // Into a supertype: no 1:N settings, not definite, no discriminator, no item labels.
    CRelLineObj super = MakeArrow(CRelLineObj::KIND_SUBTYPE, crank);
    super.SetDiscriminator(CRelLineObj::DISCRIMINATOR_TEXTS, 7, 3);
    super.SetDefinite(TRUE);
    super.ShowLabel(kItemNameLabel, TRUE);
    super.ShowLabel(kItemValueLabel, TRUE);
    super.GetItemValueLabel().SetText("A");
    super.SetKind(CRelLineObj::KIND_SUPERTYPE);
    ASSERT_TRUE(super.ChangeArrowKind(nullptr));
    EXPECT_FALSE(super.GetDefinite());
    EXPECT_EQ(super.GetDiscriminatorForm(), CRelLineObj::DISCRIMINATOR_IN_DOCUMENT);
    EXPECT_EQ(super.GetDiscriminatorFile(), 0);
    EXPECT_FALSE(super.IsLabelShown(kItemNameLabel));
    EXPECT_FALSE(super.IsLabelShown(kItemValueLabel));
    EXPECT_TRUE(super.GetItemValueLabel().GetText().IsEmpty());
    EXPECT_EQ(super.GetMark(LINEEND_END), MARK_NONE);

    // Back into 1:N: an arrowhead unless it has one, cardinality and constant at least 1, not
    // definite; the NULL option stays.
    CRelLineObj back = MakeArrow(CRelLineObj::KIND_SUBTYPE, {{100, -300}, {300, -300}, {300, -100}});
    back.SetNullAllowed(TRUE);
    back.SetDefinite(TRUE);
    back.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, 7, 3);
    back.ShowLabel(kItemValueLabel, TRUE);
    back.SetKind(CRelLineObj::KIND_ONE_TO_MANY);
    ASSERT_TRUE(back.ChangeArrowKind(nullptr));
    EXPECT_EQ(back.GetCount(), 6); // the end lies above the start: a line break
    EXPECT_EQ(back.GetMark(LINEEND_END), MARK_ARROW);
    EXPECT_EQ(back.GetCardinality(), CRelLineObj::CARDINALITY_ZERO_OR_MORE);
    EXPECT_EQ(back.GetConstant(), 1);
    EXPECT_FALSE(back.GetDefinite());
    EXPECT_TRUE(back.GetNullAllowed());
    EXPECT_EQ(back.GetDiscriminatorFile(), 0);
    EXPECT_FALSE(back.IsLabelShown(kItemValueLabel));

    CRelLineObj doubleHead = MakeArrow(CRelLineObj::KIND_SUPERTYPE, crank);
    doubleHead.SetMark(LINEEND_END, MARK_DOUBLE_ARROW);
    doubleHead.SetKind(CRelLineObj::KIND_ONE_TO_MANY);
    ASSERT_TRUE(doubleHead.ChangeArrowKind(nullptr));
    EXPECT_EQ(doubleHead.GetMark(LINEEND_END), MARK_DOUBLE_ARROW);
}

TEST(RelLineKind, ArrowToolShapesTheNewArrowForItsKind)
{
    // A 1:N arrow drawn upward becomes a line break; a subtype arrow keeps the file it was given.
    const CRelLineObj oneToMany(5, CPoint(100, -300), CPoint(300, -100), CRelLineObj::KIND_ONE_TO_MANY, 1, 2, 1);
    EXPECT_EQ(oneToMany.GetCount(), 6);
    EXPECT_EQ(oneToMany.GetDiscriminatorFile(), 0);
    const CRelLineObj subtype(5, CPoint(100, -100), CPoint(300, -300), CRelLineObj::KIND_SUBTYPE, 1, 2, 1);
    EXPECT_EQ(subtype.GetPointArray(), (std::vector<CPoint>{{100, -100}, {300, -100}, {300, -300}}));
    EXPECT_EQ(subtype.GetDiscriminatorFile(), 1);
    EXPECT_TRUE(subtype.IsLabelShown(kItemValueLabel));
}

TEST(RelLineKind, WithADocumentTheSubtypeTakesItsStartFileAsDiscriminatorFile)
{
    TestApp app;
    TestDoc doc;
    {
        CUndoStep step(&doc);
        ASSERT_TRUE(doc.AddObject(new CFileComp(1, CRect(0, 0, 240, -160))));
        ASSERT_TRUE(doc.AddObject(new CFileClone(3, CRect(0, 0, 100, -40), CString("A"), 1)));
        ASSERT_TRUE(doc.AddObject(new CFileClone(4, CRect(0, 0, 100, -40))));
    }
    const struct
    {
        WORD startId, presetFile, expected;
    } cases[] = {
        {1, 0, 1},
        {3, 0, 1}, // a clone stands for its original
        {4, 0, 0}, // a clone without an original stands for nothing
        {1, 6, 6}, // a file already set stays
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeOneToMany({{100, -100}, {300, -300}}, c.startId, 2);
        arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, c.presetFile, 0);
        arrow.SetKind(CRelLineObj::KIND_SUBTYPE);
        ASSERT_TRUE(arrow.ChangeArrowKind(&doc));
        EXPECT_EQ(arrow.GetDiscriminatorFile(), c.expected) << "start " << c.startId;
    }
}
