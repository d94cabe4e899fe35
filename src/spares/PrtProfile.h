#pragma once

#include <QTableWidget>

class TPartsSet;

// The read-only summary of one part that the part windows show beside their inputs.
class TPrtProfile : public QTableWidget {
    Q_OBJECT
public:
    explicit TPrtProfile(QWidget* parent = nullptr);

    // Shows the current row of the set.
    void ShowPart(const TPartsSet& parts);
};
