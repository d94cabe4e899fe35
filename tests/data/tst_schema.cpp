#include "EngineTest.h"

#include "data/QuerySet.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "platform/Exceptions.h"

#include <algorithm>

namespace {

// Several columns named by a prefix and a running number: Columns("Str", 1, 7).
QStringList Columns(const QString& prefix, int first, int last) {
    QStringList names;
    for (int i = first; i <= last; ++i) names.append(prefix + QString::number(i));
    return names;
}

QStringList ClassColumns(const QString& prefix) {
    QStringList names;
    for (const char c : {'A', 'B', 'C', 'D', 'E', 'F'}) names.append(prefix + QLatin1Char(c));
    return names;
}

// The equipment columns the maintenance, accident, change and spare-part lists join in.
QStringList AssetColumns() {
    return QStringList{"AssetCode",  "AssetName",     "AssetPartno", "AssetManufactory",
                       "UseDeptId", "AssetFixplace", "AssetFunctionary"} +
           ClassColumns("AssetClass");
}

// The column as the engine names it in a result: brackets gone, case ignored.
QString Bare(QString column) {
    return column.remove(u'[').remove(u']').toLower();
}

QVariant Scalar(const QString& sql, const QVariant& expectedType) {
    ScratchSet.Open(sql);
    const Field& field = ScratchSet.DataSet().Fields(0);
    switch (expectedType.typeId()) {
    case QMetaType::Bool:
        return field.AsBoolean();
    case QMetaType::Int:
        return field.AsInteger();
    case QMetaType::Double:
        return field.AsFloat();
    default:
        return field.AsString();
    }
}

QString PlanText(TRecordSet& set) {
    QStringList lines;
    DataSet& plan = set.DataSet();
    for (plan.First(); !plan.Eof(); plan.Next())
        for (int i = 0; i < plan.FieldCount(); ++i) lines.append(plan.Fields(i).AsString());
    return lines.join(u'\n');
}

} // namespace

