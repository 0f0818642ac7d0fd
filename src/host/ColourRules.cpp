#include "host/ColourRules.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DBGrid.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/FlatControl.h"
#include "ui/GroupBox.h"
#include "ui/MonthCalendar.h"
#include "ui/Panel.h"
#include "ui/Shape.h"
#include "ui/StringGrid.h"
#include "ui/TreeView.h"

namespace host {
namespace {

using ui::clBtnFace;
using ui::clGreen;
using ui::clInfoBk;
using ui::clWhite;
using ui::Color;
using ui::Component;
using ui::Form;

// The design palette's background, and the scheme's fixed colours.
constexpr Color kDesignBack = 14614267;   // RGB(251,254,222)
constexpr Color kFlatFace = 14084846;     // RGB(238,234,214)
constexpr Color kSchemeFace = 15528176;   // RGB(240,240,236)
constexpr Color kTreeSelected = 16244694; // RGB(214,223,247)
// The message a host frame named "FrmCorpoFrame" takes around the recolouring of its trees.
constexpr unsigned kTreeRecolouring = 1030;

std::string Upper(std::string_view view) {
  std::string text(view);
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// The component as the model class its class name stands for.
template <class T>
T& As(Component& component) {
  if (auto* typed = dynamic_cast<T*>(&component)) return *typed;
  throw std::logic_error("组件 " + component.Name + " 的类 " + component.ClassName() +
                         " 不是所需的控件类型，无法设置颜色");
}

ui::Control& Ctl(Component& c) { return As<ui::Control>(c); }

void SetBack(Component& c, const Palette& p, Form&) { Ctl(c).SetColor(p.back); }

void ShapePen(Component& c, const Palette& p) {
  try {
    As<ui::Shape>(c).SetPenColor(p.line);
  } catch (const std::exception&) {
    // A shape that cannot take the colour keeps its own; the form is still usable.
  }
}

void SchemeShape(Component& c, const Palette& p, Form&) {
  if (Upper(c.Name).rfind("TAVSHAPE", 0) == 0) ShapePen(c, p);
}

void FormShape(Component& c, const Palette& p, Form&) { ShapePen(c, p); }

void AdvColumnGrid(Component& c, const Palette& p, Form&) {
  auto& grid = As<ui::StringGrid>(c);
  grid.SetBigCellColor(p.line);
  grid.SetGridLineColor(p.line);
  grid.SetColor(p.back);
  for (std::size_t i = 0; i < grid.Columns.Count(); ++i) grid.Columns.SetColor(i, p.back);
  if (grid.FixedColor() != clGreen) {
    grid.SetFixedColor(p.back);
    grid.SetFixedFontColor(ui::clBlack);
  } else {
    grid.SetFixedColor(p.line);
  }
  grid.SetFooterColor(p.menu);
}

void AdvStringGrid(Component& c, const Palette& p, Form&) {
  auto& grid = As<ui::StringGrid>(c);
  grid.SetColor(p.back);
  grid.SetTitleColor(p.line);
  grid.SetLineColor(p.line);
}

void AdvDBGridEh(Component& c, const Palette& p, Form&) {
  auto& grid = As<ui::DBGrid>(c);
  grid.SetColor(p.back);
  grid.SetFixedColor(p.line);
  for (std::size_t i = 0; i < grid.Columns.Count(); ++i) {
    grid.Columns.SetColor(i, p.back);
    grid.Columns.SetTitleColor(i, p.line);
  }
}

void DBGridEh(Component& c, const Palette& p, Form&) {
  auto& grid = As<ui::DBGrid>(c);
  grid.SetColor(p.back);
  for (std::size_t i = 0; i < grid.Columns.Count(); ++i) grid.Columns.SetColor(i, p.back);
}

void FlatTabControl(Component& c, const Palette& p, Form&) {
  auto& tabs = As<ui::FlatControl>(c);
  tabs.SetColor(p.back);
  tabs.FlatColors.Set(0, p.line);
  tabs.FlatColors.Set(1, p.line);
}

void TreeNT(Component& c, const Palette& p, Form& form) {
  auto& tree = As<ui::TreeView>(c);
  std::vector<bool> expanded;
  for (const ui::TreeNode& node : tree.Nodes()) expanded.push_back(node.expanded);
  const bool corpoFrame = Upper(form.Name) == "FRMCORPOFRAME";
  if (corpoFrame) form.HandleMessage(kTreeRecolouring, 0, 0);
  tree.SetColor(p.back);
  tree.SetSelectedColor(kTreeSelected);
  if (corpoFrame) form.HandleMessage(kTreeRecolouring, 1, 0);
  for (std::size_t i = 0; i < expanded.size(); ++i) tree.SetExpanded(i, expanded[i]);
}

void PlainPanel(Component& c, const Palette& p, Form&) {
  auto& panel = Ctl(c);
  if (Upper(c.Name) == "PANELMAIN") {
    panel.SetColor(p.back);
    return;
  }
  const Color color = panel.GetColor();
  if (color == clBtnFace) return;
  if (color == clGreen)
    panel.SetColor(p.line);
  else if (color == kDesignBack || color == clInfoBk)
    panel.SetColor(p.back);
  else
    panel.SetColor(kSchemeFace);
}

void FlatPanel(Component& c, const Palette& p, Form&) {
  auto& panel = As<ui::Panel>(c);
  if (Upper(c.Name) == "PANELMAIN") {
    panel.SetColor(p.back);
  } else if (panel.GetColor() == clBtnFace) {
    panel.SetColor(kFlatFace);
  } else if (panel.GetColor() != clGreen) {
    panel.SetColor(p.back);
    panel.SetColorHighLight(p.line);
    panel.SetColorShadow(p.line);
  } else {
    panel.SetColor(p.line);
    if (panel.ColorHighLight() == clGreen) panel.SetColorHighLight(p.line);
    if (panel.ColorShadow() == clGreen) panel.SetColorShadow(p.line);
  }
}

void FlatSpinEdit(Component& c, const Palette& p, Form&) {
  auto& spin = As<ui::FlatControl>(c);
  spin.FlatColors.Set(2, p.back);  // ColorFlat
  spin.FlatColors.Set(1, p.line);  // ColorBorder
}

void MonthCalendar(Component& c, const Palette& p, Form&) {
  As<ui::MonthCalendar>(c).SetTitleBackColor(p.line);
}

void PlainEdit(Component& c, const Palette& p, Form&) {
  if (Ctl(c).GetColor() == kDesignBack) Ctl(c).SetColor(p.back);
}

void FlatEdit(Component& c, const Palette& p, Form&) {
  auto& edit = As<ui::Edit>(c);
  // Every test looks at the colours as designed, not as this rule leaves them.
  const Color flat = edit.ColorFlat(), focused = edit.ColorFocused(), border = edit.ColorBorder();
  if (flat == kDesignBack)
    edit.SetColorFlat(p.back);
  else if (border == clGreen)
    edit.SetColorFlat(clWhite);
  edit.SetColorFocused(focused == kDesignBack ? p.back : clWhite);
  edit.SetColorBorder(border == kDesignBack || border == clInfoBk ? p.back : p.line);
}

void FlatComboBox(Component& c, const Palette& p, Form&) {
  auto& combo = As<ui::ComboBox>(c);
  combo.SetColor(combo.GetColor() == kDesignBack ? p.back : clWhite);
  if (combo.ColorBorder() == clGreen) combo.SetColorBorder(p.line);
}

void SetLine(Component& c, const Palette& p, Form&) { Ctl(c).SetColor(p.line); }

void FlatSplitter(Component& c, const Palette& p, Form&) {
  auto& splitter = As<ui::FlatControl>(c);
  splitter.SetColor(p.line);
  splitter.FlatColors.Set(1, p.line);
}

void LabelFontTitle(ui::Control& label, const Palette& p) {
  if (label.GetFont().color != clGreen) return;
  ui::Font font = label.GetFont();
  font.color = p.title;
  label.SetFont(font);
}

void SchemeLabel(Component& c, const Palette& p, Form&) {
  auto& label = Ctl(c);
  const Color color = label.GetColor();
  if (color == clGreen)
    label.SetColor(p.line);
  else if (color != clBtnFace && color != kFlatFace)
    label.SetColor(p.back);
  LabelFontTitle(label, p);
}

void FormLabel(Component& c, const Palette& p, Form&) {
  auto& label = Ctl(c);
  if (label.GetColor() != clBtnFace && label.GetColor() != kFlatFace) label.SetColor(p.back);
  LabelFontTitle(label, p);
}

void FlatDateTimePicker(Component& c, const Palette& p, Form&) {
  auto& picker = As<ui::DateTimePicker>(c);
  const Color border = picker.ColorBorder();
  if (border == clGreen)
    picker.SetColor(clWhite);
  else
    picker.SetColor(picker.GetColor() == kDesignBack ? p.back : clWhite);
  picker.SetColorBorder(border == kDesignBack ? p.back : p.line);
  picker.SetCalendarTitleBackColor(p.line);
}

void FlatButton(Component& c, const Palette& p, Form&) {
  auto& button = As<ui::Button>(c);
  button.SetColor(p.back);
  if (button.ColorBorder() != clGreen) return;
  button.SetColorBorder(p.line);
  button.SetColorFocused(clWhite);
  button.SetColorHighLight(p.line);
}

void ToolBar(Component& c, const Palette&, Form&) { Ctl(c).SetColor(clBtnFace); }

void FlatGroupBox(Component& c, const Palette& p, Form&) {
  auto& box = As<ui::GroupBox>(c);
  box.SetColor(p.back);
  box.SetColorBorder(p.line);
}

void FlatMemo(Component& c, const Palette& p, Form&) {
  auto& memo = As<ui::Edit>(c);
  memo.SetColorFlat(p.back);
  memo.SetColorFocused(p.back);
  memo.SetColorBorder(p.line);
}

void FlatGauge(Component& c, const Palette& p, Form&) {
  auto& gauge = As<ui::FlatControl>(c);
  gauge.SetColor(p.back);
  gauge.FlatColors.Set(0, p.line);
}

void FlatCheckBox(Component& c, const Palette& p, Form&) {
  As<ui::CheckBox>(c).SetColorBorder(p.line);
}

void FlatRadioButton(Component& c, const Palette& p, Form&) {
  As<ui::FlatControl>(c).FlatColors.Set(3, p.line);  // ColorBorder
}

void FlatListBox(Component& c, const Palette& p, Form&) {
  auto& list = As<ui::FlatControl>(c);
  list.SetColor(p.back);
  list.FlatColors.Set(2, p.back);
}

constexpr ColourRule kSchemeRules[] = {
    {"TSHAPE", SchemeShape},
    {"TADVCOLUMNGRID", AdvColumnGrid},
    {"TADVSTRINGGRID", AdvStringGrid},
    {"TADVDBGRIDEH", AdvDBGridEh},
    {"TDBGRIDEH", DBGridEh},
    {"TFLATTABCONTROL", FlatTabControl},
    {"TTREENT", TreeNT},
    {"TLISTVIEW", SetBack},
    {"TPANEL", PlainPanel},
    {"TFLATPANEL", FlatPanel},
    {"TFLATSPINEDITINTEGER", FlatSpinEdit},
    {"TMONTHCALENDAR", MonthCalendar},
    {"TEDIT", PlainEdit},
    {"TFLATEDIT", FlatEdit},
    {"TFLATCOMBOBOX", FlatComboBox},
    {"TLISTBOX", SetBack},
    {"TCHECKLISTBOX", SetBack},
    {"TRICHEDIT", SetBack},
    {"TFLATSPLITTER", FlatSplitter},
    {"TSPLITTER", SetLine},
    {"TLABEL", SchemeLabel},
    {"TTREEVIEW", SetBack},
    {"TFLATDATETIMEPICKER", FlatDateTimePicker},
    {"TFLATBUTTON", FlatButton},
    {"TTOOLBAR", ToolBar},
    {"TDBTEXT", SetBack},
    {"TFLATGROUPBOX", FlatGroupBox},
    {"TMEMO", SetBack},
    {"TFLATMEMO", FlatMemo},
    {"TFLATGAUGE", FlatGauge},
    {"TSIMPLISTVIEW", SetBack},
    {"TFLATCHECKBOX", FlatCheckBox},
    {"TFLATRADIOBUTTON", FlatRadioButton},
    {"TFLATLISTBOX", FlatListBox},
};

constexpr ColourRule kFormRules[] = {
    {"TSHAPE", FormShape},
    {"TLISTVIEW", SetBack},
    {"TLABEL", FormLabel},
    {"TFLATBUTTON", FlatButton},
};

}  // namespace

std::span<const ColourRule> SchemeRules() { return kSchemeRules; }
std::span<const ColourRule> FormRules() { return kFormRules; }

const ColourRule* FindColourRule(std::span<const ColourRule> rules, std::string_view className) {
  const std::string upper = Upper(className);
  for (const ColourRule& rule : rules)
    if (rule.className == upper) return &rule;
  return nullptr;
}

}  // namespace host
