#pragma once

#include "jtListboxNav.h"

#include <QDate>
#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TPubFrm;
class TmainTab;

// Every place of the main window's menus, in menu order. A place stays empty until its
// command is added, so each library adds the commands of its own windows where they belong.
enum class TMainSlot {
    // "文件(&F)"
    Company,
    Operators,
    CodeRights,
    OperatorLog,
    Options,
    Departments,
    ClearData,
    Upgrade,
    Backup,
    Relogin,
    ChangePassword,
    Exit,
    // "设备(&B)"
    Asset,
    Accessories,
    RepairList,
    CareitemList,
    CarecordList,
    ChangeList,
    AccidentList,
    AccidentCount,
    AssetUpdatelog,
    // "备件(&J)"; PartinBill and Partinstail in its submenu "备件申购"
    Parts,
    PartinBill,
    Partinstail,
    Partustail,
    PartRepair,
    PartFix,
    // "工具(&T)"
    Notepad,
    Calculator,
    MyTools,
    // "文档(&D)"
    DocManager,
    // "帮助(&H)"
    HelpFile,
    Tip,
    Faq,
    Readme,
    Whatsnew,
    Feedback,
    Website,
    Email,
    About,
};

// How the main window reaches the desktop: programs by name, files and addresses through
// their associated programs. Tests replace the parts.
struct TDesktop {
    // The first of the programs that is installed; empty when none is.
    std::function<QString(const QStringList& names)> FindProgram;
    std::function<bool(const QString& program)> StartProgram;
    std::function<bool(const QUrl& url)> OpenUrl;

    static TDesktop System();
};

// One entry of the tool or document menu: a tool link or document by its key.
struct TLinkEntry {
    int Key = 0;
    QString Caption;
    QString Hint;
};

// Where the tool or document entries come from, and how the one with a key is opened.
struct TLinkMenu {
    std::function<QList<TLinkEntry>()> Entries;
    std::function<void(int key)> Open;
};

// The main window: title strip, navigation list, window tab bar and the area in which the
// list windows open; its menus open the rest.
class TmainFrm : public QMainWindow {
    Q_OBJECT
public:
    // Rights of commands that check none, and of those only sa may run.
    static constexpr int NoRight = -1;
    static constexpr int SaOnly = -2;

    // The navigation list's entries, in order, by the place of the command that gives each
    // its caption and image.
    static const QList<TMainSlot>& NavigationOrder();

    explicit TmainFrm(QWidget* parent = nullptr);
    ~TmainFrm() override;
    // The application's main window; null when there is none.
    static TmainFrm* Instance();

    // The login dialog; when accepted, the previous operator's windows close, the new
    // operator's restrictions apply and the ledger opens. A cancelled login changes nothing.
    bool Login();

    // A new window of the class, shown maximised; null when one was open already and has
    // been brought forward instead.
    TBasicFrm* OpenChild(const TWindowClass& windowClass);
    template <class T> T* OpenChild() { return static_cast<T*>(OpenChild(TWindowClass::Of<T>())); }
    // Shows a window made elsewhere as a child window, maximised.
    void AddChild(TBasicFrm* window);
    void BringToFront(TBasicFrm* window);
    // The open child windows in the order they were opened.
    QList<TBasicFrm*> Children() const;
    // Closes every child window, last to first.
    void CloseChildren();

    // Rebuilds the entries after the tool line, or after the document line, from their source.
    void RebuildToolMenu();
    void RebuildDocumentMenu();

    // Opens the help topic; an empty topic is the main window's own.
    void ShowHelp(const QString& topic = QString());

    // Adds the command at its place; the right is checked, with abort, each time it runs.
    QAction* AddCommand(TMainSlot slot, const QString& caption, int right,
                        std::function<void()> run, int image = -1);
    // Adds a command that opens a window of the class (or brings it forward); a window that
    // adds itself to the navigation list does so when the command opens it. Commands at
    // places of NavigationOrder() also get their navigation entry.
    QAction* AddWindowAction(TMainSlot slot, const QString& caption, int image,
                             const TWindowClass& windowClass, bool addsToNavigation = false);
    // The command at the place; null while the place is empty.
    QAction* Command(TMainSlot slot) const;

    void SetToolLinks(TLinkMenu links);
    void SetDocuments(TLinkMenu documents);
    // The login dialog, accepted (true) or not; the operators' own dialog unless replaced.
    void SetLoginDialog(std::function<bool(QWidget* parent)> dialog);
    // Shown at exit when the feedback switch is on.
    void SetExitFeedback(std::function<void(QWidget* parent)> feedback);
    // Runs at exit, before the connection closes.
    void SetExitBackup(std::function<void()> backup);
    void SetDesktop(TDesktop desktop);

    // "%s, 今天是: %s %s  " with the login name, the date and its weekday.
    static QString DateCaption(const QString& loginId, const QDate& date);
    static QString Caption();

    TjtListboxNav* NavigationList() const { return ListBox1; }
    QWidget* NavigationPanel() const { return m_navPanel; }
    QLabel* DateLabel() const { return lblCndate1; }
    TmainTab* TabBar() const { return m_tabBar; }
    QMdiArea* ClientArea() const { return m_area; }
    QLabel* TitlePicture() const { return m_titleLeft; }
    QLabel* TitleRightPicture() const { return m_titleRight; }
    TPubFrm& Pub() const { return *m_pub; }

    // The pop-up menu of the menu bar: the navigation panel and tab bar switches.
    QMenu* createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SlotPlace {
        QMenu* Menu = nullptr;
        int Order = 0;
    };

    QWidget* CreateTitleStrip();
    void CreateMenus();
    void AddBuiltInCommands();
    void Place(TMainSlot slot, QAction* action);
    void InsertOrdered(QMenu* menu, QAction* action, int order);
    void UpdateMenus();
    void RebuildLinks(QAction* line, const TLinkMenu& source);
    // Runs a command after its right check; a silent cancellation ends it quietly.
    void Run(int right, const std::function<void()>& command);
    void NavItemChosen(const TjtListboxNavItem& item);
    void SubWindowActivated(QMdiSubWindow* window);
    void OpenLedgerWindow();
    void StartProgram(const QStringList& candidates, const QString& missing);
    void OpenDeliveredFile(const QString& name);

    std::unique_ptr<TPubFrm> m_ownPub;
    TPubFrm* m_pub;
    QLabel* m_titleLeft = nullptr;
    QLabel* m_titleRight = nullptr;
    QLabel* lblCndate1 = nullptr;
    TmainTab* m_tabBar = nullptr;
    QWidget* m_navPanel = nullptr;
    TjtListboxNav* ListBox1 = nullptr;
    QMdiArea* m_area = nullptr;

    std::map<TMainSlot, SlotPlace> m_places;
    std::map<TMainSlot, QAction*> m_commands;
    std::map<TMainSlot, TWindowClass> m_windowClasses;
    QList<QMenu*> m_menus;
    QList<QMenu*> m_submenus;
    QAction* miToolLine1 = nullptr;
    QAction* m_documentLine = nullptr;
    TLinkMenu m_toolLinks;
    TLinkMenu m_documents;

    std::function<bool(QWidget*)> m_loginDialog;
    std::function<void(QWidget*)> m_exitFeedback;
    std::function<void()> m_exitBackup;
    TDesktop m_desktop;
};
