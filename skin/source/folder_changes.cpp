#include "skin/source/folder_changes.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace skin::source {

namespace {

// FNV-1a over the file's bytes; 0 when it cannot be read.
std::uint64_t DigestOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return 0;
    std::uint64_t digest = 14695981039346656037ull;
    char chunk[16384];
    while (in.read(chunk, sizeof(chunk)) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            digest ^= static_cast<unsigned char>(chunk[i]);
            digest *= 1099511628211ull;
        }
        if (!in) break;
    }
    return digest;
}

}  // namespace

TFolderSnapshot SnapshotFolder(const std::filesystem::path& dir) {
    namespace fs = std::filesystem;
    TFolderSnapshot snapshot;
    std::error_code error;
    fs::directory_iterator it(dir, error);
    if (error) return snapshot;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError)) continue;
        TFolderEntry entry;
        entry.Name = it->path().filename().string();
        entry.Size = it->file_size(entryError);
        if (!entryError) entry.WriteTime = it->last_write_time(entryError).time_since_epoch().count();
        if (!entryError && entry.Size <= kDigestedFileSize) entry.Digest = DigestOf(it->path());
        // A file that vanished between listing and asking is left out, as it is gone.
        if (!entryError) snapshot.Entries.push_back(std::move(entry));
    }
    if (error) return TFolderSnapshot{};
    std::sort(snapshot.Entries.begin(), snapshot.Entries.end(),
              [](const TFolderEntry& a, const TFolderEntry& b) { return a.Name < b.Name; });
    snapshot.Listed = true;
    return snapshot;
}

void TFolderChangeDebounce::Settled(const TFolderSnapshot& snapshot) {
    settled_ = snapshot;
    pending_.reset();
}

bool TFolderChangeDebounce::Poll(std::int64_t nowMs, const TFolderSnapshot& snapshot) {
    if (pending_ && *pending_ == snapshot) return nowMs - pendingSince_ >= quietMs_;
    if (settled_ && *settled_ == snapshot) {
        pending_.reset();  // changed and changed back before it was read
        return false;
    }
    pending_ = snapshot;
    pendingSince_ = nowMs;
    return quietMs_ <= 0;
}

}  // namespace skin::source
