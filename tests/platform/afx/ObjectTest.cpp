#include "platform/afx/Exception.h"
#include "platform/afx/List.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ObjectTestClasses {

class CShapeTest : public CObject
{
    DECLARE_SERIAL(CShapeTest)
};
IMPLEMENT_SERIAL(CShapeTest, CObject, 1)

class CCircleTest : public CShapeTest
{
    DECLARE_DYNCREATE(CCircleTest)
};
IMPLEMENT_DYNCREATE(CCircleTest, CShapeTest)

class CPlainTest : public CObject
{
    DECLARE_DYNAMIC(CPlainTest)
};
IMPLEMENT_DYNAMIC(CPlainTest, CObject)

} // namespace ObjectTestClasses

using namespace ObjectTestClasses;

TEST(RuntimeClass, KnowsItsAncestryAndCreatesByName)
{
    CCircleTest circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShapeTest)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CPlainTest)));
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircleTest");
    EXPECT_FALSE(circle.IsSerializable());

    const CRuntimeClass* shape = CRuntimeClass::FromName("CShapeTest");
    ASSERT_EQ(shape, RUNTIME_CLASS(CShapeTest));
    EXPECT_EQ(shape->m_wSchema, 1u);
    std::unique_ptr<CObject> created(shape->CreateObject());
    ASSERT_TRUE(created);
    EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(CShapeTest));
    EXPECT_TRUE(created->IsSerializable());

    // Framework classes are registered too; unknown names and non-creatable classes give nothing.
    EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));
    EXPECT_EQ(CRuntimeClass::FromName("CShapetest"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CPlainTest"), nullptr);
}

TEST(RuntimeClass, DowncastsCheckTheClass)
{
    CCircleTest circle;
    CPlainTest plain;
    CObject* object = &circle;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShapeTest, object), &circle);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShapeTest, static_cast<CObject*>(&plain)), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShapeTest, static_cast<CObject*>(nullptr)), nullptr);
    EXPECT_EQ(STATIC_DOWNCAST(CCircleTest, object), &circle);
}

TEST(Exceptions, BadAllocCountsAsTheMemoryException)
{
    const auto caught = [](auto thrower) {
        try {
            thrower();
        } catch (...) {
            return std::pair(AfxIsMemoryException(), AfxIsFrameworkException());
        }
        return std::pair(false, false);
    };
    EXPECT_EQ(caught([] { throw std::bad_alloc(); }), std::pair(true, true));
    EXPECT_EQ(caught([] { AfxThrowMemoryException(); }), std::pair(true, true));
    EXPECT_EQ(caught([] { AfxThrowArchiveException(CArchiveException::badClass); }), std::pair(false, true));
    EXPECT_EQ(caught([] { throw std::runtime_error("x"); }), std::pair(false, false));
    EXPECT_THROW(AfxTranslateBadAlloc([]() -> int { throw std::bad_alloc(); }), CMemoryException);
    EXPECT_EQ(AfxTranslateBadAlloc([] { return 7; }), 7);
}

TEST(Exceptions, GiveTheirMessage)
{
    CString message;
    EXPECT_TRUE(CFileException(CFileException::fileNotFound, ENOENT, "a.zvr").GetErrorMessage(message));
    EXPECT_EQ(message, CString(u8"a.zvr が見つかりません。"));
    char buffer[8];
    EXPECT_TRUE(CArchiveException(CArchiveException::endOfFile).GetErrorMessage(buffer, sizeof buffer));
    EXPECT_EQ(std::strlen(buffer), 7u);
    EXPECT_FALSE(CUserException().GetErrorMessage(message));
    EXPECT_TRUE(message.IsEmpty());
    EXPECT_EQ(CFileException::OsErrorToException(EACCES), CFileException::accessDenied);
}
