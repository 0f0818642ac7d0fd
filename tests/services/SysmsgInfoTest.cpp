#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "services/FakeServiceHost.h"
#include "services/UnitZidudClass.h"
#include "support/HeadlessTest.h"

namespace {

using services::SysmsgSet;
using services::TsysmsgInfo;
using services::TSysmsgSet;
using testing_host::FakeServiceHost;
using Parameters = std::vector<std::pair<std::string, std::string>>;

// What the three screens ask for.
const TSysmsgSet kScreens = SysmsgSet({0, 1, 3, 4, 12, 13, 14, 16, 100});

class SysmsgInfoTest : public HeadlessTest {
 protected:
  // Loads `request` with the operator `op` into info_; returns the error text ("" on success).
  std::string Load(const TSysmsgSet& request, const std::string& op = "0001") {
    services::TZidudClass zidud(host_, 0);
    info_.zybm = op;
    std::string error;
    const bool ok = zidud.GetSysmsgInfo(info_, request, error);
    EXPECT_EQ(ok, error.empty()) << error;
    return ok ? std::string() : error;
  }

  std::shared_ptr<FakeServiceHost> host_ = std::make_shared<FakeServiceHost>();
  TsysmsgInfo info_;
};

TEST_F(SysmsgInfoTest, TheScreensRequestFillsTheirFields) {
  EXPECT_EQ(Load(kScreens), "");
  EXPECT_EQ(info_.qyny, "200401");
  EXPECT_EQ(info_.dqny, "200403");
  EXPECT_EQ(info_.dqrq, "20040315");
  EXPECT_EQ(info_.sjklx, "SQLSERVER");
  EXPECT_EQ(info_.zybm, "0001");
  EXPECT_EQ(info_.zymc, "张三");
  EXPECT_EQ(info_.dwlx, "03");
  EXPECT_EQ(info_.sljdgs, "0.000");
  EXPECT_EQ(info_.zbbm, "01");
  EXPECT_FALSE(info_.jjkz);
  EXPECT_EQ(info_.dqsj, "");  // element 2 is not requested
  EXPECT_EQ(host_->CallsOf(host::dispid::DateTime), 0);
}

struct ParameterCase {
  const char* name;
  Parameters parameters;
  TSysmsgSet request;
  const char* error;  // "" when the load succeeds
  std::function<void(const TsysmsgInfo&)> check = {};
};

class ParameterLoad : public SysmsgInfoTest, public testing::WithParamInterface<ParameterCase> {};

TEST_P(ParameterLoad, FillsOrFails) {
  const ParameterCase& c = GetParam();
  host_->parameters = c.parameters;
  info_.dybm = "stale";
  info_.zbbm = "stale";
  info_.qyny = "stale";
  EXPECT_EQ(Load(c.request), c.error);
  if (c.check) c.check(info_);
}

const Parameters kBase{{"dwlx", "03"}, {"qyny", "200401"}, {"sljd", "3"}};

Parameters With(Parameters p, std::initializer_list<std::pair<std::string, std::string>> more) {
  p.insert(p.end(), more.begin(), more.end());
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterLoad,
    testing::Values(
        ParameterCase{"NoSljdFailsEveryScreen", {{"dwlx", "03"}, {"qyny", "200401"}}, kScreens,
                      "没有可利用的数量精度！"},
        ParameterCase{"SljdTwo", With({{"dwlx", "03"}, {"qyny", "200401"}}, {{"sljd", "2"}}),
                      kScreens, "", [](auto& i) { EXPECT_EQ(i.sljdgs, "0.00"); }},
        ParameterCase{"SljdZero", With({{"dwlx", "03"}, {"qyny", "200401"}}, {{"sljd", "0"}}),
                      kScreens, "", [](auto& i) { EXPECT_EQ(i.sljdgs, "0."); }},
        ParameterCase{"SljdNotANumber", With({{"dwlx", "03"}, {"qyny", "200401"}}, {{"sljd", "x3"}}),
                      kScreens, "'x3' is not a valid integer value"},
        ParameterCase{"NoUnitType", {{"qyny", "200401"}, {"sljd", "3"}}, kScreens,
                      "没有可利用的单位类型！"},
        ParameterCase{"OnlyElementTwoStillNeedsTheUnitType", {}, SysmsgSet({2}),
                      "没有可利用的单位类型！"},
        ParameterCase{"NoStartMonth", {{"dwlx", "03"}, {"sljd", "3"}}, kScreens,
                      "没有可利用的启用年月！"},
        ParameterCase{"StartMonthFirstOfTwoMissing", {{"dwlx", "03"}}, kScreens,
                      "没有可利用的启用年月！"},
        ParameterCase{"UpperCaseKeysFound", {{"DWLX", "03"}, {"QyNy", "200402"}, {"SLJD", "1"}},
                      kScreens, "", [](auto& i) {
                        EXPECT_EQ(i.qyny, "200402");
                        EXPECT_EQ(i.sljdgs, "0.0");
                      }},
        ParameterCase{"UnitType03WithoutDybmClearsIt", kBase, kScreens, "",
                      [](auto& i) { EXPECT_EQ(i.dybm, ""); }},
        ParameterCase{"UnitType01WithoutDybmFails", {{"dwlx", "01"}, {"qyny", "200401"}, {"sljd", "3"}},
                      kScreens, "没有可利用的连锁编码及前台销售柜组编码！"},
        ParameterCase{"UnitType02WithoutDybmFails", {{"dwlx", "02"}, {"qyny", "200401"}, {"sljd", "3"}},
                      kScreens, "没有可利用的连锁编码及前台销售柜组编码！"},
        ParameterCase{"UnitType11WithoutDybmFails", {{"dwlx", "11"}, {"qyny", "200401"}, {"sljd", "3"}},
                      kScreens, "没有可利用的连锁编码及前台销售柜组编码！"},
        ParameterCase{"UnitType01WithDybm", {{"dwlx", "01"}, {"qyny", "200401"}, {"dybm", "0102"}, {"sljd", "3"}},
                      kScreens, "", [](auto& i) { EXPECT_EQ(i.dybm, "0102"); }},
        ParameterCase{"NoZbbmClearsIt", kBase, kScreens, "", [](auto& i) { EXPECT_EQ(i.zbbm, ""); }},
        ParameterCase{"JjkzTrueOnlyForOne", With(kBase, {{"jjkz", "1"}}), kScreens, "",
                      [](auto& i) { EXPECT_TRUE(i.jjkz); }},
        ParameterCase{"JjkzTrueForNothingElse", With(kBase, {{"jjkz", "true"}}), kScreens, "",
                      [](auto& i) { EXPECT_FALSE(i.jjkz); }},
        ParameterCase{"YpthphkzOnlyAsWritten", With(kBase, {{"YPTHPHKZ", "0"}}), SysmsgSet({22}), "",
                      [](auto& i) { EXPECT_EQ(i.ypthphkz, "1"); }},
        ParameterCase{"YpthphkzAnyOtherValueIsZero", With(kBase, {{"ypthphkz", "2"}}), SysmsgSet({22}),
                      "", [](auto& i) { EXPECT_EQ(i.ypthphkz, "0"); }},
        ParameterCase{"YsqrMissingFails", kBase, SysmsgSet({11}), "没有可利用的验收确认！"},
        ParameterCase{"YsqrKeepsOne", With(kBase, {{"ysqr", "1"}}), SysmsgSet({11}), "",
                      [](auto& i) { EXPECT_EQ(i.ysqr, "1"); }},
        ParameterCase{"RqssjMissingFails", kBase, SysmsgSet({39}), "取得日起始时间时出错！"},
        ParameterCase{"FgckjbMissingFails", kBase, SysmsgSet({18}), "没有可利用的分割仓库级别！"},
        ParameterCase{"FgckjbInteger", With(kBase, {{"fgckjb", "2"}}), SysmsgSet({18}), "",
                      [](auto& i) { EXPECT_EQ(i.fgckjb, 2); }},
        ParameterCase{"LskzMissingFails", kBase, SysmsgSet({15}), "没有可利用的连锁控制！"},
        ParameterCase{"SphsfsMissingForUnitType00IsOne", {{"dwlx", "00"}}, SysmsgSet({19}), "",
                      [](auto& i) { EXPECT_EQ(i.sphsfs, 1); }},
        ParameterCase{"SphsfsMissingForOtherUnitTypesFails", kBase, SysmsgSet({19}),
                      "没有可利用的商品核算方式！"},
        ParameterCase{"DjfgfsDefault", kBase, SysmsgSet({76}), "",
                      [](auto& i) { EXPECT_EQ(i.djfgfs, "0"); }},
        ParameterCase{"LimitsBlankCountsAsMissing",
                      With(kBase, {{"psxzsl", " "}, {"xsxzsl", "50"}}), SysmsgSet({77, 78, 79}), "",
                      [](auto& i) {
                        EXPECT_EQ(i.psxzsl, 100000);
                        EXPECT_EQ(i.xsxzsl, 50);
                        EXPECT_EQ(i.jhxzsl, 100000);
                      }},
        ParameterCase{"DoubleAndIntegerDefaults", kBase, SysmsgSet({99, 103}), "",
                      [](auto& i) {
                        EXPECT_EQ(i.xpdjmrsl, 17.0);
                        EXPECT_EQ(i.psfpbdyhs, 25);
                      }},
        ParameterCase{"DoubleValue", With(kBase, {{"xpdjmrsl", "12.5"}}), SysmsgSet({99}), "",
                      [](auto& i) { EXPECT_EQ(i.xpdjmrsl, 12.5); }},
        ParameterCase{"OneElementFillsTwoFields",
                      With(kBase, {{"mdzdysj", "1"}, {"mdzdyjj", "0"}}), SysmsgSet({89}), "",
                      [](auto& i) {
                        EXPECT_TRUE(i.mdzdysj);
                        EXPECT_FALSE(i.mdzdyjj);
                      }},
        ParameterCase{"UnreadParametersMissingLeaveEmptyValues", kBase,
                      SysmsgSet({5, 6, 26, 70, 101, 123}), "",
                      [](auto& i) {
                        EXPECT_EQ(i.dwmc, "");
                        EXPECT_EQ(i.hykls, "");
                        EXPECT_EQ(i.dddyhs, 0);
                        EXPECT_FALSE(i.dztqy);
                      }},
        ParameterCase{"FieldsBeforeAFailureKeepTheirValues",
                      {{"dwlx", "01"}, {"qyny", "200405"}, {"rqssj", "0600"}}, kScreens,
                      "没有可利用的连锁编码及前台销售柜组编码！",
                      [](auto& i) {
                        EXPECT_EQ(i.qyny, "200405");
                        EXPECT_EQ(i.dybm, "stale");
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SysmsgInfoTest, EveryRequestedFieldIsFilledFromItsKey) {
  host_->parameters = {{"dwlx", "03"}, {"sljd", "1"}};
  for (const char* key :
       {"qyny", "rqssj", "dwmc", "hykls", "ysqr", "fgckjb", "sphsfs", "psxzsl", "lskz", "cskz",
        "zbbm", "Psdjzycts", "zysqzlyx", "xpdjmrsl", "mdzdysj", "mdzdyjj", "dybm", "typdrfbmjz"})
    host_->parameters.emplace_back(key, "1");
  TSysmsgSet all;
  all.set();
  ASSERT_EQ(Load(all), "");
  EXPECT_EQ(info_.sljdgs, "0.0");
  for (const std::string* text : {&info_.qyny, &info_.rqssj, &info_.dwmc, &info_.hykls,
                                  &info_.ysqr, &info_.zbbm, &info_.dybm, &info_.typdrfbmjz})
    EXPECT_EQ(*text, "1");
  for (std::int32_t value : {info_.fgckjb, info_.sphsfs, info_.psxzsl, info_.Psdjzycts})
    EXPECT_EQ(value, 1);
  EXPECT_TRUE(info_.lskz && info_.cskz && info_.zysqzlyx && info_.mdzdysj && info_.mdzdyjj);
  EXPECT_EQ(info_.xpdjmrsl, 1.0);
  EXPECT_EQ(info_.dqsj, "2004-03-15 10:20:30");
  EXPECT_FALSE(info_.bl1);
  EXPECT_EQ(info_.str1, "");
  EXPECT_EQ(info_.str2, "");
}

TEST_F(SysmsgInfoTest, AnEmptyOperatorCodeSkipsTheOperatorCall) {
  info_.zymc = "before";
  EXPECT_EQ(Load(kScreens, ""), "");
  EXPECT_EQ(info_.zymc, "before");
  EXPECT_EQ(host_->CallsOf(host::dispid::OperatorInfo), 0);
}

TEST_F(SysmsgInfoTest, OnlyHostElementsDoNotReadTheTable) {
  host_->parameters.clear();
  EXPECT_EQ(Load(SysmsgSet({1, 3, 4})), "");
  EXPECT_EQ(host_->CallsOf(host::dispid::SystemParameters), 0);
  EXPECT_EQ(info_.sjklx, "SQLSERVER");
}

struct RefusalCase {
  std::int32_t dispid;
  TSysmsgSet request;
  const char* error;
};

class HostRefusal : public SysmsgInfoTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(HostRefusal, EndsTheLoadWithItsText) {
  host_->refuse.insert(GetParam().dispid);
  EXPECT_EQ(Load(GetParam().request), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, HostRefusal,
    testing::Values(RefusalCase{host::dispid::YearMonth, kScreens, "取得当前年月时出错！"},
                    RefusalCase{host::dispid::DateTime, SysmsgSet({2}), "取得当前日期时间时出错！"},
                    RefusalCase{host::dispid::Date, kScreens, "取得当前日期时出错！"},
                    RefusalCase{host::dispid::OperatorInfo, kScreens, "取得制单人名称时出错！！"},
                    RefusalCase{host::dispid::SystemParameters, kScreens,
                                "取得系统参数时出错！"}));

struct ProbeCase {
  const char* answer;
  bool throws;
  const char* dialect;
  std::size_t warnings;
};

class DialectProbe : public HeadlessTest, public testing::WithParamInterface<ProbeCase> {};

TEST_P(DialectProbe, KeepsTheHostsTextOrWarnsAndTakesSqlServer) {
  auto host = std::make_shared<FakeServiceHost>();
  host->databaseType = GetParam().answer;
  host->probeThrows = GetParam().throws;
  services::TZidudClass zidud(host, 0x4711);
  EXPECT_EQ(zidud.Dialect(), GetParam().dialect);
  ASSERT_EQ(ui_.MessageBoxes().size(), GetParam().warnings);
  if (GetParam().warnings == 0) return;
  const auto& box = ui_.MessageBoxes()[0];
  EXPECT_EQ(box.text, "获取数据库类型失败!");
  EXPECT_EQ(box.caption, "警告");
  EXPECT_EQ(box.flags, ui::MB_OK | ui::MB_ICONWARNING);
  EXPECT_EQ(box.owner, 0x4711u);
}

INSTANTIATE_TEST_SUITE_P(Answers, DialectProbe,
                         testing::Values(ProbeCase{"DB2", false, "DB2", 0},
                                         ProbeCase{"Informix", false, "Informix", 0},
                                         ProbeCase{"", true, "SQLSERVER", 1}));

}  // namespace
