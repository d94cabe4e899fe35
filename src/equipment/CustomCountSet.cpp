#include "CustomCountSet.h"

#include <QHash>

struct TCustomCountSet::Group {
    QString Item;
    int Count = 0;
    std::vector<double> Sums;
};

TCustomCountSet::TCustomCountSet() {
    ItemField = AddFieldDef(FieldKind::String, QStringLiteral("Itm"), 50, true, QStringLiteral("项目"));
    CountField = AddFieldDef(FieldKind::Integer, QStringLiteral("Cnt"), 0, true, QStringLiteral("数"));
}

void TCustomCountSet::AddSum(const QString& sourceName, const QString& resultName, const QString& label) {
    m_sums.append({sourceName, AddFieldDef(FieldKind::Float, resultName, 0, true, label)});
}

void TCustomCountSet::SetSourceSet(::DataSet* source) {
    m_source = source;
    m_columns = source ? GroupColumns(*source) : QList<const Field*>();
}

void TCustomCountSet::GroupLabels(QStringList& labels) const {
    labels.clear();
    for (const Field* column : m_columns)
        if (!column->DisplayLabel().isEmpty()) labels.append(column->DisplayLabel());
}

void TCustomCountSet::Count(const QString& label) {
    const auto column = std::find_if(m_columns.cbegin(), m_columns.cend(),
                                     [&label](const Field* f) { return f->DisplayLabel() == label; });
    if (column == m_columns.cend() || !m_source || !m_source->Active()) return;
    const std::vector<Group> groups = Collect(**column);
    ItemField->SetDisplayLabel(label);
    Store(groups);
}

// One pass over the stored rows of the view; the cursor never moves, so the list does not
// repaint or lose its place.
std::vector<TCustomCountSet::Group> TCustomCountSet::Collect(const Field& column) const {
    std::vector<int> sources;
    for (const Sum& sum : m_sums) {
        const Field* field = m_source->FindField(sum.Source);
        sources.push_back(field ? field->Index() : -1);
    }
    std::vector<Group> groups;
    QHash<QString, size_t> index;
    for (int row = 0; row < m_source->RecordCount(); ++row) {
        const QString item = m_source->ValueAt(row, column.Index()).toString();
        auto found = index.constFind(item);
        if (found == index.cend()) {
            found = index.insert(item, groups.size());
            groups.push_back({item, 0, std::vector<double>(m_sums.size(), 0.0)});
        }
        Group& group = groups[*found];
        ++group.Count;
        for (size_t i = 0; i < sources.size(); ++i)
            if (sources[i] >= 0) group.Sums[i] += m_source->ValueAt(row, sources[i]).toDouble();
    }
    return groups;
}

void TCustomCountSet::Store(const std::vector<Group>& groups) {
    ::DataSet& result = DataSet();
    result.DisableControls();
    CreateDataSet();
    for (const Group& group : groups) {
        result.Append();
        ItemField->SetAsString(group.Item);
        CountField->SetAsInteger(group.Count);
        for (qsizetype i = 0; i < m_sums.size(); ++i) m_sums[i].Result->SetAsFloat(group.Sums[size_t(i)]);
        result.Post();
    }
    result.First();
    result.EnableControls();
}
