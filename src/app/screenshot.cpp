// Renders one of the program's windows with demonstration data to a PNG, so that screens can
// be checked by eye: lanyue_screenshot <window> <file.png>. scripts/screenshot runs it under
// Xvfb. Windows: grid, sort, filter, export, config, controls.

#include "data/DBConfigFrm.h"
#include "data/Database.h"
#include "data/DatabaseSetup.h"
#include "data/jtLib.h"
#include "platform/dataset/DataSet.h"
#include "ui/ADlgFrm.h"
#include "ui/BasicFrm.h"
#include "ui/DataExporterFrm.h"
#include "ui/FilterFrm.h"
#include "ui/SortFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QApplication>
#include <QFormLayout>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <map>

namespace {

void FillDemo(DataSet& data) {
    data.AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编号"));
    data.AddField(FieldKind::String, QStringLiteral("Code"), 20, true, QStringLiteral("设备编号"));
    data.AddField(FieldKind::String, QStringLiteral("EqiName"), 50, true, QStringLiteral("设备名称"));
    data.AddField(FieldKind::String, QStringLiteral("Status"), 20, true, QStringLiteral("状态"));
    data.AddField(FieldKind::DateTime, QStringLiteral("BuyDate"), -1, true, QStringLiteral("购置日期"));
    data.AddField(FieldKind::Float, QStringLiteral("OrigValue"), -1, true, QStringLiteral("原值"));
    const QStringList names{QStringLiteral("数控车床"), QStringLiteral("立式铣床"), QStringLiteral("摇臂钻床"),
                            QStringLiteral("平面磨床"), QStringLiteral("加工中心")};
    const QStringList statuses{QStringLiteral("在用"), QStringLiteral("闲置"), QStringLiteral("维修")};
    data.BeginLoad();
    std::vector<QVariant> row(6);
    for (int i = 1; i <= 40; ++i) {
        row = {i, QStringLiteral("SB%1").arg(i, 6, 10, QLatin1Char('0')), names[i % names.size()],
               statuses[i % statuses.size()], QDateTime(QDate(2009, 1, 6).addDays(37 * i), QTime(0, 0)),
               12500.0 + 731.5 * i};
        data.LoadRow(row);
    }
    data.EndLoad();
}

QWidget* GridWindow(DataSet& data) {
    auto* window = new TBasicFrm;
    window->setWindowTitle(QStringLiteral("设备台账"));
    auto* layout = new QVBoxLayout(window);
    auto* grid = new TjtDBGrid(window);
    grid->SetDataSet(&data);
    grid->SumFooter(QStringLiteral("OrigValue"));
    grid->SetRowColor([&data](int row) {
        return data.ValueAt(row, 3).toString() == QStringLiteral("维修") ? QColor(Qt::red) : QColor();
    });
    layout->addWidget(grid);
    grid->selectRow(2);
    window->resize(900, 520);
    return window;
}

QWidget* ControlsWindow() {
    auto* dialog = new TADlgFrm;
    dialog->setWindowTitle(QStringLiteral("输入控件"));
    auto* form = new QFormLayout(dialog->Body());
    auto* number = new TjtEdit;
    number->SetEditType(etNumber);
    number->setText(QStringLiteral("1234.5"));
    auto* name = new TjtEdit;
    name->setText(QStringLiteral("数控车床"));
    auto* status = new TjtComboBox;
    status->addItems({QStringLiteral("在用"), QStringLiteral("闲置"), QStringLiteral("维修")});
    auto* date = new TjtDateTimePicker;
    form->addRow(QStringLiteral("设备名称"), name);
    form->addRow(QStringLiteral("原值"), number);
    form->addRow(QStringLiteral("状态"), status);
    form->addRow(QStringLiteral("购置日期"), date);
    // Without a window manager nothing activates the window; the focused input shows aqua.
    QTimer::singleShot(100, name, [dialog, name] {
        QApplication::setActiveWindow(dialog);
        name->setFocus(Qt::OtherFocusReason);
    });
    return dialog;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("澜岳设备管理系统"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: lanyue_screenshot grid|sort|filter|export|config|controls file.png\n");
        return 2;
    }
    const QString which = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir home;
    qputenv("LANYUE_HOME", home.path().toLocal8Bit());
    const QString db = home.filePath(QStringLiteral("lanyue.db"));
    CreateDatabaseFile(db);
    DB.Connect(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(db));
    SetMessageHook([](const MessageRequest& r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return QMessageBox::Ok;
    });

    DataSet data;
    FillDemo(data);
    const std::map<QString, std::function<QWidget*()>> windows{
        {QStringLiteral("grid"), [&] { return GridWindow(data); }},
        {QStringLiteral("sort"), [&] {
             auto* f = new TSortFrm;
             f->LoadFields(data);
             f->SetSortString(QStringLiteral("Code ASC,EqiName DESC"));
             return static_cast<QWidget*>(f);
         }},
        {QStringLiteral("filter"), [&] {
             auto* f = new TFilterFrm;
             f->InitFrm(data);
             return static_cast<QWidget*>(f);
         }},
        {QStringLiteral("export"), [&] { return static_cast<QWidget*>(new TDataExporterFrm(data)); }},
        {QStringLiteral("config"), [] { return static_cast<QWidget*>(new TDBConfigFrm); }},
        {QStringLiteral("controls"), [] { return ControlsWindow(); }},
    };
    const auto found = windows.find(which);
    if (found == windows.end()) {
        std::fprintf(stderr, "unknown window %s\n", argv[1]);
        return 2;
    }
    // A list window frees itself when it closes.
    QPointer<QWidget> window = found->second();
    window->show();
    int result = 1;
    QTimer::singleShot(700, [&] {
        result = window->grab().save(file) ? 0 : 1;
        app.quit();
    });
    app.exec();
    delete window.data();
    return result;
}
