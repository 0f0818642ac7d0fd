#pragma once
// base::Variant: the value type that crosses the host boundary, modelled on the
// automation VARIANT the host exchanges: empty, null, Boolean, 32-bit integer,
// double, date-time, text (UTF-8), byte array, array of Variants (with a low bound, like a
// SAFEARRAY), and a reference to an object such as a recordset.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace base {

// An object a Variant can carry by reference (a recordset, a dispatch object).
class VariantObject {
 public:
  virtual ~VariantObject() = default;
};

// A conversion the Variant cannot make, e.g. text "abc" to an integer.
class VariantError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Variant;

// A one-dimensional array of Variants with bounds lowBound .. lowBound + size - 1.
struct VariantArray {
  int lowBound = 0;
  std::vector<Variant> items;
  int HighBound() const;  // defined below, where Variant is complete
};

// A date and time as the platform's day count: days since 1899-12-30, the time as the
// fraction of a day (the automation DATE type).
struct DateTime {
  double days = 0;
  friend bool operator==(DateTime, DateTime) = default;
};

struct Null {
  friend bool operator==(Null, Null) { return true; }
};

class Variant {
 public:
  enum class Type { Empty, Null, Bool, Int, Double, Date, Text, Bytes, Array, Object };

  Variant() = default;
  Variant(Null) : value_(Null{}) {}
  Variant(bool b) : value_(b) {}
  Variant(int i) : value_(std::int32_t{i}) {}
  Variant(double d) : value_(d) {}
  Variant(DateTime d) : value_(d) {}
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(std::vector<std::uint8_t> bytes) : value_(std::move(bytes)) {}
  Variant(VariantArray array) : value_(std::make_shared<VariantArray>(std::move(array))) {}
  Variant(std::shared_ptr<VariantObject> object) : value_(std::move(object)) {}

  // An array of the given items with low bound 0.
  static Variant ArrayOf(std::vector<Variant> items);

  Type GetType() const { return static_cast<Type>(value_.index()); }
  const char* TypeName() const;
  bool IsEmpty() const { return GetType() == Type::Empty; }
  bool IsNull() const { return GetType() == Type::Null; }
  bool IsEmptyOrNull() const { return IsEmpty() || IsNull(); }
  bool IsArray() const { return GetType() == Type::Array; }

  // Conversions as the screens use them. Empty converts to "", 0, 0.0, false;
  // Null raises VariantError except in ToTextOrEmpty.
  std::string ToText() const;
  std::string ToTextOrEmpty() const;  // Null and Empty give ""
  std::int32_t ToInt() const;
  double ToDouble() const;
  bool ToBool() const;
  DateTime ToDateTime() const;  // from a date-time or a number of days

  // Direct access; raise VariantError when the Variant holds another type.
  const std::vector<std::uint8_t>& Bytes() const;
  const VariantArray& Array() const;
  VariantArray& Array();
  const std::shared_ptr<VariantObject>& Object() const;

  // The object as T, or nullptr when the Variant holds no T.
  template <class T>
  std::shared_ptr<T> ObjectAs() const {
    if (GetType() != Type::Object) return nullptr;
    return std::dynamic_pointer_cast<T>(std::get<std::shared_ptr<VariantObject>>(value_));
  }

  // Equal type and value (arrays compared element by element, objects by identity).
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  [[noreturn]] void FailConversion(const char* target) const;

  // Order matches Type. Arrays are shared: copies of a Variant share one array until
  // a non-const Array() detaches it.
  std::variant<std::monostate, Null, bool, std::int32_t, double, DateTime, std::string,
               std::vector<std::uint8_t>, std::shared_ptr<VariantArray>,
               std::shared_ptr<VariantObject>>
      value_;
};

inline int VariantArray::HighBound() const {
  return lowBound + static_cast<int>(items.size()) - 1;
}

}  // namespace base
