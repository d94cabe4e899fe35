#pragma once

#include "AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class TjtDBGrid;

// Receives the chosen machine; returns the result the picker closes with, or 0 to keep it open
// for another pick.
using TAssetPicked = std::function<int(const TAssetData& asset)>;

// "请选择设备": the equipment list narrowed while the operator types into "值为".
class TAssetPickerFrm : public TADlgFrm {
    Q_OBJECT
public:
    TAssetPickerFrm(int currentId, TAssetPicked picked, QWidget* parent = nullptr);
    ~TAssetPickerFrm() override;

    TAssetsSet& Assets() { return m_assets; }
    QComboBox* ItemCombo() const { return m_item; }
    QLineEdit* ValueEdit() const { return m_value; }
    TjtDBGrid* Grid() const { return m_grid; }

    void accept() override;

private:
    void ValueChanged(const QString& text);
    void ItemChanged();

    TAssetsSet m_assets;
    TAssetPicked m_picked;
    QComboBox* m_item;
    QLineEdit* m_value;
    TjtDBGrid* m_grid;
    QList<Field*> m_searchFields;
    int m_startItem = -1;
};

// Shows the picker on the machine with the id; true when it closed with OK.
bool PickAsset(int currentId, const TAssetPicked& picked, QWidget* parent = nullptr);
