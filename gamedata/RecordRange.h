#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// The records of a table as const pointers, empty slots skipped, in id
// order: what CGame hands out for reading. A plain iterator rather than a
// std::views pipeline, which the clang of the fuzz build cannot compile
// against this standard library.
template <typename Record>
class RecordRange
{
public:
    using Table = std::vector<std::unique_ptr<Record>>;

    class iterator
    {
    public:
        using value_type = const Record*;
        using difference_type = std::ptrdiff_t;

        iterator() = default;
        iterator(typename Table::const_iterator at, typename Table::const_iterator end) : m_at(at), m_end(end)
        {
            SkipEmpty();
        }
        const Record* operator*() const { return m_at->get(); }
        iterator& operator++()
        {
            ++m_at;
            SkipEmpty();
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return m_at == other.m_at; }

    private:
        void SkipEmpty()
        {
            while (m_at != m_end && !*m_at)
                ++m_at;
        }

        typename Table::const_iterator m_at{};
        typename Table::const_iterator m_end{};
    };

    explicit RecordRange(const Table& table) : m_table(&table) {}
    iterator begin() const { return {m_table->begin(), m_table->end()}; }
    iterator end() const { return {m_table->end(), m_table->end()}; }
    bool empty() const { return begin() == end(); }

private:
    const Table* m_table;
};
