#pragma once

#include "equipment/AssetPageFra.h"

class QTabWidget;
class TAssetCaresFra;
class TAssetCarecordsFra;

// "保养": the machine's maintenance items and care records, each on a tab that loads when it
// is brought to the front.
class TAssetCarePageFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetCarePageFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    QTabWidget* Tabs() const { return m_tabs; }
    TAssetCaresFra* CaresPage() const { return m_cares; }
    TAssetCarecordsFra* CarecordsPage() const { return m_carecords; }

private:
    void LoadCurrent();

    QTabWidget* m_tabs;
    TAssetCaresFra* m_cares;
    TAssetCarecordsFra* m_carecords;
};
