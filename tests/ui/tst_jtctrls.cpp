#include "MessageRecorder.h"

#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSource.h"
#include "ui/ADlgFrm.h"
#include "ui/ImageDlgFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"
#include "ui/jtImageBox.h"
#include "ui/jtPopupMenu.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

// Reads a typed property of the edit; a conversion error comes back as its message.
QVariant Read(const TjtEdit& edit, const QString& property, QString* error) {
    try {
        if (property == u"AsDouble") return edit.AsDouble();
        if (property == u"AsInteger") return edit.AsInteger();
        if (property == u"AsDate") return edit.AsDate();
        if (property == u"AsDateTime") return edit.AsDateTime();
        return edit.AsVariant();
    } catch (const EConvertError& e) {
        *error = e.Message();
        return {};
    }
}

void Write(TjtEdit& edit, const QString& property, const QVariant& value, QString* error) {
    try {
        if (property == u"AsDouble")
            edit.SetAsDouble(value.toDouble());
        else if (property == u"AsInteger")
            edit.SetAsInteger(value.toInt());
        else if (property == u"AsDate")
            edit.SetAsDate(value);
        else if (property == u"AsDateTime")
            edit.SetAsDateTime(value);
        else
            edit.SetAsVariant(value);
    } catch (const EConvertError& e) {
        *error = e.Message();
    }
}

QImage Filled(int width, int height, Qt::GlobalColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor BaseOf(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// A shown, active window with the given inputs in a column, in tab order.
class Form : public QWidget {
public:
    explicit Form(const QList<QWidget*>& inputs) {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* input : inputs)
            layout->addWidget(input);
    }
    bool Open() {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};

} // namespace

class tst_JtCtrls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RefuseUnexpectedMessages(); }
    void keyFilter_data();
    void keyFilter();
    void typedReads_data();
    void typedReads();
    void typedWrites_data();
    void typedWrites();
    void enterMovesToNextInput();
    void focusColours_data();
    void focusColours();
    void pickerValues();
    void uncheckedPickerIsNullThroughDataSource();
    void popupMenuHelpers();
    void pictureFitsFrame_data();
    void pictureFitsFrame();
    void thumbnailsArranged();
    void thumbnailMouse();
    void imageDialog();
    void imageDialogKeepsPictureOnBadFile();
};

void tst_JtCtrls::keyFilter_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("caretHome");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    const int number = etNumber, integer = etInteger, free = etFree;
    // clang-format off
    QTest::newRow("number: 0 after a leading 0") << number << "0" << false << "0" << "0";
    QTest::newRow("number: . after 0") << number << "0" << false << "." << "0.";
    QTest::newRow("number: . into empty") << number << "" << false << "." << "";
    QTest::newRow("number: second .") << number << "12.5" << false << "." << "12.5";
    QTest::newRow("number: an amount") << number << "" << false << "12.50" << "12.50";
    QTest::newRow("number: 0 after the .") << number << "0." << false << "0" << "0.0";
    QTest::newRow("number: 007") << number << "" << false << "007" << "07";
    QTest::newRow("number: 100") << number << "" << false << "100" << "100";
    QTest::newRow("number: minus, letters, blank") << number << "" << false << "-1a 2e" << "12";
    QTest::newRow("number: backspace") << number << "12.5" << false << "\b\b." << "12.";
    QTest::newRow("number: caret ignored for .") << number << "5" << true << "." << ".5";
    QTest::newRow("number: caret ignored for 0") << number << "12" << true << "0" << "012";
    QTest::newRow("integer: . and -") << integer << "" << false << "-1.5" << "15";
    QTest::newRow("integer: leading zeros") << integer << "" << false << "0012" << "0012";
    QTest::newRow("integer: backspace") << integer << "123" << false << "\b" << "12";
    QTest::newRow("free: anything") << free << "" << false << "-a.b 0." << "-a.b 0.";
    // clang-format on
}

void tst_JtCtrls::keyFilter() {
    QFETCH(int, type);
    QFETCH(QString, start);
    QFETCH(bool, caretHome);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    TjtEdit edit;
    edit.SetEditType(TEditType(type));
    edit.setText(start);
    if (caretHome) QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, keys);
    QCOMPARE(edit.text(), text);
}

