#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"
#include "RepairFixture.h"

#include "equipment/AssetPickerFrm.h"
#include "equipment/AstProfile.h"
#include "maintenance/AssetRepairsFra.h"
#include "maintenance/RepairBillFrm.h"
#include "maintenance/RepairCommands.h"
#include "maintenance/RepairEditorFrm.h"
#include "maintenance/RepairListFrm.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/mainFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace repairfixture;

namespace {

QList<int> Ids(const DataSet& data) {
    QList<int> ids;
    const int id = data.FieldByName("Id").Index();
    for (int row = 0; row < data.RecordCount(); ++row) ids.append(data.ValueAt(row, id).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

int RowOf(const DataSet& data, int id) {
    const int field = data.FieldByName("Id").Index();
    for (int row = 0; row < data.RecordCount(); ++row)
        if (data.ValueAt(row, field).toInt() == id) return row;
    return -1;
}

// Runs the deferred deletes of windows closed inside the main window.
void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QString kConfirmDelete = QStringLiteral("\r您确定要删除 当前记录 吗?\t\t");

} // namespace

class tst_RepairWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_RepairWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void listOpensOnOpenRepairsInGreen();
    void addFinishedRepairsForSeveralMachines();
    void editorKeepsCompletionWhileBoxCleared();
    void unparsableCostKeepsEditorOpen();
    void billEditsStepsAndDeletes();
    void billOfMissingRepairSaysSo();
    void deleteNeedsRightAndConfirmation();
    void assetPageListsAddsAndDeletes();
    void mainWindowCommand();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_RepairWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    accidentfixture::Prepare();
    InsertRepairs();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_RepairWindows::cleanup() {
    m_messages.reset();
    ProcessDeletes();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_RepairWindows::listOpensOnOpenRepairsInGreen() {
    TRepairListFrm list;
    QCOMPARE(Ids(list.Repairs().Query()), (QList<int>{2, 4, 5}));
    QCOMPARE(list.StateCombo()->currentText(), QString());
    QVERIFY(list.Where().IsFinishFld->IsNull() || list.Where().IsFinishFld->AsString().isEmpty());
    QCOMPARE(list.RowColor(0), QColor(0x00, 0x80, 0x00));
    QVERIFY(list.EditAction()->isEnabled() && list.DeleteAction()->isEnabled());

    list.StateCombo()->setCurrentIndex(0);  // 已完成
    Q_EMIT list.StateCombo()->activated(0);
    list.SearchButton()->click();
    QCOMPARE(Ids(list.Repairs().Query()), (QList<int>{1, 3}));
    QCOMPARE(list.RowColor(0), QColor(Qt::black));

    list.ResetButton()->click();
    list.SearchButton()->click();
    QCOMPARE(list.Repairs().Query().RecordCount(), 5);
    list.HideAction()->trigger();
    QCOMPARE(list.Repairs().Query().RecordCount(), 4);
    QCOMPARE(ScalarInt("select count(*) from repairs"), 5);
}

void tst_RepairWindows::addFinishedRepairsForSeveralMachines() {
    TRepairListFrm list;
    QVERIFY(list.Repairs().Query().Locate("Id", 4));
    int picked = 0;
    bool pickerOnCurrent = false;
    WhenShown<TAssetPickerFrm>([&](TAssetPickerFrm& picker) {
        pickerOnCurrent = picker.Assets().IdFld->AsInteger() == 3;
        for (int machine : {2, 1}) {
            WhenShown<TRepairEditorFrm>([&, machine](TRepairEditorFrm& editor) {
                QCOMPARE(editor.HandmanCombo()->currentText(), QStringLiteral("sa"));
                QCOMPARE(editor.SendDateEdit()->AsDate().toDate(), QDate::currentDate());
                QVERIFY(editor.TroubleMemo()->toPlainText().isEmpty());
                QVERIFY(!editor.FinishedBox()->isChecked() && !editor.CostEdit()->isEnabled());
                editor.TroubleMemo()->setPlainText(QStringLiteral("异响"));
                if (machine == 2) {
                    editor.FinishedBox()->setChecked(true);
                    editor.RepairDateEdit()->SetAsDate(QDate(2026, 9, 2));
                    editor.CostEdit()->setText(QStringLiteral("120.5"));
                }
                editor.OkButton()->click();
                ++picked;
            });
            picker.Assets().Query().Locate("Id", machine);
            picker.OkButton()->click();
        }
        picker.CancelButton()->click();
    });
    list.AddAction()->trigger();
    QVERIFY(pickerOnCurrent);
    QCOMPARE(picked, 2);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(list.Repairs().Query().RecordCount(), 5);
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=6 and EqiId=2 and RepairCost=120.5 and "
                       "Handman='sa' and not RepairDate is null"),
             1);
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=7 and EqiId=1 and RepairDate is null"), 1);
    const DataSet& d = list.Repairs().Query();
    QCOMPARE(list.RowColor(RowOf(d, 6)), QColor(Qt::black));
    QCOMPARE(list.RowColor(RowOf(d, 7)), QColor(0x00, 0x80, 0x00));
}

void tst_RepairWindows::editorKeepsCompletionWhileBoxCleared() {
    TRepairSet set;
    QVERIFY(set.OpenById(1));
    TRepairData saved;
    TRepairEditorFrm editor(1, set.GetData(), [&](const TAssetData&, const TRepairData& data) { saved = data; });
    QCOMPARE(editor.Profile()->item(0, 1)->text(), QStringLiteral("SB001"));
    QVERIFY(editor.FinishedBox()->isChecked());
    QCOMPARE(editor.FactoryCombo()->currentText(), QStringLiteral("机修厂"));
    QCOMPARE(editor.RepairDateEdit()->AsDate().toDate(), QDate(2026, 1, 8));
    editor.FinishedBox()->setChecked(false);
    QVERIFY(!editor.FactoryCombo()->isEnabled());
    QVERIFY(editor.FactoryCombo()->currentText().isEmpty() && editor.CostEdit()->text().isEmpty());
    editor.FinishedBox()->setChecked(true);
    QCOMPARE(editor.FactoryCombo()->currentText(), QStringLiteral("机修厂"));
    QCOMPARE(editor.CostEdit()->AsDouble(), 12.5);
    QCOMPARE(editor.RepairDateEdit()->AsDate().toDate(), QDate(2026, 1, 8));
    editor.FinishedBox()->setChecked(false);
    editor.OkButton()->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QVERIFY(saved.RepairDate.isNull());
    QVERIFY(saved.RepairFactory.isEmpty() && saved.Repairmans.isEmpty());
    QCOMPARE(saved.RepairCost, 0.0);
    QCOMPARE(saved.RepairHours, 0.0);
    QCOMPARE(saved.SendDate, QDate(2026, 1, 5));
    QCOMPARE(saved.Trouble, QStringLiteral("主轴异响"));
}

void tst_RepairWindows::unparsableCostKeepsEditorOpen() {
    bool called = false;
    TRepairEditorFrm editor(2, QStringLiteral("漏油"), [&](const TAssetData&, const TRepairData&) { called = true; });
    editor.show();
    QCOMPARE(editor.TroubleMemo()->toPlainText(), QStringLiteral("漏油"));
    editor.FinishedBox()->setChecked(true);
    editor.HoursEdit()->setText(QStringLiteral("abc"));
    editor.OkButton()->click();
    QVERIFY(!called);
    QVERIFY(editor.isVisible());
    QCOMPARE(m_messages->Texts().size(), 1);
}

void tst_RepairWindows::billEditsStepsAndDeletes() {
    DB.ExecSQL("insert into partuse(dlId,RepairId,PartId,Qty)values(1,2,1,2)");
    TRepairBillFrm bill;
    QVERIFY(bill.OpenKey(2));
    QCOMPARE(bill.windowTitle(), QStringLiteral("设备维修单 2"));
    QCOMPARE(bill.NumberLabel()->text(), QStringLiteral("NO. 2"));
    QCOMPARE(bill.Shown("AssetCode")->text(), QStringLiteral("SB001"));
    QVERIFY(bill.Shown("UseDeptPath")->text().contains(QStringLiteral("一车间")));
    QCOMPARE(bill.TroubleMemo()->toPlainText(), QStringLiteral("漏油"));

    WhenShown<TRepairEditorFrm>([](TRepairEditorFrm& editor) {
        editor.FinishedBox()->setChecked(true);
        editor.RepairDateEdit()->SetAsDate(QDate(2026, 3, 4));
        editor.OkButton()->click();
    });
    bill.EditButton()->click();
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=2 and not RepairDate is null"), 1);
    QCOMPARE(bill.Shown("RepairDate")->text().left(10), QDate(2026, 3, 4).toString(Qt::ISODate));
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=2 and Remark='O''Neil 备注'"), 1);

    bill.PriorButton()->click();
    QCOMPARE(bill.windowTitle(), QStringLiteral("设备维修单 1"));
    bill.PriorButton()->click();  // the machine's first repair: nothing before it
    QCOMPARE(bill.windowTitle(), QStringLiteral("设备维修单 1"));
    bill.NextButton()->click();
    bill.NextButton()->click();
    QCOMPARE(bill.windowTitle(), QStringLiteral("设备维修单 5"));

    bill.PriorButton()->click();
    bill.show();
    bill.DeleteButton()->click();
    QCOMPARE(m_messages->Texts(), QStringList{kConfirmDelete});
    QVERIFY(!bill.isVisible());
    QCOMPARE(bill.result(), int(QDialog::Accepted));
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=2"), 0);
    QCOMPARE(ScalarInt("select count(*) from partuse"), 0);
}

void tst_RepairWindows::billOfMissingRepairSaysSo() {
    ShowRepairBill(42);
    QCOMPARE(m_messages->Texts(), QStringList{QStringLiteral("\r\n没有找到该维修记录\t")});
}

void tst_RepairWindows::deleteNeedsRightAndConfirmation() {
    TRepairListFrm list;
    QVERIFY(list.Repairs().Query().Locate("Id", 4));
    m_messages->SetAnswer(QMessageBox::Cancel);
    list.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{kConfirmDelete});
    QCOMPARE(ScalarInt("select count(*) from repairs"), 5);

