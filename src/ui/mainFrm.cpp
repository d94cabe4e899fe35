#include "mainFrm.h"

#include "CodeRightEditorFrm.h"
#include "CompanyInfoFrm.h"
#include "HelpWindow.h"
#include "LoginFrm.h"
#include "OperatorsFrm.h"
#include "PasswordChangerFrm.h"
#include "PubFrm.h"
#include "aFrm.h"
#include "mainTab.h"

#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Database.h"
#include "data/jtLib.h"
#include "platform/AppPaths.h"
#include "platform/Exceptions.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSplitter>
#include <QStandardPaths>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

TmainFrm* g_instance = nullptr;

constexpr int kTitleHeight = 40;
constexpr int kNavigationWidth = 121;
constexpr char kOrderProperty[] = "MenuOrder";
constexpr char kWebsite[] = "https://www.lanyue-soft.com/";
constexpr char kSupportMail[] = "support@lanyue-soft.com";

// The desktop programs that stand in for the notepad and the calculator, most common first.
const QStringList& TextEditors() {
    static const QStringList names{QStringLiteral("gnome-text-editor"),
                                   QStringLiteral("gedit"),
                                   QStringLiteral("mousepad"),
                                   QStringLiteral("kate"),
                                   QStringLiteral("kwrite"),
                                   QStringLiteral("xed"),
                                   QStringLiteral("pluma"),
                                   QStringLiteral("featherpad"),
                                   QStringLiteral("leafpad")};
    return names;
}

const QStringList& Calculators() {
    static const QStringList names{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                   QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                                   QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
    return names;
}

enum class PlaceKind { Menu, Submenu, EndSubmenu, Separator, Command, ToolLine, DocumentLine };

struct MenuPlace {
    PlaceKind Kind;
    const char* Caption = nullptr;
    TMainSlot Slot = TMainSlot::Company;
};

constexpr MenuPlace Menu(const char* caption) {
    return {PlaceKind::Menu, caption};
}
constexpr MenuPlace Submenu(const char* caption) {
    return {PlaceKind::Submenu, caption};
}
constexpr MenuPlace EndSubmenu() {
    return {PlaceKind::EndSubmenu};
}
constexpr MenuPlace Line() {
    return {PlaceKind::Separator};
}
constexpr MenuPlace Cmd(TMainSlot slot) {
    return {PlaceKind::Command, nullptr, slot};
}

using S = TMainSlot;

// The menus as the system lays them out. "SQL工具", which does nothing, is left out of
// "工具(&T)" together with the line below it.
// clang-format off
const MenuPlace kLayout[] = {
    Menu("文件(&F)"),
    Cmd(S::Company), Cmd(S::Operators), Cmd(S::CodeRights), Cmd(S::OperatorLog), Line(),
    Cmd(S::Options), Cmd(S::Departments), Line(),
    Cmd(S::ClearData), Cmd(S::Upgrade), Cmd(S::Backup), Line(),
    Cmd(S::Relogin), Cmd(S::ChangePassword), Line(),
    Cmd(S::Exit),
    Menu("设备(&B)"),
    Cmd(S::Asset), Cmd(S::Accessories), Line(),
    Cmd(S::RepairList), Cmd(S::CareitemList), Cmd(S::CarecordList), Line(),
    Cmd(S::ChangeList), Line(),
    Cmd(S::AccidentList), Cmd(S::AccidentCount), Line(),
    Cmd(S::AssetUpdatelog),
    Menu("备件(&J)"),
    Cmd(S::Parts), Line(),
    Submenu("备件申购"), Cmd(S::PartinBill), Cmd(S::Partinstail), EndSubmenu(),
    Cmd(S::Partustail), Cmd(S::PartRepair), Cmd(S::PartFix), Line(),
    Menu("工具(&T)"),
    Cmd(S::Notepad), Cmd(S::Calculator), Line(),
    Cmd(S::MyTools), {PlaceKind::ToolLine},
    Menu("文档(&D)"),
    Cmd(S::DocManager), {PlaceKind::DocumentLine},
    Menu("帮助(&H)"),
    Cmd(S::HelpFile), Cmd(S::Tip), Cmd(S::Faq), Line(),
    Cmd(S::Readme), Cmd(S::Whatsnew), Line(),
    Cmd(S::Feedback), Cmd(S::Website), Cmd(S::Email), Line(),
    Cmd(S::About),
};
// clang-format on

// Delivered beside the program, installed under share, or in the source tree when run
// from a build.
QString DeliveredFile(const QString& name) {
    const QStringList folders{ApplicationDir(),
                              ApplicationDir() + QStringLiteral("/../share/lanyue"),
                              QStringLiteral(LANYUE_SOURCE_DIR "/resources")};
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return QString();
}

// The picture beside the program, or the program's own copy, so that a missing file does
// not stop the program.
QPixmap LoadTitlePicture(const QString& name) {
    QPixmap picture(QDir(ApplicationDir()).filePath(name));
    if (picture.isNull()) picture.load(QStringLiteral(":/") + name);
    return picture;
}

bool HasEntries(const QMenu* menu) {
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isVisible()) return true;
    return false;
}

} // namespace

