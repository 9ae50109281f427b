#include "foundation/Csv.h"

#include <gtest/gtest.h>

namespace csv_test {

std::vector<std::string> Fields(const CString& line, int* result = nullptr)
{
    std::vector<CString> fields;
    const int n = SplitCsvLine(line, fields);
    if (result)
        *result = n;
    std::vector<std::string> out;
    for (const CString& f : fields)
        out.push_back(f.Bytes());
    return out;
}


TEST(Csv, SplitsLinesAsTheFieldRulesSay)
{
    struct Case
    {
        std::string line;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"\"a\",\"b\",\"c\"", {"a", "b", "c"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"a\"\"b\",x", {"a\"\"b", "x"}},
        {"a\"b,c", {"a\"b", "c"}},
        {"a,b,", {"a", "b", ""}},
        {"\"\",x", {"", "x"}},
        {"\"\"", {""}},
        {"", {""}},
        {",", {"", ""}},
        {"a,\"open to the end", {"a", "open to the end"}},
        {"a,\"closed at the end\"", {"a", "closed at the end"}},
        {"\"", {""}},
        {"\"a\",", {"a", ""}},
        {std::string("a,b\0,c", 6), {"a", "b"}}, // the line ends at a NUL byte
        {std::string("\0a", 2), {""}},
    };
    for (const Case& c : cases) {
        int n = 0;
        EXPECT_EQ(Fields(CString(c.line), &n), c.fields) << c.line;
        EXPECT_EQ(n, int(c.fields.size())) << c.line;
    }
}

TEST(Csv, FieldAndLineLimits)
{
    const std::string exact(CSV_MAX_FIELD_BYTES, 'x');
    const std::string over(CSV_MAX_FIELD_BYTES + 1, 'x');
    int n = 0;
    Fields(CString(exact + ",y"), &n);
    EXPECT_EQ(n, 2);
    for (const std::string& line : {over, over + ",y", "\"" + over + "\",y", "\"" + over, "y," + over}) {
        Fields(CString(line), &n);
        EXPECT_EQ(n, -1) << line.size();
    }

    std::string sixty = "f";
    for (int i = 1; i < CSV_MAX_FIELDS; ++i)
        sixty += ",f";
    Fields(CString(sixty), &n);
    EXPECT_EQ(n, CSV_MAX_FIELDS);
    Fields(CString(sixty + ","), &n);
    EXPECT_EQ(n, -2);
    Fields(CString(sixty + ",f"), &n);
    EXPECT_EQ(n, -2);
}

TEST(Csv, ParseFieldRespectsTheCallersBuffer)
{
    char small[4];
    int position = 0;
    EXPECT_EQ(ParseCsvField("abcd,e", position, small, sizeof small), -1);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(ParseCsvField("abc,e", position, small, sizeof small), 3);
    EXPECT_STREQ(small, "abc");
    EXPECT_EQ(position, 4);
}

} // namespace csv_test
