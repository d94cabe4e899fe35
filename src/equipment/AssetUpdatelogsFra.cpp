#include "AssetUpdatelogsFra.h"

#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"

#include <QVBoxLayout>

namespace {
constexpr int kLayoutId = 136;
}

TAssetUpdatelogsFra::TAssetUpdatelogsFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    m_grid->SetLayoutId(kLayoutId);
    m_grid->SetDataSet(&m_report.Query());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
}

// Read again each time the page is brought forward, so a save made meanwhile shows.
void TAssetUpdatelogsFra::SetAssetId(int id) {
    m_report.Query().Close();
    if (id > 0) {
        m_report.Where.EquipIdFld->SetAsInteger(id);
        try {
            m_report.OpenByWhere();
        } catch (const Exception&) {
            // The open has shown why; the page stays empty.
        }
    }
    TAssetPageFra::SetAssetId(id);
}
