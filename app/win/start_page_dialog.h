#pragma once
// IE start page dialog: the address Internet Explorer opens first.

#include "framework/win/framework.h"

class TForm2 : public TForm {
    T_CLASS(TForm2, TForm)
public:
    explicit TForm2(TComponent* owner);

    TLabel* Label1;
    TEdit* Edit1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm2* Form2;
