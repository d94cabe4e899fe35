#include "ModalDialogs.h"
#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "platform/dataset/DataSet.h"
#include "ui/BatchUpdateFrm.h"
#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"
#include "ui/xVisibleFrm.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

using Kind = TjtDBGrid::GridKind;
Q_DECLARE_METATYPE(TjtDBGrid::GridKind)

namespace {

// Id is not visible, so it is no column of the grid; Qty has a null; Remarks is a memo.
void Fill(DataSet& ds, bool withRows = true) {
    ds.AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编号"));
    ds.AddField(FieldKind::String, QStringLiteral("Code"), 20, true, QStringLiteral("编码"));
    ds.AddField(FieldKind::String, QStringLiteral("Name"), 30, true, QStringLiteral("名称"));
    ds.AddField(FieldKind::Integer, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    ds.AddField(FieldKind::Memo, QStringLiteral("Remarks"), -1, true, QStringLiteral("备注"));
    ds.BeginLoad();
    if (withRows) {
        const QList<QVariantList> rows = {
            {1, "SB003", "车床", 5, "a"},
            {2, "SB001", "铣床", 2, QVariant()},
            {3, "SB002", "钻床", QVariant(), "c"},
            {4, "SB004", "磨床", 9, "d"},
        };
        for (const QVariantList& row : rows) {
            std::vector<QVariant> values(row.begin(), row.end());
            ds.LoadRow(values);
        }
    }
    ds.EndLoad();
}

QStringList Column(const DataSet& ds, const QString& field) {
    QStringList values;
    const int index = ds.FieldByName(field).Index();
    for (int row = 0; row < ds.RecordCount(); ++row)
        values.append(Field::ToText(ds.ValueAt(row, index)));
    return values;
}

QStringList ShownFields(const TjtDBGrid& grid) {
    QStringList names;
    for (const int column : grid.Columns())
        if (grid.ColumnShown(column)) names.append(grid.DataSet()->Fields(column).FieldName());
    return names;
}

QString StoredLayout(int number) {
    ScratchSet.Open(QStringLiteral("select F06 from syscols where F02=%1").arg(number));
    return ScratchSet.DataSet().IsEmpty() ? QString() : ScratchSet.DataSet().Fields(0).AsString();
}

QString Refusal(int right) {
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(right);
}

void ShowGrid(TjtDBGrid& grid) {
    grid.resize(900, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

void ClickTitle(TjtDBGrid& grid, const QString& field) {
    QHeaderView* header = grid.horizontalHeader();
    const int column = grid.ColumnOf(field);
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QAction* ActionByCaption(const TjtDBGrid& grid, const QString& caption) {
    for (QAction* action :
         {grid.ActionSort(), grid.ActionColVisible(), grid.ActionTableStyleSave(),
          grid.ActionExport2Excel(), grid.ActionExport2Html(), grid.ActionExport()})
        if (action->text() == caption) return action;
    qFatal("no action %s", qPrintable(caption));
}

QString Html(const QStringList& body) {
    QStringList lines{
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
        QStringLiteral("<title></title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<table>")};
    lines += body;
    lines << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

class tst_JtDBGrid : public QObject {
    Q_OBJECT
public:
    explicit tst_JtDBGrid(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void layoutRoundTripThroughSyscols();
    void applyLayout_data();
    void applyLayout();
    void missingLayout_data();
    void missingLayout();
    void titleClicks_data();
    void titleClicks();
    void titleMarkers_data();
    void titleMarkers();
    void keys_data();
    void keys();
    void followsDataSetCursor();
    void footerSum();
    void rowColour();
    void popupMenuOrder();
    void rights_data();
    void rights();
    void needsOpenDataSet_data();
    void needsOpenDataSet();
    void htmlExport_data();
    void htmlExport();
    void excelExport_data();
    void excelExport();
    void pickColumns_data();
    void pickColumns();
    void batchUpdateMessages_data();
    void batchUpdateMessages();
    void batchUpdateSelectedRows();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_JtDBGrid::initTestCase() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
}

void tst_JtDBGrid::cleanupTestCase() {
    m_db.reset();
}

void tst_JtDBGrid::init() {
    DB.ExecSQL(QStringLiteral("delete from syscols"));
    CurrentOperator.LoginId = QStringLiteral("sa");
    CurrentOperator.Rights.clear();
    m_dir = std::make_unique<QTemporaryDir>();
}

void tst_JtDBGrid::cleanup() {
    CurrentOperator.LoginId = QStringLiteral("sa");
    CurrentOperator.Rights.clear();
    m_dir.reset();
}

void tst_JtDBGrid::layoutRoundTripThroughSyscols() {
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetLayout(
        QStringLiteral("Remarks=False90\r\nQty=True55\r\nCode=True70\r\nName=True110\r\n"));
    QVERIFY(grid.SaveLayout(7));
    QCOMPARE(StoredLayout(7),
             QStringLiteral("Remarks=False90\r\nQty=True55\r\nCode=True70\r\nName=True110\r\n"));

    grid.setColumnWidth(grid.ColumnOf(QStringLiteral("Name")), 150);
    grid.SetColumnShown(grid.ColumnOf(QStringLiteral("Remarks")), true);
    grid.horizontalHeader()->moveSection(3, 0); // Name to the front
    QVERIFY(grid.SaveLayout(7));
    QCOMPARE(ScalarInt(QStringLiteral("select count(*) from syscols where F02=7")), 1);

    TjtDBGrid other;
    other.SetDataSet(&ds);
    other.SetLayoutId(7);
    QCOMPARE(other.Layout(),
             QStringLiteral("Name=True150\r\nRemarks=True90\r\nQty=True55\r\nCode=True70\r\n"));
}

void tst_JtDBGrid::applyLayout_data() {
    // Expected layout lines; "*" stands for the column's default width.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("order, shown and widths")
        << QStringLiteral("Qty=True50\r\nCode=False70\r\nName=True120\r\nRemarks=True200")
        << QStringList{"Qty=True50", "Code=False70", "Name=True120", "Remarks=True200"};
    QTest::newRow("lower case false hides")
        << QStringLiteral("Code=True80\nName=True100\nQty=True60\nRemarks=false90")
        << QStringList{"Code=True80", "Name=True100", "Qty=True60", "Remarks=False90"};
    QTest::newRow("unknown and invisible names ignored")
        << QStringLiteral(
               "Ghost=True10\r\nId=True50\r\nRemarks=True40\r\nCode=True30\r\nNope=False5")
        << QStringList{"Remarks=True40", "Code=True30", "Name=True*", "Qty=True*"};
    QTest::newRow("bad width stops at that column")
        << QStringLiteral("Remarks=True40\r\nCode=False30\r\nQty=abc\r\nName=True10")
        << QStringList{"Code=False30", "Name=True10", "Qty=False*", "Remarks=True*"};
    QTest::newRow("names match in any case")
        << QStringLiteral("qty=True44\r\nCODE=True33")
        << QStringList{"Qty=True44", "Code=True33", "Name=True*", "Remarks=True*"};
}

void tst_JtDBGrid::applyLayout() {
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    DataSet ds;
    Fill(ds);
    TjtDBGrid fresh;
    fresh.SetDataSet(&ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetLayout(text);
    for (QString& line : expected) {
        const QString name = line.left(line.indexOf(u'='));
        line.replace(u'*', QString::number(fresh.ColumnWidth(fresh.ColumnOf(name))));
    }
    QCOMPARE(grid.Layout(), expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void tst_JtDBGrid::missingLayout_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("TjtDBGrid shows every visible field")
        << Kind::DBGrid << QStringList{"Code", "Name", "Qty", "Remarks"};
    QTest::newRow("TjtGridcx shows none") << Kind::Gridcx << QStringList{};
}

void tst_JtDBGrid::missingLayout() {
    QFETCH(Kind, kind);
    QFETCH(QStringList, shown);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid(kind);
    grid.SetDataSet(&ds);
    grid.SetLayout(QStringLiteral("Code=False40"));
    QVERIFY(!grid.LoadLayout(99));
    QCOMPARE(ShownFields(grid), shown);
    QVERIFY(grid.isColumnHidden(ds.FieldByName(QStringLiteral("Id")).Index()));
}

void tst_JtDBGrid::titleClicks_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("one click sorts ascending") << QStringList{"Qty"} << QStringLiteral("Qty")
                                               << QStringList{"SB002", "SB001", "SB003", "SB004"};
    QTest::newRow("two clicks sort descending")
        << QStringList{"Qty", "Qty"} << QStringLiteral("Qty DESC")
        << QStringList{"SB004", "SB003", "SB001", "SB002"};
    QTest::newRow("three clicks unsort") << QStringList{"Qty", "Qty", "Qty"} << QString()
                                         << QStringList{"SB003", "SB001", "SB002", "SB004"};
    QTest::newRow("columns in marking order")
        << QStringList{"Remarks", "Code"} << QStringLiteral("Remarks, Code")
        << QStringList{"SB001", "SB003", "SB002", "SB004"};
    QTest::newRow("descending keeps its place")
        << QStringList{"Remarks", "Code", "Remarks"} << QStringLiteral("Remarks DESC, Code")
        << QStringList{"SB004", "SB002", "SB003", "SB001"};
    QTest::newRow("unmarked first leaves the second")
        << QStringList{"Name", "Code", "Name", "Name"} << QStringLiteral("Code")
        << QStringList{"SB001", "SB002", "SB003", "SB004"};
}

void tst_JtDBGrid::titleClicks() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, sort);
    QFETCH(QStringList, codes);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    ShowGrid(grid);
    for (const QString& field : clicks)
        ClickTitle(grid, field);
    QCOMPARE(ds.Sort(), sort);
    QCOMPARE(Column(ds, QStringLiteral("Code")), codes);
}

// Which way the marker at the right end of a title points: the wide edge of a triangle
// pointing down is at its top.
QString MarkerShape(TjtDBGrid& grid, const QString& field) {
    QHeaderView* header = grid.horizontalHeader();
    const QImage image = header->viewport()->grab().toImage();
    const int column = grid.ColumnOf(field);
    const int right = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    QList<int> widths;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = right - 14; x < right; ++x)
            dark += image.pixelColor(x, y).lightness() < 100;
        if (dark > 0) widths.append(dark);
    }
    if (widths.isEmpty()) return QStringLiteral("none");
    return widths.first() > widths.last() ? QStringLiteral("down") : QStringLiteral("up");
}

void tst_JtDBGrid::titleMarkers_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("shape");
    QTest::newRow("unsorted") << 0 << "none";
    QTest::newRow("ascending") << 1 << "down";
    QTest::newRow("descending") << 2 << "up";
    QTest::newRow("unsorted again") << 3 << "none";
}

void tst_JtDBGrid::titleMarkers() {
    QFETCH(int, clicks);
    QFETCH(QString, shape);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    ShowGrid(grid);
    for (int i = 0; i < clicks; ++i)
        ClickTitle(grid, QStringLiteral("Name"));
    ClickTitle(grid, QStringLiteral("Qty"));
    QCOMPARE(MarkerShape(grid, QStringLiteral("Name")), shape);
    QCOMPARE(MarkerShape(grid, QStringLiteral("Qty")), QStringLiteral("down"));
    QCOMPARE(MarkerShape(grid, QStringLiteral("Code")), QStringLiteral("none"));
}

void tst_JtDBGrid::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("startField");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::newRow("right skips a hidden column") << int(Qt::Key_Right) << 0 << "Code" << 0 << "Qty";
    QTest::newRow("left skips a hidden column") << int(Qt::Key_Left) << 0 << "Qty" << 0 << "Code";
    QTest::newRow("right follows the column order")
        << int(Qt::Key_Right) << 0 << "Remarks" << 0 << "Code";
    QTest::newRow("down") << int(Qt::Key_Down) << 1 << "Qty" << 2 << "Qty";
    QTest::newRow("up") << int(Qt::Key_Up) << 1 << "Code" << 0 << "Code";
}

void tst_JtDBGrid::keys() {
    QFETCH(int, key);
    QFETCH(int, startRow);
    QFETCH(QString, startField);
    QFETCH(int, row);
    QFETCH(QString, field);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetLayout(QStringLiteral("Remarks=True60\r\nCode=True60\r\nName=False60\r\nQty=True60"));
    ShowGrid(grid);
    QList<int> heard;
    connect(&grid, &TjtDBGrid::keyDown, this,
            [&](QKeyEvent* event) { heard.append(event->key()); });
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(startRow, grid.ColumnOf(startField)));
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(grid.currentIndex().row(), row);
    QCOMPARE(grid.currentIndex().column(), grid.ColumnOf(field));
    QCOMPARE(ds.RecNo(), row + 1);
    QCOMPARE(heard, QList<int>{key});
}

void tst_JtDBGrid::followsDataSetCursor() {
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    ShowGrid(grid);
    QVERIFY(ds.Locate(QStringLiteral("Code"), QStringLiteral("SB002")));
    QCOMPARE(grid.currentIndex().row(), 2);
    QCOMPARE(grid.SelectedRows(), QList<int>{2});
    grid.setCurrentIndex(grid.model()->index(3, 1));
    QCOMPARE(ds.FieldByName(QStringLiteral("Code")).AsString(), QStringLiteral("SB004"));
}

void tst_JtDBGrid::footerSum() {
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SumFooter(QStringLiteral("Qty"));
    ShowGrid(grid);
    QCOMPARE(grid.FooterText(QStringLiteral("Qty")), QStringLiteral("16"));
    QCOMPARE(grid.FooterText(QStringLiteral("Code")), QString());

    ds.SetFilter(QStringLiteral("Qty > 3"));
    ds.SetFiltered(true);
    QCOMPARE(grid.FooterText(QStringLiteral("Qty")), QStringLiteral("14"));

    ds.First();
    ds.Edit();
    ds.FieldByName(QStringLiteral("Qty")).SetAsInteger(10);
    ds.Post();
    QCOMPARE(grid.FooterText(QStringLiteral("Qty")), QStringLiteral("19"));

    // The last row can still be brought above the footer.
    ds.SetFiltered(false);
    const QModelIndex last = grid.model()->index(ds.RecordCount() - 1, 1);
    grid.resize(900, grid.horizontalHeader()->height() +
                         3 * grid.verticalHeader()->defaultSectionSize());
    QApplication::processEvents();
    grid.scrollTo(last);
    const QWidget* footer = grid.findChild<QWidget*>(QStringLiteral("footer"));
    QVERIFY(footer && footer->isVisible());
    const int footerTop = footer->y() - grid.viewport()->y();
    QVERIFY(grid.visualRect(last).bottom() < footerTop);
}

void tst_JtDBGrid::rowColour() {
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetRowColor([](int row) { return row == 1 ? QColor(Qt::red) : QColor(); });
    ShowGrid(grid);
    grid.clearSelection();
    const QImage image = grid.viewport()->grab().toImage();
    // The text of row 1 is drawn red; nothing of row 2 is.
    const auto hasRed = [&](int row) {
        const QRect cell = grid.visualRect(grid.model()->index(row, 1));
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
            }
        return false;
    };
    QVERIFY(hasRed(1));
    QVERIFY(!hasRed(2));
}

