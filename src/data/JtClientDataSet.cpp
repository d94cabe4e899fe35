#include "JtClientDataSet.h"

#include <algorithm>

Field* TJtClientDataSet::AddField(FieldKind kind, const QString& name, bool visible,
                                  const QString& label) {
    return m_data.AddField(kind, name, -1, visible, label);
}

Field* TJtClientDataSet::AddFieldDef(FieldKind kind, const QString& name, int size, bool visible,
                                     const QString& label) {
    Field* field = AddField(kind, name, visible, label);
    if (size > 20) field->SetSize(std::min(size, 140));
    return field;
}
