#pragma once
// The main window: the tree of tweaks, the description of the clicked node,
// the four large buttons and the main menu.

#include "app/catalogue.h"
#include "framework/win/framework.h"
#include "skin/data/win/skin_data.h"

class TForm1 : public TForm {
    T_CLASS(TForm1, TForm)
public:
    explicit TForm1(TComponent* owner);

    TTreeView* TreeView1;
    TGroupBox* GroupBox1;
    TMemo* Memo1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton4;
    TMainMenu* MainMenu1;
    TMenuItem* Akcija1;
    TMenuItem* Izlaz1;
    TMenuItem* Pomoc1;
    TMenuItem* Informacijeoprogramu1;
    TMenuItem* N1;
    skin::win::TSkinData* SkinData1;

    void TreeView1Click(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void SpeedButton3Click(TObject* sender);
    void SpeedButton4Click(TObject* sender);
    void Izlaz1Click(TObject* sender);
    void Informacijeoprogramu1Click(TObject* sender);
    void FormPaint(TObject* sender);

private:
    // Shows node `index`'s caption, description and current state.
    void ShowNode(int index);
    int shownNode_ = -1;  // the node the description panel shows
};

extern TForm1* Form1;

// The dialog object that "Tweak" shows for `dialog`, or null (none, or not created).
TForm* TweakDialogForm(TweakDialog dialog);