TDesktop TDesktop::System() {
    TDesktop desktop;
    desktop.FindProgram = [](const QStringList& names) {
        for (const QString& name : names) {
            const QString path = QStandardPaths::findExecutable(name);
            if (!path.isEmpty()) return path;
        }
        return QString();
    };
    desktop.StartProgram = [](const QString& program) {
        return QProcess::startDetached(program, QStringList());
    };
    desktop.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return desktop;
}

const QList<TMainSlot>& TmainFrm::NavigationOrder() {
    static const QList<TMainSlot> order{S::Asset,       S::CareitemList, S::RepairList,
                                        S::ChangeList,  S::AccidentList, S::Parts,
                                        S::Partinstail, S::PartFix,      S::PartRepair};
    return order;
}

TmainFrm::TmainFrm(QWidget* parent)
    : QMainWindow(parent), m_pub(TPubFrm::Instance()), m_desktop(TDesktop::System()) {
    if (!m_pub) {
        m_ownPub = std::make_unique<TPubFrm>();
        m_pub = m_ownPub.get();
    }
    g_instance = this;
    setObjectName(QStringLiteral("mainFrm"));
    setFont(TaFrm::SystemFont());
    m_loginDialog = [](QWidget* parent) {
        TLoginFrm dialog(parent);
        return dialog.exec() == QDialog::Accepted;
    };

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* strip = CreateTitleStrip();
    layout->addWidget(strip);
    m_area = new QMdiArea;
    m_area->setBackground(QColor(0xe4, 0xe9, 0xf0));
    m_tabBar = new TmainTab(m_area, central);
    m_tabBar->hide();
    layout->addWidget(m_tabBar);
    m_navPanel = new QWidget;
    auto* panelLayout = new QVBoxLayout(m_navPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    ListBox1 = new TjtListboxNav(m_navPanel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    panelLayout->addWidget(ListBox1);
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->addWidget(m_navPanel);
    splitter->addWidget(m_area);
    splitter->setCollapsible(0, false);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kNavigationWidth, 800 - kNavigationWidth});
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    TNavigation::Install(ListBox1);
    m_pub->mainTabAction1->setChecked(!m_tabBar->isHidden());
    m_pub->menuTreeAction1->setChecked(!m_navPanel->isHidden());
    connect(m_pub->mainTabAction1, &QAction::toggled, m_tabBar, &QWidget::setVisible);
    connect(m_pub->menuTreeAction1, &QAction::toggled, m_navPanel, &QWidget::setVisible);
    setWindowTitle(Caption());
    CreateMenus();
    AddBuiltInCommands();
    RebuildToolMenu();
    RebuildDocumentMenu();

    resize(800, 600);
    ListBox1->SetImages(&m_pub->ImageList32());
    ListBox1->Clear();
    // The two panel switches are also on the pop-up menus of the title strip and the list.
    for (QWidget* widget : {static_cast<QWidget*>(ListBox1), strip}) {
        widget->addAction(m_pub->menuTreeAction1);
        widget->addAction(m_pub->mainTabAction1);
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    connect(ListBox1, &TjtListboxNav::NavItemChosen, this, &TmainFrm::NavItemChosen);
    connect(ListBox1, &TjtListboxNav::WindowChosen, this, &TmainFrm::BringToFront);
    connect(m_area, &QMdiArea::subWindowActivated, this, &TmainFrm::SubWindowActivated);
}

TmainFrm::~TmainFrm() {
    // The child windows go after this; they must find neither the list nor this window.
    disconnect(m_area, nullptr, this, nullptr);
    if (TNavigation::Current() == ListBox1) TNavigation::Install(nullptr);
    if (g_instance == this) g_instance = nullptr;
}

TmainFrm* TmainFrm::Instance() {
    return g_instance;
}

QString TmainFrm::Caption() {
    return QStringLiteral("%1 - %2").arg(ApplicationTitle(), QStringLiteral("工业版 2.45"));
}

QString TmainFrm::DateCaption(const QString& loginId, const QDate& date) {
    return QStringLiteral("%1, 今天是: %2 %3  ")
        .arg(loginId, date.toString(QStringLiteral("yyyy年MM月dd日")), WeekdayName(date));
}

QWidget* TmainFrm::CreateTitleStrip() {
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("TitleStrip"));
    strip->setFixedHeight(kTitleHeight);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    strip->setPalette(palette);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_titleLeft = new QLabel(strip);
    m_titleLeft->setPixmap(LoadTitlePicture(QStringLiteral("title.jpg")));
    lblCndate1 = new QLabel(strip);
    lblCndate1->setObjectName(QStringLiteral("lblCndate1"));
    lblCndate1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_titleRight = new QLabel(strip);
    m_titleRight->setPixmap(LoadTitlePicture(QStringLiteral("title-right.jpg")));
    layout->addWidget(m_titleLeft);
    layout->addWidget(lblCndate1, 1);
    layout->addWidget(m_titleRight);
    return strip;
}

