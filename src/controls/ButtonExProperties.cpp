// ButtonEx: the property table and what it drives, the setters' common steps,
// a new instance's values, and saving to and loading from the property bag.
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "controls/ButtonEx.h"
#include "controls/Rounding.h"

namespace controls {
namespace {

using toolkit::PropertyValue;

std::int32_t AsInteger(win::COLORREF color) { return static_cast<std::int32_t>(color); }
win::COLORREF AsColor(std::int32_t value) { return static_cast<win::COLORREF>(value); }

// How a field takes a value and gives it back, by the field's type. Colours
// travel as the 32-bit integers the bag holds.
template <class Owner>
struct FieldAccess {
  std::function<void(Owner&, const PropertyValue&)> store;
  std::function<PropertyValue(const Owner&)> load;
};

template <class Owner>
FieldAccess<Owner> Field(bool Owner::*field) {
  return {[field](Owner& o, const PropertyValue& v) { o.*field = toolkit::ToBool(v); },
          [field](const Owner& o) { return PropertyValue(o.*field); }};
}
template <class Owner>
FieldAccess<Owner> Field(std::int32_t Owner::*field) {
  return {[field](Owner& o, const PropertyValue& v) { o.*field = toolkit::ToInt32(v); },
          [field](const Owner& o) { return PropertyValue(o.*field); }};
}
template <class Owner>
FieldAccess<Owner> Field(win::COLORREF Owner::*field) {
  return {[field](Owner& o, const PropertyValue& v) { o.*field = AsColor(toolkit::ToInt32(v)); },
          [field](const Owner& o) { return PropertyValue(AsInteger(o.*field)); }};
}
template <class Owner>
FieldAccess<Owner> Field(std::string Owner::*field) {
  return {[field](Owner& o, const PropertyValue& v) { o.*field = toolkit::ToString(v); },
          [field](const Owner& o) { return PropertyValue(o.*field); }};
}
template <class Owner>
FieldAccess<Owner> Field(platform::PicturePtr Owner::*field) {
  return {[field](Owner& o, const PropertyValue& v) { o.*field = toolkit::ToPicture(v); },
          [field](const Owner& o) { return PropertyValue(o.*field); }};
}
template <class Owner>
FieldAccess<Owner> Field(platform::FontPtr Owner::*field) {
  return {[field](Owner& o, const PropertyValue& v) { o.*field = toolkit::ToFont(v); },
          [field](const Owner& o) { return PropertyValue(o.*field); }};
}

// The bag's value converted to the type of the default, or the default.
PropertyValue ReadAs(const toolkit::PropertyBag& bag, std::string_view key,
                     const PropertyValue& defaultValue) {
  const PropertyValue* found = bag.Find(key);
  if (found == nullptr) return defaultValue;
  return std::visit(
      [&](const auto& typed) -> PropertyValue {
        using T = std::decay_t<decltype(typed)>;
        if constexpr (std::is_same_v<T, bool>) return toolkit::ToBool(*found);
        if constexpr (std::is_same_v<T, std::int32_t>) return toolkit::ToInt32(*found);
        if constexpr (std::is_same_v<T, std::string>) return toolkit::ToString(*found);
        if constexpr (std::is_same_v<T, platform::PicturePtr>) return toolkit::ToPicture(*found);
        if constexpr (std::is_same_v<T, platform::FontPtr>) return toolkit::ToFont(*found);
      },
      defaultValue);
}

}  // namespace

// Everything about one property but its field's name: the bag key (also the
// name its change is notified under), where saving writes it, its default
// for reading and saving, how it reaches the surface and the picture holder,
// and how the face is redrawn after it changes.
struct ButtonEx::Property {
  enum class Redraw { None, CurrentState, StateDisabled, ItsValue };

