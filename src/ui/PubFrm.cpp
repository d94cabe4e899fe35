#include "PubFrm.h"

#include <QAction>
#include <QVariant>

namespace {

TPubFrm* g_instance = nullptr;

constexpr char kImageIndexProperty[] = "ImageIndex";

// File names under the resources' icons folder, in the order of TImages.
constexpr const char* kIconNames[TImages::Count] = {
    "asset",      "accessories",   "repair",     "careitem", "carecord",   "change",
    "accident",   "accidentcount", "updatelog",  "parts",    "partinbill", "partinstail",
    "partustail", "partfix",       "partrepair", "window",   "company",    "operators",
    "coderights", "relogin",       "password",   "exit",     "notepad",    "calculator",
    "help",       "faq",           "readme",     "whatsnew", "website",    "email",
    "navpanel",   "taskbar"};

QList<QIcon> LoadIcons() {
    QList<QIcon> icons;
    for (const char* name : kIconNames)
        icons.append(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))));
    return icons;
}

} // namespace

TImageList::TImageList(QSize size, QList<QIcon> icons) : m_size(size), m_icons(std::move(icons)) {}

QIcon TImageList::Icon(int index) const {
    return index >= 0 && index < m_icons.size() ? m_icons[index] : QIcon();
}

QPixmap TImageList::Pixmap(int index) const {
    return Icon(index).pixmap(m_size);
}

void SetImageIndex(QAction* action, int index) {
    action->setProperty(kImageIndexProperty, index);
    if (const TPubFrm* pub = TPubFrm::Instance()) action->setIcon(pub->ImageList16().Icon(index));
}

int ImageIndex(const QAction* action) {
    const QVariant index = action ? action->property(kImageIndexProperty) : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

TPubFrm::TPubFrm(QObject* parent)
    : QObject(parent), menuTreeAction1(new QAction(QStringLiteral("导航栏"), this)),
      mainTabAction1(new QAction(QStringLiteral("任务栏"), this)),
      m_images16(QSize(16, 16), LoadIcons()), m_images32(QSize(32, 32), LoadIcons()) {
    g_instance = this;
    menuTreeAction1->setObjectName(QStringLiteral("menuTreeAction1"));
    mainTabAction1->setObjectName(QStringLiteral("mainTabAction1"));
    menuTreeAction1->setCheckable(true);
    menuTreeAction1->setChecked(true);
    mainTabAction1->setCheckable(true);
    SetImageIndex(menuTreeAction1, TImages::NavPanel);
    SetImageIndex(mainTabAction1, TImages::TaskBar);
}

TPubFrm::~TPubFrm() {
    if (g_instance == this) g_instance = nullptr;
}

TPubFrm* TPubFrm::Instance() {
    return g_instance;
}
