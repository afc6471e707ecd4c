#pragma once

#include "FileBytes.h"
#include "FileIO.h"
#include "GameError.h"
#include "GameFileLayout.h"

#include <memory>
#include <string>

// What the game file held when it was loaded or last saved. A save streams
// the file on disk through to the new one, so it must be the very file the
// model came from: a file another program changed meanwhile (the game
// saving its state, a copy of another save game) is refused rather than
// merged with stale records. Until the first save the loaded bytes are
// kept, so the save need not read the file again when it is untouched;
// after a save the file's stamp stands for its contents.
class SourceSnapshot
{
public:
    // The bytes a save copies from, and where their entries are.
    struct Source
    {
        std::shared_ptr<const FileBytes> bytes;
        const GameFileLayout* layout = nullptr;
    };

    // After a load: `stamp` taken before the bytes were read.
    void Loaded(const FileIO::FileStamp& stamp, std::shared_ptr<const FileBytes> bytes, GameFileLayout layout);
    // After a save: the file now holds what was written; its stamp is what
    // the next save expects to find.
    void Saved(const std::string& path);
    void Forget();

    // Whether the file at path is the one the last save wrote, unchanged
    // since: replacing it again needs no backup.
    bool HoldsLastSave(const std::string& path) const;

    // The file at path as it stands, provided it still holds what was
    // loaded or saved: the kept bytes, or the file read again (its layout
    // then goes into scratchLayout).
    GameStatus Current(const std::string& path, Source& source, GameFileLayout& scratchLayout) const;
private:
    FileIO::FileStamp m_stamp;
    bool m_saved = false; // m_stamp is a save's, not the load's
    std::shared_ptr<const FileBytes> m_bytes;
    GameFileLayout m_layout;
};
