#include "AssetPickerFrm.h"

#include "admin/KeyValue.h"
#include "ui/jtDBGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kItemKey = 117;
}

TAssetPickerFrm::TAssetPickerFrm(int currentId, TAssetPicked picked, QWidget* parent)
    : TADlgFrm(parent), m_picked(std::move(picked)) {
    setWindowTitle(QStringLiteral("请选择设备"));
    resize(760, 480);
    TAssetWhere& where = m_assets.Where;
    m_searchFields = {where.CodeFld, where.EqiNameFld, where.PartNoFld, where.FactoryCodeFld};

    m_item = new QComboBox(Body());
    for (const Field* field : m_searchFields) m_item->addItem(field->DisplayLabel());
    m_value = new QLineEdit(Body());
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("项目"), Body()));
    top->addWidget(m_item);
    top->addWidget(new QLabel(QStringLiteral("值为"), Body()));
    top->addWidget(m_value, 1);

    m_grid = new TjtDBGrid(Body());
    m_grid->SetEditable(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(1);
    m_assets.OpenByWhere();
    m_grid->SetDataSet(&m_assets.Query());
    m_assets.Query().Locate(QStringLiteral("Id"), currentId);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);

    m_startItem = KeyValue2.GetInt(kItemKey);
    if (m_startItem >= 0 && m_startItem < m_item->count()) m_item->setCurrentIndex(m_startItem);
    OkButton()->setEnabled(bool(m_picked));
    connect(m_value, &QLineEdit::textChanged, this, &TAssetPickerFrm::ValueChanged);
    connect(m_item, &QComboBox::currentIndexChanged, this, &TAssetPickerFrm::ItemChanged);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (OkButton()->isEnabled()) accept();
    });
}

TAssetPickerFrm::~TAssetPickerFrm() {
    if (m_item->currentIndex() != m_startItem) KeyValue2.SetInt(kItemKey, m_item->currentIndex());
}

void TAssetPickerFrm::ValueChanged(const QString& text) {
    TAssetWhere& where = m_assets.Where;
    where.Clear();
    m_searchFields[qMax(0, m_item->currentIndex())]->SetAsString(text);
    m_assets.FilterByWhere();
}

void TAssetPickerFrm::ItemChanged() {
    m_value->clear();
    m_value->setFocus();
}

void TAssetPickerFrm::accept() {
    if (!m_picked || m_assets.Query().IsEmpty()) return;
    const int result = m_picked(m_assets.AssetData());
    if (result == 0) return;
    done(result);
}

bool PickAsset(int currentId, const TAssetPicked& picked, QWidget* parent) {
    TAssetPickerFrm picker(currentId, picked, parent);
    return picker.exec() == QDialog::Accepted;
}
