#include "EngineTest.h"
#include "MessageRecorder.h"

#include "data/BatchEditSet.h"
#include "data/CustomWhere.h"
#include "data/QuerySet.h"
#include "data/RecordSet.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"

#include <QLineEdit>

namespace {

void CreateStatuses() {
    DB.ExecSQL("create table systatus (Id integer primary key, Name varchar(20), Color varchar(20), Qty double precision)");
    const QStringList names = {"在用", "闲置", "维修"};
    for (int i = 0; i < names.size(); ++i)
        DB.ExecSQL("insert into systatus(Id, Name, Color, Qty)values(:Id, :Name, :Color, :Qty)",
                   {DBParam("Id", i + 1), DBParam("Name", names[i]), DBParam("Color", "clBlack"),
                    DBParam("Qty", 1.5 * (i + 1))});
}

QStringList StoredNames() {
    TRecordSet set;
    set.Open("select Id, Name from systatus order by Id");
    QStringList rows;
    for (set.DataSet().First(); !set.DataSet().Eof(); set.DataSet().Next())
        rows.append(set.DataSet().Fields(0).AsString() + ":" + set.DataSet().Fields(1).AsString());
    return rows;
}

// A status dictionary edited as a whole, saved by the batch-edit convention.
class StatusSet : public TBatchEditSet {
public:
    StatusSet() : TBatchEditSet("systatus", "Id") {
        IdFld = AddField(FieldKind::Integer, "Id", -1, false, "编号");
        NameFld = AddField(FieldKind::String, "Name", 20, true, "状态");
        ColorFld = AddField(FieldKind::String, "Color", 20, true, "颜色");
        AddDeleIdField();
    }
    void OpenAll() { OpenBatch("select d.*, d.Id AS DeleId from systatus d order by d.Id"); }
    Field* IdFld;
    Field* NameFld;
    Field* ColorFld;

protected:
    int InsertRecord(int key) override {
        return DB.ExecSQL("insert into systatus(Id, Name, Color)values(:Id, :Name, :Color)",
                          {DBParam("Id", key), DBParam("Name", NameFld->Value()),
                           DBParam("Color", ColorFld->Value())});
    }
    int UpdateRecord() override {
        return DB.ExecSQL("update systatus set Name=:Name, Color=:Color where Id=:Id",
                          {DBParam("Name", NameFld->Value()), DBParam("Color", ColorFld->Value()),
                           DBParam("Id", IdFld->AsInteger())});
    }
};

class DateWhere : public TCustomWhere {
public:
    DateWhere() {
        Logtime1Fld = AddFieldDef(FieldKind::DateTime, "Logtime1", 0, true, "从");
        ActnameFld = AddFieldDef(FieldKind::String, "Actname", 50, true, "操作");
        IdFld = AddFieldDef(FieldKind::Integer, "Id", 0, true, "编号");
        CreateConditionRow();
    }
    Field* Logtime1Fld;
    Field* ActnameFld;
    Field* IdFld;
};

} // namespace

