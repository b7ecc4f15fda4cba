#pragma once
// Information dialog: processor and registered owner, read once at start-up.

#include "framework/win/framework.h"

class TForm13 : public TForm {
    T_CLASS(TForm13, TForm)
public:
    explicit TForm13(TComponent* owner);

    TGroupBox* GroupBox1;
    TGroupBox* GroupBox2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TGroupBox* GroupBox3;
    TLabel* Label5;
    TLabel* Label7;
    TLabel* Label6;
    TLabel* Label8;
    TSpeedButton* SpeedButton1;

    void FormCreate(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void FormPaint(TObject* sender);
};

extern TForm13* Form13;
