#include "EngineTest.h"
#include "MessageRecorder.h"
#include "TreeTesting.h"

#include "admin/Operator.h"
#include "data/Schema.h"
#include "equipment/DeptPickerFrm.h"
#include "equipment/DeptSet.h"
#include "equipment/DeptTree.h"
#include "ui/jtPopupMenu.h"

#include <QPushButton>

using namespace treetesting;

namespace {

// One call of the picker's callback.
struct Picked {
    QString Code;
    QString Text;
    QString Path;
};

// Drives the picker that PickDepartment shows, and notes every department handed over.
class PickerRun {
public:
    explicit PickerRun(bool answer = true) : m_answer(answer) {}

    bool Pick(const QString& current, std::function<void(TDeptPickerFrm&)> drive) {
        WhenShown<TDeptPickerFrm>([drive](TDeptPickerFrm& picker) {
            drive(picker);
            // A picker still open after the drive is closed, so no test can hang on it.
            if (picker.isVisible()) picker.reject();
        });
        return PickDepartment(
            current, [this](const QString& code, const QString& text, const QString& path) {
                m_calls.append({code, text, path});
                return m_answer;
            });
    }
    const QList<Picked>& Calls() const { return m_calls; }
    void SetAnswer(bool answer) { m_answer = answer; }

private:
    bool m_answer;
    QList<Picked> m_calls;
};

} // namespace

class tst_DeptPicker : public QObject {
    Q_OBJECT
public:
    explicit tst_DeptPicker(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnCurrentDepartment_data();
    void opensOnCurrentDepartment();
    void chooseButtonHandsOverDepartment_data();
    void chooseButtonHandsOverDepartment();
    void doubleClickChoosesOnlyNodesWithoutChildren();
    void enterChooses();
    void callbackRefusalKeepsPickerOpen();
    void closingChoosesNothing();
    void functionButtonDropsTreeMenu();
    void departmentAddedInPickerCanBeChosen();
    void editorChoosesNothingButEdits();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_DeptPicker::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL(QStringLiteral("delete from department"));
    AddDepartmentRow("00", "生产部");
    AddDepartmentRow("0000", "一车间");
    AddDepartmentRow("01", "后勤部");
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = QStringLiteral("sa");
}

void tst_DeptPicker::cleanup() {
    m_db.reset();
    CurrentOperator = TOperator();
}

void tst_DeptPicker::opensOnCurrentDepartment_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("selected");
    QTest::newRow("a department") << "0000"
                                  << "一车间";
    QTest::newRow("no department") << ""
                                   << "使用部门";
    QTest::newRow("a code that only begins like one") << "000"
                                                      << "使用部门";
    QTest::newRow("a code longer than any") << "000000"
                                            << "使用部门";
    QTest::newRow("a deleted department") << "02"
                                          << "使用部门";
}

void tst_DeptPicker::opensOnCurrentDepartment() {
    QFETCH(QString, current);
    QFETCH(QString, selected);
    QString seen;
    QString caption;
    PickerRun run;
    QVERIFY(!run.Pick(current, [&](TDeptPickerFrm& picker) {
        caption = picker.windowTitle();
        seen = picker.DeptTree()->currentItem()->text(0);
        QCOMPARE(picker.ChooseButton()->text(), QStringLiteral("选定"));
        QCOMPARE(picker.CloseButton()->text(), QStringLiteral("关闭"));
        QCOMPARE(picker.FunctionButton()->text(), QStringLiteral("功能 ▼"));
        QCOMPARE(Shape(*picker.DeptTree()), QStringLiteral("使用部门(生产部(一车间) 后勤部)"));
    }));
    QCOMPARE(caption, QStringLiteral("选择"));
    QCOMPARE(seen, selected);
    QVERIFY(run.Calls().isEmpty());
}

void tst_DeptPicker::chooseButtonHandsOverDepartment_data() {
    QTest::addColumn<QStringList>("node");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::newRow("a department with children") << QStringList{"使用部门", "生产部"} << "00"
                                                << "生产部"
                                                << "\\\\生产部";
    QTest::newRow("a child") << QStringList{"使用部门", "生产部", "一车间"} << "0000"
                             << "一车间"
                             << "\\\\生产部\\一车间";
    QTest::newRow("the root: no department") << QStringList{"使用部门"} << ""
                                             << "使用部门"
                                             << "";
}

void tst_DeptPicker::chooseButtonHandsOverDepartment() {
    QFETCH(QStringList, node);
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(QString, path);
    PickerRun run;
    QVERIFY(run.Pick("01", [&](TDeptPickerFrm& picker) {
        ClickNode(*picker.DeptTree(), Node(*picker.DeptTree(), node));
        QTest::mouseClick(picker.ChooseButton(), Qt::LeftButton);
        QVERIFY(!picker.isVisible());
    }));
    QCOMPARE(run.Calls().size(), 1);
    QCOMPARE(run.Calls()[0].Code, code);
    QCOMPARE(run.Calls()[0].Text, text);
    QCOMPARE(run.Calls()[0].Path, path);
}

