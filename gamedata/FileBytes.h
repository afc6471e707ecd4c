#pragma once

#include "GameError.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// A whole game file's bytes as loaded, shared by the model (its records
// point into them) and the save (which copies the untouched stretches).
//
// Read: a private copy in memory, immune to what other programs do to the
// file later; the editor keeps a game open for hours, so it uses this.
// Map: the file mapped read-only, with no copy at all; fit only for a
// short-lived process such as one command of the command-line tool. If
// another program cuts the file short meanwhile, the bytes past its new end
// read as zeros instead of stopping the process, and CutShort says so.
class FileBytes
{
public:
    enum class Access { Read, Map };

    // Fails with a message naming the file. Map falls back to Read where
    // mapping is not available (other systems, empty files).
    static GameStatus Load(const std::string& path, Access access, std::shared_ptr<const FileBytes>& out);

    virtual ~FileBytes() = default;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    std::span<const std::uint8_t> Span() const { return m_span; }
    bool IsMapped() const { return m_bMapped; }
    // True once a mapped file was found shorter than when it was mapped.
    virtual bool CutShort() const { return false; }

protected:
    FileBytes() = default;
    std::span<const std::uint8_t> m_span;
    bool m_bMapped = false;
};

namespace FileMapping {
// The mapped variant, or null when this system or file cannot be mapped.
std::shared_ptr<const FileBytes> Map(const std::string& path);
} // namespace FileMapping