    m_messages->Clear();
    m_messages->SetAnswer(QMessageBox::Ok);
    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",132,");
    list.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(),
             QStringList{QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(103).\t")});
    QCOMPARE(ScalarInt("select count(*) from repairs"), 5);

    m_messages->Clear();
    CurrentOperator.Rights = QStringLiteral(",103,");
    list.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{kConfirmDelete});
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=4"), 0);
    QCOMPARE(Ids(list.Repairs().Query()), (QList<int>{2, 5}));
}

void tst_RepairWindows::assetPageListsAddsAndDeletes() {
    TAssetRepairsFra page;
    page.SetAssetId(1);
    QCOMPARE(Ids(page.Repairs().Query()), (QList<int>{1, 2, 5}));
    WhenShown<TRepairEditorFrm>([](TRepairEditorFrm& editor) {
        QVERIFY(editor.TroubleMemo()->toPlainText().isEmpty());
        editor.TroubleMemo()->setPlainText(QStringLiteral("异响"));
        editor.OkButton()->click();
    });
    page.AddButton()->click();
    QCOMPARE(Ids(page.Repairs().Query()), (QList<int>{1, 2, 5, 6}));
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=6 and EqiId=1"), 1);

    QVERIFY(page.Repairs().Query().Locate("Id", 5));
    page.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{kConfirmDelete});
    QCOMPARE(Ids(page.Repairs().Query()), (QList<int>{1, 2, 6}));
    DB.ExecSQL("update repairs set Trouble='换油' where Id=2");
    QVERIFY(page.Repairs().Query().Locate("Id", 2));
    page.RefreshButton()->click();
    QCOMPARE(page.Repairs().IdFld->AsInteger(), 2);
    QCOMPARE(page.Repairs().RepairTroubleFld->AsString(), QStringLiteral("换油"));
}

void tst_RepairWindows::mainWindowCommand() {
    TmainFrm main;
    main.show();
    AddRepairCommands(main);
    QAction* command = main.Command(TMainSlot::RepairList);
    QVERIFY(command);
    QCOMPARE(command->text(), QStringLiteral("设备维修"));
    command->trigger();
    QCOMPARE(main.Children().size(), 1);
    QVERIFY(qobject_cast<TRepairListFrm*>(main.Children().first()));
    main.CloseChildren();
}

LANYUE_ENGINE_TEST_MAIN(tst_RepairWindows)
#include "tst_repairwindows.moc"
