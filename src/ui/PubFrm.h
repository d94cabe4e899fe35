#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>

class QAction;

// The pictures of the image lists, by index.
struct TImages {
    enum Index : int {
        Asset,
        Accessories,
        Repair,
        Careitem,
        Carecord,
        Change,
        Accident,
        AccidentCount,
        Updatelog,
        Parts,
        PartinBill,
        Partinstail,
        Partustail,
        PartFix,
        PartRepair,
        Window,
        Company,
        Operators,
        CodeRights,
        Relogin,
        Password,
        Exit,
        Notepad,
        Calculator,
        Help,
        Faq,
        Readme,
        Whatsnew,
        Website,
        Email,
        NavPanel,
        TaskBar,
        Count
    };
};

// Icons of one size, by index.
class TImageList {
public:
    TImageList(QSize size, QList<QIcon> icons);
    QSize Size() const { return m_size; }
    int Count() const { return int(m_icons.size()); }
    // An empty icon or pixmap for an index outside the list.
    QIcon Icon(int index) const;
    QPixmap Pixmap(int index) const;

private:
    QSize m_size;
    QList<QIcon> m_icons;
};

// An action's picture: its index in the image lists, which also gives the action its icon.
void SetImageIndex(QAction* action, int index);
int ImageIndex(const QAction* action);

// What every window shares: the two image lists and the actions that show or hide parts of
// the main window.
class TPubFrm : public QObject {
    Q_OBJECT
public:
    explicit TPubFrm(QObject* parent = nullptr);
    ~TPubFrm() override;
    // The application's one instance; null before it is made.
    static TPubFrm* Instance();

    const TImageList& ImageList16() const { return m_images16; }
    const TImageList& ImageList32() const { return m_images32; }

    // "导航栏": shows or hides the navigation panel.
    QAction* menuTreeAction1;
    // "任务栏": shows or hides the window tab bar.
    QAction* mainTabAction1;

private:
    TImageList m_images16;
    TImageList m_images32;
};
