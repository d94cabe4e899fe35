#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"
#include "PartfixFixture.h"

#include "equipment/AssetPickerFrm.h"
#include "spares/PartPickerFrm.h"
#include "spares/PartfixCommands.h"
#include "spares/PartfixEditorFrm.h"
#include "spares/PartfixsReportFrm.h"
#include "spares/PartrepairEditorFrm.h"
#include "spares/PartrepairsReportFrm.h"
#include "spares/PrtProfile.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/mainFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

using namespace partfixfixture;

namespace {

void Type(QWidget* input, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(input, &event);
}

QList<int> Ids(const DataSet& data) {
    QList<int> ids;
    const int id = data.FieldByName("Id").Index();
    for (int row = 0; row < data.RecordCount(); ++row) ids.append(data.ValueAt(row, id).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString RightRefused(int right) {
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(right);
}

// The titles of the shown columns, in order.
QStringList ShownTitles(const TjtDBGrid* grid) {
    QStringList titles;
    for (int column : grid->Columns())
        if (grid->ColumnShown(column)) titles.append(grid->ColumnTitle(column));
    return titles;
}

const QString kConfirmDelete = QStringLiteral("\r您确定要删除 当前记录 吗?\t\t");

} // namespace

class tst_PartfixWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_PartfixWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void fixListStartsWithToday();
    void fixListPickersNarrowBySelection();
    void addInstallationFromCurrentRow();
    void clearingRemovedEmptiesRemoval();
    void removalInputsFollowTheCheckBox();
    void fixEditorRefusesBadQuantity();
    void deleteAsksFirst();
    void commandsCheckTheirRights_data();
    void commandsCheckTheirRights();
    void repairListStartsWithToday();
    void addRepairPicksPartFirst();
    void cancelledPickerAddsNothing();
    void editRepairShowsProfileAndSaves();
    void mainWindowEntries();
    void defaultLayoutsShowTheColumns();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_PartfixWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_PartfixWindows::cleanup() {
    m_messages.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_PartfixWindows::fixListStartsWithToday() {
    TPartfixsReportFrm list;
    QCOMPARE(list.windowTitle(), QStringLiteral("备件安装"));
    QCOMPARE(list.Grid()->LayoutId(), 116);
    QCOMPARE(Ids(list.Partfixs().Query()), (QList<int>{3, 4}));
    QCOMPARE(list.FixFromEdit()->date(), QDate::currentDate());

    list.ResetButton()->click();
    QVERIFY(!list.FixFromEdit()->Checked());
    list.SearchButton()->click();
    QCOMPARE(Ids(list.Partfixs().Query()), (QList<int>{1, 2, 3, 4}));

    list.ReasonEdit()->setFocus();
    Type(list.ReasonEdit(), QStringLiteral("磨损"));
    QTest::keyClick(list.ReasonEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list.Partfixs().Query()), QList<int>{1});
    QTest::keyClick(list.ReasonEdit(), Qt::Key_Escape);
    QVERIFY(list.ReasonEdit()->text().isEmpty());
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_PartfixWindows::fixListPickersNarrowBySelection() {
    TPartfixsReportFrm list;
    list.ResetButton()->click();
    WhenShown<TPartPickerFrm>([](TPartPickerFrm& picker) {
        picker.Parts().Query().Locate("Id", 2);
        picker.OkButton()->click();
    });
    list.PickPartClick();
    QCOMPARE(list.PartEdit()->text(), QStringLiteral("MF-01"));
    WhenShown<TAssetPickerFrm>([](TAssetPickerFrm& picker) {
        picker.Assets().Query().Locate("Id", 1);
        picker.OkButton()->click();
    });
    list.PickAssetClick();
    QCOMPARE(list.AssetEdit()->text(), QStringLiteral("SB001"));
    list.SearchClick();
    QCOMPARE(Ids(list.Partfixs().Query()), QList<int>{2});
}

void tst_PartfixWindows::addInstallationFromCurrentRow() {
    PickLists.SetItems(114, {QStringLiteral("张三"), QStringLiteral("李四")});
    TPartfixsReportFrm list;
    QVERIFY(list.Partfixs().Query().Locate("Id", 4));
    QStringList shown;
    bool removedOff = false;
    WhenShown<TPartfixEditorFrm>([&](TPartfixEditorFrm& editor) {
        shown = QStringList{editor.AssetCodeEdit()->text(), editor.AssetNameEdit()->text(),
                            editor.PartS1Edit()->text(), editor.PartS2Edit()->text(),
                            editor.FixDateEdit()->date().toString(Qt::ISODate),
                            editor.FixHourEdit()->displayFormat()};
        removedOff = !editor.RemovedCheck()->isChecked() && !editor.ReasonEdit()->isEnabled();
        editor.FixDateEdit()->SetAsDate(QDate(2026, 9, 1));
        editor.FixHourEdit()->setTime(QTime(7, 0));
        editor.FixmanCombo()->setEditText(QStringLiteral("李四"));
        editor.QtyEdit()->setText("2");
        editor.OkButton()->click();
    });
    list.AddAction()->trigger();
    QCOMPARE(shown, (QStringList{"SB002", "铣床", "MF-01", "骨架油封", QDate::currentDate().toString(Qt::ISODate),
                                 "HH'时'"}));
    QVERIFY(removedOff);
    QCOMPARE(list.Partfixs().IdFld->AsInteger(), 5);
    QCOMPARE(list.Partfixs().Query().RecordCount(), 3);
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=5 and PartId=2 and EqiId=2 and Fixman='李四' "
                       "and FixQty=2 and Unfixtime is null"),
             1);
    ScratchSet.Open("select Fixtime from partfixs where Id=5");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), At(QDate(2026, 9, 1), 7));
}