void tst_DeptPicker::doubleClickChoosesOnlyNodesWithoutChildren() {
    PickerRun run;
    QVERIFY(run.Pick(QString(), [&](TDeptPickerFrm& picker) {
        TDeptTree& tree = *picker.DeptTree();
        DoubleClickNode(tree, Node(tree, {"使用部门", "生产部"}));
        QVERIFY(picker.isVisible());
        QVERIFY(run.Calls().isEmpty());
        tree.expandAll();
        DoubleClickNode(tree, Node(tree, {"使用部门", "生产部", "一车间"}));
    }));
    QCOMPARE(run.Calls().size(), 1);
    QCOMPARE(run.Calls()[0].Code, QStringLiteral("0000"));
}

void tst_DeptPicker::enterChooses() {
    PickerRun run;
    QVERIFY(run.Pick(
        "01", [&](TDeptPickerFrm& picker) { QTest::keyClick(picker.DeptTree(), Qt::Key_Return); }));
    QCOMPARE(run.Calls().size(), 1);
    QCOMPARE(run.Calls()[0].Path, QStringLiteral("\\\\后勤部"));
}

void tst_DeptPicker::callbackRefusalKeepsPickerOpen() {
    PickerRun run(false);
    QVERIFY(run.Pick("01", [&](TDeptPickerFrm& picker) {
        picker.ChooseButton()->click();
        QVERIFY(picker.isVisible());
        run.SetAnswer(true);
        picker.DeptTree()->setCurrentItem(Node(*picker.DeptTree(), {"使用部门", "生产部"}));
        picker.ChooseButton()->click();
    }));
    QCOMPARE(run.Calls().size(), 2);
    QCOMPARE(run.Calls()[0].Code, QStringLiteral("01"));
    QCOMPARE(run.Calls()[1].Code, QStringLiteral("00"));
}

void tst_DeptPicker::closingChoosesNothing() {
    PickerRun run;
    QVERIFY(!run.Pick("01", [](TDeptPickerFrm& picker) { picker.CloseButton()->click(); }));
    QVERIFY(!run.Pick("01", [](TDeptPickerFrm& picker) {
        QTest::keyClick(picker.DeptTree(), Qt::Key_Escape);
        QVERIFY(!picker.isVisible());
    }));
    QVERIFY(run.Calls().isEmpty());
}

void tst_DeptPicker::functionButtonDropsTreeMenu() {
    PickerRun run;
    run.Pick("01", [](TDeptPickerFrm& picker) {
        TjtPopupMenu* menu = picker.DeptTree()->PopupMenu();
        QVERIFY(!menu->isVisible());
        picker.FunctionButton()->click();
        QVERIFY(menu->isVisible());
        const QPoint below =
            picker.FunctionButton()->mapToGlobal(QPoint(0, picker.FunctionButton()->height()));
        QCOMPARE(menu->pos(), below);
        menu->hide();
    });
}

// Its node reads code-name until the tree is rebuilt; the path is whole at once.
void tst_DeptPicker::departmentAddedInPickerCanBeChosen() {
    PickerRun run;
    QVERIFY(run.Pick("01", [&](TDeptPickerFrm& picker) {
        AnswerInput("食堂");
        picker.DeptTree()->AddChildAction()->trigger();
        picker.DeptTree()->setCurrentItem(picker.DeptTree()->FindCode("0100"));
        picker.ChooseButton()->click();
    }));
    QCOMPARE(run.Calls().size(), 1);
    QCOMPARE(run.Calls()[0].Code, QStringLiteral("0100"));
    QCOMPARE(run.Calls()[0].Text, QStringLiteral("0100-食堂"));
    QCOMPARE(run.Calls()[0].Path, QStringLiteral("\\\\后勤部\\食堂"));
}

void tst_DeptPicker::editorChoosesNothingButEdits() {
    bool stayedOpen = false;
    QString shape;
    WhenShown<TDeptPickerFrm>([&](TDeptPickerFrm& editor) {
        QCOMPARE(editor.DeptTree()->currentItem(), editor.DeptTree()->Root());
        editor.DeptTree()->setCurrentItem(Node(*editor.DeptTree(), {"使用部门", "后勤部"}));
        editor.ChooseButton()->click();
        DoubleClickNode(*editor.DeptTree(), Node(*editor.DeptTree(), {"使用部门", "后勤部"}));
        stayedOpen = editor.isVisible();
        AnswerInput("行政部");
        editor.DeptTree()->EditAction()->trigger();
        shape = Shape(*editor.DeptTree());
        editor.CloseButton()->click();
    });
    EditDepartments();
    QVERIFY(stayedOpen);
    QCOMPARE(shape, QStringLiteral("使用部门(生产部(一车间) 01-行政部)"));
    QCOMPARE(StoredDepartments(), QStringList({"00:生产部", "0000:一车间", "01:行政部"}));
    QCOMPARE(DeptSet.GetPath("01"), QStringLiteral("\\\\行政部"));
}

LANYUE_ENGINE_TEST_MAIN(tst_DeptPicker)
#include "tst_deptpicker.moc"
