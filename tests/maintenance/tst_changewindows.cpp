#include "ChangeFixture.h"
#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "equipment/AssetFra.h"
#include "equipment/AssetPickerFrm.h"
#include "equipment/AstProfile.h"
#include "equipment/DeptPickerFrm.h"
#include "equipment/DeptTree.h"
#include "maintenance/AssetChangesFra.h"
#include "maintenance/ChangeCommands.h"
#include "maintenance/ChangeEditorFrm.h"
#include "maintenance/ChangeListFrm.h"
#include "maintenance/ChgItemsFrm.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/mainFrm.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

using namespace accidentfixture;
using namespace changefixture;

namespace {

// Types text as an input method commits it, which reaches Chinese that key clicks cannot.
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

QString Info(const QString& text) {
    return QStringLiteral("\r\n") + text + QStringLiteral("\t");
}

QAction* MenuEntry(QMenu* menu, const QString& caption) {
    for (QAction* entry : menu->actions())
        if (entry->text() == caption) return entry;
    return nullptr;
}

QAction* MenuEntry(QMenuBar* bar, const QString& menu, const QString& caption) {
    for (QAction* top : bar->actions())
        if (top->text() == menu) return MenuEntry(top->menu(), caption);
    return nullptr;
}

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ShowAll(TChangeListFrm& list) {
    list.ResetClick();
    list.SearchClick();
}

} // namespace

