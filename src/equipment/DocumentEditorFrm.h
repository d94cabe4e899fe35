#pragma once

#include "ui/ADlgFrm.h"

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class TAstProfile;
class TDocumentSet;
class TjtDateTimePicker;
class TjtEdit;

// "设备文档.添加" / "设备文档.修改": a file kept with a machine. OK reads the file at the path
// again and saves it into the set; a failure is shown and the editor stays open.
class TDocumentEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    // A new document of the machine, or the set's current one.
    TDocumentEditorFrm(TDocumentSet& set, bool isNew, int assetId, QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    QComboBox* SubjectCombo() const { return m_subject; }
    TjtEdit* PathEdit() const { return m_path; }
    QToolButton* PathButton() const { return m_pathButton; }
    QListWidget* FileView() const { return m_file; }
    QComboBox* HandmanCombo() const { return m_handman; }
    QPlainTextEdit* RemarksMemo() const { return m_remarks; }

    // A path that does not exist on this computer leaves the path empty.
    void SetPath(const QString& path);

    void accept() override;

private:
    QWidget* CreateInputs();
    void ShowCurrent();
    void PathClick();
    void ShowFile();
    void Save();

    TDocumentSet& m_set;
    bool m_isNew;
    int m_assetId;
    TAstProfile* m_profile;
    TjtDateTimePicker* m_date = nullptr;
    QComboBox* m_subject = nullptr;
    TjtEdit* m_path = nullptr;
    QToolButton* m_pathButton = nullptr;
    QListWidget* m_file = nullptr;
    QComboBox* m_handman = nullptr;
    QPlainTextEdit* m_remarks = nullptr;
};