class tst_Schema : public QObject {
    Q_OBJECT
public:
    explicit tst_Schema(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void inspectionTellsMissingPartialAndComplete();
    void failingStatementLeavesNothingBehind();
    void everyColumnTheProgramNames_data();
    void everyColumnTheProgramNames();
    void columnsAreReadWithTheirKinds_data();
    void columnsAreReadWithTheirKinds();
    void initialRows_data();
    void initialRows();
    void reservedWordsWorkBracketed_data();
    void reservedWordsWorkBracketed();
    void programStatementsRun_data();
    void programStatementsRun();
    void nextCareDateAddsThePeriod();
    void documentsAndLinksAreNumberedByTheDatabase();
    void lookupsUseTheirIndexes_data();
    void lookupsUseTheirIndexes();

private:
    bool OnServer() const { return m_engine == TestEngine::PostgreSQL; }

    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

// One database with the schema serves the tests that read; tests that write do so inside a
// transaction they roll back.
void tst_Schema::initTestCase() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
}

void tst_Schema::cleanupTestCase() {
    m_db.reset();
}

void tst_Schema::inspectionTellsMissingPartialAndComplete() {
    TDatabase db;
    TestDatabase fresh(m_engine, db);
    QCOMPARE(InspectSchema(db), SchemaState::Missing);
    CreateSchema(db);
    QCOMPARE(InspectSchema(db), SchemaState::Complete);
    QCOMPARE(SchemaTables().size(), 34);
    db.Execute("drop table link");
    QCOMPARE(InspectSchema(db), SchemaState::Partial);
}

void tst_Schema::failingStatementLeavesNothingBehind() {
    TDatabase db;
    TestDatabase fresh(m_engine, db);
    // A table the script creates near its end already exists, so the script fails there.
    db.Execute("create table upgrade (Id integer)");
    try {
        CreateSchema(db);
        QFAIL("the script ran over an existing table");
    } catch (const EDatabaseError& e) {
        QVERIFY2(e.SqlText().startsWith(QStringLiteral("create table upgrade")), qPrintable(e.SqlText()));
        QVERIFY(!e.DriverMessage().isEmpty());
    }
    QVERIFY(!db.InTransaction());
    db.Execute("drop table upgrade");
    QCOMPARE(InspectSchema(db), SchemaState::Missing);
}

void tst_Schema::everyColumnTheProgramNames_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("accessories")
        << "accessories"
        << QStringList{"Id", "EqiId", "ProductName", "PartNo", "Madein", "Unit", "ClassA", "S1", "S2",
                       "S3", "F1", "F2", "F3", "Remark"};
    QTest::newRow("accidents") << "accidents"
                               << QStringList{"Id",       "AssetId",  "AccDate", "AccDept",
                                              "AccClass", "AccProp",  "AccMoney", "AccBrief",
                                              "Invests",  "Summery"};
    QTest::newRow("backup") << "[backup]" << QStringList{"TypeId", "BackDir"};
    QTest::newRow("carecords") << "carecords"
                               << QStringList{"crId",      "crAssetId",   "crItemId",   "crCaredate",
                                              "crCareDate", "crCareman", "crCaretents", "crCaremarks"};
    QTest::newRow("careitems") << "careitems"
                               << QStringList{"ciId",        "ciAssetId",  "ciCarename",
                                              "ciCareitem",  "ciPlanhours", "ciFixedays",
                                              "ciCareworks", "ciLastCareId"};
    QTest::newRow("changes") << "changes"
                             << QStringList{"Id",        "AssetId",   "ChgDate",     "ChgReason",
                                            "ItmLabel",  "ItmValue1", "ItmValue2",   "FldIdx",
                                            "FldValue1", "FldValue2", "Chgman",      "Billman",
                                            "BillTime",  "Sanctionman", "SanctionTime", "Remarks"};
    QTest::newRow("coderight") << "coderight"
                               << QStringList{"LoginId",      "IsFree",        "Prefix",
                                              "Postfix",      "BeginInt",      "EndInt",
                                              "Digit",        "DeptSql",       "ValueVisible",
                                              "PartnoVisible", "FactoryVisible", "DayEdit",
                                              "ChangeHint",   "Notes"};
    QTest::newRow("codes") << "codes" << QStringList{"Id", "Kind", "Label", "Code", "MaxId", "Digit"};
    QTest::newRow("Company") << "Company"
                             << QStringList{"Id",  "CompanyName", "Manager", "Tel",      "Fax",
                                            "Address", "Zip",     "Profile", "UseCount", "Updated"};
    QTest::newRow("department") << "department" << QStringList{"Code", "Name", "[Note]", "Note"};
    QTest::newRow("doc") << "doc" << QStringList{"Id", "Title", "Source", "DocData", "[Note]"};
    QTest::newRow("eqiclass") << "eqiclass" << QStringList{"EqiId", "CataId"};
    QTest::newRow("eqievents") << "eqievents" << QStringList{"Id", "EqiId", "EvnDate", "Details"};
    QTest::newRow("eqifile") << "eqifile"
                             << QStringList{"Id", "EqiId", "GetDate", "Subject", "FileName",
                                            "FileData", "Handman", "Remarks"};
    QTest::newRow("eqimages") << "eqimages" << QStringList{"Id", "EqiId", "Ext", "Subject", "Photo"};
    QTest::newRow("equiplogs") << "equiplogs"
                               << QStringList{"Id", "EquipId", "Updateman", "UpdateTime",
                                              "ComputName", "ComputIp"};
    QTest::newRow("equiplogsdl") << "equiplogsdl"
                                 << QStringList{"Id", "LogId", "FldName", "FldLabel", "OldValue",
                                                "NewValue"};
    // The joins spell some columns differently (Partno, Fixplace, Chkacpt).
    QTest::newRow("equipments")
        << "equipments"
        << QStringList{"Id",          "Code",         "EqiName",      "PartNo",       "Partno",
                       "MainCode",    "Manufactory",  "DurableYears", "Weight",       "Power",
                       "Jcoefficient", "Dcoefficient", "Rcoefficient", "BuyDate",     "ChkAcpt",
                       "Chkacpt",     "Status",       "UseDeptId",    "FixPlace",     "Fixplace",
                       "FactoryDate", "FactoryCode",  "UseDate",      "FundSource",   "Functionary",
                       "OriginalValue", "Remark",     "FinanceType",  "DepreciationYears",
                       "Float1",      "Float2",       "Float3",       "[Float4]",     "Float5",
                       "Float6",      "Float7",       "[Float8]",     "Float9",       "Addman",
                       "AddTime",     "Paras",        "Configs"} +
               ClassColumns("Class") + Columns("Str", 1, 7) + Columns("Date", 1, 3);
    QTest::newRow("keyvalue") << "keyvalue"
                              << QStringList{"KeyId", "[Value]", "Vstr", "Vint", "Vfloat", "Vbool"};
    QTest::newRow("link") << "link"
                          << QStringList{"Id",           "GroupId", "Title", "lpFile",
                                         "lpParameters", "[Note]",  "Note"};
    QTest::newRow("logs") << "logs"
                          << QStringList{"Id",      "Actname", "Details",    "Results",
                                         "Handman", "Logtime", "ComputName", "ComputIp"};
    QTest::newRow("operator") << "operator"
                              << QStringList{"LoginId", "[Password]", "Password", "Name", "Contact",
                                             "[Note]", "Rights"};
    QTest::newRow("options") << "options" << QStringList{"[Key]", "List"};
    QTest::newRow("partfixs") << "partfixs"
                              << QStringList{"Id",        "PartId",    "EqiId",      "Fixtime",
                                             "FixTime",   "Fixman",    "FixQty",     "Unfixtime",
                                             "UnfixTime", "Unfixman",  "UnfixReason", "Remarks"};
    QTest::newRow("partin") << "partin"
                            << QStringList{"Id",      "Indate",  "Intype",   "Incode",
                                           "Inout",   "Handman", "Billman",  "BillTime",
                                           "Notes",   "Stateid", "Receman",  "Recedate"};
    QTest::newRow("partindl") << "partindl"
                              << QStringList{"dlId", "InId", "PartId", "Qty", "QtyA", "dlNote"};
    QTest::newRow("partrepairs") << "partrepairs"
                                 << QStringList{"Id",        "PartId",   "RepairDate",
                                                "Troubles",  "RepairDetails", "Repairman",
                                                "CostTime",  "CostMoney", "Notes"};
    QTest::newRow("parts") << "parts"
                           << QStringList{"Id", "ClassA", "Status", "Remarks", "MinQty"} +
                                  Columns("S", 1, 8) + Columns("F", 1, 5);
    QTest::newRow("partuse") << "partuse"
                             << QStringList{"dlId", "RepairId", "CarecordId", "PartId", "Qty",
                                            "dlNote"};
    QTest::newRow("repairs") << "repairs"
                             << QStringList{"Id",          "EqiId",        "SendDate",
                                            "Trouble",     "Handman",      "Sanctionman",
                                            "SancTime",    "SancOpinions", "RepairDate",
                                            "Repairdate",  "RepairClass",  "RepairFactory",
                                            "Repairmans",  "RepairDetails", "RepairCost",
                                            "RepairHours", "Remark"};
    QTest::newRow("report") << "report" << QStringList{"Id", "GrpId", "Title", "Fr3File"};
    QTest::newRow("syscols") << "syscols" << QStringList{"F02", "F06"};
    QTest::newRow("systatus") << "systatus" << QStringList{"Id", "Status", "ForceColor"};
    QTest::newRow("upgrade") << "upgrade" << QStringList{"Id", "Version", "SqlText"};
    QTest::newRow("Vcareitems")
        << "Vcareitems"
        << QStringList{"ciId",        "ciAssetId",  "ciCarename", "ciCareitem",
                       "ciPlanhours", "ciFixedays", "ciCareworks", "ciLastCareId"} +
               AssetColumns();
    QTest::newRow("PartfixsQuery")
        << "PartfixsQuery"
        << QStringList{"Id",        "PartId",   "EqiId",     "Fixtime",     "FixTime",
                       "Fixman",    "FixQty",   "Unfixtime", "UnfixTime",   "Unfixman",
                       "UnfixReason", "Remarks", "AssetId"} +
               Columns("PartS", 1, 8) + AssetColumns();
    QTest::newRow("PartrepairsQuery")
        << "PartrepairsQuery"
        << QStringList{"Id",       "PartId",    "RepairDate", "Troubles", "RepairDetails",
                       "Repairman", "CostTime", "CostMoney",  "Notes"} +
               Columns("PartS", 1, 3);
}

