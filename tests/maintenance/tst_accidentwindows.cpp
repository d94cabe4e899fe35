#include "AccidentFixture.h"
#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "equipment/AssetFra.h"
#include "equipment/AssetPickerFrm.h"
#include "equipment/AstProfile.h"
#include "equipment/CataPickerFrm.h"
#include "equipment/DeptPickerFrm.h"
#include "equipment/DeptTree.h"
#include "maintenance/AccidentCountFrm.h"
#include "maintenance/AccidentEditorFrm.h"
#include "maintenance/AccidentListFrm.h"
#include "maintenance/AssetAccidentsFra.h"
#include "maintenance/MaintenanceCommands.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/mainFrm.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace accidentfixture;

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

QString RightRefused(int right) {
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(right);
}

const QString kConfirmDelete = QStringLiteral("\r您确定要删除 当前记录 吗?\t\t");

QTreeWidgetItem* NodeWithText(QTreeWidget* tree, const QString& text) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == text) return *it;
    qFatal("no node %s", qPrintable(text));
}

QAction* MenuEntry(QMenuBar* bar, const QString& menu, const QString& caption) {
    for (QAction* top : bar->actions())
        if (top->text() == menu)
            for (QAction* entry : top->menu()->actions())
                if (entry->text() == caption) return entry;
    return nullptr;
}

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_AccidentWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_AccidentWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void listSearchesFromItsPanel();
    void listPickersSetClassAndDepartment();
    void addPicksMachineThenOpensEditor();
    void cancelledEditorClosesThePicker();
    void editShowsAndSavesTheCurrentRow();
    void deleteAsksFirst();
    void commandsNeedTheManageRight_data();
    void commandsNeedTheManageRight();
    void editorRefusesBadLossAndKeepsInput();
    void editorPicksDepartmentPath();
    void pageShowsAndAddsTheMachinesAccidents();
    void analysisOpensOnTheCurrentYear();
    void viewMenuHidesBars();
    void mainWindowCommandsAndPage();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_AccidentWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    InsertAccidents();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AccidentWindows::cleanup() {
    m_messages.reset();
    ProcessDeletes();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_AccidentWindows::listSearchesFromItsPanel() {
    PickLists.SetItems(110, {QStringLiteral("一般"), QStringLiteral("重大")});
    TAccidentListFrm list;
    list.show();
    QCOMPARE(list.windowTitle(), QStringLiteral("设备事故"));
    QCOMPARE(list.Grid()->LayoutId(), 123);
    QCOMPARE(Ids(list.Accidents().Query()), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(list.GradeCombo()->count(), 2);

    list.KeywordEdit()->setFocus();
    Type(list.KeywordEdit(), QStringLiteral("轴承"));
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list.Accidents().Query()), QList<int>{2});
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Escape);
    QVERIFY(list.KeywordEdit()->text().isEmpty());
    QCOMPARE(Ids(list.Accidents().Query()), QList<int>{2});  // reset clears, the search finds
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list.Accidents().Query()), (QList<int>{1, 2, 3, 4, 5}));

    list.GradeCombo()->setCurrentText(QStringLiteral("一般"));
    list.DateToEdit()->SetAsDate(QDate(2026, 12, 30));
    QTest::keyClicks(list.MoneyFromEdit(), "50");
    list.SearchButton()->click();
    QCOMPARE(Ids(list.Accidents().Query()), (QList<int>{1, 3}));
    list.ResetButton()->click();
    QVERIFY(list.Where().AccClassFld->IsNull() && list.Where().AccDate2Fld->IsNull());
    QVERIFY(list.MoneyFromEdit()->text().isEmpty() && !list.DateToEdit()->Checked());
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_AccidentWindows::listPickersSetClassAndDepartment() {
    KeyValue2.SetBool(68, true);
    PickLists.SetItems(6, {QStringLiteral("金切"), QStringLiteral("动力")});
    TAccidentListFrm list;
    Type(list.CodeEdit(), QStringLiteral("XY"));
    WhenShown<TCataPickerFrm>([](TCataPickerFrm& picker) {
        picker.Tree()->setCurrentItem(NodeWithText(picker.Tree(), QStringLiteral("动力")));
        picker.ChooseButton()->click();
    });
    list.PickClassClick();
    QCOMPARE(list.Where().AssetClassAFld->AsString(), QStringLiteral("动力"));
    QVERIFY(list.ClassEdit()->text().endsWith(QStringLiteral("\\动力")));
    QCOMPARE(list.CodeEdit()->text(), QStringLiteral("XY"));  // typed before the pick, kept

    WhenShown<TDeptPickerFrm>([](TDeptPickerFrm& picker) {
        picker.DeptTree()->SelectCode(QStringLiteral("00"));
        picker.ChooseButton()->click();
    });
    list.PickDeptClick();
    QCOMPARE(list.Where().AssetUseDeptFld->AsString(), QStringLiteral("00"));
    QCOMPARE(list.DeptEdit()->text(), QStringLiteral("\\\\生产部"));
    list.SearchClick();
    QCOMPARE(Ids(list.Accidents().Query()), (QList<int>{4, 5}));
}

