#pragma once
// Design-time property lists: the values a window or control is given when
// it is made, applied in the order listed.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace tk {

// One design value: a Boolean, an integer, a real or a text.
class PropertyValue {
 public:
  PropertyValue(bool v) : v_(v) {}
  template <class T>
  requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) PropertyValue(T v) : v_(std::int64_t(v)) {}
  PropertyValue(double v) : v_(v) {}
  PropertyValue(const char* v) : v_(std::string(v)) {}
  PropertyValue(std::string v) : v_(std::move(v)) {}

  bool IsText() const { return std::holds_alternative<std::string>(v_); }
  // Numbers are truncated toward zero; True is 1; a text gives its leading number.
  std::int64_t Int() const;
  double Number() const;
  // A number is True when not 0; a text when it reads "True" (any case).
  bool Bool() const;
  // Numbers as decimal text; Booleans as "True" / "False".
  std::string Text() const;

  bool operator==(const PropertyValue& other) const = default;

 private:
  std::variant<bool, std::int64_t, double, std::string> v_;
};

using Property = std::pair<std::string, PropertyValue>;
using PropertyList = std::vector<Property>;

// True for a design value that means nothing in this toolkit on this
// platform, for the kind of window or control that holds it ("Window",
// "Label", "BevelButton", ...). Lists may hold such values; they are kept
// (DesignValue) and have no effect. Any other value in a list is one that
// the window or control applies.
bool WithoutMeaningHere(std::string_view kind, std::string_view name);

}  // namespace tk
