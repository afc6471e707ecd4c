#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 defines them: records end with CRLF,
// a field that holds a comma, a quote, CR or LF is quoted and its quotes
// doubled. Text is passed through as is (the tool writes UTF-8).
class CsvWriter
{
public:
    explicit CsvWriter(std::ostream& out) : m_out(out) {}
    void WriteRow(const std::vector<std::string>& fields);

    static std::string Field(const std::string& value);

private:
    std::ostream& m_out;
};

using CsvRow = std::vector<std::string>;

struct CsvParseResult
{
    std::vector<CsvRow> rows;
    std::string error; // empty on success; names the row at fault
    bool ok() const { return error.empty(); }
};

// Reads a whole CSV text. Accepts CRLF, LF or CR line ends and a UTF-8 byte
// order mark at the start; a line end after the last record is optional.
// Refuses a quoted field that is never closed and text after a closing
// quote. Row numbers in messages count records from 1 (the header).
CsvParseResult ParseCsv(std::string_view text);
