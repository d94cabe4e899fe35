#include "platform/Exceptions.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetModel.h"
#include "platform/dataset/DataSource.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Row {
    int id;
    QVariant code, name, qty, flag, date;
};

// Eight rows with a null in each nullable column somewhere and an apostrophe in a name.
void Fill(DataSet& ds, const std::function<void(DataSet&)>& moreFields = {}) {
    ds.AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编号"));
    ds.AddField(FieldKind::String, QStringLiteral("Code"), 20, true, QStringLiteral("设备编号"));
    ds.AddField(FieldKind::String, QStringLiteral("Name"), 50, true, QStringLiteral("设备名称"));
    ds.AddField(FieldKind::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("数量"));
    ds.AddField(FieldKind::Boolean, QStringLiteral("Flag"), -1, true, QStringLiteral("标记"));
    ds.AddField(FieldKind::DateTime, QStringLiteral("BuyDate"), -1, true, QStringLiteral("购置日期"));
    const QList<Row> rows = {
        {1, "SB001", "车床", 5.0, true, "2009-01-06"},
        {2, "SB002", "O'Brien钻床", 12.5, false, "2009-01-07 08:30:00"},
        {3, "sb003", "铣床", 0.0, true, QVariant()},
        {4, "XY001", QVariant(), 7.0, false, "2010-05-01"},
        {5, "XY002", "abc", QVariant(), true, "2008-12-31"},
        {6, "SB010", "ABD", 5.0, QVariant(), "2009-01-06 23:59:59"},
        {7, "ZZ999", "刨床", -3.0, false, "2011-11-11"},
        {8, "SB001", "车床二", 5.0, true, "2012-02-29"},
    };
    if (moreFields) moreFields(ds);
    ds.BeginLoad();
    std::vector<QVariant> values;
    for (const Row& r : rows) {
        values = {r.id, r.code, r.name, r.qty, r.flag, r.date};
        values.resize(size_t(ds.FieldCount()));
        ds.LoadRow(values);
    }
    ds.EndLoad();
}

QList<int> Ids(DataSet& ds) {
    QList<int> ids;
    for (int row = 0; row < ds.RecordCount(); ++row) ids.append(ds.ValueAt(row, 0).toInt());
    return ids;
}

} // namespace

class tst_DataSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storesEveryKindCompactly();
    void appendPostCancelDelete();
    void editOnEmptySetAppends();
    void navigationAndEof();
    void locateAndBookmarks();
    void sortText_data();
    void sortText();
    void filterText_data();
    void filterText();
    void badFilterAndSortTexts_data();
    void badFilterAndSortTexts();
    void postedRowLeavesFilter();
    void disabledControlsSignalOnce();
    void calculatedFields();
    void lookupFieldsFollowTheirKey();
    void modelFollowsEdits();
    void dataSourceBindsEditors();
    void dataSourceCombosAndMemos();
};

