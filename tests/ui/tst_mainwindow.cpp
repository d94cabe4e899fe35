#include "ModalDialogs.h"
#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "ui/HelpWindow.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"
#include "ui/mainTab.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

namespace {

QStringList g_closed;

// List windows of the kinds the main window opens; each notes when it closes.
class LedgerWindow : public TBasicFrm {
    Q_OBJECT
public:
    explicit LedgerWindow(QWidget* parent = nullptr) : TBasicFrm(parent) {
        setWindowTitle(QStringLiteral("设备台账"));
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        g_closed.append(windowTitle());
        TBasicFrm::closeEvent(event);
    }
};

class RepairWindow : public LedgerWindow {
    Q_OBJECT
public:
    explicit RepairWindow(QWidget* parent = nullptr) : LedgerWindow(parent) {
        setWindowTitle(QStringLiteral("设备维修"));
    }
};

class AnalysisWindow : public LedgerWindow {
    Q_OBJECT
public:
    explicit AnalysisWindow(QWidget* parent = nullptr) : LedgerWindow(parent) {
        setWindowTitle(QStringLiteral("事故分析"));
    }
};

QMenu* TopMenu(const TmainFrm& main, const QString& title) {
    for (QAction* action : main.menuBar()->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}

QStringList Titles(const QList<QAction*>& actions, bool visibleOnly = true) {
    QStringList titles;
    for (const QAction* action : actions)
        if (!action->isSeparator() && (!visibleOnly || action->isVisible()))
            titles.append(action->text());
    return titles;
}

QAction* Entry(const TmainFrm& main, const QString& menu, const QString& caption) {
    const QMenu* top = TopMenu(main, menu);
    if (!top) return nullptr;
    for (QAction* action : top->actions())
        if (action->text() == caption) return action;
    return nullptr;
}

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT
public:
    explicit tst_MainWindow(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void captionPicturesAndSwitches();
    void menus_data();
    void menus();
    void laterCommandsTakeTheirPlaces();
    void linkMenus_data();
    void linkMenus();
    void gatedCommands_data();
    void gatedCommands();
    void openChildBringsTheOpenWindowForward();
    void navigationList();
    void closeChildrenLastToFirst();
    void tabBarFollowsTheWindows();
    void loginReplacesTheWindows();
    void dateCaption_data();
    void dateCaption();
    void desktopPrograms_data();
    void desktopPrograms();
    void helpAndAddresses_data();
    void helpAndAddresses();
    void close_data();
    void close();

private:
    TmainFrm& Main();
    void AddWindows();

    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TmainFrm> m_main;
    QList<QUrl> m_opened;
    QStringList m_started;
    QStringList m_looked;
};

void tst_MainWindow::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    CurrentOperator.LoginId = QStringLiteral("sa");
    CurrentOperator.Rights.clear();
    g_closed.clear();
    m_opened.clear();
    m_started.clear();
    m_looked.clear();
}

void tst_MainWindow::cleanup() {
    m_main.reset();
    ProcessDeletes();
    m_db.reset();
}

TmainFrm& tst_MainWindow::Main() {
    if (!m_main) {
        m_main = std::make_unique<TmainFrm>();
        m_main->SetDesktop({[this](const QStringList& names) {
                                m_looked = names;
                                return QString();
                            },
                            [this](const QString& program) {
                                m_started.append(program);
                                return true;
                            },
                            [this](const QUrl& url) {
                                m_opened.append(url);
                                return true;
                            }});
        m_main->show();
    }
    return *m_main;
}

// The ledger, the repair list (a navigation entry) and the accident analysis (a window that
// adds itself to the list), as the equipment and maintenance windows will be added.
void tst_MainWindow::AddWindows() {
    TmainFrm& main = Main();
    main.AddWindowAction(TMainSlot::AccidentCount, QStringLiteral("事故分析"),
                         TImages::AccidentCount, TWindowClass::Of<AnalysisWindow>(), true);
    main.AddWindowAction(TMainSlot::RepairList, QStringLiteral("设备维修"), TImages::Repair,
                         TWindowClass::Of<RepairWindow>());
    main.AddWindowAction(TMainSlot::Asset, QStringLiteral("设备台账"), TImages::Asset,
                         TWindowClass::Of<LedgerWindow>());
}

void tst_MainWindow::captionPicturesAndSwitches() {
    TmainFrm& main = Main();
    QCOMPARE(main.windowTitle(), QStringLiteral("澜岳设备管理系统 - 工业版 2.45"));
    QVERIFY(main.isMaximized());
    // No pictures beside the test program: the program's own copies stand in.
    QCOMPARE(main.TitlePicture()->pixmap().height(), 40);
    QCOMPARE(main.TitleRightPicture()->pixmap().height(), 40);
    QCOMPARE(main.DateLabel()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(main.NavigationPanel()->width(), 121);
    QCOMPARE(main.Command(TMainSlot::HelpFile)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));

    QAction* navigation = main.Pub().menuTreeAction1;
    QAction* tabs = main.Pub().mainTabAction1;
    QCOMPARE(navigation->text(), QStringLiteral("导航栏"));
    QCOMPARE(tabs->text(), QStringLiteral("任务栏"));
    QVERIFY(navigation->isChecked());
    QVERIFY(!tabs->isChecked());
    QVERIFY(main.TabBar()->isHidden());
    tabs->trigger();
    QVERIFY(tabs->isChecked());
    QVERIFY(main.TabBar()->isVisible());
    navigation->trigger();
    QVERIFY(!navigation->isChecked());
    QVERIFY(main.NavigationPanel()->isHidden());
    std::unique_ptr<QMenu> popup(main.createPopupMenu());
    QCOMPARE(Titles(popup->actions()),
             (QStringList{QStringLiteral("导航栏"), QStringLiteral("任务栏")}));
}

void tst_MainWindow::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("file") << QStringLiteral("文件(&F)")
                          << QStringList{
                                 QStringLiteral("公司信息"),         QStringLiteral("操作员及权限"),
                                 QStringLiteral("设备权限控制设置"), QStringLiteral("重新登陆"),
                                 QStringLiteral("更改我的登陆密码"), QStringLiteral("退出系统")};
    QTest::newRow("tools") << QStringLiteral("工具(&T)")
                           << QStringList{QStringLiteral("记事本"), QStringLiteral("计算器")};
    QTest::newRow("help") << QStringLiteral("帮助(&H)")
                          << QStringList{QStringLiteral("帮助文件"),
                                         QStringLiteral("常见问题"),
                                         QStringLiteral("自述文件"),
                                         QStringLiteral("最新功能"),
                                         QStringLiteral("浏览官方网站"),
                                         QStringLiteral("发送电子邮件给作者")};
    QTest::newRow("equipment, still empty") << QStringLiteral("设备(&B)") << QStringList();
    QTest::newRow("spare parts, still empty") << QStringLiteral("备件(&J)") << QStringList();
    QTest::newRow("documents, still empty") << QStringLiteral("文档(&D)") << QStringList();
}

