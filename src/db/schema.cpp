#include "db/schema.h"
#include "db/connection.h"
#include "db/dberror.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace schema {

// Text compares without regard to case, as the statements expect; dates are ISO text so that
// >= and <= order them; iid is the insertion order every list is shown in.
QString tablesSql()
{
    return QStringLiteral(R"SQL(
create table zf_fjb (
  iid integer primary key autoincrement,
  fjbh text collate nocase, fjmc text collate nocase, fjlx text collate nocase, fjmj real,
  fjzxqk text collate nocase, fjsb text collate nocase, fjyt text collate nocase,
  bjts integer, rzjg real, yzjg real, dbds real, sbds real,
  czlx text collate nocase, fjzt text collate nocase, fjydzt text collate nocase default '空闲',
  bzsm text collate nocase, ksrq text, dqrq text, yjrq text,
  yfsl integer, zqts integer, rs integer, fkiid integer, fkxm text collate nocase,
  sffj text collate nocase);
create index zf_fjb_fjbh on zf_fjb(fjbh);
create index zf_fjb_fjmc on zf_fjb(fjmc);
create index zf_fjb_yjrq on zf_fjb(yjrq);
create index zf_fjb_dqrq on zf_fjb(dqrq);

create table zf_fkxxb (
  iid integer primary key autoincrement,
  fkxm text collate nocase, mz text collate nocase, zjlx text collate nocase,
  zjhm text collate nocase, xb text collate nocase, fkhj text collate nocase,
  dhhm text collate nocase, sjhm text collate nocase, zy text collate nocase,
  zzdw text collate nocase, bzsm text collate nocase, djrq text,
  pyzjh text collate nocase, sfrz text collate nocase, picpath text collate nocase);
create index zf_fkxxb_fkxm on zf_fkxxb(fkxm);
create index zf_fkxxb_pyzjh on zf_fkxxb(pyzjh);
create index zf_fkxxb_sfrz on zf_fkxxb(sfrz);
create index zf_fkxxb_sjhm on zf_fkxxb(sjhm); create index zf_fkxxb_dhhm on zf_fkxxb(dhhm);

create table zf_ydb (
  iid integer primary key autoincrement,
  fjbh text collate nocase, fjmc text collate nocase, ksrq text, jsrq text, yj real,
  djrq text, czy text collate nocase, tell text collate nocase, bz text collate nocase);
create index zf_ydb_fjbh on zf_ydb(fjbh);
create index zf_ydb_fjmc on zf_ydb(fjmc);

create table zf_fjfzszb (
  iid integer primary key autoincrement,
  fzbz text collate nocase, fznr text collate nocase);
create index zf_fjfzszb_fzbz on zf_fjfzszb(fzbz, fznr);

create table zf_sfxmb (
  iid integer primary key autoincrement,
  sfmc text collate nocase, sflx text collate nocase, dj real);
create index zf_sfxmb_sfmc on zf_sfxmb(sfmc);

create table zf_sdfdjb (dfdj real, sfdj real);

create table zf_fjsfmxlsb (
  iid integer primary key autoincrement,
  zdlsh text collate nocase, sgdh text collate nocase,
  fjbh text collate nocase, fjmc text collate nocase, fjlx text collate nocase,
  sflx text collate nocase, fymc text collate nocase,
  scdbsl real, bcdbsl real, scsbsl real, bcsbsl real,
  sl real, dj real, ysfje real, zkje real, ssje real,
  czy text collate nocase, jzrq text, nf integer, yf integer,
  fkiid integer, fkxm text collate nocase, tzbz text collate nocase);
create index zf_fjsfmxlsb_fjbh on zf_fjsfmxlsb(fjbh);
create index zf_fjsfmxlsb_fjmc on zf_fjsfmxlsb(fjmc);
create index zf_fjsfmxlsb_zdlsh on zf_fjsfmxlsb(zdlsh);

create table zf_fjsfmxb (
  iid integer primary key autoincrement,
  zdlsh text collate nocase, sgdh text collate nocase,
  fjbh text collate nocase, fjmc text collate nocase, fjlx text collate nocase,
  sflx text collate nocase, fymc text collate nocase,
  scdbsl real, bcdbsl real, scsbsl real, bcsbsl real,
  sl real, dj real, ysfje real, zkje real, ssje real,
  czy text collate nocase, jzrq text, nf integer, yf integer,
  fkiid integer, fkxm text collate nocase, sfrq text);
create index zf_fjsfmxb_zdlsh on zf_fjsfmxb(zdlsh);
create index zf_fjsfmxb_fjbh on zf_fjsfmxb(fjbh);
create index zf_fjsfmxb_fjmc on zf_fjsfmxb(fjmc);
create index zf_fjsfmxb_sfrq on zf_fjsfmxb(sfrq);
create index zf_fjsfmxb_fymc on zf_fjsfmxb(fymc);

create table zf_fjsfhzb (
  zdlsh text collate nocase, sgdh text collate nocase,
  fjbh text collate nocase, fjmc text collate nocase, fjlx text collate nocase,
  ysfje real, zkje real, ssje real, czy text collate nocase, jzrq text,
  nf integer, yf integer, fkxm text collate nocase, fkiid integer);
create index zf_fjsfhzb_zdlsh on zf_fjsfhzb(zdlsh, fjbh);
create index zf_fjsfhzb_fjbh on zf_fjsfhzb(fjbh);
create index zf_fjsfhzb_fjmc on zf_fjsfhzb(fjmc);
create index zf_fjsfhzb_jzrq on zf_fjsfhzb(jzrq);

create table zf_fjczbakb (
  fjbh text collate nocase, fjmc text collate nocase, fjlx text collate nocase,
  ksrq text, dqrq text, dbds real, sbds real,
  fkxm text collate nocase, fkiid integer, rs integer);
create index zf_fjczbakb_fjbh on zf_fjczbakb(fjbh, ksrq);
create index zf_fjczbakb_fjmc on zf_fjczbakb(fjmc);

create table zf_cwb (
  iid integer primary key autoincrement,
  bz text collate nocase, sm text collate nocase, rq text, je real, czy text collate nocase);
create index zf_cwb_rq on zf_cwb(rq);

create table zf_cwsmb (
  iid integer primary key autoincrement,
  bz text collate nocase, sm text collate nocase);

create table zf_dyszb (
  gsmc text collate nocase, gsdh text collate nocase, gsdz text collate nocase,
  gsqt text collate nocase, zleft integer);

create table userk (
  dm text collate nocase not null unique check (length(dm) <= 7),
  loginuser text collate nocase check (length(loginuser) <= 10),
  pd text collate nocase check (length(pd) <= 10),
  userid text collate nocase check (length(userid) <= 3));

create table yhqxb (
  loginuser text collate nocase, funcename text collate nocase, funccname text collate nocase);
create index yhqxb_loginuser on yhqxb(loginuser);

create table fcd (ownerename text collate nocase, ownercname text collate nocase);

create table scd (
  ownerename text collate nocase, funcename text collate nocase, funccname text collate nocase);

create table zf_sdb (
  iid integer primary key autoincrement,
  fjbh text collate nocase, rq text, dbds real, sbds real, czy text collate nocase);

create table zf_spjhb (
  iid integer primary key autoincrement,
  spmc text collate nocase, sl real, dj real, je real, rq text, czy text collate nocase);
)SQL");
}