class tst_ChangeWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_ChangeWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void listOpensOnPendingRequests();
    void listSearchesFromItsPanel();
    void applyPicksMachineThenChoosesValue();
    void cancelledEditorClosesThePicker();
    void editorChoosesDepartment();
    void chooserNeedsAValue();
    void editShowsAndSavesTheRequest();
    void approveTogglesAndNeedsItsRight();
    void commandsNeedExactlyOneSelectedRow();
    void pageShowsAndAppliesForItsMachine();
    void viewMenuHidesBars();
    void mainWindowCommandAndPage();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_ChangeWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    InsertChanges();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_ChangeWindows::cleanup() {
    m_messages.reset();
    ProcessDeletes();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_ChangeWindows::listOpensOnPendingRequests() {
    TChangeListFrm list;
    list.show();
    QCOMPARE(list.windowTitle(), QStringLiteral("设备变更"));
    QCOMPARE(list.Grid()->LayoutId(), 100);
    QCOMPARE(list.StateCombo()->currentText(), QStringLiteral("待批准"));
    QCOMPARE(Ids(list.Changes().Query()), (QList<int>{1, 2, 5}));

    list.StateCombo()->setCurrentIndex(0);
    Q_EMIT list.StateCombo()->activated(0);
    list.SearchClick();
    QCOMPARE(Ids(list.Changes().Query()), (QList<int>{3, 4}));
    list.StateCombo()->setCurrentIndex(2);
    Q_EMIT list.StateCombo()->activated(2);
    list.SearchClick();
    QCOMPARE(Ids(list.Changes().Query()), (QList<int>{1, 2, 3, 4, 5}));
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_ChangeWindows::listSearchesFromItsPanel() {
    TChangeListFrm list;
    list.show();
    list.ReasonEdit()->setFocus();
    Type(list.ReasonEdit(), QStringLiteral("损"));
    QTest::keyClick(list.ReasonEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list.Changes().Query()), QList<int>{2});

    QTest::keyClick(list.ReasonEdit(), Qt::Key_Escape);
    QVERIFY(list.ReasonEdit()->text().isEmpty());
    QVERIFY(list.StateCombo()->currentText().isEmpty());
    Type(list.CodeEdit(), QStringLiteral("XY"));
    list.ChgmanCombo()->setEditText(QStringLiteral("王五"));
    list.SearchButton()->click();
    QCOMPARE(Ids(list.Changes().Query()), QList<int>{4});

    list.ResetClick();
    WhenShown<TDeptPickerFrm>([](TDeptPickerFrm& picker) {
        picker.DeptTree()->SelectCode(QStringLiteral("00"));
        picker.ChooseButton()->click();
    });
    list.PickDeptClick();
    QCOMPARE(list.DeptEdit()->text(), QStringLiteral("\\\\生产部"));
    list.DateToEdit()->SetAsDate(QDate(2026, 6, 30));
    list.SearchClick();
    QCOMPARE(Ids(list.Changes().Query()), (QList<int>{1, 2}));
}

void tst_ChangeWindows::applyPicksMachineThenChoosesValue() {
    TChangeListFrm list;
    QVERIFY(list.Changes().Query().Locate("Id", 5));
    bool pickerOnCurrent = false;
    WhenShown<TAssetPickerFrm>([&](TAssetPickerFrm& picker) {
        pickerOnCurrent = picker.Assets().IdFld->AsInteger() == 3;
        picker.Assets().Query().Locate("Id", 2);
        picker.OkButton()->click();
    });
    QStringList offered;
    WhenShown<TChgItemsFrm>([&](TChgItemsFrm& chooser) {
        for (int i = 0; i < chooser.List()->count(); ++i) offered.append(chooser.List()->item(i)->text());
        chooser.List()->setCurrentRow(1);
        QTest::mouseClick(chooser.List()->viewport(), Qt::LeftButton, {},
                          chooser.List()->visualItemRect(chooser.List()->item(1)).center());
        chooser.OkButton()->click();
    });
    QStringList opened;
    WhenShown<TChangeEditorFrm>([&](TChangeEditorFrm& editor) {
        opened = QStringList{editor.Profile()->item(0, 1)->text(), editor.DateEdit()->date().toString(Qt::ISODate),
                             editor.ItemEdit()->text(), editor.BillmanEdit()->text()};
        QVERIFY(editor.ItemEdit()->isReadOnly() && editor.Value2Edit()->isReadOnly());
        MenuEntry(editor.ItemMenu(), QStringLiteral("设备状况"))->trigger();
        opened << editor.ItemEdit()->text() << editor.Value1Edit()->text() << editor.Value2Edit()->text();
        Type(editor.ReasonEdit(), QStringLiteral("闲置不用"));
        editor.ChgmanCombo()->setEditText(QStringLiteral("赵六"));
        editor.OkButton()->click();
    });
    list.ApplyAction()->trigger();
    QVERIFY(pickerOnCurrent);
    QCOMPARE(offered, (QStringList{"在用", "闲置", "维修", "报废"}));
    QCOMPARE(opened, (QStringList{"SB002", QDate::currentDate().toString(Qt::ISODate), "", "sa", "设备状况", "在用",
                                  "闲置"}));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(list.Changes().IdFld->AsInteger(), 6);
    QCOMPARE(Ids(list.Changes().Query()), (QList<int>{1, 2, 5, 6}));
    QCOMPARE(ScalarInt("select count(*) from changes where Id=6 and AssetId=2 and FldIdx=1 and ItmLabel='设备状况' "
                       "and FldValue1='在用' and FldValue2='闲置' and ChgReason='闲置不用' and Chgman='赵六' "
                       "and Billman='sa' and Sanctionman is null"),
             1);
    ScratchSet.Open("select ChgDate from changes where Id=6");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
}

void tst_ChangeWindows::cancelledEditorClosesThePicker() {
    TChangeListFrm list;
    WhenShown<TAssetPickerFrm>([](TAssetPickerFrm& picker) { picker.OkButton()->click(); });
    WhenShown<TChangeEditorFrm>([](TChangeEditorFrm& editor) {
        Type(editor.ReasonEdit(), QStringLiteral("不要了"));
        editor.CancelButton()->click();
    });
    list.ApplyAction()->trigger();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(ScalarInt("select count(*) from changes"), 5);
    QCOMPARE(list.Changes().Query().State(), DataSetState::Browse);

    // Without the apply right the picked machine gets no editor.
    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",130,");
    WhenShown<TAssetPickerFrm>([](TAssetPickerFrm& picker) { picker.OkButton()->click(); });
    list.ApplyAction()->trigger();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(m_messages->Texts(), QStringList{Info("对不起,您没有该功能的操作权限,请与管理员联系(102).")});
}

void tst_ChangeWindows::editorChoosesDepartment() {
    TChangeInput input;
    input.ItmLabel = QStringLiteral("设备状况");
    TChangeEditorFrm editor(1, input, {});
    QString preselected;
    WhenShown<TDeptPickerFrm>([&](TDeptPickerFrm& picker) {
        preselected = TDeptTree::CodeOf(picker.Tree()->currentItem());
        picker.DeptTree()->SelectCode(QStringLiteral("01"));
        picker.ChooseButton()->click();
    });
    const QList<QAction*> entries = editor.ItemMenu()->actions();
    QCOMPARE(entries.size(), 6);
    QVERIFY(entries[1]->isSeparator());
    entries[0]->trigger();
    QCOMPARE(preselected, QStringLiteral("0000"));
    const TChangeInput& item = editor.Item();
    QCOMPARE(item.FldIdx, 0);
    QCOMPARE(QStringList({item.FldValue1, item.FldValue2, item.ItmValue1, item.ItmValue2}),
             (QStringList{"0000", "01", "\\\\生产部\\一车间", "\\\\后勤部"}));
    QCOMPARE(editor.ItemEdit()->text(), QStringLiteral("使用部门"));
    QCOMPARE(editor.Value2Edit()->text(), QStringLiteral("\\\\后勤部"));

    // A cancelled chooser keeps the item chosen before.
    WhenShown<TChgItemsFrm>([](TChgItemsFrm& chooser) { chooser.CancelButton()->click(); });
    MenuEntry(editor.ItemMenu(), QStringLiteral("验收情况"))->trigger();
    QCOMPARE(editor.Item().FldIdx, 0);
    QCOMPARE(editor.ItemEdit()->text(), QStringLiteral("使用部门"));
}

