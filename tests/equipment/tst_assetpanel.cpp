#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"
#include "TreeTesting.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AssetEditor2Fra.h"
#include "equipment/AssetEditorFra.h"
#include "equipment/AssetFra.h"
#include "equipment/AssetProfileFra.h"
#include "equipment/CoderFrm.h"
#include "equipment/DeptPickerFrm.h"
#include "equipment/DeptSet.h"
#include "equipment/DeptTree.h"
#include "equipment/SystatuSet.h"
#include "ui/jtComboBox.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

using namespace treetesting;

namespace {

QString Text(const QString& sql) {
    ScratchSet.Open(sql);
    return ScratchSet.DataSet().IsEmpty() ? QString() : ScratchSet.DataSet().Fields(0).AsString();
}

QString Info(const char* message) {
    return QStringLiteral("\r\n") + QString::fromUtf8(message) + QStringLiteral("\t");
}

int AddAsset(const QString& code, const QString& name) {
    TAssetsSet set;
    set.OpenById(-1);
    set.Query().Append();
    set.CodeFld->SetAsString(code);
    set.EqiNameFld->SetAsString(name);
    set.PartNoFld->SetAsString(QStringLiteral("C6140"));
    set.ManufactoryFld->SetAsString(QStringLiteral("沈阳机床"));
    if (!set.AddNew()) qFatal("equipment %s not added", qPrintable(code));
    return set.IdFld->AsInteger();
}

void SetAddTime(int id, const QDateTime& time) {
    DB.ExecSQL(QStringLiteral("update equipments set AddTime=:AddTime where Id=:Id"),
               {DBParam(QStringLiteral("AddTime"), time), DBParam(QStringLiteral("Id"), id)});
}

QStringList DetailRows() {
    QStringList rows;
    ScratchSet.Open(
        QStringLiteral("select FldName, OldValue, NewValue from equiplogsdl order by Id"));
    DataSet& d = ScratchSet.DataSet();
    for (d.First(); !d.Eof(); d.Next())
        rows.append(d.Fields(0).AsString() + u'|' + d.Fields(1).AsString() + u'|' +
                    d.Fields(2).AsString());
    return rows;
}

template <class T> T* Control(const QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
}

QLabel* CaptionOf(const QWidget& window, const QString& name) {
    return Control<QLabel>(window, QStringLiteral("lbl") + name);
}

// Key by key as an input method delivers them: keyClicks takes Latin-1 only.
void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Retype(const QWidget& window, const char* name, const QString& text) {
    QWidget* input = Control<QWidget>(window, QString::fromLatin1(name));
    if (auto* combo = qobject_cast<QComboBox*>(input))
        Retype(combo->lineEdit(), text);
    else
        Retype(qobject_cast<QLineEdit*>(input), text);
}

// A page that notes every Id it is given.
class ProbePage : public TAssetPageFra {
public:
    explicit ProbePage(QWidget* parent) : TAssetPageFra(parent) {}
    void SetAssetId(int id) override {
        Ids.append(id);
        TAssetPageFra::SetAssetId(id);
    }
    QList<int> Ids;
};

TAssetPageFactory Probe() {
    return [](QWidget* parent) { return new ProbePage(parent); };
}

// Whether the inputs of the editor can be typed into.
bool Writable(const QWidget& editor, const char* name) {
    QWidget* input = Control<QWidget>(editor, QString::fromLatin1(name));
    if (auto* edit = qobject_cast<QLineEdit*>(input))
        return edit->isEnabled() && !edit->isReadOnly();
    if (auto* picker = qobject_cast<QAbstractSpinBox*>(input)) return !picker->isReadOnly();
    return input->isEnabled();
}

} // namespace

