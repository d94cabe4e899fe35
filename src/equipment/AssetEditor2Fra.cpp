#include "AssetEditor2Fra.h"

#include "data/jtLib.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kConfigs = QStringLiteral("Configs");

} // namespace

TAssetEditor2Fra::TAssetEditor2Fra(QWidget* parent)
    : TAssetEditorBaseFra(parent), vleConfigs1(new QTableWidget(0, 2, this)),
      btnAddItem1(new QPushButton(QStringLiteral("添加"), this)),
      btnDeleteItem1(new QPushButton(QStringLiteral("删除"), this)) {
    auto* columns = new QHBoxLayout;
    columns->addLayout(FieldGrid(), 3);
    columns->addLayout(ItemsBox(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton());
    buttons->addWidget(CancelButton());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    DataSet& data = AssetsSet().Query();
    connect(&data, &DataSet::reset, this, &TAssetEditor2Fra::LoadItems);
    connect(&data, &DataSet::currentChanged, this, &TAssetEditor2Fra::LoadItems);
    connect(&data, &DataSet::stateChanged, this, [this] {
        if (!AssetsSet().Query().Editing()) LoadItems();
    });
    SetEditable(false);
}

QLayout* TAssetEditor2Fra::FieldGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    int cell = 0;
    // Three columns of caption and input, filled down.
    const auto put = [&](const QString& caption, QWidget* input, QWidget* shown = nullptr) {
        grid->addWidget(NewLabel(caption, input), cell % 8, cell / 8 * 2);
        grid->addWidget(shown ? shown : input, cell % 8, cell / 8 * 2 + 1);
        ++cell;
    };
    const auto labelled = [&](const QString& name, QWidget* input) {
        put(Fld(name).DisplayLabel(), input);
    };

    put(QStringLiteral("重量(kg)"), NewEdit(QStringLiteral("Weight")));
    put(QStringLiteral("功率(kw)"), NewEdit(QStringLiteral("Power")));
    auto* coefficients = new QWidget(this);
    auto* three = new QHBoxLayout(coefficients);
    three->setContentsMargins(0, 0, 0, 0);
    three->setSpacing(2);
    TjtEdit* first = NewEdit(QStringLiteral("Jcoefficient"));
    three->addWidget(first);
    three->addWidget(NewEdit(QStringLiteral("Dcoefficient")));
    three->addWidget(NewEdit(QStringLiteral("Rcoefficient")));
    put(QStringLiteral("复杂系数"), first, coefficients);
    for (int i = 1; i <= 7; ++i)
        labelled(QStringLiteral("Str%1").arg(i), NewEdit(QStringLiteral("Str%1").arg(i)));
    for (int i = 1; i <= 9; ++i)
        labelled(QStringLiteral("Float%1").arg(i), NewEdit(QStringLiteral("Float%1").arg(i)));
    for (int i = 1; i <= 3; ++i)
        labelled(QStringLiteral("Date%1").arg(i), NewDate(QStringLiteral("Date%1").arg(i)));
    for (int column = 1; column < 6; column += 2)
        grid->setColumnStretch(column, 1);

    TjtEdit* paras = NewEdit(QStringLiteral("Paras"));
    auto* layout = new QVBoxLayout;
    auto* parasRow = new QHBoxLayout;
    parasRow->addWidget(NewLabel(QStringLiteral("主要参数"), paras));
    parasRow->addWidget(paras, 1);
    layout->addLayout(parasRow);
    layout->addLayout(grid);
    layout->addStretch();
    return layout;
}

