#include "EngineTest.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "data/QuerySet.h"
#include "data/Schema.h"
#include "equipment/AccessoriesWhere.h"
#include "equipment/AssetWhere.h"
#include "equipment/DeptSet.h"
#include "equipment/EquiplogsReport.h"
#include "equipment/EquiplogsWhere.h"
#include "equipment/LogWhere.h"
#include "equipment/Logset.h"
#include "platform/dataset/DataSource.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace {

const char* const AccessoryListFrame =
    "select r.*, e.Id as AssetId, e.Code as AssetCode, e.EqiName as AssetName, e.Partno as "
    "AssetPartno, e.Manufactory as AssetManufactory, e.UseDeptId, e.Fixplace as AssetFixplace, "
    "e.Functionary as AssetFunctionary, e.Status as AssetStatus, e.Chkacpt as AssetChkacpt, "
    "e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC, e.ClassD as "
    "AssetClassD, e.ClassE as AssetClassE, e.ClassF as AssetClassF from equipments e, "
    "accessories r where e.Id=r.EqiId ";

const char* const UpdateLogFrame =
    "select m.*, d.*, e.Code as EqiCode, e.EqiName, e.PartNo as EqiPartNo from equiplogs m, "
    "equiplogsdl d, equipments e where m.Id=d.LogId and m.EquipId=e.Id ";

// The equipment list for an unrestricted operator with the given conditions.
QString List(const QString& conditions) {
    return "select * from equipments where Code like '%' " + conditions + " order by Id";
}

// "Name=value" pairs typed into the condition row; the value may itself contain '='.
void Assign(DataSet& where, const QStringList& assignments) {
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf(u'=');
        where.FieldByName(a.left(eq)).SetAsString(a.mid(eq + 1));
    }
}

// One column of the visible rows, in row order or sorted (for statements without an order).
QString Column(DataSet& data, const QString& name, bool sorted = false) {
    QStringList values;
    for (data.First(); !data.Eof(); data.Next())
        values.append(data.FieldByName(name).AsString());
    if (sorted) values.sort();
    return values.join(u',');
}

struct Equipment {
    int id;
    QVariant code, name, partNo, manufactory, remark, dept, status, buyDate;
};

void Insert(const Equipment& e) {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,Manufactory,Remark,UseDeptId,Status,"
               "BuyDate)values(:Id,:Code,:EqiName,:PartNo,:Manufactory,:Remark,:UseDeptId,:Status,"
               ":BuyDate)",
               {DBParam("Id", e.id), DBParam("Code", e.code), DBParam("EqiName", e.name),
                DBParam("PartNo", e.partNo), DBParam("Manufactory", e.manufactory),
                DBParam("Remark", e.remark), DBParam("UseDeptId", e.dept),
                DBParam("Status", e.status), DBParam("BuyDate", e.buyDate)});
}

void InsertAccessory(int id, int eqiId, const QString& name, const QString& partNo,
                     const QString& madein, const QString& classA, double f1) {
    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName,PartNo,Madein,ClassA,F1)"
               "values(:Id,:EqiId,:ProductName,:PartNo,:Madein,:ClassA,:F1)",
               {DBParam("Id", id), DBParam("EqiId", eqiId), DBParam("ProductName", name),
                DBParam("PartNo", partNo), DBParam("Madein", madein), DBParam("ClassA", classA),
                DBParam("F1", f1)});
}

void InsertLog(int id, const QString& action, const QString& details, const QString& handman,
               const QDateTime& time) {
    DB.ExecSQL("insert into logs(Id,Actname,Details,Results,Handman,Logtime,ComputName)"
               "values(:Id,:Actname,:Details,'成功',:Handman,:Logtime,'PC1')",
               {DBParam("Id", id), DBParam("Actname", action), DBParam("Details", details),
                DBParam("Handman", handman), DBParam("Logtime", time)});
}

void InsertUpdateLog(int id, int equipId, const QString& man, const QDateTime& time) {
    DB.ExecSQL("insert into equiplogs(Id,EquipId,Updateman,UpdateTime,ComputName)"
               "values(:Id,:EquipId,:Updateman,:UpdateTime,'PC1')",
               {DBParam("Id", id), DBParam("EquipId", equipId), DBParam("Updateman", man),
                DBParam("UpdateTime", time)});
}

