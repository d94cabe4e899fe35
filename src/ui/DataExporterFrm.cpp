#include "DataExporterFrm.h"

#include "TableText.h"

#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSet.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kFieldIndexRole = Qt::UserRole;
constexpr int kExportRight = 10004;
constexpr int kExportChoiceKey = 3;

struct FormatInfo {
    const char* caption;
    const char* filter;
    const char* extension;
};

const FormatInfo kFormats[] = {
    {"文本文件 (*.txt)", "文本文件(*.txt)|*.txt", "txt"},
    {"Microsoft Excel电子表格 (*.xls)", "Microsoft Excel 电子表格 (*.xls)|*.xls", "xls"},
    {"网页 (*.html)", "网页文件(*.htm;*.html)|*.htm;*.html", "html"},
    {"CSV文件 (*.csv)", "CSV文件(*.csv)|*.csv", "csv"},
};

// The extension of the last path part, from its last dot, is replaced; a name without one
// gets the extension appended.
QString ChangeFileExt(const QString& fileName, const QString& extension) {
    const qsizetype separator = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString stem = dot > separator ? fileName.left(dot) : fileName;
    return stem + extension;
}

// "网页文件(*.htm;*.html)|*.htm;*.html" as the file dialog writes it: "网页文件(*.htm *.html)".
QString DialogFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2) return filter;
    QString caption = parts[0];
    const qsizetype paren = caption.indexOf(u'(');
    if (paren >= 0) caption.truncate(paren);
    return caption.trimmed() + u'(' + parts[1].split(u';').join(u' ') + u')';
}

void MoveEntry(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    if (row < 0) return;
    to->addItem(from->takeItem(row));
    if (from->count() > 0) from->setCurrentRow(std::min(row, from->count() - 1));
}

QPushButton* PlainButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TDataExporterFrm::TDataExporterFrm(QWidget* parent)
    : TaFrm(parent), m_tabs(new QTabBar(this)), m_pages(new QStackedWidget(this)),
      m_available(new QListWidget(this)), m_chosen(new QListWidget(this)),
      m_add(PlainButton(QStringLiteral(" >"), this)), m_remove(PlainButton(QStringLiteral("< "), this)),
      m_up(PlainButton(QStringLiteral("上移"), this)), m_down(PlainButton(QStringLiteral("下移"), this)),
      m_formats(new QButtonGroup(this)), m_fileEdit(new QLineEdit(this)),
      m_browse(PlainButton(QStringLiteral("浏览..."), this)),
      m_prior(PlainButton(QStringLiteral("上一步(&P)"), this)),
      m_next(PlainButton(QStringLiteral("下一步(&N)"), this)),
      m_help(PlainButton(QStringLiteral("帮助"), this)),
      m_cancel(PlainButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("导出..."));

    // Page "选择数据列"
    auto* columns = new QWidget(m_pages);
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(m_add);
    moves->addWidget(m_remove);
    moves->addStretch(1);
    auto* order = new QVBoxLayout;
    order->addStretch(1);
    order->addWidget(m_up);
    order->addWidget(m_down);
    order->addStretch(1);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("可选项"), columns), 0, 0);
    lists->addWidget(m_available, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(new QLabel(QStringLiteral("已选项"), columns), 0, 2);
    lists->addWidget(m_chosen, 1, 2);
    lists->addLayout(order, 1, 3);
    auto* hint = new QLabel(QStringLiteral("请从左边列表框中双击或点击\">\"按纽选择您将要导出的列,"
                                           "上下移动按纽可以调整列的前后位置."),
                            columns);
    hint->setWordWrap(true);
    auto* columnsLayout = new QVBoxLayout(columns);
    columnsLayout->addLayout(lists, 1);
    columnsLayout->addWidget(hint);
    m_pages->addWidget(columns);

    // Page "输出"
    auto* output = new QWidget(m_pages);
    auto* formatBox = new QGroupBox(QStringLiteral("输出格式"), output);
    auto* formatLayout = new QVBoxLayout(formatBox);
    for (int i = 0; i < int(std::size(kFormats)); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kFormats[i].caption), formatBox);
        m_formats->addButton(button, i);
        formatLayout->addWidget(button);
    }
    auto* placeBox = new QGroupBox(QStringLiteral("输出位置"), output);
    auto* placeLayout = new QHBoxLayout(placeBox);
    placeLayout->addWidget(new QLabel(QStringLiteral("文件"), placeBox));
    placeLayout->addWidget(m_fileEdit, 1);
    placeLayout->addWidget(m_browse);
    auto* outputLayout = new QVBoxLayout(output);
    outputLayout->addWidget(formatBox);
    outputLayout->addWidget(placeBox);
    outputLayout->addStretch(1);
    m_pages->addWidget(output);

    m_tabs->addTab(QStringLiteral("选择数据列"));
    m_tabs->addTab(QStringLiteral("输出"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_prior, m_next, m_cancel, m_help}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    resize(520, 400);

    connect(m_add, &QPushButton::clicked, this, [this] {
        AddSelected();
        m_available->setFocus();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        RemoveSelected();
        m_chosen->setFocus();
    });
    connect(m_up, &QPushButton::clicked, this, [this] {
        MoveChosen(-1);
        m_chosen->setFocus();
    });
    connect(m_down, &QPushButton::clicked, this, [this] {
        MoveChosen(1);
        m_chosen->setFocus();
    });
    connect(m_available, &QListWidget::itemDoubleClicked, this, [this] { AddSelected(); });
    connect(m_chosen, &QListWidget::itemDoubleClicked, this, [this] { RemoveSelected(); });
    connect(m_available, &QListWidget::itemClicked, this, [this] {
        if (m_available->currentRow() >= 0) m_add->setEnabled(true);
    });
    connect(m_chosen, &QListWidget::itemClicked, this, [this] {
        if (m_chosen->currentRow() >= 0) UpdateMoveButtons();
    });
    connect(m_formats, &QButtonGroup::idClicked, this, &TDataExporterFrm::FormatChosen);
    connect(m_browse, &QPushButton::clicked, this, &TDataExporterFrm::Browse);
    connect(m_next, &QPushButton::clicked, this, &TDataExporterFrm::NextPage);
    connect(m_prior, &QPushButton::clicked, this, &TDataExporterFrm::PriorPage);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelp(); });

    m_add->setEnabled(false);
    m_remove->setEnabled(false);
    m_up->setEnabled(false);
    m_down->setEnabled(false);
    ShowPage(0);
}