void TmainFrm::CreateMenus() {
    QMenu* top = nullptr;
    QMenu* current = nullptr;
    int order = 0;
    for (const MenuPlace& place : kLayout) {
        ++order;
        switch (place.Kind) {
        case PlaceKind::Menu:
            top = current = menuBar()->addMenu(QString::fromUtf8(place.Caption));
            // Places still empty must not leave two lines in a row, or one at an end.
            top->setSeparatorsCollapsible(true);
            top->setToolTipsVisible(true);
            m_menus.append(top);
            break;
        case PlaceKind::Submenu:
            current = new QMenu(QString::fromUtf8(place.Caption), top);
            InsertOrdered(top, current->menuAction(), order);
            m_submenus.append(current);
            break;
        case PlaceKind::EndSubmenu:
            current = top;
            break;
        case PlaceKind::Separator:
        case PlaceKind::ToolLine:
        case PlaceKind::DocumentLine: {
            auto* line = new QAction(current);
            line->setSeparator(true);
            InsertOrdered(current, line, order);
            if (place.Kind == PlaceKind::ToolLine) {
                line->setObjectName(QStringLiteral("miToolLine1"));
                miToolLine1 = line;
            } else if (place.Kind == PlaceKind::DocumentLine) {
                m_documentLine = line;
            }
            break;
        }
        case PlaceKind::Command:
            m_places[place.Slot] = {current, order};
            break;
        }
    }
}