void InsertChange(int id, int logId, const QString& name, const QString& label,
                  const QString& oldValue, const QString& newValue) {
    DB.ExecSQL("insert into equiplogsdl(Id,LogId,FldName,FldLabel,OldValue,NewValue)"
               "values(:Id,:LogId,:FldName,:FldLabel,:OldValue,:NewValue)",
               {DBParam("Id", id), DBParam("LogId", logId), DBParam("FldName", name),
                DBParam("FldLabel", label), DBParam("OldValue", oldValue),
                DBParam("NewValue", newValue)});
}

QDateTime At(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), u"yyyy-MM-dd hh:mm:ss");
}

} // namespace

class tst_SearchConditions : public QObject {
    Q_OBJECT
public:
    explicit tst_SearchConditions(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void statementText_data();
    void statementText();
    void pendingEditsAreRead();
    void conditionLabelsAndDepartmentLookups();
    void equipmentList_data();
    void equipmentList();
    void quickFilter_data();
    void quickFilter();
    void accessories_data();
    void accessories();
    void operatorLog_data();
    void operatorLog();
    void deleteOperatorLogEntry();
    void updateLogReport_data();
    void updateLogReport();
    void updateLogReportColumns();

private:
    // "{2008-03-01}" becomes the engine's date literal.
    QString WithDates(QString text) const;
    void InsertFixture();

    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_SearchConditions::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    for (const char* table : {"equipments", "accessories", "eqiclass", "logs", "equiplogs",
                              "equiplogsdl", "department"})
        DB.ExecSQL(QStringLiteral("delete from ") + QString::fromLatin1(table));
    Restrictions = TOperatorRestrictions();
    InsertFixture();
}

void tst_SearchConditions::cleanup() {
    Restrictions = TOperatorRestrictions();
    m_db.reset();
}

void tst_SearchConditions::InsertFixture() {
    Insert({1, "A001", "车床", "C6140", "沈阳机床", {}, "01", "在用", At("2008-03-01 00:00:00")});
    Insert({2, "A002", "O'Neil铣床", "X62", {}, {}, "0101", "维修", At("2008-03-01 15:30:00")});
    Insert({3, "A003", "钻床", "Z35", {}, "精密主轴", "010100", "在用", At("2008-03-02 00:00:00")});
    Insert({4, "B001", "磨床", "M7130", {}, {}, "02", "在用", At("2008-02-29 00:00:00")});
    Insert({5, {}, "无编号", {}, {}, {}, "01", "在用", {}});
    Insert({6, "A004", "刨床", "B665", {}, {}, "0201", "在用", {}});
    for (const char* link : {"(1,'0701')", "(1,'07')", "(3,'08')"})
        DB.ExecSQL("insert into eqiclass(EqiId,CataId)values" + QString::fromLatin1(link));
}

QString tst_SearchConditions::WithDates(QString text) const {
    static const QRegularExpression date(QStringLiteral(R"(\{(\d{4}-\d\d-\d\d)\})"));
    const bool file = m_engine == TestEngine::SQLite;
    for (auto m = date.match(text); m.hasMatch(); m = date.match(text)) {
        const QString day = m.captured(1);
        const QString literal = file ? "#" + day + "#" : "'" + day + "'";
        text.replace(m.capturedStart(), m.capturedLength(), literal);
    }
    return text;
}

void tst_SearchConditions::statementText_data() {
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("departments");
    QTest::addColumn<QString>("expected");

    const QString deptSql = " and UseDeptId like '01%'";
    QTest::newRow("list: nothing, unrestricted")
        << "list" << QStringList{} << ""
        << ""
        << "select * from equipments where Code like '%'  order by Id";
    QTest::newRow("list: code prefix and departments")
        << "list" << QStringList{} << "A" << deptSql
        << "select * from equipments where Code like 'A%'  and UseDeptId like '01%' order by Id";
    QTest::newRow("list: conditions follow the restriction")
        << "list" << QStringList{"Status=在用"} << "A" << deptSql
        << "select * from equipments where Code like 'A%'  and UseDeptId like '01%' and "
           "Status = '在用' order by Id";
    QTest::newRow("list: quote in the code prefix")
        << "list" << QStringList{} << "A'"
        << ""
        << "select * from equipments where Code like 'A''%'  order by Id";
    QTest::newRow("list: id") << "list" << QStringList{"AstId=7"} << ""
                              << "" << List(" and Id=7");
    QTest::newRow("list: texts found anywhere")
        << "list"
        << QStringList{"Code=A0",         "EqiName=床",       "PartNo=C6",      "MainCode=M1",
                       "FixPlace=一车间", "Manufactory=沈阳", "FactoryCode=F9", "Remark=主轴"}
        << ""
        << ""
        << List(" and Code like '%A0%' and EqiName like '%床%' and PartNo like '%C6%' and "
                "MainCode like '%M1%' and FixPlace like '%一车间%' and Manufactory like "
                "'%沈阳%' and FactoryCode LIKE '%F9%' and Remark like '%主轴%'");
    QTest::newRow("list: exact texts")
        << "list"
        << QStringList{"AssetClassA=a",   "AssetClassB=b",    "AssetClassC=c",    "AssetClassD=d",
                       "AssetClassE=e",   "AssetClassF=f",    "ChkAcpt=合格",     "Status=在用",
                       "FundSource=自筹", "Functionary=王工", "FinanceType=固定", "Str1=s1",
                       "Str2=s2",         "Str3=s3",          "Str4=s4",          "Str5=s5",
                       "Str6=s6"}
        << ""
        << ""
        << List(" and ClassA = 'a' and ClassB = 'b' and ClassC = 'c' and ClassD = 'd' and "
                "ClassE = 'e' and ClassF = 'f' and ChkAcpt = '合格' and Status = '在用' and "
                "FundSource = '自筹' and Functionary = '王工' and FinanceType = '固定' and "
                "Str1 = 's1' and Str2 = 's2' and Str3 = 's3' and Str4 = 's4' and Str5 = 's5' "
                "and Str6 = 's6'");
    QTest::newRow("list: department and catalogue prefixes")
        << "list" << QStringList{"UseDeptId=01", "CatId=07"} << ""
        << ""
        << List(" and UseDeptId like '01%' and Id in (select EqiId from eqiclass where CataId "
                "like '07%' group by EqiId)");
    QTest::newRow("list: purchase dates drop the time")
        << "list" << QStringList{"BuyDate1=2008-03-01 08:00", "BuyDate2=2008-03-31 15:30"} << ""
        << "" << List(" and BuyDate>={2008-03-01} and BuyDate<={2008-03-31}");
    QTest::newRow("list: keyword")
        << "list" << QStringList{"Keyword=床"} << ""
        << ""
        << List(" and (Code like '%床%' or EqiName like '%床%' or PartNo like '%床%' or "
                "Manufactory like '%床%' or Remark like '%床%')");
    QTest::newRow("list: class display text is no condition")
        << "list" << QStringList{"AssetClass=设备/车床"} << ""
        << "" << List("");
    QTest::newRow("list: typed quotes doubled")
        << "list" << QStringList{"EqiName=O'Neil", "Status=' or '1'='1"} << ""
        << "" << List(" and EqiName like '%O''Neil%' and Status = ''' or ''1''=''1'");

    QTest::newRow("filter: nothing") << "filter" << QStringList{} << ""
                                     << ""
                                     << "";
    QTest::newRow("filter: status alone")
        << "filter" << QStringList{"Status=在用"} << "A" << deptSql << "Status = '在用'";
    QTest::newRow("filter: id 0 is no condition")
        << "filter" << QStringList{"AstId=0", "Code=A"} << ""
        << ""
        << "Code like '%A%'";
    QTest::newRow("filter: positive id") << "filter" << QStringList{"AstId=3"} << ""
                                         << ""
                                         << "Id=3";
    QTest::newRow("filter: no catalogue, same dates")
        << "filter"
        << QStringList{"CatId=07", "UseDeptId=01", "BuyDate1=2008-03-01", "BuyDate2=2008-03-01"}
        << ""
        << ""
        << "UseDeptId like '01%' and BuyDate>={2008-03-01} and BuyDate<={2008-03-01}";

    QTest::newRow("by accessories: nothing")
        << "byAccessories" << QStringList{} << "A" << deptSql
        << "select * from equipments where Id in (select distinct EqiId from accessories where "
           "1=1 ) order by Id";
    QTest::newRow("by accessories: every condition")
        << "byAccessories" << QStringList{"ProductName=电机", "PartNo=Y1", "Madein=上海",
                                          "ClassA=电气",      "F11=1",     "AssetCode=A0"}
        << ""
        << ""
        << "select * from equipments where Id in (select distinct EqiId from accessories where "
           "1=1  and ProductName like '%电机%' and PartNo like '%Y1%' and Madein like '%上海%' "
           "and ClassA='电气') order by Id";

    QTest::newRow("accessory list: nothing")
        << "accessories" << QStringList{} << "A" << deptSql << AccessoryListFrame;
    QTest::newRow("accessory list: every condition")
        << "accessories"
        << QStringList{"Id=2",          "AstId=1",        "ProductName=电机", "PartNo=Y1",
                       "Madein=上海",   "ClassA=电气",    "F11=1.5",          "F12=2",
                       "AssetCode=A0",  "AssetName=床",   "AssetClassA=a",    "AssetClassB=b",
                       "AssetClassC=c", "AssetClassD=d",  "AssetClassE=e",    "AssetClassF=f",
                       "UseDeptId=01",  "AssetClass=全部"}
        << ""
        << ""
        << QString::fromUtf8(AccessoryListFrame) +
               " and r.Id=2 and e.Id=1 and r.ProductName like '%电机%' and r.PartNo like '%Y1%' "
               "and r.Madein like '%上海%' and r.ClassA='电气' and r.F1>=1.50 and r.F1<=2.00 "
               "and e.Code like '%A0%' and e.EqiName like '%床%' and e.ClassA = 'a' and "
               "e.ClassB = 'b' and e.ClassC = 'c' and e.ClassD = 'd' and e.ClassE = 'e' and "
               "e.ClassF = 'f' and e.UseDeptId like '01%'";

    QTest::newRow("operator log: nothing") << "logs" << QStringList{} << ""
                                           << ""
                                           << "select * from logs  order by Id desc";
    QTest::newRow("operator log: every condition, no wildcards added")
        << "logs"
        << QStringList{"Id=3",
                       "Actname=删除设备",
                       "Details=%车床%",
                       "Handman=o'k",
                       "Logtime1=2009-01-06 15:30",
                       "Logtime2=2009-01-06 15:30",
                       "ComputName=PC1",
                       "ComputIp=10.%"}
        << ""
        << ""
        << "select * from logs  where Id=3 and Actname like '删除设备' and Details like "
           "'%车床%' and Handman like 'o''k' and Logtime>={2009-01-06} and "
           "Logtime<{2009-01-07} and ComputName like 'PC1' and ComputIp like '10.%' order by "
           "Id desc";

    QTest::newRow("update log: nothing") << "updates" << QStringList{} << ""
                                         << "" << UpdateLogFrame;
    QTest::newRow("update log: every condition")
        << "updates"
        << QStringList{"FldName=Status",
                       "FldLabel=设备状况",
                       "OldValue=在",
                       "NewValue=O'Neil",
                       "EquipId=1",
                       "Updateman=张三",
                       "UpdateTime1=2009-01-06",
                       "UpdateTime2=2009-01-07 08:00",
                       "ComputName=PC1"}
        << ""
        << ""
        << QString::fromUtf8(UpdateLogFrame) +
               " and FldName='Status' and FldLabel='设备状况' and OldValue like '%在%' and "
               "NewValue like '%O''Neil%' and EquipId=1 and Updateman='张三' and "
               "UpdateTime>={2009-01-06} and UpdateTime<{2009-01-08} and ComputName='PC1'";
}

void tst_SearchConditions::statementText() {
    QFETCH(QString, builder);
    QFETCH(QStringList, assignments);
    QFETCH(QString, prefix);
    QFETCH(QString, departments);
    QFETCH(QString, expected);
    Restrictions.CodePrefix = prefix;
    Restrictions.DeptCondition = departments;
    QString text;
    if (builder == u"list" || builder == u"filter") {
        TAssetWhere where;
        Assign(where.DataSet(), assignments);
        text = builder == u"list" ? where.ListSql() : where.FilterText();
    } else if (builder == u"byAccessories" || builder == u"accessories") {
        TAccessoriesWhere where;
        Assign(where.DataSet(), assignments);
        text = builder == u"byAccessories" ? where.EquipmentSql() : where.AccessoryListSql();
    } else if (builder == u"logs") {
        TLogWhere where;
        Assign(where.DataSet(), assignments);
        text = where.Sql();
    } else {
        TEquiplogsWhere where;
        Assign(where.DataSet(), assignments);
        text = where.Sql();
    }
    QCOMPARE(text, WithDates(expected));
}

// What is still being typed into a bound editor counts, and Clear forgets every condition.
void tst_SearchConditions::pendingEditsAreRead() {
    TAssetWhere asset;
    TAccessoriesWhere accessory;
    TLogWhere log;
    TEquiplogsWhere update;
    const std::vector<std::pair<Field*, std::function<QString()>>> builders{
        {asset.StatusFld, [&] { return asset.ListSql(); }},
        {asset.StatusFld, [&] { return asset.FilterText(); }},
        {accessory.ProductNameFld, [&] { return accessory.EquipmentSql(); }},
        {accessory.ProductNameFld, [&] { return accessory.AccessoryListSql(); }},
        {log.ActnameFld, [&] { return log.Sql(); }},
        {update.UpdatemanFld, [&] { return update.Sql(); }},
    };
    for (const auto& [field, build] : builders) {
        QLineEdit typed;
        DataSource source(field->Owner());
        source.Bind(&typed, *field);
        typed.setText("未提交");
        Q_EMIT typed.textEdited(typed.text());
        const QString text = build();
        QVERIFY2(text.contains("未提交"), qPrintable(text));
    }
    asset.Clear();
    QCOMPARE(asset.FilterText(), QString());
    log.Clear();
    QCOMPARE(log.Sql(), QStringLiteral("select * from logs  order by Id desc"));
}

void tst_SearchConditions::conditionLabelsAndDepartmentLookups() {
    DB.ExecSQL("insert into department(Code,Name)values('01','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0101','一车间')");
    DeptSet.LoadAll();
    const QString saved = AppLabels.EquipmentStr[0];
    AppLabels.EquipmentStr[0] = "出厂年份";
    TAssetWhere where;
    AppLabels.EquipmentStr[0] = saved;
    QCOMPARE(where.Str1Fld->DisplayLabel(), QStringLiteral("出厂年份"));
    QCOMPARE(where.CodeFld->DisplayLabel(), QStringLiteral("设备编号"));
    QCOMPARE(where.AssetClassAFld->DisplayLabel(), AppLabels.ClassLabels[0]);
    QCOMPARE(where.AssetClassFld->Size(), 140);
    const int dept = where.UseDeptFld->Index();
    QCOMPARE(where.DataSet().Fields(dept + 1).FieldName(), QStringLiteral("UseDeptName"));
    QCOMPARE(where.DataSet().Fields(dept + 2).FieldName(), QStringLiteral("UseDeptPath"));
    where.UseDeptFld->SetAsString("0101");
    QCOMPARE(where.DataSet().FieldByName("UseDeptName").AsString(), QStringLiteral("一车间"));
    QCOMPARE(where.ListSql(), List(" and UseDeptId like '0101%'"));

    TAccessoriesWhere accessories;
    QCOMPARE(accessories.AssetNameFld->DisplayLabel(), QStringLiteral("设备名称"));
    QCOMPARE(accessories.AssetClassFld->DisplayLabel(), QStringLiteral("设备分类"));
    accessories.AssetUseDeptFld->SetAsString("01");
    QCOMPARE(accessories.DataSet().FieldByName("UseDeptPath").AsString(), DeptSet.GetPath("01"));
}

void tst_SearchConditions::equipmentList_data() {
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("departments");
    QTest::addColumn<QString>("ids");

    const QString dept01 = " and UseDeptId like '01%'";
    QTest::newRow("unrestricted: every row with a code") << QStringList{} << ""
                                                         << ""
                                                         << "1,2,3,4,6";
    QTest::newRow("code prefix and departments") << QStringList{} << "A" << dept01 << "1,2,3";
    QTest::newRow("restriction holds whatever is added")
        << QStringList{"EqiName=磨床"} << "A" << dept01 << "";
    QTest::newRow("department finds its subtree") << QStringList{"UseDeptId=01"} << ""
                                                  << ""
                                                  << "1,2,3";
    QTest::newRow("same purchase day: midnight only")
        << QStringList{"BuyDate1=2008-03-01", "BuyDate2=2008-03-01"} << ""
        << ""
        << "1";
    QTest::newRow("purchase days: upper day at midnight")
        << QStringList{"BuyDate1=2008-03-01", "BuyDate2=2008-03-02"} << ""
        << ""
        << "1,2,3";
    QTest::newRow("keyword in the manufacturer") << QStringList{"Keyword=沈阳"} << ""
                                                 << ""
                                                 << "1";
    QTest::newRow("keyword in the remark") << QStringList{"Keyword=主轴"} << ""
                                           << ""
                                           << "3";
    QTest::newRow("keyword in the model, any case") << QStringList{"Keyword=x62"} << ""
                                                    << ""
                                                    << "2";
    QTest::newRow("name with a quote") << QStringList{"EqiName=O'Neil"} << ""
                                       << ""
                                       << "2";
    QTest::newRow("a quote cannot widen the search") << QStringList{"EqiName=' or '1'='1"} << ""
                                                     << ""
                                                     << "";
    QTest::newRow("catalogue link by prefix, once per machine") << QStringList{"CatId=07"} << ""
                                                                << ""
                                                                << "1";
    QTest::newRow("status and id") << QStringList{"Status=在用", "AstId=3"} << ""
                                   << ""
                                   << "3";
}

void tst_SearchConditions::equipmentList() {
    QFETCH(QStringList, assignments);
    QFETCH(QString, prefix);
    QFETCH(QString, departments);
    QFETCH(QString, ids);
    Restrictions.CodePrefix = prefix;
    Restrictions.DeptCondition = departments;
    TAssetWhere where;
    Assign(where.DataSet(), assignments);
    TQuerySet set;
    set.Open(where.ListSql());
    QCOMPARE(Column(set.Query(), "Id"), ids);
    QCOMPARE(ScalarInt("select count(*) from equipments"), 6);
}

void tst_SearchConditions::quickFilter_data() {
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("ids");

    QTest::newRow("nothing shows every row") << QStringList{} << "1,2,3,4,5,6";
    QTest::newRow("status alone") << QStringList{"Status=维修"} << "2";
    QTest::newRow("same purchase day: midnight only")
        << QStringList{"BuyDate1=2008-03-01", "BuyDate2=2008-03-01"} << "1";
    QTest::newRow("purchase days")
        << QStringList{"BuyDate1=2008-03-01", "BuyDate2=2008-03-02"} << "1,2,3";
    QTest::newRow("department subtree, rows without a code too")
        << QStringList{"UseDeptId=01"} << "1,2,3,5";
    QTest::newRow("keyword") << QStringList{"Keyword=主轴"} << "3";
    QTest::newRow("name with a quote") << QStringList{"EqiName=O'Neil"} << "2";
    QTest::newRow("catalogue is left to the list")
        << QStringList{"CatId=07", "Status=在用"} << "1,3,4,5,6";
    QTest::newRow("id") << QStringList{"AstId=3"} << "3";
    QTest::newRow("every field filled") << QStringList{"AstId=1",
                                                       "Code=A",
                                                       "EqiName=车",
                                                       "PartNo=C",
                                                       "MainCode=M",
                                                       "AssetClassA=a",
                                                       "AssetClassB=b",
                                                       "AssetClassC=c",
                                                       "AssetClassD=d",
                                                       "AssetClassE=e",
                                                       "AssetClassF=f",
                                                       "ChkAcpt=合格",
                                                       "Status=在用",
                                                       "UseDeptId=01",
                                                       "FixPlace=一",
                                                       "Manufactory=沈",
                                                       "FactoryCode=F",
                                                       "FundSource=自筹",
                                                       "Functionary=王",
                                                       "BuyDate1=2008-01-01",
                                                       "BuyDate2=2008-12-31",
                                                       "Remark=主",
                                                       "FinanceType=固定",
                                                       "Str1=1",
                                                       "Str2=2",
                                                       "Str3=3",
                                                       "Str4=4",
                                                       "Str5=5",
                                                       "Str6=6",
                                                       "Keyword=床"}
                                        << "";
}

// The filter runs on rows already open, so it must be text the data set's filter accepts.
void tst_SearchConditions::quickFilter() {
    QFETCH(QStringList, assignments);
    QFETCH(QString, ids);
    TAssetWhere where;
    Assign(where.DataSet(), assignments);
    TQuerySet set;
    set.Open("select * from equipments order by Id");
    set.Query().SetFilter(where.FilterText());
    set.Query().SetFiltered(true);
    QCOMPARE(Column(set.Query(), "Id"), ids);
}

void tst_SearchConditions::accessories_data() {
    QTest::addColumn<bool>("byAccessories");
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("ids");

    QTest::newRow("machines with any accessory") << true << QStringList{} << "1,2,3,4";
    QTest::newRow("machines by accessory name, once each")
        << true << QStringList{"ProductName=电机"} << "1,4";
    QTest::newRow("machines by accessory name and origin")
        << true << QStringList{"ProductName=电机", "Madein=上海"} << "1";
    QTest::newRow("machines by accessory class") << true << QStringList{"ClassA=液压"} << "3";
    QTest::newRow("accessories: every one") << false << QStringList{} << "1,2,3,4,5";
    QTest::newRow("accessories: F1 bounds inclusive")
        << false << QStringList{"F11=1.5", "F12=2"} << "1,3";
    QTest::newRow("accessories: machine department subtree")
        << false << QStringList{"UseDeptId=01"} << "1,2,3,5";
    QTest::newRow("accessories: machine code") << false << QStringList{"AssetCode=B0"} << "4";
    QTest::newRow("accessories: machine id") << false << QStringList{"AstId=1"} << "1,2";
    QTest::newRow("accessories: machine name with a quote")
        << false << QStringList{"AssetName=O'Neil"} << "5";
}

void tst_SearchConditions::accessories() {
    QFETCH(bool, byAccessories);
    QFETCH(QStringList, assignments);
    QFETCH(QString, ids);
    InsertAccessory(1, 1, "电机", "Y132", "上海", "电气", 1.5);
    InsertAccessory(2, 1, "电机", "Y160", "上海", "电气", 3.0);
    InsertAccessory(3, 3, "油泵", "CB-B", "天津", "液压", 2.0);
    InsertAccessory(4, 4, "电机", "Y90", "无锡", "电气", 0.75);
    InsertAccessory(5, 2, "皮带", "B-1000", "上海", "传动", 0.5);
    TAccessoriesWhere where;
    Assign(where.DataSet(), assignments);
    TQuerySet set;
    set.Open(byAccessories ? where.EquipmentSql() : where.AccessoryListSql());
    QCOMPARE(Column(set.Query(), "Id", !byAccessories), ids);
    if (!byAccessories && set.Query().Locate("Id", 3))
        QCOMPARE(set.Query().FieldByName("AssetCode").AsString(), QStringLiteral("A003"));
}

void tst_SearchConditions::operatorLog_data() {
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("ids");

    QTest::newRow("nothing: newest first") << QStringList{} << "5,4,3,2,1";
    QTest::newRow("the delete action exactly") << QStringList{"Actname=删除设备"} << "4,2";
    QTest::newRow("description without % matches whole texts only")
        << QStringList{"Details=车床"} << "3";
    QTest::newRow("description with %") << QStringList{"Details=%车床%"} << "3,2,1";
    QTest::newRow("one whole day")
        << QStringList{"Logtime1=2009-01-06", "Logtime2=2009-01-06"} << "4,3,2";
    QTest::newRow("operator with a quote") << QStringList{"Handman=o'k"} << "5";
    QTest::newRow("one entry by id") << QStringList{"Id=-1"} << "";
}

void tst_SearchConditions::operatorLog() {
    QFETCH(QStringList, assignments);
    QFETCH(QString, ids);
    InsertLog(1, "添加设备", "添加 车床", "sa", At("2009-01-05 23:59:59"));
    InsertLog(2, "删除设备", "\r\n设备名称 := 车床", "sa", At("2009-01-06 00:00:00"));
    InsertLog(3, "修改设备基本信息", "车床", "wang", At("2009-01-06 12:00:00"));
    InsertLog(4, "删除设备", "钻床", "wang", At("2009-01-06 23:59:59"));
    InsertLog(5, "添加设备", "刨床", "o'k", At("2009-01-07 00:00:00"));
    TLogset set;
    Assign(set.Where.DataSet(), assignments);
    set.OpenByWhere();
    QCOMPARE(Column(set.Query(), "Id"), ids);
}

void tst_SearchConditions::deleteOperatorLogEntry() {
    for (int id = 1; id <= 3; ++id)
        InsertLog(id, "删除设备", "车床", "sa", At("2009-01-06 08:00:00"));
    TLogset set;
    set.OpenByWhere();
    QVERIFY(set.Query().Locate("Id", 2));
    QVERIFY(set.DeleteCurrent());
    QCOMPARE(Column(set.Query(), "Id"), QStringLiteral("3,1"));
    QCOMPARE(ScalarInt("select count(*) from logs where Id=2"), 0);

    DB.ExecSQL("delete from logs where Id=3");
    QVERIFY(set.Query().Locate("Id", 3));
    QVERIFY(!set.DeleteCurrent());
    QCOMPARE(Column(set.Query(), "Id"), QStringLiteral("3,1"));
    QCOMPARE(ScalarInt("select count(*) from logs"), 1);

    set.Where.IdFld->SetAsInteger(-1);
    QCOMPARE(set.OpenByWhere(), 0);
    QVERIFY(!set.DeleteCurrent());
    QCOMPARE(ScalarInt("select count(*) from logs"), 1);
}

void tst_SearchConditions::updateLogReport_data() {
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("fields");

    QTest::newRow("nothing") << QStringList{} << "EqiName,Status,UseDeptPath";
    QTest::newRow("one machine") << QStringList{"EquipId=1"} << "Status,UseDeptPath";
    QTest::newRow("one whole day")
        << QStringList{"UpdateTime1=2009-01-06", "UpdateTime2=2009-01-06"} << "Status,UseDeptPath";
    QTest::newRow("midnight starts the next day")
        << QStringList{"UpdateTime1=2009-01-07", "UpdateTime2=2009-01-07"} << "EqiName";
    QTest::newRow("old value with a quote") << QStringList{"OldValue=O'Neil"} << "EqiName";
    QTest::newRow("item and operator")
        << QStringList{"FldLabel=设备状况", "Updateman=张三"} << "Status";
    QTest::newRow("item label matches exactly") << QStringList{"FldLabel=设备"} << "";
}

void tst_SearchConditions::updateLogReport() {
    QFETCH(QStringList, assignments);
    QFETCH(QString, fields);
    InsertUpdateLog(1, 1, "张三", At("2009-01-06 10:00:00"));
    InsertUpdateLog(2, 2, "李四", At("2009-01-07 00:00:00"));
    InsertChange(1, 1, "Status", "设备状况", "在用", "维修");
    InsertChange(2, 1, "UseDeptPath", "使用部门", "\\\\生产部", "\\\\后勤部");
    InsertChange(3, 2, "EqiName", "设备名称", "O'Neil铣床", "铣床");
    TEquiplogsReport report;
    Assign(report.Where.DataSet(), assignments);
    report.OpenByWhere();
    QCOMPARE(Column(report.Query(), "FldName", true), fields);
}

void tst_SearchConditions::updateLogReportColumns() {
    InsertUpdateLog(1, 1, "张三", At("2009-01-06 10:00:00"));
    InsertChange(1, 1, "Status", "设备状况", "在用", "维修");
    TEquiplogsReport report;
    report.Where.EquipIdFld->SetAsInteger(1);
    QCOMPARE(report.OpenByWhere(), 1);
    QCOMPARE(report.EqiCodeFld->AsString(), QStringLiteral("A001"));
    QCOMPARE(report.EqiNameFld->AsString(), QStringLiteral("车床"));
    QCOMPARE(report.EqiPartNoFld->AsString(), QStringLiteral("C6140"));
    QCOMPARE(report.LogIdFld->AsInteger(), 1);
    QCOMPARE(report.FldLabelFld->AsString(), QStringLiteral("设备状况"));
    QCOMPARE(report.OldValueFld->AsString(), QStringLiteral("在用"));
    QCOMPARE(report.NewValueFld->AsString(), QStringLiteral("维修"));
    QCOMPARE(report.UpdatemanFld->AsString(), QStringLiteral("张三"));
    QCOMPARE(report.UpdateTimeFld->AsDateTime(), At("2009-01-06 10:00:00"));
    QCOMPARE(report.ComputNameFld->AsString(), QStringLiteral("PC1"));
    QVERIFY(!report.FldNameFld->Visible());
    QCOMPARE(report.EqiCodeFld->DisplayLabel(), QStringLiteral("设备编号"));
    QCOMPARE(report.OldValueFld->DisplayLabel(), QStringLiteral("改前"));
}

LANYUE_ENGINE_TEST_MAIN(tst_SearchConditions)
#include "tst_searchconditions.moc"
