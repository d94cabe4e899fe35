#pragma once

#include "data/JtClientDataSet.h"

// The department tree in code order; every level adds two characters to its parent's code.
class TDeptSet : public TJtClientDataSet {
public:
    TDeptSet();

    void LoadAll();
    // The full path of a department; path is left as it was when no department has the code.
    void GetPath(const QString& code, QString& path);
    QString GetPath(const QString& code);
    // Creates a department under parentCode (empty for the top level); returns its code. A
    // level holds at most 100 departments (two digits): beyond that the user is told and the
    // call ends silently (EAbort).
    QString AddDepartment(const QString& parentCode, const QString& name);
    void Rename(const QString& code, const QString& name);
    // Deletes the department and every department below it; refused (Exception) while
    // equipment still uses one of them.
    void DeleteSubtree(const QString& code);

    Field* CodeFld;
    Field* NameFld;
    Field* NoteFld;
    Field* FatherIndexFld;
    Field* PathFld;
};

extern TDeptSet& DeptSet;