void tst_JtCtrls::typedReads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("error");
    const QVariant null;
    const QVariant day(QDate(2009, 1, 6));
    const QVariant midnight(QDateTime(QDate(2009, 1, 6), QTime(0, 0)));
    const QVariant morning(QDateTime(QDate(2009, 1, 6), QTime(8, 30, 5)));
    // clang-format off
    QTest::newRow("AsDouble empty") << "" << "AsDouble" << QVariant(0.0) << "";
    QTest::newRow("AsDouble 12.5") << "12.5" << "AsDouble" << QVariant(12.5) << "";
    QTest::newRow("AsDouble abc") << "abc" << "AsDouble" << null << "\"abc\" 不是有效的数字.";
    QTest::newRow("AsInteger empty") << "" << "AsInteger" << QVariant(0) << "";
    QTest::newRow("AsInteger 42") << "42" << "AsInteger" << QVariant(42) << "";
    QTest::newRow("AsInteger 1.5") << "1.5" << "AsInteger" << null << "\"1.5\" 不是有效的整数.";
    QTest::newRow("AsDate empty") << "" << "AsDate" << null << "";
    QTest::newRow("AsDate date") << "2009-01-06" << "AsDate" << day << "";
    QTest::newRow("AsDate short") << "2009-1-6" << "AsDate" << day << "";
    QTest::newRow("AsDate month 13")
        << "2009-13-01" << "AsDate" << null << "\"2009-13-01\" 不是有效的日期.";
    QTest::newRow("AsDate with a time")
        << "2009-01-06 08:30" << "AsDate" << null << "\"2009-01-06 08:30\" 不是有效的日期.";
    QTest::newRow("AsDateTime empty") << "" << "AsDateTime" << null << "";
    QTest::newRow("AsDateTime full") << "2009-01-06 08:30:05" << "AsDateTime" << morning << "";
    QTest::newRow("AsDateTime date") << "2009-01-06" << "AsDateTime" << midnight << "";
    QTest::newRow("AsDateTime abc") << "abc" << "AsDateTime" << null << "\"abc\" 不是有效的日期.";
    QTest::newRow("AsVariant empty") << "" << "AsVariant" << null << "";
    QTest::newRow("AsVariant 3.25") << "3.25" << "AsVariant" << QVariant(3.25) << "";
    QTest::newRow("AsVariant abc, not reworded")
        << "abc" << "AsVariant" << null << "'abc' is not a valid floating point value";
    // clang-format on
}

void tst_JtCtrls::typedReads() {
    QFETCH(QString, text);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, error);
    TjtEdit edit;
    edit.setText(text);
    QString raised;
    const QVariant read = Read(edit, property, &raised);
    QCOMPARE(raised, error);
    if (error.isEmpty()) QCOMPARE(read, value);
    QCOMPARE(edit.text(), text);
}

void tst_JtCtrls::typedWrites_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    const QVariant morning(QDateTime(QDate(2009, 1, 6), QTime(8, 30, 5)));
    const QVariant day(QDate(2009, 1, 6));
    const QVariant abc(QStringLiteral("abc"));
    const QString noDate = QStringLiteral("\"abc\" 不是有效的日期.");
    // clang-format off
    QTest::newRow("AsDouble 0 empties") << "AsDouble" << QVariant(0.0) << "" << "";
    QTest::newRow("AsDouble 12.5") << "AsDouble" << QVariant(12.5) << "12.5" << "";
    QTest::newRow("AsDouble 1/3") << "AsDouble" << QVariant(1.0 / 3) << "0.333333333333333" << "";
    QTest::newRow("AsInteger 0 empties") << "AsInteger" << QVariant(0) << "" << "";
    QTest::newRow("AsInteger -7") << "AsInteger" << QVariant(-7) << "-7" << "";
    QTest::newRow("AsDate null empties") << "AsDate" << QVariant() << "" << "";
    QTest::newRow("AsDate of a date-time") << "AsDate" << morning << "2009-01-06" << "";
    QTest::newRow("AsDate of text") << "AsDate" << QVariant("2009-1-6") << "2009-01-06" << "";
    QTest::newRow("AsDate abc") << "AsDate" << abc << "old" << noDate;
    QTest::newRow("AsDateTime null empties") << "AsDateTime" << QVariant() << "" << "";
    QTest::newRow("AsDateTime date-time") << "AsDateTime" << morning << "2009-01-06 08:30:05" << "";
    QTest::newRow("AsDateTime midnight") << "AsDateTime" << day << "2009-01-06" << "";
    QTest::newRow("AsDateTime abc") << "AsDateTime" << abc << "old" << noDate;
    QTest::newRow("AsVariant null empties") << "AsVariant" << QVariant() << "" << "";
    QTest::newRow("AsVariant 0 shows") << "AsVariant" << QVariant(0) << "0" << "";
    QTest::newRow("AsVariant 2.5") << "AsVariant" << QVariant(2.5) << "2.5" << "";
    // clang-format on
}

