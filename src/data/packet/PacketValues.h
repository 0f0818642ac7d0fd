#pragma once
// Conversions between the packet's stored numbers and the values a Packet holds:
// the platform's time stamps (day number since 0001-01-01 plus one, milliseconds)
// and 80-bit extended floats. Used by the packet reader and writer only.
#include <cstdint>
#include <optional>

namespace data::packet_values {

// Day number of 1899-12-30, day 0 of the automation date.
constexpr std::int64_t kDateDelta = 693594;
constexpr std::int64_t kMsPerDay = 86400000;

// A DATE value (day number) as an automation date.
double DateFromDayNumber(std::int32_t day);
// The day number of an automation date (its time is dropped); nullopt out of range.
std::optional<std::int32_t> DayNumberFromDate(double days);
// A TIME value (milliseconds since midnight) as a fraction of a day.
double TimeFromMilliseconds(std::int32_t ms);
// The time of day of an automation date in milliseconds; nullopt when not finite.
std::optional<std::int32_t> MillisecondsFromTime(double days);
// A TIMESTAMP value (milliseconds) as an automation date; nullopt when out of range
// (before 0001-01-01 or not finite).
std::optional<double> DateFromTimestamp(double ms);
// The TIMESTAMP value of an automation date; nullopt before 0001-01-01 or out of range.
std::optional<double> TimestampFromDate(double days);

// The 10 bytes of an 80-bit extended float, rounded to a double.
double ExtendedToDouble(const std::uint8_t* bytes);
// Writes a double as an 80-bit extended float (exact).
void DoubleToExtended(double value, std::uint8_t* bytes);

}  // namespace data::packet_values
