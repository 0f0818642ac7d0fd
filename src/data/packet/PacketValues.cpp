#include "data/packet/PacketValues.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "data/packet/LittleEndian.h"

namespace data::packet_values {
namespace {

// The platform's time stamp: a day number and milliseconds since midnight.
struct Stamp {
  std::int64_t date;
  std::int64_t time;
};

// Far beyond any real date, small enough that no step below overflows.
constexpr double kMaxMs = 1e15;

// Rounds to whole milliseconds first, so a time a fraction of a millisecond before
// midnight counts as the next day, as the platform's conversion does. Negative
// automation dates carry their time as a positive fraction (-1.25 is 1899-12-29 06:00).
std::optional<Stamp> ToStamp(double days) {
  const double total = std::nearbyint(days * kMsPerDay);
  if (!std::isfinite(total) || std::fabs(total) > kMaxMs) return std::nullopt;
  const auto ms = static_cast<std::int64_t>(total);
  return Stamp{kDateDelta + ms / kMsPerDay, std::llabs(ms) % kMsPerDay};
}

double FromStamp(std::int64_t date, double time) {
  const double whole = static_cast<double>((date - kDateDelta) * kMsPerDay);
  return (whole >= 0 ? whole + time : whole - time) / kMsPerDay;
}

}  // namespace

double DateFromDayNumber(std::int32_t day) { return static_cast<double>(day - kDateDelta); }

std::optional<std::int32_t> DayNumberFromDate(double days) {
  const auto stamp = ToStamp(days);
  if (!stamp || stamp->date < std::numeric_limits<std::int32_t>::min() ||
      stamp->date > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(stamp->date);
}

double TimeFromMilliseconds(std::int32_t ms) { return static_cast<double>(ms) / kMsPerDay; }

std::optional<std::int32_t> MillisecondsFromTime(double days) {
  const auto stamp = ToStamp(days);
  if (!stamp) return std::nullopt;
  return static_cast<std::int32_t>(stamp->time);
}

std::optional<double> DateFromTimestamp(double ms) {
  // Day 1 is 0001-01-01: a time stamp before it names no date.
  const double total = std::nearbyint(ms);
  if (!std::isfinite(total) || total < kMsPerDay || total > kMaxMs) return std::nullopt;
  const auto whole = static_cast<std::int64_t>(total);
  const std::int64_t date = whole / kMsPerDay;
  return FromStamp(date, static_cast<double>(whole - date * kMsPerDay));
}

std::optional<double> TimestampFromDate(double days) {
  const auto stamp = ToStamp(days);
  if (!stamp || stamp->date < 1) return std::nullopt;
  return static_cast<double>(stamp->date * kMsPerDay + stamp->time);
}

double ExtendedToDouble(const std::uint8_t* bytes) {
  const auto mantissa = le::Load<std::uint64_t>(bytes);
  const auto signExponent = le::Load<std::uint16_t>(bytes + 8);
  const int exponent = signExponent & 0x7FFF;
  const double sign = (signExponent & 0x8000) ? -1.0 : 1.0;
  if (exponent == 0x7FFF) {
    return (mantissa << 1) == 0 ? sign * std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::quiet_NaN();
  }
  // The mantissa carries its integer bit: value = mantissa * 2^(exponent - 16383 - 63).
  return sign * std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
}

void DoubleToExtended(double value, std::uint8_t* bytes) {
  std::uint64_t mantissa = 0;
  std::uint16_t signExponent = std::signbit(value) ? 0x8000 : 0;
  if (std::isnan(value)) {
    mantissa = 0xC000000000000000ull;
    signExponent |= 0x7FFF;
  } else if (std::isinf(value)) {
    mantissa = 0x8000000000000000ull;
    signExponent |= 0x7FFF;
  } else if (value != 0) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    signExponent |= static_cast<std::uint16_t>(exponent - 1 + 16383);
  }
  std::memcpy(bytes, &mantissa, 8);
  std::memcpy(bytes + 8, &signExponent, 2);
}

}  // namespace data::packet_values
