#include "PartFinderFrm.h"

#include "PartsWhere.h"
#include "admin/KeyValue.h"
#include "platform/dataset/DataSource.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QLabel>

#include <tuple>

namespace {
constexpr int kClassList = 109;
constexpr int kStatusList = 107;
} // namespace

TPartFinderFrm::TPartFinderFrm(TPartsWhere& where, QWidget* parent)
    : TADlgFrm(parent), m_where(where), m_source(new DataSource(where.DataSet(), this)),
      m_class(new TjtComboBox(Body())), m_status(new TjtComboBox(Body())) {
    setWindowTitle(QStringLiteral("备件查找"));
    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, grid](QWidget* input, Field& field) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(field.DisplayLabel(), Body()), row, 0);
        grid->addWidget(input, row, 1);
    };
    for (const auto& [combo, field, list] : {std::tuple{m_class, where.ClassAFld, kClassList},
                                             std::tuple{m_status, where.StatusFld, kStatusList}}) {
        combo->setEditable(true);
        combo->addItems(PickLists.Items(list));
        m_source->Bind(combo, *field);
        add(combo, *field);
    }
    for (Field* field : where.SFlds()) {
        auto* edit = new TjtEdit(Body());
        edit->setMinimumWidth(200);
        m_source->Bind(edit, *field);
        add(edit, *field);
        m_texts.append(edit);
    }
}

void TPartFinderFrm::done(int result) {
    m_where.CommitEdits();
    TADlgFrm::done(result);
}
