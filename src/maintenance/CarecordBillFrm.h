#pragma once

#include "CarecordSet.h"
#include "CareitemWhere.h"
#include "ui/aFrm.h"

#include <QHash>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "设备保养单": one care record with its machine and item, read-only, with the commands to add,
// change, delete and step through the machine's records.
class TCarecordBillFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TCarecordBillFrm(QWidget* parent = nullptr);

    // Shows the record; false when there is no such record.
    bool OpenKey(int key);

    TCarecordSet& Records() { return m_records; }
    QLabel* TitleLabel() const { return m_title; }
    QLineEdit* Shown(const QString& fieldName) const { return m_shown.value(fieldName); }
    QPlainTextEdit* WorkMemo() const { return m_work; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* PriorButton() const { return m_prior; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* CloseButton() const { return m_close; }

private:
    QWidget* CreateHeader();
    QWidget* CreateBody();
    void ShowCurrent();
    void DeleteClick();
    void StepTo(int key);

    TCarecordSet m_records;
    TCarecordWhere m_where;
    QHash<QString, QLineEdit*> m_shown;
    QLabel* m_title;
    QLabel* m_number;
    QPlainTextEdit* m_works = nullptr;
    QPlainTextEdit* m_work = nullptr;
    QPushButton* m_new;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_close;
};

// Opens the bill on the record, or says "没有找到该记录".
void ShowCarecordBill(int key, QWidget* parent = nullptr);
