#include "data/DisplayFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace data {
namespace {

// Days since 1899-12-30 of a civil date, and back (Howard Hinnant's algorithms).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468 + 25569;
}

struct Civil {
  long long year;
  int month, day, hour, minute, second, millisecond;
};

Civil CivilFromDays(double value) {
  const double whole = std::floor(value);
  long long ms = std::llround((value - whole) * 86400000.0);
  long long days = static_cast<long long>(whole) + ms / 86400000;
  ms %= 86400000;
  const long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return {year, month, day, static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
          static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

// The decimal digits of |value| to 15 significant digits: digits "d1d2..." and the
// power of ten of d1 (value = 0.d1d2... * 10^(exponent + 1)).
struct Decimal {
  std::vector<int> digits;  // most significant first; empty for zero
  int exponent = 0;
};

Decimal ToDecimal(double value) {
  Decimal d;
  if (value == 0) return d;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  for (const char* p = buffer; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') d.digits.push_back(*p - '0');
  d.exponent = std::atoi(std::strchr(buffer, 'e') + 1);
  while (!d.digits.empty() && d.digits.back() == 0) d.digits.pop_back();
  return d;
}

// Rounds half away from zero so that no digit is left below 10^-places.
void RoundTo(Decimal& d, int places) {
  const int keep = d.exponent + 1 + places;  // digits that stay
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[keep] >= 5;
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == 9) d.digits[i--] = 0;
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), 1);
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == 0) d.digits.pop_back();
}

// Digit at power of ten p (0 for units).
int DigitAt(const Decimal& d, int p) {
  const int index = d.exponent - p;
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : 0;
}

// Splits a format into its ';' sections, quotes respected.
std::vector<std::string_view> Sections(std::string_view format) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  char quote = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(format.substr(start));
  return sections;
}

// One section applied to |value|.
std::string ApplySection(std::string_view section, double value) {
  // Pass 1: the shape of the number.
  int intPlaces = 0, firstZero = -1, decMin = 0, decMax = 0, expDigits = 0;
  bool point = false, thousands = false, scientific = false, expPlus = false;
  char quote = 0;
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '0' || c == '#') {
      if (scientific) {
        ++expDigits;
      } else if (point) {
        ++decMax;
        if (c == '0') decMin = decMax;
      } else {
        if (c == '0' && firstZero < 0) firstZero = intPlaces;
        ++intPlaces;
      }
    } else if (c == '.' && !point && !scientific) {
      point = true;
    } else if (c == ',' && !scientific) {
      thousands = true;
    } else if ((c == 'E' || c == 'e') && !scientific && i + 1 < section.size() &&
               (section[i + 1] == '+' || section[i + 1] == '-')) {
      scientific = true;
      expPlus = section[i + 1] == '+';
      ++i;
    }
  }
  if (intPlaces == 0 && decMax == 0 && !scientific) return std::string(section);  // no digits
  const int intMin = firstZero < 0 ? 0 : intPlaces - firstZero;

  Decimal d = ToDecimal(value);
  int exponent10 = 0;
  if (scientific && !d.digits.empty()) {
    const int lead = intPlaces > 0 ? intPlaces : 1;
    exponent10 = d.exponent - (lead - 1);
    d.exponent -= exponent10;
  }
  RoundTo(d, decMax);
  if (scientific && !d.digits.empty() && d.exponent >= (intPlaces > 0 ? intPlaces : 1)) {
    ++exponent10;
    --d.exponent;
  }
  int intDigits = d.digits.empty() || d.exponent < 0 ? 0 : d.exponent + 1;
  if (intDigits < intMin) intDigits = intMin;
  int decDigits = decMax;
  while (decDigits > decMin && DigitAt(d, -decDigits) == 0) --decDigits;

  // Pass 2: walk the section, placing digits at placeholders.
  std::string out;
  int intSeen = 0, decSeen = 0;
  bool inDecimals = false, inExponent = false;
  const auto emitInt = [&](int position) {  // position: power of ten of the placeholder
    if (position == intPlaces - 1) {
      for (int p = intDigits - 1; p > position; --p) {
        out += static_cast<char>('0' + DigitAt(d, p));
        if (thousands && p % 3 == 0) out += ',';
      }
    }
    if (position < intDigits) {
      out += static_cast<char>('0' + DigitAt(d, position));
      if (thousands && position > 0 && position % 3 == 0) out += ',';
    }
  };
  quote = 0;
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    if (quote) {
      if (c == quote)
        quote = 0;
      else
        out += c;
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '0' || c == '#') {
      if (inExponent) continue;
      if (inDecimals) {
        ++decSeen;
        if (decSeen <= decDigits) out += static_cast<char>('0' + DigitAt(d, -decSeen));
      } else {
        emitInt(intPlaces - 1 - intSeen);
        ++intSeen;
      }
    } else if (c == '.' && !inDecimals && !inExponent) {
      inDecimals = true;
      if (decDigits > 0) out += '.';
    } else if (c == ',') {
    } else if ((c == 'E' || c == 'e') && !inExponent && i + 1 < section.size() &&
               (section[i + 1] == '+' || section[i + 1] == '-')) {
      inExponent = true;
      ++i;
      char digits[16];
      std::snprintf(digits, sizeof digits, "%0*d", expDigits < 1 ? 1 : (expDigits > 4 ? 4 : expDigits), std::abs(exponent10) % 100000);
      out += c;
      if (exponent10 < 0)
        out += '-';
      else if (expPlus)
        out += '+';
      out += digits;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string FormatFloat(std::string_view format, double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (format.empty()) return FloatToText(value);
  const std::vector<std::string_view> sections = Sections(format);
  // The zero section applies to a value that shows as zero in the first section.
  const auto showsZero = [&](std::string_view section) {
    int decMax = 0;
    bool point = false;
    for (char c : section) {
      if (c == '.') point = true;
      if (point && (c == '0' || c == '#')) ++decMax;
    }
    Decimal d = ToDecimal(value);
    RoundTo(d, decMax);
    return d.digits.empty();
  };
  if (value == 0 || showsZero(sections[0])) {
    if (sections.size() >= 3 && !sections[2].empty()) return ApplySection(sections[2], 0);
    return ApplySection(sections[0], 0);
  }
  if (value < 0) {
    if (sections.size() >= 2 && !sections[1].empty()) return ApplySection(sections[1], -value);
    return std::string("-") + ApplySection(sections[0], -value);
  }
  return ApplySection(sections[0], value);
}

std::string FloatToText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5".
  std::string text = buffer;
  const std::size_t e = text.find('E');
  if (e != std::string::npos) {
    std::string mantissa = text.substr(0, e);
    const int exponent = std::atoi(text.c_str() + e + 1);
    text = mantissa + "E" + std::to_string(exponent);
  }
  return text;
}