void tst_Schema::everyColumnTheProgramNames() {
    QFETCH(QString, table);
    QFETCH(QStringList, columns);

    QStringList missing;
    for (const QString& column : columns) {
        try {
            DB.Execute(QStringLiteral("select %1 from %2 where 1=0").arg(column, table));
        } catch (const EDatabaseError&) {
            missing.append(column);
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing: ") + missing.join(u", ")));

    // Nor does the table have a column that no statement names.
    TRecordSet set;
    set.Open(QStringLiteral("select * from %1 where 1=0").arg(table));
    QStringList actual;
    for (int i = 0; i < set.DataSet().FieldCount(); ++i)
        actual.append(set.DataSet().Fields(i).FieldName().toLower());
    QStringList named;
    for (const QString& column : columns) named.append(Bare(column));
    named.removeDuplicates();
    std::sort(actual.begin(), actual.end());
    std::sort(named.begin(), named.end());
    QCOMPARE(actual, named);
}

void tst_Schema::columnsAreReadWithTheirKinds_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<FieldKind>("kind");
    QTest::addColumn<int>("size");  // of text columns with a length; 0 otherwise

    const auto row = [](const char* name, const char* sql, FieldKind kind, int size = 0) {
        QTest::newRow(name) << QString::fromLatin1(sql) << kind << size;
    };
    row("integer", "select DurableYears from equipments", FieldKind::Integer);
    row("generated key", "select Id from doc", FieldKind::Integer);
    row("text of a length", "select Code from equipments", FieldKind::String, 30);
    row("long text", "select Remark from equipments", FieldKind::Memo);
    row("date-time", "select BuyDate from equipments", FieldKind::DateTime);
    row("float", "select [Float4] from equipments", FieldKind::Float);
    row("boolean", "select IsFree from coderight", FieldKind::Boolean);
    row("typed flag", "select Vbool from keyvalue", FieldKind::Boolean);
    row("binary", "select Photo from eqimages", FieldKind::Blob);
    row("template", "select Fr3File from report", FieldKind::Blob);
    row("view text", "select AssetCode from Vcareitems", FieldKind::String, 30);
    row("view integer", "select ciFixedays from Vcareitems", FieldKind::Integer);
    row("view date-time", "select Fixtime from PartfixsQuery", FieldKind::DateTime);
    row("view joined text", "select PartS2 from PartfixsQuery", FieldKind::String, 50);
    row("view float", "select CostMoney from PartrepairsQuery", FieldKind::Float);
}

void tst_Schema::columnsAreReadWithTheirKinds() {
    QFETCH(QString, sql);
    QFETCH(FieldKind, kind);
    QFETCH(int, size);

    TRecordSet set;
    set.Open(sql + QStringLiteral(" where 1=0"));
    const Field& field = set.DataSet().Fields(0);
    QCOMPARE(field.Kind(), kind);
    if (size > 0) QCOMPARE(field.Size(), size);
}

void tst_Schema::initialRows_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariant>("expected");

    const auto row = [](const char* name, const char* sql, const QVariant& expected) {
        QTest::newRow(name) << QString::fromUtf8(sql) << expected;
    };
    row("company row 0", "select count(*) from Company where Id=0", 1);
    row("only sa", "select count(*) from operator", 1);
    row("sa without password", "select count(*) from operator where LoginId='sa' and [Password]=''", 1);
    // Option n is the (n+1)-th row in key order, so the keys must run from 0 without a gap.
    row("options counted", "select count(*) from options", 66);
    row("options from 0", "select min([Key]) from options", 0);
    row("options to 65", "select max([Key]) from options", 65);
    row("option 0 empty", "select count(*) from options where [Key]=0 and List=''", 1);
    row("option 25", "select List from options where [Key]=25", QStringLiteral("字符型1"));
    row("option 30", "select List from options where [Key]=30", QStringLiteral("字符型6"));
    row("option 65", "select List from options where [Key]=65", QStringLiteral("字符型7"));
    row("option 31", "select List from options where [Key]=31", QStringLiteral("数字型1"));
    row("option 39", "select List from options where [Key]=39", QStringLiteral("数字型9"));
    row("option 42", "select List from options where [Key]=42", QStringLiteral("日期型3"));
    row("option 45", "select List from options where [Key]=45", QStringLiteral("字符型3"));
    row("option 46 empty", "select count(*) from options where [Key]=46 and List=''", 1);
    row("option 49", "select List from options where [Key]=49", QStringLiteral("数字型3"));
    row("option 55", "select List from options where [Key]=55", QStringLiteral("字符型5"));
    row("option 63", "select List from options where [Key]=63", QStringLiteral("数字型5"));
    row("feedback and tip stored",
        "select count(*) from keyvalue where KeyId in (0, 1) and [Value] is not null", 2);
    row("no feedback at exit", "select [Value] from keyvalue where KeyId=0", false);
    row("no tip of the day", "select [Value] from keyvalue where KeyId=1", false);
    row("class level 1 name", "select Vstr from keyvalue where KeyId=12", QStringLiteral("类别一"));
    row("class level 6 name", "select Vstr from keyvalue where KeyId=17", QStringLiteral("类别六"));
    row("class level 1 on", "select Vbool from keyvalue where KeyId=68", true);
    row("class level 6 on", "select Vbool from keyvalue where KeyId=73", true);
    row("one backup row", "select count(*) from [backup]", 1);
    row("no automatic backup", "select count(*) from [backup] where TypeId=0 and BackDir=''", 1);
    row("statuses", "select count(*) from systatus", 4);
    row("in use", "select ForceColor from systatus where Status='在用'", QStringLiteral("clBlack"));
    row("idle", "select ForceColor from systatus where Status='闲置'", QStringLiteral("clBlue"));
    row("in repair", "select ForceColor from systatus where Status='维修'", QStringLiteral("clRed"));
    row("scrapped", "select ForceColor from systatus where Status='报废'", QStringLiteral("clGray"));
    row("a numbering rule", "select count(*) from codes where Digit>0 and MaxId=0", 1);
}

