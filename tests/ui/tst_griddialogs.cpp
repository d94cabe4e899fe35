#include "ModalDialogs.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"

#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Schema.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSet.h"
#include "ui/BatchUpdateFrm.h"
#include "ui/DataExporterFrm.h"
#include "ui/FilterFrm.h"
#include "ui/SortFrm.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct Row {
    int id;
    QVariant name, code, model, qty, flag, date, notes;
};

// Five rows: an apostrophe in a name, a null quantity, both flags, a memo.
void Fill(DataSet& ds, bool withRows = true) {
    ds.AddField(FieldKind::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("编号"));
    ds.AddField(FieldKind::String, QStringLiteral("Name"), 50, true, QStringLiteral("名称"));
    ds.AddField(FieldKind::String, QStringLiteral("Code"), 20, true, QStringLiteral("编码"));
    ds.AddField(FieldKind::String, QStringLiteral("Model"), 20, true, QStringLiteral("型号"));
    ds.AddField(FieldKind::Integer, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    ds.AddField(FieldKind::Boolean, QStringLiteral("Flag"), -1, true, QStringLiteral("在用"));
    ds.AddField(FieldKind::DateTime, QStringLiteral("BuyDate"), -1, true, QStringLiteral("购置日期"));
    ds.AddField(FieldKind::Memo, QStringLiteral("Notes"), -1, true, QStringLiteral("备注"));
    const QList<Row> rows = {
        {1, "abc车床", "SB001", "C6140", 3, true, "2024-01-05", "主轴异响"},
        {2, "O'Brien钻床", "SB002", "Z3040", 12, false, "2024-03-01", QVariant()},
        {3, "铣床abc", "SB003", "X62W", 7, true, "2024-06-30", "换过皮带"},
        {4, "Abd磨床", "XY001", "M1432", QVariant(), false, "2023-12-31", "皮带松"},
        {5, "刨床", "XY002", "B665", 5, true, "2024-03-01 10:00:00", QVariant()},
    };
    ds.BeginLoad();
    if (withRows) {
        std::vector<QVariant> values;
        for (const Row& r : rows) {
            values = {r.id, r.name, r.code, r.model, r.qty, r.flag, r.date, r.notes};
            ds.LoadRow(values);
        }
    }
    ds.EndLoad();
}

QList<int> Ids(DataSet& ds) {
    QList<int> ids;
    for (int row = 0; row < ds.RecordCount(); ++row) ids.append(ds.ValueAt(row, 0).toInt());
    return ids;
}

QStringList GridColumn(const TSortFrm& form, int column) {
    QStringList texts;
    for (int row = 0; row < form.Grid()->rowCount(); ++row)
        texts.append(form.Grid()->item(row, column)->text());
    return texts;
}

void DoubleClickRow(TSortFrm& form, int row) {
    QTableWidget* grid = form.Grid();
    const QPoint centre = grid->visualRect(grid->model()->index(row, 0)).center();
    // A real double-click: the first click, then the second that arrives as the double-click.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre);
}

// One condition line as the user builds it: field, operator, value, "生成".
void AddLine(TFilterFrm& form, const QString& label, const QString& opName, const QString& value) {
    form.FieldBox()->setCurrentText(label);
    form.OperatorBox()->setCurrentText(opName);
    QWidget* control = form.ValueControl();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        memo->setPlainText(value);
    } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
        date->setDate(QDate::fromString(value, Qt::ISODate));
    } else {
        for (QRadioButton* button : control->findChildren<QRadioButton*>())
            if (button->text() == value) button->click();
    }
    QTest::mouseClick(form.BuildButton(), Qt::LeftButton);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kBom("\xEF\xBB\xBF");

} // namespace

class tst_GridDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RefuseUnexpectedMessages(); }
    void sortTextRoundTrip_data();
    void sortTextRoundTrip();
    void sortDirectionsAndMoves();
    void sortSkipsMemoBlobAndCalculated();
    void filterLine_data();
    void filterLine();
    void filterBracketsAndRelations();
    void filterValueControls();
    void batchUpdate_data();
    void batchUpdate();
    void batchUpdateDialog();
    void batchUpdateWithoutSaveProcedure();
    void exportFormats_data();
    void exportFormats();
    void exportChecks_data();
    void exportChecks();
    void exportOverwrite();
    void exportColumnMoves();
    void exportFormatChangesExtension_data();
    void exportFormatChangesExtension();
    void exportWizardPages();
    void exportDataSetRemembersChoice();
    void exportDataSetRefuses();