void tst_MainWindow::menus() {
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    const TmainFrm& main = Main();
    QCOMPARE(Titles(main.menuBar()->actions(), false),
             (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("设备(&B)"),
                          QStringLiteral("备件(&J)"), QStringLiteral("工具(&T)"),
                          QStringLiteral("文档(&D)"), QStringLiteral("帮助(&H)")}));
    const QMenu* top = TopMenu(main, menu);
    QVERIFY(top);
    QCOMPARE(Titles(top->actions()), entries);
    // A menu with nothing in it yet is not shown.
    QCOMPARE(top->menuAction()->isVisible(), !entries.isEmpty());
}

void tst_MainWindow::laterCommandsTakeTheirPlaces() {
    TmainFrm& main = Main();
    const auto nothing = [] {};
    // Added in any order, each lands at its place.
    main.AddCommand(TMainSlot::Backup, QStringLiteral("自动备份与恢复"), 9, nothing);
    main.AddCommand(TMainSlot::OperatorLog, QStringLiteral("操作日志"), TmainFrm::NoRight, nothing);
    main.AddCommand(TMainSlot::Options, QStringLiteral("选项"), 107, nothing);
    main.AddWindowAction(TMainSlot::Partinstail, QStringLiteral("备件申购"), TImages::Partinstail,
                         TWindowClass::Of<AnalysisWindow>());
    AddWindows();
    QCOMPARE(Titles(TopMenu(main, QStringLiteral("文件(&F)"))->actions()),
             (QStringList{QStringLiteral("公司信息"), QStringLiteral("操作员及权限"),
                          QStringLiteral("设备权限控制设置"), QStringLiteral("操作日志"),
                          QStringLiteral("选项"), QStringLiteral("自动备份与恢复"),
                          QStringLiteral("重新登陆"), QStringLiteral("更改我的登陆密码"),
                          QStringLiteral("退出系统")}));
    const QMenu* equipment = TopMenu(main, QStringLiteral("设备(&B)"));
    QVERIFY(equipment->menuAction()->isVisible());
    QCOMPARE(Titles(equipment->actions()),
             (QStringList{QStringLiteral("设备台账"), QStringLiteral("设备维修"),
                          QStringLiteral("事故分析")}));
    const QMenu* parts = TopMenu(main, QStringLiteral("备件(&J)"));
    QCOMPARE(Titles(parts->actions()), QStringList{QStringLiteral("备件申购")});
    const QMenu* submenu =
        Entry(main, QStringLiteral("备件(&J)"), QStringLiteral("备件申购"))->menu();
    QVERIFY(submenu);
    QCOMPARE(Titles(submenu->actions()), QStringList{QStringLiteral("备件申购")});

    // The navigation list keeps the system's order, whatever the order of adding.
    const TjtListboxNav* list = main.NavigationList();
    QCOMPARE(list->Captions(), (QStringList{QStringLiteral("设备台账"), QStringLiteral("设备维修"),
                                            QStringLiteral("备件申购")}));
    QCOMPARE(list->ImageIndexAt(0), int(TImages::Asset));
    QVERIFY(list->NavItemAt(1));

    // A place holds one command.
    main.AddWindowAction(TMainSlot::RepairList, QStringLiteral("设备维修"), TImages::Repair,
                         TWindowClass::Of<RepairWindow>());
    QCOMPARE(list->count(), 3);
    QCOMPARE(Titles(equipment->actions()).count(QStringLiteral("设备维修")), 1);
}

