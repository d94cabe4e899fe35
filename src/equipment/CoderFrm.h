#pragma once

#include "CoderSet.h"
#include "ui/ADlgFrm.h"

class QTableWidget;
class TjtComboBox;

// "自动编号": one line per code segment, on which the operator picks one of its items. OK
// composes the code from the items' fixed texts and running numbers; a number that no longer
// fits its width stops the composing and keeps the dialog open.
class TCoderFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TCoderFrm(QWidget* parent = nullptr);

    // The composed code, once the dialog has been closed with OK.
    const QString& Code() const { return m_code; }
    QTableWidget* Segments() const { return vleCodes1; }
    // The item list of a segment line.
    TjtComboBox* ItemsOf(int row) const;

public Q_SLOTS:
    void accept() override;

private:
    void Fill();
    TjtComboBox* SegmentLine(const QString& kind);
    QString Compose();

    TCoderSet m_codes;
    QTableWidget* vleCodes1;
    QString m_code;
};

// Shows "自动编号"; true on OK, with the composed code in code.
bool PickCode(QString& code, QWidget* parent = nullptr);
