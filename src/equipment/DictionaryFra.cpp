#include "DictionaryFra.h"

#include "CoderSet.h"
#include "SystatuSet.h"
#include "ui/jtDBGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

std::unique_ptr<TBatchEditSet> LoadedRules() {
    auto rules = std::make_unique<TCoderSet>();
    rules->Load();
    return rules;
}

} // namespace

TDictionaryFra::TDictionaryFra(std::unique_ptr<TBatchEditSet> owned, TBatchEditSet* shared, int layoutId,
                               const QString& title, const QString& note, QWidget* parent)
    : TOptionPageFra(parent), m_owned(std::move(owned)), m_set(shared ? *shared : *m_owned),
      m_grid(new TjtDBGrid(this)),
      m_add(new QToolButton(this)), m_remove(new QToolButton(this)) {
    m_grid->SetDataSet(&m_set.Query());
    m_grid->SetLayoutId(layoutId);
    m_add->setText(QStringLiteral("+"));
    m_remove->setText(QStringLiteral("-"));
    connect(m_add, &QToolButton::clicked, this, &TDictionaryFra::AddRow);
    connect(m_remove, &QToolButton::clicked, this, [this] { m_set.DeleteRow(); });
    const auto changed = [this] { m_changed = true; };
    ::DataSet& data = m_set.Query();
    connect(&data, &DataSet::rowChanged, this, changed);
    connect(&data, &DataSet::rowInserted, this, changed);
    connect(&data, &DataSet::rowRemoved, this, changed);

    auto* group = new QGroupBox(title, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* inner = new QVBoxLayout(group);
    inner->addLayout(buttons);
    inner->addWidget(m_grid, 1);
    auto* noteLabel = new QLabel(note, this);
    noteLabel->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(noteLabel);
}

void TDictionaryFra::AddRow() {
    ::DataSet& data = m_set.Query();
    data.Append();
    data.Post();
    QList<int> shown;
    for (const int column : m_grid->Columns())
        if (m_grid->ColumnShown(column)) shown.append(column);
    if (shown.size() > 1) m_grid->setCurrentIndex(m_grid->model()->index(data.RecNo() - 1, shown[1]));
    m_grid->setFocus();
}

void TDictionaryFra::Save() {
    if (m_changed) m_set.Save();
    m_changed = false;
}

TCodeFormatFra::TCodeFormatFra(QWidget* parent)
    : TDictionaryFra(LoadedRules(), nullptr, 131, QStringLiteral("设备的自动编号规则"),
                     QStringLiteral("   注: 段名是指编码的分段, 在同一个分段下可以设置多个项目, 项目由代码应用到编号中, "
                                    "编数指项目的当前计数, 位数指项目的编数长度."),
                     parent) {}

TSystatusFra::TSystatusFra(QWidget* parent)
    : TDictionaryFra({}, &SystatuSet, 132, QStringLiteral("设备状况的定义"),
                     QStringLiteral("   注: 颜色项目只支持TColor类型的cl格式, 例clRed或clYellow."), parent) {
    Grid()->horizontalHeader()->setSectionsClickable(false);
}

void TSystatusFra::Discard() {
    if (Changed()) SystatuSet.Load();
}
