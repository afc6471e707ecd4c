#include "CsvFile.h"

std::string CsvWriter::Field(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos)
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

void CsvWriter::WriteRow(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += Field(fields[i]);
    }
    line += "\r\n";
    m_out << line;
}

CsvParseResult ParseCsv(std::string_view text)
{
    CsvParseResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    CsvRow row;
    std::string field;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto endRow = [&] {
        row.push_back(std::move(field));
        field.clear();
        result.rows.push_back(std::move(row));
        row.clear();
    };
    while (i < n) {
        // At the start of a field.
        if (text[i] == '"') {
            const std::size_t rowNumber = result.rows.size() + 1;
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
            if (!closed) {
                result.error = "row " + std::to_string(rowNumber) + ", column " + std::to_string(row.size() + 1)
                    + ": a quoted field is not closed";
                return result;
            }
            if (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                result.error = "row " + std::to_string(rowNumber) + ", column " + std::to_string(row.size() + 1)
                    + ": text after the closing quote of a field";
                return result;
            }
        } else {
            while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                field += text[i++];
        }
        // After a field: a separator, a line end or the end of the text.
        if (i >= n) {
            endRow();
            break;
        }
        if (text[i] == ',') {
            row.push_back(std::move(field));
            field.clear();
            ++i;
            if (i >= n) // a trailing comma ends the text with an empty field
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
