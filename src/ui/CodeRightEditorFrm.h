#pragma once

#include "ADlgFrm.h"

#include "admin/CodeRightSet.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class TjtEdit;

// Every operator's restrictions on equipment codes, departments and confidential columns,
// edited in memory one operator at a time and saved together.
class TCodeRightEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TCodeRightEditorFrm(QWidget* parent = nullptr);

    QListWidget* LoginList() const { return lbLogins1; }

public Q_SLOTS:
    void accept() override;

private:
    QWidget* CreateCodeGroup();
    QWidget* CreateDeptGroup();
    QWidget* CreateSecrecyGroup();
    void LoginChanged(int row);
    void ShowRow(int row);
    void StoreRow(int row);

    TCodeRightSet m_rights;
    int m_shown = -1;

    QListWidget* lbLogins1;
    QLabel* lblLoginId1;
    QButtonGroup* rgIsFree1;
    QRadioButton* rbFree1;
    QRadioButton* rbPrefix1;
    TjtEdit* edtPrefix1;
    TjtEdit* edtPostfix1;
    TjtEdit* edtBeginInt1;
    TjtEdit* edtEndInt1;
    TjtEdit* edtDigit1;
    TjtEdit* edtDeptSql1;
    QCheckBox* cbValueVisible1;
    QCheckBox* cbPartnoVisible1;
    QCheckBox* cbFactoryVisible1;
    QCheckBox* cbDayEdit1;
    QCheckBox* cbChangeHint1;
};
