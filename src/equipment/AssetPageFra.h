#pragma once

#include <QWidget>

#include <functional>

// A page of the equipment detail panel: it shows one equipment, named by its Id (-1: none).
class TAssetPageFra : public QWidget {
    Q_OBJECT
public:
    explicit TAssetPageFra(QWidget* parent = nullptr);

    int AssetId() const { return m_assetId; }
    // Pages reload their content for the new Id, then call this to keep it.
    virtual void SetAssetId(int id);
    // Called after a page has saved the equipment (the ledger reopens its list); pages that
    // hold other pages hand it down.
    virtual void SetSaveCallback(std::function<void()> saved);

protected:
    void Saved() const;

private:
    int m_assetId = -1;
    std::function<void()> m_saved;
};

// Makes a page inside its parent.
using TAssetPageFactory = std::function<TAssetPageFra*(QWidget* parent)>;

// A page or tab exists only for operators holding its right; right 0 is open to everyone.
bool AssetPageAllowed(int right);
