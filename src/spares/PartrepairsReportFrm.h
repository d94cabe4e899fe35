#pragma once

#include "PartrepairsSet.h"
#include "ui/BasicFrm.h"

class DataSource;
class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;
class TjtDateTimePicker;

// "备件维修": repairs of spare parts, narrowed by the search panel above the list.
class TPartrepairsReportFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TPartrepairsReportFrm(QWidget* parent = nullptr);
    ~TPartrepairsReportFrm() override;

    TPartrepairsSet& Partrepairs() { return m_partrepairs; }
    TPartrepairsWhere& Where() { return m_partrepairs.Where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* SearchPanel() const { return m_searchPanel; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* CloseAction() const { return m_close; }
    TjtDateTimePicker* DateFromEdit() const { return m_dateFrom; }
    TjtDateTimePicker* DateToEdit() const { return m_dateTo; }
    QComboBox* RepairmanCombo() const { return m_repairman; }
    QLineEdit* TroublesEdit() const { return m_troubles; }
    QLineEdit* DetailsEdit() const { return m_details; }
    QLineEdit* NotesEdit() const { return m_notes; }
    QLineEdit* PartEdit() const { return m_part; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

    void SearchClick();
    void ResetClick();
    void PickPartClick();


private:
    void CreateActions();
    QToolBar* CreateToolBar();
    QWidget* CreateSearchPanel();
    void CreateMenus();
    bool Commit();
    void AddClick();
    void EditClick();
    void DeleteClick();
    int Edit(bool isNew, const TPartData& part);

    TPartrepairsSet m_partrepairs;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_searchPanel = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_close = nullptr;
    TjtDateTimePicker* m_dateFrom = nullptr;
    TjtDateTimePicker* m_dateTo = nullptr;
    QComboBox* m_repairman = nullptr;
    QLineEdit* m_troubles = nullptr;
    QLineEdit* m_details = nullptr;
    QLineEdit* m_notes = nullptr;
    QLineEdit* m_part = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
};
