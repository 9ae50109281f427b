#include "foundation/ErrorReport.h"

#include "platform/afx/Exception.h"

#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

TEST(ErrorReport, TellsMemoryFailuresFromOthers)
{
    MessageScript script;
    const auto reportFailureOf = [](const std::function<void()>& action) {
        try {
            action();
        } catch (...) {
            ReportCurrentException("CList::Add");
        }
    };
    reportFailureOf([] { throw std::bad_alloc(); });
    reportFailureOf([] { AfxThrowMemoryException(); });
    reportFailureOf([] { throw std::runtime_error("x"); });
    reportFailureOf([] { AfxThrowFileException(CFileException::diskFull); });
    const std::string memory = "ﾒﾓﾘ不足のため処理を実行できません。(CList::Add)";
    const std::string unexpected = "予期せぬｴﾗｰのため処理を実行できません。(CList::Add)";
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{memory, memory, unexpected, unexpected}));
    for (const RecordedMessage& m : script.Messages())
        EXPECT_EQ(m.type, MB_ICONEXCLAMATION);
}
