#pragma once

#include "AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QLineEdit;
class QToolButton;

// "添加设备": a new machine from its four identifying columns.
class TAssetAddorFrm : public TADlgFrm {
    Q_OBJECT
public:
    // added receives the set with the new row, before the dialog closes.
    explicit TAssetAddorFrm(std::function<void(TAssetsSet& added)> added = {}, QWidget* parent = nullptr);

    QLineEdit* CodeEdit() const { return m_code; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* PartNoEdit() const { return m_partNo; }
    QLineEdit* FactoryEdit() const { return m_factory; }
    QToolButton* CodeButton() const { return m_codeButton; }
    int NewId() const { return m_newId; }

    void accept() override;

private:
    bool Required(QLineEdit* edit, const QString& caption);

    std::function<void(TAssetsSet&)> m_added;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QLineEdit* m_partNo;
    QLineEdit* m_factory;
    QToolButton* m_codeButton;
    int m_newId = 0;
};
