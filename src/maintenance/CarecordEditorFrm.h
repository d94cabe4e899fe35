#pragma once

#include "CareData.h"
#include "equipment/AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class TAstProfile;
class TjtDateTimePicker;

// Receives the machine, the item and the record; false keeps the editor open.
using TCarecordEdited =
    std::function<bool(const TAssetData& asset, const TCareitemData& item, const TCarecordData& record)>;

// "保养记录": one maintenance carried out on an item, the machine's profile beside it.
class TCarecordEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TCarecordEditorFrm(const TCareitemData& item, const TCarecordData& record, TCarecordEdited edited,
                       QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* ItemEdit() const { return m_itemName; }
    QLineEdit* DaysEdit() const { return m_days; }
    QLineEdit* HoursEdit() const { return m_hours; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    QPlainTextEdit* WorkMemo() const { return m_work; }
    QComboBox* ManCombo() const { return m_man; }

    void accept() override;

private:
    TCarecordEdited m_edited;
    TCareitemData m_item;
    TCarecordData m_record;
    TAssetData m_asset;
    TAstProfile* m_profile;
    QLineEdit* m_name;
    QLineEdit* m_itemName;
    QLineEdit* m_days;
    QLineEdit* m_hours;
    TjtDateTimePicker* m_date;
    QPlainTextEdit* m_work;
    QComboBox* m_man;
};
