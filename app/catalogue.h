#pragma once
// The fixed catalogue of the main window's tree: five categories and eleven
// actions, with the caption and description each node shows, the dialog its
// "Tweak" button opens, and the user-visible texts of the tweak operations.

#include <array>
#include <cstdint>
#include <optional>

// The dialogs an action node can open, named after their form classes.
enum class TweakDialog : std::uint8_t {
    None,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    Form9,
    Form10,
    Form11,
    Form13
};

struct CatalogueNode {
    int level;  // 0 category, 1 action under the category above it
    const char* title;
    const char* groupCaption;
    const char* description;
    TweakDialog dialog;
};

inline constexpr int kCatalogueSize = 16;

const std::array<CatalogueNode, kCatalogueSize>& Catalogue();

// The node at `index`, or nothing when the index is outside the catalogue.
std::optional<CatalogueNode> CatalogueAt(int index);

// The dialog "Tweak" opens for node `index`; None for categories and invalid indexes.
TweakDialog DialogForNode(int index);

// Texts shown to the user.
namespace tweak_text {
inline constexpr const char* kRestored = "Podaci uspesno vraceni u normalu";
inline constexpr const char* kAbout = "Proram sluzi za podesavanje OS-a";
inline constexpr const char* kRestartNotice = "Program ce restartovati vas racunar kako bi promene bile primenjene...";
inline constexpr const char* kStartPageChanged = "Pocetna strana promenjena!";
inline constexpr const char* kDisplayRestricted = "Pristup Display Properties-u je onemogucen do daljnjeg!";
inline constexpr const char* kDrivesHidden = "Pristup HDD, FDD, CDRom i slicnim uredjajima onemogucen!";
inline constexpr const char* kTitleChanged = "Title promenjen!";
inline constexpr const char* kDesktopHidden = "Ikone su sakrivene!! Pristup radnoj povrsini onemogucen do daljnjeg!";
inline constexpr const char* kShutdownDisabled = "ShutDown (Turn Off) opcija je onemogucena do daljnjeg!";
inline constexpr const char* kLogonNoticeSet = "LogOn obavestenje postavljeno!";
inline constexpr const char* kTaskManagerDisabled = "Pozivanje TaskManagera je onemoguceno do daljnjeg!";
inline constexpr const char* kControlPanelDisabled = "Control panel ce biti onemogucen do daljnjeg!";
inline constexpr const char* kControlPanelHidden = "Zeljena opcija ce biti skrivene do daljnjeg!";
// Failures: each is followed by one line per setting left unchanged.
inline constexpr const char* kNotApplied = "Podesavanje NIJE promenjeno!";
inline constexpr const char* kNotRestored = "Sledeca podesavanja NISU vracena u normalu:";
inline constexpr const char* kNeedsAdministrator =
    "Za ovo podesavanje potrebna su administratorska prava! Pokrenite program kao administrator.";
inline constexpr const char* kCannotWrite = "Ovo podesavanje trenutno ne moze da se promeni!";
inline constexpr const char* kRestartNoPrivilege =
    "Racunar NIJE restartovan: program nema pravo da ugasi racunar (SeShutdownPrivilege)!";
inline constexpr const char* kRestartRefused = "Racunar NIJE restartovan: Windows je odbio zahtev za restart!";
}  // namespace tweak_text