class tst_AssetPanel : public QObject {
    Q_OBJECT
public:
    explicit tst_AssetPanel(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void panelGivesIdsToPageInFront();
    void pagesAndTabsNeedTheirRights();
    void editorShowsRecordAndFollowsLabels();
    void basicEditSavesThroughControls();
    void cancelRestoresRecord();
    void codeWithoutPrefixIsRefused();
    void pastedTextInNumberIsRefused();
    void saveOfVanishedRecordSaysSo();
    void codeButtonPutsGeneratedCode();
    void deptButtonChangesDepartment();
    void dayEditLocksOlderRecords();
    void noEquipmentLeavesNothingToEdit();
    void classNotInUseIsLeftAlone();
    void restrictedColumnsShowNoRight();
    void extendedEditSavesValuesAndItems();
    void registeredPagesJoinNewPanels();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_AssetPanel::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    AddDepartmentRow("00", "生产部");
    AddDepartmentRow("0000", "一车间");
    AddDepartmentRow("01", "后勤部");
    DeptSet.LoadAll();
    KeyValue2.DataSet().Close(); // the application-wide copy belongs to the previous database
    SystatuSet.Load();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    AppLabels.OperatorLog = true;
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AssetPanel::cleanup() {
    m_messages.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_AssetPanel::panelGivesIdsToPageInFront() {
    const int first = AddAsset("SB0001", "车床");
    const int second = AddAsset("SB0002", "铣床");
    TAssetFra panel;
    panel.show();
    auto* care = static_cast<ProbePage*>(panel.AddPage(Probe(), QStringLiteral("保养"), 0));
    auto* log = static_cast<ProbePage*>(panel.AddPage(Probe(), QStringLiteral("日志"), 0));
    QSignalSpy changed(&panel, &TAssetFra::pageChanged);
    QCOMPARE(panel.PageNames(), (QStringList{"信息", "保养", "日志", "日志"}));
    QCOMPARE(panel.CurrentPage(), 0);

    auto* profile = static_cast<TAssetProfileFra*>(panel.Page(0));
    auto* basic = static_cast<TAssetEditorFra*>(profile->TabPage(0));
    auto* extended = static_cast<TAssetEditor2Fra*>(profile->TabPage(1));
    panel.SetAssetId(first);
    QCOMPARE(basic->AssetId(), first);
    QCOMPARE(Control<QLineEdit>(*basic, "Code")->text(), QStringLiteral("SB0001"));
    QCOMPARE(extended->AssetId(), -1); // the tab behind waits
    QVERIFY(care->Ids.isEmpty() && log->Ids.isEmpty());

    panel.SelectPage(1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.takeFirst().at(0).toInt(), 1);
    QCOMPARE(care->Ids, QList<int>{first});
    for (int id : {second, first, second})
        panel.SetAssetId(id);
    QCOMPARE(care->Ids, (QList<int>{first, second, first, second}));
    QCOMPARE(basic->AssetId(), first);
    QVERIFY(log->Ids.isEmpty());

    // Clicking a name brings the page forward with the row current at that moment only.
    QListWidget* names = panel.PageList();
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->item(2)).center());
    QCOMPARE(panel.CurrentPage(), 2);
    QCOMPARE(changed.takeFirst().at(0).toInt(), 2);
    QCOMPARE(log->Ids, QList<int>{second});
    QVERIFY(!care->isVisible() && log->isVisible());

    panel.SelectPage(0);
    QCOMPARE(basic->AssetId(), second);
    QCOMPARE(Control<QLineEdit>(*basic, "Code")->text(), QStringLiteral("SB0002"));
    profile->Tabs()->setCurrentIndex(1);
    QCOMPARE(extended->AssetId(), second);
}

void tst_AssetPanel::pagesAndTabsNeedTheirRights() {
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = QStringLiteral("wang");
    CurrentOperator.Rights = RightsText({140});
    TAssetFra panel;
    panel.AddPage(Probe(), QStringLiteral("变更"), 131);
    panel.AddPage(Probe(), QStringLiteral("日志"), 140);
    QCOMPARE(panel.PageNames(), (QStringList{"信息", "日志", "日志"}));
    auto* profile = static_cast<TAssetProfileFra*>(panel.Page(0));
    QVERIFY(!profile->AddTab(Probe(), QStringLiteral("附件"), 139));
    QVERIFY(profile->AddTab(Probe(), QStringLiteral("记事"), 0));
    QCOMPARE(profile->Tabs()->count(), 3);
    QCOMPARE(profile->Tabs()->tabText(0), QStringLiteral("基本"));
    QCOMPARE(profile->Tabs()->tabText(1), QStringLiteral("扩展"));
    QCOMPARE(profile->Tabs()->tabText(2), QStringLiteral("记事"));
}

void tst_AssetPanel::editorShowsRecordAndFollowsLabels() {
    PickLists.SetItems(114, {QStringLiteral("张三"), QStringLiteral("李四")});
    KeyValue2.SetBool(68, true);
    PickLists.SetItems(6, {QStringLiteral("车床类"), QStringLiteral("铣床类")});
    AppLabels.ClassLabels[0] = QStringLiteral("设备大类");
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL(
        "update equipments set UseDeptId='0000', Status='闲置', BuyDate='2023-05-06' where Id=1");
    TAssetEditorFra editor;
    editor.SetAssetId(id);
    QCOMPARE(Control<QLineEdit>(editor, "UseDeptPath")->text(),
             QStringLiteral("\\\\生产部\\一车间"));
    QVERIFY(Control<QLineEdit>(editor, "UseDeptPath")->isReadOnly());
    QCOMPARE(Control<QComboBox>(editor, "Status")->currentText(), QStringLiteral("闲置"));
    QCOMPARE(Control<QComboBox>(editor, "Status")->count(), 4);
    QCOMPARE(Control<QComboBox>(editor, "Functionary")->itemText(1), QStringLiteral("李四"));
    QCOMPARE(Control<TjtDateTimePicker>(editor, "BuyDate")->AsDate().toDate(), QDate(2023, 5, 6));
    QVERIFY(!Control<TjtDateTimePicker>(editor, "UseDate")->AsDate().isValid());
    QCOMPARE(CaptionOf(editor, "ClassA")->text(), QStringLiteral("设备大类"));
    QCOMPARE(Control<QComboBox>(editor, "ClassA")->itemText(1), QStringLiteral("铣床类"));
    QCOMPARE(CaptionOf(editor, "EqiName")->text(), QStringLiteral("设备名称"));
    QCOMPARE(CaptionOf(editor, "Functionary")->text(), QStringLiteral("操作人员"));
    QCOMPARE(editor.OkButton()->text(), QStringLiteral("确定"));
    QCOMPARE(editor.CancelButton()->text(), QStringLiteral("取消"));
    QVERIFY(!editor.OkButton()->isEnabled() && !editor.CancelButton()->isEnabled());
}

void tst_AssetPanel::basicEditSavesThroughControls() {
    const int id = AddAsset("SB0001", "车床");
    TAssetEditorFra editor;
    int saves = 0;
    editor.SetSaveCallback([&] { ++saves; });
    editor.show();
    editor.SetAssetId(id);
    Retype(editor, "EqiName", QStringLiteral("数控车床"));
    QVERIFY(editor.OkButton()->isEnabled() && editor.CancelButton()->isEnabled());
    QTest::keyClick(Control<QComboBox>(editor, "Status"), Qt::Key_Down);
    Retype(editor, "DurableYears", QStringLiteral("12"));
    Retype(editor, "FundSource", QStringLiteral("自筹"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);

    QCOMPARE(saves, 1);
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Browse);
    QVERIFY(!editor.OkButton()->isEnabled());
    QCOMPARE(Text("select EqiName from equipments"), QStringLiteral("数控车床"));
    QCOMPARE(Text("select Status from equipments"), QStringLiteral("在用"));
    QCOMPARE(ScalarInt("select DurableYears from equipments"), 12);
    QCOMPARE(Text("select FundSource from equipments"), QStringLiteral("自筹"));
    QCOMPARE(DetailRows(), (QStringList{"EqiName|车床|数控车床", "DurableYears||12", "Status||在用",
                                        "FundSource||自筹"}));
    QCOMPARE(
        ScalarInt("select count(*) from logs where Actname='修改设备基本信息' and Results='成功'"),
        1);
    QVERIFY(m_messages->Requests().isEmpty());
}

void tst_AssetPanel::cancelRestoresRecord() {
    const int id = AddAsset("SB0001", "车床");
    TAssetEditorFra editor;
    int saves = 0;
    editor.SetSaveCallback([&] { ++saves; });
    editor.show();
    editor.SetAssetId(id);
    Retype(editor, "EqiName", QStringLiteral("数控车床"));
    Retype(editor, "FixPlace", QStringLiteral("二号厂房"));
    QTest::mouseClick(editor.CancelButton(), Qt::LeftButton);
    QCOMPARE(Control<QLineEdit>(editor, "EqiName")->text(), QStringLiteral("车床"));
    QCOMPARE(Control<QLineEdit>(editor, "FixPlace")->text(), QString());
    QVERIFY(!editor.OkButton()->isEnabled() && !editor.CancelButton()->isEnabled());
    QCOMPARE(saves, 0);
    QCOMPARE(Text("select EqiName from equipments"), QStringLiteral("车床"));
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 0);
}