void tst_JtCtrls::typedWrites() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QFETCH(QString, error);
    TjtEdit edit;
    edit.setText(QStringLiteral("old"));
    QString raised;
    Write(edit, property, value, &raised);
    QCOMPARE(raised, error);
    QCOMPARE(edit.text(), text);
}

void tst_JtCtrls::enterMovesToNextInput() {
    TADlgFrm dialog;
    auto* name = new TjtEdit;
    auto* kind = new TjtComboBox;
    kind->addItems({QStringLiteral("车床"), QStringLiteral("铣床")});
    auto* place = new TjtComboBox;
    place->setEditable(true);
    auto* qty = new TjtEdit;
    qty->SetEditType(etNumber);
    auto* date = new TjtDateTimePicker;
    auto* note = new TjtEdit;
    note->SetTabOnEnter(false);
    auto* layout = new QVBoxLayout(dialog.Body());
    for (QWidget* w : QList<QWidget*>{name, kind, place, qty, date, note})
        layout->addWidget(w);
    dialog.OkButton()->setDefault(true); // Enter would press it if the inputs let the key through
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    name->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), name);
    QTest::keyClicks(name, QStringLiteral("A"));

    const QList<QWidget*> forward = {kind, place, qty, date};
    for (QWidget* next : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
    qty->setFocus();
    QTest::keyClick(qty, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(QApplication::focusWidget(), date);
    qty->setFocus();
    for (QWidget* previous : QList<QWidget*>{place, kind, name}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
        QTRY_COMPARE(QApplication::focusWidget(), previous);
    }
    QCOMPARE(name->text(), QStringLiteral("A")); // Enter typed nothing
    QCOMPARE(place->currentText(), QString());
    QCOMPARE(place->count(), 0); // nor added the empty text as an item
    QCOMPARE(accepted.count(), 0);

    // Without TabOnEnter the key goes on as usual, here to the default button.
    note->setFocus();
    QSignalSpy returned(note, &QLineEdit::returnPressed);
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(returned.count(), 1);
    QCOMPARE(accepted.count(), 1);
}

void tst_JtCtrls::focusColours_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QColor>("focused");
    QTest::addColumn<QColor>("left");
    const QColor yellow(Qt::yellow);
    const QColor panel(200, 200, 255);
    const QColor system = QApplication::palette("QLineEdit").color(QPalette::Base);
    QTest::newRow("edit") << "edit" << clAqua << yellow;
    QTest::newRow("edit with its own colour on enter") << "edit, own colour" << yellow << yellow;
    QTest::newRow("edit taking its parent's colour") << "edit, parent colour" << panel << panel;
    QTest::newRow("combo box") << "combo" << clAqua << clWhite;
    QTest::newRow("editable combo box") << "combo, editable" << clAqua << clWhite;
    QTest::newRow("date-time picker") << "picker" << clAqua << clWhite;
    QTest::newRow("data-aware edit") << "data-aware edit" << clAqua << system;
    QTest::newRow("read-only data-aware edit") << "read-only data-aware edit" << system << system;
    QTest::newRow("data-aware date edit")
        << "data-aware date" << clAqua
        << QApplication::palette("QDateTimeEdit").color(QPalette::Base);
}

