#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ModalDialogs.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Schema.h"
#include "spares/PartEditorFrm.h"
#include "spares/PartFinderFrm.h"
#include "spares/PartPickerFrm.h"
#include "spares/PartsInfoFrm.h"
#include "spares/PrtProfile.h"
#include "spares/SparesCommands.h"
#include "ui/jtDBGrid.h"
#include "ui/jtEdit.h"
#include "ui/jtPopupMenu.h"
#include "ui/mainFrm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QColor kGreen(0, 128, 0);

void Part(int id, const QString& s1, const QString& s2, double minQty, const QString& classA = {}) {
    DB.ExecSQL(
        "insert into parts(Id,S1,S2,S3,ClassA,Status,MinQty)values(:Id,:S1,:S2,'M8',:C,'在用',:M)",
        {DBParam("Id", id), DBParam("S1", s1), DBParam("S2", s2),
         DBParam("C", classA.isEmpty() ? QVariant() : QVariant(classA)), DBParam("M", minQty)});
}

// Puts stock into a part through one arrived line of an increasing bill.
void Receive(int partId, double qty) {
    const int id = ScalarInt("select count(*) from partindl") + 1;
    DB.ExecSQL("insert into partin(Id,Inout,Stateid)values(:Id,1,0)", {DBParam("Id", id)});
    DB.ExecSQL("insert into partindl(dlId,InId,PartId,Qty,QtyA)values(:Id,:Id,:P,:Q,:Q)",
               {DBParam("Id", id), DBParam("P", partId), DBParam("Q", qty)});
}

// Types text as an input method commits it, which reaches Chinese that key clicks cannot.
void Type(QWidget* input, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(input, &event);
}