void tst_MainWindow::linkMenus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("tools");
    QTest::newRow("tool links") << QStringLiteral("工具(&T)") << true;
    QTest::newRow("documents") << QStringLiteral("文档(&D)") << false;
}

void tst_MainWindow::linkMenus() {
    QFETCH(QString, menu);
    QFETCH(bool, tools);
    TmainFrm& main = Main();
    QList<TLinkEntry> entries{{7, QStringLiteral("图纸库"), QStringLiteral("共享的设备图纸")},
                              {9, QStringLiteral("供应商名录"), QString()}};
    QList<int> opened;
    const TLinkMenu source{[&] { return entries; }, [&](int key) { opened.append(key); }};
    if (tools)
        main.SetToolLinks(source);
    else
        main.SetDocuments(source);
    const QMenu* top = TopMenu(main, menu);
    QVERIFY(top->menuAction()->isVisible());
    const QStringList fixed =
        tools ? QStringList{QStringLiteral("记事本"), QStringLiteral("计算器")} : QStringList();
    QCOMPARE(Titles(top->actions()),
             (fixed + QStringList{QStringLiteral("图纸库"), QStringLiteral("供应商名录")}));
    QAction* drawings = top->actions().at(top->actions().size() - 2);
    QCOMPARE(drawings->data().toInt(), 7);
    QCOMPARE(drawings->toolTip(), QStringLiteral("共享的设备图纸"));
    top->actions().constLast()->trigger();
    QCOMPARE(opened, QList<int>{9});

    // A rebuild replaces the entries after the line.
    entries.removeFirst();
    if (tools)
        main.RebuildToolMenu();
    else
        main.RebuildDocumentMenu();
    QCOMPARE(Titles(top->actions()), fixed + QStringList{QStringLiteral("供应商名录")});
    entries.clear();
    if (tools)
        main.RebuildToolMenu();
    else
        main.RebuildDocumentMenu();
    QCOMPARE(Titles(top->actions()), fixed);
    QCOMPARE(top->menuAction()->isVisible(), tools);
}

