#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AssetFra.h"
#include "equipment/AssetUpdatelogsFra.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptSet.h"
#include "equipment/EquiplogsReportFrm.h"
#include "equipment/EquipmentCommands.h"
#include "equipment/LogsViewFrm.h"
#include "equipment/SystatuSet.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtListboxNav.h"
#include "ui/mainFrm.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QToolButton>

#include <algorithm>

namespace {

const QString kRefused = QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(140).");

int AddAsset(const QString& code, const QString& name) {
    TAssetsSet set;
    set.OpenById(-1);
    set.Query().Append();
    set.CodeFld->SetAsString(code);
    set.EqiNameFld->SetAsString(name);
    if (!set.AddNew()) qFatal("equipment %s not added", qPrintable(code));
    return set.IdFld->AsInteger();
}

// A basic save from the editor, which writes the update log.
void SaveBasic(int id, const QString& status, const QString& dept) {
    TAssetsSet set;
    set.OpenById(id);
    set.Query().Edit();
    set.Query().FieldByName(QStringLiteral("Status")).SetAsString(status);
    set.Query().FieldByName(QStringLiteral("UseDeptId")).SetAsString(dept);
    if (!set.SaveBasic()) qFatal("equipment %d not saved", id);
}

void UpdateLog(int id, int equipId, const QString& man, const QDateTime& time,
               const QString& computer) {
    DB.ExecSQL(QStringLiteral("insert into equiplogs(Id,EquipId,Updateman,UpdateTime,ComputName)"
                              "values(:Id,:EquipId,:Man,:T,:C)"),
               {DBParam("Id", id), DBParam("EquipId", equipId), DBParam("Man", man),
                DBParam("T", time), DBParam("C", computer)});
}

void UpdateDetail(int id, int logId, const QString& name, const QString& label,
                  const QString& before, const QString& after) {
    DB.ExecSQL(QStringLiteral("insert into equiplogsdl(Id,LogId,FldName,FldLabel,OldValue,NewValue)"
                              "values(:Id,:LogId,:N,:L,:O,:V)"),
               {DBParam("Id", id), DBParam("LogId", logId), DBParam("N", name),
                DBParam("L", label), DBParam("O", before), DBParam("V", after)});
}

void OperatorLogRow(int id, const QString& action, const QString& code, const QString& man,
                    const QDateTime& time, const QString& computer) {
    DB.ExecSQL(QStringLiteral("insert into logs(Id,Actname,Details,Results,Handman,Logtime,"
                              "ComputName)values(:Id,:A,:D,'成功',:M,:T,:C)"),
               {DBParam("Id", id), DBParam("A", action),
                DBParam("D", QString(QStringLiteral("\r\n设备编号 := ") + code)), DBParam("M", man),
                DBParam("T", time), DBParam("C", computer)});
}

QDateTime At(int day, int hour) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, 30));
}

// Types text as an input method commits it, which reaches Chinese that key clicks cannot.
void Type(QWidget* input, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(input)) input = combo->lineEdit();
    input->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(input, &event);
}

void PickDate(TjtDateTimePicker* picker, const QDate& date) {
    if (date.isValid()) picker->SetAsDateTime(QDateTime(date, QTime(0, 0)));
}

// "LogId:FldName" of every row, sorted: the update-log query has no order of its own.
QStringList Changes(TEquiplogsReport& report) {
    QStringList rows;
    const DataSet& d = report.Query();
    for (int row = 0; d.Active() && row < d.RecordCount(); ++row)
        rows.append(d.ValueAt(row, report.LogIdFld->Index()).toString() + u':' +
                    d.ValueAt(row, report.FldNameFld->Index()).toString());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> LogIds(TLogset& logs) {
    QList<int> ids;
    const DataSet& d = logs.Query();
    for (int row = 0; d.Active() && row < d.RecordCount(); ++row)
        ids.append(d.ValueAt(row, logs.IdFld->Index()).toInt());
    return ids;
}

QList<int> StoredLogIds() {
    QList<int> ids;
    ScratchSet.Open(QStringLiteral("select Id from logs order by Id desc"));
    DataSet& d = ScratchSet.DataSet();
    for (d.First(); !d.Eof(); d.Next())
        ids.append(d.Fields(0).AsInteger());
    return ids;
}

void SetOperator(const QString& login, const QList<int>& rights) {
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = login;
    CurrentOperator.Rights = RightsText(rights);
}

template <class T> QList<T*> ChildrenOf(const TmainFrm& main) {
    QList<T*> windows;
    for (TBasicFrm* window : main.Children())
        if (auto* found = qobject_cast<T*>(window)) windows.append(found);
    return windows;
}

TAssetUpdatelogsFra* LogPage(TAssetFra& panel) {
    const int last = int(panel.PageNames().size()) - 1;
    return qobject_cast<TAssetUpdatelogsFra*>(panel.Page(last));
}

} // namespace

