#include "ScratchFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzzfiles {

namespace {

// The process's own folder, removed again when the process ends normally.
struct ScratchFolder
{
    std::filesystem::path path;

    ScratchFolder()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = base / ("orbek-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path, error);
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

} // namespace

std::string ScratchPath(const std::string& name)
{
    static const ScratchFolder folder;
    return (folder.path / name).string();
}

void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", path.c_str());
        std::abort();
    }
    std::fclose(file);
}

} // namespace fuzzfiles
