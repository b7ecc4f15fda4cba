#include "gallery/win/skin_folder_watcher.h"

#include <exception>
#include <stdexcept>

#include "framework/win/timer.h"
#include "gallery/win/skin_problems_form.h"
#include "skin/data/skin_stream.h"
#include "skin/source/skin_folder_load.h"
#include "skin/source/skin_problems.h"

TSkinFolderWatcher::TSkinFolderWatcher(TComponent* owner, skin::win::TSkinData* data, std::filesystem::path folder)
    : TComponent(owner), data_(data), folder_(std::move(folder)) {
    problems_ = new TSkinProblemsForm(this);
    ReadFolder(skin::source::SnapshotFolder(folder_));
    timer_ = new TTimer(this);
    timer_->SetInterval(kPollMs);
    timer_->OnTimer = Bind(this, &TSkinFolderWatcher::Poll);
}

void TSkinFolderWatcher::Poll(TObject*) {
    const skin::source::TFolderSnapshot snapshot = skin::source::SnapshotFolder(folder_);
    if (debounce_.Poll(static_cast<std::int64_t>(GetTickCount64()), snapshot)) ReadFolder(snapshot);
}

void TSkinFolderWatcher::ReadFolder(const skin::source::TFolderSnapshot& snapshot) {
    debounce_.Settled(snapshot);
    const skin::source::TSkinFolderLoad load = skin::source::LoadSkinFolder(folder_);
    skin::source::TSkinProblems problems = skin::source::DescribeSkinFolder(load, folder_.string());
    if (!problems.Broken) {
        try {
            std::vector<std::uint8_t> stored;
            skin::WriteSkinStream(load.Package, stored);
            data_->ReadSkinStream(stored);
            if (data_->SkinEmpty()) throw std::runtime_error("the engine could not open the package made of it");
            data_->ApplySkin();
            ++applied_;
        } catch (const std::exception& error) {
            // The engine refused a package the checks passed; say so rather than fail silently.
            problems.Broken = true;
            problems.Headline = folder_.string() + " could not be loaded; the last good skin stays on.";
            problems.Lines.insert(problems.Lines.begin(), error.what());
        }
    }
    if (problems.Broken) ++refused_;
    problems_->ShowProblems(problems);
    if (OnFolderRead) OnFolderRead();
}