void tst_DataSet::storesEveryKindCompactly() {
    DataSet ds;
    ds.AddField(FieldKind::Integer, QStringLiteral("I"));
    ds.AddField(FieldKind::Float, QStringLiteral("F"));
    ds.AddField(FieldKind::Boolean, QStringLiteral("B"));
    ds.AddField(FieldKind::DateTime, QStringLiteral("D"));
    ds.AddField(FieldKind::String, QStringLiteral("S"));
    ds.AddField(FieldKind::Memo, QStringLiteral("M"));
    ds.AddField(FieldKind::Blob, QStringLiteral("X"));
    ds.CreateDataSet();
    const QDateTime when(QDate(1899, 12, 30), QTime(23, 59, 58, 125));
    const QByteArray bytes("\0\1\2\xff", 4);
    ds.Append();
    ds.FieldByName(QStringLiteral("i")).SetAsInteger(-2147483648LL);
    ds.FieldByName(QStringLiteral("F")).SetAsFloat(3.141592653589793);
    ds.FieldByName(QStringLiteral("B")).SetAsBoolean(true);
    ds.FieldByName(QStringLiteral("D")).SetAsDateTime(when);
    ds.FieldByName(QStringLiteral("S")).SetAsString(QStringLiteral("设备 é 😀"));
    ds.FieldByName(QStringLiteral("M")).SetAsString(QString(5000, u'长'));
    ds.FieldByName(QStringLiteral("X")).SetAsBytes(bytes);
    ds.Post();
    ds.Append();
    ds.Post();  // nothing assigned: an all-null row
    ds.First();
    QCOMPARE(ds.FieldByName(QStringLiteral("I")).AsInteger(), int(-2147483648LL));
    QCOMPARE(ds.FieldByName(QStringLiteral("F")).AsFloat(), 3.141592653589793);
    QCOMPARE(ds.FieldByName(QStringLiteral("B")).AsBoolean(), true);
    QCOMPARE(ds.FieldByName(QStringLiteral("D")).AsDateTime(), when);
    QCOMPARE(ds.FieldByName(QStringLiteral("S")).AsString(), QStringLiteral("设备 é 😀"));
    QCOMPARE(ds.FieldByName(QStringLiteral("M")).AsString().size(), 5000);
    QCOMPARE(ds.FieldByName(QStringLiteral("X")).AsBytes(), bytes);
    ds.Next();
    for (int i = 0; i < ds.FieldCount(); ++i) QVERIFY(ds.Fields(i).IsNull());
    QCOMPARE(ds.FieldByName(QStringLiteral("S")).AsString(), QString());
    QCOMPARE(ds.FieldByName(QStringLiteral("I")).AsInteger(), 0);
}

void tst_DataSet::appendPostCancelDelete() {
    DataSet ds;
    Fill(ds);
    Field& code = ds.FieldByName(QStringLiteral("Code"));
    ds.SetRecNo(3);
    ds.Insert();
    QCOMPARE(ds.State(), DataSetState::Insert);
    QCOMPARE(ds.RecordCount(), 9);
    code.SetAsString(QStringLiteral("NEW"));
    ds.Post();
    QCOMPARE(ds.RecNo(), 3);
    QCOMPARE(ds.ValueAt(2, 1).toString(), QStringLiteral("NEW"));

    ds.Append();
    code.SetAsString(QStringLiteral("GONE"));
    ds.Cancel();
    QCOMPARE(ds.RecordCount(), 9);
    QCOMPARE(ds.State(), DataSetState::Browse);

    ds.First();
    ds.Edit();
    code.SetAsString(QStringLiteral("CHANGED"));
    ds.Cancel();
    QCOMPARE(code.AsString(), QStringLiteral("SB001"));

    ds.Edit();
    code.SetAsString(QStringLiteral(""));  // an empty text is null
    ds.Post();
    QVERIFY(code.IsNull());

    ds.Last();
    ds.Delete();
    QCOMPARE(ds.RecordCount(), 8);
    QCOMPARE(ds.RecNo(), 8);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, code.SetAsString(QStringLiteral("x")));
}

void tst_DataSet::editOnEmptySetAppends() {
    DataSet ds;
    ds.AddField(FieldKind::String, QStringLiteral("Name"));
    ds.CreateDataSet();
    ds.Edit();
    QCOMPARE(ds.State(), DataSetState::Insert);
    ds.Fields(0).SetAsString(QStringLiteral("a"));
    ds.First();  // moving posts a modified row
    QCOMPARE(ds.RecordCount(), 1);
    ds.Append();
    ds.First();  // and cancels an untouched one
    QCOMPARE(ds.RecordCount(), 1);
    ds.Delete();
    ds.Delete();  // deleting from an empty set does nothing
    QVERIFY(ds.IsEmpty());
}