  std::string_view key;
  int saveOrder;
  PropertyValue defaultValue;  // a null font stands for the container's ambient font
  FieldAccess<ButtonEx> field;
  void (*apply)(ButtonEx&);  // null for a property that only is stored
  Redraw redraw;
};

// In the order a new instance gets its values and a saved one reads them.
const std::vector<ButtonEx::Property>& ButtonEx::Properties() {
  using R = Property::Redraw;
  const platform::PicturePtr absent;
  static const std::vector<Property> properties = {
      {"AllowDefault", 0, true, Field(&ButtonEx::allowDefault_), nullptr, R::CurrentState},
      {"AllowFocus", 1, true, Field(&ButtonEx::allowFocus_), nullptr, R::CurrentState},
      {"Appearance", 2, std::int32_t{1}, Field(&ButtonEx::appearance_), nullptr, R::CurrentState},
      {"BackColor", 4, AsInteger(0x8000000F), Field(&ButtonEx::backColor_),
       [](ButtonEx& b) {
         b.surface_->SetBackColor(b.backColor_);
         // The holder's colour shows where the state picture itself is transparent.
         b.imgPicture_.SetBackColor(b.backColor_);
       },
       R::CurrentState},
      {"BorderStyle", 5, std::int32_t{1}, Field(&ButtonEx::borderStyle_), nullptr, R::CurrentState},
      {"Caption", 6, std::string("ButtonEx1"), Field(&ButtonEx::caption_),
       [](ButtonEx& b) {
         // The first single "&" names the access key; "&&" shows an ampersand.
         const std::string& caption = b.caption_;
         std::size_t at = caption.find('&');
         while (at != std::string::npos) {
           if (at + 1 >= caption.size() || caption[at + 1] != '&') {
             b.surface_->SetAccessKeys(caption.substr(at + 1, 1));
             break;
           }
           at = caption.find('&', at + 2);
         }
       },
       R::CurrentState},
      {"CaptionOffsetX", 7, std::int32_t{0}, Field(&ButtonEx::captionOffsetX_), nullptr,
       R::CurrentState},
      {"CaptionOffsetY", 8, std::int32_t{0}, Field(&ButtonEx::captionOffsetY_), nullptr,
       R::CurrentState},
      {"Enabled", 3, true, Field(&ButtonEx::enabled_),
       [](ButtonEx& b) {
         b.surface_->SetEnabled(b.enabled_);
         if (b.enabled_) b.currentState_ = StateUp;
       },
       R::CurrentState},
      {"ForeColor", 9, AsInteger(0x80000012), Field(&ButtonEx::foreColor_),
       [](ButtonEx& b) { b.surface_->SetForeColor(b.foreColor_); }, R::CurrentState},
      {"Font", 10, platform::FontPtr(), Field(&ButtonEx::font_),
       [](ButtonEx& b) { b.surface_->SetFont(b.font_); }, R::CurrentState},
      {"HighlightColor", 11, AsInteger(0x80000012), Field(&ButtonEx::highlightColor_), nullptr,
       R::CurrentState},
      {"HighlightPicture", 12, false, Field(&ButtonEx::highlightPicture_), nullptr,
       R::StateDisabled},
      {"MouseIcon", 23, absent, Field(&ButtonEx::mouseIcon_),
       [](ButtonEx& b) { b.surface_->SetMouseIcon(b.mouseIcon_); }, R::None},
      {"MousePointer", 24, std::int32_t{0}, Field(&ButtonEx::mousePointer_),
       [](ButtonEx& b) { b.surface_->SetMousePointer(ToInteger16(b.mousePointer_)); }, R::None},
      // Kept and saved only: the site's own drop mode stays as designed.
      {"OLEDropMode", 13, std::int32_t{0}, Field(&ButtonEx::oleDropMode_), nullptr, R::None},
      {"Picture", 14, absent, Field(&ButtonEx::picture_),
       [](ButtonEx& b) { b.imgPicture_.SetPicture(b.picture_); }, R::CurrentState},
      // The state pictures show from the next state change on.
      {"PictureDisabled", 15, absent, Field(&ButtonEx::pictureDisabled_), nullptr, R::None},
      {"PictureDown", 16, absent, Field(&ButtonEx::pictureDown_), nullptr, R::None},
      {"PictureFocus", 17, absent, Field(&ButtonEx::pictureFocus_), nullptr, R::None},
      {"PictureOffsetX", 18, std::int32_t{0}, Field(&ButtonEx::pictureOffsetX_), nullptr,
       R::CurrentState},
      {"PictureOffsetY", 19, std::int32_t{0}, Field(&ButtonEx::pictureOffsetY_), nullptr,
       R::CurrentState},
      {"PictureOver", 20, absent, Field(&ButtonEx::pictureOver_), nullptr, R::None},
      {"RightToLeft", 21, false, Field(&ButtonEx::rightToLeft_),
       [](ButtonEx& b) { b.surface_->SetRightToLeft(b.rightToLeft_); }, R::CurrentState},
      {"SkinDisabled", 25, absent, Field(&ButtonEx::skinDisabled_), nullptr, R::CurrentState},
      {"SkinDown", 26, absent, Field(&ButtonEx::skinDown_), nullptr, R::CurrentState},
      {"SkinFocus", 27, absent, Field(&ButtonEx::skinFocus_), nullptr, R::CurrentState},
      {"SkinOver", 28, absent, Field(&ButtonEx::skinOver_), nullptr, R::CurrentState},
      {"SkinUp", 29, absent, Field(&ButtonEx::skinUp_), nullptr, R::CurrentState},
      {"Style", 30, std::int32_t{0}, Field(&ButtonEx::style_), nullptr, R::CurrentState},
      {"ToolTipText", 31, std::string(), Field(&ButtonEx::toolTipText_), nullptr, R::None},
      {"TransparentColor", 22, AsInteger(0xFF0000), Field(&ButtonEx::transparentColor_),
       [](ButtonEx& b) { b.surface_->SetMaskColor(b.transparentColor_); }, R::CurrentState},
      {"Value", 32, std::int32_t{1}, Field(&ButtonEx::value_), nullptr, R::ItsValue},
      {"WhatsThisHelpID", 33, std::int32_t{0}, Field(&ButtonEx::whatsThisHelpId_), nullptr,
       R::None},
  };
  return properties;
}

const ButtonEx::Property& ButtonEx::PropertyOf(std::string_view key) {
  for (const Property& property : Properties()) {
    if (property.key == key) return property;
  }
  throw std::logic_error("ButtonEx has no property " + std::string(key));
}

toolkit::PropertyValue ButtonEx::DefaultOf(const Property& property) const {
  if (const auto* font = std::get_if<platform::FontPtr>(&property.defaultValue); font && !*font) {
    return surface_->AmbientFont();
  }
  return property.defaultValue;
}

// The steps of every setter, in order: store, apply to the surface and the
// holder, redraw, notify. A step that fails ends the setter there, the new
// value stored.
void ButtonEx::Assign(const Property& property, const toolkit::PropertyValue& value) {
  property.field.store(*this, value);
  if (property.apply) property.apply(*this);
  switch (property.redraw) {
    case Property::Redraw::None:
      break;
    case Property::Redraw::CurrentState:
      Redraw();
      break;
    case Property::Redraw::StateDisabled:
      DrawButton(StateDisabled);
      break;
    case Property::Redraw::ItsValue:
      DrawButton(value_);
      break;
  }
  if (PropertyChanged) PropertyChanged(std::string(property.key));
}

void ButtonEx::Assign(std::string_view key, const toolkit::PropertyValue& value) {
  Assign(PropertyOf(key), value);
}

void ButtonEx::InitProperties() {
  for (const Property& property : Properties()) {
    toolkit::PropertyValue value = DefaultOf(property);
    // A new instance starts with a picture object of its own in each picture
    // property: empty, where a loaded one lacking the key has none.
    if (std::holds_alternative<platform::PicturePtr>(value)) value = platform::Picture::Empty();
    Assign(property, value);
  }
}

void ButtonEx::ReadProperties(const toolkit::PropertyBag& bag) {
  deferDrawing_ = true;
  try {
    for (const Property& property : Properties()) {
      Assign(property, ReadAs(bag, property.key, DefaultOf(property)));
    }
  } catch (...) {
    // What was read before the failure shows, as it would have.
    DrawDeferredFace();
    throw;
  }
  DrawDeferredFace();
}

void ButtonEx::DrawDeferredFace() {
  deferDrawing_ = false;
  if (const std::optional<std::int32_t> state = std::exchange(deferredState_, std::nullopt)) {
    DrawButton(*state);
  }
}

void ButtonEx::WriteProperties(toolkit::PropertyBag& bag) const {
  std::vector<const Property*> inSaveOrder;
  for (const Property& property : Properties()) inSaveOrder.push_back(&property);
  std::sort(inSaveOrder.begin(), inSaveOrder.end(),
            [](const Property* a, const Property* b) { return a->saveOrder < b->saveOrder; });
  for (const Property* property : inSaveOrder) {
    bag.WriteProperty(property->key, property->field.load(*this), DefaultOf(*property));
  }
}

}  // namespace controls
