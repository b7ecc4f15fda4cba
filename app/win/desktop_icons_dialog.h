#pragma once
// Desktop icon hiding dialog.

#include "framework/win/framework.h"

class TForm6 : public TForm {
    T_CLASS(TForm6, TForm)
public:
    explicit TForm6(TComponent* owner);

    TLabel* Label1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm6* Form6;
