#pragma once
// Dialog hiding Control Panel from the Start menu.

#include "framework/win/framework.h"

class TForm11 : public TForm {
    T_CLASS(TForm11, TForm)
public:
    explicit TForm11(TComponent* owner);

    TLabel* Label1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm11* Form11;
