#pragma once
// Display formats of fields, as the platform's FormatFloat and FormatDateTime read
// them: "0.00", "#,##0.00", "0.##", "0.00%" ('%' is a literal), sections
// "positive;negative;zero", quoted literals; dates "yyyy-mm-dd hh:nn:ss".
#include <string>
#include <string_view>

namespace data {

// A number shaped by a FormatFloat pattern. The value is first taken to 15
// significant digits, then rounded half away from zero to the places shown.
std::string FormatFloat(std::string_view format, double value);

// A date-time (days since 1899-12-30) shaped by a FormatDateTime pattern: yyyy yy
// m mm d dd h hh n nn s ss (m after h is minutes), "quoted" or 'quoted' literals.
std::string FormatDateTime(std::string_view format, double days);

// A number as the platform shows a float without format: 15 significant digits,
// no trailing zeros ("0.3", "12", "1.5E20").
std::string FloatToText(double value);

// Reads a number written in decimal ("12", "-1.5", "1e3"), blanks around it
// allowed; false for anything else, infinities included.
bool ParseNumberText(std::string_view text, double& value);

// Reads a date or date-time: "yyyy-mm-dd", "yyyy/mm/dd", "yyyymmdd" or "m/d/yyyy",
// each optionally followed by " hh:nn[:ss]". False when the text is none of these
// or names no real date.
bool ParseDateTimeText(std::string_view text, double& days);

}  // namespace data
