// Opens 100,000 rows shaped like the equipment ledger through TQuerySet and, in the same run,
// reads the same select through a bare QSqlQuery loop. Prints both times, their ratio and the
// memory the opened set holds per row against the raw text size of a row.
//
//   bench_ledger_open [rows] [sqlite|postgresql]   (postgresql needs LANYUE_TEST_PG)

#include "TestDatabase.h"

#include "data/QuerySet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int kInts = 9, kFloats = 15, kDates = 10, kTexts = 34;
const QString kSelect = QStringLiteral("select * from equipments order by Id");

QString Columns(bool withTypes, bool pg) {
    QStringList cols{withTypes ? QStringLiteral("Id integer primary key") : QStringLiteral("Id")};
    const auto add = [&](const char* prefix, int count, const char* type) {
        for (int i = 1; i <= count; ++i)
            cols.append(QStringLiteral("%1%2%3").arg(QLatin1String(prefix)).arg(i).arg(
                withTypes ? QLatin1String(" ") + QLatin1String(type) : QString()));
    };
    add("I", kInts, "integer");
    add("F", kFloats, "double precision");
    add("D", kDates, pg ? "timestamp" : "datetime");
    add("S", kTexts, "varchar(50)");
    cols.append(withTypes ? QStringLiteral("Remarks text") : QStringLiteral("Remarks"));
    return cols.join(QStringLiteral(", "));
}

QString Text(std::mt19937& rng, int minLen, int maxLen) {
    static const QString pool = QStringLiteral(
        "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789-车床铣床钻床磨床数控加工中心设备动力车间");
    const int n = std::uniform_int_distribution<int>(minLen, maxLen)(rng);
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i) s += pool[std::uniform_int_distribution<int>(0, int(pool.size()) - 1)(rng)];
    return s;
}

void Fill(int rows, bool pg) {
    DB.ExecSQL(QStringLiteral("create table equipments (%1)").arg(Columns(true, pg)));
    QStringList markers;
    const QStringList names = Columns(false, pg).split(QStringLiteral(", "));
    for (const QString& n : names) markers.append(u':' + n);
    const QString insert = QStringLiteral("insert into equipments(%1)values(%2)")
                               .arg(names.join(u','), markers.join(u','));
    std::mt19937 rng(42);
    DB.BeginTrans();
    for (int r = 1; r <= rows; ++r) {
        TDBParameters params;
        params.reserve(names.size());
        for (const QString& n : names) {
            QVariant v;
            switch (n[0].unicode()) {
            case u'I': v = n == u"Id" ? r : int(rng() % 100000); break;
            case u'F': v = double(rng() % 10000000) / 100.0; break;
            case u'D': v = QDateTime(QDate(2000, 1, 1).addDays(rng() % 9000), QTime(0, 0)); break;
            case u'S': v = Text(rng, 20, 50); break;
            default: v = Text(rng, 150, 250); break;
            }
            params.append(DBParam(n, v));
        }
        DB.ExecSQL(insert, params);
    }
    DB.CommitTrans();
}

qint64 HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> parts = statm.readAll().split(' ');
    return parts.value(1).toLongLong() * 4096;
}

// The raw text size: every cell's value as text, UTF-8 encoded.
double RawTextBytesPerRow(int rows) {
    QSqlQuery q(DB.Connection());
    q.setForwardOnly(true);
    q.exec(kSelect);
    qint64 bytes = 0;
    while (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            if (!q.isNull(i)) bytes += q.value(i).toString().toUtf8().size();
    return double(bytes) / rows;
}

double TimeRaw() {
    QElapsedTimer timer;
    timer.start();
    QSqlQuery q(DB.Connection());
    q.setForwardOnly(true);
    q.exec(kSelect);
    const int columns = q.record().count();
    qint64 touched = 0;
    while (q.next())
        for (int i = 0; i < columns; ++i) touched += q.value(i).isValid();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (touched == 0) std::printf("nothing read\n");
    return ms;
}

double TimeQuerySet(int expectedRows) {
    QElapsedTimer timer;
    timer.start();
    TQuerySet set;
    const int rows = set.Open(kSelect);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (rows != expectedRows) std::printf("opened %d rows, expected %d\n", rows, expectedRows);
    return ms;
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
    std::printf("engine %s, %d rows of %d columns\n", qPrintable(EngineName(engine)), rows,
                1 + kInts + kFloats + kDates + kTexts + 1);
    QElapsedTimer fillTimer;
    fillTimer.start();
    Fill(rows, engine == TestEngine::PostgreSQL);
    std::printf("filled in %.1f s\n", double(fillTimer.elapsed()) / 1000);

    // Memory first, before any other reading has left freed blocks for the set to reuse.
    const qint64 heapBefore = HeapInUse(), rssBefore = ResidentBytes();
    auto held = std::make_unique<TQuerySet>();
    held->Open(kSelect);
    const double heapPerRow = double(HeapInUse() - heapBefore) / rows;
    const double rssPerRow = double(ResidentBytes() - rssBefore) / rows;
    held.reset();
    const double rawText = RawTextBytesPerRow(rows);

    double raw = 1e300, ours = 1e300;
    for (int round = 0; round < 3; ++round) {
        raw = std::min(raw, TimeRaw());
        ours = std::min(ours, TimeQuerySet(rows));
    }
    std::printf("bare QSqlQuery loop: %.0f ms\n", raw);
    std::printf("TQuerySet.Open:      %.0f ms\n", ours);
    std::printf("ratio:               %.2f (aim <= 2.0)\n", ours / raw);
    std::printf("raw text per row:    %.0f bytes\n", rawText);
    std::printf("heap held per row:   %.0f bytes (%.2f x raw text, aim <= 2.0)\n", heapPerRow,
                heapPerRow / rawText);
    std::printf("resident added/row:  %.0f bytes (%.2f x raw text)\n", rssPerRow, rssPerRow / rawText);
    return 0;
}
