#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testgame {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes (permissions restored first, so a test that
// made it read-only cannot leave it behind).
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // Names of the files in the folder (not recursive), sorted.
    std::vector<std::string> FileNames() const;

private:
    std::filesystem::path m_path;
};

} // namespace testgame
