#include "MessageRecorder.h"

#include "data/jtLib.h"
#include "platform/Format.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTest>

class tst_jtLib : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messageBoxes();
    void scramble();
    void weekdayNames_data();
    void weekdayNames();
    void smallHelpers();
    void format_data();
    void format();
};

void tst_jtLib::messageBoxes() {
    MessageRecorder messages(QMessageBox::Cancel);
    ShowInfo(QStringLiteral("已保存"));
    QCOMPARE(messages.Last(), QStringLiteral("\r\n已保存\t"));
    QCOMPARE(messages.Requests().last().icon, QMessageBox::Information);
    QCOMPARE(messages.Requests().last().title, QStringLiteral("澜岳设备管理系统"));
    QVERIFY(!ConfirmDelete());
    QCOMPARE(messages.Last(), QStringLiteral("\r您确定要删除 当前记录 吗?\t\t"));
    QCOMPARE(messages.Requests().last().buttons, QMessageBox::Ok | QMessageBox::Cancel);
    messages.SetAnswer(QMessageBox::Ok);
    QVERIFY(ConfirmDelete(QStringLiteral("设备 SB001")));
    QCOMPARE(messages.Last(), QStringLiteral("\r您确定要删除 设备 SB001 吗?\t\t"));
    QVERIFY(Confirm(QStringLiteral("继续吗?")));
    QCOMPARE(messages.Last(), QStringLiteral("\r继续吗?"));
}

void tst_jtLib::scramble() {
    QCOMPARE(Scramble(QByteArray("abc")), QByteArray("hec"));
    QCOMPARE(Scramble(QByteArray()), QByteArray());
    QCOMPARE(Scramble(QString()), QString());
    const QByteArray gbk("\xc9\xe8\xb1\xb8 sa 12345678901", 19);
    QCOMPARE(Scramble(Scramble(gbk)), gbk);
    QVERIFY(Scramble(gbk) != gbk);
    const QString text = QStringLiteral("D:\\设备\\data.mdb;Password=p@ss");
    QCOMPARE(Scramble(Scramble(text)), text);
    QCOMPARE(Scramble(QStringLiteral("abc")), QStringLiteral("hec"));  // same rule as the bytes
}

void tst_jtLib::weekdayNames_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("sunday") << QDate(2026, 12, 13) << "星期日";
    QTest::newRow("monday") << QDate(2026, 12, 14) << "星期一";
    QTest::newRow("saturday") << QDate(2009, 1, 10) << "星期六";
}

void tst_jtLib::weekdayNames() {
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QCOMPARE(WeekdayName(date), name);
}

void tst_jtLib::smallHelpers() {
    QCOMPARE(StringOfChar(u'-', 3), QStringLiteral("---"));
    QCOMPARE(StringOfChar(u'-', 0), QString());
    QVERIFY(GetTempDir().endsWith(QDir::separator()));
    QVERIFY(QDir(GetTempDir()).exists());
    QCOMPARE(NewStringRef(QStringLiteral("Code")).toString(), QStringLiteral("Code"));
    QCOMPARE(NewIntRef(7).toInt(), 7);
}

void tst_jtLib::format_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("right number") << "对不起,您没有该功能的操作权限,请与管理员联系(%d)." << QVariantList{103}
                                  << "对不起,您没有该功能的操作权限,请与管理员联系(103).";
    QTest::newRow("condition") << "%s and Name like '%%%s%%'" << QVariantList{"", "车"}
                               << " and Name like '%车%'";
    QTest::newRow("float two decimals") << "%s and F1>=%f" << QVariantList{"", 2.5} << " and F1>=2.50";
    QTest::newRow("width and precision") << "[%5d|%-4s|%.1f]" << QVariantList{42, "ab", 3.14159}
                                         << "[   42|ab  |3.1]";
    QTest::newRow("missing argument") << "%s-%s" << QVariantList{"a"} << "a-";
}

void tst_jtLib::format() {
    QFETCH(QString, format);
    QFETCH(QVariantList, args);
    QFETCH(QString, expected);
    QCOMPARE(Format(format, args), expected);
}

QTEST_MAIN(tst_jtLib)
#include "tst_jtlib.moc"
