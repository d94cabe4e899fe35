#include "PartPickerFrm.h"

#include "admin/KeyValue.h"
#include "ui/ADlgFrm.h"
#include "ui/jtDBGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kItemKey = 117;
constexpr int kLayout = 148;
} // namespace

TPartPickerFrm::TPartPickerFrm(int currentId, TPartPicked picked, QWidget* parent)
    : TaFrm(parent), m_picked(std::move(picked)), m_item(new QComboBox(this)),
      m_value(new QLineEdit(this)), m_grid(new TjtDBGrid(this)),
      m_ok(new QPushButton(QStringLiteral("确定"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("请选择备件"));
    resize(760, 480);
    TPartsWhere& where = m_parts.Where;
    m_searchFields = {where.KeywordFld};
    for (Field* field : where.SFlds())
        m_searchFields.append(field);
    for (const Field* field : m_searchFields)
        m_item->addItem(field->DisplayLabel());

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("项目"), this));
    top->addWidget(m_item);
    top->addWidget(new QLabel(QStringLiteral("值为"), this));
    top->addWidget(m_value, 1);

    m_grid->SetEditable(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_parts.Query());
    m_parts.Query().Locate(QStringLiteral("Id"), currentId);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(ButtonRow({m_ok, m_cancel}));

    m_startItem = KeyValue2.GetInt(kItemKey);
    if (m_startItem >= 0 && m_startItem < m_item->count()) m_item->setCurrentIndex(m_startItem);
    connect(m_value, &QLineEdit::textChanged, this, &TPartPickerFrm::ValueChanged);
    connect(m_item, &QComboBox::currentIndexChanged, this, &TPartPickerFrm::ItemChanged);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TPartPickerFrm::accept);
    connect(m_ok, &QPushButton::clicked, this, &TPartPickerFrm::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPartPickerFrm::ValueChanged(const QString& text) {
    m_parts.Where.Clear();
    m_searchFields[qMax(0, m_item->currentIndex())]->SetAsString(text);
    m_parts.ApplyWhere();
}

void TPartPickerFrm::ItemChanged() {
    m_value->clear();
    m_value->setFocus();
}

void TPartPickerFrm::accept() {
    if (!m_parts.Query().Active() || m_parts.Query().IsEmpty()) return;
    if (!m_picked || m_picked(m_parts.PartData())) TaFrm::accept();
}

void TPartPickerFrm::done(int result) {
    if (m_item->currentIndex() != m_startItem) {
        KeyValue2.SetInt(kItemKey, m_item->currentIndex());
        m_startItem = m_item->currentIndex();
    }
    TaFrm::done(result);
}

bool PickPart(int currentId, const TPartPicked& picked, QWidget* parent) {
    TPartPickerFrm picker(currentId, picked, parent);
    return picker.exec() == QDialog::Accepted;
}