void tst_MainWindow::gatedCommands_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("company") << QStringLiteral("文件(&F)") << QStringLiteral("公司信息") << 10000
                             << QStringLiteral("TCompanyInfoFrm");
    QTest::newRow("operators") << QStringLiteral("文件(&F)") << QStringLiteral("操作员及权限")
                               << 100001 << QStringLiteral("TOperatorsFrm");
    QTest::newRow("code rights") << QStringLiteral("文件(&F)") << QStringLiteral("设备权限控制设置")
                                 << 110 << QStringLiteral("TCodeRightEditorFrm");
}

void tst_MainWindow::gatedCommands() {
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(int, right);
    QFETCH(QString, dialog);
    TmainFrm& main = Main();
    QAction* command = Entry(main, menu, entry);
    QVERIFY(command);
    {
        CurrentOperator.LoginId = QStringLiteral("op");
        MessageRecorder messages;
        ModalCloser closer;
        command->trigger();
        QCOMPARE(messages.Texts().size(), 1);
        QVERIFY(messages.Last().contains(
            QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right)));
        QVERIFY(closer.Opened().isEmpty());
    }
    {
        CurrentOperator.LoginId = QStringLiteral("sa");
        ModalCloser closer;
        command->trigger();
        QCOMPARE(closer.Opened(), QStringList{dialog});
    }
}

void tst_MainWindow::openChildBringsTheOpenWindowForward() {
    TmainFrm& main = Main();
    AddWindows();
    QAction* ledger = main.Command(TMainSlot::Asset);
    QAction* analysis = main.Command(TMainSlot::AccidentCount);
    ledger->trigger();
    QCOMPARE(main.Children().size(), 1);
    QPointer<TBasicFrm> first = main.Children().constFirst();
    QVERIFY(first->parentWidget()->isMaximized());
    analysis->trigger();
    QCOMPARE(main.ClientArea()->activeSubWindow()->widget()->windowTitle(),
             QStringLiteral("事故分析"));
    ledger->trigger();
    QCOMPARE(main.Children().size(), 2);
    QCOMPARE(main.Children().constFirst(), first.data());
    QCOMPARE(main.ClientArea()->activeSubWindow()->widget(), first.data());

    // The analysis adds itself to the navigation list, but only when it is opened.
    const QStringList withAnalysis{QStringLiteral("设备台账"), QStringLiteral("设备维修"),
                                   QStringLiteral("事故分析")};
    QCOMPARE(main.NavigationList()->Captions(), withAnalysis);
    analysis->trigger();
    QCOMPARE(main.Children().size(), 2);
    QCOMPARE(main.NavigationList()->Captions(), withAnalysis);
    QVERIFY(!main.OpenChild<LedgerWindow>());

    // A minimised window is still open: it comes back instead of a second one.
    first->parentWidget()->showMinimized();
    ledger->trigger();
    QCOMPARE(main.Children().size(), 2);
    QVERIFY(!first->parentWidget()->isMinimized());

    // A window derived from the ledger's class is another kind of window.
    main.Command(TMainSlot::RepairList)->trigger();
    QCOMPARE(main.Children().size(), 3);
}

