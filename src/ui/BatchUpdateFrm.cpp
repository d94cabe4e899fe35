#include "BatchUpdateFrm.h"

#include "ADlgFrm.h"
#include "data/jtLib.h"
#include "platform/dataset/DataSet.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TBatchUpdateFrm::TBatchUpdateFrm(QWidget* parent)
    : TaFrm(parent), m_itemBox(new QComboBox(this)), m_valueEdit(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("确定"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("修改"));
    m_itemBox->setEditable(false);
    m_valueEdit->clear();

    auto* group = new QGroupBox(QStringLiteral("批量更新"), this);
    auto* fields = new QVBoxLayout(group);
    fields->addWidget(new QLabel(QStringLiteral("项目"), group));
    fields->addWidget(m_itemBox);
    fields->addWidget(new QLabel(QStringLiteral("值为"), group));
    fields->addWidget(m_valueEdit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(300, sizeHint().height());

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TBatchUpdateFrm::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList& TBatchUpdateFrm::Items() {
    return m_items;
}

int TBatchUpdateFrm::ItemIndex() const {
    return m_itemBox->currentIndex();
}

QString TBatchUpdateFrm::Value() const {
    return m_valueEdit->text();
}

void TBatchUpdateFrm::SetValue(const QString& value) {
    m_valueEdit->setText(value);
}

void TBatchUpdateFrm::showEvent(QShowEvent* event) {
    // The caller fills Items after creating the dialog; the drop-down takes them on showing.
    QStringList shown;
    for (int i = 0; i < m_itemBox->count(); ++i) shown.append(m_itemBox->itemText(i));
    if (shown != m_items) {
        m_itemBox->clear();
        m_itemBox->addItems(m_items);
        m_itemBox->setCurrentIndex(-1);
    }
    TaFrm::showEvent(event);
    CentreOn(this, parentWidget());
}

void TBatchUpdateFrm::accept() {
    if (ItemIndex() < 0) return;
    TaFrm::accept();
}

void ApplyBatchUpdate(DataSet& data, const QList<int>& selectedRows, int fieldIndex,
                      const QString& value, const std::function<void()>& saveRow) {
    if (selectedRows.isEmpty()) return;
    Field& field = data.Fields(fieldIndex);
    data.CheckBrowseMode();
    data.DisableControls();
    const DataSet::Bookmark current = data.GetBookmark();
    // Bookmarks, because a changed row may move or leave the filtered view. The filter is
    // lifted meanwhile so that each saved row is still the current one when saveRow runs.
    QList<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<DataSet::Bookmark> marks;
    for (const int row : rows) {
        if (row < 0 || row >= data.RecordCount()) continue;
        data.SetRecNo(row + 1);
        marks.append(data.GetBookmark());
    }
    const bool filtered = data.Filtered();
    auto restore = [&] {
        if (data.Editing()) data.Cancel();
        if (filtered) data.SetFiltered(true);
        if (data.BookmarkValid(current)) data.GotoBookmark(current);
        data.EnableControls();
    };
    try {
        if (filtered) data.SetFiltered(false);
        for (const DataSet::Bookmark mark : marks) {
            data.GotoBookmark(mark);
            data.Edit();
            field.SetAsString(value);
            data.Post();
            saveRow();
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void BatchUpdate(DataSet& data, const QList<int>& selectedRows,
                 const std::function<void()>& saveRow, QWidget* parent,
                 const QList<int>& columnFields) {
    if (!saveRow) {
        ShowInfo(QStringLiteral("没有指定更新过程BatchProc, 操作被取消."));
        return;
    }
    QList<int> order = columnFields;
    if (order.isEmpty())
        for (int i = 0; i < data.FieldCount(); ++i) order.append(i);
    QList<int> fields;
    TBatchUpdateFrm form(parent);
    for (const int i : order) {
        if (i < 0 || i >= data.FieldCount()) continue;
        const Field& field = data.Fields(i);
        if (!field.Visible() || field.ReadOnly() || field.Calculated()) continue;
        fields.append(i);
        form.Items().append(field.DisplayLabel());
    }
    if (form.exec() != QDialog::Accepted) return;
    ApplyBatchUpdate(data, selectedRows, fields[form.ItemIndex()], form.Value(), saveRow);
}