void TmainFrm::AddBuiltInCommands() {
    AddCommand(
        S::Company, QStringLiteral("公司信息"), 10000,
        [this] { TCompanyInfoFrm::Edit(false, this); }, TImages::Company);
    AddCommand(
        S::Operators, QStringLiteral("操作员及权限"), 100001,
        [this] {
            TOperatorsFrm dialog(this);
            dialog.exec();
        },
        TImages::Operators);
    AddCommand(
        S::CodeRights, QStringLiteral("设备权限控制设置"), 110,
        [this] {
            TCodeRightEditorFrm dialog(this);
            dialog.exec();
        },
        TImages::CodeRights);
    AddCommand(
        S::Relogin, QStringLiteral("重新登陆"), NoRight, [this] { Login(); }, TImages::Relogin);
    AddCommand(
        S::ChangePassword, QStringLiteral("更改我的登陆密码"), NoRight,
        [this] { TPasswordChangerFrm::Execute(this); }, TImages::Password);
    AddCommand(
        S::Exit, QStringLiteral("退出系统"), NoRight, [this] { close(); }, TImages::Exit);

    AddCommand(
        S::Notepad, QStringLiteral("记事本"), NoRight,
        [this] {
            StartProgram(TextEditors(), QStringLiteral("没有找到记事本程序,请先安装一个文本编辑器"
                                                       "(例如 gedit、mousepad 或 kate)."));
        },
        TImages::Notepad);
    AddCommand(
        S::Calculator, QStringLiteral("计算器"), NoRight,
        [this] {
            StartProgram(Calculators(),
                         QStringLiteral("没有找到计算器程序,请先安装一个计算器"
                                        "(例如 gnome-calculator、kcalc 或 galculator)."));
        },
        TImages::Calculator);

    QAction* help = AddCommand(
        S::HelpFile, QStringLiteral("帮助文件"), NoRight, [this] { ShowHelp(); }, TImages::Help);
    help->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    addAction(help);
    AddCommand(
        S::Faq, QStringLiteral("常见问题"), NoRight, [this] { ShowHelp(QStringLiteral("faq")); },
        TImages::Faq);
    AddCommand(
        S::Readme, QStringLiteral("自述文件"), NoRight,
        [this] { OpenDeliveredFile(QStringLiteral("readme.txt")); }, TImages::Readme);
    AddCommand(
        S::Whatsnew, QStringLiteral("最新功能"), NoRight,
        [this] { OpenDeliveredFile(QStringLiteral("whatsnew.txt")); }, TImages::Whatsnew);
    AddCommand(
        S::Website, QStringLiteral("浏览官方网站"), NoRight,
        [this] { m_desktop.OpenUrl(QUrl(QString::fromLatin1(kWebsite))); }, TImages::Website);
    AddCommand(
        S::Email, QStringLiteral("发送电子邮件给作者"), NoRight,
        [this] {
            QUrl mail(QStringLiteral("mailto:") + QString::fromLatin1(kSupportMail));
            QUrlQuery query;
            query.addQueryItem(QStringLiteral("subject"),
                               QStringLiteral("%1 技术支持").arg(ApplicationTitle()));
            mail.setQuery(query);
            m_desktop.OpenUrl(mail);
        },
        TImages::Email);
}

QAction* TmainFrm::AddCommand(TMainSlot slot, const QString& caption, int right,
                              std::function<void()> run, int image) {
    auto* action = new QAction(caption, this);
    if (image >= 0) SetImageIndex(action, image);
    connect(action, &QAction::triggered, this,
            [this, right, run = std::move(run)] { Run(right, run); });
    Place(slot, action);
    return action;
}

QAction* TmainFrm::AddWindowAction(TMainSlot slot, const QString& caption, int image,
                                   const TWindowClass& windowClass, bool addsToNavigation) {
    QAction* action = AddCommand(
        slot, caption, NoRight,
        [this, windowClass, addsToNavigation] {
            TBasicFrm* window = OpenChild(windowClass);
            if (window && addsToNavigation) window->AddToNavigation();
        },
        image);
    m_windowClasses[slot] = windowClass;
    const QList<TMainSlot>& order = NavigationOrder();
    if (const qsizetype at = order.indexOf(slot); at >= 0) {
        int position = 0;
        for (qsizetype i = 0; i < at; ++i)
            position += int(m_windowClasses.count(order[i]));
        ListBox1->AddNavItem(action, windowClass, position);
    }
    return action;
}

QAction* TmainFrm::Command(TMainSlot slot) const {
    const auto found = m_commands.find(slot);
    return found == m_commands.end() ? nullptr : found->second;
}