void tst_MainWindow::navigationList() {
    TmainFrm& main = Main();
    AddWindows();
    TjtListboxNav* list = main.NavigationList();
    QCOMPARE(list->Captions(),
             (QStringList{QStringLiteral("设备台账"), QStringLiteral("设备维修")}));
    const auto click = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    QCOMPARE(list->visualItemRect(list->item(0)).height(), TjtListboxNav::ItemHeight);

    click(1); // no repair window yet: one opens, without an entry of its own
    QCOMPARE(main.Children().size(), 1);
    auto* repairs = qobject_cast<RepairWindow*>(main.Children().constFirst());
    QVERIFY(repairs);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 1);

    main.Command(TMainSlot::AccidentCount)->trigger();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentRow(), 2);
    click(1); // the repair window is open: it comes forward
    QCOMPARE(main.Children().size(), 2);
    QCOMPARE(main.ClientArea()->activeSubWindow()->widget(), repairs);
    QCOMPARE(list->currentRow(), 1);
    click(2); // a window's own entry brings it forward
    QCOMPARE(main.ClientArea()->activeSubWindow()->widget()->windowTitle(),
             QStringLiteral("事故分析"));
    QCOMPARE(list->currentRow(), 2);

    // An action entry runs its action.
    QAction action(QStringLiteral("计算器"));
    int runs = 0;
    connect(&action, &QAction::triggered, this, [&runs] { ++runs; });
    const int row = list->AddActionItem(&action);
    click(row);
    QCOMPARE(runs, 1);

    // A window that closes itself is closed at once, and its entry goes with it.
    main.ClientArea()->activeSubWindow()->widget()->close();
    QCOMPARE(main.Children(), QList<TBasicFrm*>{repairs});
    ProcessDeletes();
    QCOMPARE(list->Captions(), (QStringList{QStringLiteral("设备台账"), QStringLiteral("设备维修"),
                                            QStringLiteral("计算器")}));
}

void tst_MainWindow::closeChildrenLastToFirst() {
    TmainFrm& main = Main();
    AddWindows();
    main.Command(TMainSlot::Asset)->trigger();
    main.Command(TMainSlot::RepairList)->trigger();
    main.Command(TMainSlot::AccidentCount)->trigger();
    QList<QPointer<TBasicFrm>> windows;
    for (TBasicFrm* window : main.Children())
        windows.append(window);
    QCOMPARE(windows.size(), 3);
    main.CloseChildren();
    QVERIFY(main.Children().isEmpty());
    QCOMPARE(g_closed, (QStringList{QStringLiteral("事故分析"), QStringLiteral("设备维修"),
                                    QStringLiteral("设备台账")}));
    ProcessDeletes();
    for (const QPointer<TBasicFrm>& window : windows)
        QVERIFY(!window);
    QVERIFY(main.ClientArea()->subWindowList().isEmpty());
    QCOMPARE(main.NavigationList()->count(), 2);
    QCOMPARE(main.TabBar()->count(), 0);
}