void tst_JtCtrls::focusColours() {
    QFETCH(QString, input);
    QFETCH(QColor, focused);
    QFETCH(QColor, left);
    QWidget* target = nullptr;
    if (input.startsWith(u"edit")) {
        auto* edit = new TjtEdit;
        edit->SetColor(Qt::yellow);
        if (input.contains(u"own")) edit->SetColorOnEnter(edit->Color());
        target = edit;
    } else if (input.contains(u"combo")) {
        auto* combo = new TjtComboBox;
        combo->setEditable(input.endsWith(u"editable"));
        target = combo;
    } else if (input == u"picker") {
        target = new TjtDateTimePicker;
    } else if (input == u"data-aware date") {
        target = new QDateTimeEdit;
        InstallFocusColour(target);
    } else {
        auto* edit = new QLineEdit;
        edit->setReadOnly(input.startsWith(u"read-only"));
        InstallFocusColour(edit);
        target = edit;
    }
    auto* other = new QLineEdit;
    Form form({target, other});
    QPalette panel = form.palette();
    panel.setColor(QPalette::Window, QColor(200, 200, 255));
    form.setPalette(panel);
    if (input.contains(u"parent")) static_cast<TjtEdit*>(target)->SetParentColor(true);
    QVERIFY(form.Open());

    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QCOMPARE(BaseOf(target), focused);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(BaseOf(target), left);
    if (auto* combo = qobject_cast<QComboBox*>(target)) QVERIFY(!combo->completer());
}

void tst_JtCtrls::pickerValues() {
    TjtDateTimePicker picker;
    QVERIFY(!picker.Checked()); // created unchecked, on the current date and time
    QVERIFY(qAbs(picker.dateTime().secsTo(QDateTime::currentDateTime())) < 5);
    QVERIFY(picker.AsDateTime().isValid()); // without its check box it always has a value

    const QDateTime morning(QDate(2009, 1, 6), QTime(8, 30, 5));
    picker.SetAsDate(morning); // any of the three sets the full date and time
    QCOMPARE(picker.AsDateTime(), QVariant(morning));
    QCOMPARE(picker.AsDate(), QVariant(QDate(2009, 1, 6)));
    QCOMPARE(picker.AsTime(), QVariant(QTime(8, 30, 5)));
    picker.SetAsDateTime(QVariant()); // null without a check box: now
    QVERIFY(qAbs(picker.dateTime().secsTo(QDateTime::currentDateTime())) < 5);

    TjtDateTimePicker boxed; // created unchecked: with its check box shown it reads null
    boxed.SetShowCheckbox(true);
    QVERIFY(boxed.CheckBox()->isVisibleTo(&boxed));
    for (const QVariant& v : {boxed.AsDate(), boxed.AsTime(), boxed.AsDateTime()})
        QVERIFY(!v.isValid());
    boxed.SetAsTime(morning);
    QVERIFY(boxed.Checked());
    QCOMPARE(boxed.AsTime(), QVariant(QTime(8, 30, 5)));
    boxed.SetAsDate(QVariant());
    QVERIFY(!boxed.Checked());
    QCOMPARE(boxed.dateTime(), morning); // the date stays, greyed, to be picked again
    QVERIFY(!boxed.AsDateTime().isValid());
}

