#include "foundation/ErrorReport.h"

#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

TEST(ErrorReport, TellsMemoryFailuresFromOthers)
{
    MessageScript script;
    try {
        throw std::bad_alloc();
    } catch (...) {
        ReportCurrentException("CList::Add");
    }
    try {
        throw std::runtime_error("x");
    } catch (...) {
        ReportCurrentException("CList::Add");
    }
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"ﾒﾓﾘ不足のため処理を実行できません。(CList::Add)",
                                                        "予期せぬｴﾗｰのため処理を実行できません。(CList::Add)"}));
    EXPECT_EQ(script.Messages()[0].type, MB_ICONEXCLAMATION);
    EXPECT_EQ(script.Messages()[1].type, MB_ICONEXCLAMATION);
}
