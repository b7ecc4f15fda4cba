#include "gallery/win/mdi_showcase.h"

#include <string>

namespace {

TMenuItem* AddMenuItem(TMenuItem* parent, const std::string& caption, int group = 0) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    item->SetGroupIndex(group);
    parent->Add(item);
    return item;
}

// The Window menu's group: a document's own items go before it.
constexpr int kWindowGroup = 9;

}  // namespace

TMdiShowcaseForm::TMdiShowcaseForm(TComponent* owner)
    : TShowcaseForm(owner, "MDI frame",
                    "An MDI frame with three document windows; a maximized document's buttons "
                    "join the frame's menu bar.") {
    SetName("MdiForm");
    SetFormStyle(fsMDIForm);
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetClientSize(640, 420);
    Description->SetVisible(false);  // the client window covers the frame's own area

    auto* menu = new TMainMenu(this);
    menu->SetName("MdiMenu");
    TMenuItem* file = AddMenuItem(menu->Items(), "&File");
    AddMenuItem(file, "&New window")->OnClick = [this](TObject*) { NewDocument(MDIChildCount() + 1); };
    AddMenuItem(file, "-");
    AddMenuItem(file, "&Close window")->OnClick = [this](TObject*) {
        if (TCustomForm* active = ActiveMDIChild()) active->Close();
    };
    TMenuItem* window = AddMenuItem(menu->Items(), "&Window", kWindowGroup);
    AddMenuItem(window, "&Cascade")->OnClick = [this](TObject*) { Cascade(); };
    AddMenuItem(window, "&Tile")->OnClick = [this](TObject*) { Tile(); };
    AddMenuItem(window, "&Arrange icons")->OnClick = [this](TObject*) { ArrangeIcons(); };
    SetMenu(menu);
    SetWindowMenu(window);
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TMdiShowcaseForm::FormShow(TObject*) {
    if (Documents[0] != nullptr) return;
    for (int i = 0; i < 3; ++i) Documents[i] = NewDocument(i + 1);
    Cascade();
}

TForm* TMdiShowcaseForm::NewDocument(int number) {
    auto* document = new TForm(this);
    document->SetName("Document" + std::to_string(number));
    document->SetFormStyle(fsMDIChild);
    document->SetCaption("Dokument " + std::to_string(number));
    document->SetBounds(0, 0, 300, 190);
    document->Font()->SetName("MS Sans Serif");
    document->Font()->SetHeight(-11);
    auto* menu = new TMainMenu(document);
    TMenuItem* edit = AddMenuItem(menu->Items(), "&Edit", 1);
    AddMenuItem(edit, "&Undo");
    AddMenuItem(edit, "&Copy");
    document->SetMenu(menu);

    auto* label = new TLabel(document);
    label->SetParent(document);
    label->SetBounds(12, 14, 220, 16);
    label->SetCaption("Naslov dokumenta:");
    auto* title = new TEdit(document);
    title->SetParent(document);
    title->SetBounds(12, 34, 200, 22);
    title->SetText("Dokument " + std::to_string(number));
    auto* done = new TCheckBox(document);
    done->SetParent(document);
    done->SetBounds(12, 66, 160, 20);
    done->SetCaption("Zavrseno");
    done->SetChecked(number == 2);
    auto* ok = new TButton(document);
    ok->SetParent(document);
    ok->SetBounds(12, 96, 75, 25);
    ok->SetCaption("OK");
    document->Show();
    return document;
}

void TMdiShowcaseForm::MaximizeDocument(int index) {
    if (index < 0 || index >= 3 || Documents[index] == nullptr || !Documents[index]->HandleAllocated()) return;
    SendMessageW(ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Documents[index]->Handle()), 0);
}

void TMdiShowcaseForm::RestoreDocuments() {
    TCustomForm* active = ActiveMDIChild();
    if (active != nullptr && IsZoomed(active->Handle()))
        SendMessageW(ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(active->Handle()), 0);
}