class tst_LogWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_LogWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void logPageShowsChangesOfTheMachine();
    void rightGatesPageAndWindow_data();
    void rightGatesPageAndWindow();
    void operatorLogEntryIsHiddenButOpens();
    void reportStartsEmptyAndFinds_data();
    void reportStartsEmptyAndFinds();
    void reportKeysAndClose();
    void operatorLogFinds_data();
    void operatorLogFinds();
    void deletingSelectedLinesRemovesExactlyThose();
    void logPageStaysLastAfterOtherLibraries();

private:
    void AddUpdateLogs();
    void AddOperatorLogs();

    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_LogWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('01','后勤部')");
    DeptSet.LoadAll();
    KeyValue2.DataSet().Close(); // the application-wide copy belongs to the previous database
    SystatuSet.Load();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_LogWindows::cleanup() {
    m_messages.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    KeyValue2.DataSet().Close();
    m_db.reset();
}

// Two saves of machine 1 by two operators on two days, from two computers; machine 2 once.
void tst_LogWindows::AddUpdateLogs() {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName)values(1,'SB001','车床')");
    DB.ExecSQL("insert into equipments(Id,Code,EqiName)values(2,'SB002','铣床')");
    UpdateLog(1, 1, "wang", At(5, 9), "PC-A");
    UpdateLog(2, 2, "li", At(6, 18), "PC-B");
    UpdateDetail(1, 1, "Status", "设备状况", "在用", "维修");
    UpdateDetail(2, 1, "UseDeptPath", "使用部门", "\\\\生产部", "\\\\后勤部");
    UpdateDetail(3, 2, "Status", "设备状况", "闲置", "在用");
    UpdateDetail(4, 2, "FixPlace", "安装地点", "一号厂房", "O'Neil 二号厂房");
}

void tst_LogWindows::AddOperatorLogs() {
    OperatorLogRow(1, "添加设备", "SB001", "wang", At(5, 8), "PC-A");
    OperatorLogRow(2, "删除设备", "SB001", "wang", At(5, 23), "PC-A");
    OperatorLogRow(3, "修改设备基本信息", "SB002", "li", At(6, 9), "PC-B");
    OperatorLogRow(4, "删除设备", "SB002", "li", At(7, 10), "PC-B");
    OperatorLogRow(5, "添加设备", "SB003", "sa", At(7, 11), "PC-A");
}

void tst_LogWindows::logPageShowsChangesOfTheMachine() {
    const int edited = AddAsset("SB0001", "车床");
    const int untouched = AddAsset("SB0002", "铣床");
    SaveBasic(edited, "维修", "01");
    TAssetFra panel;
    TAssetUpdatelogsFra* page = LogPage(panel);
    QVERIFY(page);
    QCOMPARE(panel.PageNames().last(), QStringLiteral("日志"));
    panel.SetAssetId(edited);
    QVERIFY(!page->Report().Query().Active()); // a page behind reads nothing

    panel.SelectPage(int(panel.PageNames().size()) - 1);
    TEquiplogsReport& report = page->Report();
    QCOMPARE(Changes(report), (QStringList{"1:Status", "1:UseDeptPath"}));
    QCOMPARE(page->Grid()->RowCount(), 2);
    QVERIFY(report.Query().Locate("FldName", "UseDeptPath"));
    QCOMPARE(report.OldValueFld->AsString(), QString());
    QCOMPARE(report.NewValueFld->AsString(), QStringLiteral("\\\\后勤部"));
    QCOMPARE(report.EqiCodeFld->AsString(), QStringLiteral("SB0001"));
    QCOMPARE(report.UpdatemanFld->AsString(), QStringLiteral("sa"));

    panel.SetAssetId(untouched);
    QVERIFY(report.Query().Active());
    QCOMPARE(page->Grid()->RowCount(), 0);
    panel.SetAssetId(-1);
    QCOMPARE(page->Grid()->RowCount(), 0);

    // A save made while another page is in front shows when the log comes forward again.
    panel.SelectPage(0);
    panel.SetAssetId(edited);
    SaveBasic(edited, "在用", "01");
    panel.SelectPage(int(panel.PageNames().size()) - 1);
    QCOMPARE(Changes(report), (QStringList{"1:Status", "1:UseDeptPath", "2:Status"}));
}

