#include "AssetFind2Frm.h"

#include "DeptPickerFrm.h"
#include "SystatuSet.h"
#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "platform/dataset/DataSource.h"
#include "ui/jtComboBox.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kFundSourceList = 101;
constexpr int kChkAcptList = 102;
constexpr int kAccessoryClassList = 108;
constexpr int kClassValuesKey = 6;

QStringList Statuses() {
    QStringList statuses;
    SystatuSet.StatusList(statuses);
    return statuses;
}
} // namespace

TAssetFind2Frm::TAssetFind2Frm(QWidget* parent)
    : TADlgFrm(parent), m_assetSource(new DataSource(m_assetWhere.DataSet(), this)),
      m_accessorySource(new DataSource(m_accessoriesWhere.DataSet(), this)), m_pages(new QTabWidget(Body())) {
    setWindowTitle(QStringLiteral("查找"));
    m_pages->addTab(AssetPage(), QStringLiteral("设备信息"));
    m_pages->addTab(AccessoryPage(), QStringLiteral("附件"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
}

TAssetFind2Frm::~TAssetFind2Frm() = default;

bool TAssetFind2Frm::ByAccessories() const {
    return m_pages->currentIndex() == 1;
}

QLineEdit* TAssetFind2Frm::Edit(QGridLayout* grid, int row, int column, const QString& caption, Field& field) {
    auto* edit = new TjtEdit(grid->parentWidget());
    grid->addWidget(new QLabel(caption, grid->parentWidget()), row, column);
    grid->addWidget(edit, row, column + 1);
    (&field.Owner() == &m_assetWhere.DataSet() ? m_assetSource : m_accessorySource)->Bind(edit, field);
    return edit;
}

QComboBox* TAssetFind2Frm::Combo(QGridLayout* grid, int row, int column, const QString& caption, Field& field,
                                 const QStringList& items) {
    auto* combo = new TjtComboBox(grid->parentWidget());
    combo->setEditable(true);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    grid->addWidget(new QLabel(caption, grid->parentWidget()), row, column);
    grid->addWidget(combo, row, column + 1);
    (&field.Owner() == &m_assetWhere.DataSet() ? m_assetSource : m_accessorySource)->Bind(combo, field);
    return combo;
}

QWidget* TAssetFind2Frm::AssetPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    TAssetWhere& w = m_assetWhere;
    Edit(grid, 0, 0, QStringLiteral("设备编码"), *w.CodeFld);
    Edit(grid, 0, 2, QStringLiteral("设备名称"), *w.EqiNameFld);
    Edit(grid, 1, 0, QStringLiteral("规格型号"), *w.PartNoFld);
    Edit(grid, 1, 2, QStringLiteral("制造厂家"), *w.ManufactoryFld);
    Edit(grid, 2, 0, QStringLiteral("主机编号"), *w.MainCodeFld);
    QLineEdit* dept = Edit(grid, 2, 2, QStringLiteral("使用部门"),
                           w.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
    dept->setReadOnly(true);
    m_deptButton = new QToolButton(page);
    m_deptButton->setText(QStringLiteral("..."));
    grid->addWidget(m_deptButton, 2, 4);
    connect(m_deptButton, &QToolButton::clicked, this, &TAssetFind2Frm::PickDept);
    Edit(grid, 3, 0, QStringLiteral("安装地点"), *w.FixPlaceFld);

    auto* dates = new QHBoxLayout;
    auto* from = new TjtDateTimePicker(page);
    auto* to = new TjtDateTimePicker(page);
    for (TjtDateTimePicker* picker : {from, to}) {
        picker->SetShowCheckbox(true);
        picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    m_assetSource->Bind(from, *w.BuyDate1Fld);
    m_assetSource->Bind(to, *w.BuyDate2Fld);
    dates->addWidget(from);
    dates->addWidget(new QLabel(QStringLiteral("至"), page));
    dates->addWidget(to);
    grid->addWidget(new QLabel(QStringLiteral("购置日期"), page), 3, 2);
    grid->addLayout(dates, 3, 3);

    Combo(grid, 4, 0, QStringLiteral("设备状况"), *w.StatusFld, Statuses());
    Combo(grid, 4, 2, QStringLiteral("验收情况"), *w.ChkAcptFld, PickLists.Items(kChkAcptList));
    Combo(grid, 5, 0, QStringLiteral("资金来源"), *w.FundSourceFld, PickLists.Items(kFundSourceList));
    Field* classes[] = {w.AssetClassAFld, w.AssetClassBFld, w.AssetClassCFld,
                        w.AssetClassDFld, w.AssetClassEFld, w.AssetClassFFld};
    for (int i = 0; i < 6; ++i)
        Combo(grid, 6 + i / 2, (i % 2) * 2, AppLabels.ClassLabels.value(i), *classes[i],
              PickLists.Items(kClassValuesKey + i));
    return page;
}

QWidget* TAssetFind2Frm::AccessoryPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    TAccessoriesWhere& w = m_accessoriesWhere;
    Edit(grid, 0, 0, QStringLiteral("附件名称"), *w.ProductNameFld);
    Edit(grid, 1, 0, QStringLiteral("规格型号"), *w.PartNoFld);
    Edit(grid, 2, 0, QStringLiteral("产地"), *w.MadeinFld);
    Combo(grid, 3, 0, QStringLiteral("分类"), *w.ClassAFld, PickLists.Items(kAccessoryClassList));
    grid->setRowStretch(4, 1);
    return page;
}

void TAssetFind2Frm::PickDept() {
    m_assetSource->CommitEdits();
    PickDepartment(m_assetWhere.UseDeptFld->AsString(),
                   [this](const QString& code, const QString&, const QString&) {
                       m_assetWhere.UseDeptFld->SetAsString(code);
                       m_assetSource->Refresh();
                       return true;
                   },
                   this);
}

void TAssetFind2Frm::accept() {
    m_assetSource->CommitEdits();
    m_accessorySource->CommitEdits();
    TADlgFrm::accept();
}
