#pragma once

#include "aFrm.h"

class TBasicFrm;

// What list windows need of the main window's navigation list; the main window installs it.
class TNavigation {
public:
    virtual ~TNavigation() = default;
    virtual int AddWindow(TBasicFrm* window) = 0;
    virtual int IndexOfWindow(const TBasicFrm* window) const = 0;
    virtual void SetCaption(int index, const QString& caption) = 0;
    virtual void RemoveAt(int index) = 0;
    // Selects the window's entry, or else the first item of its class, or nothing.
    virtual void SelectFor(const TBasicFrm* window) = 0;

    static void Install(TNavigation* navigation);
    static TNavigation* Current();
};

// A list window inside the main window: opened maximised, freed when closed, and kept in step
// with the navigation list.
class TBasicFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TBasicFrm(QWidget* parent = nullptr);
    ~TBasicFrm() override;

    void AddToNavigation();
    void SetNavigationCaption(const QString& caption);
    int NavigationIndex() const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
