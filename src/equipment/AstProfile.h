#pragma once

#include "AssetsSet.h"

#include <QTableWidget>

// The read-only summary of one machine that the editors of other records show at their top.
class TAstProfile : public QTableWidget {
    Q_OBJECT
public:
    explicit TAstProfile(QWidget* parent = nullptr);

    // Shows the record and hands out its snapshot.
    void ShowAsset(int id, TAssetData& data);
    int AssetId() const { return m_id; }

private:
    int m_id = -1;
};
