#pragma once
// Internet Explorer window title dialog.

#include "framework/win/framework.h"

class TForm5 : public TForm {
    T_CLASS(TForm5, TForm)
public:
    explicit TForm5(TComponent* owner);

    TLabel* Label1;
    TEdit* Edit1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm5* Form5;
