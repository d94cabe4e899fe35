#pragma once

#include "data/JtClientDataSet.h"

#include <QList>
#include <QStringList>

// Groups the rows a list shows by one of its columns: per distinct value the number of rows
// and the sums of the numeric columns. Runs over the rows in memory; nothing is queried.
class TCustomCountSet : public TJtClientDataSet {
public:
    // Adds the result's Itm and Cnt fields; descendants add their sums after them.
    TCustomCountSet();

    // The set whose rows are counted; the columns one may group by are taken from it again.
    void SetSourceSet(::DataSet* source);
    ::DataSet* SourceSet() const { return m_source; }
    // Groups by the column with this title; nothing happens when no column has it.
    void Count(const QString& label);
    void GroupLabels(QStringList& labels) const;

    Field* ItemField;
    Field* CountField;

protected:
    // The result column adding up each source column, by name.
    void AddSum(const QString& sourceName, const QString& resultName, const QString& label);
    // The source columns offered for grouping, in order.
    virtual QList<const Field*> GroupColumns(const ::DataSet& source) const = 0;

private:
    struct Group;
    struct Sum {
        QString Source;
        Field* Result;
    };
    std::vector<Group> Collect(const Field& column) const;
    void Store(const std::vector<Group>& groups);

    ::DataSet* m_source = nullptr;
    QList<Sum> m_sums;
    QList<const Field*> m_columns;
};