private:
    QTemporaryDir m_dir;
};

void tst_GridDialogs::sortTextRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("directions");
    QTest::addColumn<QString>("sortString");
    QTest::addColumn<QString>("sortLabels");
    QTest::newRow("two fields") << "Code ASC,Name DESC"
                                << QStringList{"编码", "名称", "编号"}
                                << QStringList{"升序", "降序", ""} << "Code ASC,Name DESC"
                                << "编码 升序,名称 降序";
    QTest::newRow("blanks separate too") << "  Name   DESC , Id ASC"
                                         << QStringList{"名称", "编号", "编码"}
                                         << QStringList{"降序", "升序", ""} << "Name DESC,Id ASC"
                                         << "名称 降序,编号 升序";
    QTest::newRow("unknown field skipped") << "Price ASC,Code DESC"
                                           << QStringList{"编码", "编号", "名称"}
                                           << QStringList{"降序", "", ""} << "Code DESC"
                                           << "编码 降序";
    QTest::newRow("half pair ignored") << "Code ASC,Name"
                                       << QStringList{"编码", "编号", "名称"}
                                       << QStringList{"升序", "", ""} << "Code ASC" << "编码 升序";
    QTest::newRow("unsorted") << "" << QStringList{"编号", "名称", "编码"}
                              << QStringList{"", "", ""} << "" << "";
}

void tst_GridDialogs::sortTextRoundTrip() {
    QFETCH(QString, text);
    DataSet ds;
    ds.AddField(FieldKind::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("编号"));
    ds.AddField(FieldKind::String, QStringLiteral("Name"), 50, true, QStringLiteral("名称"));
    ds.AddField(FieldKind::String, QStringLiteral("Code"), 20, false, QStringLiteral("编码"));
    ds.CreateDataSet();

    TSortFrm form;
    form.LoadFields(ds, true);
    form.SetSortString(text);
    QTEST(GridColumn(form, 0), "labels");
    QTEST(GridColumn(form, 1), "directions");
    QTEST(form.SortString(), "sortString");
    QTEST(form.SortLabels(), "sortLabels");

    // What the dialog gives back sorts the data set.
    ds.SetSort(form.SortString());
}

