#pragma once

#include "data/RecordSet.h"

#include <QList>
#include <QString>

// One right of the catalogue, in the order the operator editor lists them.
struct TRightItem {
    int Number;
    QString Name;
};
const QList<TRightItem>& RightsCatalogue();
// The stored form of a set of rights: ",n," for each right, in catalogue order.
QString RightsText(const QList<int>& granted);
bool RightsContain(const QString& rights, int number);

// The logged-in operator (and the login dialog's private one).
class TOperator {
public:
    QString LoginId;
    QString Password;
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;

    void Load(const QString& loginId);
    bool CheckPassword(const QString& password) const;
    bool HasRight(int right) const;
    // Shows the refusal with the right's number; with abort the command ends silently.
    bool CheckRight(int right, bool abort);
    bool IsSa() const { return LoginId == u"sa"; }
    void RequireSa() const;
    void SetPassword(const QString& password);
};

extern TOperator& CurrentOperator;

// Operators other than sa, as the operator list shows and edits them.
class TOperatorSet : public TRecordSet {
public:
    TOperatorSet();
    void Insert(const QString& loginId, const QString& password, const QString& rights,
                const QString& note, const QString& contact, const QString& name);
    void Update(const QString& loginId, const QString& password, const QString& rights,
                const QString& note, const QString& contact, const QString& name);
    void Delete(const QString& loginId);
    using TRecordSet::Delete;
    QString LoginList();

    Field* LoginIdFld;
    Field* PasswordFld;
    Field* NameFld;
    Field* ContactFld;
    Field* NoteFld;
    Field* RightsFld;

private:
    TDBParameters Values(const QString& loginId, const QString& password, const QString& rights,
                         const QString& note, const QString& contact, const QString& name) const;
    void PutRow(const TDBParameters& values);
};