void tst_LogWindows::rightGatesPageAndWindow_data() {
    QTest::addColumn<bool>("granted");
    QTest::newRow("without 140") << false;
    QTest::newRow("with 140") << true;
}

void tst_LogWindows::rightGatesPageAndWindow() {
    QFETCH(bool, granted);
    SetOperator("wang", granted ? QList<int>{140} : QList<int>{});
    TAssetFra panel;
    QCOMPARE(panel.PageNames().contains(QStringLiteral("日志")), granted);
    QCOMPARE(LogPage(panel) != nullptr, granted);

    TmainFrm main;
    AddEquipmentCommands(main);
    QAction* command = main.Command(TMainSlot::AssetUpdatelog);
    QVERIFY(command && command->isVisible());
    QCOMPARE(command->text(), QStringLiteral("修改日志"));
    command->trigger();
    command->trigger(); // the second time brings the open window forward
    const QList<TEquiplogsReportFrm*> windows = ChildrenOf<TEquiplogsReportFrm>(main);
    QCOMPARE(windows.size(), granted ? 1 : 0);
    QCOMPARE(main.NavigationList()->Captions().count(QStringLiteral("设备修改日志")),
             granted ? 1 : 0);
    QCOMPARE(m_messages->Texts().filter(kRefused).size(), granted ? 0 : 2);
    if (granted) {
        QCOMPARE(windows[0]->windowTitle(), QStringLiteral("设备修改日志"));
        QVERIFY(windows[0]->NavigationIndex() >= 0);
    }
}

void tst_LogWindows::operatorLogEntryIsHiddenButOpens() {
    SetOperator("wang", {});
    TmainFrm main;
    AddEquipmentCommands(main);
    QAction* command = main.Command(TMainSlot::OperatorLog);
    QVERIFY(command);
    QCOMPARE(command->text(), QStringLiteral("操作日志"));
    QVERIFY(!command->isVisible());
    command->trigger();
    command->trigger();
    const QList<TLogsViewFrm*> windows = ChildrenOf<TLogsViewFrm>(main);
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows[0]->windowTitle(), QStringLiteral("操作日志"));
    QCOMPARE(windows[0]->NavigationIndex(), -1);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_LogWindows::reportStartsEmptyAndFinds_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("found");
    const QDate none;
    const QStringList all{"1:Status", "1:UseDeptPath", "2:FixPlace", "2:Status"};
    QTest::newRow("nothing") << "" << "" << none << none << all;
    QTest::newRow("item") << "修改项目" << "设备状况" << none << none
                          << QStringList{"1:Status", "2:Status"};
    QTest::newRow("old value, anywhere") << "改前" << "用" << none << none
                                         << QStringList{"1:Status"};
    QTest::newRow("new value, anywhere") << "改后" << "厂房" << none << none
                                         << QStringList{"2:FixPlace"};
    QTest::newRow("quote in value") << "改后" << "O'Neil" << none << none
                                    << QStringList{"2:FixPlace"};
    QTest::newRow("quote, no match") << "改前" << "x' or 'a'='a" << none << none
                                     << QStringList();
    QTest::newRow("operator") << "修改人" << "li" << none << none
                              << QStringList{"2:FixPlace", "2:Status"};
    QTest::newRow("computer") << "计算机名称" << "PC-A" << none << none
                              << QStringList{"1:Status", "1:UseDeptPath"};
    QTest::newRow("from a day") << "" << "" << QDate(2026, 3, 6) << none
                                << QStringList{"2:FixPlace", "2:Status"};
    QTest::newRow("up to a day") << "" << "" << none << QDate(2026, 3, 5)
                                 << QStringList{"1:Status", "1:UseDeptPath"};
    QTest::newRow("one whole day") << "" << "" << QDate(2026, 3, 6) << QDate(2026, 3, 6)
                                   << QStringList{"2:FixPlace", "2:Status"};
}

