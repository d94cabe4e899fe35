#pragma once

#include "CustomCountSet.h"

// Equipment grouped by any column it shows, with the money, size and number columns summed.
class TEqiCountSet : public TCustomCountSet {
public:
    TEqiCountSet();

protected:
    QList<const Field*> GroupColumns(const ::DataSet& source) const override;
};
