// The information message dialog: a framework form of class "TMessageForm".
#pragma once

#include "framework/win/forms.h"

#include <string>

class TMessageForm : public TForm {
    T_CLASS(TMessageForm, TForm)
public:
    // Caption "Information", information icon, the message, one default OK button.
    TMessageForm(TComponent* owner, const std::string& message);
    const std::string& Message() const { return message_; }

protected:
    void PaintWindow(HDC dc) override;

private:
    std::string message_;
    RECT iconRect_{};
};

// Shows the message in a TMessageForm modally; returns when it closes.
void ShowMessage(const std::string& message);
