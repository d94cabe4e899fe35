#include "PrtProfile.h"

#include "PartsSet.h"

#include <QHeaderView>

TPrtProfile::TPrtProfile(QWidget* parent) : QTableWidget(0, 2, parent) {
    setHorizontalHeaderLabels({QStringLiteral("属性"), QStringLiteral("数据")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, 80);
}

void TPrtProfile::ShowPart(const TPartsSet& parts) {
    setRowCount(0);
    for (const char* name : {"S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "ClassA", "Status"}) {
        const Field& field = parts.Query().FieldByName(QString::fromLatin1(name));
        const int row = rowCount();
        insertRow(row);
        setItem(row, 0, new QTableWidgetItem(field.DisplayLabel()));
        setItem(row, 1, new QTableWidgetItem(field.DisplayText()));
    }
}
