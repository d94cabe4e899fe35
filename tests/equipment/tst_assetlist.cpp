#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AssetAddorFrm.h"
#include "equipment/AssetFind2Frm.h"
#include "equipment/AssetFra.h"
#include "equipment/AssetListFrm.h"
#include "equipment/AssetPickerFrm.h"
#include "equipment/AstProfile.h"
#include "equipment/DeptSet.h"
#include "equipment/EquipmentGrid.h"
#include "equipment/SystatuSet.h"
#include "ui/ColorNames.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

void Equipment(int id, const QString& code, const QString& name, const QString& status, const QString& dept) {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,Status,UseDeptId,Manufactory,AddTime)"
               "values(:Id,:Code,:EqiName,'X1',:Status,:Dept,'沈阳机床',:T)",
               {DBParam("Id", id), DBParam("Code", code), DBParam("EqiName", name), DBParam("Status", status),
                DBParam("Dept", dept), DBParam("T", QDateTime(QDate(2026, 3, id), QTime(8, 0)))});
}

// Types text as an input method commits it, which reaches Chinese that key clicks cannot.
void Type(QWidget* input, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(input, &event);
}

QList<int> Ids(TAssetListFrm& list) {
    QList<int> ids;
    const DataSet& d = list.Assets().Query();
    for (int row = 0; row < d.RecordCount(); ++row) ids.append(d.ValueAt(row, 0).toInt());
    return ids;
}

} // namespace

class tst_AssetList : public QObject {
    Q_OBJECT
public:
    explicit tst_AssetList(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnEveryVisibleMachine();
    void followsTheCurrentRow();
    void quickFindFromTheFindBar();
    void addedMachineStaysVisibleUnderFilter();
    void addDialogRequiresCodeAndName();
    void deleteNeedsTwoConfirmations_data();
    void deleteNeedsTwoConfirmations();
    void commandsCheckTheirRights_data();
    void commandsCheckTheirRights();
    void advancedFind();
    void pickerNarrowsAndRemembersItsItem();
    void profileHidesRestrictedRows();
    void statusColours_data();
    void statusColours();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_AssetList::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0000','一车间')");
    DB.ExecSQL("insert into department(Code,Name)values('01','后勤部')");
    DeptSet.LoadAll();
    SystatuSet.Load();
    KeyValue2.DataSet().Close();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    Equipment(1, "SB001", "车床", "在用", "0000");
    Equipment(2, "SB002", "铣床", "维修", "01");
    Equipment(3, "XY001", "数控车床", "在用", "00");
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AssetList::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_AssetList::opensOnEveryVisibleMachine() {
    Restrictions.CodePrefix = "SB";
    TAssetListFrm list;
    QCOMPARE(Ids(list), (QList<int>{1, 2}));
    QCOMPARE(list.windowTitle(), QStringLiteral("设备台账"));
    QCOMPARE(list.StatusText(2), QStringLiteral("sa"));
    QCOMPARE(list.StatusText(3), QStringLiteral("1 / 2"));
    QCOMPARE(list.StatusText(4), QStringLiteral("创建日期: 2026-03-01"));
    QCOMPARE(list.StatusText(1), QStringLiteral("SB001 车床 X1 \\\\生产部\\一车间 在用"));
    QCOMPARE(list.Panel()->AssetId(), 1);
}

void tst_AssetList::followsTheCurrentRow() {
    Restrictions.PartnoVisible = false;
    TAssetListFrm list;
    DataSet& d = list.Assets().Query();
    d.Last();
    QCOMPARE(list.StatusText(3), QStringLiteral("3 / 3"));
    QCOMPARE(list.StatusText(1), QStringLiteral("XY001 数控车床 \\\\生产部 在用"));
    QCOMPARE(list.Panel()->AssetId(), 3);

    Type(list.KeywordEdit(), "nothing like it");
    list.QuickFind();
    QVERIFY(d.IsEmpty());
    QCOMPARE(list.Panel()->AssetId(), -1);
    QVERIFY(list.StatusText(3).isEmpty());
    QVERIFY(list.findChild<QStackedWidget*>()->currentWidget() != list.Panel());

    list.ResetFind();
    list.QuickFind();
    QCOMPARE(d.RecordCount(), 3);
    QVERIFY(list.findChild<QStackedWidget*>()->currentWidget() == list.Panel());
    QVERIFY(list.Panel()->AssetId() > 0);
}

void tst_AssetList::quickFindFromTheFindBar() {
    TAssetListFrm list;
    list.show();
    list.KeywordEdit()->setFocus();
    Type(list.KeywordEdit(), "车床");
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list), (QList<int>{1, 3}));
    list.StatusCombo()->setCurrentText("在用");
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list), (QList<int>{1, 3}));
    list.Assets().Where.UseDeptFld->SetAsString("00");
    list.QuickFind();
    QCOMPARE(Ids(list), (QList<int>{1, 3}));
    QCOMPARE(list.DeptEdit()->text(), QStringLiteral("\\\\生产部"));
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Escape);
    QVERIFY(list.KeywordEdit()->text().isEmpty());
    QVERIFY(list.DeptEdit()->text().isEmpty());
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list), (QList<int>{1, 2, 3}));
}

