#pragma once
// Task Manager restriction dialog, with its warning.

#include "framework/win/framework.h"

class TForm9 : public TForm {
    T_CLASS(TForm9, TForm)
public:
    explicit TForm9(TComponent* owner);

    TGroupBox* GroupBox1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;

    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm9* Form9;
