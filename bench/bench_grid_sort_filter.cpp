// A shown TjtDBGrid over 100,000 rows (code, name, quantity, date): times a title-click sort
// and a filter, each until the grid has repainted, against a plain std::stable_sort or loop
// over the same values held in std::vector, in the same run. The same work on a data set
// bound to no grid is timed too, so that what the grid adds shows apart from the data set.
//
//   bench_grid_sort_filter [rows]

#include "platform/dataset/DataSet.h"
#include "ui/jtDBGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

struct Values {
    std::vector<QString> codes;
    std::vector<QString> names;
    std::vector<double> quantities;
    std::vector<qint64> dates; // milliseconds, the plain form of a date to compare
};

QString Text(std::mt19937& rng, int minLen, int maxLen) {
    static const QString pool =
        QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789车床铣床钻床磨床数控加工中心");
    const int n = std::uniform_int_distribution<int>(minLen, maxLen)(rng);
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i)
        s += pool[std::uniform_int_distribution<int>(0, int(pool.size()) - 1)(rng)];
    return s;
}

Values Generate(int rows) {
    std::mt19937 rng(7);
    Values v;
    for (int r = 0; r < rows; ++r) {
        v.codes.push_back(QStringLiteral("SB%1").arg(rng() % 1000000, 6, 10, QLatin1Char('0')));
        v.names.push_back(Text(rng, 4, 16));
        v.quantities.push_back(double(rng() % 100000) / 100.0);
        v.dates.push_back(
            QDate(2000, 1, 1).addDays(rng() % 9000).startOfDay(Qt::UTC).toMSecsSinceEpoch());
    }
    return v;
}

void Load(DataSet& ds, const Values& v) {
    ds.AddField(FieldKind::String, QStringLiteral("Code"), 20, true, QStringLiteral("编码"));
    ds.AddField(FieldKind::String, QStringLiteral("Name"), 30, true, QStringLiteral("名称"));
    ds.AddField(FieldKind::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    ds.AddField(FieldKind::DateTime, QStringLiteral("BuyDate"), -1, true,
                QStringLiteral("购置日期"));
    ds.BeginLoad();
    std::vector<QVariant> row(4);
    for (size_t r = 0; r < v.codes.size(); ++r) {
        row = {v.codes[r], v.names[r], v.quantities[r],
               QDateTime::fromMSecsSinceEpoch(v.dates[r], Qt::UTC)};
        ds.LoadRow(row);
    }
    ds.EndLoad();
}

// The best of some rounds, each after an untimed reset.
double Best(const std::function<void()>& reset, const std::function<void()>& work, int rounds = 5) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        reset();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

void Report(const char* what, double grid, double alone, double plain) {
    std::printf("%-30s grid %7.1f ms  data set alone %7.1f ms  plain %6.1f ms  "
                "ratio %5.2f  (grid adds %5.1f ms)\n",
                what, grid, alone, plain, grid / plain, grid - alone);
}

template <typename T> double PlainSort(const std::vector<T>& values) {
    return Best([] {},
                [&] {
                    std::vector<T> copy = values;
                    std::stable_sort(copy.begin(), copy.end());
                });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const Values values = Generate(rows);
    DataSet shown, alone;
    Load(shown, values);
    Load(alone, values);
    TjtDBGrid grid;
    grid.SetDataSet(&shown);
    grid.resize(1000, 600);
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid)) std::printf("grid not exposed\n");
    std::printf("%d rows, grid shown %dx%d\n", rows, grid.width(), grid.height());

    const auto click = [&](const QString& field) {
        QHeaderView* header = grid.horizontalHeader();
        const int column = grid.ColumnOf(field);
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        grid.repaint();
    };
    // The grid and the lone data set take turns, so that both see the same load on the machine.
    const auto pair = [&](const char* what, double plain, const std::function<void()>& reset,
                          const std::function<void()>& onGrid, const std::function<void()>& onSet) {
        double g = 1e300, a = 1e300;
        for (int round = 0; round < 5; ++round) {
            g = std::min(g, Best(reset, onGrid, 1));
            a = std::min(a, Best(reset, onSet, 1));
        }
        Report(what, g, a, plain);
    };
    const auto sortBy = [&](const char* what, const QString& field, double plain) {
        pair(
            what, plain,
            [&] {
                shown.SetSort(QString());
                alone.SetSort(QString());
            },
            [&] { click(field); }, [&] { alone.SetSort(field); });
    };
    const auto filterBy = [&](const char* what, const QString& filter, double plain) {
        shown.SetSort(QString());
        alone.SetSort(QString());
        pair(
            what, plain,
            [&] {
                shown.SetFiltered(false);
                alone.SetFiltered(false);
            },
            [&] {
                shown.SetFilter(filter);
                shown.SetFiltered(true);
                grid.repaint();
            },
            [&] {
                alone.SetFilter(filter);
                alone.SetFiltered(true);
            });
    };

    const auto plainFilter = [&](const std::function<bool(size_t)>& keep) {
        return Best([] {},
                    [&] {
                        std::vector<int> kept;
                        for (size_t r = 0; r < size_t(rows); ++r)
                            if (keep(r)) kept.push_back(int(r));
                    });
    };
    const double plainQty = plainFilter([&](size_t r) { return values.quantities[r] > 500; });
    const double plainName = plainFilter(
        [&](size_t r) { return values.names[r].startsWith(u'A', Qt::CaseInsensitive); });

    sortBy("title click sort, number", QStringLiteral("Qty"), PlainSort(values.quantities));
    sortBy("title click sort, date", QStringLiteral("BuyDate"), PlainSort(values.dates));
    sortBy("title click sort, code", QStringLiteral("Code"), PlainSort(values.codes));
    sortBy("title click sort, name", QStringLiteral("Name"), PlainSort(values.names));
    filterBy("filter Qty > 500", QStringLiteral("Qty > 500"), plainQty);
    filterBy("filter Name like 'A%'", QStringLiteral("Name like 'A%'"), plainName);

    shown.SetFiltered(false);
    alone.SetFiltered(false);
    grid.SumFooter(QStringLiteral("Qty"));
    std::printf("with a footer sum on Qty:\n");
    sortBy("title click sort, number", QStringLiteral("Qty"), PlainSort(values.quantities));
    filterBy("filter Qty > 500", QStringLiteral("Qty > 500"), plainQty);
    std::printf("footer over all rows: %s\n", qPrintable(grid.FooterText(QStringLiteral("Qty"))));
    std::printf("one repaint of the shown grid, nothing changed: %.1f ms\n",
                Best([] {}, [&] { grid.repaint(); }));
    return 0;
}
