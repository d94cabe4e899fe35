#include "EquipmentGrid.h"

#include "SystatuSet.h"
#include "ui/ColorNames.h"

TEquipmentGrid::TEquipmentGrid(QWidget* parent) : TjtDBGrid(GridKind::Gridcx, parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    SetLayoutId(1);
    SetDataSet(&m_assets.Query());
    const int status = m_assets.Query().FieldByName(QStringLiteral("Status")).Index();
    SetRowColor([this, status](int row) {
        return StatusColor(m_assets.Query().ValueAt(row, status).toString());
    });
    BatchProc = [this] { m_assets.SaveAll(); };
}

QColor TEquipmentGrid::StatusColor(const QString& status) {
    return status.isEmpty() ? QColor() : ColorFromName(SystatuSet.ColorOf(status));
}
