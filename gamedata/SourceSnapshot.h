#pragma once

#include "GameError.h"
#include "GameFileLayout.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// What the game file held when it was loaded or last saved. A save streams
// the file on disk through to the new one, so it must be the very file the
// model came from: a file another program changed meanwhile (the game
// saving its state, a copy of another save game) is refused rather than
// merged with stale records. Until the first save the loaded bytes are
// kept, so the save need not read the file again when it is untouched;
// after a save the file's stamp (size and time) stands for its contents.
class SourceSnapshot
{
public:
    // The size and modification time of a file; equal stamps mean untouched.
    struct Stamp
    {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time{};
        bool valid = false;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    static Stamp StampOf(const std::string& path);

    // After a load: `stamp` taken before the bytes were read.
    void Loaded(const Stamp& stamp, std::vector<std::uint8_t> bytes, GameFileLayout layout);
    // After a save: the file now holds what was written; its stamp is what
    // the next save expects to find.
    void Saved(const std::string& path);
    void Forget();

    // The file at path as it stands, provided it still holds what was
    // loaded or saved. `data` and `layout` point either at the kept bytes or
    // at `scratch`/`scratchLayout`, filled here.
    GameStatus Current(const std::string& path, std::vector<std::uint8_t>& scratch, GameFileLayout& scratchLayout,
        const std::vector<std::uint8_t>*& data, const GameFileLayout*& layout) const;

private:
    Stamp m_stamp;
    bool m_bHaveBytes = false;
    std::vector<std::uint8_t> m_bytes;
    GameFileLayout m_layout;
};
