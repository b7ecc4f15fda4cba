// Framework forms full of controls for the control-skin tests, soaks and benchmarks.
#pragma once

class TForm;

namespace skin::win {
class TSkinData;
class TSkinForm;
}  // namespace skin::win

namespace testing_support {

// A hidden dialog-sized form with twenty controls: buttons, check boxes, radio buttons, group
// boxes, memos and scroll bars.
TForm* CreateTwentyControlForm();

// Attaches a form skin to the shown form and runs the control walk, as the skin manager does.
// The form owns the skin.
skin::win::TSkinForm* SkinFrameworkForm(skin::win::TSkinData& data, TForm* form);

// Shows the framework form, brings it to the front and puts a form skin on it (the form owns the
// skin); with `skinControls` the control walk skins its controls as the skin manager's request
// does. Returns once the form has painted.
skin::win::TSkinForm* ShowSkinned(TForm* form, skin::win::TSkinData& data, bool skinControls = false);

// Creates a form with `make`, shows it, skins it, lets it paint and frees it, `cycles` times.
// Returns how many of the forms got control skins.
int CycleSkinnedControlForms(skin::win::TSkinData& data, int cycles, TForm* (*make)());

}  // namespace testing_support
