#include "SourceSnapshot.h"

#include <algorithm>

namespace {

GameStatus ChangedOnDisk(const std::string& path)
{
    return GameStatus::Failure("Cannot save \"" + path + "\": the file has changed on disk since it was loaded "
        "(another program wrote to it). Open it again to edit what it holds now. Nothing was written.");
}

} // namespace

void SourceSnapshot::Loaded(const FileIO::FileStamp& stamp, std::shared_ptr<const FileBytes> bytes, GameFileLayout layout)
{
    m_stamp = stamp;
    m_saved = false;
    m_bytes = std::move(bytes);
    m_layout = std::move(layout);
}

void SourceSnapshot::Saved(const std::string& path)
{
    // The model's unedited records may still share the old bytes; the
    // snapshot no longer stands for the file.
    m_bytes.reset();
    m_layout = GameFileLayout{};
    m_stamp = FileIO::StampOf(path);
    m_saved = true;
}

bool SourceSnapshot::HoldsLastSave(const std::string& path) const
{
    const FileIO::FileStamp now = FileIO::StampOf(path);
    return m_saved && now.valid && now == m_stamp;
}

void SourceSnapshot::Forget()
{
    *this = SourceSnapshot{};
}

GameStatus SourceSnapshot::Current(const std::string& path, Source& source, GameFileLayout& scratchLayout) const
{
    const FileIO::FileStamp now = FileIO::StampOf(path);
    const bool untouched = now.valid && now == m_stamp;
    if (m_bytes && untouched) {
        source = {m_bytes, &m_layout};
        return {};
    }
    // Without the bytes (after a save) only the stamp can tell; the loaded
    // copy can be compared, so a file that was merely touched still counts
    // as the loaded one. A file that cannot even be looked at is read below,
    // which says why.
    if (now.valid && !untouched && !m_bytes)
        return ChangedOnDisk(path);
    std::shared_ptr<const FileBytes> reread;
    if (auto status = FileBytes::Load(path, reread); !status)
        return status;
    if (m_bytes && !std::ranges::equal(reread->Span(), m_bytes->Span()))
        return ChangedOnDisk(path);
    if (auto status = GameFileFormat::Parse(reread->Span(), scratchLayout); !status)
        return status;
    source = {std::move(reread), &scratchLayout};
    return {};
}
