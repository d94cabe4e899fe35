#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Schema.h"
#include "spares/PartPickerFrm.h"
#include "spares/PartinArriveFrm.h"
#include "spares/PartinBillFrm.h"
#include "spares/PartinCommands.h"
#include "spares/PartinEditorFrm.h"
#include "spares/PartinReceEditorFrm.h"
#include "spares/PartinSearchBar.h"
#include "spares/PartinbillReportFrm.h"
#include "spares/PartindlEditorFrm.h"
#include "spares/PartinstailReportFrm.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/mainFrm.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

void Part(int id, const QString& s1, const QString& s2) {
    DB.ExecSQL("insert into parts(Id,S1,S2,S3)values(:Id,:S1,:S2,'M8')",
               {DBParam("Id", id), DBParam("S1", s1), DBParam("S2", s2)});
}

void Bill(int id, const QDate& date, int inout, int state = 0) {
    DB.ExecSQL("insert into partin(Id,Indate,Inout,Incode,Stateid)values(:Id,:D,:O,'SG',:S)",
               {DBParam("Id", id), DBParam("D", QDateTime(date, QTime(0, 0))),
                DBParam("O", inout), DBParam("S", state)});
}

void Line(int dlId, int inId, int partId, double qty, double qtyA) {
    DB.ExecSQL("insert into partindl(dlId,InId,PartId,Qty,QtyA)values(:D,:I,:P,:Q,:A)",
               {DBParam("D", dlId), DBParam("I", inId), DBParam("P", partId),
                DBParam("Q", qty), DBParam("A", qtyA)});
}

void Type(QWidget* input, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(input, &event);
}

QList<int> Column(const DataSet& data, const char* name) {
    QList<int> values;
    const int field = data.FieldByName(QString::fromLatin1(name)).Index();
    for (int row = 0; row < data.RecordCount(); ++row)
        values.append(data.ValueAt(row, field).toInt());
    std::sort(values.begin(), values.end());
    return values;
}

double LineValue(int dlId, const char* column) {
    TRecordSet set;
    set.Open(QStringLiteral("select %1 from partindl where dlId=%2")
                 .arg(QString::fromLatin1(column))
                 .arg(dlId));
    return set.DataSet().Fields(0).AsFloat();
}

} // namespace

class tst_PartinWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_PartinWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void newBillInAnEmptyDatabase();
    void newBillNeedsItsRight();
    void missingBillClosesTheWindow();
    void addLinesRefusesAPartTwice();
    void editLineMayChangeThePart();
    void arrivalReplacesTheArrivedQuantity();
    void confirmFreezesUntilWithdrawn();
    void deleteBillTakesItsLines();
    void priorAndNextStopAtTheEnds();
    void detailListingOpensOnWhatIsInTransit();
    void detailListingColoursAndNewBill();
    void billQueryStartsThisMonth();
    void mainWindowEntries();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_PartinWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    KeyValue2.DataSet().Close();
    PickLists.SetItems(114, {"张三", "李四"});
    PickLists.SetItems(116, {"常规", "急件"});
    CurrentOperator.Load("sa");
    AppLabels = TAppLabels();
    Part(1, "ZC-A1", "深沟球轴承");
    Part(2, "MF-01", "骨架油封");
    m_messages = std::make_unique<MessageRecorder>(QMessageBox::Ok);
}

