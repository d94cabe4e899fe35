#include "AssetAddorFrm.h"

#include "CoderFrm.h"
#include "data/jtLib.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

TAssetAddorFrm::TAssetAddorFrm(std::function<void(TAssetsSet&)> added, QWidget* parent)
    : TADlgFrm(parent), m_added(std::move(added)) {
    setWindowTitle(QStringLiteral("添加设备"));
    m_code = new QLineEdit(Body());
    m_name = new QLineEdit(Body());
    m_partNo = new QLineEdit(Body());
    m_factory = new QLineEdit(Body());
    m_codeButton = new QToolButton(Body());
    m_codeButton->setText(QStringLiteral("..."));
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_code, 1);
    codeRow->addWidget(m_codeButton);
    auto* form = new QFormLayout(Body());
    form->addRow(QStringLiteral("设备编号"), codeRow);
    form->addRow(QStringLiteral("设备名称"), m_name);
    form->addRow(QStringLiteral("型号规格"), m_partNo);
    form->addRow(QStringLiteral("制造厂家"), m_factory);
    for (QLineEdit* edit : {m_code, m_name, m_partNo, m_factory}) edit->setMinimumWidth(260);
    connect(m_codeButton, &QToolButton::clicked, this, [this] {
        QString code;
        if (PickCode(code, this)) m_code->setText(code);
    });
}

bool TAssetAddorFrm::Required(QLineEdit* edit, const QString& caption) {
    if (!edit->text().trimmed().isEmpty()) return true;
    ShowMessage(QStringLiteral("\r") + caption + QStringLiteral("必须填写.\t"), QMessageBox::Information,
                QMessageBox::Ok);
    edit->setFocus();
    return false;
}

void TAssetAddorFrm::accept() {
    if (!Required(m_code, QStringLiteral("设备编号")) || !Required(m_name, QStringLiteral("设备名称"))) return;
    TAssetsSet set;
    set.OpenById(-1);
    set.Query().Append();
    set.CodeFld->SetAsString(m_code->text());
    set.EqiNameFld->SetAsString(m_name->text());
    set.PartNoFld->SetAsString(m_partNo->text());
    set.ManufactoryFld->SetAsString(m_factory->text());
    if (!set.AddNew()) return;
    set.Query().Post();
    m_newId = set.IdFld->AsInteger();
    if (m_added) m_added(set);
    TADlgFrm::accept();
}
