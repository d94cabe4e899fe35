#include "DataSource.h"

#include "DataSet.h"
#include "Field.h"
#include "platform/Exceptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

DataSource::DataSource(DataSet& dataSet, QObject* parent) : QObject(parent), m_dataSet(&dataSet) {
    connect(&dataSet, &DataSet::updateRecordRequested, this, &DataSource::CommitEdits);
    connect(&dataSet, &DataSet::currentChanged, this, &DataSource::Refresh);
    connect(&dataSet, &DataSet::reset, this, &DataSource::Refresh);
    connect(&dataSet, &DataSet::stateChanged, this, [this] {
        if (m_dataSet && !m_dataSet->Editing()) Refresh();
    });
    connect(&dataSet, &DataSet::rowChanged, this, [this] {
        // Values assigned by code while editing show at once; typed ones are not overwritten.
        for (const Binding& b : m_bindings)
            if (!b.modified) Show(b);
    });
}

QMetaProperty DataSource::OwnValue(const QWidget* editor) {
    const QMetaProperty user = editor->metaObject()->userProperty();
    return user.isValid() && user.metaType() == QMetaType::fromType<QVariant>() ? user
                                                                              : QMetaProperty();
}

DataSource::Binding& DataSource::Add(QWidget* widget, Field& field, const QMetaProperty& value) {
    m_bindings.push_back({widget, &field, false, value});
    Show(m_bindings.back());
    return m_bindings.back();
}

void DataSource::Bind(QWidget* editor, Field& field) {
    const QMetaProperty value = OwnValue(editor);
    if (!value.isValid() || !value.hasNotifySignal())
        throw EDatabaseError(QStringLiteral("%1 has no value property to bind to field %2")
                                 .arg(QString::fromLatin1(editor->metaObject()->className()),
                                      field.FieldName()));
    if (editor->metaObject()->indexOfProperty("readOnly") >= 0)
        editor->setProperty("readOnly", field.ReadOnly());
    Add(editor, field, value);
    connect(editor, value.notifySignal(), this,
            metaObject()->method(metaObject()->indexOfSlot("OwnValueEdited()")));
}

void DataSource::OwnValueEdited() {
    Modified(qobject_cast<QWidget*>(sender()));
}

void DataSource::Bind(QLineEdit* edit, Field& field) {
    if (field.IsText()) edit->setMaxLength(std::max(1, field.Size()));
    edit->setReadOnly(field.ReadOnly());
    Add(edit, field);
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { Modified(edit); });
}

void DataSource::Bind(QComboBox* combo, Field& field) {
    Add(combo, field);
    connect(combo, &QComboBox::activated, this, [this, combo] { Modified(combo); });
    if (combo->isEditable())
        connect(combo, &QComboBox::editTextChanged, this, [this, combo] { Modified(combo); });
}

void DataSource::Bind(QDateTimeEdit* edit, Field& field) {
    if (OwnValue(edit).isValid()) return Bind(static_cast<QWidget*>(edit), field);
    edit->setSpecialValueText(QStringLiteral(" "));
    edit->setReadOnly(field.ReadOnly());
    Add(edit, field);
    connect(edit, &QDateTimeEdit::dateTimeChanged, this, [this, edit] { Modified(edit); });
}

void DataSource::Bind(QCheckBox* check, Field& field) {
    Add(check, field);
    connect(check, &QCheckBox::toggled, this, [this, check] { Modified(check); });
}

void DataSource::Bind(QPlainTextEdit* memo, Field& field) {
    memo->setReadOnly(field.ReadOnly());
    Add(memo, field);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] { Modified(memo); });
}

void DataSource::Modified(QWidget* widget) {
    if (m_showing || !m_dataSet || !m_dataSet->Active()) return;
    // Entering edit state refreshes the editors; the one being typed into keeps its text.
    m_typing = widget;
    if (!m_dataSet->Editing()) m_dataSet->Edit();
    m_typing = nullptr;
    for (Binding& b : m_bindings)
        if (b.widget == widget) b.modified = true;
}

void DataSource::CommitEdits() {
    if (!m_dataSet || !m_dataSet->Editing()) return;
    for (Binding& b : m_bindings)
        if (b.modified && b.widget) Push(b);
}

// The editor stays modified until its value has reached the field: text the field refuses
// is refused again at the next commit instead of being dropped silently.
void DataSource::Push(Binding& b) {
    Field& f = *b.field;
    if (b.value.isValid()) f.SetValue(b.value.read(b.widget));
    else if (auto* e = qobject_cast<QLineEdit*>(b.widget)) f.SetValue(e->text());
    else if (auto* c = qobject_cast<QComboBox*>(b.widget)) f.SetValue(c->currentText());
    else if (auto* d = qobject_cast<QDateTimeEdit*>(b.widget))
        f.SetValue(d->dateTime() == d->minimumDateTime() ? QVariant() : QVariant(d->dateTime()));
    else if (auto* x = qobject_cast<QCheckBox*>(b.widget)) f.SetValue(x->isChecked());
    else if (auto* m = qobject_cast<QPlainTextEdit*>(b.widget)) f.SetValue(m->toPlainText());
    b.modified = false;
}

void DataSource::Refresh() {
    if (!m_dataSet || m_dataSet->ControlsDisabled()) return;
    for (Binding& b : m_bindings) {
        b.modified = false;
        Show(b);
    }
}

void DataSource::Show(const Binding& b) {
    if (!b.widget || !m_dataSet || b.widget == m_typing) return;
    const bool active = m_dataSet->Active();
    const QVariant v = active ? b.field->Value() : QVariant();
    const QString text = active ? b.field->AsString() : QString();
    m_showing = true;
    if (b.value.isValid()) b.value.write(b.widget, v);
    else if (auto* e = qobject_cast<QLineEdit*>(b.widget)) e->setText(text);
    else if (auto* c = qobject_cast<QComboBox*>(b.widget)) {
        const int i = c->findText(text);
        if (c->isEditable()) c->setEditText(text);
        else c->setCurrentIndex(i);
    } else if (auto* d = qobject_cast<QDateTimeEdit*>(b.widget))
        d->setDateTime(v.isValid() ? v.toDateTime() : d->minimumDateTime());
    else if (auto* x = qobject_cast<QCheckBox*>(b.widget)) x->setChecked(active && b.field->AsBoolean());
    else if (auto* m = qobject_cast<QPlainTextEdit*>(b.widget)) m->setPlainText(text);
    m_showing = false;
}
