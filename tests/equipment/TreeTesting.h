#pragma once

// What the tree and picker tests share: the shape of a tree as text, clicks on its nodes, the
// answer to the name box and a few department rows.

#include "ModalDialogs.h"

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace treetesting {

// "使用部门(生产部(一车间) 后勤部)": each node's text, its children in brackets.
inline QString Shape(const QTreeWidgetItem* node) {
    QString text = node->text(0);
    if (node->childCount() == 0) return text;
    QStringList children;
    for (int i = 0; i < node->childCount(); ++i)
        children.append(Shape(node->child(i)));
    return text + u'(' + children.join(u' ') + u')';
}

inline QString Shape(const QTreeWidget& tree) {
    QStringList top;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        top.append(Shape(tree.topLevelItem(i)));
    return top.join(u' ');
}

// The node reached through the texts from the top, e.g. {"使用部门", "生产部"}.
inline QTreeWidgetItem* Node(const QTreeWidget& tree, const QStringList& texts) {
    QTreeWidgetItem* node = nullptr;
    for (const QString& text : texts) {
        const int count = node ? node->childCount() : tree.topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem* candidate = node ? node->child(i) : tree.topLevelItem(i);
            if (candidate->text(0) == text) next = candidate;
        }
        if (!next) qFatal("no node %s", qPrintable(texts.join(u'/')));
        node = next;
    }
    return node;
}

inline void ClickNode(QTreeWidget& tree, QTreeWidgetItem* node) {
    tree.scrollToItem(node);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
}

inline void DoubleClickNode(QTreeWidget& tree, QTreeWidgetItem* node) {
    tree.scrollToItem(node);
    const QPoint centre = tree.visualItemRect(node).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, centre);
}

// What the name box showed, once it has been answered.
struct InputSeen {
    bool Shown = false;
    QString Title;
    QString Label;
    QString Text;
    QString Buttons;
    int MaxLength = -1;
};

// Answers the next name box: types the text and presses OK, or cancels when accept is false.
inline std::shared_ptr<InputSeen> AnswerInput(const QString& text, bool accept = true) {
    auto seen = std::make_shared<InputSeen>();
    WhenShown<QInputDialog>([seen, text, accept](QInputDialog& box) {
        seen->Shown = true;
        seen->Title = box.windowTitle();
        seen->Label = box.labelText();
        seen->Text = box.textValue();
        seen->Buttons = box.okButtonText() + u'/' + box.cancelButtonText();
        if (auto* edit = box.findChild<QLineEdit*>()) seen->MaxLength = edit->maxLength();
        if (!accept) {
            box.reject();
            return;
        }
        box.setTextValue(text);
        box.accept();
    });
    return seen;
}

inline void AddDepartmentRow(const QString& code, const QString& name) {
    DB.ExecSQL(QStringLiteral("insert into department(Code,Name)values(:Code,:Name)"),
               {DBParam(QStringLiteral("Code"), code), DBParam(QStringLiteral("Name"), name)});
}

inline QStringList StoredDepartments() {
    QStringList rows;
    TRecordSet set;
    set.Open(QStringLiteral("select Code, Name from department order by Code"));
    for (set.DataSet().First(); !set.DataSet().Eof(); set.DataSet().Next())
        rows.append(set.DataSet().Fields(0).AsString() + u':' + set.DataSet().Fields(1).AsString());
    return rows;
}

} // namespace treetesting