void tst_ChangeWindows::chooserNeedsAValue() {
    TChgItemsFrm chooser({QStringLiteral("一号厂房"), QStringLiteral("二号厂房")});
    chooser.show();
    QCOMPARE(chooser.windowTitle(), QStringLiteral("选择"));
    QVERIFY(chooser.ValueEdit()->text().isEmpty());
    QVERIFY(!chooser.OkButton()->isEnabled());
    QTest::mouseClick(chooser.List()->viewport(), Qt::LeftButton, {},
                      chooser.List()->visualItemRect(chooser.List()->item(1)).center());
    QCOMPARE(chooser.Value(), QStringLiteral("二号厂房"));
    QVERIFY(chooser.OkButton()->isEnabled());
    chooser.ValueEdit()->clear();
    QVERIFY(!chooser.OkButton()->isEnabled());
    Type(chooser.ValueEdit(), QStringLiteral("室外"));
    QVERIFY(chooser.OkButton()->isEnabled());
    QCOMPARE(chooser.Value(), QStringLiteral("室外"));
}

void tst_ChangeWindows::editShowsAndSavesTheRequest() {
    TChangeListFrm list;
    QVERIFY(list.Changes().Query().Locate("Id", 1));
    QStringList shown;
    WhenShown<TChangeEditorFrm>([&](TChangeEditorFrm& editor) {
        shown = QStringList{editor.DateEdit()->date().toString(Qt::ISODate), editor.ItemEdit()->text(),
                            editor.Value1Edit()->text(), editor.Value2Edit()->text(),
                            editor.ReasonEdit()->text(), editor.ChgmanCombo()->currentText(),
                            editor.RemarksEdit()->text(), editor.BillmanEdit()->text(),
                            editor.BillTimeEdit()->text()};
        editor.DateEdit()->SetAsDate(QDate(2026, 2, 2));
        editor.RemarksEdit()->setText(QStringLiteral("不急"));
        editor.OkButton()->click();
    });
    list.EditAction()->trigger();
    QCOMPARE(shown, (QStringList{"2026-01-05", "使用部门", "\\\\生产部\\一车间", "\\\\后勤部", "调拨", "张三", "急",
                                 "sa", "2026-01-05 08:00:00"}));
    QCOMPARE(ScalarInt("select count(*) from changes where Id=1 and Remarks='不急' and FldIdx=0 and FldValue2='01' "
                       "and ChgReason='调拨' and Sanctionman is null"),
             1);
    ScratchSet.Open("select ChgDate from changes where Id=1");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), QDateTime(QDate(2026, 2, 2), QTime(0, 0)));
    QCOMPARE(list.Changes().RemarksFld->AsString(), QStringLiteral("不急"));

    // Another writer's request opens no editor.
    QVERIFY(list.Changes().Query().Locate("Id", 5));
    ModalCloser closer;
    list.EditAction()->trigger();
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(m_messages->Last(), Info(QStringLiteral("您没有权限修改他人编制的申请记录")));
}

void tst_ChangeWindows::approveTogglesAndNeedsItsRight() {
    TChangeListFrm list;
    list.show();
    QVERIFY(list.Changes().Query().Locate("Id", 2));
    QCOMPARE(list.ApproveAction()->text(), QStringLiteral("批准"));
    list.ApproveAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from equipments where Id=1 and Status='停用'"), 1);
    QCOMPARE(list.ApproveAction()->text(), QStringLiteral("撤消"));
    list.ApproveAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from equipments where Id=1 and Status='在用'"), 1);
    QCOMPARE(list.ApproveAction()->text(), QStringLiteral("批准"));
    QVERIFY(m_messages->Texts().isEmpty());

    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",102,");
    list.ApproveAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{Info("对不起,您没有该功能的操作权限,请与管理员联系(130).")});
    QCOMPARE(ScalarInt("select count(*) from changes where Sanctionman is not null"), 2);
}

