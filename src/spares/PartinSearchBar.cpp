#include "PartinSearchBar.h"

#include "PartPickerFrm.h"
#include "PartinUi_p.h"
#include "PartinWhere.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

using namespace partinui;

namespace {

// The direction choices: none, then the two directions in the order of kInoutValues.
const int kInoutValues[] = {1, -1};

} // namespace

TPartinSearchBar::TPartinSearchBar(TPartinWhere& where, TjtDBGrid* grid, bool withParts,
                                   QWidget* parent)
    : QWidget(parent), m_where(where), m_source(new DataSource(where.DataSet(), this)),
      m_type(PickListCombo(kIntypeList, this)), m_dateFrom(DateCondition(this)),
      m_dateTo(DateCondition(this)), m_handman(PickListCombo(kHandmanList, this)),
      m_code(new TjtEdit(this)), m_inout(new TjtComboBox(this)),
      m_search(TextButton(QStringLiteral("查找"), this)),
      m_reset(TextButton(QStringLiteral("重置"), this)) {
    m_inout->addItems({QString(), QStringLiteral("增加"), QStringLiteral("减少")});
    m_source->Bind(m_type, *where.IntypeFld);
    m_source->Bind(m_dateFrom, *where.Indate1Fld);
    m_source->Bind(m_dateTo, *where.Indate2Fld);
    m_source->Bind(m_handman, *where.HandmanFld);
    m_source->Bind(m_code, *where.IncodeFld);
    auto* menuButton = TextButton(QStringLiteral("功能 ▼"), this);
    connect(m_search, &QToolButton::clicked, this, &TPartinSearchBar::searchRequested);
    connect(m_reset, &QToolButton::clicked, this, &TPartinSearchBar::Reset);
    connect(menuButton, &QToolButton::clicked, grid, &TjtDBGrid::PopupButtonClick);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setHorizontalSpacing(4);
    const auto caption = [this](const char* text) { return new QLabel(QString::fromUtf8(text), this); };
    auto* dates = new QHBoxLayout;
    dates->addWidget(m_dateFrom);
    dates->addWidget(caption("-"));
    dates->addWidget(m_dateTo);
    layout->addWidget(caption("类别"), 0, 0);
    layout->addWidget(m_type, 0, 1);
    layout->addWidget(caption("申购日期"), 0, 2);
    layout->addLayout(dates, 0, 3);
    layout->addWidget(caption("申购人"), 0, 4);
    layout->addWidget(m_handman, 0, 5);
    layout->addWidget(caption("单号"), 1, 0);
    layout->addWidget(m_code, 1, 1);
    layout->addWidget(caption("方向"), 1, 2);
    layout->addWidget(m_inout, 1, 3);
    if (withParts) AddPartInputs(layout);
    layout->addWidget(m_search, 0, 8);
    layout->addWidget(m_reset, 1, 8);
    layout->addWidget(menuButton, 0, 9, 2, 1);
    for (QWidget* input : findChildren<QWidget*>())
        if (!qobject_cast<QLabel*>(input)) input->installEventFilter(this);
}

void TPartinSearchBar::AddPartInputs(QGridLayout* grid) {
    m_part = new TjtEdit(this);
    m_part->setReadOnly(true);
    m_partButton = TextButton(QStringLiteral("..."), this);
    m_keyword = new TjtEdit(this);
    m_source->Bind(m_part, *m_where.PartS1Fld);
    m_source->Bind(m_keyword, *m_where.PartKeywordFld);
    connect(m_partButton, &QToolButton::clicked, this, &TPartinSearchBar::PartClick);
    auto* part = new QHBoxLayout;
    part->setSpacing(1);
    part->addWidget(m_part, 1);
    part->addWidget(m_partButton);
    grid->addWidget(new QLabel(QStringLiteral("备件"), this), 0, 6);
    grid->addLayout(part, 0, 7);
    grid->addWidget(new QLabel(QStringLiteral("备件关键字"), this), 1, 6);
    grid->addWidget(m_keyword, 1, 7);
}

bool TPartinSearchBar::Commit() {
    try {
        m_source->CommitEdits();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
    const int choice = m_inout->currentIndex();
    if (choice > 0) m_where.InoutFld->SetAsInteger(kInoutValues[choice - 1]);
    else m_where.InoutFld->Clear();
    return true;
}

void TPartinSearchBar::Reset() {
    m_where.Clear();
    Refresh();
}

void TPartinSearchBar::Refresh() {
    m_source->Refresh();
    const QVariant inout = m_where.InoutFld->Value();
    int choice = 0;
    for (int i = 0; i < 2 && inout.isValid(); ++i)
        if (inout.toInt() == kInoutValues[i]) choice = i + 1;
    m_inout->setCurrentIndex(choice);
}

void TPartinSearchBar::PartClick() {
    Commit();
    const int current = m_where.PartIdFld->IsNull() ? -1 : m_where.PartIdFld->AsInteger();
    PickPart(current, [this](const TPartData& part) {
        m_where.PartIdFld->SetAsInteger(part.Id);
        m_where.PartS1Fld->SetAsString(part.S1);
        m_where.PartS2Fld->SetAsString(part.S2);
        m_where.PartS3Fld->SetAsString(part.S3);
        Refresh();
        return true;
    }, this);
}

bool TPartinSearchBar::eventFilter(QObject* watched, QEvent* event) {
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
    return QWidget::eventFilter(watched, event);
}