void tst_AccidentWindows::addPicksMachineThenOpensEditor() {
    TAccidentListFrm list;
    QVERIFY(list.Accidents().Query().Locate("Id", 3));
    bool pickerOnCurrent = false;
    WhenShown<TAssetPickerFrm>([&](TAssetPickerFrm& picker) {
        pickerOnCurrent = picker.Assets().IdFld->AsInteger() == 2;
        picker.Assets().Query().Locate("Id", 3);
        picker.OkButton()->click();
    });
    QString profileCode;
    QDate offered;
    WhenShown<TAccidentEditorFrm>([&](TAccidentEditorFrm& editor) {
        profileCode = editor.Profile()->item(0, 1)->text();
        offered = editor.DateEdit()->date();
        editor.DateEdit()->SetAsDate(QDate(2026, 8, 9));
        Type(editor.DeptEdit(), QStringLiteral("动力科"));
        editor.ClassCombo()->setEditText(QStringLiteral("重大"));
        editor.PropCombo()->setEditText(QStringLiteral("设备老化"));
        QTest::keyClicks(editor.MoneyEdit(), "88.5");
        editor.BriefMemo()->setPlainText(QStringLiteral("管道破裂"));
        editor.OkButton()->click();
    });
    list.AddAction()->trigger();
    QVERIFY(pickerOnCurrent);
    QCOMPARE(profileCode, QStringLiteral("XY001"));
    QCOMPARE(offered, QDate::currentDate());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(list.Accidents().Query().RecordCount(), 6);
    QCOMPARE(list.Accidents().IdFld->AsInteger(), 6);
    QCOMPARE(list.Accidents().AssetCodeFld->AsString(), QStringLiteral("XY001"));
    QCOMPARE(ScalarInt("select count(*) from accidents where Id=6 and AssetId=3 and AccDept='动力科' and "
                       "AccClass='重大' and AccProp='设备老化' and AccMoney=88.5 and AccBrief='管道破裂'"),
             1);
    ScratchSet.Open("select AccDate from accidents where Id=6");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), QDateTime(QDate(2026, 8, 9), QTime(0, 0)));
}

void tst_AccidentWindows::cancelledEditorClosesThePicker() {
    TAccidentListFrm list;
    WhenShown<TAssetPickerFrm>([](TAssetPickerFrm& picker) { picker.OkButton()->click(); });
    WhenShown<TAccidentEditorFrm>([](TAccidentEditorFrm& editor) {
        editor.MoneyEdit()->setText("10");
        editor.CancelButton()->click();
    });
    list.AddAction()->trigger();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(ScalarInt("select count(*) from accidents"), 5);
    QCOMPARE(list.Accidents().Query().RecordCount(), 5);
    QCOMPARE(list.Accidents().Query().State(), DataSetState::Browse);
}

