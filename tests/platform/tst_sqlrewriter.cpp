#include "platform/sql/SqlRewriter.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_SqlRewriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void adapt_data();
    void adapt();
};

namespace {

void row(const char* name, SqlFlavor flavor, const QString& input, const QString& expected,
         const QStringList& parameters = {}) {
    const char* suffix = flavor == SqlFlavor::SQLite ? "/sqlite" : "/postgresql";
    const QByteArray tag = QByteArray(name) + suffix;
    QTest::newRow(tag.constData()) << input << flavor << expected << parameters;
}

// Rows for statements that both engines receive alike.
void both(const char* name, const QString& input, const QString& expected,
          const QStringList& parameters = {}) {
    row(name, SqlFlavor::SQLite, input, expected, parameters);
    row(name, SqlFlavor::PostgreSQL, input, expected, parameters);
}

} // namespace

void tst_SqlRewriter::adapt_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<SqlFlavor>("flavor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("parameters");

    const auto sqlite = SqlFlavor::SQLite;
    const auto pg = SqlFlavor::PostgreSQL;

    both("plain statement", u"select max(Id) from equipments"_s,
         u"select max(Id) from equipments"_s);
    both("insert parameters", u"insert into t(Id, Name)values(:Id, :Name)"_s,
         u"insert into t(Id, Name)values(?, ?)"_s, {u"Id"_s, u"Name"_s});
    both("repeated parameter and casts",
         u"update t set a=:EqiName, b=:B::int, c=x::text where d=:EqiName"_s,
         u"update t set a=?, b=?::int, c=x::text where d=?"_s,
         {u"EqiName"_s, u"B"_s, u"EqiName"_s});
    both("chinese identifiers and text",
         u"select 设备名称 from equipments where 状态='在用' and EqiName=:EqiName"_s,
         u"select 设备名称 from equipments where 状态='在用' and EqiName=?"_s, {u"EqiName"_s});
    both("literals untouched",
         u"select 'top 5', ':x', '[a]', 'like', '#2009-01-01#', 'it''s :y now' from t "
         "where a=:A"_s,
         u"select 'top 5', ':x', '[a]', 'like', '#2009-01-01#', 'it''s :y now' from t "
         "where a=?"_s,
         {u"A"_s});
    both("comments untouched",
         u"select a /* top 1 :x [b] like now */ from t -- :y now len(\nwhere b=:B"_s,
         u"select a /* top 1 :x [b] like now */ from t -- :y now len(\nwhere b=?"_s, {u"B"_s});
    both("unterminated literal", u"select 'abc :x from t"_s, u"select 'abc :x from t"_s);
    both("unbalanced parenthesis", u"select now( from t"_s, u"select now( from t"_s);
    both("now as a name", u"select t.now, \"now\", nowhere from t"_s,
         u"select t.now, \"now\", nowhere from t"_s);
    both("jet dates",
         u"select * from logs where Logtime>=#2009-01-06# and Logtime<#2009-01-07 15:30:00# "
         "order by Id desc"_s,
         u"select * from logs where Logtime>='2009-01-06 00:00:00' and Logtime<'2009-01-07 15:30:00' "
         "order by Id desc"_s);
    both("top", u"select top 1 Id from report order by Id desc"_s,
         u"select Id from report order by Id desc limit 1"_s);
    both("distinct top before semicolon", u"SELECT DISTINCT TOP 10 Code FROM t ;\n"_s,
         u"SELECT DISTINCT Code FROM t limit 10 ;\n"_s);
    both("top before trailing comment", u"select top 2 a from t -- newest\n"_s,
         u"select a from t limit 2 -- newest\n"_s);
    both("top at each level",
         u"select top 1 x from (select top 5 x from t where y in (select y from u)) s order by x"_s,
         u"select x from (select x from t where y in (select y from u) limit 5) s order by x "
         "limit 1"_s);

    row("brackets", sqlite, u"update keyvalue set [Value]=:Value where [Key]=:Key"_s,
        u"update keyvalue set [Value]=? where [Key]=?"_s, {u"Value"_s, u"Key"_s});
    row("brackets", pg, u"update keyvalue set [Value]=:Value where [Key]=:Key"_s,
        u"update keyvalue set \"value\"=? where \"key\"=?"_s, {u"Value"_s, u"Key"_s});
    row("bracketed now", pg, u"select [now], [backup] from t"_s,
        u"select \"now\", \"backup\" from t"_s);
    row("select now", sqlite, u"select now"_s, u"select now()"_s);
    row("select now", pg, u"select NOW"_s, u"select LOCALTIMESTAMP(0)"_s);
    row("getdate and now calls", sqlite, u"select GetDate(), Now ( )"_s,
        u"select GetDate(), Now ( )"_s);
    row("getdate and now calls", pg, u"select GetDate(), Now ( )"_s,
        u"select LOCALTIMESTAMP(0), LOCALTIMESTAMP(0)"_s);
    row("like", sqlite, u"select * from t where Name like :N and Code NOT LIKE 'a%'"_s,
        u"select * from t where Name like ? and Code NOT LIKE 'a%'"_s, {u"N"_s});
    row("like", pg, u"select * from t where Name like :N and Code NOT LIKE 'a%'"_s,
        u"select * from t where Name ilike ? and Code NOT ilike 'a%'"_s, {u"N"_s});
    row("left and len", sqlite,
        u"select count(code) from department where code<=left(a.code,len(a.code)-2)"_s,
        u"select count(code) from department where code<=\"left\"(a.code,len(a.code)-2)"_s);
    both("left join is not a call", u"select * from a left join b on a.Id=b.Id"_s,
         u"select * from a left join b on a.Id=b.Id"_s);
    row("left and len", pg,
        u"select count(code) from department where code<=left(a.code,len(a.code)-2)"_s,
        u"select count(code) from department where code<=left(a.code,length(a.code)-2)"_s);

    const QString careDue = u"select * from t where Flag=1 and (CAST(LOCALTIMESTAMP(0) AS date) - "
                            "CAST(crCareDate AS date))+1 > ciFixedays"_s;
    row("datediff quoted day", sqlite,
        u"select * from t where Flag=1 and DateDiff('d', crCareDate, Now())+1 > ciFixedays"_s,
        u"select * from t where Flag=1 and DateDiff('d', crCareDate, Now())+1 > ciFixedays"_s);
    row("datediff quoted day", pg,
        u"select * from t where Flag=1 and DateDiff('d', crCareDate, Now())+1 > ciFixedays"_s,
        careDue);
    row("datediff bare day", sqlite,
        u"select * from t where Flag=1 and DateDiff(day, crCareDate, GetDate())+1 > ciFixedays"_s,
        u"select * from t where Flag=1 and DateDiff('day', crCareDate, GetDate())+1 > "
        "ciFixedays"_s);
    row("datediff bare day", pg,
        u"select * from t where Flag=1 and DateDiff(day, crCareDate, GetDate())+1 > ciFixedays"_s,
        careDue);
    row("datediff double-quoted", sqlite, u"select DateDiff(\"m\", a, b), DateDiff(week, a, b)"_s,
        u"select DateDiff('m', a, b), DateDiff(week, a, b)"_s);
    row("datediff year with nested call", pg,
        u"select DateDiff(yyyy, :From, coalesce(x, GetDate())) from t"_s,
        u"select CAST(EXTRACT(YEAR FROM coalesce(x, LOCALTIMESTAMP(0))) - EXTRACT(YEAR FROM ?) "
        "AS integer) from t"_s,
        {u"From"_s});
    row("datediff month repeats its parameters", pg, u"select DateDiff(\"mm\", :A, :B)"_s,
        u"select CAST((EXTRACT(YEAR FROM ?) - EXTRACT(YEAR FROM ?)) * 12 + EXTRACT(MONTH FROM ?) "
        "- EXTRACT(MONTH FROM ?) AS integer)"_s,
        {u"B"_s, u"A"_s, u"B"_s, u"A"_s});
    row("datediff hour and minute", pg, u"select DateDiff(hh, a, b), DateDiff(N, a, b)"_s,
        u"select CAST(EXTRACT(EPOCH FROM date_trunc('hour', b) - date_trunc('hour', a)) / 3600 "
        "AS integer), CAST(EXTRACT(EPOCH FROM date_trunc('minute', b) - date_trunc('minute', "
        "a)) / 60 AS integer)"_s);
    row("datediff around a select with top", pg,
        u"select DateDiff(s, :A, (select top 1 t from x order by t))"_s,
        u"select CAST(EXTRACT(EPOCH FROM date_trunc('second', (select t from x order by t "
        "limit 1)) - date_trunc('second', ?)) / 1 AS integer)"_s,
        {u"A"_s});
    row("datediff left for the engine", pg,
        u"select DateDiff(week, a, b), DateDiff(d, :A), DateDiff(d, a, b, c)"_s,
        u"select DateDiff(week, a, b), DateDiff(d, ?), DateDiff(d, a, b, c)"_s, {u"A"_s});
}

void tst_SqlRewriter::adapt() {
    QFETCH(QString, input);
    QFETCH(SqlFlavor, flavor);
    QFETCH(QString, expected);
    QFETCH(QStringList, parameters);

    const AdaptedSql adapted = AdaptSql(input, flavor);
    QCOMPARE(adapted.text, expected);
    QCOMPARE(adapted.parameters, parameters);
    QCOMPARE(adapted.markers.size(), parameters.size());
    for (const qsizetype at : adapted.markers) QCOMPARE(adapted.text.at(at), u'?');
}

QTEST_GUILESS_MAIN(tst_SqlRewriter)
#include "tst_sqlrewriter.moc"