void tst_PartfixWindows::clearingRemovedEmptiesRemoval() {
    TPartfixsReportFrm list;
    list.ResetButton()->click();
    list.SearchClick();
    QVERIFY(list.Partfixs().Query().Locate("Id", 1));
    QStringList shown;
    WhenShown<TPartfixEditorFrm>([&](TPartfixEditorFrm& editor) {
        shown = QStringList{editor.RemovedCheck()->isChecked() ? "卸载" : "",
                            editor.UnfixmanCombo()->currentText(), editor.ReasonEdit()->text(),
                            editor.UnfixDateEdit()->date().toString(Qt::ISODate),
                            QString::number(editor.UnfixHourEdit()->time().hour())};
        editor.RemovedCheck()->setChecked(false);
        editor.OkButton()->click();
    });
    list.EditAction()->trigger();
    QCOMPARE(shown, (QStringList{"卸载", "李四", "磨损", "2026-03-02", "9"}));
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=1 and Unfixtime is null and Unfixman is null "
                       "and UnfixReason is null"),
             1);
    QVERIFY(list.Partfixs().RuntimesFld->AsFloat() > 25);
}

void tst_PartfixWindows::removalInputsFollowTheCheckBox() {
    TPartfixEditorFrm editor(TAssetData{}, TPartData{}, TPartfixInput{}, {});
    QVERIFY(!editor.UnfixmanCombo()->isEnabled());
    QVERIFY(!editor.UnfixDateEdit()->isEnabled());
    QCOMPARE(editor.ReasonEdit()->palette().color(QPalette::Disabled, QPalette::Base),
             editor.palette().color(QPalette::Window));
    editor.RemovedCheck()->setChecked(true);
    QVERIFY(editor.UnfixmanCombo()->isEnabled() && editor.UnfixHourEdit()->isEnabled());
    QVERIFY(editor.ReasonEdit()->isEnabled());
    // Nothing is demanded: with no part or machine chosen OK still hands the input over.
    bool called = false;
    TPartfixEditorFrm empty(TAssetData{}, TPartData{}, TPartfixInput{}, [&](auto&, auto&, auto&) {
        called = true;
        return true;
    });
    empty.OkButton()->click();
    QVERIFY(called);
}

