#pragma once

#include <QString>

// The company profile, row 0 of Company.
class TCompany {
public:
    int Id = 0;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    int UseCount = 0;
    bool Updated = false;

    void Load();
    // A name of at least four Chinese characters (more than 7 bytes in GBK).
    bool IsFilled() const;
    bool Exists() const;
    void Save();
};

// The length of a text in the GBK code page: two bytes a Chinese character, one for ASCII.
int GbkLength(const QString& text);

extern TCompany& Company;