void tst_JtCtrls::uncheckedPickerIsNullThroughDataSource() {
    DataSet ds;
    ds.AddField(FieldKind::Integer, QStringLiteral("Id"));
    ds.AddField(FieldKind::DateTime, QStringLiteral("BuyDate"));
    ds.BeginLoad();
    std::vector<QVariant> row = {1, QStringLiteral("2009-01-06 08:30:00")};
    ds.LoadRow(row);
    row = {2, QVariant()};
    ds.LoadRow(row);
    ds.EndLoad();
    Field& buyDate = ds.FieldByName(QStringLiteral("BuyDate"));
    const QDateTime bought(QDate(2009, 1, 6), QTime(8, 30));

    DataSource source(ds);
    TjtDateTimePicker picker;
    picker.SetShowCheckbox(true);
    source.Bind(&picker, buyDate);
    QVERIFY(picker.Checked());
    QCOMPARE(picker.AsDateTime(), QVariant(bought));
    QCOMPARE(ds.State(), DataSetState::Browse); // showing a value is not editing

    ds.SetRecNo(2);
    QVERIFY(!picker.Checked());
    for (const QVariant& v : {picker.AsDate(), picker.AsTime(), picker.AsDateTime()})
        QVERIFY(!v.isValid());

    picker.CheckBox()->click(); // ticking the box gives the field the shown date
    QCOMPARE(ds.State(), DataSetState::Edit);
    ds.Post();
    QCOMPARE(buyDate.AsDateTime(), picker.dateTime());

    ds.SetRecNo(1);
    QCOMPARE(picker.AsDateTime(), QVariant(bought));
    picker.CheckBox()->click(); // clearing it writes null
    QCOMPARE(ds.State(), DataSetState::Edit);
    ds.Post();
    QVERIFY(buyDate.IsNull());
    QVERIFY(!picker.Checked());
    // A date picked in a cleared picker ticks it.

    picker.setDateTime(bought.addDays(1));
    QVERIFY(picker.Checked());
    source.CommitEdits();
    QCOMPARE(buyDate.AsDateTime(), bought.addDays(1));
}

void tst_JtCtrls::popupMenuHelpers() {
    auto owner = std::make_unique<QObject>();
    QPointer<QAction> open = new QAction(QStringLiteral("打开"), owner.get());
    QPointer<QAction> rename = new QAction(QStringLiteral("重命名"), owner.get());
    TjtPopupMenu menu;
    int added = 0;
    QAction* add = menu.AddMenuItem(QStringLiteral("添加"), false, [&added] { ++added; });
    menu.AddActionItem(open, 0);
    menu.AddMenuItem(QStringLiteral("-"), false, nullptr);
    menu.AddMenuItem(QStringLiteral("删除"), false, nullptr);
    QPointer<QAction> top = menu.AddMenuItem(QStringLiteral("刷新"), true, nullptr);
    QPointer<QAction> line = menu.InsertSeparator(2);
    QStringList captions;
    for (QAction* a : menu.actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(captions, (QStringList{"刷新", "打开", "-", "添加", "-", "删除"}));
    add->trigger();
    QCOMPARE(added, 1);

    QPointer<QAction> more = menu.AddMenuItem(QStringLiteral("更多"), false, nullptr);
    menu.AddActionItem(rename, -1, more);
    QVERIFY(more->menu());
    QCOMPARE(more->menu()->actions(), QList<QAction*>{rename.data()});

    menu.ClearItems();
    QVERIFY(menu.actions().isEmpty());
    QVERIFY(!top && !line && !more); // the menu's own items are gone
    QVERIFY(open && rename);         // bound actions stay with their owner
}

void tst_JtCtrls::pictureFitsFrame_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("wide: 400 x 100") << QSize(400, 100) << QSize(104, 26);
    QTest::newRow("tall: 100 x 400") << QSize(100, 400) << QSize(21, 84);
    QTest::newRow("equal ratios fill the height") << QSize(208, 168) << QSize(104, 84);
    QTest::newRow("ratios rounding alike fill the height") << QSize(150, 100) << QSize(126, 84);
    QTest::newRow("small pictures are enlarged") << QSize(50, 40) << QSize(105, 84);
}

void tst_JtCtrls::pictureFitsFrame() {
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    QCOMPARE(TjtPhoto::FitPicture(picture, QSize(120, 100)), shown);
}

