// Deciding when a watched skin folder has changed and is safe to read: a cheap snapshot of
// the folder's file names, sizes, write times and (for files of the size skins have) contents,
// compared at each poll, and a quiet period
// so that a file still being written (an editor saving, a copy in progress) is read only once
// it has stopped changing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace skin::source {

struct TFolderEntry {
    std::string Name;
    std::uintmax_t Size = 0;
    std::int64_t WriteTime = 0;  // in the file system's clock ticks
    // A digest of the contents, for files up to kDigestedFileSize (0 above): some file systems
    // and libraries keep write times to the second, and a bitmap saved again at the same size
    // within that second changes nothing else.
    std::uint64_t Digest = 0;

    bool operator==(const TFolderEntry&) const = default;
};

struct TFolderSnapshot {
    bool Listed = false;                // false when the folder could not be listed (missing, renamed away)
    std::vector<TFolderEntry> Entries;  // regular files, by name

    bool operator==(const TFolderSnapshot&) const = default;
};

inline constexpr std::uintmax_t kDigestedFileSize = 8u << 20;

// The folder as it is now; never throws.
TFolderSnapshot SnapshotFolder(const std::filesystem::path& dir);

// Fed one snapshot per poll with the time of the poll, it answers when to read the folder:
// after a change, once the snapshot has stayed the same for `quietMs`.
class TFolderChangeDebounce {
public:
    explicit TFolderChangeDebounce(std::int64_t quietMs) : quietMs_(quietMs) {}

    // The folder as last read; polls compare against it.
    void Settled(const TFolderSnapshot& snapshot);
    // True when the folder should be read now; the caller then reads it and calls Settled
    // with the snapshot it read.
    bool Poll(std::int64_t nowMs, const TFolderSnapshot& snapshot);
    bool Pending() const { return pending_.has_value(); }

private:
    std::int64_t quietMs_;
    std::optional<TFolderSnapshot> settled_;
    std::optional<TFolderSnapshot> pending_;  // the latest changed snapshot, not read yet
    std::int64_t pendingSince_ = 0;
};

}  // namespace skin::source
