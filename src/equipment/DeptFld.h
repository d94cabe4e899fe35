#pragma once

class DataSet;
class Field;

// A department code field brings the department's name and full path along: the lookups
// "UseDeptName" and "UseDeptPath", resolved against the application-wide department set.
// Call right after adding the code field, so the two follow it in the field order.
void AddDeptLookups(DataSet& data, const Field& deptCode);
