#pragma once

#include "aFrm.h"

#include <QStringList>

class DataSet;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;

// The export wizard "导出...": page "选择数据列" chooses the columns and their order, page
// "输出" the format and the file; closing with OK writes the file.
class TDataExporterFrm : public TaFrm {
    Q_OBJECT
public:
    enum Format { NoFormat = -1, TextFormat, ExcelFormat, HtmlFormat, CsvFormat };

    explicit TDataExporterFrm(QWidget* parent = nullptr);
    TDataExporterFrm(DataSet& data, QWidget* parent = nullptr);

    // Lists the data set's fields as available; nothing is chosen.
    void InitFrm(DataSet& data);
    // The chosen labels in order, one per line (CR LF between lines).
    QStringList SelectedFields() const;
    QString SelectedFieldsText() const;
    // Chooses the labels given, in that order; unknown labels are skipped.
    void SetSelectedFields(const QStringList& labels);
    void SetSelectedFields(const QString& text);

    Format ExportFormat() const;
    void SetExportFormat(Format format);
    QString FileName() const;
    void SetFileName(const QString& fileName);
    // The save dialog's filter and default extension for the chosen format.
    QString FileFilter() const { return m_filter; }
    QString DefaultExt() const { return m_defaultExt; }

    int PageIndex() const;
    QListWidget* AvailableList() const { return m_available; }
    QListWidget* ChosenList() const { return m_chosen; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QPushButton* PriorButton() const { return m_prior; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* CancelButton() const { return m_cancel; }
    QLineEdit* FileEdit() const { return m_fileEdit; }
    QTabBar* PageTabs() const { return m_tabs; }

    void AddSelected();
    void RemoveSelected();
    void MoveChosen(int step);
    void NextPage();
    void PriorPage();

    // Runs the checks, writes the file and offers to open it; stays open on failure.
    void accept() override;

private:
    void ShowPage(int index);
    void UpdateMoveButtons();
    void FormatChosen(int format);
    void Browse();
    void WriteFile(const QString& fileName);

    DataSet* m_data = nullptr;
    QTabBar* m_tabs;
    QStackedWidget* m_pages;
    QListWidget* m_available;
    QListWidget* m_chosen;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
    QButtonGroup* m_formats;
    QLineEdit* m_fileEdit;
    QPushButton* m_browse;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_help;
    QPushButton* m_cancel;
    QString m_filter;
    QString m_defaultExt;
};

// The list windows' export command: right 10004, an open data set, and the column choice
// remembered in key value 3 for the whole system.
void ExportDataSet(DataSet& data, QWidget* parent = nullptr);