void tst_DataSet::navigationAndEof() {
    DataSet ds;
    Fill(ds);
    int seen = 0;
    for (ds.First(); !ds.Eof(); ds.Next()) ++seen;
    QCOMPARE(seen, 8);
    QCOMPARE(ds.RecNo(), 8);
    for (ds.Last(); !ds.Bof(); ds.Prior()) --seen;
    QCOMPARE(seen, 0);
    ds.Close();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.FieldByName(QStringLiteral("Id")).AsInteger());
}

void tst_DataSet::locateAndBookmarks() {
    DataSet ds;
    Fill(ds);
    QVERIFY(ds.Locate(QStringLiteral("Code"), QStringLiteral("XY002")));
    QCOMPARE(ds.FieldByName(QStringLiteral("Id")).AsInteger(), 5);
    QVERIFY(!ds.Locate(QStringLiteral("Code"), QStringLiteral("SB003")));
    QVERIFY(ds.Locate(QStringLiteral("Code"), QStringLiteral("SB003"), loCaseInsensitive));
    QVERIFY(ds.Locate(QStringLiteral("code;qty"), {QStringLiteral("SB001"), 5}));
    QCOMPARE(ds.FieldByName(QStringLiteral("Id")).AsInteger(), 1);
    QVERIFY(ds.Locate(QStringLiteral("Name"), QStringLiteral("o'b"), loCaseInsensitive | loPartialKey));
    QCOMPARE(ds.FieldByName(QStringLiteral("Id")).AsInteger(), 2);
    QVERIFY(ds.Locate(QStringLiteral("Id"), QStringLiteral("7")));  // converted to the field's type
    QVERIFY(!ds.Locate(QStringLiteral("Id"), QStringLiteral("seven")));

    const DataSet::Bookmark mark = ds.GetBookmark();
    ds.SetSort(QStringLiteral("Name DESC"));
    ds.GotoBookmark(mark);
    QCOMPARE(ds.FieldByName(QStringLiteral("Id")).AsInteger(), 7);
    ds.Delete();
    QVERIFY(!ds.BookmarkValid(mark));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.GotoBookmark(mark));
}

void tst_DataSet::sortText_data() {
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("load order") << "" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("code then name desc")
        << "Code ASC,Name DESC" << QList<int>{8, 1, 2, 3, 6, 4, 5, 7};
    QTest::newRow("numbers, nulls first") << "Qty" << QList<int>{5, 7, 3, 1, 6, 8, 4, 2};
    QTest::newRow("descending numbers") << "qty desc" << QList<int>{2, 4, 1, 6, 8, 3, 7, 5};
    QTest::newRow("dates") << "[BuyDate]" << QList<int>{3, 5, 1, 6, 2, 4, 7, 8};
    QTest::newRow("booleans then id desc") << "Flag, Id DESC" << QList<int>{6, 7, 4, 2, 8, 5, 3, 1};
}

void tst_DataSet::sortText() {
    QFETCH(QString, sort);
    QFETCH(QList<int>, ids);
    DataSet ds;
    Fill(ds);
    ds.SetSort(sort);
    QCOMPARE(Ids(ds), ids);
    QCOMPARE(ds.RecNo(), 1);
}

void tst_DataSet::filterText_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("like prefix, any case") << "code like 'sb%'" << QList<int>{1, 2, 3, 6, 8};
    QTest::newRow("and/or with brackets")
        << "Code like 'SB%' and (Qty > 5 or Flag = 1)" << QList<int>{1, 2, 3, 8};
    QTest::newRow("not like and single char")
        << "Code not like 'SB00_'" << QList<int>{4, 5, 6, 7};
    QTest::newRow("apostrophe in value") << "Name = 'O''Brien钻床'" << QList<int>{2};
    QTest::newRow("date in quotes")
        << "BuyDate >= '2009-01-06' and BuyDate < '2009-01-07'" << QList<int>{1, 6};
    QTest::newRow("null name") << "Name = null" << QList<int>{4};
    QTest::newRow("not equal skips nulls") << "Qty <> 5" << QList<int>{2, 3, 4, 7};
    QTest::newRow("chinese value") << "Name like '%床%'" << QList<int>{1, 2, 3, 7, 8};
    QTest::newRow("empty filter") << "  " << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
}

