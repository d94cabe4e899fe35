#include "BasicFrm.h"

#include <QEvent>
#include <QKeyEvent>

namespace {
TNavigation* g_navigation = nullptr;
}

void TNavigation::Install(TNavigation* navigation) {
    g_navigation = navigation;
}

TNavigation* TNavigation::Current() {
    return g_navigation;
}

TBasicFrm::TBasicFrm(QWidget* parent) : TaFrm(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Widget);
}

TBasicFrm::~TBasicFrm() {
    if (TNavigation* nav = TNavigation::Current()) {
        const int index = nav->IndexOfWindow(this);
        if (index >= 0) nav->RemoveAt(index);
    }
}

void TBasicFrm::AddToNavigation() {
    if (TNavigation* nav = TNavigation::Current()) nav->AddWindow(this);
}

void TBasicFrm::SetNavigationCaption(const QString& caption) {
    TNavigation* nav = TNavigation::Current();
    const int index = NavigationIndex();
    if (nav && index >= 0) nav->SetCaption(index, caption);
}

int TBasicFrm::NavigationIndex() const {
    const TNavigation* nav = TNavigation::Current();
    return nav ? nav->IndexOfWindow(this) : -1;
}

bool TBasicFrm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::FocusIn)
        if (TNavigation* nav = TNavigation::Current()) nav->SelectFor(this);
    return TaFrm::event(event);
}

// A list window is not a dialog: Esc does not close it.
void TBasicFrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    TaFrm::keyPressEvent(event);
}
