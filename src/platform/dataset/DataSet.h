#pragma once

#include "Field.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class FilterExpression;

enum class DataSetState { Inactive, Browse, Edit, Insert, Calc };

enum LocateOption { loNone = 0, loCaseInsensitive = 1, loPartialKey = 2 };

// The in-memory editable copy of a result set. Rows are stored one compact block each
// (fixed 8-byte slots plus the UTF-8 text), so 100,000 wide rows stay affordable.
// The cursor walks a view of the rows, which the sort text and the filter shape.
class DataSet : public QObject {
    Q_OBJECT
public:
    using Bookmark = qint64;

    explicit DataSet(QObject* parent = nullptr);
    ~DataSet() override;

    // Fields
    Field* AddField(FieldKind kind, const QString& name, int size = -1, bool visible = true,
                    const QString& label = QString());
    void ClearFields();
    int FieldCount() const { return int(m_fields.size()); }
    Field& Fields(int index) const { return *m_fields[size_t(index)]; }
    Field* FindField(const QString& name) const;
    Field& FieldByName(const QString& name) const;

    // Lifecycle
    void CreateDataSet();
    void Close();
    bool Active() const { return m_state != DataSetState::Inactive; }
    DataSetState State() const { return m_state; }
    bool Editing() const {
        return m_state == DataSetState::Edit || m_state == DataSetState::Insert;
    }
    // Whether a field of the row being edited has been assigned.
    bool Modified() const { return m_modified; }
    // Posts a pending edit that changed something, cancels one that did not.
    void CheckBrowseMode();

    // Loading: the SQL layer opens the set with the fields in place, then hands over rows
    // whose values are in field order.
    void BeginLoad();
    void LoadRow(std::vector<QVariant>& values);
    void EndLoad();

    // Cursor
    int RecordCount() const { return int(m_view.size()); }
    bool IsEmpty() const { return m_view.empty(); }
    int RecNo() const { return m_view.empty() ? 0 : m_pos + 1; }
    void SetRecNo(int recNo);
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool Locate(const QString& fieldNames, const QVariantList& values, int options = loNone);
    bool Locate(const QString& fieldName, const QVariant& value, int options = loNone) {
        return Locate(fieldName, QVariantList{value}, options);
    }
    Bookmark GetBookmark() const;
    bool BookmarkValid(Bookmark bookmark) const;
    void GotoBookmark(Bookmark bookmark);

    // Editing in memory only; nothing here writes to a database.
    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Asks bound controls to push their pending values into the edit buffer.
    void UpdateRecord();

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // "Code ASC,Name DESC"; empty for load order.
    void SetSort(const QString& sortText);
    const QString& Sort() const { return m_sortText; }
    // ADO-style filter text, applied while Filtered is on.
    void SetFilter(const QString& filterText);
    const QString& Filter() const { return m_filterText; }
    void SetFiltered(bool filtered);
    bool Filtered() const { return m_filtered; }

    // Cell access for views: a row of the current view and a field index.
    QVariant ValueAt(int row, int field) const;
    bool SetValueAt(int row, int field, const QVariant& value);
    // Cell access by stored row, for the filter and sort machinery.
    QVariant StoredValue(Bookmark storedRow, int field) const;

    // Current row's value of a field (used by Field).
    QVariant CurrentValue(int field) const;
    void SetCurrentValue(int field, const QVariant& value);

    std::function<void(DataSet&)> OnNewRecord;
    std::function<void(DataSet&)> AfterInsert;
    std::function<void(DataSet&)> BeforePost;
    std::function<void(DataSet&)> AfterPost;
    std::function<void(DataSet&)> BeforeDelete;
    std::function<void(DataSet&)> AfterScroll;
    std::function<void(DataSet&)> OnCalcFields;

Q_SIGNALS:
    void reset();
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void currentChanged(int row);
    void stateChanged();
    void updateRecordRequested();

private:
    struct Layout;
    struct SortKey;

    void CheckActive() const;
    void CheckBrowse() const;
    void SetState(DataSetState state);
    void MoveTo(int pos);
    void Scrolled();
    void RebuildView();
    bool PassesFilter(Bookmark storedRow) const;
    void SortView();
    std::vector<SortKey> ParseSort(const QString& sortText) const;
    void StartInsert(int pos);
    void RemoveViewRow(int pos);
    void CalcFields(std::vector<QVariant>& values);
    bool RowMatches(int viewRow, const std::vector<int>& fields, const QVariantList& values,
                    int options) const;
    void NotifyReset();
    void NotifyRow(int row);
    bool Notifying() const { return m_disableCount == 0; }

    std::vector<std::unique_ptr<Field>> m_fields;
    std::unique_ptr<const Layout> m_layout;
    std::vector<std::unique_ptr<char[]>> m_rows;  // stored rows; a deleted row leaves a null slot
    std::vector<quint32> m_view;                   // stored row of each visible row
    std::vector<QVariant> m_buffer;                // edit buffer of the current row
    std::vector<QVariant>* m_calcRow = nullptr;    // row being loaded while OnCalcFields runs
    DataSetState m_state = DataSetState::Inactive;
    DataSetState m_calcSavedState = DataSetState::Inactive;
    int m_pos = 0;
    bool m_eof = true;
    bool m_bof = true;
    int m_disableCount = 0;
    bool m_changedWhileDisabled = false;
    bool m_movedWhileDisabled = false;
    bool m_modified = false;
    bool m_hasCalcFields = false;
    QString m_sortText;
    std::vector<SortKey> m_sortKeys;
    QString m_filterText;
    std::unique_ptr<FilterExpression> m_filter;
    bool m_filtered = false;
};