QString deliveredRowsSql()
{
    return QStringLiteral(R"SQL(
insert into zf_dyszb(gsmc,gsdh,gsdz,gsqt,zleft) values('禾川房屋出租','','','',2);
insert into zf_sdfdjb(dfdj,sfdj) values(1,5);

insert into fcd(ownerename,ownercname) values
  ('m_jcsjgl','基础数据管理'), ('m_fjydgl','房屋预租管理'), ('m_fjsfgl','房屋收费管理'),
  ('m_cxgl','查询管理'), ('m_xtcshgl','系统初始化管理'), ('m_xtwh','系统维护');

insert into scd(ownerename,funcename,funccname) values
  ('m_jcsjgl','s_fjxxgl','房屋信息管理'), ('m_jcsjgl','s_sfmcsz','收费名称设置'),
  ('m_jcsjgl','s_fkxxdj','房客信息登记'), ('m_jcsjgl','s_qtcssz','其它参数设置'),
  ('m_jcsjgl','s_dyxxsz','打印信息设置'),
  ('m_fjydgl','s_fjyd','房间预租管理'),
  ('m_fjsfgl','s_czxzgl','出租续租退租收费管理'),
  ('m_cxgl','s_sfhzcx','收费汇总查询'), ('m_cxgl','s_sfmxcx','收费明细查询'),
  ('m_cxgl','s_bjxx','到期报警信息'), ('m_cxgl','s_fjczqkcx','房间出租情况查询'),
  ('m_cxgl','s_fjczlscx','房间出租历史记录查询'), ('m_cxgl','s_sdcx','水电收费查询'),
  ('m_xtcshgl','s_xtcsh','系统初始化'),
  ('m_xtwh','s_czygl','操作记帐员管理'), ('m_xtwh','s_sqgl','操作授权管理'),
  ('m_xtwh','s_sjbf','数据备份恢复');

insert into userk(dm,loginuser,pd,userid) values('admin','系统管理员','1','001');

-- Everything granted to admin, as the grant-everything step writes it: groups, then functions.
insert into yhqxb(loginuser,funcename,funccname) select 'admin',ownerename,ownercname from fcd;
insert into yhqxb(loginuser,funcename,funccname) select 'admin',funcename,funccname from scd;

insert into zf_sfxmb(sfmc,sflx,dj) values
  ('押金','押金',500), ('房租租金','房租租金',0), ('水费','水费',5), ('电费','电费',1);
)SQL");
}

bool createDatabase(const QString &path)
{
    if (QFileInfo::exists(path))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Built under a temporary name and renamed at the end, so a failure leaves no half file
    // where the program looks for its data.
    const QString building = path + ".new";
    QFile::remove(building);
    {
        sqlite3 *db = nullptr;
        if (sqlite3_open_v2(building.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            const QString text = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("cannot create");
            sqlite3_close(db);
            throw DbError(text);
        }
        sqlite3_close(db);
    }
    try {
        Connection c;
        c.open(building, password);
        Transaction t(c);
        c.exec(tablesSql());
        c.exec(deliveredRowsSql());
        t.commit();
        c.close();
    } catch (...) {
        QFile::remove(building);
        throw;
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        throw DbError(QStringLiteral("无法建立数据库文件：%1").arg(path));
    }
    return true;
}

} // namespace schema
