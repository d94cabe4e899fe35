#pragma once

#include <QString>

class DataSet;

// One spare part as the picker hands it to bills, usage, installation and repair records.
struct TPartData {
    int Id = 0;
    QString ClassA, Status;
    QString S1, S2, S3, S4, S5, S6, S7, S8;
};

// The snapshot of the current row of a set with the catalogue's columns.
TPartData PartDataOf(const DataSet& data);