void tst_JtDBGrid::popupMenuOrder() {
    TjtDBGrid grid;
    QAction edit(QStringLiteral("修改"));
    QAction remove(QStringLiteral("删除"));
    grid.InsertMenuAction(&edit);
    grid.InsertMenuAction(&remove);
    QStringList captions;
    for (const QAction* action : grid.PopupMenuJt()->actions())
        captions.append(action->isSeparator() ? QStringLiteral("—") : action->text());
    QCOMPARE(captions, (QStringList{"修改", "删除", "排序", "—", "列选择", "保存表格样式", "—",
                                    "导出到Excel文档", "导出到Html网页文件"}));
    QCOMPARE(grid.ActionExport()->text(), QStringLiteral("导出"));
}

void tst_JtDBGrid::rights_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("saved");
    QTest::newRow("列选择 refused") << "列选择"
                                    << "" << QStringList{Refusal(10008)} << 0 << 0 << 0;
    QTest::newRow("列选择 granted") << "列选择"
                                    << ",10008," << QStringList{} << 1 << 0 << 0;
    QTest::newRow("保存表格样式 refused") << "保存表格样式"
                                          << "" << QStringList{Refusal(10006)} << 0 << 0 << 0;
    QTest::newRow("保存表格样式 granted")
        << "保存表格样式"
        << ",10006," << QStringList{"\r\n列样式保存成功.\t"} << 0 << 0 << 1;
    QTest::newRow("导出到Excel文档 refused") << "导出到Excel文档"
                                             << "" << QStringList{Refusal(10004)} << 0 << 0 << 0;
    QTest::newRow("导出到Excel文档 granted") << "导出到Excel文档"
                                             << ",10004," << QStringList{} << 0 << 1 << 0;
    QTest::newRow("导出到Html网页文件 refused")
        << "导出到Html网页文件"
        << ",10006,10008," << QStringList{Refusal(10004)} << 0 << 0 << 0;
    QTest::newRow("导出到Html网页文件 granted") << "导出到Html网页文件"
                                                << ",10004," << QStringList{} << 1 << 0 << 0;
    QTest::newRow("导出 refused") << "导出"
                                  << "" << QStringList{Refusal(10004)} << 0 << 0 << 0;
    QTest::newRow("导出 granted") << "导出"
                                  << ",10004," << QStringList{} << 1 << 0 << 0;
}

