// One binding per kind of control. Kinds the backend does not draw yet (the later
// grids and pickers) get a plain panel, so their children still have a home.
#include "win32/ControlPeers.h"

#include <functional>

#include "data/Dataset.h"
#include "ui/Animate.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DBGrid.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"
#include "win32/AnimateWindow.h"
#include "win32/ButtonWindow.h"
#include "win32/CheckBoxWindow.h"
#include "win32/DropDownWindow.h"
#include "win32/EditWindow.h"
#include "win32/FormPeer.h"
#include "win32/GridWindow.h"
#include "win32/LabelWindow.h"
#include "win32/PanelWindow.h"

namespace win32 {
namespace {

using PeerPtr = std::unique_ptr<WindowPeer>;

// A peer whose control-specific state all changes under Property::Style; `apply`
// brings it into the window.
template <class W>
PeerPtr StylePeer(ui::Control& control, std::unique_ptr<W> window, FontCache& fonts,
                  std::function<void(W&)> apply) {
  W* raw = window.get();
  auto peer = std::make_unique<WindowPeer>(control, std::move(window), fonts);
  peer->onUpdate = [raw, apply = std::move(apply)](ui::Property what) {
    if (what != ui::Property::Style) return false;
    apply(*raw);
    return true;
  };
  return peer;
}

PeerPtr MakeButtonPeer(ui::Button& button, FontCache& fonts) {
  const bool flat = button.ClassName().find("Flat") != std::string::npos ||
                    dynamic_cast<ui::ToolButton*>(&button) != nullptr;
  auto window = std::make_unique<ButtonWindow>(ChildWindowArgs(button), flat);
  window->onClick = [&button] { button.Click(); };
  window->SetDefault(button.Default);
  return std::make_unique<WindowPeer>(button, std::move(window), fonts);
}

PeerPtr MakeSeparatorPeer(ui::Control& separator, FontCache& fonts) {
  WindowArgs args = ChildWindowArgs(separator);
  args.style |= SS_ETCHEDVERT;
  args.text.clear();
  return std::make_unique<WindowPeer>(separator, std::make_unique<LabelWindow>(args), fonts);
}

PeerPtr MakeCheckBoxPeer(ui::CheckBox& box, FontCache& fonts) {
  auto window = std::make_unique<CheckBoxWindow>(ChildWindowArgs(box));
  CheckBoxWindow* raw = window.get();
  window->onClick = [&box] { box.Toggle(); };
  auto peer = std::make_unique<WindowPeer>(box, std::move(window), fonts);
  peer->onUpdate = [&box, raw](ui::Property what) {
    if (what != ui::Property::Checked) return false;
    raw->SetChecked(box.Checked());
    return true;
  };
  return peer;
}

PeerPtr MakeEditPeer(ui::Edit& edit, FontCache& fonts) {
  auto window = std::make_unique<EditWindow>(ChildWindowArgs(edit));
  // The model cuts the text to MaxLength (in ANSI bytes) and writes it back if it had to.
  window->onTextChanged = [&edit](const std::string& text) { edit.SetText(text); };
  return StylePeer<EditWindow>(edit, std::move(window), fonts,
                               [&edit](EditWindow& w) { w.SetReadOnly(edit.ReadOnly); });
}

PeerPtr MakeComboBoxPeer(ui::ComboBox& combo, FontCache& fonts) {
  auto window = std::make_unique<DropDownWindow>(ChildWindowArgs(combo));
  DropDownWindow* raw = window.get();
  window->onSelectionChanged = [&combo](int index) { combo.Choose(index); };
  auto peer = std::make_unique<WindowPeer>(combo, std::move(window), fonts);
  peer->onUpdate = [&combo, raw](ui::Property what) {
    switch (what) {
      case ui::Property::Items:
        raw->SetItems(combo.Items());
        raw->SetSelection(combo.ItemIndex());
        return true;
      case ui::Property::ItemIndex:
        raw->SetSelection(combo.ItemIndex());
        return true;
      case ui::Property::Bounds:
      case ui::Property::Font:
        // The window's height includes the opened list.
        raw->SetBounds(combo.Left(), combo.Top(), combo.Width(),
                       combo.Height() + raw->ListHeight(combo.DropDownCount));
        return what == ui::Property::Bounds;
      default:
        return false;
    }
  };
  return peer;
}

// The grid's window only shows the model: every click, key and scroll goes to the
// model, and every change of the model redraws the window and sets its scroll bars.
PeerPtr MakeGridPeer(ui::DBGrid& grid, FontCache& fonts) {
  auto window = std::make_unique<GridWindow>(ChildWindowArgs(grid), fonts);
  GridWindow* raw = window.get();
  window->onPaint = [&grid](ui::GridCanvas& canvas) { grid.Paint(canvas); };
  window->onMouseDown = [&grid](int x, int y, bool ctrl) { grid.MouseDown(x, y, ctrl); };
  window->onKey = [&grid](ui::GridKey key, bool shift) { return grid.KeyDown(key, shift); };
  window->onVerticalScroll = [&grid](int position) { grid.SetTopRow(position); };
  window->onHorizontalScroll = [&grid](int position) { grid.SetLeftCol(position); };
  window->onEndEdit = [&grid](const std::string& text) { grid.SetCellText(grid.Col(), text); };
  const auto editCurrent = [&grid, raw] {
    const auto span = grid.ColumnSpan(grid.Col());
    if (!span || grid.Row() < grid.TopRow() || !grid.CanEditCell(grid.Col()) ||
        grid.Columns[grid.Col()].checkBox) {
      return;
    }
    const int top = grid.TitleHeight() + (grid.Row() - grid.TopRow()) * grid.RowHeight();
    raw->BeginEdit({span->first, top, span->first + span->second, top + grid.RowHeight()},
                   grid.CellText(grid.Row(), grid.Col()));
  };
  window->onEditKey = editCurrent;
  window->onDoubleClick = [editCurrent](int, int) { editCurrent(); };
  window->onSize = [&grid](int width, int height) { grid.SetViewSize({width, height}); };
  RECT client;
  GetClientRect(raw->Handle(), &client);
  grid.SetViewSize({client.right, client.bottom});
  auto peer = std::make_unique<WindowPeer>(grid, std::move(window), fonts);
  peer->onUpdate = [&grid, raw](ui::Property what) {
    switch (what) {
      case ui::Property::Items:
      case ui::Property::ItemIndex:
      case ui::Property::Style: {
        const data::Dataset* dataset = grid.ActiveDataSet();
        raw->SetVerticalScroll(dataset ? dataset->RecordCount() : 0, grid.FullRowCount(),
                               grid.TopRow());
        raw->SetHorizontalScroll(grid.ScrollingColumnCount(), grid.LeftCol());
        raw->Redraw();
        return true;
      }
      case ui::Property::Bounds:
        raw->Redraw();
        return false;
      default:
        return false;
    }
  };
  return peer;
}

// shell32.dll's clips, by the resource numbers the system gives them.
int CommonAviResource(ui::CommonAvi clip) {
  switch (clip) {
    case ui::CommonAvi::FindFolder: return 150;
    case ui::CommonAvi::FindFile: return 151;
    case ui::CommonAvi::FindComputer: return 152;
    case ui::CommonAvi::CopyFiles: return 160;
    case ui::CommonAvi::None: break;
  }
  return 0;
}

PeerPtr MakeAnimatePeer(ui::Animate& animate, FontCache& fonts) {
  auto window = std::make_unique<AnimateWindow>(ChildWindowArgs(animate));
  AnimateWindow* raw = window.get();
  auto peer = std::make_unique<WindowPeer>(animate, std::move(window), fonts);
  peer->onUpdate = [&animate, raw](ui::Property what) {
    if (what == ui::Property::Caption) return true;
    if (what != ui::Property::Style) return false;
    raw->Open(animate.FileName(), CommonAviResource(animate.GetCommonAvi()));
    raw->Run(animate.Active(), animate.StopFrame());
    return true;
  };
  return peer;
}

PeerPtr MakeLabelPeer(ui::Label& label, FontCache& fonts) {
  return StylePeer<LabelWindow>(
      label, std::make_unique<LabelWindow>(ChildWindowArgs(label)), fonts,
      [&label](LabelWindow& w) {
        w.SetTransparent(label.Transparent);
        w.SetLayout(label.Alignment == ui::TextAlignment::Center  ? LabelWindow::Alignment::Center
                    : label.Alignment == ui::TextAlignment::Right ? LabelWindow::Alignment::Right
                                                                  : LabelWindow::Alignment::Left,
                    label.WordWrap);
      });
}

PeerPtr MakePanelPeer(ui::Control& control, FontCache& fonts) {
  auto window = std::make_unique<PanelWindow>(ChildWindowArgs(control));
  auto* panel = dynamic_cast<ui::Panel*>(&control);
  if (panel == nullptr) return std::make_unique<WindowPeer>(control, std::move(window), fonts);
  return StylePeer<PanelWindow>(control, std::move(window), fonts, [panel](PanelWindow& w) {
    const ui::BevelKind bevel = panel->BevelOuter();
    w.SetBevel(bevel == ui::BevelKind::Raised    ? PanelWindow::Bevel::Raised
               : bevel == ui::BevelKind::Lowered ? PanelWindow::Bevel::Lowered
                                                 : PanelWindow::Bevel::None);
  });
}

PeerPtr MakePeer(ui::Control& control, FontCache& fonts) {
  if (auto* form = dynamic_cast<ui::Form*>(&control)) return std::make_unique<FormPeer>(*form, fonts);
  if (auto* tool = dynamic_cast<ui::ToolButton*>(&control); tool != nullptr && tool->Separator) {
    return MakeSeparatorPeer(control, fonts);
  }
  if (auto* button = dynamic_cast<ui::Button*>(&control)) return MakeButtonPeer(*button, fonts);
  if (auto* box = dynamic_cast<ui::CheckBox*>(&control)) return MakeCheckBoxPeer(*box, fonts);
  if (auto* edit = dynamic_cast<ui::Edit*>(&control)) return MakeEditPeer(*edit, fonts);
  if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) return MakeComboBoxPeer(*combo, fonts);
  if (auto* label = dynamic_cast<ui::Label*>(&control)) return MakeLabelPeer(*label, fonts);
  if (auto* grid = dynamic_cast<ui::DBGrid*>(&control)) return MakeGridPeer(*grid, fonts);
  if (auto* animate = dynamic_cast<ui::Animate*>(&control)) return MakeAnimatePeer(*animate, fonts);
  return MakePanelPeer(control, fonts);
}

}  // namespace

std::unique_ptr<ui::ControlPeer> MakeControlPeer(ui::Control& control, FontCache& fonts) {
  PeerPtr peer = MakePeer(control, fonts);
  peer->UpdateAll();
  return peer;
}

}  // namespace win32
