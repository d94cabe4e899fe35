#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QPointer>

#include <vector>

class DataSet;
class Field;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Binds editors to fields of a DataSet. Typing into an editor puts the set into edit state;
// the typed values reach the row only when the set asks for them (CommitEdits, Post).
// An editor that shows "no value" its own way (a date picker with its check box cleared)
// declares a QVariant USER property with a NOTIFY signal: it is read and written through that
// property, an invalid QVariant being null.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(DataSet& dataSet, QObject* parent = nullptr);

    DataSet& Data() const { return *m_dataSet; }
    void Bind(QLineEdit* edit, Field& field);
    void Bind(QComboBox* combo, Field& field);
    // Also QDateEdit; the minimum date shows as empty. A date editor with its own value
    // property is bound as by Bind(QWidget*).
    void Bind(QDateTimeEdit* edit, Field& field);
    void Bind(QCheckBox* check, Field& field);
    void Bind(QPlainTextEdit* memo, Field& field);
    // An editor with its own QVariant USER property (see above); raises EDatabaseError for
    // any other.
    void Bind(QWidget* editor, Field& field);
    // Pushes the pending values of modified editors into the current row (no post).
    void CommitEdits();
    // Shows the current row's values in every editor again.
    void Refresh();

private:
    struct Binding {
        QPointer<QWidget> widget;
        Field* field;
        bool modified = false;
        QMetaProperty value;  // the editor's own value property, when it has one
    };

    static QMetaProperty OwnValue(const QWidget* editor);

    Binding& Add(QWidget* widget, Field& field, const QMetaProperty& value = {});
    void Modified(QWidget* widget);
    Q_SLOT void OwnValueEdited();
    void Show(const Binding& b);
    void Push(Binding& b);

    QPointer<DataSet> m_dataSet;
    std::vector<Binding> m_bindings;
    QWidget* m_typing = nullptr;
    bool m_showing = false;
};