void tst_JtDBGrid::rights() {
    QFETCH(QString, caption);
    QFETCH(QString, rights);
    QFETCH(QStringList, messages);
    QFETCH(int, dialogs);
    QFETCH(int, opened);
    QFETCH(int, saved);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetTag(12);
    int openCalls = 0;
    grid.SetFileOpener([&](const QString& path) {
        QFile::remove(path);
        return ++openCalls > 0;
    });
    CurrentOperator.LoginId = QStringLiteral("op");
    CurrentOperator.Rights = rights;
    MessageRecorder recorder;
    ModalCloser counter;
    ActionByCaption(grid, caption)->trigger();
    QCOMPARE(recorder.Texts(), messages);
    QCOMPARE(counter.Seen(), dialogs);
    QCOMPARE(openCalls, opened);
    QCOMPARE(ScalarInt(QStringLiteral("select count(*) from syscols where F02=12")), saved);
}

void tst_JtDBGrid::needsOpenDataSet_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("withDataSet");
    QTest::addColumn<QString>("message");
    QTest::newRow("TjtDBGrid without data set")
        << Kind::DBGrid << false
        << QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!");
    QTest::newRow("TjtGridcx without data set")
        << Kind::Gridcx << false
        << QStringLiteral("系统错误: 没有为TjtGridcx.DataSource指定DataSet对象,请与作者联系!");
    QTest::newRow("closed data set")
        << Kind::DBGrid << true << QStringLiteral("系统提示: 请先打开数据再操作!");
}

