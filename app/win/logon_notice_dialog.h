#pragma once
// Logon notice dialog: the caption and text Windows shows before logging on.

#include "framework/win/framework.h"

class TForm8 : public TForm {
    T_CLASS(TForm8, TForm)
public:
    explicit TForm8(TComponent* owner);

    TLabel* Label1;
    TEdit* Edit1;
    TLabel* Label2;
    TMemo* Memo1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm8* Form8;