void tst_LogWindows::reportStartsEmptyAndFinds() {
    QFETCH(QString, input);
    QFETCH(QString, value);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, found);
    AddUpdateLogs();
    TEquiplogsReportFrm window;
    QVERIFY(!window.Report().Query().Active());
    QCOMPARE(window.Grid()->RowCount(), 0);

    const QHash<QString, QWidget*> inputs{{"修改项目", window.ItemCombo()},
                                          {"改前", window.OldValueEdit()},
                                          {"改后", window.NewValueEdit()},
                                          {"修改人", window.UpdatemanCombo()},
                                          {"计算机名称", window.ComputNameEdit()}};
    if (!input.isEmpty()) Type(inputs.value(input), value);
    PickDate(window.TimeFrom(), from);
    PickDate(window.TimeTo(), to);
    window.FindButton()->click();
    QCOMPARE(Changes(window.Report()), found);
    QCOMPARE(window.Grid()->RowCount(), int(found.size()));
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_LogWindows::reportKeysAndClose() {
    AddUpdateLogs();
    SetOperator("wang", {140});
    TOperatorSet().Insert("li", "", "", "", "", "李四");
    auto* window = new TEquiplogsReportFrm;
    QPointer<TEquiplogsReportFrm> alive(window);
    window->show();
    QVERIFY(window->ItemCombo()->findText(QStringLiteral("设备状况")) >= 0);
    QCOMPARE(window->UpdatemanCombo()->findText(QStringLiteral("li")), 1);

    Type(window->NewValueEdit(), "在用");
    PickDate(window->TimeFrom(), QDate(2026, 3, 1));
    QTest::keyClick(window->NewValueEdit(), Qt::Key_Return);
    QCOMPARE(Changes(window->Report()), QStringList{"2:Status"});
    QTest::keyClick(window->ComputNameEdit(), Qt::Key_Escape);
    QVERIFY(window->NewValueEdit()->text().isEmpty());
    QVERIFY(!window->TimeFrom()->AsDateTime().isValid());
    QVERIFY(window->isVisible()); // Esc in the panel clears, it does not close
    QTest::keyClick(window->ComputNameEdit(), Qt::Key_Return);
    QCOMPARE(Changes(window->Report()).size(), 4);

    window->CloseAction()->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
}

void tst_LogWindows::operatorLogFinds_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QList<int>>("found");
    const QDate none;
    QTest::newRow("nothing, newest first") << "" << "" << none << none << QList<int>{5, 4, 3, 2, 1};
    QTest::newRow("deletes") << "行为" << "删除设备" << none << none << QList<int>{4, 2};
    QTest::newRow("action matches whole") << "行为" << "删除" << none << none << QList<int>();
    QTest::newRow("description as typed") << "行为描述" << "SB001" << none << none
                                          << QList<int>();
    QTest::newRow("description with %") << "行为描述" << "%SB001%" << none << none
                                        << QList<int>{2, 1};
    QTest::newRow("operator") << "操作员" << "li" << none << none << QList<int>{4, 3};
    QTest::newRow("computer") << "计算机名称" << "PC-B" << none << none << QList<int>{4, 3};
    QTest::newRow("address never filled") << "访问者IP" << "%" << none << none << QList<int>();
    QTest::newRow("one whole day") << "" << "" << QDate(2026, 3, 5) << QDate(2026, 3, 5)
                                   << QList<int>{2, 1};
    QTest::newRow("from a day") << "" << "" << QDate(2026, 3, 6) << none
                                << QList<int>{5, 4, 3};
}