void tst_ChangeWindows::commandsNeedExactlyOneSelectedRow() {
    TChangeListFrm list;
    list.show();
    ShowAll(list);
    QVERIFY(list.Changes().Query().Locate("Id", 3));
    QCOMPARE(list.Grid()->SelectedCount(), 1);
    QVERIFY(list.EditAction()->isEnabled() && list.DeleteAction()->isEnabled());
    QCOMPARE(list.ApproveAction()->text(), QStringLiteral("撤消"));
    QAbstractItemModel* model = list.Grid()->model();
    list.Grid()->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 0)),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(list.Grid()->SelectedCount() > 1);
    for (QAction* action : {list.ApproveAction(), list.EditAction(), list.DeleteAction()})
        QVERIFY(!action->isEnabled());
    ModalCloser closer;
    list.DeleteAction()->trigger();
    QCOMPARE(closer.Seen(), 0);
    QVERIFY(m_messages->Texts().isEmpty());

    Type(list.CodeEdit(), QStringLiteral("没有"));
    list.SearchClick();
    QVERIFY(!list.EditAction()->isEnabled());
    QVERIFY(list.ApplyAction()->isEnabled());
}

void tst_ChangeWindows::pageShowsAndAppliesForItsMachine() {
    TAssetChangesFra page;
    page.show();
    QCOMPARE(page.Grid()->LayoutId(), 103);
    page.SetAssetId(1);
    QCOMPARE(Ids(page.Changes().Query()), (QList<int>{1, 2}));
    page.SetAssetId(2);
    QCOMPARE(Ids(page.Changes().Query()), QList<int>{3});
    QVERIFY(page.ApproveButton()->isEnabled());
    QCOMPARE(page.ApproveButton()->text(), QStringLiteral("撤消"));
    page.Grid()->clearSelection();
    QVERIFY(!page.EditButton()->isEnabled() && !page.DeleteButton()->isEnabled());

    // The machine is known: the editor opens straight away, without the picker.
    WhenShown<TChangeEditorFrm>([](TChangeEditorFrm& editor) {
        Type(editor.ReasonEdit(), QStringLiteral("忘了选项目"));
        editor.OkButton()->click();
    });
    page.ApplyButton()->click();
    QCOMPARE(Ids(page.Changes().Query()), (QList<int>{3, 6}));
    QCOMPARE(ScalarInt("select count(*) from changes where Id=6 and AssetId=2 and FldIdx=-1"), 1);
    QCOMPARE(page.ApproveButton()->text(), QStringLiteral("批准"));
    page.ApproveButton()->click();
    QCOMPARE(m_messages->Texts(), QStringList{Info(QStringLiteral("无效的变更项目"))});
    QCOMPARE(ScalarInt("select count(*) from changes where Id=6 and Sanctionman is null"), 1);

    page.SetAssetId(-1);
    QVERIFY(page.Changes().Query().IsEmpty());
    QVERIFY(!page.ApproveButton()->isEnabled());
    ModalCloser closer;
    page.ApplyButton()->click();
    QCOMPARE(closer.Seen(), 0);
}

void tst_ChangeWindows::viewMenuHidesBars() {
    TChangeListFrm list;
    list.show();
    QAction* toolBar = MenuEntry(list.MenuBar(), QStringLiteral("视图(&V)"), QStringLiteral("工具栏"));
    QAction* findBar = MenuEntry(list.MenuBar(), QStringLiteral("视图(&V)"), QStringLiteral("查找栏"));
    QVERIFY(toolBar && findBar);
    findBar->trigger();
    QVERIFY(!list.SearchPanel()->isVisible());
    toolBar->trigger();
    QVERIFY(!list.ToolBar()->isVisible());
}

void tst_ChangeWindows::mainWindowCommandAndPage() {
    {
        TmainFrm main;
        main.show();
        AddChangeCommands(main);
        QAction* command = main.Command(TMainSlot::ChangeList);
        QVERIFY(command);
        QCOMPARE(command->text(), QStringLiteral("设备变更"));
        command->trigger();
        QCOMPARE(main.Children().size(), 1);
        QVERIFY(qobject_cast<TChangeListFrm*>(main.Children().first()));
        command->trigger();  // brought forward, not opened twice
        QCOMPARE(main.Children().size(), 1);
        main.CloseChildren();
    }
    ProcessDeletes();
    {
        TmainFrm second;  // the page is registered once, however many main windows there are
        AddChangeCommands(second);
    }

    TAssetFra panel;
    const QStringList pages = panel.PageNames();
    QCOMPARE(pages.count(QStringLiteral("变更")), 1);
    QCOMPARE(pages.indexOf(QStringLiteral("变更")), 1);
    QVERIFY(qobject_cast<TAssetChangesFra*>(panel.Page(1)));

    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",102,130,");
    TAssetFra restricted;
    QVERIFY(!restricted.PageNames().contains(QStringLiteral("变更")));
}

LANYUE_ENGINE_TEST_MAIN(tst_ChangeWindows)
#include "tst_changewindows.moc"
