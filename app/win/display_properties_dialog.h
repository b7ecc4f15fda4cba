#pragma once
// Display Properties restriction dialog.

#include "framework/win/framework.h"

class TForm3 : public TForm {
    T_CLASS(TForm3, TForm)
public:
    explicit TForm3(TComponent* owner);

    TLabel* Label1;
    TLabel* Label2;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm3* Form3;