void tst_DataSet::filterText() {
    QFETCH(QString, filter);
    QFETCH(QList<int>, ids);
    DataSet ds;
    Fill(ds);
    ds.SetFilter(filter);
    QCOMPARE(ds.RecordCount(), 8);  // a filter counts only while Filtered is on
    ds.SetFiltered(true);
    QCOMPARE(Ids(ds), ids);
    ds.SetFiltered(false);
    QCOMPARE(ds.RecordCount(), 8);
}

void tst_DataSet::badFilterAndSortTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isSort");
    QTest::newRow("unclosed bracket") << "(Qty > 5" << false;
    QTest::newRow("unknown field") << "Weight > 5" << false;
    QTest::newRow("no value") << "Code =" << false;
    QTest::newRow("unterminated quote") << "Code = 'abc" << false;
    QTest::newRow("sort by unknown field") << "Weight DESC" << true;
    QTest::newRow("sort direction") << "Code UP" << true;
}

void tst_DataSet::badFilterAndSortTexts() {
    QFETCH(QString, text);
    QFETCH(bool, isSort);
    DataSet ds;
    Fill(ds);
    try {
        if (isSort) ds.SetSort(text);
        else ds.SetFilter(text);
        QFAIL("accepted a malformed text");
    } catch (const EDatabaseError& e) {
        QVERIFY2(e.Message().contains(text), qPrintable(e.Message()));
    }
    QCOMPARE(ds.RecordCount(), 8);
}

void tst_DataSet::postedRowLeavesFilter() {
    DataSet ds;
    Fill(ds);
    ds.SetFilter(QStringLiteral("Qty > 0"));
    ds.SetFiltered(true);
    QCOMPARE(ds.RecordCount(), 5);
    ds.First();
    ds.Edit();
    ds.FieldByName(QStringLiteral("Qty")).SetAsFloat(0);
    ds.Post();
    QCOMPARE(ds.RecordCount(), 4);
    QCOMPARE(ds.FieldByName(QStringLiteral("Id")).AsInteger(), 2);
    ds.SetFiltered(false);
    QCOMPARE(ds.RecordCount(), 8);
    QVERIFY(ds.Locate(QStringLiteral("Id"), 1));
    QCOMPARE(ds.FieldByName(QStringLiteral("Qty")).AsFloat(), 0.0);
}

void tst_DataSet::disabledControlsSignalOnce() {
    DataSet ds;
    Fill(ds);
    QSignalSpy resets(&ds, &DataSet::reset);
    QSignalSpy changes(&ds, &DataSet::rowChanged);
    QSignalSpy moves(&ds, &DataSet::currentChanged);
    ds.DisableControls();
    for (ds.First(); !ds.Eof(); ds.Next()) {
        ds.Edit();
        ds.FieldByName(QStringLiteral("Qty")).SetAsFloat(1);
        ds.Post();
    }
    QCOMPARE(resets.count() + changes.count() + moves.count(), 0);
    ds.EnableControls();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(changes.count(), 0);
}

void tst_DataSet::calculatedFields() {
    DataSet ds;
    ds.AddField(FieldKind::Integer, QStringLiteral("Inout"));
    Field* text = ds.AddField(FieldKind::String, QStringLiteral("方向txt"), 30);
    text->SetCalculated(true);
    ds.OnCalcFields = [](DataSet& d) {
        const bool in = d.FieldByName(QStringLiteral("Inout")).AsInteger() > 0;
        d.FieldByName(QStringLiteral("方向txt")).SetAsString(in ? QStringLiteral("入库") : QStringLiteral("出库"));
    };
    ds.BeginLoad();
    std::vector<QVariant> values{1, QVariant()};
    ds.LoadRow(values);
    ds.EndLoad();
    QCOMPARE(text->AsString(), QStringLiteral("入库"));
    ds.Edit();
    ds.Fields(0).SetAsInteger(-1);
    ds.Post();
    QCOMPARE(text->AsString(), QStringLiteral("出库"));
}