QLayout* TAssetEditor2Fra::ItemsBox() {
    QPlainTextEdit* remark = NewMemo(QStringLiteral("Remark"));
    remark->setMaximumHeight(80);
    vleConfigs1->setObjectName(QStringLiteral("vleConfigs1"));
    vleConfigs1->setHorizontalHeaderLabels({QStringLiteral("项目"), QStringLiteral("数据")});
    vleConfigs1->horizontalHeader()->setStretchLastSection(true);
    vleConfigs1->verticalHeader()->hide();
    vleConfigs1->setSelectionBehavior(QAbstractItemView::SelectRows);
    vleConfigs1->setSelectionMode(QAbstractItemView::SingleSelection);
    btnAddItem1->setObjectName(QStringLiteral("btnAddItem1"));
    btnDeleteItem1->setObjectName(QStringLiteral("btnDeleteItem1"));
    for (QPushButton* button : {btnAddItem1, btnDeleteItem1})
        button->setAutoDefault(false);
    connect(btnAddItem1, &QPushButton::clicked, this, &TAssetEditor2Fra::AddItemClick);
    connect(btnDeleteItem1, &QPushButton::clicked, this, &TAssetEditor2Fra::DeleteItemClick);
    connect(vleConfigs1, &QTableWidget::itemChanged, this, &TAssetEditor2Fra::ItemsChanged);

    auto* itemButtons = new QHBoxLayout;
    itemButtons->addWidget(new QLabel(QStringLiteral("其他项目"), this));
    itemButtons->addStretch();
    itemButtons->addWidget(btnAddItem1);
    itemButtons->addWidget(btnDeleteItem1);
    auto* layout = new QVBoxLayout;
    layout->addWidget(NewLabel(QStringLiteral("备注"), remark));
    layout->addWidget(remark);
    layout->addLayout(itemButtons);
    layout->addWidget(vleConfigs1, 1);
    return layout;
}

void TAssetEditor2Fra::AppendItem(const QString& name, const QString& value) {
    const int row = vleConfigs1->rowCount();
    vleConfigs1->insertRow(row);
    auto* nameItem = new QTableWidgetItem(name);
    nameItem->setFlags(nameItem->flags() & ~Qt::ItemIsEditable);
    vleConfigs1->setItem(row, 0, nameItem);
    vleConfigs1->setItem(row, 1, new QTableWidgetItem(value));
}

void TAssetEditor2Fra::LoadItems() {
    m_loading = true;
    vleConfigs1->setRowCount(0);
    const DataSet& data = AssetsSet().Query();
    QString text = data.Active() && !data.IsEmpty() ? Fld(kConfigs).AsString() : QString();
    text.remove(u'\r');
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(u'=');
        AppendItem(equals < 0 ? line : line.left(equals),
                   equals < 0 ? QString() : line.mid(equals + 1));
    }
    m_loading = false;
}

// Every change of the list is a change of the record, saved or cancelled with it.
void TAssetEditor2Fra::ItemsChanged() {
    if (m_loading || !Editable()) return;
    QStringList lines;
    for (int row = 0; row < vleConfigs1->rowCount(); ++row)
        lines.append(vleConfigs1->item(row, 0)->text() + u'=' + vleConfigs1->item(row, 1)->text());
    AssetsSet().Query().Edit();
    Fld(kConfigs).SetAsString(lines.join(QStringLiteral("\r\n")));
}

void TAssetEditor2Fra::AddItemClick() {
    QInputDialog box(this);
    box.setObjectName(QStringLiteral("InputBox1"));
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(QStringLiteral("添加"));
    box.setLabelText(QStringLiteral("请输入参数名称:"));
    if (box.exec() != QDialog::Accepted) return;
    const QString name = box.textValue().trimmed();
    if (name.isEmpty()) return;
    if (name.contains(u'=')) {
        ShowInfo(QStringLiteral("参数名称不能包含\"=\"."));
        return;
    }
    m_loading = true;
    AppendItem(name, QString());
    m_loading = false;
    vleConfigs1->setCurrentCell(vleConfigs1->rowCount() - 1, 1);
    ItemsChanged();
}

void TAssetEditor2Fra::DeleteItemClick() {
    const int row = vleConfigs1->currentRow();
    if (row < 0) return;
    vleConfigs1->removeRow(row);
    ItemsChanged();
}

void TAssetEditor2Fra::EditableChanged(bool editable) {
    btnAddItem1->setEnabled(editable);
    btnDeleteItem1->setEnabled(editable);
    vleConfigs1->setEditTriggers(editable ? QAbstractItemView::DoubleClicked |
                                                QAbstractItemView::EditKeyPressed |
                                                QAbstractItemView::AnyKeyPressed
                                          : QAbstractItemView::NoEditTriggers);
}

bool TAssetEditor2Fra::Save() {
    return AssetsSet().SaveExtended();
}