void tst_Schema::initialRows() {
    QFETCH(QString, sql);
    QFETCH(QVariant, expected);
    QCOMPARE(Scalar(sql, expected), expected);
}

void tst_Schema::reservedWordsWorkBracketed_data() {
    QTest::addColumn<QString>("write");
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("backup plan")
        << "update [backup] set TypeId=:TypeId, BackDir=:BackDir"
        << QVariantMap{{"TypeId", 2}, {"BackDir", "D:\\bak\\"}}
        << "select BackDir from [backup] where TypeId=2" << QVariant(QStringLiteral("D:\\bak\\"));
    QTest::newRow("flag in the untyped value")
        << "update keyvalue set [Value]=:Value where KeyId=:KeyId"
        << QVariantMap{{"Value", true}, {"KeyId", 1}}
        << "select [Value] from keyvalue where KeyId=1" << QVariant(true);
    QTest::newRow("text in the untyped value")
        << "insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"
        << QVariantMap{{"KeyId", 3}, {"Value", "Code,EqiName"}}
        << "select [Value] from keyvalue where KeyId=3" << QVariant(QStringLiteral("Code,EqiName"));
    QTest::newRow("option by key")
        << "update options set List=:List where [Key]=:Id"
        << QVariantMap{{"List", "型号"}, {"Id", 5}}
        << "select List from options where [Key]=5" << QVariant(QStringLiteral("型号"));
    QTest::newRow("operator password and note")
        << "insert into operator(LoginId,[Password],Name,Contact,[Note],Rights)"
           "values(:LoginId,:Password,:Name,:Contact,:Note,:Rights)"
        << QVariantMap{{"LoginId", "op1"}, {"Password", "pw"}, {"Name", "张三"},
                       {"Contact", ""}, {"Note", "备注"}, {"Rights", ",118,,119,"}}
        << "select Password from operator where LoginId='op1' and [Note]='备注'"
        << QVariant(QStringLiteral("pw"));
    QTest::newRow("float columns")
        << "insert into equipments(Id, [Float4], [Float8])values(:Id, :F4, :F8)"
        << QVariantMap{{"Id", 1}, {"F4", 4.5}, {"F8", 8.25}}
        << "select [Float4] + [Float8] from equipments where Id=1" << QVariant(12.75);
    QTest::newRow("department note left null")
        << "insert into department(Code,Name,[Note])values(:Code,:Name,:Note)"
        << QVariantMap{{"Code", "01"}, {"Name", "生产部"}}
        << "select count(*) from department where Note is null" << QVariant(1);
}

