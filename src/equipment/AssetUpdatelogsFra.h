#pragma once

#include "AssetPageFra.h"
#include "EquiplogsReport.h"

class TjtDBGrid;

// The "日志" page: every changed field of the current machine, from its update log.
class TAssetUpdatelogsFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetUpdatelogsFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TEquiplogsReport& Report() { return m_report; }
    TjtDBGrid* Grid() const { return m_grid; }

private:
    TEquiplogsReport m_report;
    TjtDBGrid* m_grid;
};
