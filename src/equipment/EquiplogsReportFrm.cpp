#include "EquiplogsReportFrm.h"

#include "AssetsSet.h"

#include <tuple>

namespace {

constexpr int kLayoutId = 117;

// The items an update can name: the labels of the ledger's shown fields.
QStringList ItemLabels() {
    TAssetsSet assets;
    QStringList labels;
    assets.GetFieldLabels(labels, true, true);
    return labels;
}

} // namespace

TEquiplogsReportFrm::TEquiplogsReportFrm(QWidget* parent) : TLogListFrm(parent) {
    setWindowTitle(QStringLiteral("设备修改日志"));
    setObjectName(QStringLiteral("EquiplogsReportFrm"));
    TEquiplogsWhere& where = m_report.Where;
    CreateWindow(m_report.Query(), where, kLayoutId);
    std::tie(m_timeFrom, m_timeTo) =
        AddDateRange(QStringLiteral("修改时间"), *where.UpdateTime1Fld, *where.UpdateTime2Fld);
    m_item = AddCombo(QStringLiteral("修改项目"), *where.FldLabelFld, ItemLabels());
    m_oldValue = AddEdit(QStringLiteral("改前"), *where.OldValueFld);
    m_newValue = AddEdit(QStringLiteral("改后"), *where.NewValueFld);
    m_updateman = AddCombo(QStringLiteral("修改人"), *where.UpdatemanFld, OperatorLogins());
    m_computName = AddEdit(QStringLiteral("计算机名称"), *where.ComputNameFld);
}

void TEquiplogsReportFrm::OpenLog() {
    m_report.OpenByWhere();
}
