#include "refhost/service/HostClock.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>

#include "base/Text.h"
#include "refhost/engine/CivilTime.h"
#include "refhost/engine/Database.h"

namespace refhost {

namespace {

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

CivilTime MachineTime() {
  const auto now = std::chrono::system_clock::now();
  const auto days = std::chrono::floor<std::chrono::days>(now);
  const std::chrono::year_month_day date{days};
  const std::chrono::hh_mm_ss time{std::chrono::floor<std::chrono::seconds>(now - days)};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

std::string DateText(const CivilTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", time.year, time.month, time.day);
  return text;
}

}  // namespace

HostClock::HostClock(Database& database, std::string configuredDate)
    : database_(database), configuredDate_(std::move(configuredDate)) {
  if (!configuredDate_.empty() && !IsDate(configuredDate_))
    throw std::invalid_argument("the host's date must be YYYYMMDD, not '" + configuredDate_ + "'");
}

bool HostClock::IsDate(const std::string& text) {
  if (text.size() != 8 || !AllDigits(text)) return false;
  const std::chrono::year_month_day date{
      std::chrono::year{std::stoi(text.substr(0, 4))},
      std::chrono::month{static_cast<unsigned>(std::stoi(text.substr(4, 2)))},
      std::chrono::day{static_cast<unsigned>(std::stoi(text.substr(6, 2)))}};
  return date.ok();
}

std::string HostClock::Parameter(const char* name) {
  Statement statement = database_.Prepare("SELECT f_Csz FROM tbSysMsg WHERE f_Csmc = ?");
  const ResultSet result = statement.Query({base::Variant(name)});
  return result.rows.empty() ? std::string() : base::Trim(result.rows[0][0].ToTextOrEmpty());
}

std::string HostClock::Today() {
  if (!configuredDate_.empty()) return configuredDate_;
  const std::string stored = Parameter("dqrq");
  return IsDate(stored) ? stored : DateText(MachineTime());
}

std::string HostClock::YearMonth() {
  if (!configuredDate_.empty()) return configuredDate_.substr(0, 6);
  const std::string stored = Parameter("dqny");
  if (stored.size() == 6 && IsDate(stored + "01")) return stored;
  return Today().substr(0, 6);
}

base::DateTime HostClock::Now() {
  const std::string today = Today();
  CivilTime time = configuredDate_.empty() ? MachineTime() : CivilTime{0, 0, 0, 0, 0, 0};
  time.year = std::stoi(today.substr(0, 4));
  time.month = std::stoi(today.substr(4, 2));
  time.day = std::stoi(today.substr(6, 2));
  return ToDateTime(time);
}

}  // namespace refhost
