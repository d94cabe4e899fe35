#include "platform/dataset/FilterExpression.h"

#include "platform/Exceptions.h"

#include <QDateTime>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const std::vector<FilterField> kFields = {
    {u"Id"_s, FieldKind::Integer},     {u"Code"_s, FieldKind::String},
    {u"Name"_s, FieldKind::String},    {u"Qty"_s, FieldKind::Float},
    {u"Flag"_s, FieldKind::Boolean},   {u"BuyDate"_s, FieldKind::DateTime},
    {u"方向txt"_s, FieldKind::String}, {u"Photo"_s, FieldKind::Blob},
};

QVariant At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// Stored values as the data set hands them over; QVariant() is null.
const std::vector<std::vector<QVariant>>& Rows() {
    static const QVariant null;
    static const std::vector<std::vector<QVariant>> rows = {
        {qint64(1), u"SB001"_s, u"Pump"_s, 2.5, true, At(2009, 1, 6), u"东"_s, null},
        {qint64(2), u"SB002"_s, u"O'Brien valve"_s, 10.0, false, At(2009, 1, 6, 15, 30), u"西"_s,
         QByteArray("\x89PNG")},
        {qint64(3), u"sb003"_s, u"离心泵"_s, 0.0, true, At(2010, 5, 1), u"南"_s, null},
        {qint64(4), u"42"_s, null, 7.0, false, null, u"北"_s, null},
        {qint64(5), u"XY005"_s, u"pump housing"_s, -3.0, true, At(2008, 12, 31, 23, 59, 59),
         u"东"_s, null},
        {qint64(6), u"SB_06"_s, u"Motor"_s, 5.0, false, At(2009, 2, 1), null, null},
        {qint64(7), u"AB%07"_s, u"Pumpkin"_s, 100.25, true, At(2009, 1, 7, 8), u"东南"_s, null},
        {qint64(8), u"SB008"_s, u"motor*"_s, null, null, At(2011, 3, 15, 10), u"西"_s, null},
    };
    return rows;
}

QList<int> All() {
    return {1, 2, 3, 4, 5, 6, 7, 8};
}

QList<int> AllBut(int id) {
    QList<int> ids = All();
    ids.removeOne(id);
    return ids;
}

} // namespace

class tst_FilterExpression : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchingRows_data();
    void matchingRows();
    void malformedTextThrows_data();
    void malformedTextThrows();
    void usedFields_data();
    void usedFields();
};