QList<int> Ids(const DataSet& data) {
    QList<int> ids;
    const int id = data.FieldByName("Id").Index();
    for (int row = 0; row < data.RecordCount(); ++row)
        ids.append(data.ValueAt(row, id).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

QLineEdit* EditorEdit(TPartEditorFrm& editor, const char* field) {
    return qobject_cast<QLineEdit*>(editor.Input(QString::fromLatin1(field)));
}

} // namespace

class tst_PartsWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_PartsWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void listOpensEmptyUntilSearched();
    void searchPanelKeys();
    void belowMinimumRowsAreGreen();
    void addPart();
    void editorRefusesTextInNumbers();
    void editPart();
    void deleteAsksFirst();
    void commandsCheckTheirRights_data();
    void commandsCheckTheirRights();
    void findDialogSearchesOnlyOnOk();
    void pickerFiltersAndRemembersItsItem();
    void pickerStaysOpenWhileTheReceiverSaysSo();
    void profileShowsTenRows();
    void mainWindowEntry();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_PartsWindows::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    KeyValue2.DataSet().Close();
    PickLists.SetItems(109, {"轴承", "密封"});
    PickLists.SetItems(107, {"在用", "停用"});
    CurrentOperator.Load("sa");
    AppLabels = TAppLabels();
    Part(1, "ZC-A1", "深沟球轴承", 2, "轴承");
    Part(2, "MF-01", "骨架油封", 5, "密封");
    Part(3, "ZC-B2", "圆锥轴承A1", 0, "轴承");
    Receive(1, 2); // at its minimum
    Receive(2, 9); // above it
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_PartsWindows::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_PartsWindows::listOpensEmptyUntilSearched() {
    TPartsInfoFrm list;
    QCOMPARE(list.windowTitle(), QStringLiteral("备件管理"));
    QVERIFY(list.Parts().Query().Active());
    QVERIFY(list.Parts().Query().IsEmpty());
    QVERIFY(list.Parts().Where.IdFld->IsNull());
    QVERIFY(!list.EditAction()->isEnabled());
    QVERIFY(!list.DeleteAction()->isEnabled());
    QVERIFY(list.AddAction()->isEnabled());

    list.SearchButton()->click();
    QCOMPARE(Ids(list.Parts().Query()), (QList<int>{1, 2, 3}));
    QVERIFY(list.EditAction()->isEnabled());
    QVERIFY(list.DeleteAction()->isEnabled());
    QVERIFY(list.Parts().Query().Locate("Id", 2));
    QCOMPARE(list.Parts().StockQtyFld->AsFloat(), 9.0);

    // Edit and delete are in the menu and in the grid's pop-up menu, ahead of the grid's own.
    const QList<QAction*> popup = list.Grid()->PopupMenuJt()->actions();
    QVERIFY(popup.indexOf(list.EditAction()) >= 0 && popup.indexOf(list.DeleteAction()) >= 0);
    QVERIFY(popup.indexOf(list.DeleteAction()) < popup.indexOf(list.Grid()->ActionSort()));
    QStringList menus;
    for (QAction* menu : list.MenuBar()->actions())
        menus.append(menu->text());
    QCOMPARE(menus, (QStringList{"编辑(&E)", "视图(&V)"}));
}

void tst_PartsWindows::searchPanelKeys() {
    TPartsInfoFrm list;
    list.show();
    list.KeywordEdit()->setFocus();
    QTest::keyClicks(list.KeywordEdit(), "A1");
    QTest::keyClick(list.KeywordEdit(), Qt::Key_Return);
    QCOMPARE(Ids(list.Parts().Query()), (QList<int>{1, 3}));

    list.ClassCombo()->setFocus();
    Type(list.ClassCombo()->lineEdit(), "轴承");
    Type(list.TextEdit(2), "圆锥");
    QTest::keyClick(list.TextEdit(2), Qt::Key_Enter);
    QCOMPARE(Ids(list.Parts().Query()), QList<int>{3});

    QTest::keyClick(list.TextEdit(2), Qt::Key_Escape);
    QVERIFY(list.isVisible());
    QVERIFY(list.KeywordEdit()->text().isEmpty());
    QVERIFY(list.TextEdit(2)->text().isEmpty());
    QVERIFY(list.ClassCombo()->currentText().isEmpty());
    QCOMPARE(Ids(list.Parts().Query()), QList<int>{3}); // reset does not search
    list.RefreshAction()->trigger();
    QCOMPARE(Ids(list.Parts().Query()), (QList<int>{1, 2, 3}));
}

void tst_PartsWindows::belowMinimumRowsAreGreen() {
    TPartsInfoFrm list;
    list.show();
    QCOMPARE(list.StockCombo()->count(), 4);
    list.StockCombo()->setFocus();
    QTest::keyClick(list.StockCombo(), Qt::Key_Down); // "低于下限"
    QCOMPARE(list.StockCombo()->currentText(), QStringLiteral("低于下限"));
    list.SearchButton()->click();
    QCOMPARE(Ids(list.Parts().Query()), (QList<int>{1, 3}));
    for (int row = 0; row < 2; ++row)
        QCOMPARE(list.RowColor(row), kGreen);

    list.ResetSearch();
    list.Search();
    QVERIFY(list.Parts().Query().Locate("Id", 2));
    QCOMPARE(list.RowColor(list.Parts().Query().RecNo() - 1), QColor(Qt::black));
}

void tst_PartsWindows::addPart() {
    TPartsInfoFrm list;
    WhenShown<TPartEditorFrm>([](TPartEditorFrm& editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("备件"));
        QCOMPARE(EditorEdit(editor, "MinQty")->text(), QStringLiteral("0"));
        QVERIFY(EditorEdit(editor, "S1")->text().isEmpty());
        QVERIFY(EditorEdit(editor, "F1")->text().isEmpty());
        QCOMPARE(qobject_cast<QComboBox*>(editor.Input("ClassA"))->count(), 2);
        QTest::keyClicks(EditorEdit(editor, "S1"), "ZC-C3");
        Type(EditorEdit(editor, "S2"), "推力轴承");
        QTest::keyClicks(EditorEdit(editor, "F2"), "12.5");
        qobject_cast<QComboBox*>(editor.Input("Status"))->setEditText("新状态");
        editor.OkButton()->click();
    });
    list.AddAction()->trigger();
    DataSet& data = list.Parts().Query();
    QCOMPARE(data.RecordCount(), 1);
    QCOMPARE(list.Parts().IdFld->AsInteger(), 4);
    QCOMPARE(list.RowColor(0), kGreen);
    QVERIFY(list.EditAction()->isEnabled());
    QCOMPARE(ScalarInt("select count(*) from parts where Id=4 and S1='ZC-C3' and S2='推力轴承' "
                       "and F2=12.5 and MinQty=0 and Status='新状态' and F1=0"),
             1);

    list.Search();
    QVERIFY(data.Locate("Id", 4));
    QCOMPARE(list.Parts().MinQtyRFld->AsFloat(), 0.0);
    QCOMPARE(list.RowColor(data.RecNo() - 1), kGreen);
}

