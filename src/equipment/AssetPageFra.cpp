#include "AssetPageFra.h"

#include "admin/Operator.h"

TAssetPageFra::TAssetPageFra(QWidget* parent) : QWidget(parent) {}

void TAssetPageFra::SetAssetId(int id) {
    m_assetId = id;
}

void TAssetPageFra::SetSaveCallback(std::function<void()> saved) {
    m_saved = std::move(saved);
}

void TAssetPageFra::Saved() const {
    if (m_saved) m_saved();
}

bool AssetPageAllowed(int right) {
    return right == 0 || CurrentOperator.HasRight(right);
}
