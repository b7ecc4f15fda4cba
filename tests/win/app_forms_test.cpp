// The application's windows as created at start-up: order, captions, client
// sizes, every component's place and text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/win/main_window.h"
#include "app/win/system_info_dialog.h"
#include "app/win/logon_notice_dialog.h"
#include "win/driver/app_session.h"

namespace {

void CreateFormsOnce() { ui_driver::StartApplicationOnce(); }

struct Part {
    const char* name;
    int left, top, width, height;  // width/height < 0: not checked (auto-sized labels)
    const char* text;
    const char* parent;
};

struct Layout {
    const char* form;
    const char* caption;
    int clientWidth, clientHeight;
    std::vector<Part> parts;
};

const std::vector<Layout>& DialogLayouts() {
    static const std::vector<Layout> layouts = {
        {"Form2",
         "IE start page ...",
         311,
         125,
         {{"Label1", 8, 16, -1, -1, "Unesi adresu koja zelis da bude pocetna u Internet Exploreru", "Form2"},
          {"Edit1", 8, 40, 289, 21, "about:blank", "Form2"},
          {"SpeedButton1", 8, 80, 137, 33, "Potvrdi", "Form2"},
          {"SpeedButton2", 160, 80, 137, 33, "Otkazi", "Form2"}}},
        {"Form3",
         "NoDisplay properties...",
         332,
         114,
         {{"Label1", 16, 16, -1, -1, "Pomocu ove opcije sprecicete druge da menjaju Background", "Form3"},
          {"Label2", 16, 32, -1, -1, "i Display Properties uopste vaseg racunara...", "Form3"},
          {"SpeedButton1", 8, 64, 145, 41, "Primeni", "Form3"},
          {"SpeedButton2", 176, 64, 145, 41, "Otkazi", "Form3"}}},
        {"Form4",
         "Drive restrikcija...",
         316,
         93,
         {{"Label1", 8, 16, -1, -1, "Ovim ce te sakriti sve medijume koji se nalaze na vasem kompu!", "Form4"},
          {"SpeedButton1", 8, 48, 137, 33, "Potvrdi", "Form4"},
          {"SpeedButton2", 168, 48, 137, 33, "Otkazi", "Form4"}}},
        {"Form5",
         "Window Title...",
         277,
         121,
         {{"Label1", 8, 8, -1, -1, "Unesi sadrzaj koji zelis da se prikaze kao Title u IE-u", "Form5"},
          {"Edit1", 8, 32, 257, 21, "", "Form5"},
          {"SpeedButton1", 8, 72, 121, 33, "Potvrdi", "Form5"},
          {"SpeedButton2", 144, 72, 121, 33, "Otkazi", "Form5"}}},
        {"Form6",
         "Skrivanje radne povrsine",
         287,
         92,
         {{"Label1", 8, 16, -1, -1, "Ovim cete sakriti sve ikone sa radne povrsine...", "Form6"},
          {"SpeedButton1", 8, 48, 121, 33, "Potvrdi", "Form6"},
          {"SpeedButton2", 152, 48, 121, 33, "Odustani", "Form6"}}},
        {"Form7",
         "No ShutDown!",
         317,
         94,
         {{"Label1", 8, 16, -1, -1, "Ovim ce te zabraniti opciju za gasenje racunara iz Start menija !", "Form7"},
          {"SpeedButton1", 8, 48, 137, 33, "Potvrdi", "Form7"},
          {"SpeedButton2", 168, 48, 137, 33, "Odustani", "Form7"}}},
        {"Form8",
         "LogOn obavestenje...",
         306,
         210,
         {{"Label1", 16, 16, -1, -1, "Naslov obavestenja:", "Form8"},
          {"Edit1", 16, 32, 273, 21, "", "Form8"},
          {"Label2", 16, 64, -1, -1, "Tekst koji zelite da se prikaze:", "Form8"},
          {"Memo1", 16, 80, 273, 65, "", "Form8"},
          {"SpeedButton1", 16, 160, 129, 33, "Potvrdi", "Form8"},
          {"SpeedButton2", 160, 160, 129, 33, "Otkazi", "Form8"}}},
        {"Form9",
         "Iskljuci TaskManager!",
         290,
         160,
         {{"GroupBox1", 8, 8, 273, 73, "  Upozorenje!!!  ", "Form9"},
          {"Label2", 8, 20, -1, -1, "Budite pazljivi prilikom koriscenja ove opcije jer ce vam", "GroupBox1"},
          {"Label3", 8, 36, -1, -1, "onemoguiti TaskManager!!!", "GroupBox1"},
          {"Label4", 8, 88, -1, -1, "Da li ste sigurni da zelite da uporebite ovu opciju?", "Form9"},
          {"SpeedButton1", 8, 112, 129, 33, "Potvrdi", "Form9"},
          {"SpeedButton2", 152, 112, 129, 33, "Otkazi", "Form9"}}},
        {"Form10",
         "NoControl Panell...",
         335,
         121,
         {{"Label1", 8, 16, -1, -1, "Budite pazljivi sa ovom opcijom !", "Form10"},
          {"Label2", 8, 32, -1, -1, "Ova opcija zabranjuje koriscenje kontrolne table!", "Form10"},
          {"SpeedButton1", 8, 64, 145, 41, "Potvrdi", "Form10"},
          {"SpeedButton2", 176, 64, 145, 41, "Otkazi", "Form10"}}},
        {"Form11",
         "Sakri iz menija...",
         300,
         109,
         {{"Label1", 16, 24, -1, -1, "Ovom opcijom sakricete ikonu kontrolne table...", "Form11"},
          {"SpeedButton1", 8, 64, 129, 41, "Potvrdi", "Form11"},
          {"SpeedButton2", 160, 64, 129, 41, "Otkazi", "Form11"}}},
        {"Form13",
         "Informacije o hardveru...",
         398,
         202,
         {{"GroupBox1", 16, 16, 369, 129, "  Osnovne informacije o hardveru koji posedujete  ", "Form13"},
          {"GroupBox2", 16, 32, 161, 89, "  Hardver  ", "GroupBox1"},
          {"Label1", 16, 16, -1, -1, "Procesor:", "GroupBox2"},
          {"Label3", 16, 52, -1, -1, "Tip procesora:", "GroupBox2"},
          {"GroupBox3", 192, 32, 161, 89, "  Sistem  ", "GroupBox1"},
          {"Label5", 16, 16, -1, -1, "Vlasnik OS-a:", "GroupBox3"},
          {"Label6", 16, 53, -1, -1, "Kompanija:", "GroupBox3"},
          {"Label2", 16, 32, -1, -1, nullptr, "GroupBox2"},
          {"Label4", 16, 68, -1, -1, nullptr, "GroupBox2"},
          {"Label7", 16, 32, -1, -1, nullptr, "GroupBox3"},
          {"Label8", 16, 69, -1, -1, nullptr, "GroupBox3"},
          {"SpeedButton1", 16, 152, 369, 41, "Nazad", "Form13"}}},
    };
    return layouts;
}

TCustomForm* FormNamed(const std::string& name) {
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Name() == name) return Screen->Forms(i);
    return nullptr;
}