void tst_JtDBGrid::needsOpenDataSet() {
    QFETCH(Kind, kind);
    QFETCH(bool, withDataSet);
    QFETCH(QString, message);
    DataSet ds;
    Fill(ds);
    ds.Close();
    TjtDBGrid grid(kind);
    if (withDataSet) grid.SetDataSet(&ds);
    int openCalls = 0;
    grid.SetFileOpener([&](const QString&) { return ++openCalls > 0; });
    MessageRecorder recorder;
    ModalCloser counter;
    for (QAction* action : {grid.ActionSort(), grid.ActionExport2Excel(), grid.ActionExport2Html(),
                            grid.ActionExport()})
        action->trigger();
    grid.FilterClick();
    const QString shown = QStringLiteral("\r\n") + message + QStringLiteral("\t");
    QCOMPARE(recorder.Texts(), QStringList(5, shown));
    QCOMPARE(counter.Seen(), 0);
    QCOMPARE(openCalls, 0);
}

void tst_JtDBGrid::htmlExport_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("answer");
    QTest::newRow("shown columns in column order")
        << Kind::DBGrid << true
        << QStringLiteral("Qty=True50\r\nCode=True60\r\nName=False70\r\nRemarks=True80")
        << Html({"<tr>",
                 "<td nowrap>数量&nbsp;</td>",
                 "<td nowrap>编码&nbsp;</td>",
                 "<td nowrap>备注&nbsp;</td>",
                 "</tr>",
                 "<tr>",
                 "<td nowrap>5&nbsp;</td>",
                 "<td nowrap>SB003&nbsp;</td>",
                 "<td nowrap>a&nbsp;</td>",
                 "</tr>",
                 "<tr>",
                 "<td nowrap>2&nbsp;</td>",
                 "<td nowrap>SB001&nbsp;</td>",
                 "<td nowrap>&nbsp;</td>",
                 "</tr>",
                 "<tr>",
                 "<td nowrap>&nbsp;</td>",
                 "<td nowrap>SB002&nbsp;</td>",
                 "<td nowrap>c&nbsp;</td>",
                 "</tr>",
                 "<tr>",
                 "<td nowrap>9&nbsp;</td>",
                 "<td nowrap>SB004&nbsp;</td>",
                 "<td nowrap>d&nbsp;</td>",
                 "</tr>"})
        << QStringLiteral("\r\n导出成功,是否现在就打开?    ") << int(QMessageBox::Ok);
    QTest::newRow("empty data set writes the titles only")
        << Kind::Gridcx << false << QStringLiteral("Name=True70\r\nCode=True60")
        << Html({"<tr>", "<td nowrap>名称&nbsp;</td>", "<td nowrap>编码&nbsp;</td>", "</tr>"})
        << QStringLiteral("\r\n导出成功, 共 0 条记录,是否现在就打开?    ")
        << int(QMessageBox::Cancel);
}

