#include "TextTable.h"

#include <algorithm>

namespace {

// Characters, not bytes: continuation bytes of UTF-8 do not count.
std::size_t DisplayWidth(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

void TextTable::Print(std::ostream& out) const
{
    std::vector<std::size_t> widths(m_header.size(), 0);
    auto measure = [&widths](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    };
    measure(m_header);
    for (const auto& row : m_rows)
        measure(row);

    auto print = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - DisplayWidth(row[i]) + 2, ' ');
        }
        out << line << "\n";
    };
    print(m_header);
    for (const auto& row : m_rows)
        print(row);
}

