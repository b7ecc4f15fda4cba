#include "gallery/win/skin_problems_form.h"

#include "gallery/win/form_layout.h"

namespace {

using gallery::kMargin;

constexpr int kWidth = 720;
constexpr int kHeadlineHeight = 30;
constexpr int kListHeight = 160;

}  // namespace

TSkinProblemsForm::TSkinProblemsForm(TComponent* owner) : TForm(owner) {
    SetName("SkinProblemsForm");
    SetCaption("Skin problems");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetColor(clBtnFace);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    SetClientSize(kWidth + 2 * kMargin, kHeadlineHeight + kListHeight + 3 * kMargin);
    Headline = new TLabel(this);
    Headline->SetName("Headline");
    Headline->SetParent(this);
    Headline->SetWordWrap(true);
    Headline->SetAutoSize(false);
    Headline->SetBounds(kMargin, kMargin, kWidth, kHeadlineHeight);
    Messages = new TListBox(this);
    Messages->SetName("Messages");
    Messages->SetParent(this);
    Messages->SetBounds(kMargin, 2 * kMargin + kHeadlineHeight, kWidth, kListHeight);
}

void TSkinProblemsForm::ShowProblems(const skin::source::TSkinProblems& problems) {
    Headline->SetCaption(problems.Headline);
    Messages->Items()->Clear();
    for (const std::string& line : problems.Lines) Messages->Items()->Add(line);
    if (problems.Broken && !Visible()) Show();
}
