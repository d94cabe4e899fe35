#include "DeptTree.h"

#include "DeptSet.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "ui/jtPopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QStyle>

#include <functional>
#include <iterator>
#include <vector>

namespace {

constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kEditRight = 108;
// The width of department.Name.
constexpr int kNameLength = 30;

const QString kNoItem = QStringLiteral("不能操作，因为没有选中项目或者项目为根项.");

// Menu commands end silently on a refused right; other failures are the application's.
void Run(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    }
}

QString DatabaseMessage(const Exception& e) {
    const auto* failed = dynamic_cast<const EDatabaseError*>(&e);
    return failed && !failed->DriverMessage().isEmpty() ? failed->DriverMessage() : e.Message();
}

// The last node of the subtree in tree order: where a node appended under it follows.
QTreeWidgetItem* LastInSubtree(QTreeWidgetItem* node) {
    while (node->childCount() > 0)
        node = node->child(node->childCount() - 1);
    return node;
}

} // namespace

QIcon TreeNodeIcon(int image, int selectedImage) {
    const auto pixmapOf = [](int index) {
        static const QStyle::StandardPixmap kPictures[] = {
            QStyle::SP_DriveHDIcon, QStyle::SP_DirClosedIcon, QStyle::SP_DirOpenIcon,
            QStyle::SP_FileIcon};
        if (index < 0 || index >= int(std::size(kPictures))) return QIcon();
        return QApplication::style()->standardIcon(kPictures[index]);
    };
    QIcon icon = pixmapOf(image);
    const QIcon selected = pixmapOf(selectedImage);
    if (!selected.isNull()) {
        QList<QSize> sizes = selected.availableSizes();
        if (sizes.isEmpty()) sizes.append(QSize(16, 16));
        for (const QSize& size : sizes)
            icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    }
    return icon;
}

void SetNodeImages(QTreeWidgetItem* node, int image, int selectedImage) {
    node->setData(0, kImageRole, image);
    node->setIcon(0, TreeNodeIcon(image, selectedImage));
}

int NodeImage(const QTreeWidgetItem* node) {
    const QVariant image = node ? node->data(0, kImageRole) : QVariant();
    return image.isValid() ? image.toInt() : -1;
}

TDeptTree::TDeptTree(QWidget* parent) : QTreeWidget(parent), PopupMenu1(new TjtPopupMenu(this)) {
    setObjectName(QStringLiteral("DeptTree1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    CreateMenu();
}

void TDeptTree::CreateMenu() {
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    miRefresh1 = PopupMenu1->AddMenuItem(QStringLiteral("刷新"), false,
                                         [this] { Run([this] { Refresh(); }); });
    PopupMenu1->addSeparator();
    miAddChild1 = PopupMenu1->AddMenuItem(QStringLiteral("添加子类"), false,
                                          [this] { Run([this] { AddChildClick(); }); });
    miAddSibling1 = PopupMenu1->AddMenuItem(QStringLiteral("添加同类"), false,
                                            [this] { Run([this] { AddSiblingClick(); }); });
    PopupMenu1->addSeparator();
    miEdit1 = PopupMenu1->AddMenuItem(QStringLiteral("修改"), false,
                                      [this] { Run([this] { EditClick(); }); });
    miDelete1 = PopupMenu1->AddMenuItem(QStringLiteral("删除(包含子级)"), false,
                                        [this] { Run([this] { DeleteClick(); }); });
    miRefresh1->setObjectName(QStringLiteral("miRefresh1"));
    miAddChild1->setObjectName(QStringLiteral("miAddChild1"));
    miAddSibling1->setObjectName(QStringLiteral("miAddSibling1"));
    miEdit1->setObjectName(QStringLiteral("miEdit1"));
    miDelete1->setObjectName(QStringLiteral("miDelete1"));
}

void TDeptTree::Build() {
    clear();
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("使用部门")});
    root->setData(0, CodeRole, QString());
    SetNodeImages(root, 0);
    setCurrentItem(root);
    DeptSet.LoadAll();
    // Departments arrive in code order, so a parent's node is made before its children's.
    std::vector<QTreeWidgetItem*> nodes{root};
    ::DataSet& data = DeptSet.DataSet();
    for (data.First(); !data.Eof(); data.Next()) {
        const QString code = DeptSet.CodeFld->AsString();
        const int father = DeptSet.FatherIndexFld->AsInteger();
        QTreeWidgetItem* parentNode =
            father > 0 && father < int(nodes.size()) ? nodes[size_t(father)] : root;
        // A department whose parent is missing would otherwise land under an unrelated one.
        if (CodeOf(parentNode) != code.left(code.size() - 2)) parentNode = root;
        auto* node = new QTreeWidgetItem(parentNode, {DeptSet.NameFld->AsString()});
        node->setData(0, CodeRole, code);
        SetNodeImages(node, 1, 2);
        nodes.push_back(node);
    }
    data.First();
    root->setExpanded(true);
}