void tst_JtCtrls::thumbnailsArranged() {
    TjtImageBox box;
    box.resize(600, 160);
    box.show();
    TjtPhoto* wide =
        box.AddImage(Filled(400, 100, Qt::red), QStringLiteral("正面"), 7, QStringLiteral(".jpg"));
    box.AddImage(Filled(100, 400, Qt::green), QStringLiteral("侧面"), 8, QStringLiteral(".png"));
    box.AddImage(Filled(64, 64, Qt::blue), QStringLiteral("铭牌"), 9, QStringLiteral(".bmp"));
    QCOMPARE(wide->Tag(), 7);
    QCOMPARE(wide->Ext(), QStringLiteral(".jpg"));
    QCOMPARE(wide->Caption(), QStringLiteral("正面"));
    for (const TjtPhoto* p : box.Photos())
        QVERIFY(!p->Frame()->isVisible()); // until arranged

    box.Arrange();
    QList<int> lefts;
    for (const TjtPhoto* p : box.Photos()) {
        lefts << p->Left();
        QCOMPARE(p->Top(), 10);
        QCOMPARE(p->Frame()->geometry(), QRect(p->Left(), 10, 120, 100));
        QCOMPARE(p->SelectionRect()->geometry(), QRect(p->Left() + 1, 11, 118, 98));
        QCOMPARE(p->CaptionLabel()->geometry(), QRect(p->Left() + 1, 108, 119, 17));
        QVERIFY(p->Image()->isVisible());
    }
    QCOMPARE(lefts, (QList<int>{10, 150, 290}));
    QCOMPARE(wide->Image()->geometry(), QRect(10 + 8, 10 + 37, 104, 26));
    QCOMPARE(box.Photos()[1]->Image()->geometry(), QRect(150 + 49, 10 + 8, 21, 84));

    box.resize(200, 160); // the strip scrolls sideways
    QTRY_VERIFY(box.horizontalScrollBar()->maximum() > 0);

    QSignalSpy changed(&box, &TjtImageBox::OnSelectChange);
    box.ClearImages();
    QVERIFY(box.Photos().isEmpty());
    QCOMPARE(changed.count(), 1);
}

