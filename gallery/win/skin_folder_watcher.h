#pragma once
// The skin author's live preview: watches a folder holding an unpacked skin and puts it on
// every window of the gallery's skin data component soon after each change. While the folder
// is broken the last good skin stays on and the problems window lists what is wrong.

#include <cstdint>
#include <filesystem>
#include <functional>

#include "framework/win/framework.h"
#include "skin/data/win/skin_data.h"
#include "skin/source/folder_changes.h"

class TSkinProblemsForm;
class TTimer;

class TSkinFolderWatcher : public TComponent {
    T_CLASS(TSkinFolderWatcher, TComponent)
public:
    // How often the folder is looked at, and how long it must stay unchanged before it is read.
    static constexpr unsigned kPollMs = 100;
    static constexpr std::int64_t kQuietMs = 150;

    // Reads the folder at once, then on every settled change.
    TSkinFolderWatcher(TComponent* owner, skin::win::TSkinData* data, std::filesystem::path folder);

    const std::filesystem::path& Folder() const { return folder_; }
    // Folder reads that were applied as the new skin, and reads that found it broken.
    int Applied() const { return applied_; }
    int Refused() const { return refused_; }
    TSkinProblemsForm* Problems() const { return problems_; }

    // Called after each read of the folder (applied or refused).
    std::function<void()> OnFolderRead;

private:
    void Poll(TObject*);
    void ReadFolder(const skin::source::TFolderSnapshot& snapshot);

    skin::win::TSkinData* data_;
    std::filesystem::path folder_;
    skin::source::TFolderChangeDebounce debounce_{kQuietMs};
    TTimer* timer_ = nullptr;
    TSkinProblemsForm* problems_ = nullptr;
    int applied_ = 0;
    int refused_ = 0;
};
