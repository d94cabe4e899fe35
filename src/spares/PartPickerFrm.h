#pragma once

#include "Partable.h"
#include "ui/aFrm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class TjtDBGrid;

// Receives the chosen part; true closes the picker, false keeps it open for the next pick.
using TPartPicked = std::function<bool(const TPartData& part)>;

// "请选择备件": the whole catalogue, narrowed while the user types into "值为".
class TPartPickerFrm : public TaFrm {
    Q_OBJECT
public:
    TPartPickerFrm(int currentId, TPartPicked picked, QWidget* parent = nullptr);

    TPartable& Parts() { return m_parts; }
    QComboBox* ItemCombo() const { return m_item; }
    QLineEdit* ValueEdit() const { return m_value; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;
    void done(int result) override;

private:
    void ValueChanged(const QString& text);
    void ItemChanged();

    TPartable m_parts;
    TPartPicked m_picked;
    QComboBox* m_item;
    QLineEdit* m_value;
    TjtDBGrid* m_grid;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QList<Field*> m_searchFields;
    int m_startItem = -1;
};

// Shows the picker on the part with the id (-1: none); true when a pick closed it.
bool PickPart(int currentId, const TPartPicked& picked, QWidget* parent = nullptr);