void tst_MainWindow::tabBarFollowsTheWindows() {
    TmainFrm& main = Main();
    AddWindows();
    main.Pub().mainTabAction1->trigger();
    TmainTab* tabs = main.TabBar();
    QCOMPARE(tabs->height(), TmainTab::BarHeight);
    main.Command(TMainSlot::Asset)->trigger();
    main.Command(TMainSlot::RepairList)->trigger();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("设备台账"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("设备维修"));
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(tabs->tabRect(0).height(), TmainTab::TabHeight);

    main.Command(TMainSlot::Asset)->trigger();
    QCOMPARE(tabs->currentIndex(), 0);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(main.ClientArea()->activeSubWindow()->widget()->windowTitle(),
             QStringLiteral("设备维修"));
    main.Children().constLast()->setWindowTitle(QStringLiteral("设备维修(2)"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("设备维修(2)"));

    // The pop-up menu belongs to the current tab only.
    QTest::mouseClick(tabs, Qt::RightButton, {}, tabs->tabRect(0).center());
    QVERIFY(!tabs->PopupMenu()->isVisible());
    QTest::mouseClick(tabs, Qt::RightButton, {}, tabs->tabRect(1).center());
    QVERIFY(tabs->PopupMenu()->isVisible());
    QCOMPARE(Titles(tabs->PopupMenu()->actions()), QStringList{QStringLiteral("关闭")});
    tabs->PopupMenu()->actions().constFirst()->trigger();
    tabs->PopupMenu()->close();
    QCOMPARE(g_closed, QStringList{QStringLiteral("设备维修(2)")});
    ProcessDeletes();
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(main.Children().size(), 1);
}

void tst_MainWindow::loginReplacesTheWindows() {
    TmainFrm& main = Main();
    AddWindows();
    QString answer; // the login name of an accepted login; empty to cancel
    int shown = 0;
    main.SetLoginDialog([&](QWidget*) {
        ++shown;
        if (answer.isEmpty()) return false;
        CurrentOperator.LoginId = answer;
        return true;
    });
    Restrictions.ValueVisible = true;
    answer = QStringLiteral("op");
    QVERIFY(main.Login());
    QCOMPARE(Restrictions.ValueVisible, false); // op has no restrictions row
    QCOMPARE(main.DateLabel()->text(),
             TmainFrm::DateCaption(QStringLiteral("op"), QDate::currentDate()));
    QCOMPARE(main.Children().size(), 1);
    QPointer<TBasicFrm> ledger = main.Children().constFirst();
    QVERIFY(qobject_cast<LedgerWindow*>(ledger));
    main.Command(TMainSlot::RepairList)->trigger();

    answer.clear(); // a cancelled re-login changes nothing
    main.Command(TMainSlot::Relogin)->trigger();
    QCOMPARE(shown, 2);
    QCOMPARE(main.Children().size(), 2);
    QCOMPARE(main.DateLabel()->text(),
             TmainFrm::DateCaption(QStringLiteral("op"), QDate::currentDate()));

    answer = QStringLiteral("sa");
    main.Command(TMainSlot::Relogin)->trigger();
    QCOMPARE(g_closed, (QStringList{QStringLiteral("设备维修"), QStringLiteral("设备台账")}));
    QCOMPARE(main.Children().size(), 1);
    QVERIFY(main.Children().constFirst() != ledger.data());
    QVERIFY(qobject_cast<LedgerWindow*>(main.Children().constFirst()));
    QCOMPARE(Restrictions.ValueVisible, true);
    QVERIFY(main.DateLabel()->text().startsWith(QStringLiteral("sa, 今天是: ")));
}

void tst_MainWindow::dateCaption_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("caption");
    QTest::newRow("a Tuesday") << QStringLiteral("sa") << QDate(2024, 3, 5)
                               << QStringLiteral("sa, 今天是: 2024年03月05日 星期二  ");
    QTest::newRow("a Sunday") << QStringLiteral("张工") << QDate(2009, 12, 27)
                              << QStringLiteral("张工, 今天是: 2009年12月27日 星期日  ");
}

void tst_MainWindow::dateCaption() {
    QFETCH(QString, login);
    QFETCH(QDate, date);
    QFETCH(QString, caption);
    QCOMPARE(TmainFrm::DateCaption(login, date), caption);
}

void tst_MainWindow::desktopPrograms_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("missing");
    QTest::newRow("notepad") << QStringLiteral("记事本") << QStringLiteral("gedit")
                             << QStringLiteral("没有找到记事本程序");
    QTest::newRow("calculator") << QStringLiteral("计算器") << QStringLiteral("gnome-calculator")
                                << QStringLiteral("没有找到计算器程序");
}

void tst_MainWindow::desktopPrograms() {
    QFETCH(QString, entry);
    QFETCH(QString, candidate);
    QFETCH(QString, missing);
    TmainFrm& main = Main();
    QAction* command = Entry(main, QStringLiteral("工具(&T)"), entry);
    {
        MessageRecorder messages;
        command->trigger();
        QVERIFY(m_looked.contains(candidate));
        QCOMPARE(messages.Texts().size(), 1);
        QVERIFY(messages.Last().contains(missing));
        QVERIFY(m_started.isEmpty());
    }
    TDesktop desktop;
    desktop.FindProgram = [&](const QStringList&) -> QString {
        return QStringLiteral("/usr/bin/") + candidate;
    };
    desktop.StartProgram = [this](const QString& program) {
        m_started.append(program);
        return true;
    };
    main.SetDesktop(desktop);
    command->trigger();
    QCOMPARE(m_started, QStringList{QStringLiteral("/usr/bin/") + candidate});
}

