#include "SourceSnapshot.h"

#include "FileIO.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string ChangedOnDisk(const std::string& path)
{
    return "Cannot save \"" + path + "\": the file has changed on disk since it was loaded (another program "
        "wrote to it). Open it again to edit what it holds now. Nothing was written.";
}

} // namespace

SourceSnapshot::Stamp SourceSnapshot::StampOf(const std::string& path)
{
    const fs::path file(std::u8string(path.begin(), path.end()));
    std::error_code sizeError, timeError;
    Stamp stamp;
    stamp.size = fs::file_size(file, sizeError);
    stamp.time = fs::last_write_time(file, timeError);
    stamp.valid = !sizeError && !timeError;
    return stamp;
}

void SourceSnapshot::Loaded(const Stamp& stamp, std::vector<std::uint8_t> bytes, GameFileLayout layout)
{
    m_stamp = stamp;
    m_bytes = std::move(bytes);
    m_layout = std::move(layout);
    m_bHaveBytes = true;
}

void SourceSnapshot::Saved(const std::string& path)
{
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_layout = GameFileLayout{};
    m_bHaveBytes = false;
    m_stamp = StampOf(path);
}

void SourceSnapshot::Forget()
{
    *this = SourceSnapshot{};
}

GameStatus SourceSnapshot::Current(const std::string& path, std::vector<std::uint8_t>& scratch,
    GameFileLayout& scratchLayout, const std::vector<std::uint8_t>*& data, const GameFileLayout*& layout) const
{
    const Stamp now = StampOf(path);
    const bool untouched = now.valid && now == m_stamp;
    if (m_bHaveBytes && untouched) {
        data = &m_bytes;
        layout = &m_layout;
        return {};
    }
    // Without the bytes (after a save) only the stamp can tell; with them a
    // file that was merely touched still counts as the loaded one.
    if (!m_bHaveBytes && !untouched)
        return GameStatus::Failure(ChangedOnDisk(path));
    if (auto status = FileIO::ReadWholeFile(path, scratch); !status)
        return status;
    if (m_bHaveBytes && scratch != m_bytes)
        return GameStatus::Failure(ChangedOnDisk(path));
    if (auto status = GameFileFormat::Parse(scratch, scratchLayout); !status)
        return status;
    data = &scratch;
    layout = &scratchLayout;
    return {};
}