void tst_Schema::reservedWordsWorkBracketed() {
    QFETCH(QString, write);
    QFETCH(QVariantMap, params);
    QFETCH(QString, read);
    QFETCH(QVariant, expected);

    TDBParameters parameters;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        parameters.append(DBParam(it.key(), it.value()));
    TransactionGuard transaction(DB);  // never committed: the shared database stays as created
    QCOMPARE(DB.ExecSQL(write, parameters), 1);
    QCOMPARE(Scalar(read, expected), expected);
}

void tst_Schema::programStatementsRun_data() {
    QTest::addColumn<QString>("sql");

    QTest::newRow("table spelled Partfixs") << "select * from Partfixs";
    QTest::newRow("table spelled Partrepairs") << "select * from Partrepairs";
    QTest::newRow("table spelled Repairs") << "select * from Repairs";
    QTest::newRow("view spelled PartfixsQuery") << "select * from PartfixsQuery";
    QTest::newRow("view in lower case") << "select * from partrepairsquery order by Id";
    QTest::newRow("department tree")
        << "select Code, Name, Note, (select count(code) from department where "
           "code<=left(a.code,len(a.code)-2)) as FatherIdx from department a order by a.code";
    QTest::newRow("equipment list")
        << "select * from equipments where Code like '%' and UseDeptId like '01%' and "
           "Id in (select EqiId from eqiclass where CataId like '01%' group by EqiId) order by Id";
    QTest::newRow("next care date")
        << "select Vcareitems.*, carecords.*, crCaredate + ciFixedays as NextCaredate from "
           "Vcareitems left join carecords on Vcareitems.ciLastCareId=carecords.crId "
           "where crCaredate + ciFixedays <= '2024-01-01' order by Vcareitems.ciAssetId";
    QTest::newRow("due items, file dialect")
        << "select Vcareitems.*, carecords.* from Vcareitems left join carecords on "
           "Vcareitems.ciLastCareId=carecords.crId where "
           "DateDiff('d', crCareDate, Now())+1 > ciFixedays";
    QTest::newRow("due items, server dialect")
        << "select Vcareitems.*, carecords.* from Vcareitems left join carecords on "
           "Vcareitems.ciLastCareId=carecords.crId where "
           "DateDiff(day, crCareDate, GetDate())+1 > ciFixedays";
    QTest::newRow("care records")
        << "select Vcareitems.*, carecords.* from Vcareitems, carecords where "
           "carecords.crItemId=Vcareitems.ciId  and AssetCode like '%a%' and "
           "(ciCareworks like '%x%' or crCaretents like '%x%') "
           "order by carecords.crCaredate, carecords.crAssetId";
    QTest::newRow("update log report")
        << "select m.*, d.*, e.Code as EqiCode, e.EqiName, e.PartNo as EqiPartNo from equiplogs m, "
           "equiplogsdl d, equipments e where m.Id=d.LogId and m.EquipId=e.Id  and "
           "UpdateTime>='2024-01-01'";
    QTest::newRow("repairs")
        << "select r.Id, e.Id as AssetId, e.Partno as AssetPartno, e.Chkacpt as AssetChkacpt, "
           "r.SancTime as RepairSanctime from equipments e, Repairs r where e.Id=r.EqiId  and "
           "(not RepairDate is null) and UseDeptId like '01%'";
    QTest::newRow("stock totals")
        << "select PartId, 0 as KindId, sum(Inout*(Qty-QtyA)) as tQty from partin m, partindl d "
           "where m.Id=d.InId group by PartId union all select PartId, 1, sum(Inout*QtyA) from "
           "partin m, partindl d where m.Id=d.InId group by PartId union all select PartId, 2, "
           "-1*sum(Qty) from partuse group by PartId ";
    QTest::newRow("parts with stock columns")
        << "select *, F1, F1 as StockQty, F1 as BuyingQty, F1 as InedQty, F1 as UsedQty, "
           "F1 as MinQtyR from parts  where S1 like '%a%'";
    QTest::newRow("bill lines with headers")
        << "select m.*, d.*, d.Qty-d.QtyA as QtyR, p.S1 as PartS1 from partin m, partindl d, "
           "parts p where m.Id=d.InId and d.PartId=p.Id  and PartId=1 and Inout=1 and "
           "Notes like '%a%' and (d.Qty <> d.QtyA)";
    QTest::newRow("consumption")
        << "select u.*, p.S1 as PartS1, '保养' as UseItem, crCareman as Useman, crCaredate as "
           "UseDate, null as UseDate2, crCaretents as UseContent, e.Id as AssetId from carecords "
           "c, parts p, equipments e, partuse u where c.crId=u.CarecordId and u.PartId=p.Id and "
           "c.crAssetId=e.Id  union all select u.*, p.S1 as PartS1, '维修' as UseItem, "
           "r.Handman, r.SendDate, r.RepairDate, r.Trouble, e.Id as AssetId from repairs r, "
           "parts p, equipments e, partuse u where r.Id=u.RepairId and u.PartId=p.Id and "
           "r.EqiId=e.Id ";
    QTest::newRow("accident analysis")
        << "select AccDept, count(*), sum(AccMoney) from accidents  where AccDate>='2024-01-01' "
           "group by AccDept";
    QTest::newRow("report key") << "select top 1 Id from report order by Id desc";
}