void ExpectFrame(TCustomForm* form, const char* caption, int width, int height, TBorderStyle border) {
    EXPECT_EQ(form->Caption(), caption);
    EXPECT_EQ(form->ClientWidth(), width) << caption;
    EXPECT_EQ(form->ClientHeight(), height) << caption;
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, width) << caption;
    EXPECT_EQ(client.bottom, height) << caption;
    EXPECT_EQ(form->BorderStyle(), border) << caption;
    EXPECT_EQ(form->BorderIcons(), biSystemMenu) << caption;
    EXPECT_EQ(form->Position(), poScreenCenter) << caption;
    EXPECT_EQ(form->Color(), clBtnFace) << caption;
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif") << caption;
    EXPECT_EQ(form->Font()->Height(), -11) << caption;
    const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << caption;
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << caption;
    EXPECT_FALSE(style & WS_MINIMIZEBOX) << caption;
    EXPECT_TRUE(style & WS_SYSMENU) << caption;
    EXPECT_TRUE(static_cast<bool>(form->OnPaint)) << caption;
}

TEST(AppForms, TwelveWindowsAreCreatedInOrderWithTheMainWindowFirstAndOnlyItShown) {
    CreateFormsOnce();
    const char* order[] = {"TForm1", "TForm2", "TForm3", "TForm4",  "TForm5",  "TForm6",
                           "TForm7", "TForm8", "TForm9", "TForm10", "TForm11", "TForm13"};
    std::vector<std::string> created;
    for (int i = 0; i < Screen->FormCount(); ++i) created.push_back(Screen->Forms(i)->ClassName());
    const auto first = std::find(created.begin(), created.end(), "TForm1");
    ASSERT_NE(first, created.end());
    ASSERT_GE(created.end() - first, 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(first[i], order[i]);
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
    for (int i = 1; i < 12; ++i) EXPECT_FALSE(FormNamed("Form" + std::string(order[i] + 5))->Visible()) << order[i];
}

TEST(AppForms, MainWindowHasItsTreeDescriptionButtonsAndMenu) {
    CreateFormsOnce();
    ExpectFrame(Form1, "Ordovan - Brankel - Free Edition", 484, 295, bsSingle);
    EXPECT_EQ(Form1->Font()->Color(), clBlack);

    TTreeView* tree = Form1->TreeView1;
    EXPECT_EQ(tree->BoundsRect().left, 8);
    EXPECT_EQ(tree->BoundsRect().top, 16);
    EXPECT_EQ(tree->Width(), 161);
    EXPECT_EQ(tree->Height(), 265);
    EXPECT_TRUE(tree->ReadOnly());
    EXPECT_TRUE(tree->AutoExpand());
    EXPECT_EQ(tree->Indent(), 19);
    EXPECT_EQ(tree->Cursor(), crHandPoint);
    EXPECT_EQ(tree->TabOrder(), 0);
    EXPECT_EQ(Form1->GroupBox1->TabOrder(), 1);
    ASSERT_EQ(tree->Items()->Count(), kCatalogueSize);
    for (int i = 0; i < kCatalogueSize; ++i) {
        EXPECT_EQ(tree->Items()->Item(i)->Text(), CatalogueAt(i)->title) << i;
        EXPECT_EQ(tree->Items()->Item(i)->Level(), CatalogueAt(i)->level) << i;
    }
    // Nothing is selected by the program; the tree control itself may select
    // its first node (a category) when it receives the focus.
    EXPECT_TRUE(tree->Selected() == nullptr || tree->Selected() == tree->Items()->Item(0));

    EXPECT_EQ(Form1->GroupBox1->Caption(), "  Internet Explorer podesavanja   ");
    EXPECT_EQ(Form1->GroupBox1->BoundsRect().left, 177);
    EXPECT_EQ(Form1->GroupBox1->Width(), 296);
    EXPECT_EQ(Form1->Memo1->Parent(), Form1->GroupBox1);
    EXPECT_EQ(Form1->Memo1->Width(), 281);
    EXPECT_EQ(Form1->Memo1->Height(), 97);
    EXPECT_TRUE(Form1->Memo1->ReadOnly());
    EXPECT_EQ(Form1->Memo1->Color(), clBtnFace);
    ASSERT_EQ(Form1->Memo1->Lines()->Count(), 2);
    EXPECT_EQ(Form1->Memo1->Lines()->Get(0), "Ovde mozete da nadjete podesavanja vezana za Internet ");
    EXPECT_EQ(Form1->Memo1->Lines()->Get(1), "Explorer i prilagodite isti svojim potrebama");

    struct Button {
        TSpeedButton* button;
        int left, top, glyph;
        const char* caption;
    };
    for (const Button& b : {Button{Form1->SpeedButton1, 176, 160, 30, "Tweak"},
                            Button{Form1->SpeedButton2, 328, 160, 30, "Vrati na Default"},
                            Button{Form1->SpeedButton3, 176, 224, 32, "Restartuj kompjuter"},
                            Button{Form1->SpeedButton4, 328, 224, 32, "Zatvori"}}) {
        EXPECT_EQ(b.button->Caption(), b.caption);
        EXPECT_EQ(b.button->Left(), b.left) << b.caption;
        EXPECT_EQ(b.button->Top(), b.top) << b.caption;
        EXPECT_EQ(b.button->Width(), 145) << b.caption;
        EXPECT_EQ(b.button->Height(), 57) << b.caption;
        ASSERT_NE(b.button->Glyph(), nullptr);
        EXPECT_EQ(b.button->Glyph()->Width(), b.glyph) << b.caption;
        EXPECT_EQ(b.button->Glyph()->Height(), b.glyph) << b.caption;
    }
    EXPECT_EQ(Form1->SpeedButton1->Layout(), blGlyphTop);
    EXPECT_EQ(Form1->SpeedButton1->Cursor(), crHandPoint);

    ASSERT_EQ(Form1->Menu(), Form1->MainMenu1);
    EXPECT_EQ(GetMenu(Form1->Handle()), Form1->MainMenu1->Handle());
    TMenuItem* items = Form1->MainMenu1->Items();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Items(0)->Caption(), "Akcija");
    ASSERT_EQ(items->Items(0)->Count(), 1);
    EXPECT_EQ(items->Items(0)->Items(0)->Caption(), "Izlaz");
    EXPECT_EQ(items->Items(1)->Caption(), "Pomoc");
    ASSERT_EQ(items->Items(1)->Count(), 2);
    EXPECT_EQ(items->Items(1)->Items(0)->Caption(), "Informacije o programu");
    EXPECT_TRUE(items->Items(1)->Items(1)->IsLine());
}