void tst_AssetPanel::codeWithoutPrefixIsRefused() {
    Restrictions.CodePrefix = QStringLiteral("SB");
    const int id = AddAsset("SB0001", "车床");
    TAssetEditorFra editor;
    int saves = 0;
    editor.SetSaveCallback([&] { ++saves; });
    editor.show();
    editor.SetAssetId(id);
    Retype(editor, "Code", QStringLiteral("sb0001"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(m_messages->Texts(), QStringList{Info("编码不符合要求.")});
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Edit);
    QCOMPARE(saves, 0);
    QCOMPARE(Text("select Code from equipments"), QStringLiteral("SB0001"));
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 0);
    QCOMPARE(ScalarInt("select count(*) from logs where Actname='修改设备基本信息'"), 0);

    // Corrected in place, the same edit goes through.
    Retype(editor, "Code", QStringLiteral("SB0009"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(saves, 1);
    QCOMPARE(Text("select Code from equipments"), QStringLiteral("SB0009"));
}

// Typing keeps number inputs clean, pasting does not; the text must not be lost or half-saved.
void tst_AssetPanel::pastedTextInNumberIsRefused() {
    const int id = AddAsset("SB0001", "车床");
    TAssetEditorFra editor;
    editor.show();
    editor.SetAssetId(id);
    Retype(editor, "EqiName", QStringLiteral("数控车床"));
    auto* years = Control<QLineEdit>(editor, "DurableYears");
    years->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("十年"));
    years->paste();
    QCOMPARE(years->text(), QStringLiteral("十年"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(m_messages->Texts(), QStringList{Info("'十年' 不是有效的整数")});
    QCOMPARE(years->text(), QStringLiteral("十年"));
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Edit);
    QCOMPARE(Text("select EqiName from equipments"), QStringLiteral("车床"));
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 0);
}

void tst_AssetPanel::saveOfVanishedRecordSaysSo() {
    const int id = AddAsset("SB0001", "车床");
    TAssetEditor2Fra editor;
    int saves = 0;
    editor.SetSaveCallback([&] { ++saves; });
    editor.show();
    editor.SetAssetId(id);
    Retype(editor, "Weight", QStringLiteral("800"));
    DB.ExecSQL("delete from equipments");  // at another workstation
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(m_messages->Texts(), QStringList{Info("保存失败, 该设备已被删除.")});
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Edit);
    QCOMPARE(Control<QLineEdit>(editor, "Weight")->text(), QStringLiteral("800"));
    QCOMPARE(saves, 0);
}

