#pragma once

#include "ADlgFrm.h"

#include "admin/Operator.h"

class QListWidget;
class QListWidgetItem;
class TjtEdit;

// One operator's login, password, particulars and rights; the rights list holds the whole
// catalogue, one checkable line per right.
class TOperatorEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TOperatorEditorFrm(QWidget* parent = nullptr);

    // A new operator: every box empty, no right checked, the login open for typing.
    void Clear();
    // An existing operator: the login cannot change; both password boxes show the stored one.
    void SetOperator(const TOperator& op);
    // The values as typed; Rights in the stored form, in the order of the list.
    TOperator Operator() const;

    QListWidget* RightsList() const { return lbRights1; }

public Q_SLOTS:
    void accept() override;

private:
    void CheckRights(const QString& rights);
    static void Toggle(QListWidgetItem* item);

    TjtEdit* edtLoginId1;
    TjtEdit* edtPassword1;
    TjtEdit* edtPassword2;
    TjtEdit* edtName1;
    TjtEdit* edtContact1;
    TjtEdit* edtNote1;
    QListWidget* lbRights1;
};
