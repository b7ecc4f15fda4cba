#pragma once
// Shut-down command hiding dialog.

#include "framework/win/framework.h"

class TForm7 : public TForm {
    T_CLASS(TForm7, TForm)
public:
    explicit TForm7(TComponent* owner);

    TLabel* Label1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm7* Form7;
