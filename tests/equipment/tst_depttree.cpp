#include "EngineTest.h"
#include "MessageRecorder.h"
#include "TreeTesting.h"

#include "admin/Operator.h"
#include "data/Schema.h"
#include "equipment/DeptSet.h"
#include "equipment/DeptTree.h"
#include "platform/Exceptions.h"
#include "ui/jtPopupMenu.h"

#include <QContextMenuEvent>

using namespace treetesting;

namespace {

const QString kNoItem = QStringLiteral("\r\n不能操作，因为没有选中项目或者项目为根项.\t");

QString Refusal(int right) {
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(right);
}

void LogIn(const QString& rights) {
    CurrentOperator = TOperator();
    CurrentOperator.LoginId = QStringLiteral("wang");
    CurrentOperator.Rights = rights;
}

} // namespace

class tst_DeptTree : public QObject {
    Q_OBJECT
public:
    explicit tst_DeptTree(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void buildPlacesDepartmentsUnderTheirParents();
    void addChild_data();
    void addChild();
    void addChildNeedsNoRight();
    void nameBoxCancelledOrBlankAddsNothing_data();
    void nameBoxCancelledOrBlankAddsNothing();
    void addSibling();
    void addSiblingOfRoot();
    void rename();
    void rootCannotBeRenamedOrDeleted_data();
    void rootCannotBeRenamedOrDeleted();
    void deleteSubtree_data();
    void deleteSubtree();
    void deleteCancelled();
    void deleteRefusedWhileEquipmentUsesDepartment();
    void editingNeedsRight_data();
    void editingNeedsRight();
    void fullLevelAddsNothing();
    void emptyCodeDeletesNothing();
    void contextMenu();

private:
    TDeptTree& Tree();

    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDeptTree> m_tree;
};

void tst_DeptTree::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL(QStringLiteral("delete from department"));
    AddDepartmentRow("00", "生产部");
    AddDepartmentRow("0000", "一车间");
    AddDepartmentRow("01", "后勤部");
    LogIn(QStringLiteral(",108,"));
}

void tst_DeptTree::cleanup() {
    m_tree.reset();
    m_db.reset();
    CurrentOperator = TOperator();
}

TDeptTree& tst_DeptTree::Tree() {
    if (!m_tree) {
        m_tree = std::make_unique<TDeptTree>();
        m_tree->resize(300, 400);
        m_tree->Build();
        m_tree->show();
    }
    return *m_tree;
}

void tst_DeptTree::buildPlacesDepartmentsUnderTheirParents() {
    // 0201 has lost its parent 02: it must not land under 后勤部, whose position its parent
    // index points at.
    AddDepartmentRow("0201", "三车间");
    TDeptTree& tree = Tree();
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间) 后勤部 三车间)"));
    QTreeWidgetItem* root = tree.Root();
    QCOMPARE(tree.currentItem(), root);
    QVERIFY(root->isExpanded());
    QCOMPARE(TDeptTree::CodeOf(root), QString());
    QCOMPARE(NodeImage(root), 0);
    QTreeWidgetItem* workshop = Node(tree, {"使用部门", "生产部", "一车间"});
    QCOMPARE(TDeptTree::CodeOf(workshop), QStringLiteral("0000"));
    QCOMPARE(NodeImage(workshop), 1);
    QCOMPARE(tree.GetSelectedPath(), QString());
    tree.setCurrentItem(workshop);
    QCOMPARE(tree.GetSelectedPath(), QStringLiteral("\\\\生产部\\一车间"));
    QCOMPARE(tree.FindCode("0000"), workshop);
    QVERIFY(!tree.FindCode("000"));
    QVERIFY(!tree.FindCode(QString()));
}

void tst_DeptTree::addChild_data() {
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("shape");
    QTest::newRow("top level after 00 and 01") << QStringList{"使用部门"} << "添加 使用部门 的子类"
                                               << "02"
                                               << "使用部门(生产部(一车间) 后勤部 02-仓库)";
    QTest::newRow("after an existing child")
        << QStringList{"使用部门", "生产部"} << "添加 生产部 的子类"
        << "0001"
        << "使用部门(生产部(一车间 0001-仓库) 后勤部)";
    QTest::newRow("first child of a department without children")
        << QStringList{"使用部门", "后勤部"} << "添加 后勤部 的子类"
        << "0100"
        << "使用部门(生产部(一车间) 后勤部(0100-仓库))";
    QTest::newRow("third level") << QStringList{"使用部门", "生产部", "一车间"}
                                 << "添加 一车间 的子类"
                                 << "000000"
                                 << "使用部门(生产部(一车间(000000-仓库)) 后勤部)";
}

