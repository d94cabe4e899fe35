#include "PartinArriveFrm.h"

#include "PartinUi_p.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <QFormLayout>

TPartinArriveFrm::TPartinArriveFrm(double qtyA, TPartinArrived arrived, QWidget* parent)
    : TADlgFrm(parent), m_arrived(std::move(arrived)), m_qty(partinui::NumberEdit(Body())) {
    setWindowTitle(QStringLiteral("到货入库"));
    setObjectName(QStringLiteral("PartinArriveFrm"));
    auto* form = new QFormLayout(Body());
    form->addRow(QStringLiteral("入库数量"), m_qty);
    m_qty->setText(QString::number(qtyA));
    resize(260, 110);
}

void TPartinArriveFrm::accept() {
    double qty = 0;
    try {
        qty = m_qty->AsDouble();
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        m_qty->setFocus();
        return;
    }
    if (m_arrived && !m_arrived(qty)) return;
    TADlgFrm::accept();
}