TDataExporterFrm::TDataExporterFrm(DataSet& data, QWidget* parent) : TDataExporterFrm(parent) {
    InitFrm(data);
}

void TDataExporterFrm::InitFrm(DataSet& data) {
    m_data = &data;
    m_available->clear();
    m_chosen->clear();
    for (int i = 0; i < data.FieldCount(); ++i) {
        auto* item = new QListWidgetItem(data.Fields(i).DisplayLabel(), m_available);
        item->setData(kFieldIndexRole, i);
    }
    m_add->setEnabled(false);
    m_remove->setEnabled(false);
    m_up->setEnabled(false);
    m_down->setEnabled(false);
}

QStringList TDataExporterFrm::SelectedFields() const {
    QStringList labels;
    for (int i = 0; i < m_chosen->count(); ++i) labels.append(m_chosen->item(i)->text());
    return labels;
}

QString TDataExporterFrm::SelectedFieldsText() const {
    return SelectedFields().join(QStringLiteral("\r\n"));
}

void TDataExporterFrm::SetSelectedFields(const QStringList& labels) {
    for (const QString& label : labels) {
        const QList<QListWidgetItem*> found = m_available->findItems(label, Qt::MatchExactly);
        if (found.isEmpty()) continue;
        m_available->setCurrentItem(found.first());
        AddSelected();
    }
}

void TDataExporterFrm::SetSelectedFields(const QString& text) {
    if (text.isEmpty()) return;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (lines.endsWith(u'\n')) lines.chop(1);
    SetSelectedFields(lines.split(u'\n'));
}

void TDataExporterFrm::AddSelected() {
    MoveEntry(m_available, m_chosen);
    m_add->setEnabled(m_available->count() > 0);
}

void TDataExporterFrm::RemoveSelected() {
    MoveEntry(m_chosen, m_available);
    m_remove->setEnabled(m_chosen->count() > 0);
}

void TDataExporterFrm::MoveChosen(int step) {
    const int row = m_chosen->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_chosen->count()) return;
    m_chosen->insertItem(target, m_chosen->takeItem(row));
    m_chosen->setCurrentRow(target);
}

void TDataExporterFrm::UpdateMoveButtons() {
    m_remove->setEnabled(true);
    m_up->setEnabled(true);
    m_down->setEnabled(true);
}

int TDataExporterFrm::PageIndex() const {
    return m_pages->currentIndex();
}

void TDataExporterFrm::ShowPage(int index) {
    m_pages->setCurrentIndex(index);
    for (int i = 0; i < m_tabs->count(); ++i) m_tabs->setTabVisible(i, i == index);
    m_tabs->setCurrentIndex(index);
    const bool last = index == m_pages->count() - 1;
    m_next->setText(last ? QStringLiteral("确定(&N)") : QStringLiteral("下一步(&N)"));
    m_prior->setEnabled(index > 0);
}

