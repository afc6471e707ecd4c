#pragma once

#include <cstdint>
#include <span>
#include <string>

// Files the fuzz targets hand to the core, which loads and saves only
// through real files. They live in /dev/shm when it is there (no disk
// traffic, fsync is free) and are named after the process, so parallel
// fuzzing jobs do not collide.
namespace fuzzfiles {

// The path of a scratch file called `name` for this process.
std::string ScratchPath(const std::string& name);

// Writes the bytes to the path, replacing it; aborts when it cannot, since
// a fuzz run without its input file would test nothing.
void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace fuzzfiles