void tst_AccidentWindows::editShowsAndSavesTheCurrentRow() {
    TAccidentListFrm list;
    QVERIFY(list.Accidents().Query().Locate("Id", 3));
    QStringList shown;
    WhenShown<TAccidentEditorFrm>([&](TAccidentEditorFrm& editor) {
        shown = QStringList{editor.Profile()->item(0, 1)->text(),
                            editor.DateEdit()->date().toString(Qt::ISODate),
                            editor.DeptEdit()->text(),
                            editor.ClassCombo()->currentText(),
                            editor.PropCombo()->currentText(),
                            editor.MoneyEdit()->text(),
                            editor.SummeryMemo()->toPlainText()};
        editor.MoneyEdit()->setText("60");
        editor.Tabs()->setCurrentIndex(1);
        editor.InvestsMemo()->setPlainText(QStringLiteral("未按规程操作"));
        editor.OkButton()->click();
    });
    list.EditAction()->trigger();
    QCOMPARE(shown, (QStringList{"SB002", "2026-06-15", "后勤部", "一般", "操作失误", "50", "加强培训"}));
    QCOMPARE(list.Accidents().AccMoneyFld->AsFloat(), 60.0);
    QCOMPARE(list.Accidents().Query().RecordCount(), 5);
    QCOMPARE(ScalarInt("select count(*) from accidents where Id=3 and AccMoney=60 and Invests='未按规程操作' "
                       "and Summery='加强培训' and AssetId=2"),
             1);
}

void tst_AccidentWindows::deleteAsksFirst() {
    TAccidentListFrm list;
    QVERIFY(list.Accidents().Query().Locate("Id", 4));
    m_messages->SetAnswer(QMessageBox::Cancel);
    list.DeleteAction()->trigger();
    QCOMPARE(m_messages->Texts(), QStringList{kConfirmDelete});
    QCOMPARE(ScalarInt("select count(*) from accidents"), 5);

    m_messages->SetAnswer(QMessageBox::Ok);
    list.DeleteAction()->trigger();
    QCOMPARE(ScalarInt("select count(*) from accidents where Id=4"), 0);
    QCOMPARE(Ids(list.Accidents().Query()), (QList<int>{1, 2, 3, 5}));

    m_messages->Clear();
    Type(list.KeywordEdit(), QStringLiteral("没有这样的事故"));
    list.SearchClick();
    list.DeleteAction()->trigger();
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_AccidentWindows::commandsNeedTheManageRight_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("command");
    for (const char* window : {"list", "page"})
        for (const char* command : {"添加", "修改", "删除"})
            QTest::addRow("%s %s", window, command) << QString::fromLatin1(window) << QString::fromUtf8(command);
}

void tst_AccidentWindows::commandsNeedTheManageRight() {
    QFETCH(QString, window);
    QFETCH(QString, command);
    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",135,");
    TAccidentListFrm list;
    TAssetAccidentsFra page;
    page.SetAssetId(1);
    ModalCloser closer;
    if (window == u"list") {
        QAction* action = command == u"添加" ? list.AddAction()
                          : command == u"修改" ? list.EditAction()
                                               : list.DeleteAction();
        action->trigger();
    } else {
        QPushButton* button = command == u"添加" ? page.AddButton()
                              : command == u"修改" ? page.EditButton()
                                                   : page.DeleteButton();
        button->click();
    }
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(m_messages->Texts(), QStringList{RightRefused(128)});
    QCOMPARE(ScalarInt("select count(*) from accidents"), 5);
}

