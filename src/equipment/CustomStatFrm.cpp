#include "CustomStatFrm.h"

#include "AcsCountSet.h"
#include "EqiCountSet.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPieSeries>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TCustomStatFrm::TCustomStatFrm(std::unique_ptr<TCustomCountSet> counts, int layoutId, const QString& caption,
                               QWidget* parent)
    : TaFrm(parent), m_counts(std::move(counts)), m_labels(new QListWidget(this)), m_pages(new QTabWidget(this)),
      m_grid(new TjtDBGrid(this)), m_chart(new QChart) {
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 520);
    m_grid->SetDataSet(&m_counts->DataSet());
    m_grid->SetLayoutId(layoutId);
    m_grid->SumFooter(QStringLiteral("Cnt"));
    auto* chartView = new QChartView(m_chart, this);
    chartView->setRenderHint(QPainter::Antialiasing);
    m_pages->addTab(chartView, QStringLiteral("图解式"));
    m_pages->addTab(m_grid, QStringLiteral("列表式"));
    m_pages->setCurrentWidget(m_grid);

    auto* menuButton = new QToolButton(this);
    menuButton->setText(QStringLiteral("功能▼"));
    connect(menuButton, &QToolButton::clicked, m_grid, &TjtDBGrid::PopupButtonClick);
    auto* right = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(menuButton);
    right->addLayout(buttons);
    right->addWidget(m_pages, 1);
    auto* layout = new QHBoxLayout(this);
    m_labels->setFixedWidth(150);
    layout->addWidget(m_labels);
    layout->addLayout(right, 1);
    connect(m_labels, &QListWidget::currentRowChanged, this, &TCustomStatFrm::LabelChosen);
}

TCustomStatFrm::~TCustomStatFrm() = default;

void TCustomStatFrm::SetSourceSet(DataSet* source) {
    m_counts->SetSourceSet(source);
    QStringList labels;
    m_counts->GroupLabels(labels);
    m_labels->clear();
    m_labels->addItems(labels);
    if (!labels.isEmpty()) m_labels->setCurrentRow(0);
}

void TCustomStatFrm::LabelChosen() {
    const QListWidgetItem* item = m_labels->currentItem();
    if (!item) return;
    m_counts->Count(item->text());
    Redraw(item->text());
}

void TCustomStatFrm::Redraw(const QString& label) {
    m_chart->removeAllSeries();
    auto* series = new QPieSeries;
    const ::DataSet& result = m_counts->DataSet();
    const int item = m_counts->ItemField->Index();
    const int count = m_counts->CountField->Index();
    for (int row = 0; row < result.RecordCount(); ++row)
        series->append(result.ValueAt(row, item).toString(), result.ValueAt(row, count).toDouble());
    series->setLabelsVisible(true);
    m_chart->addSeries(series);
    m_chart->setTitle(label);
}

TEqiStatFrm::TEqiStatFrm(QWidget* parent)
    : TCustomStatFrm(std::make_unique<TEqiCountSet>(), 105, QStringLiteral("设备统计"), parent) {}

TAcsStatFrm::TAcsStatFrm(QWidget* parent)
    : TCustomStatFrm(std::make_unique<TAcsCountSet>(), 108, QStringLiteral("附件统计"), parent) {}
