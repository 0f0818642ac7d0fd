#include "refhost/generator/DemoNames.h"

#include <vector>

namespace refhost {

namespace {

const std::vector<std::string> kCities = {"上海", "北京", "广州", "杭州", "南京", "苏州", "无锡",
                                          "宁波", "天津", "武汉", "成都", "青岛", "厦门", "福州"};
const std::vector<std::string> kTradeNames = {"联华", "恒丰", "新亚", "金星", "华美", "永昌",
                                              "大华", "百盛", "万通", "天和", "鑫源", "康达",
                                              "宏远", "佳禾", "瑞丰", "嘉利"};
const std::vector<std::string> kTrades = {"食品", "饮料", "日化", "粮油", "酒业", "乳业",
                                          "调味品", "纸业", "家电", "服饰", "商贸", "实业"};
const std::vector<std::string> kCompanyForms = {"有限公司", "有限责任公司", "股份有限公司",
                                                "贸易公司", "商行"};
const std::vector<std::string> kSurnames = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵",
                                            "吴", "周", "徐", "孙", "马", "朱", "胡", "郭"};
const std::vector<std::string> kGivenNames = {"建国", "晓梅", "伟", "芳", "秀英", "敏", "静",
                                              "丽", "强", "磊", "军", "洋", "勇", "艳",
                                              "杰", "娟", "涛", "明", "超", "霞"};
const std::vector<std::string> kBrands = {"康师傅", "统一", "伊利", "蒙牛", "青岛", "雪花",
                                          "海天", "金龙鱼", "立白", "蓝月亮", "心相印", "旺旺",
                                          "娃哈哈", "农夫山泉", "达利园", "双汇"};
const std::vector<std::string> kProducts = {"红烧牛肉面", "纯牛奶", "酸奶", "啤酒", "酱油",
                                            "调和油", "洗衣粉", "洗衣液", "抽纸", "饼干",
                                            "矿泉水", "火腿肠", "薯片", "橙汁", "大米", "食醋"};
const std::vector<std::string> kPacks = {"100g", "250ml", "500ml", "1L", "5L", "330ml*6",
                                         "1kg", "5kg", "200g*10", "箱装"};
const std::vector<std::string> kAreaCodes = {"021", "010", "020", "0571", "025", "0512", "022"};
const std::vector<std::string> kDepartments = {"食品部", "日化部", "生鲜部", "家电部", "百货部",
                                               "服装部", "烟酒部", "粮油部", "冷冻部", "文体部"};

// The picks are joined one by one: the operands of + are evaluated in no fixed order,
// and the same seed must give the same names with every compiler.
std::string Join(Random& random, const std::vector<const std::vector<std::string>*>& lists,
                 const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (i) text += separator;
    text += random.Pick(*lists[i]);
  }
  return text;
}

}  // namespace

std::string SupplierName(Random& random) {
  return Join(random, {&kCities, &kTradeNames, &kTrades, &kCompanyForms}, "");
}

std::string PersonName(Random& random) { return Join(random, {&kSurnames, &kGivenNames}, ""); }

std::string GoodsName(Random& random) {
  return Join(random, {&kBrands, &kProducts, &kPacks}, " ");
}

std::string PhoneNumber(Random& random) {
  std::string phone = random.Pick(kAreaCodes);
  return phone + "-" + std::to_string(random.Between(52000000, 69999999));
}

std::string DepartmentName(int n) {
  return kDepartments[static_cast<std::size_t>(n) % kDepartments.size()];
}

}  // namespace refhost
