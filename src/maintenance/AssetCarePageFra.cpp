#include "AssetCarePageFra.h"

#include "AssetCaresFra.h"
#include "AssetCarecordsFra.h"
#include "AssetRepairsFra.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRepairsRight = 132;
}

TAssetCarePageFra::TAssetCarePageFra(QWidget* parent)
    : TAssetPageFra(parent), m_tabs(new QTabWidget(this)), m_cares(new TAssetCaresFra(m_tabs)),
      m_carecords(new TAssetCarecordsFra(m_tabs)) {
    m_tabs->addTab(m_cares, QStringLiteral("保养点"));
    m_tabs->addTab(m_carecords, QStringLiteral("保养记录"));
    if (AssetPageAllowed(kRepairsRight)) m_tabs->addTab(new TAssetRepairsFra(m_tabs), QStringLiteral("维修记录"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, &TAssetCarePageFra::LoadCurrent);
}

void TAssetCarePageFra::SetAssetId(int id) {
    TAssetPageFra::SetAssetId(id);
    LoadCurrent();
}

void TAssetCarePageFra::LoadCurrent() {
    if (auto* page = qobject_cast<TAssetPageFra*>(m_tabs->currentWidget())) page->SetAssetId(AssetId());
}
