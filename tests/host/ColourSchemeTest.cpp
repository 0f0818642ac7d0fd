#include "host/ColourScheme.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/ColourOptions.h"
#include "support/ColourIniFolder.h"
#include "support/HeadlessTest.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DBGrid.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/FlatControl.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/MonthCalendar.h"
#include "ui/Panel.h"
#include "ui/Shape.h"
#include "ui/StringGrid.h"
#include "ui/TreeView.h"

namespace {

using ui::clBlack;
using ui::clBtnFace;
using ui::clGreen;
using ui::clInfoBk;
using ui::clRed;
using ui::clWhite;
using ui::clWindow;
using ui::clWindowText;
using ui::Color;
using Colors = std::vector<Color>;

constexpr Color kDesignBack = 14614267;
constexpr Color kFlatFace = 14084846;

// The scheme's back, line, title and menu colours.
struct Scheme {
  Color B, L, T, M;
};
constexpr Scheme kDefaults{15528176, 12349763, 12349763, 65535};
constexpr Scheme kFromIni{0x0A0B0C, 0x1A1B1C, 0x2A2B2C, 0x3A3B3C};
const char* const kIniText =
    "[ColorOption]\r\ncolorstyle=1\r\nbackcolor=658188\r\nlinecolor=1710876\r\n"
    "titlecolor=2763564\r\nmenucolor=3816252\r\n";

// A test with its own folder for "Tarnvelpos.ini" and a form to recolour.
class ColourTest : public HeadlessTest {
 protected:
  void WriteIni(const std::string& text) { ini_.WriteIni(text); }
  ui::Form* NewForm(const std::string& name = "FrmTest") {
    form_ = new ui::Form(nullptr);
    form_->Name = name;
    form_->SetColor(kDesignBack);
    return form_;
  }
  void TearDown() override {
    if (form_ != nullptr) form_->Free();
    HeadlessTest::TearDown();
  }

