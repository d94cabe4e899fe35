#pragma once

#include "CustomCountSet.h"

// Accessories grouped by name, model, origin or a text column, with their numbers summed.
class TAcsCountSet : public TCustomCountSet {
public:
    TAcsCountSet();

protected:
    QList<const Field*> GroupColumns(const ::DataSet& source) const override;
};