void tst_JtCtrls::thumbnailMouse() {
    TjtImageBox box;
    box.resize(600, 160);
    box.ItemMenu()->AddMenuItem(QStringLiteral("打开"), false, nullptr);
    box.BackgroundMenu()->AddMenuItem(QStringLiteral("添加"), false, nullptr);
    TjtPhoto* first = box.AddImage(Filled(400, 100, Qt::red), QStringLiteral("正面"), 1, ".jpg");
    TjtPhoto* second = box.AddImage(Filled(100, 100, Qt::blue), QStringLiteral("背面"), 2, ".jpg");
    box.Arrange();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy changed(&box, &TjtImageBox::OnSelectChange);
    QSignalSpy opened(&box, &TjtImageBox::OnPhotoDblClick);
    QSignalSpy clicked(second, &TjtPhoto::OnClick);

    // Right-clicking an unselected thumbnail selects it before its menu appears.
    TjtPhoto* selectedWhenShown = nullptr;
    connect(box.ItemMenu(), &QMenu::aboutToShow, this,
            [&] { selectedWhenShown = box.SelectedPhoto(); });
    const QPoint at(20, 10);
    QTest::mousePress(first->Image(), Qt::RightButton, {}, at);
    QCOMPARE(selectedWhenShown, first);
    QVERIFY(box.ItemMenu()->isVisible());
    QCOMPARE(box.ItemMenu()->pos(), first->Image()->mapToGlobal(at) + QPoint(10, 15));
    box.ItemMenu()->hide();
    QCOMPARE(changed.count(), 1);

    QTest::mouseClick(second->Image(), Qt::LeftButton);
    QCOMPARE(box.SelectedPhoto(), second);
    QVERIFY(!first->Selected());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(changed.count(), 2);
    QTest::mousePress(second->SelectionRect(), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(changed.count(), 2); // already selected: nothing changes
    QTest::mouseDClick(second->SelectionRect(), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().value<TjtPhoto*>(), second);

    QTest::mousePress(second->CaptionLabel(), Qt::LeftButton); // the caption does nothing
    QCOMPARE(box.SelectedPhoto(), second);
    QCOMPARE(changed.count(), 2);

    QTest::mousePress(box.Canvas(), Qt::RightButton, {}, QPoint(300, 140));
    QVERIFY(box.BackgroundMenu()->isVisible());
    box.BackgroundMenu()->hide();
    QCOMPARE(box.SelectedPhoto(), second); // only the left button deselects
    QCOMPARE(changed.count(), 3);
    QTest::mousePress(box.Canvas(), Qt::LeftButton, {}, QPoint(300, 140));
    QCOMPARE(box.SelectedPhoto(), nullptr);
    QCOMPARE(changed.count(), 4);

    box.SetAllSelected(true);
    QVERIFY(first->Selected() && second->Selected());
}

void tst_JtCtrls::imageDialog() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("plate.png"));
    const QString jpeg = dir.filePath(QStringLiteral("FRONT.JPG"));
    QVERIFY(Filled(500, 400, Qt::red).save(png));
    QVERIFY(Filled(60, 40, Qt::blue).save(jpeg, "JPG"));
    QString chosen;
    QList<PictureFileMode> asked;
    const PictureFileChooser previous =
        SetPictureFileChooser([&](QWidget*, PictureFileMode mode, const QString& filter) {
            asked << mode;
            [&] { QCOMPARE(filter, TImageDlgFrm::PictureFilter); }();
            return chosen;
        });

    TImageDlgFrm dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("图像"));
    QStringList buttons;
    const auto* tools = dialog.findChild<QToolBar*>();
    QVERIFY(tools);
    for (QAction* a : tools->actions())
        buttons << (a->isSeparator() ? QStringLiteral("|") : a->text());
    QCOMPARE(buttons, (QStringList{"载入    ", "输出", "清除", "|", "取消", "确定"}));
    dialog.resize(400, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    chosen = png;
    QTest::mouseClick(tools->widgetForAction(dialog.LoadAction()), Qt::LeftButton);
    QCOMPARE(dialog.Picture().size(), QSize(500, 400));
    QCOMPARE(dialog.Ext(), QStringLiteral(".png"));
    QCOMPARE(dialog.Image()->size(), QSize(500, 400));
    QCOMPARE(dialog.size(), QSize(530, 500)); // picture width + 30, height + 100

    chosen = jpeg;
    dialog.LoadAction()->trigger();
    QCOMPARE(dialog.Picture().size(), QSize(60, 40));
    QCOMPARE(dialog.Ext(), QStringLiteral(".jpg"));
    QCOMPARE(dialog.size(), QSize(530, 500)); // never shrinks

    chosen = dir.filePath(QStringLiteral("copy")); // saved under exactly that name
    dialog.SaveAction()->trigger();
    QImage saved;
    QVERIFY(saved.load(chosen, "JPG"));
    QCOMPARE(saved.size(), QSize(60, 40));

    chosen.clear(); // a cancelled file dialog changes nothing
    dialog.LoadAction()->trigger();
    QCOMPARE(dialog.Picture().size(), QSize(60, 40));
    QCOMPARE(asked, (QList<PictureFileMode>{PictureFileMode::Open, PictureFileMode::Open,
                                            PictureFileMode::Save, PictureFileMode::Open}));

    dialog.ClearAction()->trigger();
    QVERIFY(dialog.Picture().isNull());
    QCOMPARE(dialog.Ext(), QStringLiteral(".jpg"));
    dialog.SetPicture(Filled(20, 20, Qt::green));
    dialog.OkAction()->trigger();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Picture().size(), QSize(20, 20)); // kept for the next showing
    dialog.show();
    dialog.CancelAction()->trigger();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    SetPictureFileChooser(previous);
}

void tst_JtCtrls::imageDialogKeepsPictureOnBadFile() {
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    TImageDlgFrm dialog;
    dialog.SetPicture(Filled(30, 30, Qt::red));
    dialog.SetExt(QStringLiteral(".bmp"));
    QVERIFY_THROWS_EXCEPTION(Exception, dialog.LoadFromFile(bad));
    QCOMPARE(dialog.Picture().size(), QSize(30, 30));
    QCOMPARE(dialog.Ext(), QStringLiteral(".bmp"));
}

QTEST_MAIN(tst_JtCtrls)
#include "tst_jtctrls.moc"
