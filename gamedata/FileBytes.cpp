#include "FileBytes.h"

#include "FileIO.h"

GameStatus FileBytes::Load(const std::string& path, std::shared_ptr<const FileBytes>& out)
{
    out.reset();
    std::shared_ptr<FileBytes> bytes;
    try {
        bytes = std::make_shared<FileBytes>();
    } catch (const std::bad_alloc&) {
        return GameStatus::Failure(GameMessages::kOutOfMemory);
    }
    // Not zeroed first: the read fills every byte.
    auto status = FileIO::ReadWholeFile(path, [&](std::size_t size) {
        bytes->m_bytes.reset(static_cast<std::uint8_t*>(::operator new[](size, kAlignment)));
        bytes->m_size = size;
        return bytes->m_bytes.get();
    });
    if (status)
        out = std::move(bytes);
    return status;
}
