#pragma once
// Names, telephone numbers and remarks for the demo data of a retail chain.
#include <string>

#include "refhost/generator/Random.h"

namespace refhost {

// A supplier's company name, e.g. "上海联华食品有限公司".
std::string SupplierName(Random& random);
// A person's name, e.g. "王建国".
std::string PersonName(Random& random);
// A goods name with brand and pack size, e.g. "康师傅 红烧牛肉面 100g".
std::string GoodsName(Random& random);
// A telephone number with area code, e.g. "021-63521478".
std::string PhoneNumber(Random& random);
// The name of the n-th department of a store (n from 0, repeating after ten).
std::string DepartmentName(int n);

}  // namespace refhost