  ColourIniFolder ini_;
  ui::Form* form_ = nullptr;
};

// One row of a rule table: a component as designed, the colours the rule may change
// (read back after theming) and what they must be in a given scheme.
struct RuleCase {
  const char* name;
  std::function<ui::Component*(ui::Form&)> make;
  std::function<Colors(ui::Component&)> read;
  std::function<Colors(const Scheme&)> expected;
};

template <class T>
std::function<T*(ui::Form&)> Design(const char* className, const char* name = "c1",
                                                std::function<void(T&)> design = {}) {
  return [=](ui::Form& form) {
    T* component = new T(&form, className);
    component->Name = name;
    component->SetParent(&form);
    if (design) design(*component);
    return component;
  };
}

template <class T>
std::function<Colors(ui::Component&)> Read(std::function<Colors(T&)> read) {
  return [=](ui::Component& c) { return read(dynamic_cast<T&>(c)); };
}

const auto kColor = Read<ui::Control>([](ui::Control& c) { return Colors{c.GetColor()}; });
const auto kColorAndFont =
    Read<ui::Control>([](ui::Control& c) { return Colors{c.GetColor(), c.GetFont().color}; });

std::function<void(ui::Control&)> Painted(Color color) {
  return [=](ui::Control& c) { c.SetColor(color); };
}

std::function<void(ui::Control&)> Label(Color color, Color font) {
  return [=](ui::Control& c) {
    c.SetColor(color);
    ui::Font f = c.GetFont();
    f.color = font;
    c.SetFont(f);
  };
}

std::function<void(ui::Edit&)> FlatEdit(Color flat, Color focused, Color border) {
  return [=](ui::Edit& e) {
    e.SetColorFlat(flat);
    e.SetColorFocused(focused);
    e.SetColorBorder(border);
  };
}
const auto kEditColors =
    Read<ui::Edit>([](ui::Edit& e) { return Colors{e.ColorFlat(), e.ColorFocused(), e.ColorBorder()}; });

std::function<void(ui::Panel&)> FlatPanel(Color color, Color highLight, Color shadow) {
  return [=](ui::Panel& p) {
    p.SetColor(color);
    p.SetColorHighLight(highLight);
    p.SetColorShadow(shadow);
  };
}
const auto kPanelColors = Read<ui::Panel>(
    [](ui::Panel& p) { return Colors{p.GetColor(), p.ColorHighLight(), p.ColorShadow()}; });

std::function<void(ui::DateTimePicker&)> Picker(Color color, Color border) {
  return [=](ui::DateTimePicker& p) {
    p.SetColor(color);
    p.SetColorBorder(border);
  };
}
const auto kPickerColors = Read<ui::DateTimePicker>([](ui::DateTimePicker& p) {
  return Colors{p.GetColor(), p.ColorBorder(), p.CalendarTitleBackColor()};
});

std::function<void(ui::Button&)> FlatButton(Color border) {
  return [=](ui::Button& b) {
    b.SetColorBorder(border);
    b.SetColorFocused(kDesignBack);
    b.SetColorHighLight(clRed);
  };
}
const auto kButtonColors = Read<ui::Button>([](ui::Button& b) {
  return Colors{b.GetColor(), b.ColorBorder(), b.ColorFocused(), b.ColorHighLight()};
});

std::function<void(ui::StringGrid&)> ColumnGrid(Color fixed) {
  return [=](ui::StringGrid& g) {
    g.Columns.Add({"f_a"});
    g.Columns.Add({"f_b"});
    g.SetFixedColor(fixed);
  };
}
const auto kColumnGridColors = Read<ui::StringGrid>([](ui::StringGrid& g) {
  return Colors{g.BigCellColor(),      g.GridLineColor(), g.GetColor(),
                g.Columns[0].color,    g.Columns[1].color, g.FixedColor(),
                g.FixedFontColor(),    g.FooterColor()};
});

const auto kTwoColumns = [](ui::DBGrid& g) {
  g.Columns.Add({"f_a"});
  g.Columns.Add({"f_b"});
};
const auto kDBGridColors = Read<ui::DBGrid>([](ui::DBGrid& g) {
  return Colors{g.GetColor(),         g.FixedColor(),          g.Columns[0].color,
                g.Columns[0].titleColor, g.Columns[1].color, g.Columns[1].titleColor};
});

const auto kIndexed = Read<ui::FlatControl>([](ui::FlatControl& c) {
  return Colors{c.GetColor(), c.FlatColors[0], c.FlatColors[1], c.FlatColors[2], c.FlatColors[3]};
});

// Flat controls start with indexed colours clWhite, 160/150/131, clWhite, 160/150/131.
constexpr Color kPackBorder = ui::Rgb(160, 150, 131);

const RuleCase kSchemeCases[] = {
    {"ShapeNamedTavShape", Design<ui::Shape>("TShape", "TavShape1"),
     Read<ui::Shape>([](ui::Shape& s) { return Colors{s.PenColor()}; }),
     [](const Scheme& s) { return Colors{s.L}; }},
    {"OtherShapesKeepTheirPen", Design<ui::Shape>("TShape", "Shape1"),
     Read<ui::Shape>([](ui::Shape& s) { return Colors{s.PenColor()}; }),
     [](const Scheme&) { return Colors{clBlack}; }},
    {"AdvColumnGrid", Design<ui::StringGrid>("TAdvColumnGrid", "g", ColumnGrid(clBtnFace)),
     kColumnGridColors,
     [](const Scheme& s) { return Colors{s.L, s.L, s.B, s.B, s.B, s.B, clBlack, s.M}; }},
    {"AdvColumnGridGreenFixed", Design<ui::StringGrid>("TAdvColumnGrid", "g", ColumnGrid(clGreen)),
     kColumnGridColors,
     [](const Scheme& s) { return Colors{s.L, s.L, s.B, s.B, s.B, s.L, clWindowText, s.M}; }},
    {"AdvStringGrid", Design<ui::StringGrid>("TAdvStringGrid"),
     Read<ui::StringGrid>([](ui::StringGrid& g) {
       return Colors{g.GetColor(), g.TitleColor(), g.LineColor(), g.FixedColor()};
     }),
     [](const Scheme& s) { return Colors{s.B, s.L, s.L, clBtnFace}; }},
    {"AdvDBGridEhByItsOwnRule", Design<ui::DBGrid>("TAdvDBGridEh", "g", kTwoColumns),
     kDBGridColors, [](const Scheme& s) { return Colors{s.B, s.L, s.B, s.L, s.B, s.L}; }},
    {"DBGridEh", Design<ui::DBGrid>("TDBGridEh", "g", kTwoColumns), kDBGridColors,
     [](const Scheme& s) { return Colors{s.B, clBtnFace, s.B, clBtnFace, s.B, clBtnFace}; }},
    {"FlatTabControl", Design<ui::FlatControl>("TFlatTabControl"), kIndexed,
     [](const Scheme& s) { return Colors{s.B, s.L, s.L, clWhite, kPackBorder}; }},
    {"TreeNT", Design<ui::TreeView>("TTreeNT"),
     Read<ui::TreeView>([](ui::TreeView& t) { return Colors{t.GetColor(), t.SelectedColor()}; }),
     [](const Scheme& s) { return Colors{s.B, 16244694}; }},
    {"ListView", Design<ui::Control>("TListView"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"PanelMainTakesTheBack", Design<ui::Panel>("TPanel", "PanelMain", Painted(clBtnFace)),
     kColor, [](const Scheme& s) { return Colors{s.B}; }},
    {"PanelInBtnFaceKeepsIt", Design<ui::Panel>("TPanel", "pnl", Painted(clBtnFace)), kColor,
     [](const Scheme&) { return Colors{clBtnFace}; }},
    {"PanelInDesignBack", Design<ui::Panel>("TPanel", "pnl", Painted(kDesignBack)), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"PanelInGreen", Design<ui::Panel>("TPanel", "pnl", Painted(clGreen)), kColor,
     [](const Scheme& s) { return Colors{s.L}; }},
    {"PanelInInfoBk", Design<ui::Panel>("TPanel", "pnl", Painted(clInfoBk)), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"PanelInOtherColour", Design<ui::Panel>("TPanel", "pnl", Painted(clRed)), kColor,
     [](const Scheme&) { return Colors{15528176}; }},
    {"FlatPanelMain",
     Design<ui::Panel>("TFlatPanel", "panelmain", FlatPanel(clBtnFace, clGreen, clGreen)),
     kPanelColors, [](const Scheme& s) { return Colors{s.B, clGreen, clGreen}; }},
    {"FlatPanelInBtnFace",
     Design<ui::Panel>("TFlatPanel", "pnl", FlatPanel(clBtnFace, clGreen, clGreen)), kPanelColors,
     [](const Scheme&) { return Colors{kFlatFace, clGreen, clGreen}; }},
    {"FlatPanelInDesignBack",
     Design<ui::Panel>("TFlatPanel", "pnl", FlatPanel(kDesignBack, clWhite, clBlack)),
     kPanelColors, [](const Scheme& s) { return Colors{s.B, s.L, s.L}; }},
    {"FlatPanelInGreen",
     Design<ui::Panel>("TFlatPanel", "pnl", FlatPanel(clGreen, clGreen, clBlack)), kPanelColors,
     [](const Scheme& s) { return Colors{s.L, s.L, clBlack}; }},
    {"FlatSpinEditInteger", Design<ui::FlatControl>("TFlatSpinEditInteger"), kIndexed,
     [](const Scheme& s) { return Colors{clBtnFace, clWhite, s.L, s.B, kPackBorder}; }},
    {"MonthCalendar", Design<ui::MonthCalendar>("TMonthCalendar"),
     Read<ui::MonthCalendar>([](ui::MonthCalendar& m) { return Colors{m.TitleBackColor()}; }),
     [](const Scheme& s) { return Colors{s.L}; }},
    {"EditInDesignBack", Design<ui::Edit>("TEdit", "e", Painted(kDesignBack)), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"EditInOtherColour", Design<ui::Edit>("TEdit", "e"), kColor,
     [](const Scheme&) { return Colors{clWindow}; }},
    {"FlatEditAsDesigned",
     Design<ui::Edit>("TFlatEdit", "e", FlatEdit(kDesignBack, kDesignBack, clGreen)), kEditColors,
     [](const Scheme& s) { return Colors{s.B, s.B, s.L}; }},
    {"FlatEditWhiteWithGreenBorder",
     Design<ui::Edit>("TFlatEdit", "e", FlatEdit(clRed, clRed, clGreen)), kEditColors,
     [](const Scheme& s) { return Colors{clWhite, clWhite, s.L}; }},
    {"FlatEditInfoBkBorder", Design<ui::Edit>("TFlatEdit", "e", FlatEdit(clRed, clRed, clInfoBk)),
     kEditColors, [](const Scheme& s) { return Colors{clRed, clWhite, s.B}; }},
    {"FlatEditDesignBackBorder",
     Design<ui::Edit>("TFlatEdit", "e", FlatEdit(clRed, kDesignBack, kDesignBack)), kEditColors,
     [](const Scheme& s) { return Colors{clRed, s.B, s.B}; }},
    {"FlatComboBoxInDesignBack",
     Design<ui::ComboBox>("TFlatComboBox", "cmb",
                          [](ui::ComboBox& c) {
                            c.SetColor(kDesignBack);
                            c.SetColorBorder(clGreen);
                          }),
     Read<ui::ComboBox>([](ui::ComboBox& c) { return Colors{c.GetColor(), c.ColorBorder()}; }),
     [](const Scheme& s) { return Colors{s.B, s.L}; }},
    {"FlatComboBoxInOtherColour",
     Design<ui::ComboBox>("TFlatComboBox", "cmb",
                          [](ui::ComboBox& c) { c.SetColorBorder(clRed); }),
     Read<ui::ComboBox>([](ui::ComboBox& c) { return Colors{c.GetColor(), c.ColorBorder()}; }),
     [](const Scheme&) { return Colors{clWhite, clRed}; }},
    {"ListBox", Design<ui::Control>("TListBox"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"CheckListBox", Design<ui::Control>("TCheckListBox"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"RichEdit", Design<ui::Control>("TRichEdit"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"FlatSplitter", Design<ui::FlatControl>("TFlatSplitter"), kIndexed,
     [](const Scheme& s) { return Colors{s.L, clWhite, s.L, clWhite, kPackBorder}; }},
    {"Splitter", Design<ui::Control>("TSplitter"), kColor,
     [](const Scheme& s) { return Colors{s.L}; }},
    {"LabelInGreen", Design<ui::Label>("TLabel", "lbl", Label(clGreen, clGreen)), kColorAndFont,
     [](const Scheme& s) { return Colors{s.L, s.T}; }},
    {"LabelInBtnFace", Design<ui::Label>("TLabel", "lbl", Label(clBtnFace, clBlack)),
     kColorAndFont, [](const Scheme&) { return Colors{clBtnFace, clBlack}; }},
    {"LabelInFlatFace", Design<ui::Label>("TLabel", "lbl", Label(kFlatFace, clGreen)),
     kColorAndFont, [](const Scheme& s) { return Colors{kFlatFace, s.T}; }},
    {"LabelInDesignBack", Design<ui::Label>("TLabel", "lbl", Label(kDesignBack, clBlack)),
     kColorAndFont, [](const Scheme& s) { return Colors{s.B, clBlack}; }},
    {"TreeView", Design<ui::TreeView>("TTreeView"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"FlatDateTimePickerGreenBorder",
     Design<ui::DateTimePicker>("TFlatDateTimePicker", "dtp", Picker(kDesignBack, clGreen)),
     kPickerColors, [](const Scheme& s) { return Colors{clWhite, s.L, s.L}; }},
    {"FlatDateTimePickerDesignBack",
     Design<ui::DateTimePicker>("TFlatDateTimePicker", "dtp", Picker(kDesignBack, kDesignBack)),
     kPickerColors, [](const Scheme& s) { return Colors{s.B, s.B, s.L}; }},
    {"FlatDateTimePickerOther",
     Design<ui::DateTimePicker>("TFlatDateTimePicker", "dtp", Picker(clRed, clRed)),
     kPickerColors, [](const Scheme& s) { return Colors{clWhite, s.L, s.L}; }},
    {"FlatButtonGreenBorder", Design<ui::Button>("TFlatButton", "btn", FlatButton(clGreen)),
     kButtonColors, [](const Scheme& s) { return Colors{s.B, s.L, clWhite, s.L}; }},
    {"FlatButtonOtherBorder", Design<ui::Button>("TFlatButton", "btn", FlatButton(clBlack)),
     kButtonColors, [](const Scheme& s) { return Colors{s.B, clBlack, kDesignBack, clRed}; }},
    {"ToolBar", Design<ui::Control>("TToolBar", "tbr", Painted(kDesignBack)), kColor,
     [](const Scheme&) { return Colors{clBtnFace}; }},
    {"DBText", Design<ui::Control>("TDBText"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"FlatGroupBox", Design<ui::GroupBox>("TFlatGroupBox"),
     Read<ui::GroupBox>([](ui::GroupBox& g) { return Colors{g.GetColor(), g.ColorBorder()}; }),
     [](const Scheme& s) { return Colors{s.B, s.L}; }},
    {"Memo", Design<ui::Memo>("TMemo"), kColor, [](const Scheme& s) { return Colors{s.B}; }},
    {"FlatMemo", Design<ui::Memo>("TFlatMemo", "mem", FlatEdit(clRed, clRed, clRed)), kEditColors,
     [](const Scheme& s) { return Colors{s.B, s.B, s.L}; }},
    {"FlatGauge", Design<ui::FlatControl>("TFlatGauge"), kIndexed,
     [](const Scheme& s) { return Colors{s.B, s.L, kPackBorder, clWhite, kPackBorder}; }},
    {"SimpListView", Design<ui::Control>("TSimpListView"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"FlatCheckBox", Design<ui::CheckBox>("TFlatCheckBox"),
     Read<ui::CheckBox>([](ui::CheckBox& c) { return Colors{c.GetColor(), c.ColorBorder()}; }),
     [](const Scheme& s) { return Colors{clBtnFace, s.L}; }},
    {"FlatRadioButton", Design<ui::FlatControl>("TFlatRadioButton"), kIndexed,
     [](const Scheme& s) { return Colors{clBtnFace, clWhite, kPackBorder, clWhite, s.L}; }},
    {"FlatListBox", Design<ui::FlatControl>("TFlatListBox"), kIndexed,
     [](const Scheme& s) { return Colors{s.B, clWhite, kPackBorder, s.B, kPackBorder}; }},
    {"ClassWithoutARule", Design<ui::CheckBox>("TCheckBox", "chk", Painted(kDesignBack)),
     kColor, [](const Scheme&) { return Colors{kDesignBack}; }},
};

const RuleCase kFormCases[] = {
    {"EveryShape", Design<ui::Shape>("TShape", "Shape1"),
     Read<ui::Shape>([](ui::Shape& s) { return Colors{s.PenColor()}; }),
     [](const Scheme& s) { return Colors{s.L}; }},
    {"ListView", Design<ui::Control>("TListView"), kColor,
     [](const Scheme& s) { return Colors{s.B}; }},
    {"LabelInGreenTakesTheBack", Design<ui::Label>("TLabel", "lbl", Label(clGreen, clGreen)),
     kColorAndFont, [](const Scheme& s) { return Colors{s.B, s.T}; }},
    {"LabelInBtnFace", Design<ui::Label>("TLabel", "lbl", Label(clBtnFace, clBlack)),
     kColorAndFont, [](const Scheme&) { return Colors{clBtnFace, clBlack}; }},
    {"LabelInFlatFace", Design<ui::Label>("TLabel", "lbl", Label(kFlatFace, clGreen)),
     kColorAndFont, [](const Scheme& s) { return Colors{kFlatFace, s.T}; }},
    {"FlatButtonGreenBorder", Design<ui::Button>("TFlatButton", "btn", FlatButton(clGreen)),
     kButtonColors, [](const Scheme& s) { return Colors{s.B, s.L, clWhite, s.L}; }},
    {"PanelHasNoRuleHere", Design<ui::Panel>("TPanel", "pnl", Painted(kDesignBack)), kColor,
     [](const Scheme&) { return Colors{kDesignBack}; }},
    {"FlatEditHasNoRuleHere",
     Design<ui::Edit>("TFlatEdit", "e", FlatEdit(kDesignBack, kDesignBack, clGreen)), kEditColors,
     [](const Scheme&) { return Colors{kDesignBack, kDesignBack, clGreen}; }},
};

std::string CaseName(const RuleCase& c, bool withIni) {
  return std::string(c.name) + (withIni ? "_Ini" : "_Defaults");
}

class SchemeRuleTest : public ColourTest,
                       public testing::WithParamInterface<std::tuple<RuleCase, bool>> {};

TEST_P(SchemeRuleTest, RecoloursByTheRuleOfTheClassName) {
  const auto& [rule, withIni] = GetParam();
  if (withIni) WriteIni(kIniText);
  const Scheme scheme = withIni ? kFromIni : kDefaults;
  ui::Form* form = NewForm();
  ui::Component* component = rule.make(*form);
  host::ApplyColourScheme(form);
  EXPECT_EQ(form->GetColor(), scheme.B);
  EXPECT_EQ(rule.read(*component), rule.expected(scheme));
}

INSTANTIATE_TEST_SUITE_P(Rules, SchemeRuleTest,
                         testing::Combine(testing::ValuesIn(kSchemeCases), testing::Bool()),
                         [](const auto& info) {
                           return CaseName(std::get<0>(info.param), std::get<1>(info.param));
                         });

class FormRuleTest : public ColourTest, public testing::WithParamInterface<RuleCase> {};

TEST_P(FormRuleTest, RecoloursByTheShortTableWhenTheSchemeIsOn) {
  WriteIni(kIniText);
  ui::Form* form = NewForm();
  ui::Component* component = GetParam().make(*form);
  host::ApplyFormColours(form);
  EXPECT_EQ(form->GetColor(), kFromIni.B);
  EXPECT_EQ(GetParam().read(*component), GetParam().expected(kFromIni));
}

INSTANTIATE_TEST_SUITE_P(Rules, FormRuleTest, testing::ValuesIn(kFormCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColourTest, WithoutTheIniFileTheShortTableLeavesTheFormAsDesigned) {
  ui::Form* form = NewForm();
  auto* label = Design<ui::Label>("TLabel", "lbl", Label(clGreen, clGreen))(*form);
  host::ApplyFormColours(form);
  EXPECT_EQ(form->GetColor(), kDesignBack);
  EXPECT_EQ(kColorAndFont(*label), (Colors{clGreen, clGreen}));
}

TEST_F(ColourTest, SchemeSwitchedOffLeavesTheFormAsDesigned) {
  WriteIni("[ColorOption]\r\ncolorstyle=0\r\nbackcolor=255\r\n");
  ui::Form* form = NewForm();
  auto* panel = Design<ui::Panel>("TPanel", "pnl", Painted(kDesignBack))(*form);
  host::ApplyColourScheme(form);
  host::ApplyFormColours(form);
  EXPECT_EQ(form->GetColor(), kDesignBack);
  EXPECT_EQ(kColor(*panel), Colors{kDesignBack});
  EXPECT_NO_THROW(host::ApplyColourScheme(nullptr));
  EXPECT_NO_THROW(host::ApplyFormColours(nullptr));
}

class BadSchemeValueTest : public ColourTest,
                           public testing::WithParamInterface<std::pair<const char*, const char*>> {
};

TEST_P(BadSchemeValueTest, StopsBeforeAnyColourChangesWithAnErrorNamingTheValue) {
  const auto [key, value] = GetParam();
  // The first of two equal keys counts, so the bad one comes first.
  WriteIni(std::string("[ColorOption]\r\n") + key + "=" + value + "\r\ncolorstyle=1\r\n");
  ui::Form* form = NewForm();
  auto* panel = Design<ui::Panel>("TPanel", "pnl", Painted(kDesignBack))(*form);
  try {
    host::ApplyColourScheme(form);
    ADD_FAILURE() << "no error";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find(std::string(key) + "=\"" + value + "\""),
              std::string::npos)
        << e.what();
  }
  EXPECT_EQ(form->GetColor(), kDesignBack);
  EXPECT_EQ(kColor(*panel), Colors{kDesignBack});
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadSchemeValueTest,
    testing::Values(std::pair{"colorstyle", "yes"}, std::pair{"backcolor", "15528176x"},
                    std::pair{"linecolor", "1.5"}, std::pair{"titlecolor", "$"},
                    std::pair{"menucolor", "99999999999"}),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(ColourTest, OnlyOwnedComponentsAreWalkedInTheirOrderAndAnErrorStopsTheWalk) {
  ui::Form* form = NewForm();
  auto* first = Design<ui::Panel>("TPanel", "pnlFirst", Painted(kDesignBack))(*form);
  // A shape that cannot take a pen colour is passed over without a word.
  Design<ui::Control>("TShape", "TavShapeBroken")(*form);
  auto* second = Design<ui::Panel>("TPanel", "pnlSecond", Painted(kDesignBack))(*form);
  Design<ui::Control>("TFlatButton", "btnBroken")(*form);  // not a button: an error
  auto* third = Design<ui::Panel>("TPanel", "pnlThird", Painted(kDesignBack))(*form);
  auto* foreign = new ui::Panel(first);  // on the form, but owned by the panel
  foreign->SetParent(form);
  foreign->SetColor(kDesignBack);
  try {
    host::ApplyColourScheme(form);
    ADD_FAILURE() << "no error";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("btnBroken"), std::string::npos) << e.what();
  }
  EXPECT_EQ(kColor(*first), Colors{kDefaults.B});
  EXPECT_EQ(kColor(*second), Colors{kDefaults.B});
  EXPECT_EQ(kColor(*third), Colors{kDesignBack});
  EXPECT_EQ(foreign->GetColor(), kDesignBack);
}

TEST_F(ColourTest, ATreeOnTheCorpoFrameIsRecolouredBetweenTwoMessagesAndKeepsItsNodesOpen) {
  ui::Form* form = NewForm("FrmCorpoFrame");
  std::vector<std::pair<std::uintptr_t, std::intptr_t>> messages;
  form->OnMessage = [&](ui::Form&, unsigned message, std::uintptr_t w, std::intptr_t l) {
    if (message == 1030) messages.emplace_back(w, l);
    return true;
  };
  auto* tree = Design<ui::TreeView>("TTreeNT", "tree", [](ui::TreeView& t) {
    t.AddNode({"总部", 0, true});
    t.AddNode({"分部", 1, false});
    t.AddNode({"门店", 1, true});
  })(*form);
  host::ApplyColourScheme(form);
  using Message = std::pair<std::uintptr_t, std::intptr_t>;
  EXPECT_EQ(messages, (std::vector<Message>{{0, 0}, {1, 0}}));
  EXPECT_TRUE(tree->Nodes()[0].expanded);
  EXPECT_FALSE(tree->Nodes()[1].expanded);
  EXPECT_TRUE(tree->Nodes()[2].expanded);
}

TEST(ColourFromText, ReadsWholeNumbersInTheSystemsEncoding) {
  EXPECT_EQ(host::ColourFromText("backcolor", "15528176"), 15528176u);
  EXPECT_EQ(host::ColourFromText("backcolor", "-16777201"), clBtnFace);
  EXPECT_EQ(host::ColourFromText("backcolor", "$FF"), 255u);
  EXPECT_EQ(host::ColourFromText("backcolor", "+0"), 0u);
  for (const char* bad : {"", "-", "+-1", "1e3", " 1", "0x10", "-2147483649"})
    EXPECT_THROW(host::ColourFromText("backcolor", bad), std::invalid_argument) << bad;
}

}  // namespace
