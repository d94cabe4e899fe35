#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/CoderFrm.h"
#include "ui/jtComboBox.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {

void AddRule(int id, const char* kind, const char* label, const char* code, int maxId, int digit) {
    DB.ExecSQL(QStringLiteral("insert into codes(Id, Kind, Label, Code, MaxId, Digit)"
                              "values(:Id,:Kind,:Label,:Code,:MaxId,:Digit)"),
               {DBParam(QStringLiteral("Id"), id),
                DBParam(QStringLiteral("Kind"), QString::fromUtf8(kind)),
                DBParam(QStringLiteral("Label"), QString::fromUtf8(label)),
                DBParam(QStringLiteral("Code"), QString::fromUtf8(code)),
                DBParam(QStringLiteral("MaxId"), maxId), DBParam(QStringLiteral("Digit"), digit)});
}

int Count(int id) {
    return ScalarInt(QStringLiteral("select MaxId from codes where Id=%1").arg(id));
}

// "段: item, item" per line, as the dialog lists them.
QStringList Lines(const TCoderFrm& dialog) {
    QStringList lines;
    for (int row = 0; row < dialog.Segments()->rowCount(); ++row) {
        TjtComboBox* items = dialog.ItemsOf(row);
        QStringList texts;
        for (int i = 0; i < items->count(); ++i)
            texts.append(items->itemText(i));
        lines.append(dialog.Segments()->item(row, 0)->text() + u": " + texts.join(u", ") + u" [" +
                     items->currentText() + u']');
    }
    return lines;
}

void PressOk(TCoderFrm& dialog) {
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
}

} // namespace

class tst_CoderFrm : public QObject {
    Q_OBJECT
public:
    explicit tst_CoderFrm(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void listsSegmentsWithFirstItemPicked();
    void composesCodesAndCountsUp_data();
    void composesCodesAndCountsUp();
    void numberBeyondItsWidthKeepsDialogOpen();
    void twoDialogsHandOutConsecutiveNumbers();
    void pickCodeReturnsOnlyOnOk();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_CoderFrm::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL(QStringLiteral("delete from codes"));
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_CoderFrm::cleanup() {
    m_messages.reset();
    m_db.reset();
}

// Segments and items in the order operators read Chinese (部 bù before 序 xù), not by code point.
void tst_CoderFrm::listsSegmentsWithFirstItemPicked() {
    AddRule(1, "序号", "默认", "", 17, 4);
    AddRule(2, "部门", "维修", "WX", 0, 0);
    AddRule(3, "部门", "生产", "SC", 0, 0);
    AddRule(4, "部门", "安装", "AZ", 0, 0);
    TCoderFrm dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("自动编号"));
    QCOMPARE(dialog.Segments()->horizontalHeaderItem(0)->text(), QStringLiteral("段"));
    QCOMPARE(dialog.Segments()->horizontalHeaderItem(1)->text(), QStringLiteral("值"));
    QCOMPARE(Lines(dialog), (QStringList{"部门: 安装, 生产, 维修 [安装]", "序号: 默认 [默认]"}));
    QVERIFY(dialog.ItemsOf(0)->isEnabled() && !dialog.ItemsOf(0)->isEditable());
}

void tst_CoderFrm::composesCodesAndCountsUp_data() {
    QTest::addColumn<int>("pick"); // how many items down from the first in 部门
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("count");
    QTest::newRow("fixed text and a padded number") << 0 << "SC0018" << 18;
    QTest::newRow("another item of the segment") << 1 << "WX0018" << 18;
}

void tst_CoderFrm::composesCodesAndCountsUp() {
    QFETCH(int, pick);
    QFETCH(QString, code);
    QFETCH(int, count);
    AddRule(1, "部门", "生产", "SC", 0, 0);
    AddRule(2, "部门", "维修", "WX", 0, -1);
    AddRule(3, "序号", "默认", "", 17, 4);
    TCoderFrm dialog;
    dialog.show();
    for (int i = 0; i < pick; ++i)
        QTest::keyClick(dialog.ItemsOf(0), Qt::Key_Down);
    PressOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Code(), code);
    QCOMPARE(Count(3), count);
    QCOMPARE(Count(1), 0); // no number: nothing written
    QCOMPARE(Count(2), 0);
}

void tst_CoderFrm::numberBeyondItsWidthKeepsDialogOpen() {
    AddRule(1, "部门", "生产", "SC", 5, 3);
    AddRule(2, "序号", "默认", "", 99, 2);
    TCoderFrm dialog;
    dialog.show();
    PressOk(dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_messages->Requests().size(), 1);
    QVERIFY(m_messages->Last().contains(QStringLiteral("编号越位100")));
    QCOMPARE(m_messages->Requests().first().icon, QMessageBox::Critical);
    QCOMPARE(Count(2), 99);
    QCOMPARE(Count(1), 6); // the segment before had already taken its number

    QCOMPARE(dialog.Code(), QString());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void tst_CoderFrm::twoDialogsHandOutConsecutiveNumbers() {
    AddRule(1, "部门", "生产", "SC", 0, 0);
    AddRule(2, "序号", "默认", "", 17, 4);
    TCoderFrm first;
    TCoderFrm second;
    first.show();
    second.show();
    PressOk(first);
    PressOk(second);
    QCOMPARE(first.Code(), QStringLiteral("SC0018"));
    QCOMPARE(second.Code(), QStringLiteral("SC0019"));
    QCOMPARE(Count(2), 19);
    TCoderFrm third; // the first code was never used: its number stays taken
    third.show();
    PressOk(third);
    QCOMPARE(third.Code(), QStringLiteral("SC0020"));
}

void tst_CoderFrm::pickCodeReturnsOnlyOnOk() {
    AddRule(1, "序号", "默认", "SB", 41, 6);
    QString code = QStringLiteral("untouched");
    WhenShown<TCoderFrm>([](TCoderFrm& dialog) { dialog.CancelButton()->click(); });
    QVERIFY(!PickCode(code));
    QCOMPARE(code, QStringLiteral("untouched"));
    QCOMPARE(Count(1), 41);

    WhenShown<TCoderFrm>([](TCoderFrm& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QVERIFY(!PickCode(code));
    QCOMPARE(Count(1), 41);

    WhenShown<TCoderFrm>([](TCoderFrm& dialog) { dialog.OkButton()->click(); });
    QVERIFY(PickCode(code));
    QCOMPARE(code, QStringLiteral("SB000042"));
    QCOMPARE(Count(1), 42);
}

LANYUE_ENGINE_TEST_MAIN(tst_CoderFrm)
#include "tst_coderfrm.moc"