void tst_GridDialogs::sortDirectionsAndMoves() {
    DataSet ds;
    Fill(ds);
    TSortFrm form;
    form.LoadFields(ds, true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.UpButton()->isEnabled());
    QVERIFY(form.DownButton()->isEnabled());

    for (const char* expected : {"升序", "降序", ""}) {
        DoubleClickRow(form, 1);
        QCOMPARE(form.Grid()->item(1, 1)->text(), QString::fromUtf8(expected));
    }
    QCOMPARE(form.SortString(), QString());

    DoubleClickRow(form, 4);
    DoubleClickRow(form, 4);
    DoubleClickRow(form, 2);
    form.Grid()->selectRow(4);
    QTest::mouseClick(form.UpButton(), Qt::LeftButton);
    QTest::mouseClick(form.UpButton(), Qt::LeftButton);
    QCOMPARE(form.Grid()->currentRow(), 2);
    QCOMPARE(form.Grid()->item(2, 0)->text(), QStringLiteral("数量"));
    QCOMPARE(form.SortString(), QStringLiteral("Qty DESC,Code ASC"));
    QCOMPARE(form.SortLabels(), QStringLiteral("数量 降序,编码 升序"));

    // Dragging the first row down two places takes its direction along.
    QWidget* viewport = form.Grid()->viewport();
    const auto rowCentre = [&form](int row) {
        return form.Grid()->visualRect(form.Grid()->model()->index(row, 0)).center();
    };
    DoubleClickRow(form, 0);
    QTest::mousePress(viewport, Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseMove(viewport, rowCentre(1));
    QTest::mouseMove(viewport, rowCentre(2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCentre(2));
    QCOMPARE(GridColumn(form, 0).mid(0, 4),
             (QStringList{QStringLiteral("名称"), QStringLiteral("数量"), QStringLiteral("编号"),
                          QStringLiteral("编码")}));
    QCOMPARE(form.SortString(), QStringLiteral("Qty DESC,Id ASC,Code ASC"));

    const int last = form.Grid()->rowCount() - 1;
    form.Grid()->selectRow(last - 1);
    QTest::mouseClick(form.DownButton(), Qt::LeftButton);
    QCOMPARE(form.Grid()->currentRow(), last);
    QVERIFY(form.UpButton()->isEnabled());
    QVERIFY(!form.DownButton()->isEnabled());
}

void tst_GridDialogs::sortSkipsMemoBlobAndCalculated() {
    DataSet ds;
    ds.AddField(FieldKind::String, QStringLiteral("Code"), 20, true, QStringLiteral("编码"));
    ds.AddField(FieldKind::Memo, QStringLiteral("Notes"), -1, true, QStringLiteral("备注"));
    ds.AddField(FieldKind::Blob, QStringLiteral("Photo"), -1, true, QStringLiteral("照片"));
    ds.AddField(FieldKind::Float, QStringLiteral("Total"), -1, true, QStringLiteral("合计"))
        ->SetCalculated(true);
    ds.AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编号"));
    ds.CreateDataSet();

    TSortFrm form;
    form.LoadFields(ds, false);
    QCOMPARE(GridColumn(form, 0), QStringList{QStringLiteral("编码")});
    form.LoadFields(ds, true);
    QCOMPARE(GridColumn(form, 0), (QStringList{QStringLiteral("编码"), QStringLiteral("编号")}));
}

void tst_GridDialogs::filterLine_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("opName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("text starts with") << "名称" << "以...开头" << "abc" << " Name like 'abc%'"
                                      << "名称以\"abc\"开头" << QList<int>{1};
    QTest::newRow("text does not end with") << "名称" << "不以...结尾" << "床"
                                            << " Name not like '%床'" << "名称不以\"床\"结尾"
                                            << QList<int>{3};
    QTest::newRow("text contains, any case") << "名称" << "包含" << "ab" << " Name like '%ab%'"
                                             << "名称包含\"ab\"" << QList<int>{1, 3, 4};
    QTest::newRow("apostrophe") << "名称" << "等于" << "O'Brien钻床"
                                << " Name = 'O''Brien钻床'" << "名称等于\"O'Brien钻床\""
                                << QList<int>{2};
    QTest::newRow("integer greater") << "数量" << "大于" << "5" << " Qty > 5"
                                     << "数量大于\"5\"" << QList<int>{2, 3};
    QTest::newRow("integer not equal") << "数量" << "不等于" << "5" << " Qty <> 5"
                                       << "数量不等于\"5\"" << QList<int>{1, 2, 3};
    QTest::newRow("boolean true item") << "在用" << "等于" << "True" << " Flag = 1"
                                       << "在用等于\"True\"" << QList<int>{1, 3, 5};
    QTest::newRow("boolean false item") << "在用" << "等于" << "False" << " Flag = 0"
                                        << "在用等于\"False\"" << QList<int>{2, 4};
    QTest::newRow("date from") << "购置日期" << "大于等于" << "2024-03-01"
                               << " BuyDate >= '2024-03-01'" << "购置日期大于等于\"'2024-03-01'\""
                               << QList<int>{2, 3, 5};
    QTest::newRow("memo contains") << "备注" << "包含" << "皮带" << " Notes like '%皮带%'"
                                   << "备注包含\"皮带\"" << QList<int>{3, 4};
}

void tst_GridDialogs::filterLine() {
    QFETCH(QString, label);
    QFETCH(QString, opName);
    QFETCH(QString, value);
    QFETCH(QString, filter);
    DataSet ds;
    Fill(ds);
    TFilterFrm form;
    form.InitFrm(ds);
    AddLine(form, label, opName, value);

    QCOMPARE(form.GetFilterStr(), filter);
    QCOMPARE(form.Lines()->count(), 1);
    QTEST(form.Lines()->item(0)->text(), "display");
    ds.SetFilter(filter);
    ds.SetFiltered(true);
    QTEST(Ids(ds), "ids");
}

void tst_GridDialogs::filterBracketsAndRelations() {
    DataSet ds;
    Fill(ds);
    TFilterFrm form;
    form.InitFrm(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.GetFilterStr(), QString());

    AddLine(form, QStringLiteral("数量"), QStringLiteral("大于"), QStringLiteral("5"));
    AddLine(form, QStringLiteral("名称"), QStringLiteral("包含"), QStringLiteral("abc"));
    AddLine(form, QStringLiteral("在用"), QStringLiteral("等于"), QStringLiteral("True"));
    const auto choose = [&form](int line, int bracket, int relation) {
        form.Lines()->setCurrentRow(line);
        form.Brackets()->button(bracket)->click();
        form.Relations()->button(relation)->click();
        QCOMPARE(form.Lines()->currentRow(), line);
    };
    choose(0, 0, 1);  // "(" and " or"
    choose(1, 1, 0);  // ")" and " and"

    QCOMPARE(form.GetFilterStr(),
             QStringLiteral(" (Qty > 5 or Name like '%abc%') and Flag = 1"));
    QCOMPARE(form.Lines()->item(0)->text(), QStringLiteral("(数量大于\"5\" 或者"));
    QCOMPARE(form.Lines()->item(1)->text(), QStringLiteral("名称包含\"abc\") 并且"));
    QCOMPARE(form.StatusStrip()->text(), QStringLiteral("Name like '%abc%') and"));
    ds.SetFilter(form.GetFilterStr());
    ds.SetFiltered(true);
    QCOMPARE(Ids(ds), (QList<int>{1, 3}));

    // Selecting a line shows its bracket and relation.
    form.Lines()->setCurrentRow(0);
    QCOMPARE(form.Brackets()->checkedId(), 0);
    QCOMPARE(form.Relations()->checkedId(), 1);
    QCOMPARE(form.StatusStrip()->text(), QStringLiteral("(Qty > 5 or"));

    form.Lines()->setCurrentRow(1);
    QTest::mouseClick(form.ClearButton(), Qt::LeftButton);
    QCOMPARE(form.Lines()->count(), 2);
    QCOMPARE(form.Lines()->currentRow(), 0);
    // No check of balance: the data set is what refuses the dangling bracket.
    QCOMPARE(form.GetFilterStr(), QStringLiteral(" (Qty > 5 or Flag = 1"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.SetFilter(form.GetFilterStr()));
}

void tst_GridDialogs::filterValueControls() {
    DataSet ds;
    ds.AddField(FieldKind::String, QStringLiteral("Name"), 50, true, QStringLiteral("名称"));
    ds.AddField(FieldKind::Integer, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    ds.AddField(FieldKind::Boolean, QStringLiteral("Flag"), -1, true, QStringLiteral("在用"))
        ->SetDisplayFormat(QStringLiteral("是;否"));
    ds.AddField(FieldKind::DateTime, QStringLiteral("BuyDate"), -1, true, QStringLiteral("购置日期"));
    ds.AddField(FieldKind::Blob, QStringLiteral("Photo"), -1, true, QStringLiteral("照片"));
    ds.CreateDataSet();
    TFilterFrm form;
    form.InitFrm(ds);
    QCOMPARE(form.FieldBox()->count(), 5);

    const auto operators = [&form] {
        QStringList names;
        for (int i = 0; i < form.OperatorBox()->count(); ++i) names.append(form.OperatorBox()->itemText(i));
        return names;
    };
    form.FieldBox()->setCurrentText(QStringLiteral("名称"));
    QVERIFY(qobject_cast<QLineEdit*>(form.ValueControl()));
    QCOMPARE(operators().size(), 12);
    QCOMPARE(form.OperatorBox()->currentIndex(), 0);

    form.FieldBox()->setCurrentText(QStringLiteral("数量"));
    QCOMPARE(operators().join(u','), QStringLiteral("等于,不等于,大于,小于,大于等于,小于等于"));

    form.FieldBox()->setCurrentText(QStringLiteral("在用"));
    QCOMPARE(operators().join(u','), QStringLiteral("等于,不等于"));
    const QList<QRadioButton*> items = form.ValueControl()->findChildren<QRadioButton*>();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QStringLiteral("否"));
    QCOMPARE(items[1]->text(), QStringLiteral("是"));

    form.FieldBox()->setCurrentText(QStringLiteral("购置日期"));
    auto* date = qobject_cast<QDateEdit*>(form.ValueControl());
    QVERIFY(date);
    QCOMPARE(date->date(), QDate::currentDate());

    // A field without a value control builds nothing.
    form.FieldBox()->setCurrentText(QStringLiteral("照片"));
    QVERIFY(!form.ValueControl());
    QTest::mouseClick(form.BuildButton(), Qt::LeftButton);
    QCOMPARE(form.Lines()->count(), 0);
}

void tst_GridDialogs::batchUpdate_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("savedIds");
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QList<int>>("idsAfter");
    QTest::newRow("two rows") << QList<int>{3, 1} << QString() << QList<int>{2, 4}
                              << QStringList{"C6140", "新型", "X62W", "新型", "B665"}
                              << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("no selection") << QList<int>{} << QString() << QList<int>{}
                                  << QStringList{"C6140", "Z3040", "X62W", "M1432", "B665"}
                                  << QList<int>{1, 2, 3, 4, 5};
    // The changed rows leave the filter only once all of them are saved.
    QTest::newRow("rows leave the filter") << QList<int>{0, 1} << QStringLiteral("Model like '%4%'")
                                           << QList<int>{1, 2}
                                           << QStringList{"新型", "新型", "X62W", "M1432", "B665"}
                                           << QList<int>{4};
}

void tst_GridDialogs::batchUpdate() {
    QFETCH(QList<int>, selected);
    QFETCH(QString, filter);
    DataSet ds;
    Fill(ds);
    if (!filter.isEmpty()) {
        ds.SetFilter(filter);
        ds.SetFiltered(true);
    }
    ds.SetRecNo(ds.RecordCount());
    const int currentId = ds.FieldByName(QStringLiteral("Id")).AsInteger();

    QList<int> saved;
    QList<QString> savedModels;
    const auto save = [&ds, &saved, &savedModels] {
        QCOMPARE(ds.State(), DataSetState::Browse);
        saved.append(ds.FieldByName(QStringLiteral("Id")).AsInteger());
        savedModels.append(ds.FieldByName(QStringLiteral("Model")).AsString());
    };
    WhenShown<TBatchUpdateFrm>([](TBatchUpdateFrm& form) {
        form.ItemBox()->setCurrentText(QStringLiteral("型号"));
        form.ValueEdit()->setText(QStringLiteral("新型"));
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    });
    BatchUpdate(ds, selected, save);

    QTEST(saved, "savedIds");
    QCOMPARE(savedModels, QList<QString>(saved.size(), QStringLiteral("新型")));
    QTEST(Ids(ds), "idsAfter");
    QCOMPARE(ds.FieldByName(QStringLiteral("Id")).AsInteger(), currentId);
    ds.SetFiltered(false);
    QStringList models;
    for (int row = 0; row < ds.RecordCount(); ++row) models.append(ds.ValueAt(row, 3).toString());
    QTEST(models, "models");
}

void tst_GridDialogs::batchUpdateDialog() {
    DataSet ds;
    Fill(ds);
    ds.FieldByName(QStringLiteral("Id")).SetReadOnly(true);
    ds.FieldByName(QStringLiteral("Code")).SetVisible(false);
    QStringList items;
    bool refused = false;
    WhenShown<TBatchUpdateFrm>([&items, &refused](TBatchUpdateFrm& form) {
        QCOMPARE(form.windowTitle(), QStringLiteral("修改"));
        for (int i = 0; i < form.ItemBox()->count(); ++i) items.append(form.ItemBox()->itemText(i));
        QCOMPARE(form.ItemIndex(), -1);
        QCOMPARE(form.Value(), QString());
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
        refused = form.isVisible();
        form.ItemBox()->setCurrentIndex(0);
        form.SetValue(QStringLiteral("新名"));
        QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    });
    int saves = 0;
    // The grid's own column order: model before name, and the hidden code column.
    BatchUpdate(ds, {0}, [&saves] { ++saves; }, nullptr, {3, 2, 1, 0});
    QVERIFY(refused);
    QCOMPARE(items, (QStringList{QStringLiteral("型号"), QStringLiteral("名称")}));
    QCOMPARE(saves, 0);
    QCOMPARE(ds.FieldByName(QStringLiteral("Model")).AsString(), QStringLiteral("C6140"));
}

void tst_GridDialogs::batchUpdateWithoutSaveProcedure() {
    DataSet ds;
    Fill(ds);
    MessageRecorder messages;
    BatchUpdate(ds, {0, 1}, {});
    QCOMPARE(messages.Texts(),
             QStringList{QStringLiteral("\r\n没有指定更新过程BatchProc, 操作被取消.\t")});
}

void tst_GridDialogs::exportFormats_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    const QByteArray rows = "abc车床,C6140,\r\nO'Brien钻床,Z3040,\r\n刨床,B665,\r\n";
    QTest::newRow("csv") << int(TDataExporterFrm::CsvFormat) << true << "out.csv"
                         << QByteArray(kBom + "名称,型号,\r\n" + rows);
    QByteArray tabs = kBom + "名称\t型号\t\r\n" + rows;
    tabs.replace(',', '\t');
    QTest::newRow("text") << int(TDataExporterFrm::TextFormat) << true << "out.txt" << tabs;
    QTest::newRow("spreadsheet") << int(TDataExporterFrm::ExcelFormat) << true << "out.xls" << tabs;
    const QByteArray head = "<html>\r\n<head>\r\n"
                            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
                            "<title></title>\r\n</head>\r\n<body>\r\n<table>\r\n<tr>\r\n"
                            "<td nowrap>名称&nbsp;</td>\r\n<td nowrap>型号&nbsp;</td>\r\n</tr>\r\n";
    const QByteArray tail = "</table>\r\n</body>\r\n</html>\r\n";
    QTest::newRow("html, empty set") << int(TDataExporterFrm::HtmlFormat) << false << "empty.html"
                                     << QByteArray(head + tail);
    QTest::newRow("html") << int(TDataExporterFrm::HtmlFormat) << true << "out.html"
                          << QByteArray(head +
                                 "<tr>\r\n<td nowrap>abc车床&nbsp;</td>\r\n<td nowrap>C6140&nbsp;</td>\r\n</tr>\r\n"
                                 "<tr>\r\n<td nowrap>O'Brien钻床&nbsp;</td>\r\n<td nowrap>Z3040&nbsp;</td>\r\n</tr>\r\n"
                                 "<tr>\r\n<td nowrap>刨床&nbsp;</td>\r\n<td nowrap>B665&nbsp;</td>\r\n</tr>\r\n" +
                                 tail);
}

void tst_GridDialogs::exportFormats() {
    QFETCH(int, format);
    QFETCH(QString, fileName);
    QFETCH(bool, withRows);
    DataSet ds;
    Fill(ds, withRows);
    // Three rows in the grid's order; the current row is kept.
    ds.SetFilter(QStringLiteral("Id <> 3 and Id <> 4"));
    ds.SetFiltered(true);
    ds.SetSort(QStringLiteral("Id"));
    if (withRows) ds.SetRecNo(2);
    const int current = ds.RecNo();

    TDataExporterFrm form(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.SetSelectedFields(QStringList{QStringLiteral("名称"), QStringLiteral("型号")});
    form.SetExportFormat(TDataExporterFrm::Format(format));
    const QString path = m_dir.filePath(fileName);
    form.FileEdit()->setText(path);
    MessageRecorder messages(QMessageBox::Cancel);
    form.NextPage();
    QTest::mouseClick(form.NextButton(), Qt::LeftButton);

    QCOMPARE(form.result(), int(QDialog::Accepted));
    QTEST(ReadAll(path), "content");
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("\r\n数据导出成功,共 %1条记录,是否现在就打开?    ")
                                               .arg(ds.RecordCount())});
    QCOMPARE(ds.RecNo(), current);
}