TEST(AppForms, EveryDialogHasItsFrameAndComponents) {
    CreateFormsOnce();
    for (const Layout& layout : DialogLayouts()) {
        SCOPED_TRACE(layout.form);
        TCustomForm* form = FormNamed(layout.form);
        ASSERT_NE(form, nullptr);
        form->HandleNeeded();
        ExpectFrame(form, layout.caption, layout.clientWidth, layout.clientHeight, bsDialog);
        EXPECT_EQ(form->Font()->Color(), clWindowText);
        for (const Part& part : layout.parts) {
            SCOPED_TRACE(part.name);
            auto* control = dynamic_cast<TControl*>(form->FindComponent(part.name));
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->Left(), part.left);
            EXPECT_EQ(control->Top(), part.top);
            if (part.width >= 0) {
                EXPECT_EQ(control->Width(), part.width);
            }
            if (part.height >= 0) {
                EXPECT_EQ(control->Height(), part.height);
            }
            if (part.text) {
                EXPECT_EQ(control->Caption(), part.text);
            }
            ASSERT_NE(control->Parent(), nullptr);
            EXPECT_EQ(control->Parent()->Name(), part.parent);
            if (auto* button = dynamic_cast<TSpeedButton*>(control)) {
                EXPECT_EQ(button->Cursor(), crHandPoint);
                EXPECT_TRUE(button->Glyph() == nullptr || button->Glyph()->Empty());
            }
        }
    }
    EXPECT_EQ(Form8->Edit1->TabOrder(), 0);
    EXPECT_EQ(Form8->Memo1->TabOrder(), 1);
}

TEST(AppForms, InformationDialogShowsTheStartUpReadings) {
    CreateFormsOnce();
    const char* processor = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, processor, 0, KEY_READ, &key), ERROR_SUCCESS);
    char vendor[256] = {};
    DWORD size = sizeof(vendor) - 1;
    const LONG read =
        RegQueryValueExA(key, "VendorIdentifier", nullptr, nullptr, reinterpret_cast<BYTE*>(vendor), &size);
    RegCloseKey(key);
    ASSERT_EQ(read, ERROR_SUCCESS);
    EXPECT_EQ(Form13->Label4->Caption(), vendor);
    EXPECT_NE(Form13->Label2->Caption(), "Naziv procesora...");  // Wine describes its processor
    EXPECT_NE(Form13->Label7->Caption(), "Info o vlasniku...");
}

}  // namespace
