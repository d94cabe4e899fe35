#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AssetListFrm.h"
#include "equipment/AssetsSet.h"
#include "equipment/CustomStatFrm.h"
#include "equipment/DeptSet.h"
#include "equipment/EqiCountSet.h"
#include "equipment/SystatuSet.h"
#include "ui/jtDBGrid.h"

#include <QChart>
#include <QListWidget>
#include <QPieSeries>

namespace {

// Ten machines: six in use, four idle, one without a place; values and Float9 to sum.
void TenMachines() {
    for (int id = 1; id <= 10; ++id)
        DB.ExecSQL("insert into equipments(Id,Code,EqiName,Status,FixPlace,OriginalValue,Float9)"
                   "values(:Id,:Code,'车床',:Status,:Place,:Value,:F9)",
                   {DBParam("Id", id), DBParam("Code", QStringLiteral("SB%1").arg(id)),
                    DBParam("Status", id <= 6 ? "在用" : "闲置"), DBParam("Place", id == 3 ? QVariant() : "一号厂房"),
                    DBParam("Value", 1000.0 * id), DBParam("F9", 0.5)});
}

QStringList Rows(const TCustomCountSet& counts) {
    QStringList rows;
    const DataSet& d = counts.DataSet();
    for (int row = 0; row < d.RecordCount(); ++row)
        rows.append(d.ValueAt(row, 0).toString() + u':' + d.ValueAt(row, 1).toString());
    return rows;
}

} // namespace

class tst_Statistics : public QObject {
    Q_OBJECT
public:
    explicit tst_Statistics(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void groupsCountsAndSums();
    void hiddenColumnsAreNotOfferedButSummed();
    void windowShowsListChartAndFooter();
    void ledgerKeepsItsRowAndChecksTheRight();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_Statistics::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DeptSet.LoadAll();
    SystatuSet.Load();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    TenMachines();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_Statistics::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_Statistics::groupsCountsAndSums() {
    TAssetsSet set;
    set.OpenByWhere();
    TEqiCountSet counts;
    counts.SetSourceSet(&set.Query());
    counts.Count("设备状况");
    QCOMPARE(Rows(counts), (QStringList{"在用:6", "闲置:4"}));
    QCOMPARE(counts.ItemField->DisplayLabel(), QStringLiteral("设备状况"));
    DataSet& d = counts.DataSet();
    d.First();
    QCOMPARE(d.FieldByName("Fnd").AsFloat(), 21000.0);
    QCOMPARE(d.FieldByName("Float9").AsFloat(), 3.0);
    counts.Count("安装地点");
    QCOMPARE(Rows(counts), (QStringList{"一号厂房:9", ":1"}));
    counts.Count("没有这一栏");
    QCOMPARE(Rows(counts), (QStringList{"一号厂房:9", ":1"}));

    set.Query().SetFilter("Status = '闲置'");  // only the rows the list shows are counted
    set.Query().SetFiltered(true);
    counts.Count("设备状况");
    QCOMPARE(Rows(counts), QStringList{"闲置:4"});
}

void tst_Statistics::hiddenColumnsAreNotOfferedButSummed() {
    Restrictions.ValueVisible = false;
    TAssetsSet set;
    set.OpenByWhere();
    TEqiCountSet counts;
    counts.SetSourceSet(&set.Query());
    QStringList labels;
    counts.GroupLabels(labels);
    QVERIFY(!labels.contains("设备原值"));
    QVERIFY(!labels.contains("备注"));
    QCOMPARE(labels.first(), QStringLiteral("ID"));
    counts.Count("设备状况");
    QCOMPARE(counts.DataSet().FieldByName("Fnd").AsFloat(), 21000.0);
}

void tst_Statistics::windowShowsListChartAndFooter() {
    TAssetsSet set;
    set.OpenByWhere();
    auto* window = new TEqiStatFrm;
    window->SetSourceSet(&set.Query());
    QCOMPARE(window->windowTitle(), QStringLiteral("设备统计"));
    QCOMPARE(window->Labels()->currentItem()->text(), QStringLiteral("ID"));
    window->Labels()->setCurrentRow(window->Labels()->row(
        window->Labels()->findItems("设备状况", Qt::MatchExactly).first()));
    QCOMPARE(window->Grid()->FooterText("Cnt"), QStringLiteral("10"));
    QCOMPARE(window->Chart()->title(), QStringLiteral("设备状况"));
    auto* pie = qobject_cast<QPieSeries*>(window->Chart()->series().first());
    QCOMPARE(pie->count(), 2);
    QCOMPARE(pie->slices().first()->value(), 6.0);
    window->close();
}

void tst_Statistics::ledgerKeepsItsRowAndChecksTheRight() {
    TAssetListFrm list;
    list.Assets().Query().SetRecNo(7);
    WhenShown<TEqiStatFrm>([](TEqiStatFrm& window) {
        window.Labels()->setCurrentRow(window.Labels()->count() - 1);
        window.close();
    });
    list.StatAction()->trigger();
    QCOMPARE(list.Assets().Query().RecNo(), 7);

    CurrentOperator.LoginId = "clerk";
    CurrentOperator.Rights = ",10004,";
    ModalCloser closer;
    list.StatAction()->trigger();
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(m_messages->Last().trimmed(), QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(109)."));
}

LANYUE_ENGINE_TEST_MAIN(tst_Statistics)
#include "tst_statistics.moc"