void tst_AssetPanel::codeButtonPutsGeneratedCode() {
    DB.ExecSQL("update codes set MaxId=41");
    const int id = AddAsset("XX", "车床");
    TAssetEditorFra editor;
    editor.show();
    editor.SetAssetId(id);
    Retype(editor, "Code", QStringLiteral("typed"));
    WhenShown<TCoderFrm>([](TCoderFrm& dialog) { dialog.OkButton()->click(); });
    QTest::mouseClick(editor.CodeButton(), Qt::LeftButton);
    QCOMPARE(Control<QLineEdit>(editor, "Code")->text(), QStringLiteral("SB000042"));
    QVERIFY(editor.OkButton()->isEnabled());
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(Text("select Code from equipments"), QStringLiteral("SB000042"));
    QCOMPARE(DetailRows(), QStringList{"Code|XX|SB000042"});

    // Cancelling the dialog changes nothing.
    WhenShown<TCoderFrm>([](TCoderFrm& dialog) { dialog.CancelButton()->click(); });
    QTest::mouseClick(editor.CodeButton(), Qt::LeftButton);
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Browse);
    QCOMPARE(ScalarInt("select MaxId from codes"), 42);
}

void tst_AssetPanel::deptButtonChangesDepartment() {
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL("update equipments set UseDeptId='0000' where Id=1");
    TAssetEditorFra editor;
    editor.show();
    editor.SetAssetId(id);
    QString openedOn;
    WhenShown<TDeptPickerFrm>([&](TDeptPickerFrm& picker) {
        openedOn = picker.DeptTree()->currentItem()->text(0);
        picker.DeptTree()->setCurrentItem(Node(*picker.DeptTree(), {"使用部门", "后勤部"}));
        picker.ChooseButton()->click();
    });
    QTest::mouseClick(editor.DeptButton(), Qt::LeftButton);
    QCOMPARE(openedOn, QStringLiteral("一车间"));
    QCOMPARE(Control<QLineEdit>(editor, "UseDeptPath")->text(), QStringLiteral("\\\\后勤部"));
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Edit);
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(Text("select UseDeptId from equipments"), QStringLiteral("01"));
    QCOMPARE(DetailRows(), QStringList{"UseDeptPath|\\\\生产部\\一车间|\\\\后勤部"});
}

