#pragma once

#include "platform/dataset/DataSet.h"

// An in-memory data set with declared fields and no connection.
class TJtClientDataSet {
public:
    TJtClientDataSet() = default;
    virtual ~TJtClientDataSet() = default;
    TJtClientDataSet(const TJtClientDataSet&) = delete;
    TJtClientDataSet& operator=(const TJtClientDataSet&) = delete;

    ::DataSet& DataSet() { return m_data; }
    const ::DataSet& DataSet() const { return m_data; }

    Field* AddField(FieldKind kind, const QString& name, bool visible, const QString& label);
    // Text sizes above 20 are kept up to 140; smaller ones keep the default 20.
    Field* AddFieldDef(FieldKind kind, const QString& name, int size, bool visible,
                       const QString& label);
    // Builds the rows anew from the current fields; existing rows are discarded.
    void CreateDataSet() { m_data.CreateDataSet(); }

private:
    ::DataSet m_data;
};
