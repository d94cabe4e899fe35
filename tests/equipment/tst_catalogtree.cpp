#include "EngineTest.h"
#include "MessageRecorder.h"
#include "TreeTesting.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "data/Schema.h"
#include "equipment/CataPickerFrm.h"
#include "equipment/CatalogTree.h"
#include "equipment/DeptTree.h"
#include "ui/jtPopupMenu.h"

#include <QPushButton>

using namespace treetesting;

namespace {

struct Picked {
    QString FieldName;
    QString Value;
    QString Path;
};

// Drives the picker that PickClass shows and notes every class value handed over.
class PickerRun {
public:
    bool Pick(const QString& current, std::function<void(TCataPickerFrm&)> drive) {
        WhenShown<TCataPickerFrm>([drive](TCataPickerFrm& picker) {
            drive(picker);
            if (picker.isVisible()) picker.reject();
        });
        return PickClass(current,
                         [this](const QString& field, const QString& value, const QString& path) {
                             m_calls.append({field, value, path});
                             return true;
                         });
    }
    const QList<Picked>& Calls() const { return m_calls; }

private:
    QList<Picked> m_calls;
};

} // namespace

class tst_CatalogTree : public QObject {
    Q_OBJECT
public:
    explicit tst_CatalogTree(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void classesInUseWithTheirValues();
    void whatCanBeChosen();
    void opensOnCurrentPath_data();
    void opensOnCurrentPath();
    void chooseHandsOverFieldValueAndPath_data();
    void chooseHandsOverFieldValueAndPath();
    void labelsAreNotChosen();
    void doubleClickChoosesValue();
    void refreshReadsChangedClasses();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    TAppLabels m_savedLabels;
};

void tst_CatalogTree::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    KeyValue2.DataSet().Close(); // the application-wide copy belongs to the previous database
    m_savedLabels = AppLabels;
    AppLabels.ClassLabels = QStringList{"类型", "用途", "精度", "产地", "五", "六"};
    const bool inUse[] = {true, true, true, false, false, true};
    const QStringList values[] = {{"车床", "铣床"}, {"生产", "检测"}, {},
                                  {"国产", "进口"}, {"甲"},           {}};
    for (int i = 0; i < 6; ++i) {
        KeyValue2.SetBool(68 + i, inUse[i]);
        PickLists.SetItems(6 + i, values[i]);
    }
    // Written by hand with a blank line and a line break at the end.
    KeyValue2.SetStr(11, "一级\r\n\r\n二级\r\n");
}

void tst_CatalogTree::cleanup() {
    AppLabels = m_savedLabels;
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_CatalogTree::classesInUseWithTheirValues() {
    TCatalogTree tree;
    tree.Build();
    QCOMPARE(Shape(tree),
             QStringLiteral("全部 类型(车床 铣床) 用途(生产 检测) 精度 六(一级 二级)"));
    QCOMPARE(tree.currentItem()->text(0), QStringLiteral("全部"));
    QTreeWidgetItem* value = Node(tree, {"用途", "检测"});
    QCOMPARE(TCatalogTree::FieldNameOf(value), QStringLiteral("AssetClassB"));
    QCOMPARE(TCatalogTree::PathOf(value), QStringLiteral("用途\\检测"));
    QCOMPARE(TCatalogTree::FieldNameOf(Node(tree, {"六", "二级"})), QStringLiteral("AssetClassF"));
    QCOMPARE(TCatalogTree::PathOf(Node(tree, {"全部"})), QStringLiteral("全部"));
    QCOMPARE(NodeImage(Node(tree, {"全部"})), 1);
    QCOMPARE(NodeImage(Node(tree, {"类型"})), 1);
    QCOMPARE(NodeImage(value), 3);
    QVERIFY(Node(tree, {"类型"})->isExpanded());
}

void tst_CatalogTree::whatCanBeChosen() {
    TCatalogTree tree;
    tree.Build();
    QVERIFY(TCatalogTree::CanChoose(Node(tree, {"全部"})));
    QVERIFY(TCatalogTree::CanChoose(Node(tree, {"类型", "铣床"})));
    QVERIFY(!TCatalogTree::CanChoose(Node(tree, {"类型"})));
    // A class with an empty list is a label without values.
    QVERIFY(!TCatalogTree::CanChoose(Node(tree, {"精度"})));
    QVERIFY(!TCatalogTree::CanChoose(nullptr));
}

void tst_CatalogTree::opensOnCurrentPath_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("selected");
    QTest::newRow("a value") << "用途\\检测"
                             << "检测";
    QTest::newRow("a label") << "精度"
                             << "精度";
    QTest::newRow("nothing") << ""
                             << "全部";
    QTest::newRow("a value of a class no longer in use") << "产地\\国产"
                                                         << "全部";
    QTest::newRow("the value alone") << "检测"
                                     << "全部";
}