void tst_Schema::programStatementsRun() {
    QFETCH(QString, sql);
    TRecordSet set;
    set.Open(sql);
    QCOMPARE(set.DataSet().RecordCount(), 0);
}

void tst_Schema::nextCareDateAddsThePeriod() {
    TransactionGuard transaction(DB);
    DB.Execute("insert into equipments(Id, Code) values (1, 'SB000001')");
    DB.Execute("insert into careitems(ciId, ciAssetId, ciFixedays, ciLastCareId) values (1, 1, 30, 1)");
    DB.ExecSQL("insert into carecords(crId, crAssetId, crItemId, crCaredate) values (1, 1, 1, :D)",
               {DBParam("D", QDateTime(QDate(2024, 3, 1), QTime(0, 0)))});
    const QString items = QStringLiteral(
        "select Vcareitems.*, carecords.*, crCaredate + ciFixedays as NextCaredate from Vcareitems "
        "left join carecords on Vcareitems.ciLastCareId=carecords.crId %1 "
        "order by Vcareitems.ciAssetId");

    TQuerySet set;
    QCOMPARE(set.Open(items.arg(QString())), 1);
    QCOMPARE(set.Query().FieldByName("AssetCode").AsString(), QStringLiteral("SB000001"));
    // SQLite stores dates as text, which does not add days; only the server computes the date.
    if (!OnServer()) return;
    QCOMPARE(set.Query().FieldByName("NextCaredate").AsDateTime(),
             QDateTime(QDate(2024, 3, 31), QTime(0, 0)));
    QCOMPARE(set.Open(items.arg("where crCaredate + ciFixedays <= '2024-03-31'")), 1);
    QCOMPARE(set.Open(items.arg("where crCaredate + ciFixedays <= '2024-03-30'")), 0);
}

