#include "AstProfile.h"

#include <QHeaderView>

TAstProfile::TAstProfile(QWidget* parent) : QTableWidget(0, 2, parent) {
    setHorizontalHeaderLabels({QStringLiteral("属性"), QStringLiteral("数据")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, 65);
}

void TAstProfile::ShowAsset(int id, TAssetData& data) {
    TAssetsSet set;
    set.OpenById(id);
    set.GetAssetData(data);
    setRowCount(0);
    for (const char* name : {"Code", "EqiName", "PartNo", "UseDeptPath", "FixPlace", "Status", "Functionary",
                             "MainCode", "Manufactory", "UseDate"}) {
        const Field& field = set.Query().FieldByName(QString::fromLatin1(name));
        if (!field.Visible()) continue;
        const int row = rowCount();
        insertRow(row);
        setItem(row, 0, new QTableWidgetItem(field.DisplayLabel()));
        setItem(row, 1, new QTableWidgetItem(field.DisplayText()));
    }
    m_id = id;
}