void tst_AssetPanel::dayEditLocksOlderRecords() {
    Restrictions.DayEdit = true;
    const int today = AddAsset("SB0001", "车床");
    const int lastWeek = AddAsset("SB0002", "铣床");
    SetAddTime(lastWeek, QDateTime::currentDateTime().addDays(-7));
    TAssetEditorFra editor;
    editor.show();
    const auto editable = [&] {
        const bool open = editor.OkButton()->isVisible() && editor.CancelButton()->isVisible() &&
                          editor.CodeButton()->isEnabled() && editor.DeptButton()->isEnabled();
        const bool inputs = Writable(editor, "Code") && Writable(editor, "Status") &&
                            Writable(editor, "BuyDate") && Writable(editor, "DurableYears");
        if (open != inputs) qWarning("buttons and inputs disagree");
        return open && inputs && !editor.AssetsSet().Query().FieldByName("Code").ReadOnly();
    };
    const auto locked = [&] {
        return editor.OkButton()->isHidden() && editor.CancelButton()->isHidden() &&
               !editor.CodeButton()->isEnabled() && !editor.DeptButton()->isEnabled() &&
               !Writable(editor, "Code") && !Writable(editor, "Status") &&
               !Writable(editor, "BuyDate") && !Writable(editor, "DurableYears") &&
               editor.AssetsSet().Query().FieldByName("Weight").ReadOnly();
    };
    editor.SetAssetId(today);
    QVERIFY(editable());
    editor.SetAssetId(lastWeek);
    QVERIFY(locked());
    QTest::keyClicks(Control<QLineEdit>(editor, "FixPlace"), "abc");
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Browse);
    editor.SetAssetId(today);
    QVERIFY(editable());

    // Without right 119 nothing is editable, however new.
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = QStringLiteral("wang");
    CurrentOperator.Rights = RightsText({118, 120});
    editor.SetAssetId(lastWeek);
    editor.SetAssetId(today);
    QVERIFY(locked());
}

void tst_AssetPanel::noEquipmentLeavesNothingToEdit() {
    const int id = AddAsset("SB0001", "车床");
    TAssetEditorFra editor;
    editor.show();
    QVERIFY(editor.OkButton()->isHidden() && !editor.CodeButton()->isEnabled());
    editor.SetAssetId(id);
    QVERIFY(editor.OkButton()->isVisible());
    editor.SetAssetId(-1);
    QCOMPARE(Control<QLineEdit>(editor, "Code")->text(), QString());
    QVERIFY(editor.OkButton()->isHidden() && !editor.CodeButton()->isEnabled() &&
            !editor.DeptButton()->isEnabled());
    QTest::keyClicks(Control<QLineEdit>(editor, "EqiName"), "abc");
    QCOMPARE(editor.AssetsSet().Query().RecordCount(), 0);
    QCOMPARE(editor.AssetsSet().Query().State(), DataSetState::Browse);
}

void tst_AssetPanel::classNotInUseIsLeftAlone() {
    KeyValue2.SetBool(68, true);
    KeyValue2.SetBool(69, false);
    PickLists.SetItems(6, {QStringLiteral("车床类")});
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL("update equipments set ClassA='旧类', ClassB='旧精度' where Id=1");
    TAssetEditorFra editor;
    editor.show();
    editor.SetAssetId(id);
    auto* off = Control<QComboBox>(editor, "ClassB");
    QCOMPARE(off->currentText(), QStringLiteral("未启用"));
    QVERIFY(!off->isEnabled() && !CaptionOf(editor, "ClassB")->isEnabled());
    QCOMPARE(CaptionOf(editor, "ClassB")->text(), QStringLiteral("类别二"));
    auto* on = Control<QComboBox>(editor, "ClassA");
    QVERIFY(on->isEnabled() && CaptionOf(editor, "ClassA")->isEnabled());
    QCOMPARE(on->currentText(), QStringLiteral("旧类"));
    on->setFocus();
    QTest::keyClick(on, Qt::Key_Down);
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(Text("select ClassA from equipments"), QStringLiteral("车床类"));
    QCOMPARE(Text("select ClassB from equipments"), QStringLiteral("旧精度"));
    QCOMPARE(DetailRows(), QStringList{"ClassA|旧类|车床类"});
}