class tst_RecordSets : public QObject {
    Q_OBJECT
public:
    explicit tst_RecordSets(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void joinValues();
    void sumOfKeepsCurrentRow();
    void refreshReturnsToKeyRow();
    void persistentFieldsMustBeInResult();
    void addFieldDefSizes_data();
    void addFieldDefSizes();
    void conditionsClearAndBuildWhere();
    void batchEditSavesInsertUpdateDelete();
    void batchEditFailureLeavesMemoryAsItWas();
    void deleteOnRecordSet();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_RecordSets::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateStatuses();
}

void tst_RecordSets::cleanup() {
    m_db.reset();
}

void tst_RecordSets::joinValues() {
    TQuerySet set;
    QCOMPARE(set.JoinValues("Name", ","), QString());  // closed
    set.Open("select * from systatus where Id>:Id order by Id", {DBParam("Id", 9)});
    QCOMPARE(set.JoinValues("Name", ","), QString());  // empty
    set.Open("select * from systatus order by Id");
    QCOMPARE(set.JoinValues("Name", "、"), QStringLiteral("在用、闲置、维修"));
    QVERIFY(set.Query().Eof());
    QCOMPARE(set.JoinValues("NoSuchField", ","), QString());
    TRecordSet rs;
    rs.Open("select Id from systatus order by Id desc");
    QCOMPARE(rs.JoinValues(rs.DataSet().Fields(0), ";"), QStringLiteral("3;2;1"));
}

void tst_RecordSets::sumOfKeepsCurrentRow() {
    TQuerySet set;
    set.Open("select * from systatus order by Id");
    set.Query().SetRecNo(2);
    QCOMPARE(set.SumOf(set.Query().FieldByName("Qty")), 9.0);
    QCOMPARE(set.Query().RecNo(), 2);
}

void tst_RecordSets::refreshReturnsToKeyRow() {
    TQuerySet set;
    set.Open("select * from systatus order by Id");
    QVERIFY(set.Query().Locate("Name", "闲置"));
    DB.ExecSQL("insert into systatus(Id, Name)values(0, '报废')");
    set.Refresh(&set.Query().FieldByName("Id"));
    QCOMPARE(set.Query().RecordCount(), 4);
    QCOMPARE(set.Query().FieldByName("Name").AsString(), QStringLiteral("闲置"));
    set.Refresh();
    QCOMPARE(set.Query().RecNo(), 1);
}

void tst_RecordSets::persistentFieldsMustBeInResult() {
    MessageRecorder messages;
    TQuerySet set;
    set.AddField(FieldKind::Integer, "Id", -1, false, "编号");
    Field* name = set.AddField(FieldKind::String, "Name", 20, true, "名称");
    QCOMPARE(set.Open("select Name, Id, Color from systatus order by Id"), 3);
    QCOMPARE(set.Query().FieldCount(), 2);
    QCOMPARE(name->DisplayLabel(), QStringLiteral("名称"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, set.Open("select Id from systatus"));
    QVERIFY(messages.Requests().isEmpty());
}

void tst_RecordSets::addFieldDefSizes_data() {
    QTest::addColumn<int>("declared");
    QTest::addColumn<int>("size");
    QTest::newRow("10 keeps the default") << 10 << 20;
    QTest::newRow("50") << 50 << 50;
    QTest::newRow("139") << 139 << 139;
    QTest::newRow("140") << 140 << 140;
    QTest::newRow("255 is capped") << 255 << 140;
}

void tst_RecordSets::addFieldDefSizes() {
    QFETCH(int, declared);
    QFETCH(int, size);
    TJtClientDataSet set;
    QCOMPARE(set.AddFieldDef(FieldKind::String, "Text", declared, true, "文本")->Size(), size);
}

void tst_RecordSets::conditionsClearAndBuildWhere() {
    DateWhere where;
    QLineEdit typed;
    DataSource source(where.DataSet());
    source.Bind(&typed, *where.ActnameFld);
    typed.setText("登录");
    Q_EMIT typed.textEdited(typed.text());
    where.Logtime1Fld->SetAsDateTime(QDateTime(QDate(2009, 1, 6), QTime(15, 30)));
    where.IdFld->SetAsInteger(12);
    where.CommitEdits();
    TConditionText conditions;
    conditions.AddInteger("%s and Id=%d", *where.IdFld);
    conditions.AddText("%s and Actname like '%s'", *where.ActnameFld);
    conditions.AddDateFrom("%s and Logtime>=%s", *where.Logtime1Fld);
    conditions.AddDateTo("%s and Logtime<%s", *where.Logtime1Fld);
    const QString d1 = DB.DateLiteral(QDate(2009, 1, 6)), d2 = DB.DateLiteral(QDate(2009, 1, 7));
    QCOMPARE(conditions.Where(), " where Id=12 and Actname like '登录' and Logtime>=" + d1 + " and Logtime<" + d2);

    where.Clear();
    QVERIFY(where.Logtime1Fld->IsNull());
    QVERIFY(where.IdFld->IsNull());
    QVERIFY(where.ActnameFld->AsString().isEmpty());
    QCOMPARE(typed.text(), QString());
    QCOMPARE(where.DataSet().RecordCount(), 1);
    TConditionText none;
    none.AddText("%s and Actname like '%s'", *where.ActnameFld);
    none.AddInteger("%s and Id=%d", *where.IdFld);
    QCOMPARE(none.Where(), QString());
}

void tst_RecordSets::batchEditSavesInsertUpdateDelete() {
    StatusSet set;
    set.OpenAll();
    DataSet& q = set.Query();
    QVERIFY(q.Locate("Name", "闲置"));
    set.DeleteRow();
    QCOMPARE(q.RecordCount(), 2);
    QVERIFY(q.Locate("Name", "维修"));
    q.Edit();
    set.ColorFld->SetAsString("clRed");
    q.Post();
    q.Append();
    set.NameFld->SetAsString("报废");
    set.ColorFld->SetAsString("clGray");
    q.Post();
    QCOMPARE(set.IdFld->AsInteger(), 0);
    QVERIFY(q.Filtered());

    set.Save();
    QCOMPARE(StoredNames(), (QStringList{"1:在用", "3:维修", "4:报废"}));
    ScratchSet.Open("select Color from systatus where Id=3");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsString(), QStringLiteral("clRed"));
    QVERIFY(q.Filtered());
    QCOMPARE(q.RecordCount(), 3);
    QVERIFY(q.Locate("Name", "报废"));
    QCOMPARE(set.IdFld->AsInteger(), 4);

    set.Save();  // saving again changes nothing
    QCOMPARE(StoredNames(), (QStringList{"1:在用", "3:维修", "4:报废"}));
}

void tst_RecordSets::batchEditFailureLeavesMemoryAsItWas() {
    StatusSet set;
    set.OpenAll();
    DataSet& q = set.Query();
    q.First();
    set.DeleteRow();
    q.Append();
    set.NameFld->SetAsString(QString(40, u'长'));  // longer than the column allows on the server
    q.Post();
    if (m_engine == TestEngine::SQLite)
        DB.ExecSQL("create trigger refuse before insert on systatus begin select raise(abort, 'refused'); end");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, set.Save());
    QCOMPARE(StoredNames(), (QStringList{"1:在用", "2:闲置", "3:维修"}));
    QVERIFY(q.Filtered());
    QCOMPARE(q.RecordCount(), 3);
    q.SetFiltered(false);
    QCOMPARE(q.RecordCount(), 4);
}

void tst_RecordSets::deleteOnRecordSet() {
    TRecordSet set;
    set.Open("select * from systatus where Id=0");
    set.Delete();  // empty: nothing happens
    set.Open("select * from systatus order by Id");
    set.Delete();
    QCOMPARE(set.DataSet().RecordCount(), 2);
    set.DeleteAll();
    QCOMPARE(set.DataSet().RecordCount(), 0);
    QCOMPARE(StoredNames().size(), 3);  // memory only
}

LANYUE_ENGINE_TEST_MAIN(tst_RecordSets)
#include "tst_recordsets.moc"