void tst_Schema::documentsAndLinksAreNumberedByTheDatabase() {
    TransactionGuard transaction(DB);
    for (const char* title : {"说明书", "图纸"}) {
        DB.ExecSQL("insert into doc(Title,Source,DocData,[Note])values(:Title,:Source,:DocData,:Note)",
                   {DBParam("Title", QString::fromUtf8(title)), DBParam("Source", "a.pdf"),
                    DBParam("Note", "")},
                   {xDBParam("DocData", QByteArray("%PDF"))});
        DB.ExecSQL("insert into link(GroupId,Title,lpFile,lpParameters,[Note])"
                   "values(:GroupId,:Title,:lpFile,:lpParameters,:Note)",
                   {DBParam("GroupId", 0), DBParam("Title", QString::fromUtf8(title)),
                    DBParam("lpFile", "IEXPLORE.EXE"), DBParam("lpParameters", "http://x"),
                    DBParam("Note", "")});
    }
    for (const char* table : {"doc", "link"}) {
        TRecordSet set;
        QCOMPARE(set.Open(QStringLiteral("select Id from %1 order by Id").arg(QLatin1String(table))), 2);
        const int first = set.DataSet().Fields(0).AsInteger();
        set.DataSet().Next();
        QVERIFY2(first > 0 && set.DataSet().Fields(0).AsInteger() > first, table);
    }
}

