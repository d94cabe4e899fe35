#pragma once

#include "AssetPageFra.h"
#include "AssetsSet.h"

#include <QList>

class DataSource;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TjtComboBox;
class TjtDateTimePicker;
class TjtEdit;

// What the two equipment editors share: their own record set opened on the shown equipment,
// inputs bound to its fields, and "确定" / "取消", usable only while the record is being
// edited and shown only when the operator may change it.
class TAssetEditorBaseFra : public TAssetPageFra {
    Q_OBJECT
public:
    void SetAssetId(int id) override;

    TAssetsSet& AssetsSet() { return m_set; }
    bool Editable() const { return m_editable; }
    QPushButton* OkButton() const { return btnOk1; }
    QPushButton* CancelButton() const { return btnCancel1; }

protected:
    explicit TAssetEditorBaseFra(QWidget* parent);

    // Checks and saves the record; the row is posted and the list refreshed only on true.
    virtual bool Save() = 0;
    // Locks or unlocks the record: its fields, the bound inputs and the two buttons.
    void SetEditable(bool editable);
    // Lets an editor follow with its own controls.
    virtual void EditableChanged(bool editable);

    Field& Fld(const QString& name) const;
    // Inputs bound to the field of their name; numbers take only what a number can hold.
    TjtEdit* NewEdit(const QString& fieldName);
    TjtComboBox* NewCombo(const QString& fieldName, const QStringList& items);
    TjtDateTimePicker* NewDate(const QString& fieldName);
    QPlainTextEdit* NewMemo(const QString& fieldName);
    // An input that is always read-only, though bound.
    TjtEdit* NewShowEdit(const QString& fieldName);
    QLabel* NewLabel(const QString& caption, QWidget* input);
    // "..." beside an input.
    QPushButton* NewLookupButton(const char* objectName);

private:
    void Bind(QWidget* input, const QString& fieldName);
    void SyncCombos();
    void StateChanged();
    void OkClick();
    bool NumbersValid();
    bool StillStored();

    TAssetsSet m_set;
    DataSource* m_source;
    QList<QWidget*> m_inputs;
    QList<TjtComboBox*> m_combos;
    QPushButton* btnOk1;
    QPushButton* btnCancel1;
    bool m_editable = true;
};