void tst_JtDBGrid::htmlExport() {
    QFETCH(Kind, kind);
    QFETCH(bool, withRows);
    QFETCH(QString, layout);
    QFETCH(QString, html);
    QFETCH(QString, question);
    QFETCH(int, answer);
    DataSet ds;
    Fill(ds, withRows);
    TjtDBGrid grid(kind);
    grid.SetDataSet(&ds);
    grid.SetLayout(layout);
    QStringList opened;
    grid.SetFileOpener([&](const QString& path) {
        opened.append(path);
        return true;
    });
    const QString path = m_dir->filePath(QStringLiteral("grid.html"));
    MessageRecorder recorder{QMessageBox::StandardButton(answer)};
    grid.ExportToHtml(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), html);
    QCOMPARE(recorder.Texts(), QStringList{question});
    QCOMPARE(recorder.Requests().first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(opened, answer == QMessageBox::Ok ? QStringList{path} : QStringList{});
}

void tst_JtDBGrid::excelExport_data() {
    QTest::addColumn<bool>("canOpen");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("opened") << true << QStringList{};
    QTest::newRow("nothing opens it") << false << QStringList{"Excel 没有正确安装!"};
}

void tst_JtDBGrid::excelExport() {
    QFETCH(bool, canOpen);
    QFETCH(QStringList, messages);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    QStringList opened;
    grid.SetFileOpener([&](const QString& path) {
        opened.append(path);
        return canOpen;
    });
    MessageRecorder recorder;
    grid.ActionExport2Excel()->trigger();
    QCOMPARE(recorder.Texts(), messages);
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.first().endsWith(QStringLiteral(".xlsx")));
    QFile file(opened.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.remove();
    QVERIFY(bytes.startsWith("PK"));
    QVERIFY(bytes.contains("xl/worksheets/sheet1.xml"));
}