void TmainFrm::Place(TMainSlot slot, QAction* action) {
    // A place holds one command: a later one replaces it, with its navigation entry.
    if (QAction* previous = Command(slot)) {
        for (int row = ListBox1->count() - 1; row >= 0; --row)
            if (ListBox1->NavItemAt(row) && ListBox1->ActionAt(row) == previous)
                ListBox1->RemoveAt(row);
        m_windowClasses.erase(slot);
        delete previous;
    }
    m_commands[slot] = action;
    const SlotPlace& place = m_places.at(slot);
    InsertOrdered(place.Menu, action, place.Order);
    UpdateMenus();
}

void TmainFrm::InsertOrdered(QMenu* menu, QAction* action, int order) {
    action->setProperty(kOrderProperty, order);
    QAction* before = nullptr;
    for (QAction* item : menu->actions()) {
        const QVariant itemOrder = item->property(kOrderProperty);
        if (itemOrder.isValid() && itemOrder.toInt() > order) {
            before = item;
            break;
        }
    }
    menu->insertAction(before, action);
}

void TmainFrm::UpdateMenus() {
    // A menu with no command yet is not shown.
    for (QMenu* submenu : std::as_const(m_submenus))
        submenu->menuAction()->setVisible(HasEntries(submenu));
    for (QMenu* menu : std::as_const(m_menus))
        menu->menuAction()->setVisible(HasEntries(menu));
}

void TmainFrm::SetToolLinks(TLinkMenu links) {
    m_toolLinks = std::move(links);
    RebuildToolMenu();
}

void TmainFrm::SetDocuments(TLinkMenu documents) {
    m_documents = std::move(documents);
    RebuildDocumentMenu();
}

void TmainFrm::RebuildToolMenu() {
    RebuildLinks(miToolLine1, m_toolLinks);
}

void TmainFrm::RebuildDocumentMenu() {
    RebuildLinks(m_documentLine, m_documents);
}

void TmainFrm::RebuildLinks(QAction* line, const TLinkMenu& source) {
    auto* menu = qobject_cast<QMenu*>(line->parent());
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = items.indexOf(line) + 1; i < items.size(); ++i)
        delete items[i];
    if (source.Entries) {
        for (const TLinkEntry& entry : source.Entries()) {
            auto* item = new QAction(entry.Caption, menu);
            item->setData(entry.Key);
            item->setToolTip(entry.Hint);
            item->setStatusTip(entry.Hint);
            connect(item, &QAction::triggered, this, [this, open = source.Open, key = entry.Key] {
                Run(NoRight, [&] {
                    if (open) open(key);
                });
            });
            menu->addAction(item);
        }
    }
    UpdateMenus();
}

void TmainFrm::SetLoginDialog(std::function<bool(QWidget*)> dialog) {
    m_loginDialog = std::move(dialog);
}

void TmainFrm::SetExitFeedback(std::function<void(QWidget*)> feedback) {
    m_exitFeedback = std::move(feedback);
}

void TmainFrm::SetExitBackup(std::function<void()> backup) {
    m_exitBackup = std::move(backup);
}

void TmainFrm::SetDesktop(TDesktop desktop) {
    m_desktop = std::move(desktop);
}

void TmainFrm::Run(int right, const std::function<void()>& command) {
    try {
        if (right == SaOnly)
            CurrentOperator.RequireSa();
        else if (right != NoRight)
            CurrentOperator.CheckRight(right, true);
        command();
    } catch (const EAbort&) {
        // Cancelled; whatever cancelled it has already said why.
    }
}

bool TmainFrm::Login() {
    // At start-up the window is not shown yet, so the dialog has no owner to centre on.
    if (!m_loginDialog(isVisible() ? this : nullptr)) return false;
    CloseChildren();
    TCodeRightSet::ApplyAtLogin(CurrentOperator);
    OpenLedgerWindow();
    lblCndate1->setText(DateCaption(CurrentOperator.LoginId, QDate::currentDate()));
    return true;
}