void tst_PartsWindows::editorRefusesTextInNumbers() {
    int handed = 0;
    TPartValues values;
    TPartEditorFrm editor([&](const TPartValues& v) {
        ++handed;
        values = v;
    });
    editor.show();
    EditorEdit(editor, "S1")->setText("X");
    EditorEdit(editor, "F3")->setText("1.2.3");
    editor.OkButton()->click();
    QCOMPARE(m_messages->Last().trimmed(), QStringLiteral("\"1.2.3\" 不是有效的数字."));
    QCOMPARE(handed, 0);
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.focusWidget(), editor.Input("F3"));

    // Empty number inputs count as 0.
    EditorEdit(editor, "F3")->clear();
    EditorEdit(editor, "MinQty")->clear();
    editor.OkButton()->click();
    QCOMPARE(handed, 1);
    QCOMPARE(values.S[0], QStringLiteral("X"));
    QCOMPARE(values.F[2], 0.0);
    QCOMPARE(values.MinQty, 0.0);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
}

void tst_PartsWindows::editPart() {
    TPartsInfoFrm list;
    list.Search();
    DataSet& data = list.Parts().Query();
    QVERIFY(data.Locate("Id", 2));
    DB.ExecSQL("update parts set Remarks='易损件', F5=7 where Id=2");
    list.Search();
    QVERIFY(data.Locate("Id", 2));
    WhenShown<TPartEditorFrm>([](TPartEditorFrm& editor) {
        QCOMPARE(EditorEdit(editor, "S1")->text(), QStringLiteral("MF-01"));
        QCOMPARE(EditorEdit(editor, "MinQty")->text(), QStringLiteral("5"));
        QCOMPARE(EditorEdit(editor, "F5")->text(), QStringLiteral("7"));
        QCOMPARE(qobject_cast<QComboBox*>(editor.Input("ClassA"))->currentText(),
                 QStringLiteral("密封"));
        QCOMPARE(qobject_cast<QPlainTextEdit*>(editor.Input("Remarks"))->toPlainText(),
                 QStringLiteral("易损件"));
        EditorEdit(editor, "S2")->setText("O形圈");
        EditorEdit(editor, "MinQty")->setText("10");
        editor.OkButton()->click();
    });
    list.EditAction()->trigger();
    QCOMPARE(data.State(), DataSetState::Browse);
    QCOMPARE(data.FieldByName("S2").AsString(), QStringLiteral("O形圈"));
    QCOMPARE(
        ScalarInt("select count(*) from parts where Id=2 and S2='O形圈' and MinQty=10 and F5=7"),
        1);
    QCOMPARE(data.RecordCount(), 3);

    // Cancelling changes nothing.
    WhenShown<TPartEditorFrm>([](TPartEditorFrm& editor) {
        EditorEdit(editor, "S2")->setText("丢弃");
        editor.CancelButton()->click();
    });
    list.EditAction()->trigger();
    QCOMPARE(data.FieldByName("S2").AsString(), QStringLiteral("O形圈"));
    QCOMPARE(ScalarInt("select count(*) from parts where S2='丢弃'"), 0);
}