void TDeptTree::Refresh() {
    Build();
}

QString TDeptTree::CodeOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, CodeRole).toString() : QString();
}

QString TDeptTree::SelectedCode() const {
    return CodeOf(currentItem());
}

QString TDeptTree::GetSelectedPath() {
    return DeptSet.GetPath(SelectedCode());
}

QTreeWidgetItem* TDeptTree::Root() const {
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

QTreeWidgetItem* TDeptTree::FindCode(const QString& code) const {
    for (QTreeWidgetItemIterator it(const_cast<TDeptTree*>(this)); *it; ++it)
        if ((*it)->parent() && CodeOf(*it) == code) return *it;
    return nullptr;
}

void TDeptTree::SelectCode(const QString& code) {
    QTreeWidgetItem* node = FindCode(code);
    if (!node) node = Root();
    if (!node) return;
    setCurrentItem(node);
    scrollToItem(node);
}

void TDeptTree::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->pos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (QTreeWidgetItem* node = itemAt(at)) setCurrentItem(node);
    } else if (currentItem()) {
        at = visualItemRect(currentItem()).center();
    }
    PopupMenu1->popup(viewport()->mapToGlobal(at));
}

bool TDeptTree::AskName(const QString& caption, const QString& prompt, QString& name) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("InputBox1"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(kNameLength);
    dialog.setTextValue(name);
    if (dialog.exec() != QDialog::Accepted) return false;
    // A nameless department could not be told apart in any list.
    if (dialog.textValue().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("名称不能为空."));
        return false;
    }
    name = dialog.textValue();
    return true;
}

void TDeptTree::AddUnder(QTreeWidgetItem* parentNode, const QString& name) {
    const QString code = DeptSet.AddDepartment(CodeOf(parentNode), name);
    const QTreeWidgetItem* before = LastInSubtree(parentNode);
    auto* node = new QTreeWidgetItem(parentNode, {code + u'-' + name});
    node->setData(0, CodeRole, code);
    // The root's picture is not a department's.
    SetNodeImages(node, before == Root() ? 1 : NodeImage(before), 2);
    parentNode->setExpanded(true);
}

void TDeptTree::AddChildClick() {
    QTreeWidgetItem* node = currentItem();
    if (!node) return;
    QString name;
    if (!AskName(Format("添加 %s 的子类", {node->text(0)}), QStringLiteral("子类名称\t\t"), name))
        return;
    AddUnder(node, name);
}

void TDeptTree::AddSiblingClick() {
    CurrentOperator.CheckRight(kEditRight, true);
    QTreeWidgetItem* node = currentItem();
    if (!node) return;
    if (!node->parent()) {
        ShowInfo(QStringLiteral("不能添加根类的同级别类,该类别只能添加子类"));
        return;
    }
    QString name;
    if (!AskName(Format("添加 %s 的同级类", {node->text(0)}), QStringLiteral("类别名称\t\t"), name))
        return;
    AddUnder(node->parent(), name);
}

void TDeptTree::EditClick() {
    CurrentOperator.CheckRight(kEditRight, true);
    QTreeWidgetItem* node = currentItem();
    // The root stands for "no department" and has nothing to rename.
    if (!node || !node->parent()) {
        ShowInfo(kNoItem);
        return;
    }
    QString name = node->text(0);
    if (!AskName(QStringLiteral("修改"), QStringLiteral("类别名称\t\t"), name)) return;
    const QString code = CodeOf(node);
    DeptSet.Rename(code, name);
    node->setText(0, code + u'-' + name);
}

void TDeptTree::DeleteClick() {
    CurrentOperator.CheckRight(kEditRight, true);
    QTreeWidgetItem* node = currentItem();
    if (!node || !node->parent()) {
        ShowInfo(kNoItem);
        return;
    }
    if (!ConfirmDelete(node->text(0))) return;
    try {
        DeptSet.DeleteSubtree(CodeOf(node));
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& e) {
        ShowInfo(QStringLiteral(
                     "删除类别失败，可能的原因是该类别下已有货品资料，这种情况是不能被删除的.\r\n"
                     "如果是初始使用，请选择“文件”菜单里的初始数据功能来清除. 系统描述如下:\r\n") +
                 DatabaseMessage(e));
        return;
    }
    QTreeWidgetItem* parentNode = node->parent();
    const int index = parentNode->indexOfChild(node);
    setCurrentItem(index > 0 ? parentNode->child(index - 1) : parentNode);
    delete node;
}
