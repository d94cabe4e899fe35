#include "DocumentEditorFrm.h"

#include "AssetsSet.h"
#include "AstProfile.h"
#include "AttachmentFiles.h"
#include "DocumentSet.h"
#include "admin/KeyValue.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "ui/jtComboBox.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSubjectList = 103;
constexpr int kHandmanList = 114;

QComboBox* PickListCombo(const QString& name, int key, int size, QWidget* parent) {
    auto* combo = new TjtComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->addItems(PickLists.Items(key));
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setMaxLength(size);
    return combo;
}

} // namespace

TDocumentEditorFrm::TDocumentEditorFrm(TDocumentSet& set, bool isNew, int assetId, QWidget* parent)
    : TADlgFrm(parent), m_set(set), m_isNew(isNew), m_assetId(assetId),
      m_profile(new TAstProfile(Body())) {
    setWindowTitle(isNew ? QStringLiteral("设备文档.添加") : QStringLiteral("设备文档.修改"));
    setObjectName(QStringLiteral("DocumentEditorFrm"));
    TAssetData asset;
    m_profile->ShowAsset(assetId, asset);
    m_profile->setFixedHeight(150);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addWidget(CreateInputs(), 1);
    if (isNew)
        m_date->SetAsDate(QDate::currentDate());
    else
        ShowCurrent();
    resize(520, 520);
}

QWidget* TDocumentEditorFrm::CreateInputs() {
    auto* box = new QWidget(Body());
    m_date = new TjtDateTimePicker(box);
    m_date->setObjectName(QStringLiteral("GetDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_subject = PickListCombo(QStringLiteral("Subject"), kSubjectList, 50, box);
    m_path = new TjtEdit(box);
    m_path->setObjectName(QStringLiteral("FileName"));
    m_path->setMaxLength(250);
    m_pathButton = new QToolButton(box);
    m_pathButton->setText(QStringLiteral("..."));
    m_file = new QListWidget(box);
    m_file->setObjectName(QStringLiteral("FileView"));
    m_file->setViewMode(QListView::IconMode);
    m_file->setFixedHeight(72);
    m_handman = PickListCombo(QStringLiteral("Handman"), kHandmanList, 20, box);
    m_remarks = new QPlainTextEdit(box);
    m_remarks->setObjectName(QStringLiteral("Remarks"));
    InstallFocusColour(m_remarks);

    auto* pathRow = new QHBoxLayout;
    pathRow->setSpacing(1);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_pathButton);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 4, 0, 0);
    form->addRow(QStringLiteral("获得日期"), m_date);
    form->addRow(QStringLiteral("文档类别"), m_subject);
    form->addRow(QStringLiteral("文件地址"), pathRow);
    form->addRow(QString(), m_file);
    form->addRow(QStringLiteral("经办人"), m_handman);
    form->addRow(QStringLiteral("备注"), m_remarks);

    connect(m_pathButton, &QToolButton::clicked, this, &TDocumentEditorFrm::PathClick);
    connect(m_path, &QLineEdit::textChanged, this, &TDocumentEditorFrm::ShowFile);
    connect(m_file, &QListWidget::itemDoubleClicked, this,
            [this] { OpenAttachment(m_path->text()); });
    return box;
}

void TDocumentEditorFrm::ShowCurrent() {
    m_date->SetAsDateTime(m_set.GetDateFld->Value());
    m_subject->setEditText(m_set.SubjectFld->AsString());
    SetPath(m_set.FileNameFld->AsString());
    m_handman->setEditText(m_set.HandmanFld->AsString());
    m_remarks->setPlainText(m_set.RemarksFld->AsString());
}

void TDocumentEditorFrm::SetPath(const QString& path) {
    m_path->setText(!path.isEmpty() && QFileInfo::exists(path) ? path : QString());
}

void TDocumentEditorFrm::PathClick() {
    const QString path = ChooseDocumentFile(this, m_path->text());
    if (!path.isEmpty()) SetPath(path);
}

void TDocumentEditorFrm::ShowFile() {
    m_file->clear();
    const QFileInfo file(m_path->text());
    if (m_path->text().isEmpty() || !file.isFile()) return;
    m_file->addItem(new QListWidgetItem(QFileIconProvider().icon(file), file.fileName()));
}

void TDocumentEditorFrm::Save() {
    const QByteArray bytes = ReadAttachment(m_path->text());
    DataSet& data = m_set.Query();
    if (!data.Active()) data.CreateDataSet();
    if (m_isNew) {
        data.Append();
        m_set.EqiIdFld->SetAsInteger(m_assetId);
    } else {
        data.Edit();
    }
    const QVariant date = m_date->AsDate();
    m_set.GetDateFld->SetValue(date.isValid() ? QVariant(date.toDate().startOfDay()) : QVariant());
    m_set.SubjectFld->SetAsString(m_subject->currentText());
    m_set.FileNameFld->SetAsString(m_path->text());
    m_set.FileDataFld->SetAsBytes(bytes);
    m_set.HandmanFld->SetAsString(m_handman->currentText());
    m_set.RemarksFld->SetAsString(m_remarks->toPlainText());
    // Only a document deleted at another workstation updates no row.
    if (!m_set.Save()) throw Exception(QStringLiteral("保存失败, 该文档已被删除."));
}

void TDocumentEditorFrm::accept() {
    try {
        Save();
    } catch (const Exception& e) {
        m_set.CancelEdits();
        ShowInfo(e.Message());
        return;
    }
    TADlgFrm::accept();
}
