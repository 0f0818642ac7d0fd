#include "base/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace base {

Variant Variant::ArrayOf(std::vector<Variant> items) {
  return Variant(VariantArray{0, std::move(items)});
}

const char* Variant::TypeName() const {
  static const char* const names[] = {"Empty",  "Null",  "Boolean", "Integer", "Double",
                                      "Date",   "String", "Bytes",   "Array",   "Object"};
  return names[value_.index()];
}

void Variant::FailConversion(const char* target) const {
  throw VariantError(std::string("Could not convert variant of type (") + TypeName() +
                     ") into type (" + target + ")");
}

namespace {

// Shortest decimal text that reads back as the same double ("0.1", "12", "1.5E20").
std::string FormatDouble(double d) {
  if (d == std::floor(d) && std::fabs(d) < 1e15) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", d);
    return buffer;
  }
  char buffer[64];
  for (int precision = 15; precision <= 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, d);
    if (std::strtod(buffer, nullptr) == d) break;
  }
  return buffer;
}

// "YYYY-MM-DD", followed by " hh:mm:ss" when the time is not midnight.
std::string FormatDateTime(DateTime value) {
  const double whole = std::floor(value.days);
  long long seconds = std::llround((value.days - whole) * 86400.0);
  long long days = static_cast<long long>(whole) + seconds / 86400;
  seconds %= 86400;
  // Civil date from days since 1970-01-01 (Howard Hinnant's algorithm); day 0 of
  // the platform is 1899-12-30, 25569 days before 1970-01-01.
  long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  char buffer[40];
  if (seconds == 0)
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", year, month, day);
  else
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year, month,
                  day, seconds / 3600, seconds / 60 % 60, seconds % 60);
  return buffer;
}

bool ParseDouble(const std::string& text, double& out) {
  const std::string t = [&] {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return text.substr(b, e - b);
  }();
  if (t.empty()) return false;
  char* end = nullptr;
  out = std::strtod(t.c_str(), &end);
  return end == t.c_str() + t.size() && std::isfinite(out);
}

}  // namespace

std::string Variant::ToText() const {
  switch (GetType()) {
    case Type::Empty: return {};
    case Type::Bool: return std::get<bool>(value_) ? "True" : "False";
    case Type::Int: return std::to_string(std::get<std::int32_t>(value_));
    case Type::Double: return FormatDouble(std::get<double>(value_));
    case Type::Date: return FormatDateTime(std::get<DateTime>(value_));
    case Type::Text: return std::get<std::string>(value_);
    default: FailConversion("String");
  }
}

std::string Variant::ToTextOrEmpty() const { return IsNull() ? std::string() : ToText(); }

std::int32_t Variant::ToInt() const {
  switch (GetType()) {
    case Type::Empty: return 0;
    case Type::Bool: return std::get<bool>(value_) ? -1 : 0;
    case Type::Int: return std::get<std::int32_t>(value_);
    case Type::Double: {
      const double d = std::nearbyint(std::get<double>(value_));
      if (d < std::numeric_limits<std::int32_t>::min() || d > std::numeric_limits<std::int32_t>::max())
        FailConversion("Integer");
      return static_cast<std::int32_t>(d);
    }
    case Type::Text: {
      double d = 0;
      if (!ParseDouble(std::get<std::string>(value_), d)) FailConversion("Integer");
      return Variant(d).ToInt();
    }
    default: FailConversion("Integer");
  }
}

double Variant::ToDouble() const {
  switch (GetType()) {
    case Type::Empty: return 0;
    case Type::Bool: return std::get<bool>(value_) ? -1 : 0;
    case Type::Int: return std::get<std::int32_t>(value_);
    case Type::Double: return std::get<double>(value_);
    case Type::Date: return std::get<DateTime>(value_).days;
    case Type::Text: {
      double d = 0;
      if (!ParseDouble(std::get<std::string>(value_), d)) FailConversion("Double");
      return d;
    }
    default: FailConversion("Double");
  }
}

bool Variant::ToBool() const {
  switch (GetType()) {
    case Type::Empty: return false;
    case Type::Bool: return std::get<bool>(value_);
    case Type::Int: return std::get<std::int32_t>(value_) != 0;
    case Type::Double: return std::get<double>(value_) != 0;
    case Type::Text: {
      const std::string& t = std::get<std::string>(value_);
      if (t == "True" || t == "true" || t == "TRUE") return true;
      if (t == "False" || t == "false" || t == "FALSE") return false;
      double d = 0;
      if (!ParseDouble(t, d)) FailConversion("Boolean");
      return d != 0;
    }
    default: FailConversion("Boolean");
  }
}

DateTime Variant::ToDateTime() const {
  switch (GetType()) {
    case Type::Date: return std::get<DateTime>(value_);
    case Type::Int:
    case Type::Double: return DateTime{ToDouble()};
    default: FailConversion("Date");
  }
}

const std::vector<std::uint8_t>& Variant::Bytes() const {
  if (GetType() != Type::Bytes) FailConversion("Bytes");
  return std::get<std::vector<std::uint8_t>>(value_);
}

const VariantArray& Variant::Array() const {
  if (GetType() != Type::Array) FailConversion("Array");
  return *std::get<std::shared_ptr<VariantArray>>(value_);
}

VariantArray& Variant::Array() {
  if (GetType() != Type::Array) FailConversion("Array");
  auto& shared = std::get<std::shared_ptr<VariantArray>>(value_);
  if (shared.use_count() > 1) shared = std::make_shared<VariantArray>(*shared);
  return *shared;
}

const std::shared_ptr<VariantObject>& Variant::Object() const {
  if (GetType() != Type::Object) FailConversion("Object");
  return std::get<std::shared_ptr<VariantObject>>(value_);
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.GetType() != b.GetType()) return false;
  if (a.GetType() == Variant::Type::Array) {
    const VariantArray& x = a.Array();
    const VariantArray& y = b.Array();
    return x.lowBound == y.lowBound && x.items == y.items;
  }
  return a.value_ == b.value_;
}

}  // namespace base
