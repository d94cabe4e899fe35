#pragma once

#include "data/QuerySet.h"

#include <QHash>

#include <array>

// The stock movements of every part, summed per part and kind: 0 requisitioned and not yet
// arrived, 1 arrived, 2 consumed (negative). Bills count whatever their confirmation state.
class TPartotal : public TQuerySet {
public:
    TPartotal();

    // The total of kind 0, 1 or 2 of the part; selector 3 is the stock (every kind but 0).
    // The first call reads the totals of all parts at once; later calls look them up.
    double Total(int partId, int selector);

    Field* PartIdFld;
    Field* KindIdFld;
    Field* tQtyFld;

private:
    void Load();

    bool m_loaded = false;
    QHash<int, std::array<double, 3>> m_totals;
};