void TmainFrm::OpenLedgerWindow() {
    // Every login starts in the equipment ledger, once the ledger's command is in place.
    const auto ledger = m_windowClasses.find(TMainSlot::Asset);
    if (ledger != m_windowClasses.end()) Run(NoRight, [&] { OpenChild(ledger->second); });
}

TBasicFrm* TmainFrm::OpenChild(const TWindowClass& windowClass) {
    for (TBasicFrm* window : Children()) {
        if (windowClass.IsClassOf(window)) {
            BringToFront(window);
            return nullptr;
        }
    }
    TBasicFrm* window = windowClass.Create();
    AddChild(window);
    return window;
}

void TmainFrm::AddChild(TBasicFrm* window) {
    QMdiSubWindow* frame = m_area->addSubWindow(window);
    if (!window->testAttribute(Qt::WA_SetWindowIcon))
        frame->setWindowIcon(m_pub->ImageList16().Icon(TImages::Window));
    // A window that closes itself takes its frame along.
    connect(window, &QObject::destroyed, frame, &QObject::deleteLater);
    m_tabBar->AddWindow(window);
    frame->showMaximized();
    m_area->setActiveSubWindow(frame);
}

void TmainFrm::BringToFront(TBasicFrm* window) {
    auto* frame = window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
    if (!frame) return;
    if (frame->isMinimized()) frame->showMaximized();
    m_area->setActiveSubWindow(frame);
    frame->raise();
    // The area makes active whichever window holds the focus when the main window is
    // activated, so the focus goes along.
    QWidget* focus = window->focusWidget();
    (focus ? focus : window)->setFocus();
}

QList<TBasicFrm*> TmainFrm::Children() const {
    QList<TBasicFrm*> windows;
    for (QMdiSubWindow* frame : m_area->subWindowList(QMdiArea::CreationOrder)) {
        // A closed window is hidden at once and freed later; a minimised one is hidden by
        // its frame but still open.
        auto* window = qobject_cast<TBasicFrm*>(frame->widget());
        if (window && !frame->isHidden() && (!window->isHidden() || frame->isMinimized()))
            windows.append(window);
    }
    return windows;
}

void TmainFrm::CloseChildren() {
    const QList<TBasicFrm*> windows = Children();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        (*window)->parentWidget()->close();
}

void TmainFrm::NavItemChosen(const TjtListboxNavItem& item) {
    Run(NoRight, [&] { OpenChild(item.WindowClass); });
}

void TmainFrm::SubWindowActivated(QMdiSubWindow* frame) {
    if (auto* window = frame ? qobject_cast<TBasicFrm*>(frame->widget()) : nullptr)
        ListBox1->SelectFor(window);
}

void TmainFrm::ShowHelp(const QString& topic) {
    THelpWindow::Show(topic.isEmpty() ? objectName().chopped(3) : topic);
}

void TmainFrm::StartProgram(const QStringList& candidates, const QString& missing) {
    const QString program = m_desktop.FindProgram(candidates);
    if (program.isEmpty()) {
        ShowInfo(missing);
        return;
    }
    if (!m_desktop.StartProgram(program)) ShowInfo(QStringLiteral("无法启动 %1.").arg(program));
}

void TmainFrm::OpenDeliveredFile(const QString& name) {
    const QString path = DeliveredFile(name);
    if (path.isEmpty()) {
        ShowInfo(QStringLiteral("找不到文件 %1.").arg(name));
        return;
    }
    m_desktop.OpenUrl(QUrl::fromLocalFile(path));
}

void TmainFrm::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    CloseChildren();
    hide();
    if (m_exitFeedback && DB.Connected() && KeyValue.GetBool(0)) m_exitFeedback(this);
    if (m_exitBackup) m_exitBackup();
    DB.SetConnected(false);
}

void TmainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    QGuiApplication::setApplicationDisplayName(ApplicationTitle());
    setWindowTitle(Caption());
    if (!isMaximized()) setWindowState(windowState() | Qt::WindowMaximized);
}

void TmainFrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QMenu* TmainFrm::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->addAction(m_pub->menuTreeAction1);
    menu->addAction(m_pub->mainTabAction1);
    return menu;
}
