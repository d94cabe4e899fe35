#include "CoderFrm.h"

#include "platform/Exceptions.h"
#include "ui/Application.h"
#include "ui/jtComboBox.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <typeinfo>

TCoderFrm::TCoderFrm(QWidget* parent)
    : TADlgFrm(parent), vleCodes1(new QTableWidget(0, 2, Body())) {
    setObjectName(QStringLiteral("CoderFrm"));
    setWindowTitle(QStringLiteral("自动编号"));
    vleCodes1->setObjectName(QStringLiteral("vleCodes1"));
    vleCodes1->setHorizontalHeaderLabels({QStringLiteral("段"), QStringLiteral("值")});
    vleCodes1->horizontalHeader()->setStretchLastSection(true);
    vleCodes1->verticalHeader()->hide();
    vleCodes1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vleCodes1->setSelectionMode(QAbstractItemView::NoSelection);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vleCodes1);
    resize(360, 260);
    Fill();
}

TjtComboBox* TCoderFrm::ItemsOf(int row) const {
    return qobject_cast<TjtComboBox*>(vleCodes1->cellWidget(row, 1));
}

// Each segment's first item is the one preselected.
void TCoderFrm::Fill() {
    m_codes.Load();
    DataSet& codes = m_codes.Query();
    // The engines order Chinese text by code point; operators read it in the Chinese order.
    codes.SetSort(QStringLiteral("Kind,Label"));
    for (codes.First(); !codes.Eof(); codes.Next()) {
        TjtComboBox* items = SegmentLine(m_codes.KindFld->AsString());
        items->addItem(m_codes.LabelFld->AsString(), m_codes.IdFld->AsInteger());
    }
    for (int row = 0; row < vleCodes1->rowCount(); ++row)
        ItemsOf(row)->setCurrentIndex(0);
}

TjtComboBox* TCoderFrm::SegmentLine(const QString& kind) {
    for (int row = 0; row < vleCodes1->rowCount(); ++row)
        if (vleCodes1->item(row, 0)->text() == kind) return ItemsOf(row);
    const int row = vleCodes1->rowCount();
    vleCodes1->insertRow(row);
    vleCodes1->setItem(row, 0, new QTableWidgetItem(kind));
    auto* items = new TjtComboBox;
    vleCodes1->setCellWidget(row, 1, items);
    return items;
}

QString TCoderFrm::Compose() {
    QString code;
    DataSet& codes = m_codes.Query();
    for (int row = 0; row < vleCodes1->rowCount(); ++row) {
        const QString kind = vleCodes1->item(row, 0)->text();
        const QString label = ItemsOf(row)->currentText();
        if (!codes.Locate(QStringLiteral("Kind;Label"), {kind, label})) continue;
        code += m_codes.CodeFld->AsString() + m_codes.NextNumber();
    }
    return code;
}

void TCoderFrm::accept() {
    try {
        m_code = Compose();
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message(), QString::fromLatin1(typeid(e).name()));
        return;
    }
    TADlgFrm::accept();
}

bool PickCode(QString& code, QWidget* parent) {
    TCoderFrm dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    code = dialog.Code();
    return true;
}