void tst_PartinWindows::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_PartinWindows::newBillInAnEmptyDatabase() {
    TPartinBillFrm window;
    QVERIFY(!window.Grid()->isEnabled());
    QVERIFY(!window.EditAction()->isEnabled());
    QVERIFY(!window.WithdrawAction()->isEnabled());
    QVERIFY(window.NewAction()->isEnabled());
    WhenShown<TPartinEditorFrm>([](TPartinEditorFrm& editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("备件申购"));
        QVERIFY(editor.CodeEdit()->text().isEmpty());
        QCOMPARE(editor.DateEdit()->date(), QDate::currentDate());
        QCOMPARE(editor.InoutCombo()->count(), 2);
        QCOMPARE(editor.InoutCombo()->currentText(), QStringLiteral("增加"));
        QCOMPARE(editor.HandmanCombo()->currentText(), QStringLiteral("sa"));
        QCOMPARE(editor.TypeCombo()->count(), 2);
        QTest::keyClicks(editor.CodeEdit(), "SG-7");
        editor.InoutCombo()->setCurrentIndex(1);
        Type(editor.NotesMemo(), "月度申购");
        editor.OkButton()->click();
    });
    window.NewAction()->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("备件申购单 1"));
    QCOMPARE(window.NumberLabel()->text(), QStringLiteral("NO.1"));
    QCOMPARE(window.Bill().InoutTextFld->AsString(), QStringLiteral("减少"));
    QCOMPARE(ScalarInt("select Inout from partin where Id=1"), -1);
    QCOMPARE(ScalarInt("select count(*) from partin where Incode='SG-7' and Billman='sa'"), 1);
    for (QAction* open : {window.EditAction(), window.DeleteAction(), window.LineAddAction(),
                          window.ArriveAction(), window.ConfirmAction()})
        QVERIFY(open->isEnabled());
    QVERIFY(!window.WithdrawAction()->isEnabled());
    QVERIFY(window.Grid()->isEnabled());

    // Changing the header keeps the window on the same bill.
    WhenShown<TPartinEditorFrm>([](TPartinEditorFrm& editor) {
        QCOMPARE(editor.CodeEdit()->text(), QStringLiteral("SG-7"));
        QCOMPARE(editor.InoutCombo()->currentText(), QStringLiteral("减少"));
        editor.InoutCombo()->setCurrentIndex(0);
        editor.OkButton()->click();
    });
    window.EditAction()->trigger();
    QCOMPARE(ScalarInt("select Inout from partin where Id=1"), 1);
    QCOMPARE(window.Bill().InoutTextFld->AsString(), QStringLiteral("增加"));
}

void tst_PartinWindows::newBillNeedsItsRight() {
    CurrentOperator.LoginId = "clerk";
    CurrentOperator.Rights = ",122,";
    TPartinBillFrm window;
    ModalCloser closer;
    window.NewAction()->trigger();
    QCOMPARE(closer.Seen(), 0);
    QVERIFY(m_messages->Last().contains(QStringLiteral("(125)")));
    QCOMPARE(ScalarInt("select count(*) from partin"), 0);
}

void tst_PartinWindows::missingBillClosesTheWindow() {
    QVERIFY(!OpenPartinBill(42));
    QVERIFY(m_messages->Last().contains(QStringLiteral("没有找到该记录42")));
}

void tst_PartinWindows::addLinesRefusesAPartTwice() {
    Bill(1, QDate(2026, 3, 1), 1);
    Line(1, 1, 1, 3, 0);
    TPartinBillFrm window;
    QVERIFY(window.LoadBill(1));
    WhenShown<TPartPickerFrm>([this](TPartPickerFrm& picker) {
        QCOMPARE(picker.windowTitle(), QStringLiteral("请选择备件"));
        picker.Parts().Query().Locate("Id", 1);
        picker.OkButton()->click();
        QVERIFY(m_messages->Last().contains(QStringLiteral("您已经选择了该备件, 请重新选择.")));
        QVERIFY(picker.isVisible());
        WhenShown<TPartindlEditorFrm>([](TPartindlEditorFrm& editor) {
            QCOMPARE(editor.PartEdit(0)->text(), QStringLiteral("MF-01"));
            QCOMPARE(editor.QtyEdit()->text(), QStringLiteral("0"));
            QVERIFY(!editor.PartButton()->isVisibleTo(&editor));
            editor.QtyEdit()->selectAll();
            QTest::keyClicks(editor.QtyEdit(), "6.5");
            editor.OkButton()->click();
        });
        picker.Parts().Query().Locate("Id", 2);
        picker.OkButton()->click();
        QVERIFY(picker.isVisible());
        picker.CancelButton()->click();
    });
    window.LineAddAction()->trigger();
    QCOMPARE(window.Lines().Query().RecordCount(), 2);
    QVERIFY(window.Lines().Query().Locate("PartId", 2));
    QCOMPARE(window.Lines().QtyRFld->AsFloat(), 6.5);
    const int dlId = window.Lines().dlIdFld->AsInteger();
    QCOMPARE(dlId, 2);
    QCOMPARE(LineValue(dlId, "Qty"), 6.5);
    QCOMPARE(LineValue(dlId, "QtyA"), 0.0);
}

