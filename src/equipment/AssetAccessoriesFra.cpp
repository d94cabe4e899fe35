#include "AssetAccessoriesFra.h"

#include "AccessoryEditing.h"
#include "AccessoryReportFrm.h"
#include "AttachmentPages_p.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/mainFrm.h"

#include <QAction>
#include <QPushButton>

namespace {
constexpr int kLayout = 107;
}

TAssetAccessoriesFra::TAssetAccessoriesFra(QWidget* parent)
    : TAssetPageFra(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_add(new QPushButton(QStringLiteral("添加"), this)),
      m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_menu(new QPushButton(QStringLiteral("更多...↓"), this)),
      m_list(new QPushButton(QStringLiteral("更多..."), this)),
      m_editAction(new QAction(QStringLiteral("修改"), this)),
      m_deleteAction(new QAction(QStringLiteral("删除"), this)) {
    setObjectName(QStringLiteral("AssetAccessoriesFra"));
    attachmentui::SetUpGrid(m_grid, &m_accessories.Query(), kLayout);
    attachmentui::AppendMenu(m_grid, {nullptr, m_deleteAction, nullptr, m_editAction});
    attachmentui::LayOut(this, {m_add, m_edit, m_delete, m_menu, m_list}, m_grid);
    attachmentui::PopsUpMenu(m_menu, m_grid);

    connect(m_add, &QPushButton::clicked, this, &TAssetAccessoriesFra::AddClick);
    connect(m_edit, &QPushButton::clicked, this, &TAssetAccessoriesFra::EditClick);
    connect(m_editAction, &QAction::triggered, this, &TAssetAccessoriesFra::EditClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAssetAccessoriesFra::EditClick);
    connect(m_delete, &QPushButton::clicked, this, &TAssetAccessoriesFra::DeleteClick);
    connect(m_deleteAction, &QAction::triggered, this, &TAssetAccessoriesFra::DeleteClick);
    connect(m_list, &QPushButton::clicked, this, &TAssetAccessoriesFra::ListClick);
}

void TAssetAccessoriesFra::SetAssetId(int id) {
    m_where.Clear();
    m_where.AssetIdFld->SetAsInteger(id);
    try {
        m_accessories.OpenByWhere(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    TAssetPageFra::SetAssetId(id);
}

void TAssetAccessoriesFra::AddClick() {
    if (AssetId() <= 0) return;
    AddAccessory(m_accessories, AssetId(), this);
}

void TAssetAccessoriesFra::EditClick() {
    EditAccessory(m_accessories, this);
}

void TAssetAccessoriesFra::DeleteClick() {
    DeleteAccessory(m_accessories);
}

void TAssetAccessoriesFra::ListClick() {
    TmainFrm* main = TmainFrm::Instance();
    if (!main) {
        (new TAccessoryReportFrm)->show();
        return;
    }
    if (QAction* command = main->Command(TMainSlot::Accessories))
        command->trigger();
    else if (TBasicFrm* window = main->OpenChild<TAccessoryReportFrm>())
        window->AddToNavigation();
}