void tst_JtDBGrid::pickColumns_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("OK shows the marked columns") << true << QStringList{"Qty", "Name", "Remarks"};
    QTest::newRow("cancel changes nothing") << false << QStringList{"Qty", "Code", "Remarks"};
}

void tst_JtDBGrid::pickColumns() {
    QFETCH(bool, accept);
    QFETCH(QStringList, shown);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetLayout(QStringLiteral("Qty=True50\r\nCode=True60\r\nName=False70\r\nRemarks=True80"));
    QStringList titles, marks;
    QString caption, hint;
    WhenShown<TxVisibleFrm>([&](TxVisibleFrm& form) {
        caption = form.windowTitle();
        hint = form.Table()->toolTip();
        for (int row = 0; row < form.Table()->rowCount(); ++row) {
            titles.append(form.Table()->item(row, 0)->text());
            marks.append(form.Table()->item(row, 1)->text());
        }
        for (const int row : {1, 2}) {
            const QRect cell = form.Table()->visualRect(form.Table()->model()->index(row, 0));
            QTest::mouseClick(form.Table()->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QTest::mouseClick(accept ? form.OkButton() : form.CancelButton(), Qt::LeftButton);
    });
    grid.ActionColVisible()->trigger();
    QCOMPARE(caption, QStringLiteral("列选择"));
    QCOMPARE(hint, QStringLiteral("双击可改变当前值"));
    QCOMPARE(titles, (QStringList{"数量", "编码", "名称", "备注"}));
    QCOMPARE(marks, (QStringList{"√", "√", "", "√"}));
    QCOMPARE(ShownFields(grid), shown);
    QCOMPARE(grid.ColumnWidth(grid.ColumnOf(QStringLiteral("Name"))), 70);
}

void tst_JtDBGrid::batchUpdateMessages_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("withDataSet");
    QTest::addColumn<QString>("message");
    QTest::newRow("TjtDBGrid without data set")
        << Kind::DBGrid << false << QStringLiteral("没有指定数据集DataSet, 操作被取消.");
    QTest::newRow("TjtDBGrid without procedure")
        << Kind::DBGrid << true << QStringLiteral("没有指定更新过程BatchProc, 操作被取消.");
    QTest::newRow("TjtGridcx without procedure")
        << Kind::Gridcx << true << QStringLiteral("没有指定BatchUpdate更新过程, 操作被取消.");
}

void tst_JtDBGrid::batchUpdateMessages() {
    QFETCH(Kind, kind);
    QFETCH(bool, withDataSet);
    QFETCH(QString, message);
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid(kind);
    if (withDataSet) grid.SetDataSet(&ds);
    MessageRecorder recorder;
    ModalCloser counter;
    grid.BatchUpdateClick();
    QCOMPARE(recorder.Texts(),
             QStringList{QStringLiteral("\r\n") + message + QStringLiteral("\t")});
    QCOMPARE(counter.Seen(), 0);
}

void tst_JtDBGrid::batchUpdateSelectedRows() {
    DataSet ds;
    Fill(ds);
    TjtDBGrid grid;
    grid.SetDataSet(&ds);
    grid.SetLayout(QStringLiteral("Qty=True50\r\nCode=True60\r\nName=True70\r\nRemarks=True80"));
    QStringList saved;
    grid.BatchProc = [&] { saved.append(ds.FieldByName(QStringLiteral("Code")).AsString()); };
    grid.selectionModel()->select(grid.model()->index(0, 1),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid.selectionModel()->select(grid.model()->index(2, 1),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(grid.SelectedRows(), (QList<int>{0, 2}));
    QStringList items;
    WhenShown<TBatchUpdateFrm>([&](TBatchUpdateFrm& form) {
        for (int i = 0; i < form.ItemBox()->count(); ++i)
            items.append(form.ItemBox()->itemText(i));
        form.ItemBox()->setCurrentText(QStringLiteral("名称"));
        form.ValueEdit()->setText(QStringLiteral("新名称"));
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    });
    grid.BatchUpdateClick();
    QCOMPARE(items, (QStringList{"数量", "编码", "名称", "备注"}));
    QCOMPARE(saved, (QStringList{"SB003", "SB002"}));
    QCOMPARE(Column(ds, QStringLiteral("Name")), (QStringList{"新名称", "铣床", "新名称", "磨床"}));
}

LANYUE_ENGINE_TEST_MAIN(tst_JtDBGrid)
#include "tst_jtdbgrid.moc"
