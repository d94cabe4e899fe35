#include "AssetEditorBaseFra.h"

#include "data/RecordSet.h"
#include "data/jtLib.h"
#include "platform/dataset/DataSource.h"
#include "ui/jtComboBox.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

void SetInputReadOnly(QWidget* input, bool readOnly) {
    if (auto* edit = qobject_cast<TjtEdit*>(input)) {
        edit->setReadOnly(readOnly);
        // A read-only input is not lit up on entry.
        edit->SetColorOnEnter(readOnly ? edit->Color() : clAqua);
    } else if (auto* picker = qobject_cast<TjtDateTimePicker*>(input)) {
        picker->setReadOnly(readOnly);
        picker->CheckBox()->setEnabled(!readOnly);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(input)) {
        memo->setReadOnly(readOnly);
    } else {
        input->setEnabled(!readOnly);
    }
}

} // namespace

TAssetEditorBaseFra::TAssetEditorBaseFra(QWidget* parent)
    : TAssetPageFra(parent), m_source(new DataSource(m_set.Query(), this)),
      btnOk1(new QPushButton(QStringLiteral("确定"), this)),
      btnCancel1(new QPushButton(QStringLiteral("取消"), this)) {
    btnOk1->setObjectName(QStringLiteral("btnOk1"));
    btnCancel1->setObjectName(QStringLiteral("btnCancel1"));
    for (QPushButton* button : {btnOk1, btnCancel1})
        button->setAutoDefault(false);
    connect(btnOk1, &QPushButton::clicked, this, &TAssetEditorBaseFra::OkClick);
    connect(btnCancel1, &QPushButton::clicked, this, [this] { m_set.CancelEdits(); });
    DataSet& data = m_set.Query();
    connect(&data, &DataSet::stateChanged, this, &TAssetEditorBaseFra::StateChanged);
    // After the data source has shown the row.
    connect(&data, &DataSet::reset, this, &TAssetEditorBaseFra::SyncCombos);
    connect(&data, &DataSet::currentChanged, this, &TAssetEditorBaseFra::SyncCombos);
    connect(&data, &DataSet::rowChanged, this, &TAssetEditorBaseFra::SyncCombos);
    StateChanged();
}

Field& TAssetEditorBaseFra::Fld(const QString& name) const {
    return m_set.Query().FieldByName(name);
}

void TAssetEditorBaseFra::Bind(QWidget* input, const QString& fieldName) {
    input->setObjectName(fieldName);
    Field& field = Fld(fieldName);
    if (auto* edit = qobject_cast<QLineEdit*>(input))
        m_source->Bind(edit, field);
    else if (auto* combo = qobject_cast<QComboBox*>(input))
        m_source->Bind(combo, field);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(input))
        m_source->Bind(memo, field);
    else
        m_source->Bind(input, field);
}

TjtEdit* TAssetEditorBaseFra::NewEdit(const QString& fieldName) {
    auto* edit = new TjtEdit(this);
    const Field& field = Fld(fieldName);
    if (field.Kind() == FieldKind::Integer) edit->SetEditType(etInteger);
    if (field.Kind() == FieldKind::Float) edit->SetEditType(etNumber);
    Bind(edit, fieldName);
    m_inputs.append(edit);
    return edit;
}

TjtEdit* TAssetEditorBaseFra::NewShowEdit(const QString& fieldName) {
    auto* edit = new TjtEdit(this);
    Bind(edit, fieldName);
    edit->setReadOnly(true);
    edit->SetColorOnEnter(edit->Color());
    return edit;
}

TjtComboBox* TAssetEditorBaseFra::NewCombo(const QString& fieldName, const QStringList& items) {
    auto* combo = new TjtComboBox(this);
    combo->setEditable(true);
    combo->addItems(items);
    // The drop-down offers the usual values; the box holds no more than the column does.
    combo->lineEdit()->setMaxLength(std::max(1, Fld(fieldName).Size()));
    Bind(combo, fieldName);
    m_inputs.append(combo);
    m_combos.append(combo);
    return combo;
}

TjtDateTimePicker* TAssetEditorBaseFra::NewDate(const QString& fieldName) {
    auto* picker = new TjtDateTimePicker(this);
    picker->SetShowCheckbox(true);
    Bind(picker, fieldName);
    m_inputs.append(picker);
    return picker;
}

QPlainTextEdit* TAssetEditorBaseFra::NewMemo(const QString& fieldName) {
    auto* memo = new QPlainTextEdit(this);
    InstallFocusColour(memo);
    Bind(memo, fieldName);
    m_inputs.append(memo);
    return memo;
}

QLabel* TAssetEditorBaseFra::NewLabel(const QString& caption, QWidget* input) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + input->objectName());
    label->setBuddy(input);
    return label;
}

QPushButton* TAssetEditorBaseFra::NewLookupButton(const char* objectName) {
    auto* button = new QPushButton(QStringLiteral("..."), this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    button->setFixedWidth(24);
    return button;
}

void TAssetEditorBaseFra::SetAssetId(int id) {
    if (id == AssetId()) return;
    // Locked first, so that a failed open leaves nothing to type into.
    SetEditable(false);
    m_set.OpenById(id);
    SetEditable(!m_set.Query().IsEmpty() && m_set.CanEdit());
    TAssetPageFra::SetAssetId(id);
}

void TAssetEditorBaseFra::SetEditable(bool editable) {
    m_editable = editable;
    DataSet& data = m_set.Query();
    for (int i = 0; i < data.FieldCount(); ++i)
        data.Fields(i).SetReadOnly(!editable);
    for (QWidget* input : m_inputs)
        SetInputReadOnly(input, !editable);
    btnOk1->setVisible(editable);
    btnCancel1->setVisible(editable);
    EditableChanged(editable);
}

void TAssetEditorBaseFra::EditableChanged(bool) {}

// A shown value picks its item in the list, or none, so that the arrow keys start from it.
void TAssetEditorBaseFra::SyncCombos() {
    for (TjtComboBox* combo : m_combos) {
        const QString text = combo->currentText();
        const int index = combo->findText(text);
        if (index == combo->currentIndex()) continue;
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
        combo->setEditText(text);
    }
}

void TAssetEditorBaseFra::StateChanged() {
    const bool editing = m_set.Query().Editing();
    if (!editing) SyncCombos();
    btnOk1->setEnabled(editing);
    btnCancel1->setEnabled(editing);
}

// A number input holds only digits and a point when typed, but not when pasted into.
bool TAssetEditorBaseFra::NumbersValid() {
    for (QWidget* input : m_inputs) {
        auto* edit = qobject_cast<TjtEdit*>(input);
        if (!edit || edit->EditType() == etFree) continue;
        try {
            Field::Convert(Fld(edit->objectName()).Kind(), edit->text());
        } catch (const Exception& e) {
            ShowInfo(e.Message());
            edit->setFocus();
            return false;
        }
    }
    return true;
}

void TAssetEditorBaseFra::OkClick() {
    if (!m_set.Query().Editing() || !NumbersValid()) return;
    if (!Save()) {
        // The save says nothing when no row was written: the record went meanwhile.
        if (!StillStored()) ShowInfo(QStringLiteral("保存失败, 该设备已被删除."));
        return;
    }
    m_set.Query().Post();
    Saved();
}

bool TAssetEditorBaseFra::StillStored() {
    ScratchSet.Open(QStringLiteral("select Id from equipments where Id=:Id"),
                    {DBParam(QStringLiteral("Id"), AssetId())});
    return !ScratchSet.DataSet().IsEmpty();
}