void tst_DeptTree::addChild() {
    QFETCH(QStringList, selected);
    QFETCH(QString, title);
    QFETCH(QString, code);
    QFETCH(QString, shape);
    TDeptTree& tree = Tree();
    QTreeWidgetItem* parent = Node(tree, selected);
    tree.setCurrentItem(parent);
    const auto seen = AnswerInput("仓库");
    tree.AddChildAction()->trigger();
    QVERIFY(seen->Shown);
    QCOMPARE(seen->Title, title);
    QCOMPARE(seen->Label, QStringLiteral("子类名称\t\t"));
    QCOMPARE(seen->Text, QString());
    QCOMPARE(seen->MaxLength, 30);
    QCOMPARE(seen->Buttons, QStringLiteral("确定/取消"));
    QCOMPARE(Shape(tree), shape);
    QVERIFY(parent->isExpanded());
    QCOMPARE(tree.currentItem(), parent);
    QTreeWidgetItem* added = tree.FindCode(code);
    QVERIFY(added);
    QCOMPARE(NodeImage(added), 1);
    QVERIFY(StoredDepartments().contains(code + ":仓库"));
    // The set is current at once, so pickers and lookups see the new department.
    QVERIFY(DeptSet.GetPath(code).endsWith(QStringLiteral("\\仓库")));
    tree.Refresh();
    QCOMPARE(Shape(tree), QString(shape).replace(code + u'-', QString()));
}

void tst_DeptTree::addChildNeedsNoRight() {
    LogIn(QString());
    TDeptTree& tree = Tree();
    const auto seen = AnswerInput("仓库");
    tree.AddChildAction()->trigger();
    QVERIFY(seen->Shown);
    QCOMPARE(StoredDepartments(),
             QStringList({"00:生产部", "0000:一车间", "01:后勤部", "02:仓库"}));
}

void tst_DeptTree::nameBoxCancelledOrBlankAddsNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("cancelled") << "仓库" << false << QStringList();
    QTest::newRow("blank") << "  " << true << QStringList{"\r\n名称不能为空.\t"};
}

void tst_DeptTree::nameBoxCancelledOrBlankAddsNothing() {
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    TDeptTree& tree = Tree();
    const QString before = Shape(tree);
    for (QAction* action : {tree.AddChildAction(), tree.AddSiblingAction(), tree.EditAction()}) {
        tree.setCurrentItem(Node(tree, {"使用部门", "生产部"}));
        recorder.Clear();
        const auto seen = AnswerInput(typed, accept);
        action->trigger();
        QVERIFY2(seen->Shown, qPrintable(action->text()));
        QCOMPARE(recorder.Texts(), messages);
    }
    QCOMPARE(Shape(tree), before);
    QCOMPARE(StoredDepartments(), QStringList({"00:生产部", "0000:一车间", "01:后勤部"}));
}

void tst_DeptTree::addSibling() {
    TDeptTree& tree = Tree();
    tree.setCurrentItem(Node(tree, {"使用部门", "生产部", "一车间"}));
    const auto seen = AnswerInput("二车间");
    tree.AddSiblingAction()->trigger();
    QCOMPARE(seen->Title, QStringLiteral("添加 一车间 的同级类"));
    QCOMPARE(seen->Label, QStringLiteral("类别名称\t\t"));
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间 0001-二车间) 后勤部)"));

    tree.setCurrentItem(Node(tree, {"使用部门", "后勤部"}));
    AnswerInput("质检部");
    tree.AddSiblingAction()->trigger();
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间 0001-二车间) 后勤部 02-质检部)"));
    QCOMPARE(StoredDepartments(),
             QStringList({"00:生产部", "0000:一车间", "0001:二车间", "01:后勤部", "02:质检部"}));
}

void tst_DeptTree::addSiblingOfRoot() {
    MessageRecorder recorder;
    TDeptTree& tree = Tree();
    tree.AddSiblingAction()->trigger();
    QCOMPARE(recorder.Texts(), QStringList{"\r\n不能添加根类的同级别类,该类别只能添加子类\t"});
    QCOMPARE(StoredDepartments().size(), 3);
}