void tst_PartinWindows::editLineMayChangeThePart() {
    Bill(1, QDate(2026, 3, 1), 1);
    Line(1, 1, 1, 3, 1);
    TPartinBillFrm window;
    window.LoadBill(1);
    WhenShown<TPartindlEditorFrm>([](TPartindlEditorFrm& editor) {
        QVERIFY(editor.PartButton()->isVisibleTo(&editor));
        WhenShown<TPartPickerFrm>([](TPartPickerFrm& picker) {
            picker.Parts().Query().Locate("Id", 2);
            picker.OkButton()->click();
        });
        editor.PartButton()->click();
        QCOMPARE(editor.PartEdit(0)->text(), QStringLiteral("MF-01"));
        Type(editor.NoteEdit(), "换型号");
        editor.OkButton()->click();
    });
    window.LineEditAction()->trigger();
    QCOMPARE(LineValue(1, "PartId"), 2.0);
    QCOMPARE(LineValue(1, "QtyA"), 1.0);
    QCOMPARE(window.Lines().Query().FieldByName("PartS2").AsString(), QStringLiteral("骨架油封"));

    // A line planned at 0 offers no other part.
    DB.ExecSQL("update partindl set Qty=0");
    window.LoadBill(1);
    WhenShown<TPartindlEditorFrm>([](TPartindlEditorFrm& editor) {
        QVERIFY(!editor.PartButton()->isVisibleTo(&editor));
        editor.CancelButton()->click();
    });
    window.LineEditAction()->trigger();
}

void tst_PartinWindows::arrivalReplacesTheArrivedQuantity() {
    Bill(1, QDate(2026, 3, 1), 1);
    Line(1, 1, 1, 10, 0);
    TPartinBillFrm window;
    window.LoadBill(1);
    for (const char* typed : {"4", "10", "12"}) {
        WhenShown<TPartinArriveFrm>([typed](TPartinArriveFrm& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("到货入库"));
            dialog.QtyEdit()->selectAll();
            QTest::keyClicks(dialog.QtyEdit(), typed);
            dialog.OkButton()->click();
        });
        window.ArriveAction()->trigger();
        const double arrived = QString::fromLatin1(typed).toDouble();
        QCOMPARE(LineValue(1, "QtyA"), arrived);
        QCOMPARE(window.Lines().QtyRFld->AsFloat(), 10 - arrived);
    }
    // The arrival dialog starts from what has arrived; text is refused and nothing written.
    WhenShown<TPartinArriveFrm>([](TPartinArriveFrm& dialog) {
        QCOMPARE(dialog.QtyEdit()->AsDouble(), 12.0);
        dialog.QtyEdit()->setText("abc");
        dialog.OkButton()->click();
        QVERIFY(dialog.isVisible());
        dialog.CancelButton()->click();
    });
    window.ArriveAction()->trigger();
    QCOMPARE(LineValue(1, "QtyA"), 12.0);
}

void tst_PartinWindows::confirmFreezesUntilWithdrawn() {
    Bill(1, QDate(2026, 3, 1), 1);
    Line(1, 1, 1, 10, 0);
    TPartinBillFrm window;
    window.LoadBill(1);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    WhenShown<TPartinReceEditorFrm>([](TPartinReceEditorFrm& dialog) {
        QCOMPARE(dialog.ManEdit()->text(), QStringLiteral("sa"));
        QCOMPARE(dialog.DateEdit()->date(), QDate::currentDate());
        dialog.ManEdit()->clear();
        Type(dialog.ManEdit(), "王五");
        dialog.OkButton()->click();
    });
    window.ConfirmAction()->trigger();
    QCOMPARE(ScalarInt("select Stateid from partin where Id=1"), 1);
    QCOMPARE(window.Bill().RecemanFld->AsString(), QStringLiteral("王五"));
    QVERIFY(window.Bill().RecedateFld->AsDateTime() >= before);
    for (QAction* frozen : {window.EditAction(), window.DeleteAction(), window.LineAddAction(),
                            window.LineEditAction(), window.LineDeleteAction(),
                            window.ArriveAction(), window.ConfirmAction()})
        QVERIFY(!frozen->isEnabled());
    QVERIFY(window.WithdrawAction()->isEnabled());
    ModalCloser closer;
    window.ArriveAction()->trigger();
    QCOMPARE(closer.Seen(), 0);

    window.WithdrawAction()->trigger();
    QVERIFY(m_messages->Last().contains(QStringLiteral("您确定要撤消吗?")));
    QCOMPARE(ScalarInt("select Stateid from partin where Id=1"), 0);
    QCOMPARE(ScalarInt("select count(*) from partin where Receman is null and Recedate is null"), 1);
    QVERIFY(window.ArriveAction()->isEnabled());
    QVERIFY(!window.WithdrawAction()->isEnabled());
}