void tst_FilterExpression::matchingRows_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("ids");

    QTest::newRow("empty text") << u""_s << All();
    QTest::newRow("blank text") << u"  \t "_s << All();

    QTest::newRow("integer =") << u"Id = 3"_s << QList<int>{3};
    QTest::newRow("integer <>") << u"Id <> 3"_s << AllBut(3);
    QTest::newRow("integer !=") << u"Id != 3"_s << AllBut(3);
    QTest::newRow("integer >") << u"Id > 6"_s << QList<int>{7, 8};
    QTest::newRow("integer <") << u"Id < 2"_s << QList<int>{1};
    QTest::newRow("integer >=") << u"Id >= 7"_s << QList<int>{7, 8};
    QTest::newRow("integer <=") << u"Id <= 2"_s << QList<int>{1, 2};
    QTest::newRow("integer against fraction") << u"Id < 2.5"_s << QList<int>{1, 2};
    QTest::newRow("negative number") << u"Qty < -1"_s << QList<int>{5};
    QTest::newRow("plus sign and decimals") << u"Qty = +2.5"_s << QList<int>{1};
    QTest::newRow("leading decimal point") << u"Qty < .5 and Qty > -.5"_s << QList<int>{3};
    QTest::newRow("float >= leaves null out") << u"Qty >= 5"_s << QList<int>{2, 4, 6, 7};
    QTest::newRow("quoted number on float") << u"Qty > '7'"_s << QList<int>{2, 7};

    QTest::newRow("text = ignores case") << u"Code = 'SB003'"_s << QList<int>{3};
    QTest::newRow("text < ignores case") << u"Code < 'sb001'"_s << QList<int>{4, 7};
    QTest::newRow("text >=") << u"Code >= 'xy'"_s << QList<int>{5};
    QTest::newRow("number against text") << u"Code = 42"_s << QList<int>{4};
    QTest::newRow("doubled quote") << u"Name = 'o''brien VALVE'"_s << QList<int>{2};
    QTest::newRow("Chinese value") << u"Name = '离心泵'"_s << QList<int>{3};
    QTest::newRow("Chinese field name") << u"方向txt = '东'"_s << QList<int>{1, 5};
    QTest::newRow("field names ignore case")
        << u"cODE = 'sb001' OR 方向TXT = '南'"_s << QList<int>{1, 3};
    QTest::newRow("bracketed name") << u"[Name] = 'MOTOR'"_s << QList<int>{6};
    QTest::newRow("bracketed Chinese name") << u"[方向txt] <> '东'"_s << QList<int>{2, 3, 4, 7, 8};

    QTest::newRow("like prefix") << u"Name like 'pump%'"_s << QList<int>{1, 5, 7};
    QTest::newRow("like suffix") << u"Name LIKE '%泵'"_s << QList<int>{3};
    QTest::newRow("like contains") << u"Name like '%o%'"_s << QList<int>{2, 5, 6, 8};
    QTest::newRow("like needs the whole text") << u"Name like 'PUMP'"_s << QList<int>{1};
    QTest::newRow("like two wildcards") << u"Name like '%o%o%'"_s << QList<int>{6, 8};
    QTest::newRow("like _ is one character") << u"Code like 'sb00_'"_s << QList<int>{1, 2, 3, 8};
    QTest::newRow("like _ counts length") << u"Name like 'motor_'"_s << QList<int>{8};
    QTest::newRow("like * as %") << u"Name like 'pump*'"_s << QList<int>{1, 5, 7};
    QTest::newRow("not like leaves null out")
        << u"Name not like 'pump%'"_s << QList<int>{2, 3, 6, 8};
    QTest::newRow("like on float text") << u"Qty like '10%'"_s << QList<int>{2, 7};
    QTest::newRow("like on date text") << u"BuyDate like '2009-01%'"_s << QList<int>{1, 2, 7};
    QTest::newRow("midnight shows no time") << u"BuyDate like '%:%'"_s << QList<int>{2, 5, 7, 8};
    QTest::newRow("like on boolean text") << u"Flag like 't%'"_s << QList<int>{1, 3, 5, 7};

    QTest::newRow("and binds tighter than or")
        << u"Id = 2 or Id = 4 and Qty > 100"_s << QList<int>{2};
    QTest::newRow("parentheses group or") << u"(Id = 2 or Id = 7) and Qty > 100"_s << QList<int>{7};
    QTest::newRow("filter dialog example")
        << u"Name like 'p%' and (Qty > 5 or Flag = 0)"_s << QList<int>{7};
    QTest::newRow("nested parentheses") << u"((Id = 1) or (((Id = 8))))"_s << QList<int>{1, 8};
    QTest::newRow("not") << u"not Id > 2"_s << QList<int>{1, 2};
    QTest::newRow("not over a group") << u"NOT (Id > 6 or Qty < 1)"_s << QList<int>{1, 2, 4, 6};
    QTest::newRow("keywords ignore case")
        << u"id = 1 OR ID = 2 aNd Flag = false"_s << QList<int>{1, 2};
    QTest::newRow("spaces optional") << u"Name='Pump'or(Id>=8)"_s << QList<int>{1, 8};

    QTest::newRow("boolean TRUE") << u"Flag = TRUE"_s << QList<int>{1, 3, 5, 7};
    QTest::newRow("boolean -1") << u"Flag = -1"_s << QList<int>{1, 3, 5, 7};
    QTest::newRow("boolean 0") << u"Flag = 0"_s << QList<int>{2, 4, 6};
    QTest::newRow("boolean quoted <>") << u"Flag <> 'True'"_s << QList<int>{2, 4, 6};

    QTest::newRow("quoted date is midnight") << u"BuyDate = '2009-01-06'"_s << QList<int>{1};
    QTest::newRow("# date with time") << u"BuyDate = #2009-01-06 15:30:00#"_s << QList<int>{2};
    QTest::newRow("# date >") << u"BuyDate > #2009-01-06#"_s << QList<int>{2, 3, 6, 7, 8};
    QTest::newRow("slashed date") << u"BuyDate < '2009/1/1'"_s << QList<int>{5};
    QTest::newRow("date range") << u"BuyDate >= '2009-01-06' and BuyDate < '2009-01-07'"_s
                                << QList<int>{1, 2};
    QTest::newRow("quoted date with time")
        << u"BuyDate <= '2008-12-31 23:59:59'"_s << QList<int>{5};
    QTest::newRow("Jet month-first date") << u"BuyDate = #1/6/2009#"_s << QList<int>{1};

    QTest::newRow("is null") << u"Name is null"_s << QList<int>{4};
    QTest::newRow("is not null") << u"BuyDate IS NOT NULL"_s << AllBut(4);
    QTest::newRow("= null") << u"Name = NULL"_s << QList<int>{4};
    QTest::newRow("<> null") << u"Name <> null"_s << AllBut(4);
    QTest::newRow("<> leaves null out") << u"Name <> 'Pump'"_s << QList<int>{2, 3, 5, 6, 7, 8};
    QTest::newRow("not leaves null out") << u"not Name = 'Pump'"_s << QList<int>{2, 3, 5, 6, 7, 8};
    QTest::newRow("null beside a true or") << u"Qty > 50 or Name is null"_s << QList<int>{4, 7};
    QTest::newRow("null boolean") << u"Qty is null or Flag is null"_s << QList<int>{8};
    QTest::newRow("blob is not null") << u"Photo is not null"_s << QList<int>{2};
    QTest::newRow("blank text = null text") << u"Name = ''"_s << QList<int>{4};
    QTest::newRow("blank text <> non-null text") << u"Name <> ''"_s << AllBut(4);
    QTest::newRow("blank text on number is null") << u"Qty = ''"_s << QList<int>{8};
}

