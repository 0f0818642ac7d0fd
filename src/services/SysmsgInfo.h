#pragma once
// TsysmsgInfo: the system values a screen loads once when it opens (TZidudClass::
// GetSysmsgInfo), and TSysmsgSet, the request naming which of them to load.
//
// The fields stand in their fixed order, with the parameter key that fills each one in
// the comment. The record only ever lives inside the library, so its fields keep their
// natural alignment: packing would misalign the text members for no reader's benefit.
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace services {

// A request: element numbers 0 to 127.
using TSysmsgSet = std::bitset<128>;

// The request made of these elements.
inline TSysmsgSet SysmsgSet(std::initializer_list<int> elements) {
  TSysmsgSet set;
  for (int element : elements) set.set(static_cast<std::size_t>(element));
  return set;
}

struct TsysmsgInfo {
  std::string qyny;      // start year-month
  std::string dqny;      // current year-month, from the host
  std::string sjklx;     // database dialect
  std::string dqsj;      // current date and time, from the host
  std::string dqrq;      // current date "YYYYMMDD", from the host
  std::string zybm;      // operator code: the caller fills it before the load
  std::string zymc;      // operator name
  std::string dwmc;      // unit name
  std::string sh;        // tax number
  std::string dz;        // unit address
  std::string lxdh;      // contact telephone
  std::string khh;       // bank
  std::string zh;        // account number
  std::string dwlx;      // unit type
  std::string dybm;      // chain code and front-desk sales counter group code
  std::string hykls;     // membership-card chain
  std::string sljdgs;    // quantity display format from `sljd`, e.g. "0.000"
  bool lskz = false;
  bool jjkz = false;
  bool cskz = false;
  bool bl1 = false;      // filled by no element
  bool zrrkz = false;
  std::int32_t dddyhs = 0;
  std::int32_t sphsfs = 0;
  std::int32_t jjcbhsff = 0;
  std::int32_t sjcbhsff = 0;
  std::int32_t cbjzfs = 0;
  std::int32_t jsxtfs = 0;
  std::string rqssj;
  std::int32_t fgckjb = 0;
  std::int32_t brddyhs = 0;
  std::string brdhscfs;
  std::int32_t bcddyhs = 0;
  std::string bcdhscfs;
  std::int32_t dbddyhs = 0;
  std::string dbdhscfs;
  std::int32_t jgddyhs = 0;
  std::string jgdhscfs;
  std::int32_t sgddyhs = 0;
  std::string sgdhscfs;
  std::int32_t tbddyhs = 0;
  std::string tbdhscfs;
  std::int32_t ykddyhs = 0;
  std::string ykdhscfs;
  std::int32_t syddyhs = 0;
  std::string sydhscfs;
  std::int32_t ysddyhs = 0;
  std::string ysdhscfs;
  std::int32_t pdbdyhs = 0;
  std::string pdbhscfs;
  std::string psdahsfg;
  std::string ysdahsfg;
  std::string xsdahsfg;
  std::int32_t thddyhs = 0;
  std::int32_t tjddyhs = 0;
  std::int32_t ptfpdyhs = 0;
  std::int32_t spfzflx = 0;
  bool kpyxcfsp = false;
  std::string djfgfs;
  std::int32_t psxzsl = 0;
  std::int32_t xsxzsl = 0;
  std::int32_t jhxzsl = 0;
  std::string thcpbxxdythqd;
  std::string zjdyfs;
  std::string ddysfs;
  std::string hsdwh;
  std::string dpckbm;
  std::string dpjfs;
  std::string pslssj;
  std::string thjjclfs;
  std::string sjkbbh;
  bool psysjscdjd = false;
  std::string ysjscdjdbm;
  std::int32_t ddyszzfs = 0;
  std::int32_t ddyxrqqy = 0;
  std::int32_t ysfs = 0;
  std::string dddysjj;
  std::string cpzkspyzbkz;
  std::string jzscltjbc;
  std::string jzsclyxjjsxzpzdp;
  std::string ysqr;
  std::string khzqqy;
  std::string zkhwlqy;
  std::string str1;      // filled by no element
  std::int32_t hykxc = 0;
  std::int32_t xsfkz = 0;
  std::string kckz;
  std::string hyklwms;
  std::string yckqzj;
  bool mdzdyjj = false;
  bool mdzdysj = false;
  bool dchy = false;
  std::string xstbqyrq;
  bool ddbrkz = false;
  std::string ypphqy;
  std::string zmqy;
  std::string djphmrz;
  std::string ypphchsclfs;
  std::string ypthphkz;
  std::string sxcycbft;
  std::string sxqmpkc;
  double xpdjmrsl = 0;
  std::string zbbm;      // head-office group code of the accounting units
  bool dztqy = false;
  bool ddzxqy = false;
  std::int32_t psfpbdyhs = 0;
  bool jjbkzzxzbjj = false;
  bool fmlspyjzdsy = false;
  std::int32_t sxpdsyflfs = 0;
  std::int32_t sxpdsyfzfl = 0;
  std::string ddzxyslxsl;
  bool ddsczb = false;
  bool pdyxcfsp = false;
  bool ysxzpssp = false;
  bool jekzsptj = false;
  bool mdqyrjxstb = false;
  bool jzsjzdtj = false;
  std::string tyspddcsf;
  std::int32_t jhddyhs = 0;
  std::string ycspl;
  std::string hykcszt;
  std::string ddzxsqdtqhb;
  std::string typdrfbmjz;
  std::string str2;      // filled by no element
  std::int32_t hykkhxe = 0;
  std::string dcjdbzrck;
  std::int32_t Psdjzycts = 0;
  bool bbcszbsz = false;
  std::string djbzkz;
  bool zysqzlyx = false;
};

}  // namespace services