void tst_AccidentWindows::editorRefusesBadLossAndKeepsInput() {
    int calls = 0;
    bool answer = false;
    TAccidentInput received;
    TAccidentEditorFrm editor(2, TAccidentInput{}, [&](const TAssetData& asset, const TAccidentInput& input) {
        ++calls;
        received = input;
        return asset.Code == u"SB002" && answer;
    });
    editor.show();
    QCOMPARE(editor.windowTitle(), QStringLiteral("事故报告"));
    QCOMPARE(editor.Tabs()->tabText(0), QStringLiteral("事故经过"));
    QCOMPARE(editor.Tabs()->tabText(1), QStringLiteral("事故调查"));
    QCOMPARE(editor.Tabs()->tabText(2), QStringLiteral("防范总结"));
    editor.MoneyEdit()->setText("1.2.3");  // pasted: the key filter never saw it
    editor.SummeryMemo()->setPlainText(QStringLiteral("定期检查"));
    editor.OkButton()->click();
    QCOMPARE(m_messages->Texts(), QStringList{"\r\n\"1.2.3\" 不是有效的数字.\t"});
    QCOMPARE(calls, 0);
    QVERIFY(editor.isVisible());

    // A save that fails leaves everything typed in place.
    editor.MoneyEdit()->setText("12.5");
    editor.DateEdit()->setDateTime(QDateTime(QDate(2026, 5, 4), QTime(16, 20)));
    editor.OkButton()->click();
    QCOMPARE(calls, 1);
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.SummeryMemo()->toPlainText(), QStringLiteral("定期检查"));
    answer = true;
    editor.OkButton()->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(received.AccMoney, 12.5);
    QCOMPARE(received.AccDate, QDate(2026, 5, 4));
    QCOMPARE(received.Summery, QStringLiteral("定期检查"));
}

void tst_AccidentWindows::editorPicksDepartmentPath() {
    TAccidentInput input;
    input.AccDept = QStringLiteral("外单位");
    TAccidentEditorFrm editor(1, input, {});
    QCOMPARE(editor.DeptEdit()->text(), QStringLiteral("外单位"));
    QString preselected;
    WhenShown<TDeptPickerFrm>([&](TDeptPickerFrm& picker) {
        preselected = TDeptTree::CodeOf(picker.Tree()->currentItem());
        picker.DeptTree()->SelectCode(QStringLiteral("0000"));
        picker.ChooseButton()->click();
    });
    editor.DeptButton()->click();
    QVERIFY(preselected.isEmpty());
    QCOMPARE(editor.DeptEdit()->text(), QStringLiteral("\\\\生产部\\一车间"));
}

void tst_AccidentWindows::pageShowsAndAddsTheMachinesAccidents() {
    TAssetAccidentsFra page;
    page.show();
    QCOMPARE(page.Grid()->LayoutId(), 133);
    page.SetAssetId(1);
    QCOMPARE(Ids(page.Accidents().Query()), (QList<int>{1, 2}));
    page.SetAssetId(3);
    QCOMPARE(Ids(page.Accidents().Query()), (QList<int>{4, 5}));
    QCOMPARE(page.AssetId(), 3);

    // The machine is known: the editor opens straight away, without the picker.
    WhenShown<TAccidentEditorFrm>([](TAccidentEditorFrm& editor) {
        QTest::keyClicks(editor.MoneyEdit(), "300");
        editor.OkButton()->click();
    });
    page.AddButton()->click();
    QCOMPARE(Ids(page.Accidents().Query()), (QList<int>{4, 5, 6}));
    QCOMPARE(ScalarInt("select AssetId from accidents where Id=6 and AccMoney=300"), 3);

    page.SetAssetId(-1);
    QVERIFY(page.Accidents().Query().IsEmpty());
    ModalCloser closer;
    page.AddButton()->click();
    QCOMPARE(closer.Seen(), 0);
}

