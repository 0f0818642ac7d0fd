#include <gtest/gtest.h>

#include <memory>

#include "grid/FlatChooseItem.h"
#include "services/FakeServiceHost.h"
#include "services/UnitZidudClass.h"
#include "support/HeadlessTest.h"
#include "ui/DialogKeys.h"

namespace {

using testing_host::FakeServiceHost;
using testing_host::Row;

const std::vector<std::string> kUnitColumns{"f_Hsdwh", "f_Hsdwmc"};

std::string RestrictionTest(const std::string& op) {
  return "select 1 from tbzyfghsdw where f_zybm='" + op + "'";
}

std::string OpenUnits(const std::string& group) {
  return " Select * From tbHsdwda Where f_Hsdwh In (  Select f_Hsdwh From tbZbhsdwdz  Where "
         "f_Zbbm = '" + group + "'    And f_Jsbz = '1' )  order by f_hsdwh";
}

std::string OperatorUnits(const std::string& group, const std::string& op) {
  return " Select * From tbHsdwda Where f_Hsdwh In (  Select f_Hsdwh From tbZbhsdwdz  Where "
         "f_Zbbm = '" + group + "'    And f_Jsbz = '1' ) and f_hsdwh in (select f_hsdwh from "
         "tbzyfghsdw where f_zybm='" + op + "') order by f_hsdwh";
}

class AccountingUnitTest : public HeadlessTest {
 protected:
  void Units(const std::string& sql, std::vector<Row> rows) {
    host_->selects[sql] = {kUnitColumns, std::move(rows)};
  }
  void Restricted(const std::string& op, bool restricted) {
    host_->selects[RestrictionTest(op)] = {{"1"}, restricted ? std::vector<Row>{{"1"}}
                                                             : std::vector<Row>{}};
  }
  // Answers the choice dialog: checks its lines, picks line `pick` (or none), presses `key`.
  void OnChoice(std::vector<std::string> lines, int pick, ui::DialogKey key) {
    ui_.OnModal("选择", [=](ui::Form& form) {
      auto& dialog = dynamic_cast<grid::TFlatChooseItemForm&>(form);
      EXPECT_EQ(dialog.ItemBox->Items(), lines);
      if (pick >= 0) dialog.ItemBox->Choose(pick);
      EXPECT_TRUE(ui::PressDialogKey(dialog, key));
      return ui::mrNone;
    });
  }
  bool Choose(const std::string& group, const std::string& op) {
    services::TZidudClass zidud(host_, 0);
    code_ = name_ = "stale";
    return zidud.ChooseAccountingUnit(group, op, code_, name_);
  }

  std::shared_ptr<FakeServiceHost> host_ = std::make_shared<FakeServiceHost>();
  std::string code_, name_;
};

TEST_F(AccountingUnitTest, OneUnitIsTakenWithoutADialog) {
  Restricted("0001", false);
  Units(OpenUnits("01"), {{"001 A", "总部核算单位"}});
  ASSERT_TRUE(Choose("01", "0001"));
  EXPECT_EQ(code_, "001 A");  // only a line of the dialog is cut at its blank
  EXPECT_EQ(name_, "总部核算单位");
  EXPECT_EQ(host_->statements, (std::vector<std::string>{RestrictionTest("0001"), OpenUnits("01")}));
}

TEST_F(AccountingUnitTest, ARestrictedOperatorIsOfferedOnlyHisUnits) {
  Restricted("0002", true);
  Units(OperatorUnits("01", "0002"), {{"002", "一分店"}, {"004", "三分店"}});
  OnChoice({"002 一分店", "004 三分店"}, 1, ui::DialogKey::Enter);
  ASSERT_TRUE(Choose("01", "0002"));
  EXPECT_EQ(code_, "004");
  EXPECT_EQ(name_, "三分店");
}

TEST_F(AccountingUnitTest, AnEmptyOperatorCodeSkipsTheRestrictionTest) {
  Units(OpenUnits("01"), {{"001", "总部"}});
  ASSERT_TRUE(Choose("01", ""));
  EXPECT_EQ(host_->statements, std::vector<std::string>{OpenUnits("01")});
}

TEST_F(AccountingUnitTest, NoUnitOpensAnEmptyDialogAndYieldsNoCode) {
  for (ui::DialogKey key : {ui::DialogKey::Enter, ui::DialogKey::Escape}) {
    Restricted("0001", false);
    Units(OpenUnits("09"), {});
    OnChoice({}, -1, key);
    ASSERT_TRUE(Choose("09", "0001"));
    EXPECT_EQ(code_, "");
    EXPECT_EQ(name_, "");
  }
}

TEST_F(AccountingUnitTest, AbandoningTheDialogYieldsNoUnit) {
  Restricted("0001", false);
  Units(OpenUnits("01"), {{"001", "总部"}, {"002", "分部"}});
  OnChoice({"001 总部", "002 分部"}, 1, ui::DialogKey::Escape);
  ASSERT_TRUE(Choose("01", "0001"));
  EXPECT_EQ(code_, "");
  EXPECT_EQ(name_, "");
}

TEST_F(AccountingUnitTest, ACodeWithABlankIsCutThereAndTheRestJoinsTheName) {
  Restricted("0001", false);
  Units(OpenUnits("01"), {{"01 A", "总部 东区"}, {"02", "分部"}});
  OnChoice({"01 A 总部 东区", "02 分部"}, 0, ui::DialogKey::Enter);
  ASSERT_TRUE(Choose("01", "0001"));
  EXPECT_EQ(code_, "01");
  EXPECT_EQ(name_, "A 总部 东区");
}

TEST_F(AccountingUnitTest, QuotesInTheCodesAreDoubled) {
  Restricted("O''Neil", true);
  Units(OperatorUnits("0''1", "O''Neil"), {{"001", "总部"}});
  ASSERT_TRUE(Choose("0'1", "O'Neil"));
  EXPECT_EQ(host_->statements,
            (std::vector<std::string>{RestrictionTest("O''Neil"), OperatorUnits("0''1", "O''Neil")}));
  EXPECT_EQ(code_, "001");
}

TEST_F(AccountingUnitTest, FailsForARefusedStatementOrANullName) {
  // The restriction test refused: not knowing the operator's units is an error.
  Units(OpenUnits("01"), {{"001", "总部"}});
  EXPECT_FALSE(Choose("01", "0001"));
  EXPECT_EQ(code_, "");
  EXPECT_EQ(name_, "");
  // The unit list refused.
  Restricted("0001", false);
  EXPECT_FALSE(Choose("02", "0001"));
  // A unit without a name cannot be shown.
  Units(OpenUnits("03"), {{"001", "总部"}, {"002", std::nullopt}});
  EXPECT_FALSE(Choose("03", "0001"));
  EXPECT_EQ(code_, "");
}

}  // namespace
