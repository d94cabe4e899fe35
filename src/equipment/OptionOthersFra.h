#pragma once

#include "OptionPageFra.h"

class QCheckBox;

// "其他选项": the operator-log switch.
class TOptionOthersFra : public TOptionPageFra {
    Q_OBJECT
public:
    explicit TOptionOthersFra(QWidget* parent = nullptr);
    void Save() override;
    QCheckBox* LogSwitch() const { return m_log; }

private:
    QCheckBox* m_log;
};
