// The service object's statements on the reference host over SQLite.
#include <gtest/gtest.h>

#include <memory>

#include "grid/FlatChooseItem.h"
#include "refhost/SqliteFixture.h"
#include "refhost/schema/SchemaBuilder.h"
#include "refhost/service/HostService.h"
#include "services/UnitZidudClass.h"
#include "ui/DialogKeys.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

class ZidudRefhostTest : public refhost::test::SqliteTest {
 protected:
  void SetUp() override {
    SqliteTest::SetUp();
    refhost::CreateSchema(Db());
    for (const char* sql : {
             "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('dqny', '200503')",
             "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('dwlx', '03')",
             "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('QYNY', '200401')",
             "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('sljd', '2')",
             "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('zbbm', '01')",
             "INSERT INTO tbZyda (f_Zybm, f_Zymc, f_Hsdwh) VALUES ('0001', '张三', '01')",
             "INSERT INTO tbHsdwda (f_Hsdwh, f_Hsdwmc) VALUES ('001', '总部')",
             "INSERT INTO tbHsdwda (f_Hsdwh, f_Hsdwmc) VALUES ('002', '一分店')",
             "INSERT INTO tbHsdwda (f_Hsdwh, f_Hsdwmc) VALUES ('003', '二分店')",
             "INSERT INTO tbZbhsdwdz (f_Zbbm, f_Hsdwh, f_Jsbz) VALUES ('01', '001', '1')",
             "INSERT INTO tbZbhsdwdz (f_Zbbm, f_Hsdwh, f_Jsbz) VALUES ('01', '002', '1')",
             "INSERT INTO tbZbhsdwdz (f_Zbbm, f_Hsdwh, f_Jsbz) VALUES ('01', '003', '0')",
             "INSERT INTO tbZbhsdwdz (f_Zbbm, f_Hsdwh, f_Jsbz) VALUES ('02', '003', '1')",
             "INSERT INTO tbzyfghsdw (f_zybm, f_hsdwh) VALUES ('0002', '002')",
         })
      Db().Execute(sql);
    refhost::HostOptions options;
    options.today = "20050315";
    zidud_ = std::make_unique<services::TZidudClass>(
        std::make_shared<refhost::HostService>(Db(), options), 0);
  }
  void TearDown() override {
    for (const std::string& failure : ui_.Failures()) ADD_FAILURE() << failure;
  }

  // Answers the choice dialog: checks its lines and confirms the last one (if any).
  void ConfirmLast(std::vector<std::string> lines) {
    ui_.OnModal("选择", [=](ui::Form& form) {
      auto& dialog = dynamic_cast<grid::TFlatChooseItemForm&>(form);
      EXPECT_EQ(dialog.ItemBox->Items(), lines);
      if (!lines.empty()) dialog.ItemBox->Choose(static_cast<int>(lines.size()) - 1);
      EXPECT_TRUE(ui::PressDialogKey(dialog, ui::DialogKey::Enter));
      return ui::mrNone;
    });
  }

  ui::headless::HeadlessBackend ui_;
  std::unique_ptr<services::TZidudClass> zidud_;
  std::string code_, name_;
};

TEST_F(ZidudRefhostTest, TheScreensLoadRunsOnTheHost) {
  EXPECT_EQ(zidud_->Dialect(), "DB2");  // SQLite joins texts with ||
  services::TsysmsgInfo info;
  info.zybm = "0001";
  std::string error;
  ASSERT_TRUE(zidud_->GetSysmsgInfo(info, services::SysmsgSet({0, 1, 2, 3, 4, 12, 13, 14, 16, 100}),
                                    error))
      << error;
  EXPECT_EQ(info.qyny, "200401");
  EXPECT_EQ(info.dqny, "200503");
  EXPECT_EQ(info.dqrq, "20050315");
  EXPECT_EQ(info.dqsj.substr(0, 10), "2005-03-15");
  EXPECT_EQ(info.zymc, "张三");
  EXPECT_EQ(info.sljdgs, "0.00");
  EXPECT_EQ(info.zbbm, "01");
  EXPECT_EQ(info.dybm, "");
}

TEST_F(ZidudRefhostTest, AnOperatorWithoutRestrictionChoosesAmongTheSettledUnits) {
  ConfirmLast({"001 总部", "002 一分店"});
  ASSERT_TRUE(zidud_->ChooseAccountingUnit("01", "0001", code_, name_));
  EXPECT_EQ(code_, "002");
  EXPECT_EQ(name_, "一分店");
}

TEST_F(ZidudRefhostTest, ARestrictedOperatorGetsHisOnlyUnit) {
  ASSERT_TRUE(zidud_->ChooseAccountingUnit("01", "0002", code_, name_));
  EXPECT_EQ(code_, "002");
  EXPECT_EQ(name_, "一分店");
}

TEST_F(ZidudRefhostTest, QuotesInTheCodesReachTheDatabaseAsValues) {
  Db().Execute("INSERT INTO tbZbhsdwdz (f_Zbbm, f_Hsdwh, f_Jsbz) VALUES ('0''3', '001', '1')");
  Db().Execute("INSERT INTO tbzyfghsdw (f_zybm, f_hsdwh) VALUES ('O''Neil', '001')");
  ASSERT_TRUE(zidud_->ChooseAccountingUnit("0'3", "O'Neil", code_, name_));
  EXPECT_EQ(code_, "001");
  ConfirmLast({});
  ASSERT_TRUE(zidud_->ChooseAccountingUnit("x' or '1'='1", "", code_, name_));
  EXPECT_EQ(code_, "");
}

}  // namespace
