#pragma once

#include "ui/ADlgFrm.h"

#include <functional>

class TjtEdit;

// Receives the arrived quantity; false keeps the dialog open.
using TPartinArrived = std::function<bool(double qtyA)>;

// "到货入库": the quantity of a line that has arrived so far.
class TPartinArriveFrm : public TADlgFrm {
    Q_OBJECT
public:
    TPartinArriveFrm(double qtyA, TPartinArrived arrived, QWidget* parent = nullptr);

    TjtEdit* QtyEdit() const { return m_qty; }

    void accept() override;

private:
    TPartinArrived m_arrived;
    TjtEdit* m_qty;
};
