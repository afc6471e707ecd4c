#include "CsvFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Written(const std::vector<CsvRow>& rows)
{
    std::ostringstream out;
    CsvWriter writer(out);
    for (const auto& row : rows)
        writer.WriteRow(row);
    return out.str();
}

TEST(CsvWriter, QuotesOnlyFieldsWithCommasQuotesOrLineEnds)
{
    EXPECT_EQ(Written({{"plain", "two words", ""}}), "plain,two words,\r\n");
    EXPECT_EQ(Written({{"a,b"}}), "\"a,b\"\r\n");
    EXPECT_EQ(Written({{"say \"hi\""}}), "\"say \"\"hi\"\"\"\r\n");
    EXPECT_EQ(Written({{"line\nbreak", "cr\r"}}), "\"line\nbreak\",\"cr\r\"\r\n");
}

TEST(CsvReader, ReadsQuotesLineEndsAByteOrderMarkAndEmptyFields)
{
    const std::pair<std::string, std::vector<CsvRow>> cases[]{
        {"id,name\r\n1,\"Smith, \"\"Jack\"\"\"\r\n2,\"two\r\nlines\"\r\n",
            {{"id", "name"}, {"1", "Smith, \"Jack\""}, {"2", "two\r\nlines"}}},
        {"\xEF\xBB\xBF" "a,b\n1,2\r3,4", {{"a", "b"}, {"1", "2"}, {"3", "4"}}}, // LF, CR, no final line end
        {",x,\r\n,\r\n", {{"", "x", ""}, {"", ""}}},
    };
    for (const auto& [text, rows] : cases) {
        const auto result = ParseCsv(text);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.rows, rows) << text;
    }
}

TEST(CsvReader, RefusesAnUnclosedQuoteOrTextAfterAClosingQuoteNamingRowAndColumn)
{
    for (const auto& [text, where] : {std::pair{"a,b\r\n1,2\r\n3,\"open\r\n", "row 3, column 2"},
             std::pair{"\"ab\"c,d\r\n", "row 1, column 1"}}) {
        const auto result = ParseCsv(text);
        EXPECT_FALSE(result.ok()) << text;
        EXPECT_NE(result.error.find(where), std::string::npos) << result.error;
    }
}

} // namespace
