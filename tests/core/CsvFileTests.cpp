// The CSV reader and writer: quoting, separators, line ends, refusals.
#include "CsvFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Written(const std::vector<CsvRow>& rows, char separator = ',')
{
    std::ostringstream out;
    CsvWriter writer(out, separator);
    for (const auto& row : rows)
        writer.WriteRow(row);
    return out.str();
}

TEST(CsvWriter, QuotesOnlyFieldsWithTheSeparatorQuotesOrLineEnds)
{
    EXPECT_EQ(Written({{"plain", "two words", ""}}), "plain,two words,\r\n");
    EXPECT_EQ(Written({{"a,b"}}), "\"a,b\"\r\n");
    EXPECT_EQ(Written({{"say \"hi\""}}), "\"say \"\"hi\"\"\"\r\n");
    EXPECT_EQ(Written({{"line\nbreak", "cr\r"}}), "\"line\nbreak\",\"cr\r\"\r\n");
    EXPECT_EQ(Written({{"a,b", "c;d"}}, ';'), "a,b;\"c;d\"\r\n");
}

TEST(CsvReader, ReadsQuotesSeparatorsLineEndsAByteOrderMarkAndEmptyFields)
{
    const struct
    {
        std::string text;
        char separator;
        std::vector<CsvRow> rows;
    } cases[]{
        {"id,name\r\n1,\"Smith, \"\"Jack\"\"\"\r\n2,\"two\r\nlines\"\r\n", ',',
            {{"id", "name"}, {"1", "Smith, \"Jack\""}, {"2", "two\r\nlines"}}},
        {"\xEF\xBB\xBF" "a,b\n1,2\r3,4", ',', {{"a", "b"}, {"1", "2"}, {"3", "4"}}}, // LF, CR, no final line end
        {",x,\r\n,\r\n", ',', {{"", "x", ""}, {"", ""}}},
        {"\xEF\xBB\xBF\"id\";\"a,b\"\r\n\"1\";\"x;\"\"y\"\"\"\r\n\r\n", ';',
            {{"id", "a,b"}, {"1", "x;\"y\""}, {""}}}, // a spreadsheet's: all quoted, a trailing empty line
        {"a;b,c\n", ',', {{"a;b", "c"}}},
    };
    for (const auto& [text, separator, rows] : cases) {
        const auto result = ParseCsv(text, separator);
        ASSERT_TRUE(result.ok()) << result.error();
        EXPECT_EQ(result.rows, rows) << text;
    }
}

TEST(CsvReader, RefusesAnUnclosedQuoteOrTextAfterAClosingQuoteNamingRowAndColumn)
{
    const struct
    {
        std::string text;
        char separator;
        std::size_t row, column;
    } cases[]{
        {"a,b\r\n1,2\r\n3,\"open\r\n", ',', 3, 2},
        {"\"ab\"c,d\r\n", ',', 1, 1},
        {"\"a\";\"b\"\r\n", ',', 1, 1}, // read with the wrong separator
        {"a;b\n1;\"x\"y\n", ';', 2, 2},
    };
    for (const auto& [text, separator, row, column] : cases) {
        const auto result = ParseCsv(text, separator);
        EXPECT_FALSE(result.ok()) << text;
        EXPECT_EQ(std::pair(result.errorRow, result.errorColumn), std::pair(row, column)) << text;
        EXPECT_EQ(result.error().rfind("row " + std::to_string(row) + ", column " + std::to_string(column) + ": ", 0), 0u)
            << result.error();
    }
}

} // namespace
