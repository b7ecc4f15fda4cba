#include "app/win/form_queries.h"

#include "framework/win/application.h"

bool IsShown(const TCustomForm* form) {
    return form && form->HandleAllocated() && IsWindowVisible(form->Handle()) && !IsIconic(form->Handle());
}

TCustomForm* TopModalForm() {
    TCustomForm* found = nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Modal() && IsShown(Screen->Forms(i))) found = Screen->Forms(i);
    return found;
}