void tst_AssetList::addedMachineStaysVisibleUnderFilter() {
    TAssetListFrm list;
    Type(list.KeywordEdit(), "铣床");
    list.QuickFind();
    QCOMPARE(Ids(list), QList<int>{2});
    WhenShown<TAssetAddorFrm>([](TAssetAddorFrm& dialog) {
        QTest::keyClicks(dialog.CodeEdit(), "SB009");
        Type(dialog.NameEdit(), "钻床");
        QTest::keyClicks(dialog.PartNoEdit(), "Z3050");
        dialog.OkButton()->click();
    });
    list.AddAction()->trigger();
    QCOMPARE(Ids(list), (QList<int>{2, 4}));
    QCOMPARE(list.Assets().CodeFld->AsString(), QStringLiteral("SB009"));
    QCOMPARE(list.Panel()->AssetId(), 4);
    QCOMPARE(ScalarInt("select count(*) from equipments where Code='SB009' and PartNo='Z3050'"), 1);
    list.QuickFind();  // the next quick find applies the condition again
    QCOMPARE(Ids(list), QList<int>{2});
}

void tst_AssetList::addDialogRequiresCodeAndName() {
    TAssetAddorFrm dialog;
    dialog.NameEdit()->setText("车床");
    dialog.CodeEdit()->setText("   ");
    dialog.accept();
    QCOMPARE(m_messages->Last(), QStringLiteral("\r设备编号必须填写.\t"));
    dialog.CodeEdit()->setText("SB010");
    dialog.NameEdit()->clear();
    dialog.accept();
    QCOMPARE(m_messages->Last(), QStringLiteral("\r设备名称必须填写.\t"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(ScalarInt("select count(*) from equipments"), 3);
}

void tst_AssetList::deleteNeedsTwoConfirmations_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("left");
    QTest::newRow("first cancelled") << int(QMessageBox::Cancel) << int(QMessageBox::Ok) << 3;
    QTest::newRow("second cancelled") << int(QMessageBox::Ok) << int(QMessageBox::Cancel) << 3;
    QTest::newRow("both confirmed") << int(QMessageBox::Ok) << int(QMessageBox::Ok) << 2;
}

void tst_AssetList::deleteNeedsTwoConfirmations() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, left);
    TAssetListFrm list;
    list.Assets().Query().SetRecNo(2);
    QStringList asked;
    const MessageHook previous = SetMessageHook([&](const MessageRequest& request) {
        asked.append(request.text);
        return QMessageBox::StandardButton(asked.size() == 1 ? first : second);
    });
    list.DeleteAction()->trigger();
    SetMessageHook(previous);
    QCOMPARE(asked.first(), QStringLiteral("\r您确定要删除 SB002 吗?\t\t"));
    QCOMPARE(ScalarInt("select count(*) from equipments"), left);
    QCOMPARE(list.Assets().Query().RecordCount(), left);
}

void tst_AssetList::commandsCheckTheirRights_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("right");
    QTest::newRow("添加") << "添加" << 118;
    QTest::newRow("删除") << "删除" << 120;
    QTest::newRow("导出") << "导出" << 10004;
}

void tst_AssetList::commandsCheckTheirRights() {
    QFETCH(QString, command);
    QFETCH(int, right);
    CurrentOperator.LoginId = "clerk";
    CurrentOperator.Rights = ",119,";
    TAssetListFrm list;
    QAction* action = command == u"添加" ? list.AddAction()
                      : command == u"删除" ? list.DeleteAction()
                                           : list.ExportAction();
    ModalCloser closer;
    action->trigger();
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(m_messages->Last().trimmed(),
             QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right));
    QCOMPARE(ScalarInt("select count(*) from equipments"), 3);
}

