#pragma once
// An MDI frame with a main menu (File, Window with the list of children) and three document
// windows inside it, each with a menu of its own that joins the frame's while it is active.

#include "gallery/win/showcase_forms.h"

class TMdiShowcaseForm : public TShowcaseForm {
    T_CLASS(TMdiShowcaseForm, TShowcaseForm)
public:
    explicit TMdiShowcaseForm(TComponent* owner);

    // The document windows, made when the frame is first shown.
    TForm* Documents[3] = {};
    void MaximizeDocument(int index);
    void RestoreDocuments();

private:
    void FormShow(TObject* sender);
    TForm* NewDocument(int number);
};
