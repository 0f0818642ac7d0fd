#include "refhost/HostServiceData.h"

#include "refhost/schema/SchemaBuilder.h"

namespace refhost::test {

void FillHostServiceData(Database& database) {
  CreateSchema(database);
  for (const char* sql : {
           "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('dqny', '200503')",
           "INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('dqrq', '20050315')",
           "INSERT INTO tbZyda (f_Zybm, f_Zymc, f_Hsdwh) VALUES ('0001', '张三', '01')",
           "INSERT INTO tbBmjg (f_Bmlx, f_Bmjg) VALUES (3, '224')",
           "INSERT INTO tbHsdwda (f_Hsdwh, f_Hsdwmc) VALUES ('01', '总部')",
           "INSERT INTO tbHsdwda (f_Hsdwh, f_Hsdwmc) VALUES ('02', '一分店')",
           "INSERT INTO tbCsda (f_Csbm, f_Csmc, f_Dh, f_Lxr) VALUES ('S001', '甲供应商', '0571-1', '李四')",
           "INSERT INTO tbCsda (f_Csbm, f_Csmc, f_Dh, f_Lxr) VALUES ('S002', 'O''Brien', '0571-2', '王五')",
           "INSERT INTO tbZffs (f_Zffsbm, f_Zffsmc) VALUES ('01', '现金')",
           "INSERT INTO tbZffs (f_Zffsbm, f_Zffsmc) VALUES ('02', '转帐')",
           "INSERT INTO tbTdda (f_Tdbm, f_Tdmc, f_Czfs) VALUES ('11', '堆头', '1')",
           "INSERT INTO tbTdda (f_Tdbm, f_Tdmc, f_Czfs) VALUES ('12', '端架', '1')",
           "INSERT INTO tbTdclxmda (f_Tdbm, f_Clxmbm, f_Clxmmc, f_hsdwh, f_sfbz, f_jb, f_mj) "
           "VALUES ('11', '11', '堆头', '01', 0, 0, 0)",
           "INSERT INTO tbTdclxmda (f_Tdbm, f_Clxmbm, f_Clxmmc, f_hsdwh, f_sfbz, f_jb, f_mj) "
           "VALUES ('11', '1101', '堆头费', '01', 500, 1, 1)",
           "INSERT INTO tbTdclxmda (f_Tdbm, f_Clxmbm, f_Clxmmc, f_hsdwh, f_sfbz, f_jb, f_mj) "
           "VALUES ('11', '1102', '地堆费', '01', 200, 1, 1)",
           "INSERT INTO tbTdclxmda (f_Tdbm, f_Clxmbm, f_Clxmmc, f_hsdwh, f_sfbz, f_jb, f_mj) "
           "VALUES ('12', '1201', '端架费', '01', 300, 1, 1)",
           "INSERT INTO tbTdspzb (f_Djh, f_hsdwh, f_Zdrq, f_zdrbm, f_zdrmc, f_rzrq, f_fkrq, f_Gysbm, "
           "f_Tdbm, f_Qsrq, f_Jsrq, f_zffsbm, f_bz, f_zdrhsdwh, f_Zt, f_Fkspdh, f_Fylx, f_fkys, f_lxr, "
           "f_dh, f_fptt, f_sprbm, f_sprmc, f_zzrbm, f_zzrmc, f_zzbz) VALUES ('200503100001', '01', "
           "'20050310', '0001', '张三', '20050312', '20050310', 'S001', '11', '20050301', '20050331', "
           "'01', '', '01', '2', '', '', 1, '', '', '', '', '', '', '', '')",
           "INSERT INTO tbfkjhb (f_Djh, f_Xh, f_Zdrq, f_zdrbm, f_zdrmc, f_Gysbm, f_hsdwh, f_Spje, "
           "f_Hkyf, f_bz, f_Zt, f_spdh) VALUES ('P001', 1, '20050301', '0001', '张三', 'S002', '01', "
           "100, '200503', '', 1, '')",
           "INSERT INTO tbfkjhb (f_Djh, f_Xh, f_Zdrq, f_zdrbm, f_zdrmc, f_Gysbm, f_hsdwh, f_Spje, "
           "f_Hkyf, f_bz, f_Zt, f_spdh) VALUES ('P001', 2, '20050301', '0001', '张三', 'S002', '01', "
           "50, '200503', '', 1, '')",
       })
    database.Execute(sql);
}

host::HostDataService ServiceFor(Database& database, const std::string& today) {
  HostOptions options;
  options.today = today;
  return host::HostDataService(std::make_shared<HostService>(database, options));
}

int CountOf(Database& database, const std::string& countSql) {
  return database.Query(countSql).rows.at(0).at(0).ToInt();
}

}  // namespace refhost::test