void tst_PartfixWindows::fixEditorRefusesBadQuantity() {
    int calls = 0;
    TPartfixEditorFrm editor(TAssetData{}, TPartData{}, TPartfixInput{}, [&](auto&, auto&, auto&) {
        ++calls;
        return true;
    });
    editor.show();
    editor.QtyEdit()->setText("1.2.3");
    editor.OkButton()->click();
    QCOMPARE(m_messages->Texts(), QStringList{"\r\n\"1.2.3\" 不是有效的数字.\t"});
    QCOMPARE(calls, 0);
    QVERIFY(editor.isVisible());
}

void tst_PartfixWindows::deleteAsksFirst() {
    TPartfixsReportFrm list;
    QVERIFY(list.Partfixs().Query().Locate("Id", 4));
    m_messages->SetAnswer(QMessageBox::Cancel);
    list.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{kConfirmDelete});
    QCOMPARE(ScalarInt("select count(*) from partfixs"), 4);
    m_messages->SetAnswer(QMessageBox::Ok);
    list.DeleteAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=4"), 0);
    QCOMPARE(Ids(list.Partfixs().Query()), QList<int>{3});

    TPartrepairsReportFrm repairs;
    QCOMPARE(Ids(repairs.Partrepairs().Query()), QList<int>{3});
    repairs.DeleteAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from partrepairs"), 2);
    QVERIFY(repairs.Partrepairs().Query().IsEmpty());
}

void tst_PartfixWindows::commandsCheckTheirRights_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("right");
    const char* names[] = {"add", "edit", "delete"};
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("installations %s", names[i]) << "fix" << i << 145 + i;
        QTest::addRow("repairs %s", names[i]) << "repair" << i << 148 + i;
    }
}

void tst_PartfixWindows::commandsCheckTheirRights() {
    QFETCH(QString, window);
    QFETCH(int, command);
    QFETCH(int, right);
    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",145,146,147,148,149,150,").replace(QString::number(right) + ",", "");
    TPartfixsReportFrm fixes;
    TPartrepairsReportFrm repairs;
    ModalCloser closer;
    m_messages->SetAnswer(QMessageBox::Ok);
    const QList<QAction*> actions = window == u"fix"
        ? QList<QAction*>{fixes.AddAction(), fixes.EditAction(), fixes.DeleteAction()}
        : QList<QAction*>{repairs.AddAction(), repairs.EditAction(), repairs.DeleteAction()};
    actions[command]->trigger();
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(m_messages->Texts(), QStringList{RightRefused(right)});
    QCOMPARE(ScalarInt("select count(*) from partfixs"), 4);
    QCOMPARE(ScalarInt("select count(*) from partrepairs"), 3);
}

void tst_PartfixWindows::repairListStartsWithToday() {
    TPartrepairsReportFrm list;
    QCOMPARE(list.windowTitle(), QStringLiteral("备件维修"));
    QCOMPARE(list.Grid()->LayoutId(), 114);
    QCOMPARE(Ids(list.Partrepairs().Query()), QList<int>{3});
    list.ResetButton()->click();
    list.RepairmanCombo()->setEditText(QStringLiteral("李四"));
    list.SearchButton()->click();
    QCOMPARE(Ids(list.Partrepairs().Query()), (QList<int>{2, 3}));
}

void tst_PartfixWindows::addRepairPicksPartFirst() {
    TPartrepairsReportFrm list;
    bool pickerOnCurrent = false;
    WhenShown<TPartPickerFrm>([&](TPartPickerFrm& picker) {
        pickerOnCurrent = picker.Parts().Query().FieldByName("Id").AsInteger() == 1;
        picker.Parts().Query().Locate("Id", 2);
        picker.OkButton()->click();
    });
    QStringList shown;
    WhenShown<TPartrepairEditorFrm>([&](TPartrepairEditorFrm& editor) {
        shown = QStringList{editor.DateEdit()->date().toString(Qt::ISODate), editor.TroublesMemo()->toPlainText(),
                            editor.RepairmanCombo()->currentText()};
        editor.DateEdit()->SetAsDate(QDate(2026, 10, 2));
        editor.TroublesMemo()->setPlainText(QStringLiteral("老化"));
        QTest::keyClicks(editor.CostMoneyEdit(), "88.5");
        editor.OkButton()->click();
    });
    list.AddAction()->trigger();
    QVERIFY(pickerOnCurrent);
    QCOMPARE(shown, (QStringList{QDate::currentDate().toString(Qt::ISODate), "", ""}));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(list.Partrepairs().IdFld->AsInteger(), 4);
    QCOMPARE(list.Partrepairs().Query().FieldByName("PartS1").AsString(), QStringLiteral("MF-01"));
    QCOMPARE(ScalarInt("select count(*) from partrepairs where Id=4 and PartId=2 and Troubles='老化' and "
                       "CostMoney=88.5"),
             1);
}