void tst_DeptTree::rename() {
    TDeptTree& tree = Tree();
    QTreeWidgetItem* node = Node(tree, {"使用部门", "后勤部"});
    tree.setCurrentItem(node);
    const auto seen = AnswerInput("行政部");
    tree.EditAction()->trigger();
    QCOMPARE(seen->Title, QStringLiteral("修改"));
    QCOMPARE(seen->Label, QStringLiteral("类别名称\t\t"));
    QCOMPARE(seen->Text, QStringLiteral("后勤部"));
    QCOMPARE(node->text(0), QStringLiteral("01-行政部"));
    QCOMPARE(StoredDepartments(), QStringList({"00:生产部", "0000:一车间", "01:行政部"}));
    QCOMPARE(DeptSet.GetPath("01"), QStringLiteral("\\\\行政部"));
    // Renamed again before a rebuild, the box offers what the node shows.
    const auto again = AnswerInput("办公室");
    tree.EditAction()->trigger();
    QCOMPARE(again->Text, QStringLiteral("01-行政部"));
    QCOMPARE(node->text(0), QStringLiteral("01-办公室"));
}

void tst_DeptTree::rootCannotBeRenamedOrDeleted_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("修改") << 0;
    QTest::newRow("删除(包含子级)") << 1;
}

void tst_DeptTree::rootCannotBeRenamedOrDeleted() {
    QFETCH(int, command);
    MessageRecorder recorder;
    TDeptTree& tree = Tree();
    (command == 0 ? tree.EditAction() : tree.DeleteAction())->trigger();
    QCOMPARE(recorder.Texts(), QStringList{kNoItem});
    QCOMPARE(tree.Root()->text(0), QStringLiteral("使用部门"));
    QCOMPARE(StoredDepartments().size(), 3);
}

void tst_DeptTree::deleteSubtree_data() {
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("selectedAfter");
    QTest::newRow("with children, first of its level")
        << QStringList{"使用部门", "生产部"} << "\r您确定要删除 生产部 吗?\t\t"
        << "使用部门(后勤部(食堂))" << QStringList{"01:后勤部", "0100:食堂"} << "使用部门";
    QTest::newRow("after a sibling")
        << QStringList{"使用部门", "后勤部"} << "\r您确定要删除 后勤部 吗?\t\t"
        << "使用部门(生产部(一车间 二车间(班组)))"
        << QStringList{"00:生产部", "0000:一车间", "0001:二车间", "000100:班组"} << "生产部";
    QTest::newRow("a child with children")
        << QStringList{"使用部门", "生产部", "二车间"} << "\r您确定要删除 二车间 吗?\t\t"
        << "使用部门(生产部(一车间) 后勤部(食堂))"
        << QStringList{"00:生产部", "0000:一车间", "01:后勤部", "0100:食堂"} << "一车间";
}

// Codes that merely begin alike at another level (0100 under 01 against 00) stay.
void tst_DeptTree::deleteSubtree() {
    QFETCH(QStringList, selected);
    QFETCH(QString, question);
    QFETCH(QString, shape);
    QFETCH(QStringList, stored);
    QFETCH(QString, selectedAfter);
    AddDepartmentRow("0001", "二车间");
    AddDepartmentRow("000100", "班组");
    AddDepartmentRow("0100", "食堂");
    MessageRecorder recorder(QMessageBox::Ok);
    TDeptTree& tree = Tree();
    tree.expandAll();
    tree.setCurrentItem(Node(tree, selected));
    tree.DeleteAction()->trigger();
    QCOMPARE(recorder.Texts(), QStringList{question});
    QCOMPARE(StoredDepartments(), stored);
    QCOMPARE(Shape(tree), shape);
    QCOMPARE(tree.currentItem()->text(0), selectedAfter);
    QCOMPARE(DeptSet.DataSet().RecordCount(), stored.size());
}

void tst_DeptTree::deleteCancelled() {
    MessageRecorder recorder(QMessageBox::Cancel);
    TDeptTree& tree = Tree();
    tree.setCurrentItem(Node(tree, {"使用部门", "生产部"}));
    tree.DeleteAction()->trigger();
    QCOMPARE(recorder.Texts().size(), 1);
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间) 后勤部)"));
    QCOMPARE(StoredDepartments().size(), 3);
}

