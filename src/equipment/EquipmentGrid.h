#pragma once

#include "AssetsSet.h"
#include "ui/jtDBGrid.h"

// The grid of the equipment ledger: its own ledger set, column settings 1, rows drawn in the
// colour of their status, and the batch update saving each changed row.
class TEquipmentGrid : public TjtDBGrid {
    Q_OBJECT
public:
    explicit TEquipmentGrid(QWidget* parent = nullptr);

    TAssetsSet& Assets() { return m_assets; }
    // The font colour of a row's status; invalid when the status has none.
    static QColor StatusColor(const QString& status);

private:
    TAssetsSet m_assets;
};