void tst_PartinWindows::deleteBillTakesItsLines() {
    Bill(1, QDate(2026, 3, 1), 1);
    Bill(2, QDate(2026, 3, 2), 1);
    Line(1, 1, 1, 10, 0);
    Line(2, 1, 2, 1, 0);
    Line(3, 2, 1, 5, 0);
    auto* window = new TPartinBillFrm;
    QPointer<TPartinBillFrm> alive(window);
    window->show();
    window->LoadBill(1);

    // Refused: nothing goes.
    m_messages->SetAnswer(QMessageBox::Cancel);
    window->LineDeleteAction()->trigger();
    window->DeleteAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from partindl"), 3);
    QVERIFY(window->isVisible());

    m_messages->SetAnswer(QMessageBox::Ok);
    window->LineDeleteAction()->trigger();
    QCOMPARE(window->Lines().Query().RecordCount(), 1);
    QCOMPARE(ScalarInt("select count(*) from partindl where InId=1"), 1);
    window->DeleteAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from partin"), 1);
    QCOMPARE(ScalarInt("select count(*) from partindl"), 1);
    QTRY_VERIFY(alive.isNull());
}

void tst_PartinWindows::priorAndNextStopAtTheEnds() {
    for (const int id : {3, 6, 8}) Bill(id, QDate(2026, 3, 1), 1);
    TPartinBillFrm empty;
    empty.PriorAction()->trigger();
    QCOMPARE(empty.Bill().IdFld->AsInteger(), 3);
    TPartinBillFrm last;
    last.NextAction()->trigger();
    QCOMPARE(last.Bill().IdFld->AsInteger(), 8);
    last.NextAction()->trigger();
    QCOMPARE(last.windowTitle(), QStringLiteral("备件申购单 8"));
    last.PriorAction()->trigger();
    last.PriorAction()->trigger();
    QCOMPARE(last.NumberLabel()->text(), QStringLiteral("NO.3"));
    last.PriorAction()->trigger();
    QCOMPARE(last.Bill().IdFld->AsInteger(), 3);
    QVERIFY(m_messages->Requests().isEmpty());
}

void tst_PartinWindows::detailListingOpensOnWhatIsInTransit() {
    Bill(1, QDate(2026, 3, 1), 1);
    Bill(2, QDate(2026, 3, 2), -1);
    Line(1, 1, 1, 10, 4);
    Line(2, 1, 2, 5, 5);
    Line(3, 2, 1, 2, 3);
    TPartinstailReportFrm list;
    QCOMPARE(list.windowTitle(), QStringLiteral("备件申购明细"));
    QCOMPARE(Column(list.Lines().Query(), "dlId"), (QList<int>{1, 3}));
    list.SearchBar()->SearchButton()->click();
    QCOMPARE(Column(list.Lines().Query(), "dlId"), (QList<int>{1, 2, 3}));

    list.show();
    list.SearchBar()->InoutCombo()->setCurrentIndex(2); // "减少"
    QTest::keyClick(list.SearchBar()->CodeEdit(), Qt::Key_Return);
    QCOMPARE(Column(list.Lines().Query(), "dlId"), QList<int>{3});
    list.SearchBar()->InoutCombo()->setCurrentIndex(1); // "增加"
    list.SearchBar()->SearchButton()->click();
    QCOMPARE(Column(list.Lines().Query(), "dlId"), (QList<int>{1, 2}));

    WhenShown<TPartPickerFrm>([](TPartPickerFrm& picker) {
        picker.Parts().Query().Locate("Id", 2);
        picker.OkButton()->click();
    });
    list.SearchBar()->PartButton()->click();
    QCOMPARE(list.SearchBar()->PartEdit()->text(), QStringLiteral("MF-01"));
    list.SearchBar()->SearchButton()->click();
    QCOMPARE(Column(list.Lines().Query(), "dlId"), QList<int>{2});

    QTest::keyClick(list.SearchBar()->CodeEdit(), Qt::Key_Escape);
    QVERIFY(list.SearchBar()->PartEdit()->text().isEmpty());
    QCOMPARE(list.SearchBar()->InoutCombo()->currentIndex(), 0);
    Type(list.SearchBar()->KeywordEdit(), "O'Brien");
    list.SearchBar()->SearchButton()->click();
    QVERIFY(list.Lines().Query().Active());
    QVERIFY(list.Lines().Query().IsEmpty());
}