void tst_DataSet::lookupFieldsFollowTheirKey() {
    DataSet ds;
    QHash<QString, QString> owners{{QStringLiteral("SB001"), QStringLiteral("一车间")},
                                   {QStringLiteral("XY001"), QStringLiteral("二车间")}};
    Field* owner = nullptr;
    Fill(ds, [&](DataSet& d) {
        owner = d.AddField(FieldKind::String, QStringLiteral("Owner"), 30);
        owner->SetLookup(d.FieldByName(QStringLiteral("Code")), [&owners](const QVariant& code) {
            const auto found = owners.constFind(code.toString());
            return found == owners.cend() ? QVariant() : QVariant(*found);
        });
    });
    QVERIFY(owner->Calculated() && owner->ReadOnly());
    ds.First();
    QCOMPARE(owner->AsString(), QStringLiteral("一车间"));
    ds.Next();
    QVERIFY(owner->IsNull());

    // While editing, the lookup follows the key typed so far; and a changed source shows at once.
    ds.Edit();
    ds.FieldByName(QStringLiteral("Code")).SetAsString(QStringLiteral("XY001"));
    QCOMPARE(owner->AsString(), QStringLiteral("二车间"));
    ds.Post();
    owners[QStringLiteral("XY001")] = QStringLiteral("装配车间");
    QCOMPARE(ds.ValueAt(1, owner->Index()).toString(), QStringLiteral("装配车间"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, owner->SetAsString(QStringLiteral("x")));

    ds.SetFilter(QStringLiteral("Owner = '装配车间' or Owner = '一车间'"));
    ds.SetFiltered(true);
    QCOMPARE(Ids(ds), (QList<int>{1, 2, 4, 8}));
    ds.SetSort(QStringLiteral("Owner DESC,Id"));
    QCOMPARE(Ids(ds), (QList<int>{2, 4, 1, 8}));
}

void tst_DataSet::modelFollowsEdits() {
    DataSet ds;
    Fill(ds);
    DataSetModel model(ds);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("设备编号"));
    ds.Fields(3).SetDisplayLabel(QStringLiteral("数量|合计"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("数量\n合计"));
    QCOMPARE(model.data(model.index(0, 5)).toString(), QStringLiteral("2009-01-06"));
    QCOMPARE(model.data(model.index(1, 5)).toString(), QStringLiteral("2009-01-07 08:30:00"));
    QCOMPARE(model.data(model.index(1, 3)).toString(), QStringLiteral("12.5"));
    ds.SetRecNo(1);
    ds.Edit();
    ds.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("\r\n车床 := 1\r\n型号 := 2"));
    ds.Post();
    QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("车床 := 1 型号 := 2"));
    QCOMPARE(model.data(model.index(0, 2), Qt::ToolTipRole).toString(), QStringLiteral("车床 := 1\r\n型号 := 2"));
    QVERIFY(!model.data(model.index(1, 2), Qt::ToolTipRole).isValid());
    ds.Append();
    QCOMPARE(model.rowCount(), 9);
    ds.Cancel();
    QCOMPARE(model.rowCount(), 8);
    ds.SetSort(QStringLiteral("Id DESC"));
    QCOMPARE(model.data(model.index(0, 0)).toInt(), 8);
    model.SetEditable(true);
    QSignalSpy failures(&model, &DataSetModel::editFailed);
    QVERIFY(model.setData(model.index(0, 3), QStringLiteral("42")));
    QCOMPARE(model.data(model.index(0, 3), Qt::EditRole).toDouble(), 42.0);
    QVERIFY(!model.setData(model.index(0, 3), QStringLiteral("多")));
    QCOMPARE(failures.count(), 1);
    QCOMPARE(ds.State(), DataSetState::Browse);
}

