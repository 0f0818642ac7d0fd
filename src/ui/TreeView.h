#pragma once
// ui::TreeView: an outline of nodes ("TTreeView", "TTreeNT"). Nodes are kept in
// display order with their depth; a node's children follow it one level deeper.
#include <string>
#include <vector>

#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

struct TreeNode {
  std::string text;
  int level = 0;
  bool expanded = false;
};

class TreeView : public Control {
 public:
  explicit TreeView(Component* owner, std::string className = "TTreeView")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
  }

  const std::vector<TreeNode>& Nodes() const { return nodes_; }
  void AddNode(TreeNode node) {
    nodes_.push_back(std::move(node));
    Changed(Property::Items);
  }
  void SetExpanded(std::size_t index, bool expanded) {
    if (nodes_.at(index).expanded == expanded) return;
    nodes_[index].expanded = expanded;
    Changed(Property::Items);
  }

  // Colours besides Color: 0 the selected node's background.
  ColorSet Colors{{clHighlight}, [this] { Changed(Property::Style); }};
  Color SelectedColor() const { return Colors[0]; }
  void SetSelectedColor(Color color) { Colors.Set(0, color); }

 private:
  std::vector<TreeNode> nodes_;
};

}  // namespace ui
