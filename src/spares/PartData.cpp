#include "PartData.h"

#include "platform/dataset/DataSet.h"

TPartData PartDataOf(const DataSet& data) {
    const auto text = [&data](const char* name) {
        return data.FieldByName(QString::fromLatin1(name)).AsString();
    };
    TPartData part;
    part.Id = data.FieldByName(QStringLiteral("Id")).AsInteger();
    part.ClassA = text("ClassA");
    part.Status = text("Status");
    part.S1 = text("S1");
    part.S2 = text("S2");
    part.S3 = text("S3");
    part.S4 = text("S4");
    part.S5 = text("S5");
    part.S6 = text("S6");
    part.S7 = text("S7");
    part.S8 = text("S8");
    return part;
}
