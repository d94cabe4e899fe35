#pragma once

#include "CareData.h"
#include "CareitemSet.h"
#include "CareitemWhere.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QLabel;
class TjtDBGrid;

// Receives the chosen item; returns the result the picker closes with, or 0 to stay open.
using TCareitemPicked = std::function<int(const TCareitemData& item)>;

// "请选择保养点": the maintenance items of one machine, the machine above them.
class TCareitemPickerFrm : public TADlgFrm {
    Q_OBJECT
public:
    TCareitemPickerFrm(int assetId, int itemId, TCareitemPicked picked, QWidget* parent = nullptr);
    ~TCareitemPickerFrm() override;

    TCareitemSet& Items() { return m_items; }
    TjtDBGrid* Grid() const { return m_grid; }
    QLabel* Header() const { return m_header; }

    void accept() override;

private:
    TCareitemSet m_items;
    TCareitemWhere m_where;
    TCareitemPicked m_picked;
    QLabel* m_header;
    TjtDBGrid* m_grid;
};

// Shows the picker for the machine on the item; true when it closed with OK.
bool PickCareitem(int assetId, int itemId, const TCareitemPicked& picked, QWidget* parent = nullptr);
