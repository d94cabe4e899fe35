#pragma once

#include "ui/aFrm.h"

#include <memory>

class DataSet;
class QChart;
class QListWidget;
class QTabWidget;
class QToolButton;
class TCustomCountSet;
class TjtDBGrid;

// A statistics window: the columns to group by on the left, the groups as a pie chart and as a
// list on the right. Frees itself when closed.
class TCustomStatFrm : public TaFrm {
    Q_OBJECT
public:
    void SetSourceSet(DataSet* source);

    TCustomCountSet& Counts() const { return *m_counts; }
    QListWidget* Labels() const { return m_labels; }
    QTabWidget* Pages() const { return m_pages; }
    TjtDBGrid* Grid() const { return m_grid; }
    QChart* Chart() const { return m_chart; }

protected:
    TCustomStatFrm(std::unique_ptr<TCustomCountSet> counts, int layoutId, const QString& caption,
                   QWidget* parent);
    ~TCustomStatFrm() override;

private:
    void LabelChosen();
    void Redraw(const QString& label);

    std::unique_ptr<TCustomCountSet> m_counts;
    QListWidget* m_labels;
    QTabWidget* m_pages;
    TjtDBGrid* m_grid;
    QChart* m_chart;
};

// "设备统计": the equipment the ledger shows.
class TEqiStatFrm : public TCustomStatFrm {
    Q_OBJECT
public:
    explicit TEqiStatFrm(QWidget* parent = nullptr);
};

// "附件统计": the accessories the accessory list shows.
class TAcsStatFrm : public TCustomStatFrm {
    Q_OBJECT
public:
    explicit TAcsStatFrm(QWidget* parent = nullptr);
};