void tst_PartinWindows::detailListingColoursAndNewBill() {
    Bill(1, QDate(2026, 3, 1), 1);
    Line(1, 1, 1, 10, 4);
    Line(2, 1, 2, 5, 5);
    Line(3, 1, 3, 2, 3);
    Part(3, "LS-03", "螺栓");
    TPartinstailReportFrm list;
    list.SearchBar()->SearchButton()->click();
    DataSet& data = list.Lines().Query();
    const auto colourOf = [&](int dlId) {
        data.Locate("dlId", dlId);
        return list.RowColor(data.RecNo() - 1);
    };
    QCOMPARE(colourOf(1), QColor(0, 128, 0));
    QCOMPARE(colourOf(2), QColor(Qt::black));
    QCOMPARE(colourOf(3), QColor(128, 0, 0));

    WhenShown<TPartinEditorFrm>([](TPartinEditorFrm& editor) {
        QTest::keyClicks(editor.CodeEdit(), "NEW");
        editor.OkButton()->click();
    });
    list.NewAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from partin where Id=2 and Incode='NEW'"), 1);
    TPartinBillFrm* opened = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* bill = qobject_cast<TPartinBillFrm*>(top)) opened = bill;
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), QStringLiteral("备件申购单 2"));
    opened->close();
}

void tst_PartinWindows::billQueryStartsThisMonth() {
    const QDate today = QDate::currentDate();
    const QDate first(today.year(), today.month(), 1);
    Bill(1, first.addDays(-1), 1);
    Bill(2, first, 1);
    Bill(3, today, -1);
    TPartinbillReportFrm list;
    QCOMPARE(list.windowTitle(), QStringLiteral("备件申购单查询"));
    QCOMPARE(list.SearchBar()->DateFromEdit()->date(), first);
    QCOMPARE(Column(list.Bills().Query(), "Id"), (QList<int>{2, 3}));
    list.SearchBar()->DateFromEdit()->SetAsDate(QVariant());
    list.SearchBar()->SearchButton()->click();
    QCOMPARE(Column(list.Bills().Query(), "Id"), (QList<int>{1, 2, 3}));

    list.Bills().Query().Locate("Id", 3);
    TPartinBillFrm* bill = OpenPartinBill(list.Bills().IdFld->AsInteger());
    QVERIFY(bill);
    QCOMPARE(bill->windowTitle(), QStringLiteral("备件申购单 3"));
    bill->close();
}

void tst_PartinWindows::mainWindowEntries() {
    TmainFrm main;
    AddPartinCommands(main);
    QAction* bill = main.Command(TMainSlot::PartinBill);
    QAction* listing = main.Command(TMainSlot::Partinstail);
    QVERIFY(bill && listing);
    QCOMPARE(bill->text(), QStringLiteral("申购单"));
    QCOMPARE(listing->text(), QStringLiteral("备件申购"));
    QVERIFY(main.NavigationList()->Captions().contains(QStringLiteral("备件申购")));
    QVERIFY(!main.NavigationList()->Captions().contains(QStringLiteral("申购单")));
    const int entries = main.NavigationList()->count();
    bill->trigger();
    QCOMPARE(main.NavigationList()->count(), entries + 1);
    bill->trigger(); // brought forward, no second entry
    QCOMPARE(main.NavigationList()->count(), entries + 1);
    QCOMPARE(main.Children().size(), 1);
    listing->trigger();
    QVERIFY(qobject_cast<TPartinstailReportFrm*>(main.Children().constLast()));
    main.CloseChildren();
}

LANYUE_ENGINE_TEST_MAIN(tst_PartinWindows)
#include "tst_partinwindows.moc"