void tst_FilterExpression::matchingRows() {
    QFETCH(QString, text);
    QFETCH(QList<int>, ids);

    const FilterExpression filter(text, kFields);
    const std::vector<int>& used = filter.UsedFields();
    QList<int> matched;
    for (const auto& row : Rows()) {
        const bool match = filter.Matches([&](int field) {
            // Callers prefetch only the fields the expression reports.
            if (std::find(used.begin(), used.end(), field) == used.end())
                qFatal("field %d read but not reported as used", field);
            return row[size_t(field)];
        });
        if (match) matched << int(row[0].toLongLong());
    }
    QCOMPARE(matched, ids);
}

void tst_FilterExpression::malformedTextThrows_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");

    QTest::newRow("unknown field") << u"Foo = 1"_s << u"未知的字段 Foo"_s;
    QTest::newRow("unknown bracketed field") << u"[Na me] = 'a'"_s << u"未知的字段 Na me"_s;
    QTest::newRow("keyword as field") << u"and Id = 1"_s << u"此处应为字段名 and"_s;
    QTest::newRow("value first") << u"5 = Id"_s << u"此处应为字段名 5"_s;
    QTest::newRow("missing value") << u"Qty >"_s << u"条件不完整"_s;
    QTest::newRow("dangling and") << u"Id = 1 and"_s << u"条件不完整"_s;
    QTest::newRow("lone not") << u"not"_s << u"条件不完整"_s;
    QTest::newRow("missing operator") << u"Qty 5"_s << u"缺少比较运算符 5"_s;
    QTest::newRow("unterminated quote") << u"Name = 'abc"_s << u"文本缺少结束的单引号"_s;
    QTest::newRow("unterminated date") << u"BuyDate = #2009-01-06"_s << u"日期缺少结束的 #"_s;
    QTest::newRow("unterminated bracket") << u"[Name = 'a'"_s << u"字段名缺少结束的 ]"_s;
    QTest::newRow("missing right parenthesis") << u"(Id = 1 or Id = 2"_s << u"缺少右括号"_s;
    QTest::newRow("extra right parenthesis") << u"Id = 1)"_s << u"多余的右括号"_s;
    QTest::newRow("empty parentheses") << u"()"_s << u"括号内缺少条件"_s;
    QTest::newRow("empty parentheses after and") << u"Id = 1 and ()"_s << u"括号内缺少条件"_s;
    QTest::newRow("trailing words") << u"Id = 1 Name"_s << u"多余的内容 Name"_s;
    QTest::newRow("text for number") << u"Qty = 'abc'"_s << u"无法识别的值 'abc'"_s;
    QTest::newRow("field as value") << u"Qty > Id"_s << u"无法识别的值 Id"_s;
    QTest::newRow("number glued to word") << u"Id = 7and Qty > 1"_s << u"无法识别的值 7and"_s;
    QTest::newRow("impossible date")
        << u"BuyDate = '2009-13-45'"_s << u"无法识别的值 '2009-13-45'"_s;
    QTest::newRow("number for date") << u"BuyDate > 5"_s << u"无法识别的值 5"_s;
    QTest::newRow("boolean out of range") << u"Flag = 2"_s << u"无法识别的值 2"_s;
    QTest::newRow("boolean ordering") << u"Flag > 0"_s << u"布尔字段只能用 = 或 <> 比较"_s;
    QTest::newRow("TRUE on text") << u"Name = true"_s << u"无法识别的值 true"_s;
    QTest::newRow("blank text ordering a number") << u"Qty > ''"_s << u"无法识别的值 ''"_s;
    QTest::newRow("like needs quoted text") << u"Name like 5"_s << u"LIKE 之后应为带引号的文本 5"_s;
    QTest::newRow("not without like") << u"Name not 'a'"_s << u"NOT 之后应为 LIKE 'a'"_s;
    QTest::newRow("is without null") << u"Name is 5"_s << u"IS 之后应为 NULL 5"_s;
    QTest::newRow("ordering against null") << u"Qty > null"_s << u"NULL 只能用 = 或 <> 比较"_s;
    QTest::newRow("unknown character") << u"Id @ 1"_s << u"无法识别的字符 @"_s;
    QTest::newRow("bang alone") << u"Id ! 1"_s << u"无法识别的字符 !"_s;
    QTest::newRow("blob compared") << u"Photo = 'x'"_s << u"字段 Photo 只能判断是否为空"_s;
}

void tst_FilterExpression::malformedTextThrows() {
    QFETCH(QString, text);
    QFETCH(QString, reason);

    try {
        FilterExpression filter(text, kFields);
        QFAIL("no error raised");
    } catch (const EDatabaseError& e) {
        QCOMPARE(e.Message(), u"过滤条件不正确: "_s + text + u"\r\n"_s + reason);
    }
}

void tst_FilterExpression::usedFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("fields");

    QTest::newRow("blank") << u" "_s << QList<int>{};
    QTest::newRow("each field once, ascending")
        << u"Qty > 5 and (name like 'a%' or [Name] is null or not QTY = 1)"_s << QList<int>{2, 3};
    QTest::newRow("Chinese name") << u"方向txt = '东' or Id = 1"_s << QList<int>{0, 6};
}

void tst_FilterExpression::usedFields() {
    QFETCH(QString, text);
    QFETCH(QList<int>, fields);

    const FilterExpression filter(text, kFields);
    const std::vector<int>& used = filter.UsedFields();
    QCOMPARE(QList<int>(used.begin(), used.end()), fields);
}

QTEST_GUILESS_MAIN(tst_FilterExpression)
#include "tst_filterexpression.moc"
