#pragma once
// Control Panel restriction dialog.

#include "framework/win/framework.h"

class TForm10 : public TForm {
    T_CLASS(TForm10, TForm)
public:
    explicit TForm10(TComponent* owner);

    TLabel* Label1;
    TLabel* Label2;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm10* Form10;
