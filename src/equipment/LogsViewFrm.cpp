#include "LogsViewFrm.h"

#include "OperatorLog.h"
#include "data/jtLib.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <tuple>

namespace {

constexpr int kLayoutId = 137;

QStringList ActionTexts() {
    QStringList texts;
    for (TLogAction action : {TLogAction::AddAsset, TLogAction::EditBasic,
                              TLogAction::EditExtended, TLogAction::DeleteAsset})
        texts.append(LogActionText(action));
    return texts;
}

} // namespace

TLogsViewFrm::TLogsViewFrm(QWidget* parent) : TLogListFrm(parent) {
    setWindowTitle(QStringLiteral("操作日志"));
    setObjectName(QStringLiteral("LogsViewFrm"));
    TLogWhere& where = m_logs.Where;
    CreateWindow(m_logs.Query(), where, kLayoutId);
    std::tie(m_timeFrom, m_timeTo) =
        AddDateRange(QStringLiteral("时间"), *where.Logtime1Fld, *where.Logtime2Fld);
    m_handman = AddCombo(QStringLiteral("操作员"), *where.HandmanFld, OperatorLogins());
    m_action = AddCombo(QStringLiteral("行为"), *where.ActnameFld, ActionTexts());
    m_details = AddEdit(QStringLiteral("行为描述"), *where.DetailsFld);
    m_computName = AddEdit(QStringLiteral("计算机名称"), *where.ComputNameFld);
    m_computIp = AddEdit(QStringLiteral("访问者IP"), *where.ComputIpFld);

    Grid()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_delete = new QAction(QStringLiteral("删除..."), this);
    connect(m_delete, &QAction::triggered, this, &TLogsViewFrm::DeleteClick);
    Grid()->PopupMenuJt()->addSeparator();
    Grid()->PopupMenuJt()->addAction(m_delete);
}

void TLogsViewFrm::OpenLog() {
    m_logs.OpenByWhere();
}

// The selected rows are taken before the first deletion: deleting moves the current row,
// and the grid's selection follows it. Going from the last row up keeps the row numbers of
// the rows still to delete.
void TLogsViewFrm::DeleteClick() {
    DataSet& data = m_logs.Query();
    const QList<int> rows = Grid()->SelectedRows();
    if (!data.Active() || rows.isEmpty()) return;
    const QString question = QStringLiteral("\r确定删除选中的%1行记录吗?\t\t").arg(rows.size());
    if (ShowMessage(question, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel) !=
        QMessageBox::Ok)
        return;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        data.SetRecNo(*row + 1);
        m_logs.DeleteCurrent();
    }
}