void tst_CatalogTree::opensOnCurrentPath() {
    QFETCH(QString, current);
    QFETCH(QString, selected);
    QString seen;
    PickerRun run;
    QVERIFY(!run.Pick(current, [&](TCataPickerFrm& picker) {
        QCOMPARE(picker.windowTitle(), QStringLiteral("选择"));
        seen = picker.CatalogTree()->currentItem()->text(0);
        picker.CloseButton()->click();
    }));
    QCOMPARE(seen, selected);
    QVERIFY(run.Calls().isEmpty());
}

void tst_CatalogTree::chooseHandsOverFieldValueAndPath_data() {
    QTest::addColumn<QStringList>("node");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("path");
    QTest::newRow("a value") << QStringList{"用途", "检测"} << "AssetClassB"
                             << "检测"
                             << "用途\\检测";
    QTest::newRow("全部: no class") << QStringList{"全部"} << ""
                                    << "全部"
                                    << "全部";
}

void tst_CatalogTree::chooseHandsOverFieldValueAndPath() {
    QFETCH(QStringList, node);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, path);
    PickerRun run;
    QVERIFY(run.Pick("类型\\车床", [&](TCataPickerFrm& picker) {
        ClickNode(*picker.CatalogTree(), Node(*picker.CatalogTree(), node));
        QTest::mouseClick(picker.ChooseButton(), Qt::LeftButton);
    }));
    QCOMPARE(run.Calls().size(), 1);
    QCOMPARE(run.Calls()[0].FieldName, field);
    QCOMPARE(run.Calls()[0].Value, value);
    QCOMPARE(run.Calls()[0].Path, path);
}

void tst_CatalogTree::labelsAreNotChosen() {
    PickerRun run;
    bool stayedOpen = false;
    QVERIFY(!run.Pick("类型", [&](TCataPickerFrm& picker) {
        TCatalogTree& tree = *picker.CatalogTree();
        picker.ChooseButton()->click();
        DoubleClickNode(tree, Node(tree, {"精度"}));
        QTest::keyClick(&tree, Qt::Key_Return);
        stayedOpen = picker.isVisible();
    }));
    QVERIFY(stayedOpen);
    QVERIFY(run.Calls().isEmpty());
}

void tst_CatalogTree::doubleClickChoosesValue() {
    PickerRun run;
    QVERIFY(run.Pick(QString(), [&](TCataPickerFrm& picker) {
        DoubleClickNode(*picker.CatalogTree(), Node(*picker.CatalogTree(), {"类型", "铣床"}));
    }));
    QCOMPARE(run.Calls().size(), 1);
    QCOMPARE(run.Calls()[0].FieldName, QStringLiteral("AssetClassA"));
    QCOMPARE(run.Calls()[0].Path, QStringLiteral("类型\\铣床"));
}

// Another workstation switches 产地 on and adds a value to 类型.
void tst_CatalogTree::refreshReadsChangedClasses() {
    TCatalogTree tree;
    tree.Build();
    tree.SelectPath("用途\\生产");
    TPickListSet elsewhere;
    elsewhere.SetBool(71, true);
    elsewhere.SetItems(6, {"车床", "铣床", "刨床"});
    QCOMPARE(tree.PopupMenu()->actions().size(), 1);
    tree.RefreshAction()->trigger();
    QCOMPARE(Shape(tree),
             QStringLiteral(
                 "全部 类型(车床 铣床 刨床) 用途(生产 检测) 精度 产地(国产 进口) 六(一级 二级)"));
    QCOMPARE(TCatalogTree::PathOf(tree.currentItem()), QStringLiteral("用途\\生产"));
}

LANYUE_ENGINE_TEST_MAIN(tst_CatalogTree)
#include "tst_catalogtree.moc"
