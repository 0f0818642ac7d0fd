#include "services/SysmsgRules.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "base/Text.h"
#include "data/DisplayFormat.h"

namespace services {
namespace {

using T = TsysmsgInfo;
using F = TextForm;

constexpr SysmsgAbsence Fail(const char* message) { return {message, nullptr, nullptr, false}; }
constexpr SysmsgAbsence Default(const char* value) { return {nullptr, value, nullptr, false}; }

// clang-format off
const SysmsgRule kRules[] = {
    {0, "qyny", &T::qyny, F::AsStored, Fail("没有可利用的启用年月！")},
    {39, "rqssj", &T::rqssj, F::AsStored, Fail("取得日起始时间时出错！")},
    {13, "dybm", &T::dybm, F::AsStored,
     {"没有可利用的连锁编码及前台销售柜组编码！", nullptr, "02,01,11", true}},
    {5, "dwmc", &T::dwmc},
    {74, "ysjscdjdbm", &T::ysjscdjdbm},
    {71, "sjkbbh", &T::sjkbbh},
    {70, "hykls", &T::hykls},
    {76, "djfgfs", &T::djfgfs, F::AsStored, Default("0")},
    {11, "ysqr", &T::ysqr, F::OneOrZero, Fail("没有可利用的验收确认！")},
    {22, "ypthphkz", &T::ypthphkz, F::OneOrZero, Default("1"), true},
    {6, "sh", &T::sh},
    {7, "dz", &T::dz},
    {18, "fgckjb", &T::fgckjb, F::AsStored, Fail("没有可利用的分割仓库级别！")},
    {19, "sphsfs", &T::sphsfs, F::AsStored, {"没有可利用的商品核算方式！", "1", "00", false}},
    {61, "jsxtfs", &T::jsxtfs},
    {62, "pslssj", &T::pslssj},
    {20, "jjcbhsff", &T::jjcbhsff},
    {21, "sjcbhsff", &T::sjcbhsff},
    {77, "psxzsl", &T::psxzsl, F::AsStored, Default("100000"), false, true},
    {78, "xsxzsl", &T::xsxzsl, F::AsStored, Default("100000"), false, true},
    {79, "jhxzsl", &T::jhxzsl, F::AsStored, Default("100000"), false, true},
    {23, "cbjzfs", &T::cbjzfs},
    {8, "lxdh", &T::lxdh},
    {9, "khh", &T::khh},
    {10, "zh", &T::zh},
    {14, "sljd", &T::sljdgs, F::QuantityFormat, Fail("没有可利用的数量精度！")},
    {16, "jjkz", &T::jjkz},
    {15, "lskz", &T::lskz, F::AsStored, Fail("没有可利用的连锁控制！")},
    {73, "kpyxcfsp", &T::kpyxcfsp},
    {31, "cpzkspyzbkz", &T::cpzkspyzbkz},
    {40, "jzscltjbc", &T::jzscltjbc},
    {41, "jzsclyxjjsxzpzdp", &T::jzsclyxjjsxzpzdp},
    {72, "psysjscdjd", &T::psysjscdjd},
    {17, "cskz", &T::cskz},
    {25, "zrrkz", &T::zrrkz},
    {26, "dddyhs", &T::dddyhs},
    {75, "spfzflx", &T::spfzflx},
    {27, "brddyhs", &T::brddyhs},
    {28, "brdhscfs", &T::brdhscfs},
    {80, "dddysjj", &T::dddysjj},
    {50, "psdahsfg", &T::psdahsfg},
    {51, "ysdahsfg", &T::ysdahsfg},
    {52, "xsdahsfg", &T::xsdahsfg},
    {29, "bcddyhs", &T::bcddyhs},
    {60, "tjddyhs", &T::tjddyhs},
    {30, "bcdhscfs", &T::bcdhscfs},
    {37, "sgddyhs", &T::sgddyhs},
    {38, "sgdhscfs", &T::sgdhscfs},
    {44, "ykddyhs", &T::ykddyhs},
    {45, "ykdhscfs", &T::ykdhscfs},
    {33, "dbddyhs", &T::dbddyhs},
    {34, "dbdhscfs", &T::dbdhscfs},
    {35, "jgddyhs", &T::jgddyhs},
    {36, "jgdhscfs", &T::jgdhscfs},
    {42, "tbddyhs", &T::tbddyhs},
    {43, "tbdhscfs", &T::tbdhscfs},
    {46, "syddyhs", &T::syddyhs},
    {47, "sydhscfs", &T::sydhscfs},
    {48, "ysddyhs", &T::ysddyhs},
    {49, "ysdhscfs", &T::ysdhscfs},
    {54, "pdbdyhs", &T::pdbdyhs},
    {53, "pdbhscfs", &T::pdbhscfs},
    {55, "thddyhs", &T::thddyhs},
    {56, "ptfpdyhs", &T::ptfpdyhs},
    {57, "thcpbxxdythqd", &T::thcpbxxdythqd},
    {58, "zjdyfs", &T::zjdyfs},
    {59, "ddysfs", &T::ddysfs},
    {63, "hsdwh", &T::hsdwh},
    {64, "dpckbm", &T::dpckbm},
    {65, "dpjfs", &T::dpjfs},
    {66, "thjjclfs", &T::thjjclfs},
    {67, "ddyszzfs", &T::ddyszzfs},
    {68, "ddyxrqqy", &T::ddyxrqqy},
    {69, "ysfs", &T::ysfs},
    {81, "khzqqy", &T::khzqqy},
    {82, "zkhwlqy", &T::zkhwlqy},
    {83, "hykxc", &T::hykxc},
    {84, "xsfkz", &T::xsfkz},
    {85, "kckz", &T::kckz},
    {86, "hyklwms", &T::hyklwms},
    {87, "yckqzj", &T::yckqzj},
    {89, "mdzdysj", &T::mdzdysj},
    {89, "mdzdyjj", &T::mdzdyjj},
    {90, "dchy", &T::dchy},
    {91, "xstbqyrq", &T::xstbqyrq},
    {92, "ddbrkz", &T::ddbrkz},
    {93, "ypphqy", &T::ypphqy},
    {94, "zmqy", &T::zmqy},
    {95, "djphmrz", &T::djphmrz},
    {96, "ypphchsclfs", &T::ypphchsclfs},
    {97, "sxcycbft", &T::sxcycbft},
    {98, "sxqmpkc", &T::sxqmpkc},
    {99, "xpdjmrsl", &T::xpdjmrsl, F::AsStored, Default("17")},
    {100, "zbbm", &T::zbbm},
    {101, "dztqy", &T::dztqy},
    {102, "ddzxqy", &T::ddzxqy},
    {103, "psfpbdyhs", &T::psfpbdyhs, F::AsStored, Default("25")},
    {104, "jjbkzzxzbjj", &T::jjbkzzxzbjj},
    {105, "fmlspyjzdsy", &T::fmlspyjzdsy},
    {106, "sxpdsyflfs", &T::sxpdsyflfs},
    {107, "sxpdsyfzfl", &T::sxpdsyfzfl},
    {108, "ddzxyslxsl", &T::ddzxyslxsl},
    {109, "ddsczb", &T::ddsczb},
    {110, "pdyxcfsp", &T::pdyxcfsp},
    {32, "ysxzpssp", &T::ysxzpssp},
    {111, "jekzsptj", &T::jekzsptj},
    {112, "mdqyrjxstb", &T::mdqyrjxstb},
    {113, "jzsjzdtj", &T::jzsjzdtj},
    {114, "tyspddcsf", &T::tyspddcsf},
    {115, "jhddyhs", &T::jhddyhs},
    {116, "ycspl", &T::ycspl},
    {117, "hykcszt", &T::hykcszt},
    {118, "ddzxsqdtqhb", &T::ddzxsqdtqhb},
    {119, "typdrfbmjz", &T::typdrfbmjz},
    {121, "hykkhxe", &T::hykkhxe},
    {122, "dcjdbzrck", &T::dcjdbzrck},
    {123, "Psdjzycts", &T::Psdjzycts},
    {124, "bbcszbsz", &T::bbcszbsz},
    {125, "djbzkz", &T::djbzkz},
    {126, "zysqzlyx", &T::zysqzlyx},
};
// clang-format on

std::int32_t ToInteger(const std::string& text) {
  const std::string trimmed = base::Trim(text);
  std::int32_t value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
  if (trimmed.empty() || error != std::errc() || stop != end)
    throw std::runtime_error("'" + text + "' is not a valid integer value");
  return value;
}

double ToDouble(const std::string& text) {
  double value = 0;
  if (base::Trim(text).empty() || !data::ParseNumberText(text, value))
    throw std::runtime_error("'" + text + "' is not a valid floating point value");
  return value;
}

std::string ToText(TextForm form, const std::string& text) {
  switch (form) {
    case TextForm::AsStored: break;
    case TextForm::OneOrZero: return text == "1" ? "1" : "0";
    case TextForm::QuantityFormat: return "0." + std::string(std::max(0, ToInteger(text)), '0');
  }
  return text;
}

// Stores `text` converted to the field's type, or the field's empty value for null.
void Store(const SysmsgRule& rule, const char* text, TsysmsgInfo& info) {
  std::visit(
      [&](auto member) {
        using Value = std::remove_reference_t<decltype(info.*member)>;
        if (text == nullptr) {
          info.*member = Value{};
        } else if constexpr (std::is_same_v<Value, std::string>) {
          info.*member = ToText(rule.form, text);
        } else if constexpr (std::is_same_v<Value, bool>) {
          info.*member = std::string_view(text) == "1";
        } else if constexpr (std::is_same_v<Value, std::int32_t>) {
          info.*member = ToInteger(text);
        } else {
          info.*member = ToDouble(text);
        }
      },
      rule.target);
}

bool Listed(const std::string& unitType, const char* list) {
  return ("," + std::string(list) + ",").find("," + unitType + ",") != std::string::npos;
}

}  // namespace

std::span<const SysmsgRule> SysmsgRules() { return kRules; }

std::optional<std::string> FindSysParameter(data::Dataset& parameters, const char* key,
                                            bool caseSensitive) {
  data::LocateOptions options;
  options.caseInsensitive = !caseSensitive;
  if (!parameters.Locate("f_Csmc", base::Variant(std::string(key)), options)) return std::nullopt;
  return parameters.FieldByName("f_Csz").AsString();
}

std::optional<std::string> ApplySysmsgRule(const SysmsgRule& rule, data::Dataset& parameters,
                                           const std::string& unitType, TsysmsgInfo& info) {
  std::optional<std::string> value = FindSysParameter(parameters, rule.key, rule.caseSensitive);
  if (value && rule.blankIsMissing && base::Trim(*value).empty()) value.reset();
  if (value) {
    Store(rule, value->c_str(), info);
    return std::nullopt;
  }
  const SysmsgAbsence& absent = rule.absent;
  const bool fails = absent.unitTypes != nullptr
                         ? Listed(unitType, absent.unitTypes) == absent.failForListed
                         : absent.message != nullptr;
  if (fails) return std::string(absent.message);
  Store(rule, absent.fallback, info);
  return std::nullopt;
}

}  // namespace services
