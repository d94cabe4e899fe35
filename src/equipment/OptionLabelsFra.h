#pragma once

#include "OptionPageFra.h"

#include <QList>

class QLineEdit;
class QTabWidget;

// "标签选项": the titles of the user-defined columns of machines, accessories and spare parts.
// They are read at start-up, so changes show after the next start.
class TOptionLabelsFra : public TOptionPageFra {
    Q_OBJECT
public:
    explicit TOptionLabelsFra(QWidget* parent = nullptr);
    void Save() override;

    QTabWidget* Tabs() const { return m_tabs; }
    // The box of an option number; null when the page has none.
    QLineEdit* Box(int option) const;

private:
    struct Labelled {
        int Option;
        QLineEdit* Edit;
    };
    QWidget* Tab(const QString& group, const QStringList& captions, const QList<int>& options);

    QTabWidget* m_tabs;
    QList<Labelled> m_boxes;
};