void tst_AssetList::advancedFind() {
    TAssetListFrm list;
    WhenShown<TAssetFind2Frm>([](TAssetFind2Frm& dialog) {
        dialog.AssetWhere().UseDeptFld->SetAsString("00");
        dialog.OkButton()->click();
    });
    list.FindAction()->trigger();
    QCOMPARE(Ids(list), (QList<int>{1, 3}));
    QVERIFY(list.Assets().Where.UseDeptFld->IsNull());  // the find bar's condition is left alone

    DB.ExecSQL("insert into accessories(Id,EqiId,ProductName)values(1,2,'三爪卡盘')");
    WhenShown<TAssetFind2Frm>([](TAssetFind2Frm& dialog) {
        dialog.Pages()->setCurrentIndex(1);
        dialog.AccessoriesWhere().ProductNameFld->SetAsString("卡盘");
        dialog.OkButton()->click();
    });
    list.FindAction()->trigger();
    QCOMPARE(Ids(list), QList<int>{2});
}

void tst_AssetList::pickerNarrowsAndRemembersItsItem() {
    TAssetData chosen;
    int offered = 0;
    const auto picked = [&](const TAssetData& asset) {
        ++offered;
        chosen = asset;
        return asset.Code == u"SB001" ? 0 : int(QDialog::Accepted);  // the first pick is refused
    };
    WhenShown<TAssetPickerFrm>([](TAssetPickerFrm& picker) {
        QCOMPARE(picker.Assets().IdFld->AsInteger(), 2);
        picker.ItemCombo()->setCurrentIndex(1);
        Type(picker.ValueEdit(), "车床");
        QCOMPARE(picker.Assets().Query().RecordCount(), 2);
        picker.Assets().Query().First();
        picker.OkButton()->click();
        QVERIFY(picker.isVisible());
        picker.Assets().Query().Last();
        picker.OkButton()->click();
    });
    QVERIFY(PickAsset(2, picked));
    QCOMPARE(offered, 2);
    QCOMPARE(chosen.Code, QStringLiteral("XY001"));
    QCOMPARE(chosen.UseDeptPath, QStringLiteral("\\\\生产部"));
    QCOMPARE(KeyValue2.GetInt(117), 1);

    TAssetPickerFrm again(1, {});
    QCOMPARE(again.ItemCombo()->currentIndex(), 1);
    QVERIFY(!again.OkButton()->isEnabled());
}

void tst_AssetList::profileHidesRestrictedRows() {
    TAstProfile profile;
    TAssetData data;
    profile.ShowAsset(1, data);
    QCOMPARE(profile.rowCount(), 10);
    QCOMPARE(data.UseDeptName, QStringLiteral("一车间"));
    Restrictions.PartnoVisible = false;
    Restrictions.FactoryVisible = false;
    profile.ShowAsset(1, data);
    QCOMPARE(profile.rowCount(), 8);
    QCOMPARE(profile.item(1, 1)->text(), QStringLiteral("车床"));
    QCOMPARE(profile.item(2, 0)->text(), QStringLiteral("使用部门"));
    QCOMPARE(profile.AssetId(), 1);
}

void tst_AssetList::statusColours_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("name") << "clRed" << QColor(255, 0, 0);
    QTest::newRow("name, any case") << "CLYELLOW" << QColor(255, 255, 0);
    QTest::newRow("blue-green-red hex") << "$00FF0000" << QColor(0, 0, 255);
    QTest::newRow("decimal") << "32768" << QColor(0, 128, 0);
    QTest::newRow("unknown name") << "rot" << QColor();
    QTest::newRow("system colour") << "-16777201" << QColor();
}

void tst_AssetList::statusColours() {
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QCOMPARE(ColorFromName(text), colour);
    QCOMPARE(TEquipmentGrid::StatusColor("维修"), QColor(255, 0, 0));
    QVERIFY(!TEquipmentGrid::StatusColor("报废了").isValid());
}

LANYUE_ENGINE_TEST_MAIN(tst_AssetList)
#include "tst_assetlist.moc"
