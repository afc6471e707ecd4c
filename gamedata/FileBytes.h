#pragma once

#include "GameError.h"

#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <string>

// A whole game file's bytes as loaded: a private copy in memory, shared by
// the model (its unedited player records point into it) and the save (which
// copies the untouched stretches from it). Being a copy, it stays as loaded
// whatever other programs do to the file later.
class FileBytes
{
public:
    // Fails with a message naming the file.
    static GameStatus Load(const std::string& path, std::shared_ptr<const FileBytes>& out);

    FileBytes() = default;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    std::span<const std::uint8_t> Span() const { return {m_bytes.get(), m_size}; }

private:
    // Page-aligned like the system's own file pages: reading into a buffer
    // that starts a few bytes into a page copies markedly slower.
    static constexpr std::align_val_t kAlignment{4096};
    struct Release
    {
        void operator()(std::uint8_t* bytes) const { ::operator delete[](bytes, kAlignment); }
    };
    std::unique_ptr<std::uint8_t[], Release> m_bytes;
    std::size_t m_size = 0;
};
