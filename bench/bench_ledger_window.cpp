// The equipment ledger with 100,000 machines on the real schema, each step timed against a raw
// baseline in the same run: opening the list through the ledger set against a bare QSqlQuery loop
// of the same statement, opening the whole window (grid, detail panel) against the same loop,
// and the find bar's keyword search against a plain loop over the names.
//
//   bench_ledger_window [rows] [sqlite|postgresql]   (postgresql needs LANYUE_TEST_PG)

#include "TestDatabase.h"

#include "admin/Operator.h"
#include "data/Schema.h"
#include "equipment/AssetListFrm.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptSet.h"
#include "equipment/SystatuSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {

const QString kNames[] = {QStringLiteral("数控车床"), QStringLiteral("立式铣床"), QStringLiteral("摇臂钻床"),
                          QStringLiteral("平面磨床"), QStringLiteral("加工中心"), QStringLiteral("空压机")};
const QString kStatuses[] = {QStringLiteral("在用"), QStringLiteral("闲置"), QStringLiteral("维修")};

void Fill(int rows) {
    DB.ExecSQL("delete from department");
    for (int d = 0; d < 20; ++d)
        DB.ExecSQL("insert into department(Code,Name)values(:C,:N)",
                   {DBParam("C", QStringLiteral("%1").arg(d, 2, 10, QChar(u'0'))),
                    DBParam("N", QStringLiteral("车间%1").arg(d))});
    std::mt19937 rng(7);
    DB.BeginTrans();
    for (int id = 1; id <= rows; ++id) {
        const QString name = kNames[rng() % 6] + QString::number(rng() % 1000);
        DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,Manufactory,Status,UseDeptId,FixPlace,"
                   "BuyDate,OriginalValue,Remark,AddTime)values(:Id,:Code,:Name,:PartNo,:Factory,:Status,:Dept,"
                   ":Place,:Buy,:Value,:Remark,:Added)",
                   {DBParam("Id", id), DBParam("Code", QStringLiteral("SB%1").arg(id, 6, 10, QChar(u'0'))),
                    DBParam("Name", name), DBParam("PartNo", QStringLiteral("CK%1").arg(rng() % 9000)),
                    DBParam("Factory", QStringLiteral("沈阳机床厂")), DBParam("Status", kStatuses[rng() % 3]),
                    DBParam("Dept", QStringLiteral("%1").arg(rng() % 20, 2, 10, QChar(u'0'))),
                    DBParam("Place", QStringLiteral("一号厂房")),
                    DBParam("Buy", QDateTime(QDate(2000, 1, 1).addDays(rng() % 9000), QTime())),
                    DBParam("Value", double(rng() % 10000000) / 100.0),
                    DBParam("Remark", QStringLiteral("定期检修,注意润滑")), DBParam("Added", QDateTime::currentDateTime())});
    }
    DB.CommitTrans();
}

double Best(const std::function<void()>& run) {
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

void RawList(const QString& sql) {
    QSqlQuery q(DB.Connection());
    q.setForwardOnly(true);
    q.exec(sql);
    const int columns = q.record().count();
    qint64 touched = 0;
    while (q.next())
        for (int i = 0; i < columns; ++i) touched += q.value(i).isValid();
    if (touched == 0) std::printf("nothing read\n");
}

void Report(const char* what, double ours, double raw) {
    std::printf("%-34s %8.0f ms   baseline %8.0f ms   ratio %.2f\n", what, ours, raw, ours / raw);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const TestEngine engine = argc > 2 && QByteArray(argv[2]) == "postgresql" ? TestEngine::PostgreSQL
                                                                            : TestEngine::SQLite;
    if (!TestDatabase::Unavailable(engine).isEmpty()) {
        std::printf("%s\n", qPrintable(TestDatabase::Unavailable(engine)));
        return 1;
    }
    TestDatabase database(engine);
    CreateSchema(DB);
    Fill(rows);
    DeptSet.LoadAll();
    SystatuSet.Load();
    CurrentOperator.Load(QStringLiteral("sa"));
    std::printf("engine %s, %d machines\n", qPrintable(EngineName(engine)), rows);

    TAssetsSet probe;
    const QString sql = probe.Where.ListSql();
    const double raw = Best([&] { RawList(sql); });
    Report("open the list (TAssetsSet)", Best([] {
               TAssetsSet set;
               set.OpenByWhere();
           }), raw);
    Report("open the ledger window", Best([] {
               TAssetListFrm window;
               window.resize(1200, 800);
               window.show();
               QApplication::processEvents();
           }), raw);

    TAssetListFrm window;
    window.show();
    QApplication::processEvents();
    // The keyword looks into five columns; the baseline does the same over decoded texts.
    DataSet& data = window.Assets().Query();
    std::vector<QStringList> texts;
    for (const char* column : {"Code", "EqiName", "PartNo", "Manufactory", "Remark"}) {
        const int field = data.FieldByName(QString::fromLatin1(column)).Index();
        QStringList values;
        for (int row = 0; row < data.RecordCount(); ++row) values.append(data.ValueAt(row, field).toString());
        texts.push_back(values);
    }
    const QString keyword = QStringLiteral("铣床1");
    const double plain = Best([&] {
        int found = 0;
        for (int row = 0; row < int(texts[0].size()); ++row)
            found += std::any_of(texts.begin(), texts.end(),
                                 [&](const QStringList& t) { return t[row].contains(keyword, Qt::CaseInsensitive); });
        if (found == 0) std::printf("no match\n");
    });
    double search = 1e300;
    for (int round = 0; round < 3; ++round) {
        window.ResetFind();
        window.QuickFind();
        QElapsedTimer timer;
        timer.start();
        window.Assets().Where.KeywordFld->SetAsString(keyword);
        window.QuickFind();
        QApplication::processEvents();
        search = std::min(search, double(timer.nsecsElapsed()) / 1e6);
    }
    Report("keyword search (find bar)", search, plain);
    return 0;
}
