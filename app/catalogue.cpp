#include "app/catalogue.h"

namespace {

using enum TweakDialog;

constexpr std::array<CatalogueNode, kCatalogueSize> kNodes = {{
    {0, "Internet Explorer", "  Internet Explorer podesavanja   ",
     "Ovde mozete da nadjete podesavanja vezana za Internet Explorer i prilagodite isti svojim potrebama...", None},
    {1, "Promeni Window Title", "  Promeni Window Title   ",
     "Ako zelite da promenite Window title vaseg Internet Explorer-a to mozete da uradite koristeci ovu opciju...",
     Form5},
    {1, "Promeni pocetnu stranu", "  Promena pocetne strane u IE-u    ",
     "Ovde mozete da podesite koju stranu zelite da Internet explorer automatski ucita kao pocetnu...", Form2},
    {0, "Operativni sistem", "  Podesavanja OS-a   ",
     "Ovde mozete da nadjete podesavanja vezana za operativni sistem koji koristite...", None},
    {1, "Iskljuci Task Manager", "  Gasenje Task Managera   ",
     "Ova opcija vam omogucuje da onemogucite otvaranje Task Managera. Budite pazljivi sa koriscenjem ove opcije!",
     Form9},
    {1, "Display Properies", "  Podesavanja Display properties-a   ",
     "Ovde mozete da zabranite korisnicima da menjaju podesavanja Display Properties-a...", Form3},
    {0, "Kontrolni panel", "  Podesavanja kontrolne table  ",
     "Ovde se nalaze opcije vezane za podesavanje Control Panel-a. Budite pazljivi u radu sa ovim podesavanjima!",
     None},
    {1, "Zabrani kontrolni panel", "  Zabrani pristup kontrolnoj tabli   ",
     "Ova opcija zabranjuje pristup kontrolnoj tabli. Budite pazljivi pri izboru ove opcije!", Form10},
    {1, "Sakri iz menija...", "  Sakri iz Start menija   ",
     "Ukoliko zelite da sakrijete Control Panel opciju iz Start menija mozete da iskoristite ovu opciju za to...",
     Form11},
    {0, "Bezbednost", "  Bezbednostna podesavanja Windows-a   ",
     "Ovde mozete da nadjete podesavanja vezana za sigurnost operativnog sistema WindowsXP", None},
    {1, "Sakri sve sa radne povrsine", "  Podesavanja radne povrsine   ",
     "Ovde mozete da podesite vidljivost ikona na radnoj povrsini...", Form6},
    {1, "Drive restrikcije", "  Podesavanja vidljivosti diskova   ",
     "Ukoliko zelite da sakrijete medijume koji su na vasem radunaru kako bi onemogucili uvid u sadrzaj koji je "
     "na njima ili iz nekih drugih razloga to mozete uciniti pomocu ove opcije...",
     Form4},
    {1, "Zabrani gasenje racunara", "  Zabrani gasenje racunara   ",
     "Ukoliko zelite da sakrijete opciju ShutDown (TurnOff) iz Start menija to mozete pomocu ove opcije...", Form7},
    {1, "LogOn obavestenje", "  LogOn obavestenje   ",
     "Ukoliko zelite da drugim korisnicima vaseg racunara stavite nesto do znanja i da budete sigurni da ce to "
     "da primete mozete da iskoristite ovu opciju ...",
     Form8},
    {0, "Informacije", "  Informacije   ",
     "Ovde mozete da pronadjete informacije o operativnom sistemu i jos nekim programima koje koristite, ali "
     "isto tako i nesto vezano za hardver... ",
     None},
    {1, "Osnovne informacije", "  Osnovne informacije   ",
     "Ovde su smestene osnovne informacije o hardveru koji koristite... ", Form13},
}};

}  // namespace

const std::array<CatalogueNode, kCatalogueSize>& Catalogue() { return kNodes; }

std::optional<CatalogueNode> CatalogueAt(int index) {
    if (index < 0 || index >= kCatalogueSize) return std::nullopt;
    return kNodes[static_cast<std::size_t>(index)];
}

TweakDialog DialogForNode(int index) {
    const auto node = CatalogueAt(index);
    return node ? node->dialog : TweakDialog::None;
}