void tst_DeptTree::deleteRefusedWhileEquipmentUsesDepartment() {
    DB.ExecSQL(QStringLiteral("insert into equipments(Id,Code,UseDeptId)values(1,'SB1','0000')"));
    DB.ExecSQL(QStringLiteral("insert into equipments(Id,Code,UseDeptId)values(2,'SB2','0000')"));
    MessageRecorder recorder(QMessageBox::Ok);
    TDeptTree& tree = Tree();
    QTreeWidgetItem* node = Node(tree, {"使用部门", "生产部"});
    tree.setCurrentItem(node);
    tree.DeleteAction()->trigger();
    QCOMPARE(recorder.Texts().size(), 2);
    QCOMPARE(recorder.Texts().at(1),
             QStringLiteral(
                 "\r\n删除类别失败，可能的原因是该类别下已有货品资料，这种情况是不能被删除的.\r\n"
                 "如果是初始使用，请选择“文件”菜单里的初始数据功能来清除. 系统描述如下:\r\n"
                 "该部门及其下级部门还有 2 台设备在使用,请先把这些设备调到其他部门.\t"));
    QCOMPARE(tree.currentItem(), node);
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间) 后勤部)"));
    QCOMPARE(StoredDepartments().size(), 3);
    // The department beside it has no equipment and goes.
    recorder.Clear();
    tree.setCurrentItem(Node(tree, {"使用部门", "后勤部"}));
    tree.DeleteAction()->trigger();
    QCOMPARE(recorder.Texts().size(), 1);
    QCOMPARE(StoredDepartments(), QStringList({"00:生产部", "0000:一车间"}));
}

void tst_DeptTree::editingNeedsRight_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("添加同类") << 0;
    QTest::newRow("修改") << 1;
    QTest::newRow("删除(包含子级)") << 2;
}

void tst_DeptTree::editingNeedsRight() {
    QFETCH(int, command);
    LogIn(QStringLiteral(",107,"));
    MessageRecorder recorder;
    TDeptTree& tree = Tree();
    QTreeWidgetItem* node = Node(tree, {"使用部门", "后勤部"});
    tree.setCurrentItem(node);
    QAction* actions[] = {tree.AddSiblingAction(), tree.EditAction(), tree.DeleteAction()};
    actions[command]->trigger();
    QCOMPARE(recorder.Texts(), QStringList{Refusal(108)});
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间) 后勤部)"));
    QCOMPARE(StoredDepartments(), QStringList({"00:生产部", "0000:一车间", "01:后勤部"}));
}

// A third digit would read as a grandchild of another department (01100 under 0110).
void tst_DeptTree::fullLevelAddsNothing() {
    for (int i = 0; i < 100; ++i)
        AddDepartmentRow(QStringLiteral("01%1").arg(i, 2, 10, QLatin1Char('0')),
                         QStringLiteral("班组%1").arg(i));
    MessageRecorder recorder;
    TDeptTree& tree = Tree();
    tree.setCurrentItem(Node(tree, {"使用部门", "后勤部"}));
    QCOMPARE(tree.currentItem()->childCount(), 100);
    AnswerInput("新班组");
    tree.AddChildAction()->trigger();
    QCOMPARE(recorder.Texts(),
             QStringList{"\r\n每一级最多只能有100个部门(编码00至99),不能再添加.\t"});
    QCOMPARE(tree.currentItem()->childCount(), 100);
    QCOMPARE(ScalarInt("select count(*) from department"), 103);
    QCOMPARE(ScalarInt("select count(*) from department where Name='新班组'"), 0);
}

void tst_DeptTree::emptyCodeDeletesNothing() {
    QVERIFY_THROWS_EXCEPTION(Exception, DeptSet.DeleteSubtree(QString()));
    QCOMPARE(StoredDepartments().size(), 3);
}

void tst_DeptTree::contextMenu() {
    TDeptTree& tree = Tree();
    QStringList captions;
    for (const QAction* item : tree.PopupMenu()->actions())
        captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    QCOMPARE(captions,
             QStringList({"刷新", "-", "添加子类", "添加同类", "-", "修改", "删除(包含子级)"}));
    // A right click acts on the node under the pointer.
    QTreeWidgetItem* node = Node(tree, {"使用部门", "后勤部"});
    const QPoint at = tree.visualItemRect(node).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree.viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree.viewport(), &event);
    QCOMPARE(tree.currentItem(), node);
    QVERIFY(tree.PopupMenu()->isVisible());
    tree.PopupMenu()->hide();
    // 刷新 reads departments added elsewhere.
    AddDepartmentRow("02", "仓库");
    tree.RefreshAction()->trigger();
    QCOMPARE(Shape(tree), QStringLiteral("使用部门(生产部(一车间) 后勤部 仓库)"));
    QCOMPARE(tree.currentItem(), tree.Root());
}

LANYUE_ENGINE_TEST_MAIN(tst_DeptTree)
#include "tst_depttree.moc"
