#include "skin/data/skin_objects_set.h"

namespace skin {

TSkinObjects::TSkinObjects()
    : Title(std::make_unique<TDataSkinTitle>("Title")),
      BorderLeft(std::make_unique<TDataSkinBorder>("Left")),
      BorderRight(std::make_unique<TDataSkinBorder>("Right")),
      BorderTop(std::make_unique<TDataSkinBorder>("Top")),
      BorderBottom(std::make_unique<TDataSkinBorder>("Bottom")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")) {
    CustomColors.fill(clWhite);
}

}  // namespace skin
