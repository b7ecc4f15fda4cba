// The portable object model: class names and ancestry, published properties by name,
// component ownership and string lists, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/strings.h"
#include "framework/typinfo.h"

namespace {

enum TShape { shCircle, shSquare, shTriangle };

// A component with one published property of every kind.
class TGadget : public TComponent {
    T_CLASS_PUBLISHED(TGadget, TComponent)
public:
    explicit TGadget(TComponent* owner) : TComponent(owner) {}
    bool Shiny() const { return shiny_; }
    void SetShiny(bool value) { shiny_ = value; }
    int Size() const { return size_; }
    void SetSize(int value) { size_ = value; }
    TShape Shape() const { return shape_; }
    void SetShape(TShape value) { shape_ = value; }
    const std::string& Label() const { return label_; }
    void SetLabel(const std::string& value) { label_ = value; }
    TStringList* Notes() { return &notes_; }
    TComponent* Partner() { return partner_; }
    void SetPartner(TComponent* value) { partner_ = value; }

    static TPropList Published() {
        return {propdef::Boolean<TGadget>("Shiny", &TGadget::Shiny, &TGadget::SetShiny),
                propdef::Integer<TGadget>("Size", &TGadget::Size, &TGadget::SetSize),
                propdef::Enumeration<TGadget, TShape>("Shape", {"shCircle", "shSquare", "shTriangle"}, &TGadget::Shape,
                                                      &TGadget::SetShape),
                propdef::String<TGadget>("Label", &TGadget::Label, &TGadget::SetLabel),
                propdef::Object<TGadget, TStringList>("Notes", &TGadget::Notes, nullptr),
                propdef::Object<TGadget, TComponent>("Partner", &TGadget::Partner, &TGadget::SetPartner)};
    }

private:
    bool shiny_ = false;
    int size_ = 3;
    TShape shape_ = shCircle;
    std::string label_;
    TStringList notes_;
    TComponent* partner_ = nullptr;
};

class TBigGadget : public TGadget {
    T_CLASS(TBigGadget, TGadget)
public:
    using TGadget::TGadget;
};

// Records its own destruction and the notifications it receives.
class TProbe : public TComponent {
    T_CLASS(TProbe, TComponent)
public:
    TProbe(TComponent* owner, std::vector<std::string>* log) : TComponent(owner), log_(log) {}
    ~TProbe() override { log_->push_back("destroyed " + Name()); }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove) log_->push_back(Name() + " told of " + component->Name());
    }

private:
    std::vector<std::string>* log_;
};

}  // namespace

TEST(FrameworkClassInfo, NamesAndAncestryOfDeclaredClasses) {
    TBigGadget big(nullptr);
    EXPECT_EQ(big.ClassName(), "TBigGadget");
    EXPECT_EQ(std::string(big.ClassParentName()), "TGadget");
    EXPECT_TRUE(big.InheritsFrom("TGadget"));
    EXPECT_TRUE(big.InheritsFrom("TComponent"));
    EXPECT_FALSE(big.InheritsFrom("tcomponent"));  // class names compare exactly
    EXPECT_TRUE(big.Is<TComponent>() && big.Is<TObject>());
    EXPECT_FALSE(TGadget(nullptr).Is<TBigGadget>());
    EXPECT_FALSE(big.InheritsFrom("TControl"));
}