void tst_PartsWindows::deleteAsksFirst() {
    TPartsInfoFrm list;
    list.Search();
    DataSet& data = list.Parts().Query();
    QVERIFY(data.Locate("Id", 3));
    m_messages->SetAnswer(QMessageBox::Cancel);
    list.DeleteAction()->trigger();
    QCOMPARE(m_messages->Last(), QStringLiteral("\r您确定要删除 这条记录 吗?\t\t"));
    QCOMPARE(ScalarInt("select count(*) from parts"), 3);
    m_messages->SetAnswer(QMessageBox::Ok);
    list.DeleteAction()->trigger();
    QCOMPARE(Ids(data), (QList<int>{1, 2}));
    QCOMPARE(ScalarInt("select count(*) from parts where Id=3"), 0);

    DB.ExecSQL("delete from parts");
    list.Search();
    QVERIFY(!list.DeleteAction()->isEnabled());
    QVERIFY(!list.EditAction()->isEnabled());
}

void tst_PartsWindows::commandsCheckTheirRights_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("right");
    QTest::newRow("添加") << "添加" << 122;
    QTest::newRow("修改") << "修改" << 123;
    QTest::newRow("删除") << "删除" << 124;
}

void tst_PartsWindows::commandsCheckTheirRights() {
    QFETCH(QString, command);
    QFETCH(int, right);
    CurrentOperator.LoginId = "clerk";
    CurrentOperator.Rights = ",122,123,124,";
    CurrentOperator.Rights.remove(QStringLiteral("%1,").arg(right));
    TPartsInfoFrm list;
    list.Search();
    QAction* action = command == u"添加"   ? list.AddAction()
                      : command == u"修改" ? list.EditAction()
                                           : list.DeleteAction();
    ModalCloser closer;
    action->trigger();
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(m_messages->Requests().size(), 1);
    QCOMPARE(m_messages->Last().trimmed(),
             QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right));
    QCOMPARE(ScalarInt("select count(*) from parts"), 3);
}

void tst_PartsWindows::findDialogSearchesOnlyOnOk() {
    TPartsInfoFrm list;
    WhenShown<TPartFinderFrm>([](TPartFinderFrm& finder) {
        QCOMPARE(finder.windowTitle(), QStringLiteral("备件查找"));
        Type(finder.TextEdit(2), "轴承");
        finder.CancelButton()->click();
    });
    list.FindAction()->trigger();
    QVERIFY(list.Parts().Query().IsEmpty());
    QCOMPARE(list.TextEdit(2)->text(), QStringLiteral("轴承")); // kept, not searched

    WhenShown<TPartFinderFrm>([](TPartFinderFrm& finder) {
        QCOMPARE(finder.TextEdit(2)->text(), QStringLiteral("轴承"));
        finder.StatusCombo()->setFocus();
        Type(finder.StatusCombo()->lineEdit(), "在用");
        QTest::keyClicks(finder.TextEdit(1), "ZC-A");
        finder.OkButton()->click();
    });
    list.FindAction()->trigger();
    QCOMPARE(Ids(list.Parts().Query()), QList<int>{1});
    QCOMPARE(list.StatusCombo()->currentText(), QStringLiteral("在用"));
}

void tst_PartsWindows::pickerFiltersAndRemembersItsItem() {
    TPartData chosen;
    WhenShown<TPartPickerFrm>([](TPartPickerFrm& picker) {
        QCOMPARE(picker.windowTitle(), QStringLiteral("请选择备件"));
        QCOMPARE(picker.Parts().IdFld->AsInteger(), 2);
        QCOMPARE(picker.ItemCombo()->itemText(0), QStringLiteral("关键字"));
        QCOMPARE(picker.ItemCombo()->itemText(2), QStringLiteral("备件名称"));
        QCOMPARE(picker.ItemCombo()->currentIndex(), 0);
        QTest::keyClicks(picker.ValueEdit(), "A1");
        QCOMPARE(Ids(picker.Parts().Query()), (QList<int>{1, 3}));
        picker.ItemCombo()->setCurrentIndex(2);
        QVERIFY(picker.ValueEdit()->text().isEmpty());
        QCOMPARE(picker.Parts().Query().RecordCount(), 3);
        Type(picker.ValueEdit(), "圆锥");
        QCOMPARE(Ids(picker.Parts().Query()), QList<int>{3});
        picker.OkButton()->click();
    });
    QVERIFY(PickPart(2, [&](const TPartData& part) {
        chosen = part;
        return true;
    }));
    QCOMPARE(chosen.Id, 3);
    QCOMPARE(chosen.S1, QStringLiteral("ZC-B2"));
    QCOMPARE(chosen.S3, QStringLiteral("M8"));
    QCOMPARE(chosen.ClassA, QStringLiteral("轴承"));
    QCOMPARE(KeyValue2.GetInt(117), 2);

    KeyValue2.DataSet().Close(); // as after a restart
    TPartPickerFrm again(-1, {});
    QCOMPARE(again.ItemCombo()->currentIndex(), 2);
    KeyValue2.SetInt(117, 42);
    TPartPickerFrm invalid(-1, {});
    QCOMPARE(invalid.ItemCombo()->currentIndex(), 0);
}