void tst_MainWindow::helpAndAddresses_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("address");
    QTest::newRow("help file") << QStringLiteral("帮助文件") << QStringLiteral("main") << QString();
    QTest::newRow("F1") << QString() << QStringLiteral("main") << QString();
    QTest::newRow("faq") << QStringLiteral("常见问题") << QStringLiteral("faq") << QString();
    QTest::newRow("readme") << QStringLiteral("自述文件") << QString()
                            << QStringLiteral("readme.txt");
    QTest::newRow("what's new") << QStringLiteral("最新功能") << QString()
                                << QStringLiteral("whatsnew.txt");
    QTest::newRow("web site") << QStringLiteral("浏览官方网站") << QString()
                              << QStringLiteral("https:");
    QTest::newRow("e-mail") << QStringLiteral("发送电子邮件给作者") << QString()
                            << QStringLiteral("mailto:");
}

void tst_MainWindow::helpAndAddresses() {
    QFETCH(QString, entry);
    QFETCH(QString, topic);
    QFETCH(QString, address);
    TmainFrm& main = Main();
    if (THelpWindow::Instance()) delete THelpWindow::Instance();
    if (entry.isEmpty())
        QTest::keyClick(main.NavigationList(), Qt::Key_F1);
    else
        Entry(main, QStringLiteral("帮助(&H)"), entry)->trigger();
    if (!topic.isEmpty()) {
        QVERIFY(THelpWindow::Instance());
        QCOMPARE(THelpWindow::Instance()->Topic(), topic);
        QVERIFY(!THelpWindow::Instance()->Text().contains(QStringLiteral("还没有帮助内容")));
        delete THelpWindow::Instance();
        QVERIFY(m_opened.isEmpty());
        return;
    }
    QCOMPARE(m_opened.size(), 1);
    const QUrl url = m_opened.constFirst();
    if (url.isLocalFile()) {
        QVERIFY(url.toLocalFile().endsWith(address));
        QVERIFY(QFileInfo::exists(url.toLocalFile()));
    } else {
        QVERIFY(url.toString().startsWith(address));
    }
    if (url.scheme() == u"mailto")
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("澜岳设备管理系统 技术支持"));
}

void tst_MainWindow::close_data() {
    QTest::addColumn<bool>("feedbackSwitch");
    QTest::newRow("feedback switched on") << true;
    QTest::newRow("feedback switched off") << false;
}

void tst_MainWindow::close() {
    QFETCH(bool, feedbackSwitch);
    TmainFrm& main = Main();
    AddWindows();
    KeyValue.Set(0, feedbackSwitch ? 1 : 0);
    QStringList steps;
    main.SetExitFeedback([&](QWidget*) {
        steps.append(QStringLiteral("feedback, children %1, shown %2")
                         .arg(main.Children().size())
                         .arg(main.isVisible()));
    });
    main.SetExitBackup(
        [&] { steps.append(QStringLiteral("backup, connected %1").arg(DB.Connected())); });
    main.Command(TMainSlot::Asset)->trigger();
    main.Command(TMainSlot::RepairList)->trigger();
    main.Command(TMainSlot::Exit)->trigger();
    QVERIFY(!main.isVisible());
    QCOMPARE(g_closed, (QStringList{QStringLiteral("设备维修"), QStringLiteral("设备台账")}));
    QStringList expected;
    if (feedbackSwitch) expected.append(QStringLiteral("feedback, children 0, shown 0"));
    expected.append(QStringLiteral("backup, connected 1"));
    QCOMPARE(steps, expected);
    QVERIFY(!DB.Connected());
}

LANYUE_ENGINE_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