TEST(FrameworkProperties, EveryKindReadsAndWritesByName) {
    TBigGadget gadget(nullptr);  // properties of ancestors are found
    EXPECT_EQ(GetEnumProp(&gadget, "Shiny"), "False");
    EXPECT_TRUE(SetPropValue(&gadget, "shiny", "TRUE"));
    EXPECT_TRUE(gadget.Shiny());
    EXPECT_FALSE(SetEnumProp(&gadget, "Shiny", "Maybe"));
    EXPECT_TRUE(gadget.Shiny());

    EXPECT_EQ(GetIntProp(&gadget, "Size"), 3);
    EXPECT_TRUE(SetPropValue(&gadget, "Size", "$10"));
    EXPECT_EQ(gadget.Size(), 16);
    EXPECT_FALSE(SetPropValue(&gadget, "Size", "12abc"));
    EXPECT_FALSE(SetPropValue(&gadget, "Size", ""));
    EXPECT_EQ(gadget.Size(), 16);
    EXPECT_TRUE(SetIntProp(&gadget, "Size", -99));
    EXPECT_EQ(GetPropValue(&gadget, "Size"), "-99");

    EXPECT_EQ(GetEnumProp(&gadget, "Shape"), "shCircle");
    EXPECT_TRUE(SetPropValue(&gadget, "Shape", "shTriangle"));
    EXPECT_EQ(gadget.Shape(), shTriangle);
    EXPECT_FALSE(SetPropValue(&gadget, "Shape", "shHexagon"));
    EXPECT_FALSE(GetEnumProp(&gadget, "Size").has_value());
    EXPECT_FALSE(GetIntProp(&gadget, "Shape").has_value());

    EXPECT_TRUE(SetPropValue(&gadget, "Label", "  Potvrdi  "));
    EXPECT_EQ(GetStrProp(&gadget, "Label"), "  Potvrdi  ");

    EXPECT_EQ(GetObjectProp(&gadget, "Notes"), gadget.Notes());
    EXPECT_FALSE(SetObjectProp(&gadget, "Notes", nullptr));  // read-only object property
    TGadget partner(nullptr);
    EXPECT_TRUE(SetObjectProp(&gadget, "Partner", &partner));
    EXPECT_EQ(gadget.Partner(), &partner);

    EXPECT_EQ(PropType(&gadget, "Tag"), TTypeKind::tkInteger);
    EXPECT_EQ(PropType(&gadget, "Notes"), TTypeKind::tkClass);
    EXPECT_EQ(PropType(&gadget, "Name"), TTypeKind::tkString);
    EXPECT_EQ(PropType(&gadget, "Shape"), TTypeKind::tkEnumeration);
}

TEST(FrameworkProperties, MissingPropertiesAndNullObjectsAreReportedAsMissing) {
    TGadget gadget(nullptr);
    EXPECT_FALSE(IsPublishedProp(&gadget, "Glyph"));
    EXPECT_EQ(GetPropInfo(&gadget, "NoSuchProperty"), nullptr);
    EXPECT_FALSE(GetPropValue(&gadget, "NoSuchProperty").has_value());
    EXPECT_FALSE(SetPropValue(&gadget, "NoSuchProperty", "1"));
    EXPECT_FALSE(GetIntProp(nullptr, "Tag").has_value());
    EXPECT_EQ(GetObjectProp(nullptr, "Notes"), nullptr);
    EXPECT_FALSE(SetPropValue(nullptr, "Tag", "1"));
}

TEST(FrameworkComponents, OwnerKeepsCreationOrderAndFreesLastFirst) {
    std::vector<std::string> log;
    auto* owner = new TProbe(nullptr, &log);
    owner->SetName("Owner");
    auto* first = new TProbe(owner, &log);
    first->SetName("First");
    auto* second = new TProbe(owner, &log);
    second->SetName("Second");
    auto* third = new TProbe(owner, &log);
    third->SetName("Third");

    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(0), first);
    EXPECT_EQ(owner->Components(2), third);
    EXPECT_EQ(second->ComponentIndex(), 1);
    EXPECT_EQ(owner->FindComponent("second"), second);
    EXPECT_EQ(owner->FindComponent("Fourth"), nullptr);

    // A freed component leaves its owner's list.
    second->Free();
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(1), third);

    log.clear();
    owner->Free();
    const std::vector<std::string> expected{"Owner told of Third", "destroyed Third", "Owner told of First",
                                            "destroyed First", "destroyed Owner"};
    EXPECT_EQ(log, expected);
}

TEST(FrameworkComponents, FreeNotificationReachesTheWatcher) {
    std::vector<std::string> log;
    auto* watcher = new TProbe(nullptr, &log);
    watcher->SetName("Watcher");
    auto* watched = new TProbe(nullptr, &log);
    watched->SetName("Watched");
    watched->FreeNotification(watcher);
    watched->Free();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "Watcher told of Watched");
    // Once gone, it no longer notifies (freeing the watcher must not touch it).
    log.clear();
    watcher->Free();
    EXPECT_EQ(log, std::vector<std::string>{"destroyed Watcher"});
}

TEST(FrameworkStrings, LinesJoinWithCrLfAndSplitAtAnyBreak) {
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");

    EXPECT_EQ(TStrings::SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(TStrings::SplitLines("a\r\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(TStrings::SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(TStrings::SplitLines("").empty());
    list.SetText("x\n\ny");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[1], "");
}
