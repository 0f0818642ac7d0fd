#pragma once
// grid::TAdvDBGridEh: the enhanced grid as the forms place it (AutoSorted and
// ShowSumCount are its published settings).
#include "grid/AdvCustomDBGridEh.h"

namespace grid {

class TAdvDBGridEh : public TAdvCustomDBGridEh {
 public:
  explicit TAdvDBGridEh(ui::Component* owner)
      : TAdvCustomDBGridEh(owner, "TAdvDBGridEh") {}
};

}  // namespace grid