void tst_DataSet::dataSourceBindsEditors() {
    DataSet ds;
    Fill(ds);
    DataSource source(ds);
    QLineEdit name;
    QCheckBox flag;
    QDateTimeEdit date;
    source.Bind(&name, ds.FieldByName(QStringLiteral("Name")));
    source.Bind(&flag, ds.FieldByName(QStringLiteral("Flag")));
    source.Bind(&date, ds.FieldByName(QStringLiteral("BuyDate")));
    QCOMPARE(name.text(), QStringLiteral("车床"));
    QCOMPARE(name.maxLength(), 50);
    QVERIFY(flag.isChecked());

    QTest::keyClicks(&name, QStringLiteral("X"));
    QCOMPARE(ds.State(), DataSetState::Edit);
    QCOMPARE(ds.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("车床"));  // still pending
    ds.UpdateRecord();
    QCOMPARE(ds.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("车床X"));
    ds.Cancel();
    QCOMPARE(name.text(), QStringLiteral("车床"));

    ds.SetRecNo(3);  // a null date shows as empty and reads back as null
    QCOMPARE(date.text().trimmed(), QString());
    flag.setChecked(false);
    ds.Post();
    QVERIFY(ds.FieldByName(QStringLiteral("BuyDate")).IsNull());
    QCOMPARE(ds.FieldByName(QStringLiteral("Flag")).AsBoolean(), false);

    // Text the field refuses stays pending: the next commit refuses it again, not silently.
    QLineEdit qty;
    source.Bind(&qty, ds.FieldByName(QStringLiteral("Qty")));
    QTest::keyClicks(&qty, QStringLiteral("x"));
    QVERIFY_THROWS_EXCEPTION(Exception, source.CommitEdits());
    QVERIFY_THROWS_EXCEPTION(Exception, source.CommitEdits());
    qty.setText(QStringLiteral("12.5"));
    source.CommitEdits();
    QCOMPARE(ds.FieldByName(QStringLiteral("Qty")).AsFloat(), 12.5);
}

void tst_DataSet::dataSourceCombosAndMemos() {
    DataSet ds;
    Fill(ds);
    DataSource source(ds);
    QComboBox code;
    code.addItems({QStringLiteral("SB001"), QStringLiteral("SB002"), QStringLiteral("XY001")});
    QComboBox name;
    name.setEditable(true);
    QPlainTextEdit memo;
    source.Bind(&code, ds.FieldByName(QStringLiteral("Code")));
    source.Bind(&name, ds.FieldByName(QStringLiteral("Name")));
    source.Bind(&memo, ds.FieldByName(QStringLiteral("Name")));
    QCOMPARE(code.currentText(), QStringLiteral("SB001"));
    QCOMPARE(name.currentText(), QStringLiteral("车床"));
    QCOMPARE(memo.toPlainText(), QStringLiteral("车床"));
    QCOMPARE(ds.State(), DataSetState::Browse);  // showing values is not editing

    code.setCurrentIndex(2);
    Q_EMIT code.activated(2);
    memo.setPlainText(QStringLiteral("第一行\n第二行"));
    source.CommitEdits();
    QCOMPARE(ds.FieldByName(QStringLiteral("Code")).AsString(), QStringLiteral("XY001"));
    QCOMPARE(ds.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("第一行\n第二行"));
    ds.Post();

    ds.DisableControls();  // detached editors keep what they show until controls come back
    ds.Next();
    QCOMPARE(code.currentText(), QStringLiteral("XY001"));
    ds.EnableControls();
    QCOMPARE(code.currentText(), QStringLiteral("SB002"));
    QCOMPARE(name.currentText(), QStringLiteral("O'Brien钻床"));
}

QTEST_MAIN(tst_DataSet)
#include "tst_dataset.moc"
