#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 defines them: records end with CRLF,
// a field that holds the separator, a quote, CR or LF is quoted and its
// quotes doubled. Spreadsheets may use ';' as the separator instead. Text
// is passed through as is (UTF-8 in the files Orbek writes and reads).
using CsvRow = std::vector<std::string>;

class CsvWriter
{
public:
    explicit CsvWriter(std::ostream& out, char separator = ',') : m_out(out), m_separator(separator) {}
    void WriteRow(const CsvRow& fields);

    static std::string Field(const std::string& value, char separator = ',');

private:
    std::ostream& m_out;
    char m_separator;
};

struct CsvParseResult
{
    std::vector<CsvRow> rows;
    // A refusal names the record (from 1, the header) and field (from 1).
    std::size_t errorRow = 0, errorColumn = 0;
    std::string reason; // empty on success
    bool ok() const { return reason.empty(); }
    // "row 3, column 2: a quoted field is not closed"; empty on success.
    std::string error() const;
};

// Reads a whole CSV text. Accepts CRLF, LF or CR line ends and a UTF-8 byte
// order mark at the start; a line end after the last record is optional.
// Refuses a quoted field that is never closed and text after a closing
// quote.
CsvParseResult ParseCsv(std::string_view text, char separator = ',');
