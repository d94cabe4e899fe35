#include "OptionLabelsFra.h"

#include "admin/AppLabels.h"
#include "admin/Options.h"
#include "ui/jtEdit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QStringList Numbered(const char* prefix, int count) {
    QStringList captions;
    for (int i = 1; i <= count; ++i) captions.append(QString::fromUtf8(prefix) + QString::number(i));
    return captions;
}

} // namespace

TOptionLabelsFra::TOptionLabelsFra(QWidget* parent) : TOptionPageFra(parent), m_tabs(new QTabWidget(this)) {
    m_tabs->addTab(Tab(QStringLiteral("设备标签自定义"),
                       Numbered("字符型", 7) + Numbered("数字型", 9) + Numbered("日期型", 3),
                       {25, 26, 27, 28, 29, 30, 65, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42}),
                   QStringLiteral("设备"));
    m_tabs->addTab(Tab(QStringLiteral("附件标签自定义"), Numbered("字符型", 3) + Numbered("数字型", 3),
                       {43, 44, 45, 47, 48, 49}),
                   QStringLiteral("附件"));
    m_tabs->addTab(Tab(QStringLiteral("备件标签自定义"), AppLabels.PartStr + AppLabels.PartFloat,
                       {55, 56, 57, 58, 59, 60, 61, 62, 63}),
                   QStringLiteral("备件"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(new QLabel(QStringLiteral("以上改动只在软件重新启动后生效！"), this));
}

QWidget* TOptionLabelsFra::Tab(const QString& group, const QStringList& captions, const QList<int>& options) {
    auto* page = new QWidget;
    auto* box = new QGroupBox(group, page);
    auto* form = new QFormLayout(box);
    for (int i = 0; i < options.size(); ++i) {
        auto* edit = new TjtEdit(box);
        edit->setText(Options().GetText(options[i]));
        form->addRow(captions.value(i), edit);
        m_boxes.append({options[i], edit});
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QLineEdit* TOptionLabelsFra::Box(int option) const {
    for (const Labelled& box : m_boxes)
        if (box.Option == option) return box.Edit;
    return nullptr;
}

void TOptionLabelsFra::Save() {
    for (const Labelled& box : m_boxes) Options().SetText(box.Option, box.Edit->text());
    Options().Save();
}