void tst_GridDialogs::exportChecks_data() {
    QTest::addColumn<bool>("chooseColumn");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");
    QTest::newRow("no column") << false << -1 << "" << "没有选择任何要导出的列,请返回上一步并选择.";
    QTest::newRow("no format") << true << -1 << "a.txt" << "必须指定要导出的格式.";
    QTest::newRow("blank file") << true << int(TDataExporterFrm::CsvFormat) << "   "
                                << "必须指定要导出的文件位置.";
}

void tst_GridDialogs::exportChecks() {
    QFETCH(bool, chooseColumn);
    QFETCH(int, format);
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    DataSet ds;
    Fill(ds);
    TDataExporterFrm form(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (chooseColumn) form.SetSelectedFields(QStringList{QStringLiteral("名称")});
    form.SetExportFormat(TDataExporterFrm::Format(format));
    form.FileEdit()->setText(fileName);
    form.NextPage();

    MessageRecorder messages;
    QTest::mouseClick(form.NextButton(), Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(messages.Texts(), QStringList{message});
    QCOMPARE(messages.Requests().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void tst_GridDialogs::exportOverwrite() {
    DataSet ds;
    Fill(ds);
    const QString path = m_dir.filePath(QStringLiteral("exists.csv"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    TDataExporterFrm form(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.SetSelectedFields(QStringList{QStringLiteral("编码")});
    form.SetExportFormat(TDataExporterFrm::CsvFormat);
    form.SetFileName(path);
    form.NextPage();

    MessageRecorder messages(QMessageBox::No);
    QTest::mouseClick(form.NextButton(), Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("\r\n该文件已经存在,是否继续执行并覆盖文件?")});
    QCOMPARE(ReadAll(path), QByteArray("old"));

    messages.Clear();
    messages.SetAnswer(QMessageBox::Yes);
    QTest::mouseClick(form.NextButton(), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(messages.Texts().size(), 2);
    QVERIFY(ReadAll(path).startsWith(QByteArray(kBom + "编码,\r\nSB001,\r\n")));
}

void tst_GridDialogs::exportColumnMoves() {
    DataSet ds;
    Fill(ds);
    TDataExporterFrm form(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.AvailableList()->count(), 8);
    QVERIFY(!form.AddButton()->isEnabled());

    form.SetSelectedFields(QStringLiteral("型号\r\n没有这一列\r\n编号\r\n"));
    QCOMPARE(form.SelectedFieldsText(), QStringLiteral("型号\r\n编号"));

    // Double-click the second available entry: it goes to the end, its place is reselected.
    QListWidget* available = form.AvailableList();
    const QRect second = available->visualItemRect(available->item(1));
    QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, second.center());
    QVERIFY(form.AddButton()->isEnabled());
    QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(form.SelectedFields(),
             (QStringList{QStringLiteral("型号"), QStringLiteral("编号"), QStringLiteral("编码")}));
    QCOMPARE(available->currentItem()->text(), QStringLiteral("数量"));

    QListWidget* chosen = form.ChosenList();
    QTest::mouseClick(chosen->viewport(), Qt::LeftButton, {},
                      chosen->visualItemRect(chosen->item(2)).center());
    QVERIFY(form.UpButton()->isEnabled());
    QTest::mouseClick(form.UpButton(), Qt::LeftButton);
    QCOMPARE(form.SelectedFields(),
             (QStringList{QStringLiteral("型号"), QStringLiteral("编码"), QStringLiteral("编号")}));
    QCOMPARE(chosen->currentRow(), 1);

    // A removed column goes to the end of the available list, not back to its place.
    chosen->setCurrentRow(0);
    QTest::mouseClick(form.RemoveButton(), Qt::LeftButton);
    QCOMPARE(available->item(available->count() - 1)->text(), QStringLiteral("型号"));
    QCOMPARE(chosen->currentItem()->text(), QStringLiteral("编码"));
    QTest::mouseClick(form.RemoveButton(), Qt::LeftButton);
    QTest::mouseClick(form.RemoveButton(), Qt::LeftButton);
    QCOMPARE(chosen->count(), 0);
    QVERIFY(!form.RemoveButton()->isEnabled());
    QCOMPARE(form.SelectedFieldsText(), QString());
}

void tst_GridDialogs::exportFormatChangesExtension_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("extension");
    QTest::newRow("web page") << int(TDataExporterFrm::HtmlFormat) << "/tmp/设备.txt"
                              << "/tmp/设备.html" << "网页文件(*.htm;*.html)|*.htm;*.html" << "html";
    QTest::newRow("text") << int(TDataExporterFrm::TextFormat) << "out.csv" << "out.txt"
                          << "文本文件(*.txt)|*.txt" << "txt";
    QTest::newRow("spreadsheet, no extension")
        << int(TDataExporterFrm::ExcelFormat) << "/tmp/v1.2/设备" << "/tmp/v1.2/设备.xls"
        << "Microsoft Excel 电子表格 (*.xls)|*.xls" << "xls";
    QTest::newRow("csv, empty field") << int(TDataExporterFrm::CsvFormat) << "" << ""
                                      << "CSV文件(*.csv)|*.csv" << "csv";
}

void tst_GridDialogs::exportFormatChangesExtension() {
    QFETCH(int, format);
    QFETCH(QString, typed);
    DataSet ds;
    Fill(ds);
    TDataExporterFrm form(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.NextPage();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.ExportFormat(), TDataExporterFrm::NoFormat);
    form.FileEdit()->setText(typed);
    QList<QRadioButton*> buttons = form.findChildren<QRadioButton*>();
    buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                 [](QRadioButton* b) { return !b->isVisible(); }),
                  buttons.end());
    QCOMPARE(buttons.size(), 4);
    // On the indicator: a radio button only takes clicks on its indicator and text.
    QTest::mouseClick(buttons[format], Qt::LeftButton, {}, QPoint(6, buttons[format]->height() / 2));
    QCOMPARE(int(form.ExportFormat()), format);
    QTEST(form.FileName(), "changed");
    QTEST(form.FileFilter(), "filter");
    QTEST(form.DefaultExt(), "extension");
}

void tst_GridDialogs::exportWizardPages() {
    DataSet ds;
    Fill(ds);
    TDataExporterFrm form(ds);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto visibleTabs = [&form] {
        QStringList tabs;
        for (int i = 0; i < form.PageTabs()->count(); ++i)
            if (form.PageTabs()->isTabVisible(i)) tabs.append(form.PageTabs()->tabText(i));
        return tabs;
    };
    QCOMPARE(visibleTabs(), QStringList{QStringLiteral("选择数据列")});
    QVERIFY(!form.PriorButton()->isEnabled());
    QCOMPARE(form.NextButton()->text(), QStringLiteral("下一步(&N)"));

    QTest::mouseClick(form.NextButton(), Qt::LeftButton);
    QCOMPARE(visibleTabs(), QStringList{QStringLiteral("输出")});
    QVERIFY(form.PriorButton()->isEnabled());
    QCOMPARE(form.NextButton()->text(), QStringLiteral("确定(&N)"));

    QTest::mouseClick(form.PriorButton(), Qt::LeftButton);
    QCOMPARE(form.PageIndex(), 0);
    QCOMPARE(form.NextButton()->text(), QStringLiteral("下一步(&N)"));
    QVERIFY(!form.PriorButton()->isEnabled());
    QTest::mouseClick(form.NextButton(), Qt::LeftButton);
    QCOMPARE(form.PageIndex(), 1);
    QVERIFY(form.isVisible());

    QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void tst_GridDialogs::exportDataSetRemembersChoice() {
    TestDatabase db(TestEngine::SQLite);
    CreateSchema(DB);
    CurrentOperator.LoginId = QStringLiteral("sa");
    KeyValue.Set(3, QStringLiteral("型号\r\n已删除的列\r\n名称"));
    DataSet ds;
    Fill(ds);
    const QString path = m_dir.filePath(QStringLiteral("remembered.csv"));

    QStringList offered;
    WhenShown<TDataExporterFrm>([&offered, &path](TDataExporterFrm& form) {
        offered = form.SelectedFields();
        form.ChosenList()->setCurrentRow(0);
        form.MoveChosen(1);
        form.SetExportFormat(TDataExporterFrm::CsvFormat);
        form.SetFileName(path);
        QTest::mouseClick(form.NextButton(), Qt::LeftButton);
        QTest::mouseClick(form.NextButton(), Qt::LeftButton);
    });
    MessageRecorder messages(QMessageBox::Cancel);
    ExportDataSet(ds);

    QCOMPARE(offered, (QStringList{QStringLiteral("型号"), QStringLiteral("名称")}));
    QCOMPARE(KeyValue.Get(3).toString(), QStringLiteral("名称\r\n型号"));
    QVERIFY(ReadAll(path).startsWith(QByteArray(kBom + "名称,型号,\r\n")));

    // Cancelling leaves the remembered choice alone.
    WhenShown<TDataExporterFrm>([](TDataExporterFrm& form) {
        form.ChosenList()->clear();
        QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    });
    ExportDataSet(ds);
    QCOMPARE(KeyValue.Get(3).toString(), QStringLiteral("名称\r\n型号"));
}

void tst_GridDialogs::exportDataSetRefuses() {
    TestDatabase db(TestEngine::SQLite);
    CreateSchema(DB);
    KeyValue.Set(3, QStringLiteral("名称"));
    DataSet closed;
    closed.AddField(FieldKind::String, QStringLiteral("Name"), 20, true, QStringLiteral("名称"));
    MessageRecorder messages;

    CurrentOperator.LoginId = QStringLiteral("sa");
    ExportDataSet(closed);
    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("\r\n请先打开数据集再操作.\t")});

    messages.Clear();
    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",10006,");
    QVERIFY_THROWS_EXCEPTION(EAbort, ExportDataSet(closed));
    QCOMPARE(messages.Texts(),
             QStringList{QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(10004).\t")});
    QCOMPARE(KeyValue.Get(3).toString(), QStringLiteral("名称"));
    CurrentOperator.LoginId = QStringLiteral("sa");
}

QTEST_MAIN(tst_GridDialogs)
#include "tst_griddialogs.moc"