std::string FormatDateTime(std::string_view format, double days) {
  const Civil t = CivilFromDays(days);
  std::string out;
  char buffer[32];
  const auto put = [&](long long number, int width) {
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, number);
    out += buffer;
  };
  bool afterHour = false;
  for (std::size_t i = 0; i < format.size();) {
    const char c = format[i];
    const char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    std::size_t run = 1;
    while (i + run < format.size() &&
           (format[i + run] == c || format[i + run] == (lower == c ? c - 32 : lower)))
      ++run;
    if (c == '"' || c == '\'') {
      const std::size_t end = format.find(c, i + 1);
      const std::size_t stop = end == std::string_view::npos ? format.size() : end;
      out.append(format.substr(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    switch (lower) {
      case 'y':
        if (run >= 3)
          put(t.year, 4);
        else
          put(t.year % 100, 2);
        break;
      case 'm':
        if (afterHour)
          put(t.minute, run >= 2 ? 2 : 1);
        else
          put(t.month, run >= 2 ? 2 : 1);
        afterHour = false;
        break;
      case 'd': put(t.day, run >= 2 ? 2 : 1); break;
      case 'h':
        put(t.hour, run >= 2 ? 2 : 1);
        afterHour = true;
        break;
      case 'n': put(t.minute, run >= 2 ? 2 : 1); break;
      case 's': put(t.second, run >= 2 ? 2 : 1); break;
      case 'z': put(t.millisecond, run >= 3 ? 3 : 1); break;
      default: out.append(format.substr(i, run)); break;
    }
    i += run;
  }
  return out;
}

namespace {

bool ReadNumber(std::string_view text, std::size_t& i, int maxDigits, long long& value, int& digits) {
  value = 0;
  digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < maxDigits) {
    value = value * 10 + (text[i] - '0');
    ++i, ++digits;
  }
  return digits > 0;
}

bool ValidDate(long long y, long long m, long long d) {
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
  static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= lengths[m - 1] + (m == 2 && leap ? 1 : 0);
}

}  // namespace

bool ParseNumberText(std::string_view text, double& value) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

bool ParseDateTimeText(std::string_view text, double& days) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t i = 0;
  long long a = 0, b = 0, c = 0;
  int da = 0, db = 0, dc = 0;
  long long year = 0, month = 0, day = 0;
  if (!ReadNumber(text, i, 8, a, da)) return false;
  if (da == 8 && (i == text.size() || text[i] == ' ')) {
    year = a / 10000, month = a / 100 % 100, day = a % 100;
  } else {
    if (i >= text.size() || (text[i] != '-' && text[i] != '/')) return false;
    const char separator = text[i++];
    if (!ReadNumber(text, i, 2, b, db)) return false;
    if (i >= text.size() || text[i] != separator) return false;
    ++i;
    if (!ReadNumber(text, i, 4, c, dc)) return false;
    if (da == 4) {
      year = a, month = b, day = c;
    } else if (separator == '/' && da <= 2 && (dc == 4 || dc == 2)) {
      month = a, day = b, year = dc == 2 ? (c < 50 ? 2000 + c : 1900 + c) : c;
    } else {
      return false;
    }
  }
  if (!ValidDate(year, month, day)) return false;
  double result = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)));
  if (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    long long h = 0, n = 0, s = 0;
    int dh = 0, dn = 0, ds = 0;
    if (!ReadNumber(text, i, 2, h, dh) || i >= text.size() || text[i] != ':') return false;
    ++i;
    if (!ReadNumber(text, i, 2, n, dn)) return false;
    if (i < text.size() && text[i] == ':') {
      ++i;
      if (!ReadNumber(text, i, 2, s, ds)) return false;
    }
    if (i != text.size() || h > 23 || n > 59 || s > 59) return false;
    result += (h * 3600 + n * 60 + s) / 86400.0;
  }
  days = result;
  return true;
}

}  // namespace data