void tst_AccidentWindows::analysisOpensOnTheCurrentYear() {
    const int year = QDate::currentDate().year();
    DB.ExecSQL(QStringLiteral("update accidents set AccDate=:D where Id in (1,2)"),
               {DBParam("D", QDateTime(QDate(year, 2, 1), QTime(10, 0)))});
    DB.ExecSQL(QStringLiteral("update accidents set AccDate=:D where Id>2"),
               {DBParam("D", QDateTime(QDate(year - 1, 2, 1), QTime(10, 0)))});
    TAccidentCountFrm window;
    QCOMPARE(window.windowTitle(), QStringLiteral("事故分析"));
    QCOMPARE(window.Grid()->LayoutId(), 130);
    QCOMPARE(window.DateFromEdit()->date(), QDate(year, 1, 1));
    QVERIFY(!window.DateToEdit()->Checked());
    DataSet& result = window.Result().DataSet();
    result.Last();
    QCOMPARE(result.FieldByName("Tqty").AsInteger(), 2);
    QCOMPARE(result.FieldByName("Tfund").AsFloat(), 2600.5);

    window.ResetButton()->click();
    window.SearchButton()->click();
    result.Last();
    QCOMPARE(result.FieldByName("Tqty").AsInteger(), 5);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_AccidentWindows::viewMenuHidesBars() {
    TAccidentListFrm list;
    list.show();
    QAction* toolBar = MenuEntry(list.MenuBar(), QStringLiteral("视图(&V)"), QStringLiteral("工具栏"));
    QAction* findBar = MenuEntry(list.MenuBar(), QStringLiteral("视图(&V)"), QStringLiteral("查找栏"));
    QVERIFY(toolBar && findBar && toolBar->isChecked() && findBar->isChecked());
    findBar->trigger();
    QVERIFY(!list.SearchPanel()->isVisible());
    QVERIFY(list.ToolBar()->isVisible());
    toolBar->trigger();
    QVERIFY(!list.ToolBar()->isVisible());

    TAccidentCountFrm analysis;
    analysis.show();
    QAction* datePanel = MenuEntry(analysis.MenuBar(), QStringLiteral("视图(&V)"), QStringLiteral("查找栏"));
    QVERIFY(datePanel);
    datePanel->trigger();
    QVERIFY(!analysis.DatePanel()->isVisible());
}

void tst_AccidentWindows::mainWindowCommandsAndPage() {
    {
        TmainFrm main;
        main.show();
        AddMaintenanceCommands(main);
        QAction* list = main.Command(TMainSlot::AccidentList);
        QAction* analysis = main.Command(TMainSlot::AccidentCount);
        QVERIFY(list && analysis);
        QCOMPARE(list->text(), QStringLiteral("设备事故"));
        QCOMPARE(analysis->text(), QStringLiteral("事故分析"));
        list->trigger();
        QCOMPARE(main.Children().size(), 1);
        auto* accidents = qobject_cast<TAccidentListFrm*>(main.Children().first());
        QVERIFY(accidents);
        accidents->CountAction()->trigger();
        QCOMPARE(main.Children().size(), 2);
        auto* count = qobject_cast<TAccidentCountFrm*>(main.Children().last());
        QVERIFY(count);
        QVERIFY(count->NavigationIndex() >= 0);
        analysis->trigger();  // brought forward, not opened twice
        QCOMPARE(main.Children().size(), 2);
        main.CloseChildren();
    }
    ProcessDeletes();
    {
        TmainFrm second;  // the page is registered once, however many main windows there are
        AddMaintenanceCommands(second);
    }

    TAssetFra panel;
    const QStringList pages = panel.PageNames();
    QCOMPARE(pages.count(QStringLiteral("事故")), 1);
    QVERIFY(qobject_cast<TAssetAccidentsFra*>(panel.Page(int(pages.indexOf(QStringLiteral("事故"))))));

    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",128,");
    TAssetFra restricted;
    QVERIFY(!restricted.PageNames().contains(QStringLiteral("事故")));
}

LANYUE_ENGINE_TEST_MAIN(tst_AccidentWindows)
#include "tst_accidentwindows.moc"