void tst_PartsWindows::pickerStaysOpenWhileTheReceiverSaysSo() {
    QList<int> offered;
    WhenShown<TPartPickerFrm>([](TPartPickerFrm& picker) {
        picker.Parts().Query().Locate("Id", 1);
        picker.OkButton()->click();
        QVERIFY(picker.isVisible());
        picker.Parts().Query().Locate("Id", 2);
        const QRect cell = picker.Grid()->visualRect(picker.Grid()->currentIndex());
        // A real double-click: the first click, then the second that arrives as the double-click.
        QTest::mouseClick(picker.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(picker.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(picker.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(picker.isVisible());
        QTest::keyClicks(picker.ValueEdit(), "nothing like it");
        QVERIFY(picker.Parts().Query().IsEmpty());
        picker.OkButton()->click(); // ignored on an empty list
        picker.CancelButton()->click();
    });
    QVERIFY(!PickPart(-1, [&](const TPartData& part) {
        offered.append(part.Id);
        return false;
    }));
    QCOMPARE(offered, (QList<int>{1, 2}));
}

void tst_PartsWindows::profileShowsTenRows() {
    AppLabels.PartStr[0] = "颜色";
    TPartsSet parts;
    DB.ExecSQL("update parts set S5='红' where Id=1");
    parts.OpenById(1);
    TPrtProfile profile;
    profile.ShowPart(parts);
    QCOMPARE(profile.columnCount(), 2);
    QCOMPARE(profile.columnWidth(0), 80);
    QCOMPARE(profile.horizontalHeaderItem(0)->text(), QStringLiteral("属性"));
    QCOMPARE(profile.horizontalHeaderItem(1)->text(), QStringLiteral("数据"));
    QStringList titles, texts;
    for (int row = 0; row < profile.rowCount(); ++row) {
        titles.append(profile.item(row, 0)->text());
        texts.append(profile.item(row, 1)->text());
    }
    QCOMPARE(titles, (QStringList{"备件编号", "备件名称", "备件规格", "备件厂商", "颜色", "字符型6",
                                  "字符型7", "字符型8", "分类", "状态"}));
    QCOMPARE(texts,
             (QStringList{"ZC-A1", "深沟球轴承", "M8", "", "红", "", "", "", "轴承", "在用"}));
    profile.ShowPart(parts);
    QCOMPARE(profile.rowCount(), 10);
}

void tst_PartsWindows::mainWindowEntry() {
    TmainFrm main;
    AddSparesCommands(main);
    QAction* command = main.Command(TMainSlot::Parts);
    QVERIFY(command);
    QCOMPARE(command->text(), QStringLiteral("备件资料"));
    QVERIFY(main.NavigationList()->Captions().contains(QStringLiteral("备件资料")));
    command->trigger();
    QCOMPARE(main.Children().size(), 1);
    QVERIFY(qobject_cast<TPartsInfoFrm*>(main.Children().constFirst()));
    command->trigger();
    QCOMPARE(main.Children().size(), 1);
    main.CloseChildren();
}

LANYUE_ENGINE_TEST_MAIN(tst_PartsWindows)
#include "tst_partswindows.moc"