void tst_PartfixWindows::cancelledPickerAddsNothing() {
    TPartrepairsReportFrm list;
    ModalCloser closer;
    list.AddAction()->trigger();
    QCOMPARE(closer.Opened(), QStringList{"TPartPickerFrm"});
    QCOMPARE(ScalarInt("select count(*) from partrepairs"), 3);
    QCOMPARE(list.Partrepairs().Query().RecordCount(), 1);
}

void tst_PartfixWindows::editRepairShowsProfileAndSaves() {
    TPartrepairsReportFrm list;
    list.ResetButton()->click();
    list.SearchClick();
    QVERIFY(list.Partrepairs().Query().Locate("Id", 1));
    QStringList shown;
    WhenShown<TPartrepairEditorFrm>([&](TPartrepairEditorFrm& editor) {
        shown = QStringList{editor.Profile()->item(0, 1) ? editor.Profile()->item(0, 1)->text() : QString(),
                            editor.DateEdit()->date().toString(Qt::ISODate), editor.DetailsMemo()->toPlainText(),
                            editor.CostTimeEdit()->text(), editor.NotesEdit()->text()};
        editor.CostTimeEdit()->setText("x");
        editor.OkButton()->click();  // refused: stays open
        editor.CostTimeEdit()->setText("3");
        editor.OkButton()->click();
    });
    list.EditAction()->trigger();
    QCOMPARE(shown.mid(1), (QStringList{"2026-02-01", "更换滚珠", "2.5", "返修"}));
    QVERIFY(!shown.first().isEmpty());
    QCOMPARE(m_messages->Texts(), QStringList{"\r\n\"x\" 不是有效的数字.\t"});
    QCOMPARE(ScalarInt("select count(*) from partrepairs where Id=1 and CostTime=3 and Notes='返修'"), 1);
}

void tst_PartfixWindows::mainWindowEntries() {
    TmainFrm main;
    AddPartfixCommands(main);
    for (auto [slot, caption] : {std::pair{TMainSlot::PartFix, QStringLiteral("备件安装")},
                                 std::pair{TMainSlot::PartRepair, QStringLiteral("备件维修")}}) {
        QAction* command = main.Command(slot);
        QVERIFY(command);
        QCOMPARE(command->text(), caption);
        QVERIFY(main.NavigationList()->Captions().contains(caption));
        command->trigger();
    }
    QCOMPARE(main.Children().size(), 2);
    QVERIFY(qobject_cast<TPartfixsReportFrm*>(main.Children().constFirst()));
    main.CloseChildren();
}

void tst_PartfixWindows::defaultLayoutsShowTheColumns() {
    // A new database ships the layouts of both lists.
    TPartfixsReportFrm fixes;
    const QStringList fixTitles = ShownTitles(fixes.Grid());
    QCOMPARE(fixTitles.size(), 16);
    for (const char* title : {"Id", "安装时间", "安装人", "数量", "拆卸时间", "拆卸人", "拆卸原因", "运行台时", "备注",
                              "设备编号", "设备名称", "型号规格"})
        QVERIFY2(fixTitles.contains(QString::fromUtf8(title)), title);
    TPartrepairsReportFrm repairs;
    const QStringList repairTitles = ShownTitles(repairs.Grid());
    QCOMPARE(repairTitles.size(), 11);
    for (const char* title : {"维修日期", "故障描述", "维修描述", "维修人", "维修工时", "维修费用", "备注"})
        QVERIFY2(repairTitles.contains(QString::fromUtf8(title)), title);
}

LANYUE_ENGINE_TEST_MAIN(tst_PartfixWindows)
#include "tst_partfixwindows.moc"
