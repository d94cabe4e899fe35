#include "CareSearchPanel.h"

#include "AccidentUi_p.h"
#include "CareitemWhere.h"
#include "data/jtLib.h"
#include "equipment/CataPickerFrm.h"
#include "equipment/DeptPickerFrm.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/jtEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

using namespace accidentui;

namespace {

constexpr int kNameList = 112;
constexpr int kItemList = 113;
constexpr int kStaffList = 114;
constexpr int kPlaceList = 115;

TjtEdit* NumberEdit(TEditType type, QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->SetEditType(type);
    edit->SetAlignment(taRightJustify);
    return edit;
}

} // namespace

TCareSearchPanel::TCareSearchPanel(TCareitemWhere& where, bool forItems, QWidget* parent)
    : QWidget(parent), m_where(where), m_source(new DataSource(where.DataSet(), this)),
      m_name(PickListCombo(kNameList, this)), m_item(PickListCombo(kItemList, this)),
      m_man(PickListCombo(kStaffList, this)), m_place(PickListCombo(kPlaceList, this)),
      m_code(new TjtEdit(this)), m_assetName(new TjtEdit(this)), m_dept(new TjtEdit(this)),
      m_class(new TjtEdit(this)), m_daysFrom(NumberEdit(etInteger, this)), m_daysTo(NumberEdit(etInteger, this)),
      m_hoursFrom(NumberEdit(etNumber, this)), m_hoursTo(NumberEdit(etNumber, this)),
      m_itemId(NumberEdit(etInteger, this)), m_dateFrom(DateCondition(this)), m_dateTo(DateCondition(this)),
      m_search(TextButton(QStringLiteral("查询"), this)), m_reset(TextButton(QStringLiteral("重置"), this)) {
    m_dept->setReadOnly(true);
    m_class->setReadOnly(true);
    auto* deptButton = TextButton(QStringLiteral("..."), this);
    auto* classButton = TextButton(QStringLiteral("..."), this);
    m_source->Bind(m_name, *where.ciCarenameFld);
    m_source->Bind(m_item, *where.ciCareitemFld);
    m_source->Bind(m_daysFrom, *where.ciFixedays1Fld);
    m_source->Bind(m_daysTo, *where.ciFixedays2Fld);
    m_source->Bind(m_hoursFrom, *where.ciPlanhours1Fld);
    m_source->Bind(m_hoursTo, *where.ciPlanhours2Fld);
    m_source->Bind(m_dateFrom, *where.crCaredate1Fld);
    m_source->Bind(m_dateTo, *where.crCaredate2Fld);
    m_source->Bind(m_man, *where.crCaremanFld);
    m_source->Bind(m_code, *where.AssetCodeFld);
    m_source->Bind(m_assetName, *where.AssetNameFld);
    m_source->Bind(m_dept, where.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
    m_source->Bind(m_class, *where.AssetClassFld);
    m_source->Bind(m_place, *where.AssetFixplaceFld);
    m_source->Bind(m_itemId, *where.ciIdFld);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const auto caption = [this](const QString& text) { return new QLabel(text, this); };
    const auto pair = [](QWidget* input, QWidget* second) {
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(input, 1);
        row->addWidget(second);
        return row;
    };
    const auto range = [this, &pair](QWidget* from, QWidget* to) {
        auto* row = pair(from, new QLabel(QStringLiteral("至"), this));
        row->addWidget(to, 1);
        return row;
    };
    grid->addWidget(caption(QStringLiteral("保养名称")), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(caption(QStringLiteral("保养项目")), 0, 2);
    grid->addWidget(m_item, 0, 3);
    grid->addWidget(caption(QStringLiteral("定检天数")), 0, 4);
    grid->addLayout(range(m_daysFrom, m_daysTo), 0, 5);
    grid->addWidget(caption(QStringLiteral("计划工时")), 0, 6);
    grid->addLayout(range(m_hoursFrom, m_hoursTo), 0, 7);
    grid->addWidget(caption(forItems ? QStringLiteral("上次保养日期") : QStringLiteral("保养日期")), 1, 0);
    grid->addLayout(range(m_dateFrom, m_dateTo), 1, 1, 1, 3);
    grid->addWidget(caption(forItems ? QStringLiteral("上次保养人") : QStringLiteral("保养人")), 1, 4);
    grid->addWidget(m_man, 1, 5);
    grid->addWidget(caption(QStringLiteral("设备编号")), 1, 6);
    grid->addWidget(m_code, 1, 7);
    grid->addWidget(caption(QStringLiteral("设备名称")), 2, 0);
    grid->addWidget(m_assetName, 2, 1);
    grid->addWidget(caption(QStringLiteral("使用部门")), 2, 2);
    grid->addLayout(pair(m_dept, deptButton), 2, 3);
    grid->addWidget(caption(QStringLiteral("设备分类")), 2, 4);
    grid->addLayout(pair(m_class, classButton), 2, 5);
    grid->addWidget(caption(QStringLiteral("安装地点")), 2, 6);
    grid->addWidget(m_place, 2, 7);
    if (forItems) {
        m_nextDate = DateCondition(this);
        m_hinted = new QCheckBox(QStringLiteral("到期保养"), this);
        m_source->Bind(m_nextDate, *where.NextCaredateFld);
        m_source->Bind(m_hinted, *where.CareHintedFld);
        grid->addWidget(caption(QStringLiteral("下次保养日期")), 3, 0);
        grid->addWidget(m_nextDate, 3, 1);
        grid->addWidget(m_hinted, 3, 4);
    } else {
        m_keyword = new TjtEdit(this);
        m_source->Bind(m_keyword, *where.KeywordFld);
        grid->addWidget(caption(QStringLiteral("关键描述")), 3, 0);
        grid->addWidget(m_keyword, 3, 1, 1, 3);
    }
    grid->addWidget(caption(QStringLiteral("ciId")), 3, 2);
    grid->addWidget(m_itemId, 3, 3);
    grid->addWidget(m_search, 3, 6);
    grid->addWidget(m_reset, 3, 7, Qt::AlignLeft);

    connect(m_search, &QToolButton::clicked, this, &TCareSearchPanel::searchRequested);
    connect(m_reset, &QToolButton::clicked, this, &TCareSearchPanel::Reset);
    connect(deptButton, &QToolButton::clicked, this, &TCareSearchPanel::PickDeptClick);
    connect(classButton, &QToolButton::clicked, this, &TCareSearchPanel::PickClassClick);
    for (QWidget* input : findChildren<QWidget*>())
        if (!qobject_cast<QLabel*>(input)) input->installEventFilter(this);
}

bool TCareSearchPanel::CommitEdits() {
    try {
        m_source->CommitEdits();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
    return true;
}

void TCareSearchPanel::Reset() {
    m_where.Clear();
    m_source->Refresh();
}

void TCareSearchPanel::Refresh() {
    m_source->Refresh();
}

bool TCareSearchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT searchRequested();
            return true;
        }
        if (key == Qt::Key_Escape) {
            Reset();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && (watched == m_dept || watched == m_class)) {
        if (watched == m_dept) PickDeptClick();
        else PickClassClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TCareSearchPanel::PickClassClick() {
    if (!CommitEdits()) return;
    PickClass(m_where.AssetClassFld->AsString(),
              [this](const QString& fieldName, const QString& value, const QString& path) {
                  for (Field* field : {m_where.AssetClassFld, m_where.AssetClassAFld, m_where.AssetClassBFld,
                                       m_where.AssetClassCFld, m_where.AssetClassDFld, m_where.AssetClassEFld,
                                       m_where.AssetClassFFld})
                      field->Clear();
                  if (!fieldName.isEmpty()) {
                      m_where.AssetClassFld->SetAsString(path);
                      m_where.DataSet().FieldByName(fieldName).SetAsString(value);
                  }
                  m_source->Refresh();
                  return true;
              },
              this);
}

void TCareSearchPanel::PickDeptClick() {
    if (!CommitEdits()) return;
    PickDepartment(m_where.AssetUseDeptFld->AsString(), [this](const QString& code, const QString&, const QString&) {
        m_where.AssetUseDeptFld->SetAsString(code);
        m_source->Refresh();
        return true;
    }, this);
}
