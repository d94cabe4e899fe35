#include "OptionOthersFra.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {
constexpr int kOperatorLogKey = 75;
}

TOptionOthersFra::TOptionOthersFra(QWidget* parent)
    : TOptionPageFra(parent), m_log(new QCheckBox(QStringLiteral("启用日志功能"), this)) {
    m_log->setChecked(AppLabels.OperatorLog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_log);
    layout->addStretch();
}

void TOptionOthersFra::Save() {
    AppLabels.OperatorLog = m_log->isChecked();
    KeyValue2.SetBool(kOperatorLogKey, AppLabels.OperatorLog);
}
