#include "app/win/create_forms.h"

#include "app/win/Unit1.h"
#include "app/win/Unit10.h"
#include "app/win/Unit11.h"
#include "app/win/Unit13.h"
#include "app/win/Unit2.h"
#include "app/win/Unit3.h"
#include "app/win/Unit4.h"
#include "app/win/Unit5.h"
#include "app/win/Unit6.h"
#include "app/win/Unit7.h"
#include "app/win/Unit8.h"
#include "app/win/Unit9.h"

void CreateApplicationForms() {
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form5);
    Application->CreateForm(Form6);
    Application->CreateForm(Form7);
    Application->CreateForm(Form8);
    Application->CreateForm(Form9);
    Application->CreateForm(Form10);
    Application->CreateForm(Form11);
    Application->CreateForm(Form13);
}