void tst_AssetPanel::restrictedColumnsShowNoRight() {
    Restrictions.ValueVisible = false;
    Restrictions.PartnoVisible = false;
    Restrictions.FactoryVisible = false;
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL("update equipments set OriginalValue=98000 where Id=1");
    TAssetEditorFra editor;
    editor.show();
    editor.SetAssetId(id);
    for (const char* name : {"OriginalValue", "PartNo", "Manufactory"}) {
        auto* edit = Control<QLineEdit>(editor, QString::fromLatin1(name));
        QCOMPARE(edit->text(), QStringLiteral("无权限"));
        QVERIFY(!edit->isEnabled());
        QVERIFY(!CaptionOf(editor, QString::fromLatin1(name))->isEnabled());
    }
    Retype(editor, "EqiName", QStringLiteral("数控车床"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    QCOMPARE(Text("select EqiName from equipments"), QStringLiteral("数控车床"));
    QCOMPARE(Text("select PartNo from equipments"), QStringLiteral("C6140"));
    QCOMPARE(Text("select Manufactory from equipments"), QStringLiteral("沈阳机床"));
    QCOMPARE(ScalarInt("select OriginalValue from equipments"), 98000);
    QCOMPARE(DetailRows(), QStringList{"EqiName|车床|数控车床"});
}

void tst_AssetPanel::extendedEditSavesValuesAndItems() {
    AppLabels.EquipmentStr[6] = QStringLiteral("车间代号");
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL("update equipments set Configs='电压=380V' where Id=1");
    TAssetEditor2Fra editor;
    int saves = 0;
    editor.SetSaveCallback([&] { ++saves; });
    editor.show();
    editor.SetAssetId(id);
    QCOMPARE(CaptionOf(editor, "Str7")->text(), QStringLiteral("车间代号"));
    QTableWidget* items = editor.ItemList();
    QCOMPARE(items->horizontalHeaderItem(0)->text(), QStringLiteral("项目"));
    QCOMPARE(items->horizontalHeaderItem(1)->text(), QStringLiteral("数据"));
    QCOMPARE(items->rowCount(), 1);
    QCOMPARE(items->item(0, 1)->text(), QStringLiteral("380V"));

    Retype(editor, "Weight", QStringLiteral("1500.5"));
    Retype(editor, "Str7", QStringLiteral("A3"));
    auto seen = AnswerInput(QStringLiteral("转速"));
    QTest::mouseClick(editor.AddItemButton(), Qt::LeftButton);
    QCOMPARE(seen->Title, QStringLiteral("添加"));
    QCOMPARE(seen->Label, QStringLiteral("请输入参数名称:"));
    QCOMPARE(items->rowCount(), 2);
    items->item(1, 1)->setText(QStringLiteral("1200"));
    items->setCurrentCell(0, 0);
    QTest::mouseClick(editor.DeleteItemButton(), Qt::LeftButton);
    QCOMPARE(items->rowCount(), 1);
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);

    QCOMPARE(saves, 1);
    QCOMPARE(Text("select Configs from equipments"), QStringLiteral("转速=1200"));
    QCOMPARE(Text("select Str7 from equipments"), QStringLiteral("A3"));
    QCOMPARE(DetailRows(), (QStringList{"Configs|电压=380V|转速=1200", "Weight||1500.5"}));
    QCOMPARE(ScalarInt("select count(*) from logs where Actname='修改设备扩展信息'"), 1);

    // Items added and then cancelled leave the list as stored.
    AnswerInput(QStringLiteral("功率因数"));
    QTest::mouseClick(editor.AddItemButton(), Qt::LeftButton);
    QVERIFY(editor.CancelButton()->isEnabled());
    QTest::mouseClick(editor.CancelButton(), Qt::LeftButton);
    QCOMPARE(items->rowCount(), 1);
    QCOMPARE(items->item(0, 0)->text(), QStringLiteral("转速"));
}

// Last: the registration stays for the rest of the run.
void tst_AssetPanel::registeredPagesJoinNewPanels() {
    TAssetFra::RegisterPage(30, Probe(), QStringLiteral("事故"), 0);
    TAssetFra::RegisterPage(10, Probe(), QStringLiteral("变更"), 0);
    TAssetFra::RegisterPage(20, Probe(), QStringLiteral("保养"), 142);
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = QStringLiteral("wang");
    TAssetFra panel;
    QCOMPARE(panel.PageNames(), (QStringList{"信息", "变更", "事故"}));
    CurrentOperator.Load("sa");
    TAssetFra full;
    QCOMPARE(full.PageNames(), (QStringList{"信息", "变更", "保养", "事故", "日志"}));
}

LANYUE_ENGINE_TEST_MAIN(tst_AssetPanel)
#include "tst_assetpanel.moc"