void tst_Schema::lookupsUseTheirIndexes_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("index");

    const auto row = [](const char* name, const char* sql, const char* index) {
        QTest::newRow(name) << QString::fromLatin1(sql) << QString::fromLatin1(index);
    };
    row("department prefix", "select Id from equipments where UseDeptId like '0101%'",
        "ix_equipments_usedeptid");
    row("status", "select Id from equipments where Status = 'x'", "ix_equipments_status");
    row("code prefix of digits", "select Id from equipments where Code like '2024%'",
        "ix_equipments_code");
    row("accessories", "select Id from accessories where EqiId=1", "ix_accessories_eqiid");
    row("accidents", "select Id from accidents where AssetId=1", "ix_accidents_assetid");
    row("care items", "select ciId from careitems where ciAssetId=1", "ix_careitems_ciassetid");
    row("care records of equipment", "select crId from carecords where crAssetId=1",
        "ix_carecords_crassetid");
    row("care records of an item", "select crId from carecords where crItemId=1",
        "ix_carecords_critemid");
    row("changes", "select Id from changes where AssetId=1", "ix_changes_assetid");
    row("catalogue links", "select EqiId from eqiclass where CataId like '01%'",
        "ix_eqiclass_cataid");
    row("notes", "select Id from eqievents where EqiId=1", "ix_eqievents_eqiid");
    row("documents", "select Id from eqifile where EqiId=1", "ix_eqifile_eqiid");
    row("photos", "select Id from eqimages where EqiId=1", "ix_eqimages_eqiid");
    row("update log", "select Id from equiplogs where EquipId=1", "ix_equiplogs_equipid");
    row("update log details", "select Id from equiplogsdl where LogId=1", "ix_equiplogsdl_logid");
    row("installations of a part", "select Id from partfixs where PartId=1", "ix_partfixs_partid");
    row("installations on equipment", "select Id from partfixs where EqiId=1", "ix_partfixs_eqiid");
    row("bill lines", "select dlId from partindl where InId=1", "ix_partindl_inid");
    row("bill lines of a part", "select dlId from partindl where PartId=1", "ix_partindl_partid");
    row("part repairs", "select Id from partrepairs where PartId=1", "ix_partrepairs_partid");
    row("usage of a repair", "select dlId from partuse where RepairId=1", "ix_partuse_repairid");
    row("usage of a care record", "select dlId from partuse where CarecordId=1",
        "ix_partuse_carecordid");
    row("usage of a part", "select dlId from partuse where PartId=1", "ix_partuse_partid");
    row("repairs", "select Id from repairs where EqiId=1", "ix_repairs_eqiid");
    row("report group", "select Id from report where GrpId=1", "ix_report_grpid");
    row("operator log by time", "select Id from logs where Logtime>='2024-01-01'",
        "ix_logs_logtime");
}

// The tables are empty, so the server is told to avoid whole-table scans where it can.
void tst_Schema::lookupsUseTheirIndexes() {
    QFETCH(QString, sql);
    QFETCH(QString, index);

    TRecordSet plan;
    if (OnServer()) {
        DB.Execute("set enable_seqscan = off");
        plan.Open(QStringLiteral("explain ") + sql);
        DB.Execute("reset enable_seqscan");
    } else {
        plan.Open(QStringLiteral("explain query plan ") + sql);
    }
    const QString text = PlanText(plan);
    QVERIFY2(text.contains(index), qPrintable(text));
}

LANYUE_ENGINE_TEST_MAIN(tst_Schema)
#include "tst_schema.moc"
