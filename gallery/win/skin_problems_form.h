#pragma once
// The window that tells a skin author what is wrong with the watched skin folder: a headline
// (whether the folder's skin is on or the last good one stays) and the lint messages, each
// with its file and line.

#include "framework/win/framework.h"
#include "skin/source/skin_problems.h"

class TSkinProblemsForm : public TForm {
    T_CLASS(TSkinProblemsForm, TForm)
public:
    explicit TSkinProblemsForm(TComponent* owner);

    // Shows the problems; a folder that is broken brings the window up, a good one only
    // updates it if it is open.
    void ShowProblems(const skin::source::TSkinProblems& problems);

    TLabel* Headline = nullptr;
    TListBox* Messages = nullptr;
};
