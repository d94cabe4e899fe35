#include "CareitemPickerFrm.h"

#include "equipment/AssetLabels.h"
#include "equipment/AssetsSet.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// The picker shows the layout the machine's item page keeps, but keeps its own when saved.
constexpr int kShownLayout = 139;
constexpr int kSavedLayout = 143;

class TPickerGrid : public TjtDBGrid {
public:
    using TjtDBGrid::TjtDBGrid;
    bool SaveLayout(int) override { return TjtDBGrid::SaveLayout(kSavedLayout); }
};

QString AssetHeader(int assetId) {
    TAssetsSet set;
    set.OpenById(assetId);
    const auto text = [&set](const char* name) {
        return set.Query().IsEmpty() ? QString() : set.Query().FieldByName(QString::fromLatin1(name)).AsString();
    };
    return QStringLiteral("设备编号: %1    设备名称: %2    规格型号: %3    生产厂家: %4\n"
                          "使用部门: %5    安装地点: %6    操作人员: %7    %8: %9")
        .arg(text("Code"), text("EqiName"), text("PartNo"), text("Manufactory"), text("UseDeptPath"),
             text("FixPlace"), text("Functionary"), AssetLabel(QStringLiteral("ClassA")), text("ClassA"));
}

} // namespace

TCareitemPickerFrm::TCareitemPickerFrm(int assetId, int itemId, TCareitemPicked picked, QWidget* parent)
    : TADlgFrm(parent), m_picked(std::move(picked)), m_header(new QLabel(AssetHeader(assetId), Body())),
      m_grid(new TPickerGrid(TjtDBGrid::GridKind::Gridcx, Body())) {
    setWindowTitle(QStringLiteral("请选择保养点"));
    setObjectName(QStringLiteral("CareitemPickerFrm"));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kShownLayout);
    m_grid->SetDataSet(&m_items.Query());
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TCareitemPickerFrm::accept);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addWidget(m_grid, 1);
    m_where.ciAssetIdFld->SetAsInteger(assetId);
    try {
        m_items.Search(m_where);
        m_items.Query().Locate(QStringLiteral("ciId"), itemId);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
    resize(720, 420);
}

TCareitemPickerFrm::~TCareitemPickerFrm() = default;

void TCareitemPickerFrm::accept() {
    const DataSet& data = m_items.Query();
    if (!data.Active() || data.IsEmpty()) return;
    const int result = m_picked ? m_picked(m_items.GetData()) : int(QDialog::Accepted);
    if (result != 0) done(result);
}

bool PickCareitem(int assetId, int itemId, const TCareitemPicked& picked, QWidget* parent) {
    TCareitemPickerFrm picker(assetId, itemId, picked, parent);
    return picker.exec() == QDialog::Accepted;
}
