#include "refhost/ScreenStatements.h"

namespace refhost::test {

namespace {

// The template repeated for each month, oldest first, joined with " Union All ".
std::string MonthUnion(const std::string& templateSql, const std::vector<std::string>& months) {
  std::string sql;
  for (const std::string& month : months) {
    if (!sql.empty()) sql += " Union All ";
    std::string copy = templateSql;
    for (std::size_t at = copy.find("tb000000"); at != std::string::npos; at = copy.find("tb000000"))
      copy.replace(at, 8, "tb" + month);
    sql += copy;
  }
  return sql;
}

std::string CandidateTail(const std::string& unit, const std::string& logCondition,
                          const std::string& period) {
  return "Left Join tbTdda Td On Dj.f_Tdbm  = Td.f_Tdbm " +
         std::string("Left Join tbCsda Cs On Dj.f_Gysbm = Cs.f_Csbm ") + "Where Not Exists ( " +
         " Select 1 From tbTdautoLog " + " Where (f_hsdwh='" + unit + logCondition + period + "')";
}

// The rebate points and rebate quotas parts differ only in their source, inner select,
// grouping and the text after the derived table.
std::string RebatePart(const std::string& pay, const std::string& source, const std::string& select,
                       const std::string& grouping, const std::string& derived,
                       const std::string& tail) {
  return " Select DJ.f_Djlx,DJ.f_Tdbm,TD.f_Tdmc,DJ.f_Gysbm,Cs.f_Csmc f_Gysmc,Cs.f_Dh,Cs.f_Lxr," +
         std::string(" '") + pay + "' f_Zffs,f_Bz,f_ssje " + "From ( " + select + "From " +
         " ( " + source + " ) A," + " ( Select Distinct f_Lxbm,f_Tdbm,f_bz " +
         "  From tbTdxmdz  where f_sfsc='1') B " + grouping + derived + tail;
}

std::string CandidateSearch(const std::string& unit, const std::string& month, const std::string& pay,
                            const std::string& htlx) {
  const std::vector<std::string> months{month};
  const std::string priceSource = MonthUnion(
      "Select Distinct '0' f_Djlx,f_Gysbm,coalesce((select Sum(f_Tqje+f_Tqsj-f_Thje-f_Thsj) from "
      "tb000000_Tjjcb c where z.f_bmbm=c.f_bmbm and z.f_djh=c.f_djh),0) f_ssje   From tb000000_Tjjzb z ",
      months);
  const std::string prices =
      "Select DJ.f_Djlx,DJ.f_Tdbm,TD.f_Tdmc,DJ.f_Gysbm,Cs.f_Csmc f_Gysmc,Cs.f_Dh,Cs.f_Lxr,'" + pay +
      "' f_Zffs," + "' ' f_Bz,f_ssje From ( " + "Select Distinct A.f_Djlx,A.f_Gysbm,B.f_Tdbm,a.f_ssje " +
      "From ( " + priceSource + " ) A," + "( Select Distinct Left(f_Lxbm,1) f_Djlx,f_Tdbm " +
      "  From tbTdxmdz ) B " + "  Where A.f_Djlx = B.f_Djlx " + ") Dj " +
      CandidateTail(unit, "') and f_Gysbm = DJ.f_Gysbm and f_Fylx = '0' ",
                    " And Left(f_Qsrq,6) = '" + month);
  const std::string caseText =
      "case  f_fdlx when '1' then '101' when '2' then '102' when '3' then '103'  when '4' then "
      "'104' when '5' then '105' else '106' end ";
  const std::string pointSource = MonthUnion(
      " Select Distinct " + caseText + "f_Djlx," + caseText +
          "f_Lxbm,f_Gysbm,sum(f_Fdje) f_Ssje  From tb000000_Gysfl where f_bmbm in (select f_bmbm "
          "from tbbmda where f_hsdwh='" +
          unit + "') " + "group by f_fdlx,f_Gysbm",
      months);
  const std::string points = RebatePart(
      pay, pointSource, "Select Distinct A.f_Djlx,A.f_Gysbm,B.f_Tdbm,B.f_bz,sum(f_ssje) f_ssje ",
      "  Where A.f_Lxbm = B.f_Lxbm group by A.f_Djlx,A.f_Gysbm,B.f_Tdbm,B.f_bz", ") Dj ",
      CandidateTail(unit, "') and f_Gysbm = DJ.f_Gysbm and (f_Fylx = '1' or f_Fylx=dj.f_djlx)",
                    " And Left(f_Qsrq,6) = '" + month));
  std::string quotaSource;
  for (int n = 1; n <= 6; ++n) {
    const std::string digit = std::to_string(n);
    if (n > 1) quotaSource += " union all ";
    quotaSource += " Select Distinct '20" + digit + "' f_Djlx,'10" + digit + "' f_Lxbm,f_Gysbm" +
                   ",sum(f_fdde" + digit + ") f_ssje " + "From tbGysht_zb where f_htlx='" + htlx +
                   "' and f_htzt='1' and f_fdde" + digit + "<> 0 " + "group by f_gysbm ";
  }
  const std::string quotas = RebatePart(
      pay, quotaSource, "Select Distinct A.f_Djlx,A.f_Gysbm,B.f_Tdbm,sum(f_ssje) f_ssje,b.f_bz ",
      "  Where A.f_Lxbm = B.f_Lxbm group by A.f_Djlx,A.f_Gysbm,B.f_Tdbm,b.f_bz", ") Dj  ",
      CandidateTail(unit, "') and f_Gysbm = DJ.f_Gysbm and (f_Fylx = '2' or f_Fylx=dj.f_djlx) ",
                    " And Left(f_Qsrq,4) = '" + month.substr(0, 4)));
  return prices + " union all " + points + " union all " + quotas;
}

std::string PriceAdjustmentItems(const std::string& unit, const std::string& supplier,
                                 const std::string& channel, const std::string& month) {
  const std::string source = MonthUnion(
      "Select Case When zb.f_Tjjlx = '0' then '002' When zb.f_Tjjlx = '1' then '003' When "
      "zb.f_Tjjlx = '2' then '001' End f_Lxbm,CB.* From tb000000_tjjzb zb,tb000000_tjjcb cb Where "
      "zb.f_Gysbm = '" +
          supplier + "' " + "And zb.f_Bmbm = cb.f_Bmbm " + "And zb.f_Djh  = cb.f_Djh " + "And ( " +
          "(zb.f_Tjjlx = '0' And zb.f_Bmbm In (select f_bmbm from tbbmda where f_hsdwh='" + unit +
          "' ) ) or " +
          "(zb.f_Tjjlx = '1' And zb.f_Bmbm <> '0000' And zb.f_Bmbm Not In (select f_bmbm from "
          "tbbmda where f_hsdwh='" +
          unit + "' ) ) or " + "(zb.f_Tjjlx = '2' ) " + ") ",
      {month});
  return "Select DJ.f_Lxbm f_Xmlx,XM.f_Xmbm,XM.f_Xmmc,DJ.f_Ssje,'退补自动生成' f_Qtbz From ( Select "
         "f_Lxbm,Sum(f_Tqje+f_Tqsj-f_Thje-f_Thsj) f_Ssje From ( " +
         source + " ) A Group By f_Lxbm ) DJ," + "( " +
         "Select A.f_Lxbm,A.f_Xmbm,B.f_Clxmmc f_Xmmc " + "From tbTdxmdz A,tbTdclxmda B " +
         "Where A.f_Tdbm = B.f_Tdbm " + "And A.f_Xmbm = B.f_Clxmbm " + "And A.f_Tdbm = '" +
         channel + "') XM " + "Where DJ.f_Lxbm = Xm.f_Lxbm ";
}

std::string PaymentForms(const std::string& concat, const std::string& start, const std::string& end,
                         const std::string& currentMonth, const std::vector<std::string>& months) {
  return "Select f_select,f_Djh,f_Zdrq,f_rzrq,f_fkrq,f_Gysbm,f_Gysmc,f_hsdwh,f_Spje,f_Zffsbm,"
         "f_Zffsmc,f_spzffsbm,f_spzffsmc,f_yfye,f_Hkyf,f_Fkyybm,f_Fkyymc,f_bz,f_xmmc,f_xmbm,f_hsdwh,"
         "f_hsdwmc,f_spzdrhsdwh,f_spzdrhsdwmc  From ( Select f_select,A.f_Djh,A.f_Zdrq,f_rzrq,f_fkrq,"
         "A.f_Gysbm,B.f_Csmc f_Gysmc,A.f_hsdwh,hsdw.f_hsdwmc ,A.f_Ssje f_Spje,A.f_Zffsbm,C.f_Zffsmc,"
         "a.f_spzffsbm,zf.f_zffsmc f_spzffsmc,  coalesce((select f_qcye+f_yfje-f_fkje from tb" +
         currentMonth + "_Jsyfzk where f_gysbm=A.f_gysbm and f_hsdwh=a.f_hsdwh),0) f_yfye," +
         "A.f_Qsrq " + concat + "'-'" + concat +
         " A.f_Jsrq f_Hkyf,a.f_tdbm f_Fkyybm,D.f_yymc f_Fkyymc,f_bz,f_xmbm," +
         "f_clxmmc f_xmmc,f_spzdrhsdwh,f_spzdrhsdwmc " + "From ( " +
         "Select cast(0 as int) f_select, ZB.f_Djh,ZB.f_Zdrq,f_fkrq,f_rzrq,ZB.f_Gysbm,ZB.f_Tdbm,"
         "zb.f_hsdwh,ZB.f_Qsrq,ZB.f_Jsrq,f_spzffsbm," +
         "'" + "01" +
         "' f_Zffsbm,zb.f_Ssje-coalesce(sf.f_skje,0) f_Ssje,f_bz,f_xmbm,f_spzdrhsdwh,f_spzdrhsdwmc "
         "from (" +
         "  select ZB.f_Djh,ZB.f_Zdrq,f_fkrq,f_rzrq,ZB.f_Gysbm,ZB.f_Tdbm,zb.f_hsdwh,ZB.f_Qsrq,"
         "ZB.f_Jsrq,f_zffsbm " +
         "  f_spzffsbm,f_bz,min(f_xmbm) f_xmbm,sum(cb.f_ssje) f_ssje,zb.f_zdrhsdwh f_spzdrhsdwh,"
         "sphs.f_hsdwmc f_spzdrhsdwmc " +
         "  From tbTdspcb CB , tbTdspzb ZB left join tbhsdwda sphs on zb.f_zdrhsdwh=sphs.f_hsdwh " +
         "  Where ZB.f_hsdwh = CB.f_hsdwh and ZB.f_Djh = CB.f_Djh And ZB.f_rzrq Between '" + start +
         "' And '" + end + "' " + "  and ZB.f_Zt = '2' And ZB.f_Fkspdh = '' " +
         "  Group By zb.f_zdrhsdwh,sphs.f_hsdwmc,ZB.f_Djh,ZB.f_Zdrq,zb.f_rzrq,ZB.f_Gysbm,ZB.f_Tdbm,"
         "ZB.f_Qsrq,ZB.f_Jsrq,f_fkrq,zb.f_zffsbm,zb.f_bz,zb.f_hsdwh) zb " +
         "left join (select f_hsdwh,f_sph,sum(f_skje) f_skje from (" +
         MonthUnion("select f_hsdwh,f_sph,f_skje from tb000000_tdsfb ", months) + ") a " +
         "group by f_hsdwh,f_sph) sf on Zb.f_hsdwh=sf.f_hsdwh and Zb.f_djh=sf.f_sph " +
         "where Abs(zB.f_Ssje-coalesce(sf.f_skje,0)) > 0.005 " +
         ") A Left Join tbCsda B On A.f_Gysbm = B.f_Csbm " +
         "left join tbhsdwda hsdw on hsdw.f_hsdwh=A.f_hsdwh " +
         "Left Join tbZffs C On A.f_Zffsbm = C.f_Zffsbm " +
         "Left Join tbZffs zf On A.f_spZffsbm = zf.f_Zffsbm " +
         "Left Join tbtdclxmda xm On A.f_xmbm = xm.f_clxmbm and a.f_hsdwh=xm.f_hsdwh " +
         "Left Join tbyyda d On A.f_tdbm = d.f_yybm and left(f_yybm,1)='1'" + ") AllDetail " +
         " Order By f_Djh,f_Zdrq,f_rzrq ";
}

std::string PaymentPlans(const std::string& start, const std::string& end,
                         const std::string& currentMonth) {
  return "Select f_select,f_Djh,f_Zdrq,f_Gysbm,f_Gysmc,f_spje,f_Zffsbm,f_Zffsmc,f_Hkyf,f_Fkyybm,"
         "f_Fkyymc,f_bz,f_yfye,f_hsdwh ,f_hsdwmc  from (" +
         std::string("Select cast(0 as int) f_select,f_Djh,f_Zdrq,zb.f_Gysbm,f_csmc f_Gysmc,"
                     "zb.f_hsdwh,hsdw.f_hsdwmc, sum(f_Spje) f_spje,js.f_zffsbm f_Zffsbm, "
                     "coalesce((select f_qcye+f_yfje-f_fkje from tb") +
         currentMonth + "_Jsyfzk " + " where f_gysbm=zb.f_gysbm and f_hsdwh=zb.f_hsdwh),0) f_yfye," +
         " f_Zffsmc,f_Hkyf,'1001' f_Fkyybm,'货款' f_Fkyymc,f_bz " +
         " From tbfkjhb zb left join tbgysjsxx js on zb.f_gysbm=js.f_gysbm " +
         " left join tbHsdwda hsdw  on zb.f_hsdwh=hsdw.f_hsdwh " +
         " left join tbzffs b on b.f_zffsbm=js.f_zffsbm,tbcsda" +
         " where zb.f_gysbm=f_csbm and ZB.f_Zt = 1 And ZB.f_spdh = ''" + " And ZB.f_Zdrq Between '" +
         start + "' And '" + end + "'  " +
         " Group By ZB.f_Djh,ZB.f_Zdrq,ZB.f_Gysbm,f_csmc,js.f_zffsbm,f_Zffsmc,f_bz,f_Hkyf,zb.f_hsdwh,"
         "hsdw.f_hsdwmc Having Abs(Sum(f_Spje)) > 0.005" +
         ") a";
}

std::string PaymentHistory(const std::string& unit) {
  return "SELECT * FROM ( SELECT F_DJH F_FYSPD,' ' f_fkjhd,zb.f_hsdwh,hsdw.f_hsdwmc, F_FKSPDH "
         "F_FKSPD,LEFT(F_FKSPDH,8) F_SCRQ,zb.f_gysbm,f_csmc f_gysmc,f_zdrq,f_zdrbm,f_zdrmc FROM "
         "TBTDSPZB zb ,tbcsda csda,tbHsdwda hsdw WHERE zb.f_gysbm=csda.f_csbm and "
         "hsdw.f_hsdwh=zb.f_hsdwh and F_FKSPDH <> '' and zb.f_hsdwh='" +
         unit + "' " + "union " +
         "SELECT ' ' F_FYSPD,f_djh f_fkjhd,'' f_hsdwh,'' f_hsdwmc, F_SPDH F_FKSPD,LEFT(F_SPDH,8) "
         "F_SCRQ," +
         "f_gysbm,f_csmc f_gysmc,f_zdrq,f_zdrbm,f_zdrmc " +
         "FROM TBfkjhB,tbcsda WHERE f_gysbm=f_csbm and F_SPDH <> ''" + ") A ";
}

}  // namespace

std::vector<ScreenStatement> ScreenStatements(const std::string& concatenation) {
  const std::vector<std::string> months{"200501", "200502", "200503"};
  return {
      {"accounting_units",
       " Select * From tbHsdwda Where f_Hsdwh In (  Select f_Hsdwh From tbZbhsdwdz  Where f_Zbbm "
       "= '01' "
       "   And f_Jsbz = '1' ) and f_hsdwh in (select f_hsdwh from tbzyfghsdw where f_zybm='0003')"
       " order by f_hsdwh",
       true},
      {"contract_type", "select f_Xmbm from tbTdxmdz where f_lxbm='htlx'", true},
      {"channels",
       "Select f_tdbm,f_tdmc,f_Czfs from tbTdda where (f_Tdbm Like '1%' or f_Tdmc like '1%')  "
       "order by f_tdbm",
       true},
      {"display_item_level", "Select min(f_jb) as m_jb from tbtdclxmda where f_clxmbm like '16%'",
       true},
      {"display_items",
       " select f_clxmbm,f_clxmmc,f_sfbz,f_mj from tbtdclxmda xm,tbtdda td where "
       "xm.f_tdbm=td.f_tdbm and xm.f_jb=2 and f_clxmbm like '1601%' order by f_clxmbm",
       true},
      {"candidate_search", CandidateSearch("0002", "200502", "01 现金", "0"), true},
      {"price_adjustment_items", PriceAdjustmentItems("0002", "01010001", "15", "200502"), false},
      {"generation_history_check",
       "Select Coalesce(Max(f_Qsrq),'0') f_Qsrq,       Coalesce(Max(f_Jsrq),'0') f_jsrq From "
       "tbTdautoLog Where (f_hsdwh='0002') and f_Gysbm = '01010001' and f_Fylx = '0' ",
       true},
      {"item_mapping_rebates",
       " Select A.*,TD.f_Tdmc,XM.f_clxmmc      From tbTdxmdz A,tbTdda TD,tbTdclxmda XM  Where "
       "A.f_Zt = '0' and left(A.f_Lxbm,1) ='1'    and A.f_Tdbm = TD.f_Tdbm and A.f_Xmbm = "
       "XM.f_clxmbm  order by A.f_Lxbm ",
       true},
      {"generation_history",
       " Select  f_Fylx,A.f_Zdrq,A.f_Gysbm,A.f_Qsrq,A.f_Jsrq,A.f_Zdrbm,A.f_Zdrmc,A.f_Sph, "
       "B.f_Csmc f_Gysmc  From tbTdautoLog A,tbCsda B  Where A.f_Gysbm = B.f_Csbm  order By f_Sph ",
       true},
      {"payment_forms", PaymentForms(concatenation, "20050101", "20050315", "200503", months), true},
      {"payment_plans", PaymentPlans("20050101", "20050315", "200503"), true},
      {"payment_history", PaymentHistory("0002"), true},
  };
}

}  // namespace refhost::test