void TDataExporterFrm::NextPage() {
    if (PageIndex() == m_pages->count() - 1) accept();
    else ShowPage(PageIndex() + 1);
}

void TDataExporterFrm::PriorPage() {
    if (PageIndex() > 0) ShowPage(PageIndex() - 1);
}

TDataExporterFrm::Format TDataExporterFrm::ExportFormat() const {
    return Format(m_formats->checkedId());
}

void TDataExporterFrm::SetExportFormat(Format format) {
    if (QAbstractButton* button = m_formats->button(format)) {
        button->setChecked(true);
        FormatChosen(format);
    }
}

void TDataExporterFrm::FormatChosen(int format) {
    if (format < 0 || format >= int(std::size(kFormats))) return;
    m_filter = QString::fromUtf8(kFormats[format].filter);
    m_defaultExt = QString::fromUtf8(kFormats[format].extension);
    if (!m_fileEdit->text().isEmpty())
        m_fileEdit->setText(ChangeFileExt(m_fileEdit->text(), u'.' + m_defaultExt));
}

QString TDataExporterFrm::FileName() const {
    return m_fileEdit->text();
}

void TDataExporterFrm::SetFileName(const QString& fileName) {
    m_fileEdit->setText(fileName);
}

void TDataExporterFrm::Browse() {
    QFileDialog dialog(this, QString(), m_fileEdit->text());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The wizard asks about overwriting itself when it closes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!m_filter.isEmpty()) dialog.setNameFilter(DialogFilter(m_filter));
    dialog.setDefaultSuffix(m_defaultExt);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_fileEdit->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

void TDataExporterFrm::accept() {
    const auto plain = [](const QString& text) {
        ShowMessage(text, QMessageBox::NoIcon, QMessageBox::Ok);
    };
    if (m_chosen->count() == 0) {
        plain(QStringLiteral("没有选择任何要导出的列,请返回上一步并选择."));
        return;
    }
    if (ExportFormat() == NoFormat) {
        plain(QStringLiteral("必须指定要导出的格式."));
        return;
    }
    const QString fileName = m_fileEdit->text().trimmed();
    if (fileName.isEmpty()) {
        plain(QStringLiteral("必须指定要导出的文件位置."));
        m_fileEdit->setFocus();
        return;
    }
    if (QFileInfo::exists(fileName) &&
        ShowMessage(QStringLiteral("\r\n该文件已经存在,是否继续执行并覆盖文件?"), QMessageBox::Warning,
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    WriteFile(fileName);

    const QString done = QStringLiteral("\r\n数据导出成功,共 ") + QString::number(m_data->RecordCount()) +
                         QStringLiteral("条记录,是否现在就打开?    ");
    if (ShowMessage(done, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) ==
        QMessageBox::Ok)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
    TaFrm::accept();
}

void TDataExporterFrm::WriteFile(const QString& fileName) {
    QList<int> fields;
    QStringList labels;
    for (int i = 0; i < m_chosen->count(); ++i) {
        fields.append(m_chosen->item(i)->data(kFieldIndexRole).toInt());
        labels.append(m_chosen->item(i)->text());
    }
    const Format format = ExportFormat();
    const bool html = format == HtmlFormat;
    m_data->CheckBrowseMode();
    const QString text = html ? HtmlTableText(*m_data, fields, labels)
                              : SeparatedText(*m_data, fields, labels,
                                              format == CsvFormat ? QStringLiteral(",") : QStringLiteral("\t"));

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(QStringLiteral("无法创建文件 %1\r\n%2").arg(fileName, file.errorString()));
    // UTF-8 throughout; delimited text carries a byte-order mark so spreadsheets read it so.
    QByteArray bytes = html ? QByteArray() : QByteArray("\xEF\xBB\xBF");
    bytes += text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw Exception(QStringLiteral("写入文件 %1 失败\r\n%2").arg(fileName, file.errorString()));
}

void ExportDataSet(DataSet& data, QWidget* parent) {
    CurrentOperator.CheckRight(kExportRight, true);
    if (!data.Active()) {
        ShowInfo(QStringLiteral("请先打开数据集再操作."));
        return;
    }
    TDataExporterFrm form(data, parent);
    form.SetSelectedFields(KeyValue.Get(kExportChoiceKey).toString());
    if (form.exec() == QDialog::Accepted)
        KeyValue.Set(kExportChoiceKey, form.SelectedFieldsText());
}
