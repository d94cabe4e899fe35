#include "MessageRecorder.h"

#include "ui/ADlgFrm.h"
#include "ui/AInfoDlgFrm.h"
#include "ui/BasicFrm.h"
#include "ui/HelpWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

class TRepairEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    bool valid = false;
    int accepted = 0;

protected:
    void accept() override {
        if (!valid) return;  // stays open, as the system's dialogs do on bad input
        ++accepted;
        TADlgFrm::accept();
    }
};

class FakeNavigation : public TNavigation {
public:
    QList<const TBasicFrm*> windows;
    QStringList captions;
    const TBasicFrm* selected = nullptr;

    int AddWindow(TBasicFrm* window) override {
        windows.append(window);
        captions.append(window->windowTitle());
        return int(windows.size()) - 1;
    }
    int IndexOfWindow(const TBasicFrm* window) const override { return int(windows.indexOf(window)); }
    void SetCaption(int index, const QString& caption) override { captions[index] = caption; }
    void RemoveAt(int index) override {
        windows.removeAt(index);
        captions.removeAt(index);
    }
    void SelectFor(const TBasicFrm* window) override { selected = window; }
};

} // namespace

class tst_BaseWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RefuseUnexpectedMessages(); }
    void helpTopics();
    void f1OpensTheWindowsTopic();
    void placeAtCursor_data();
    void placeAtCursor();
    void edges_data();
    void edges();
    void dialogButtons();
    void dialogStaysOpenOnBadInput();
    void infoDialog();
    void listWindowKeepsNavigationInStep();
};

void tst_BaseWindows::helpTopics() {
    TADlgFrm named;
    named.setObjectName(QStringLiteral("AssetListFrm"));
    QCOMPARE(named.HelpTopic(), QStringLiteral("AssetList"));
    TRepairEditorFrm unnamed;
    QCOMPARE(unnamed.HelpTopic(), QStringLiteral("RepairEditor"));
}

void tst_BaseWindows::f1OpensTheWindowsTopic() {
    TADlgFrm dialog;
    dialog.setObjectName(QStringLiteral("NoSuchTopicFrm"));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    QVERIFY(THelpWindow::Instance());
    QCOMPARE(THelpWindow::Instance()->Topic(), QStringLiteral("NoSuchTopic"));
    QVERIFY(THelpWindow::Instance()->Text().contains(QStringLiteral("还没有帮助内容")));
    THelpWindow::Show(QStringLiteral("index"));
    QVERIFY(THelpWindow::Instance()->Text().contains(QStringLiteral("按 F1")));
    THelpWindow::Instance()->close();
}

void tst_BaseWindows::placeAtCursor_data() {
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("centred on the pointer") << QPoint(500, 400) << QPoint(400, 300);
    QTest::newRow("kept off the left and top") << QPoint(10, 10) << QPoint(0, 0);
    QTest::newRow("20 from the right, 50 from the bottom") << QPoint(1020, 760) << QPoint(804, 518);
}

void tst_BaseWindows::placeAtCursor() {
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, topLeft);
    const QRect placed = TaFrm::PlacedAt(cursor, QSize(200, 200), QRect(0, 0, 1024, 768));
    QCOMPARE(placed.topLeft(), topLeft);
}

void tst_BaseWindows::edges_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("edges");
    const int none = 0;
    QTest::newRow("top-left corner") << QPoint(9, 9) << int(Qt::TopEdge | Qt::LeftEdge);
    QTest::newRow("top-right corner") << QPoint(91, 9) << int(Qt::TopEdge | Qt::RightEdge);
    QTest::newRow("bottom-right corner") << QPoint(91, 91) << int(Qt::BottomEdge | Qt::RightEdge);
    QTest::newRow("bottom-left corner") << QPoint(9, 91) << int(Qt::BottomEdge | Qt::LeftEdge);
    QTest::newRow("left edge") << QPoint(4, 50) << int(Qt::LeftEdge);
    QTest::newRow("top edge") << QPoint(50, 4) << int(Qt::TopEdge);
    QTest::newRow("right edge") << QPoint(96, 50) << int(Qt::RightEdge);
    QTest::newRow("bottom edge") << QPoint(50, 96) << int(Qt::BottomEdge);
    QTest::newRow("inside") << QPoint(50, 50) << none;
    QTest::newRow("just inside the left edge") << QPoint(5, 50) << none;
}

void tst_BaseWindows::edges() {
    QFETCH(QPoint, point);
    QFETCH(int, edges);
    QCOMPARE(int(TaFrm::EdgesAt(point, QSize(100, 100))), edges);
}

void tst_BaseWindows::dialogButtons() {
    TADlgFrm dialog;
    QCOMPARE(dialog.OkButton()->text(), QStringLiteral("确定(&O)"));
    QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("取消"));
    QCOMPARE(dialog.HelpButton()->text(), QStringLiteral("帮助"));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void tst_BaseWindows::dialogStaysOpenOnBadInput() {
    TRepairEditorFrm dialog;
    dialog.show();
    dialog.OkButton()->click();
    QVERIFY(dialog.isVisible());
    dialog.valid = true;
    dialog.OkButton()->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.accepted, 1);
}

void tst_BaseWindows::infoDialog() {
    TAInfoDlgFrm info;
    QCOMPARE(info.CloseButton()->text(), QStringLiteral("关闭"));
    info.show();
    QTest::keyClick(&info, Qt::Key_Escape);
    QVERIFY(!info.isVisible());
}

void tst_BaseWindows::listWindowKeepsNavigationInStep() {
    FakeNavigation nav;
    TNavigation::Install(&nav);
    QPointer<TBasicFrm> window = new TBasicFrm;
    window->setWindowTitle(QStringLiteral("设备台账"));
    QCOMPARE(window->NavigationIndex(), -1);
    window->AddToNavigation();
    QCOMPARE(window->NavigationIndex(), 0);
    window->SetNavigationCaption(QStringLiteral("设备台账(2)"));
    QCOMPARE(nav.captions, QStringList{QStringLiteral("设备台账(2)")});
    window->show();
    QTest::keyClick(window, Qt::Key_Escape);  // a list window is no dialog
    QVERIFY(window && window->isVisible());
    QApplication::setActiveWindow(window);
    QTRY_COMPARE(nav.selected, window.data());
    window->close();  // freed when closed, and its entry goes with it
    QTRY_VERIFY(!window);
    QVERIFY(nav.windows.isEmpty());
    TNavigation::Install(nullptr);
}

QTEST_MAIN(tst_BaseWindows)
#include "tst_basewindows.moc"
