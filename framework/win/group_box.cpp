#include "framework/win/std_ctrls.h"

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) { TControl::SetBounds(0, 0, 185, 105); }

void TCustomGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    const SIZE text = canvas->TextExtent(Caption().empty() ? std::string("0") : Caption());
    RECT frame = ClientRect();
    frame.top += text.cy / 2;
    DrawEdge(canvas->Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty()) return;
    // The caption interrupts the top line, on the group box's color.
    RECT caption{8, 0, 8 + text.cx, text.cy};
    canvas->Brush()->SetColor(Color());
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    canvas->DrawText(Caption(), caption, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}
