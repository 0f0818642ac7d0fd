#pragma once
// OwnedForm: a form that is freed when it goes out of scope, for a dialog that is
// built, shown once and freed, also when showing it fails.
#include <memory>

#include "ui/Form.h"

namespace grid {

struct FormFreer {
  void operator()(ui::Form* form) const { form->Free(); }
};

template <class T>
using OwnedForm = std::unique_ptr<T, FormFreer>;

}  // namespace grid
