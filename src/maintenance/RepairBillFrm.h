#pragma once

#include "RepairSet.h"
#include "ui/aFrm.h"

#include <QHash>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "设备维修单": one repair with its machine, read-only, with the commands to add, change,
// delete and step through the machine's repairs.
class TRepairBillFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TRepairBillFrm(QWidget* parent = nullptr);

    // Shows the repair; false when there is no such repair.
    bool OpenKey(int key);

    TRepairSet& Repairs() { return m_repairs; }
    QLabel* TitleLabel() const { return m_title; }
    QLabel* NumberLabel() const { return m_number; }
    QLineEdit* Shown(const QString& fieldName) const { return m_shown.value(fieldName); }
    QPlainTextEdit* TroubleMemo() const { return m_trouble; }
    QPlainTextEdit* DetailsMemo() const { return m_details; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* PriorButton() const { return m_prior; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* CloseButton() const { return m_close; }

private:
    QWidget* CreateHeader();
    QWidget* CreateBody();
    QLineEdit* AddShown(const char* field, QWidget* parent);
    void ShowCurrent();
    void DeleteClick();
    void StepTo(int key);

    TRepairSet m_repairs;
    QHash<QString, QLineEdit*> m_shown;
    QLabel* m_title;
    QLabel* m_number;
    QPlainTextEdit* m_trouble = nullptr;
    QPlainTextEdit* m_details = nullptr;
    QPushButton* m_new;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_close;
};

// Opens the bill on the repair, or says "没有找到该维修记录".
void ShowRepairBill(int key, QWidget* parent = nullptr);
