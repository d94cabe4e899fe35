#include "DeptFld.h"

#include "DeptSet.h"

#include <QHash>
#include <QObject>

namespace {

// Grids and filters read the lookups for every row, so the codes are hashed once per change
// of the department set rather than searched per read.
class DeptIndex {
public:
    DeptIndex() {
        ::DataSet& depts = DeptSet.DataSet();
        const auto stale = [this] { m_valid = false; };
        QObject::connect(&depts, &DataSet::reset, stale);
        QObject::connect(&depts, &DataSet::rowInserted, stale);
        QObject::connect(&depts, &DataSet::rowRemoved, stale);
        QObject::connect(&depts, &DataSet::rowChanged, stale);
    }

    QVariant Find(const QVariant& code, int field) {
        if (!code.isValid()) return {};
        if (!m_valid) Rebuild();
        const auto row = m_rows.constFind(code.toString());
        return row == m_rows.cend() ? QVariant() : DeptSet.DataSet().ValueAt(*row, field);
    }

private:
    void Rebuild() {
        const ::DataSet& depts = DeptSet.DataSet();
        const int code = DeptSet.CodeFld->Index();
        m_rows.clear();
        for (int row = 0; row < depts.RecordCount(); ++row)
            m_rows.insert(depts.ValueAt(row, code).toString(), row);
        m_valid = true;
    }

    QHash<QString, int> m_rows;
    bool m_valid = false;
};

DeptIndex& Index() {
    static DeptIndex* index = new DeptIndex;
    return *index;
}

} // namespace

void AddDeptLookups(DataSet& data, const Field& deptCode) {
    const int name = DeptSet.NameFld->Index();
    const int path = DeptSet.PathFld->Index();
    data.AddField(FieldKind::String, QStringLiteral("UseDeptName"), 30, true, QStringLiteral("部门名称"))
        ->SetLookup(deptCode, [name](const QVariant& code) { return Index().Find(code, name); });
    data.AddField(FieldKind::String, QStringLiteral("UseDeptPath"), 250, true, QStringLiteral("使用部门"))
        ->SetLookup(deptCode, [path](const QVariant& code) { return Index().Find(code, path); });
}