void tst_LogWindows::operatorLogFinds() {
    QFETCH(QString, input);
    QFETCH(QString, value);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QList<int>, found);
    AddOperatorLogs();
    TLogsViewFrm window;
    QVERIFY(!window.Logs().Query().Active());
    QStringList actions;
    for (int i = 0; i < window.ActionCombo()->count(); ++i)
        actions.append(window.ActionCombo()->itemText(i));
    QCOMPARE(actions, (QStringList{"添加设备", "修改设备基本信息", "修改设备扩展信息", "删除设备"}));

    const QHash<QString, QWidget*> inputs{{"操作员", window.HandmanCombo()},
                                          {"行为", window.ActionCombo()},
                                          {"行为描述", window.DetailsEdit()},
                                          {"计算机名称", window.ComputNameEdit()},
                                          {"访问者IP", window.ComputIpEdit()}};
    if (!input.isEmpty()) Type(inputs.value(input), value);
    PickDate(window.TimeFrom(), from);
    PickDate(window.TimeTo(), to);
    window.FindButton()->click();
    QCOMPARE(LogIds(window.Logs()), found);
    QVERIFY(m_messages->Texts().isEmpty());

    window.ResetButton()->click();
    window.FindButton()->click();
    QCOMPARE(LogIds(window.Logs()).size(), 5);
}

void tst_LogWindows::deletingSelectedLinesRemovesExactlyThose() {
    AddOperatorLogs();
    TLogsViewFrm window;
    TjtDBGrid* grid = window.Grid();
    grid->SetLayout(QStringLiteral("Id=True40\r\nActname=True120\r\n"));
    window.resize(800, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.FindClick();
    QCOMPARE(LogIds(window.Logs()), (QList<int>{5, 4, 3, 2, 1}));

    // Rows 0, 2 and 3 (lines 5, 3 and 2), the last one clicked is current.
    const int column = grid->ColumnOf(QStringLiteral("Actname"));
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
    };
    click(0, Qt::NoModifier);
    click(2, Qt::ControlModifier);
    click(3, Qt::ControlModifier);
    QCOMPARE(grid->SelectedRows(), (QList<int>{0, 2, 3}));
    QCOMPARE(window.Logs().IdFld->AsInteger(), 2);

    m_messages->SetAnswer(QMessageBox::Cancel);
    window.DeleteAction()->trigger();
    QCOMPARE(m_messages->Last(), QStringLiteral("\r确定删除选中的3行记录吗?\t\t"));
    QCOMPARE(m_messages->Requests().last().icon, QMessageBox::Information);
    QCOMPARE(StoredLogIds().size(), 5);

    m_messages->SetAnswer(QMessageBox::Ok);
    window.DeleteAction()->trigger();
    QCOMPARE(StoredLogIds(), (QList<int>{4, 1}));
    QCOMPARE(LogIds(window.Logs()), (QList<int>{4, 1}));
    QCOMPARE(grid->RowCount(), 2);

    // Nothing selected, nothing asked.
    grid->clearSelection();
    m_messages->Clear();
    window.DeleteAction()->trigger();
    QVERIFY(m_messages->Texts().isEmpty());
    QCOMPARE(StoredLogIds().size(), 2);
}

// Registered pages last for the rest of the run, so this comes last.
void tst_LogWindows::logPageStaysLastAfterOtherLibraries() {
    const auto page = [](QWidget* parent) { return new TAssetPageFra(parent); };
    TAssetFra::RegisterPage(3, page, QStringLiteral("事故"), 0);
    TAssetFra::RegisterPage(1, page, QStringLiteral("变更"), 0);
    TAssetFra::RegisterPage(2, page, QStringLiteral("保养"), 0);
    TAssetFra panel;
    QCOMPARE(panel.PageNames(), (QStringList{"信息", "变更", "保养", "事故", "日志"}));
    panel.AddPage(page, QStringLiteral("备件"), 0);
    QCOMPARE(panel.PageNames(), (QStringList{"信息", "变更", "保养", "事故", "备件", "日志"}));
    QVERIFY(LogPage(panel));
    panel.SelectPage(5);
    QCOMPARE(panel.Page(panel.CurrentPage()), LogPage(panel));
}

LANYUE_ENGINE_TEST_MAIN(tst_LogWindows)
#include "tst_logwindows.moc"
