#pragma once

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
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(DataSet& dataSet, QObject* parent = nullptr);

    DataSet& Data() const { return *m_dataSet; }
    void Bind(QLineEdit* edit, Field& field);
    void Bind(QComboBox* combo, Field& field);
    void Bind(QDateTimeEdit* edit, Field& field);  // also QDateEdit; the minimum date shows as empty
    void Bind(QCheckBox* check, Field& field);
    void Bind(QPlainTextEdit* memo, Field& field);
    // Pushes the pending values of modified editors into the current row (no post).
    void CommitEdits();
    // Shows the current row's values in every editor again.
    void Refresh();

private:
    struct Binding {
        QPointer<QWidget> widget;
        Field* field;
        bool modified = false;
    };

    Binding& Add(QWidget* widget, Field& field);
    void Modified(QWidget* widget);
    void Show(const Binding& b);
    void Push(Binding& b);

    QPointer<DataSet> m_dataSet;
    std::vector<Binding> m_bindings;
    QWidget* m_typing = nullptr;
    bool m_showing = false;
};
