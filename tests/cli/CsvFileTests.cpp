#include "CsvFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Written(const std::vector<std::string>& fields)
{
    std::ostringstream out;
    CsvWriter(out).WriteRow(fields);
    return out.str();
}

TEST(CsvWriter, QuotesOnlyFieldsWithCommasQuotesOrLineEnds)
{
    EXPECT_EQ(Written({"plain", "two words", ""}), "plain,two words,\r\n");
    EXPECT_EQ(Written({"a,b"}), "\"a,b\"\r\n");
    EXPECT_EQ(Written({"say \"hi\""}), "\"say \"\"hi\"\"\"\r\n");
    EXPECT_EQ(Written({"line\nbreak", "cr\r"}), "\"line\nbreak\",\"cr\r\"\r\n");
}

TEST(CsvReader, ReadsQuotedFieldsWithSeparatorsLineEndsAndDoubledQuotes)
{
    const auto result = ParseCsv("id,name\r\n1,\"Smith, \"\"Jack\"\"\"\r\n2,\"two\r\nlines\"\r\n");
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[1], (CsvRow{"1", "Smith, \"Jack\""}));
    EXPECT_EQ(result.rows[2], (CsvRow{"2", "two\r\nlines"}));
}

TEST(CsvReader, AcceptsLfAndCrLineEndsAByteOrderMarkAndNoFinalLineEnd)
{
    const auto result = ParseCsv("\xEF\xBB\xBF" "a,b\n1,2\r3,4");
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[0], (CsvRow{"a", "b"}));
    EXPECT_EQ(result.rows[1], (CsvRow{"1", "2"}));
    EXPECT_EQ(result.rows[2], (CsvRow{"3", "4"}));
}

TEST(CsvReader, KeepsEmptyFieldsIncludingATrailingOne)
{
    const auto result = ParseCsv(",x,\r\n,\r\n");
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(result.rows[0], (CsvRow{"", "x", ""}));
    EXPECT_EQ(result.rows[1], (CsvRow{"", ""}));
}

TEST(CsvReader, RefusesAnUnclosedQuoteNamingItsRowAndColumn)
{
    const auto result = ParseCsv("a,b\r\n1,2\r\n3,\"open\r\n");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("row 3, column 2"), std::string::npos) << result.error;
}

TEST(CsvReader, RefusesTextAfterAClosingQuote)
{
    const auto result = ParseCsv("\"ab\"c,d\r\n");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("row 1, column 1"), std::string::npos) << result.error;
}

TEST(CsvRoundTrip, WrittenRowsReadBackUnchanged)
{
    const std::vector<CsvRow> rows = {{"id", "given_names", "note"}, {"1", "Jos\xC3\xA9", "a,\"b\"\nc"}, {"2", "", " lead"}};
    std::ostringstream out;
    CsvWriter writer(out);
    for (const auto& row : rows)
        writer.WriteRow(row);
    const auto result = ParseCsv(out.str());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.rows, rows);
}

} // namespace
