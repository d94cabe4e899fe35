#include "RecordSet.h"

void TRecordSet::Delete() {
    if (DataSet().Active() && !DataSet().IsEmpty()) DataSet().Delete();
}

void TRecordSet::DeleteAll() {
    ::DataSet& data = DataSet();
    if (!data.Active()) return;
    data.DisableControls();
    while (data.RecordCount() > 0) {
        data.First();
        data.Delete();
    }
    data.EnableControls();
}
