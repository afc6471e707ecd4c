#include "FileBytes.h"

#include "FileIO.h"

#include <vector>

namespace {

class ReadBytes final : public FileBytes
{
public:
    explicit ReadBytes(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) { m_span = m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace

GameStatus FileBytes::Load(const std::string& path, Access access, std::shared_ptr<const FileBytes>& out)
{
    out.reset();
    if (access == Access::Map) {
        if (auto mapped = FileMapping::Map(path)) {
            out = std::move(mapped);
            return {};
        }
    }
    std::vector<std::uint8_t> bytes;
    if (auto status = FileIO::ReadWholeFile(path, bytes); !status)
        return status;
    try {
        out = std::make_shared<ReadBytes>(std::move(bytes));
    } catch (const std::bad_alloc&) {
        return GameStatus::Failure(GameMessages::kOutOfMemory);
    }
    return {};
}
