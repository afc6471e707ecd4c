#include "CsvFile.h"

std::string CsvWriter::Field(const std::string& value, char separator)
{
    if (value.find_first_of(std::string{separator} + "\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void CsvWriter::WriteRow(const CsvRow& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += m_separator;
        line += Field(fields[i], m_separator);
    }
    line += "\r\n";
    m_out << line;
}

std::string CsvParseResult::error() const
{
    if (ok())
        return {};
    return "row " + std::to_string(errorRow) + ", column " + std::to_string(errorColumn) + ": " + reason;
}

CsvParseResult ParseCsv(std::string_view text, char separator)
{
    CsvParseResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    CsvRow row;
    std::string field;
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto endsField = [&](char c) { return c == separator || c == '\r' || c == '\n'; };
    const auto refuse = [&](const char* reason) {
        result.errorRow = result.rows.size() + 1;
        result.errorColumn = row.size() + 1;
        result.reason = reason;
        return result;
    };
    auto endRow = [&] {
        row.push_back(std::move(field));
        field.clear();
        result.rows.push_back(std::move(row));
        row.clear();
    };
    while (i < n) {
        // At the start of a field.
        if (text[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += text[i++];
            }
            if (!closed)
                return refuse("a quoted field is not closed");
            if (i < n && !endsField(text[i]))
                return refuse("text after the closing quote of a field");
        } else {
            while (i < n && !endsField(text[i]))
                field += text[i++];
        }
        // After a field: a separator, a line end or the end of the text.
        if (i >= n) {
            endRow();
            break;
        }
        if (text[i] == separator) {
            row.push_back(std::move(field));
            field.clear();
            ++i;
            if (i >= n) // a trailing separator ends the text with an empty field
                endRow();
            continue;
        }
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        ++i;
        endRow();
    }
    return result;
}
