#pragma once

#include <ostream>
#include <string>
#include <vector>

// A readable table for the text output: a header row and left-aligned
// columns as wide as their widest cell (UTF-8 aware).
class TextTable
{
public:
    explicit TextTable(std::vector<std::string> header) : m_header(std::move(header)) {}
    void AddRow(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }
    void Print(std::ostream& out) const;

private:
    std::vector<std::string> m_header;
    std::vector<std::vector<std::string>> m_rows;
};
