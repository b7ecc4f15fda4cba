#pragma once
// Drive hiding dialog.

#include "framework/win/framework.h"

class TForm4 : public TForm {
    T_CLASS(TForm4, TForm)
public:
    explicit TForm4(TComponent* owner);

    TLabel* Label1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm4* Form4;
