#include "DataSet.h"

#include "FilterExpression.h"
#include "platform/Exceptions.h"

#include <QCollator>
#include <QLocale>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

QString NotActiveText() {
    return QStringLiteral("数据集没有打开,无法进行此操作");
}

bool IsEmptyValue(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return true;
    if (v.typeId() == QMetaType::QString) return static_cast<const QString*>(v.constData())->isEmpty();
    if (v.typeId() == QMetaType::QByteArray)
        return static_cast<const QByteArray*>(v.constData())->isEmpty();
    return false;
}

} // namespace

// A stored row is one block: a null bitmap, one 8-byte slot per field (the number itself, or
// offset and length of the text or bytes kept after the slots), then the UTF-8 text.
// Encoding takes values as the driver returns them or as the fields normalise them.
struct DataSet::Layout {
    const std::vector<std::unique_ptr<Field>>& fields;
    std::vector<FieldKind> kinds;
    size_t nullBytes = 0;
    size_t slots = 0;

    explicit Layout(const std::vector<std::unique_ptr<Field>>& all) : fields(all) {
        for (const auto& f : all) kinds.push_back(f->Kind());
        nullBytes = (kinds.size() + 7) / 8;
        slots = (nullBytes + 7) & ~size_t(7);
    }

    std::unique_ptr<char[]> Encode(const std::vector<QVariant>& values) const {
        thread_local std::vector<char> buffer;
        thread_local QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const size_t fixed = slots + 8 * kinds.size();
        size_t bound = fixed;
        for (size_t i = 0; i < kinds.size(); ++i) bound += VariableBound(i, values[i]);
        if (buffer.size() < bound) buffer.resize(bound);
        char* block = buffer.data();
        std::memset(block, 0, slots);
        size_t tail = fixed;
        for (size_t i = 0; i < kinds.size(); ++i) {
            char* slot = block + slots + 8 * i;
            if (!EncodeCell(i, values[i], block, slot, &tail, utf8))
                block[i / 8] = char(block[i / 8] | (1 << (i % 8)));
        }
        auto row = std::make_unique<char[]>(tail);
        std::memcpy(row.get(), block, tail);
        return row;
    }

    size_t VariableBound(size_t i, const QVariant& v) const {
        if (kinds[i] != FieldKind::String && kinds[i] != FieldKind::Memo && kinds[i] != FieldKind::Blob)
            return 0;
        if (v.typeId() == QMetaType::QString)
            return 3 * size_t(static_cast<const QString*>(v.constData())->size());
        if (v.typeId() == QMetaType::QByteArray)
            return size_t(static_cast<const QByteArray*>(v.constData())->size());
        return 3 * size_t(fields[i]->Normalize(v).toString().size() + 1) +
               size_t(v.toByteArray().size());
    }

    // Writes one cell; false when it is null.
    bool EncodeCell(size_t i, const QVariant& raw, char* block, char* slot, size_t* tail,
                    QStringEncoder& utf8) const {
        if (IsEmptyValue(raw)) return false;
        const FieldKind kind = kinds[i];
        const int type = raw.typeId();
        if ((kind == FieldKind::String || kind == FieldKind::Memo) && type == QMetaType::QString)
            return PutText(*static_cast<const QString*>(raw.constData()), block, slot, tail, utf8);
        if (kind == FieldKind::DateTime && type == QMetaType::QString) {
            qint64 packed = 0;
            if (Field::PackText(*static_cast<const QString*>(raw.constData()), &packed)) {
                Put(slot, packed);
                return true;
            }
        }
        if (kind == FieldKind::DateTime && type == QMetaType::QDateTime) {
            Put(slot, Field::PackDateTime(*static_cast<const QDateTime*>(raw.constData())));
            return true;
        }
        if (kind == FieldKind::Integer && (type == QMetaType::Int || type == QMetaType::LongLong)) {
            Put(slot, raw.toLongLong());
            return true;
        }
        if (kind == FieldKind::Float && type == QMetaType::Double) {
            Put(slot, raw.toDouble());
            return true;
        }
        const QVariant v = fields[i]->Normalize(raw);
        if (!v.isValid()) return false;
        switch (kind) {
        case FieldKind::Integer: Put(slot, v.toLongLong()); return true;
        case FieldKind::Float: Put(slot, v.toDouble()); return true;
        case FieldKind::Boolean: Put(slot, qint64(v.toBool())); return true;
        case FieldKind::DateTime: Put(slot, Field::PackDateTime(v.toDateTime())); return true;
        case FieldKind::Blob: {
            const QByteArray bytes = v.toByteArray();
            Put(slot, quint32(*tail));
            Put(slot + 4, quint32(bytes.size()));
            std::memcpy(block + *tail, bytes.constData(), size_t(bytes.size()));
            *tail += size_t(bytes.size());
            return true;
        }
        default: return PutText(v.toString(), block, slot, tail, utf8);
        }
    }

    static bool PutText(const QString& text, char* block, char* slot, size_t* tail,
                        QStringEncoder& utf8) {
        char* end = utf8.appendToBuffer(block + *tail, text);
        const size_t length = size_t(end - (block + *tail));
        Put(slot, quint32(*tail));
        Put(slot + 4, quint32(length));
        *tail += length;
        return true;
    }

    QVariant Decode(const char* block, int field) const {
        if (!block || (block[field / 8] & (1 << (field % 8)))) return {};
        const char* slot = block + slots + 8 * size_t(field);
        switch (kinds[size_t(field)]) {
        case FieldKind::Integer: return Get<qint64>(slot);
        case FieldKind::Float: return Get<double>(slot);
        case FieldKind::Boolean: return Get<qint64>(slot) != 0;
        case FieldKind::DateTime: return Field::UnpackDateTime(Get<qint64>(slot));
        case FieldKind::Blob:
            return QByteArray(block + Get<quint32>(slot), qsizetype(Get<quint32>(slot + 4)));
        default:
            return QString::fromUtf8(block + Get<quint32>(slot), qsizetype(Get<quint32>(slot + 4)));
        }
    }

    // The value as a number for ordering (dates by their packed form); false when null.
    bool SortNumber(const char* block, int field, double* number) const {
        if (!block || (block[field / 8] & (1 << (field % 8)))) return false;
        const char* slot = block + slots + 8 * size_t(field);
        switch (kinds[size_t(field)]) {
        case FieldKind::Float: *number = Get<double>(slot); break;
        default: *number = double(Get<qint64>(slot)); break;
        }
        return true;
    }

    template <typename T> static void Put(char* to, T value) { std::memcpy(to, &value, sizeof value); }
    template <typename T> static T Get(const char* from) {
        T value;
        std::memcpy(&value, from, sizeof value);
        return value;
    }
};

struct DataSet::SortKey {
    int field;
    bool descending;
};

DataSet::DataSet(QObject* parent) : QObject(parent) {}

DataSet::~DataSet() = default;

Field* DataSet::AddField(FieldKind kind, const QString& name, int size, bool visible,
                         const QString& label) {
    if (Active()) throw EDatabaseError(QStringLiteral("数据集打开时不能添加字段 %1").arg(name));
    auto field = std::make_unique<Field>(*this, FieldCount(), kind, name);
    if (size >= 0) field->SetSize(size);
    field->SetVisible(visible);
    field->SetDisplayLabel(label);
    m_fields.push_back(std::move(field));
    return m_fields.back().get();
}

void DataSet::ClearFields() {
    Close();
    m_fields.clear();
    m_filter.reset();
}

Field* DataSet::FindField(const QString& name) const {
    for (const auto& f : m_fields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

Field& DataSet::FieldByName(const QString& name) const {
    if (Field* f = FindField(name)) return *f;
    throw EDatabaseError(QStringLiteral("字段 '%1' 不存在").arg(name));
}

void DataSet::CreateDataSet() {
    BeginLoad();
    EndLoad();
}

void DataSet::Close() {
    if (m_state == DataSetState::Inactive) return;
    m_state = DataSetState::Inactive;
    m_modified = false;
    m_rows.clear();
    m_view.clear();
    m_buffer.clear();
    m_pos = 0;
    m_eof = m_bof = true;
    NotifyReset();
    Q_EMIT stateChanged();
}

void DataSet::BeginLoad() {
    Close();
    m_layout = std::make_unique<Layout>(m_fields);
    m_hasCalcFields = std::any_of(m_fields.begin(), m_fields.end(),
                                  [](const auto& f) { return f->Calculated(); });
    m_state = DataSetState::Browse;
}

void DataSet::LoadRow(std::vector<QVariant>& values) {
    if (m_hasCalcFields && OnCalcFields) {
        // Calculations read typed values; plain rows are encoded straight from the driver's.
        for (size_t i = 0; i < m_fields.size(); ++i) values[i] = m_fields[i]->Normalize(values[i]);
        CalcFields(values);
    }
    m_rows.push_back(m_layout->Encode(values));
}

void DataSet::EndLoad() {
    // Fields made anew from a result are matched to the sort and filter texts again.
    m_sortKeys = ParseSort(m_sortText);
    if (m_filtered && !m_filter && !m_filterText.isEmpty()) SetFilter(m_filterText);
    RebuildView();
    m_pos = 0;
    m_bof = true;
    m_eof = m_view.empty();
    NotifyReset();
    Q_EMIT stateChanged();
    Scrolled();
}

void DataSet::CheckActive() const {
    if (!Active()) throw EDatabaseError(NotActiveText());
}

void DataSet::SetState(DataSetState state) {
    m_state = state;
    Q_EMIT stateChanged();
}

void DataSet::CheckBrowseMode() {
    CheckActive();
    if (!Editing()) return;
    UpdateRecord();
    if (m_modified) Post();
    else Cancel();
}

void DataSet::SetRecNo(int recNo) {
    CheckBrowseMode();
    if (m_view.empty()) return;
    MoveTo(std::clamp(recNo - 1, 0, RecordCount() - 1));
    m_bof = m_eof = false;
}

void DataSet::First() {
    CheckBrowseMode();
    MoveTo(0);
    m_bof = true;
    m_eof = m_view.empty();
}

void DataSet::Last() {
    CheckBrowseMode();
    MoveTo(std::max(0, RecordCount() - 1));
    m_eof = true;
    m_bof = m_view.empty();
}

void DataSet::Next() {
    CheckBrowseMode();
    if (m_pos + 1 >= RecordCount()) {
        m_eof = true;
        return;
    }
    MoveTo(m_pos + 1);
    m_bof = m_eof = false;
}

void DataSet::Prior() {
    CheckBrowseMode();
    if (m_pos == 0) {
        m_bof = true;
        return;
    }
    MoveTo(m_pos - 1);
    m_bof = m_eof = false;
}

void DataSet::MoveTo(int pos) {
    const bool moved = pos != m_pos;
    m_pos = pos;
    if (moved || !m_view.empty()) Scrolled();
}

void DataSet::Scrolled() {
    if (Notifying()) Q_EMIT currentChanged(m_view.empty() ? -1 : m_pos);
    else m_movedWhileDisabled = true;
    if (AfterScroll) AfterScroll(*this);
}

bool DataSet::RowMatches(int viewRow, const std::vector<int>& fields, const QVariantList& values,
                         int options) const {
    for (size_t i = 0; i < fields.size(); ++i) {
        const Field& f = *m_fields[size_t(fields[i])];
        const QVariant have = ValueAt(viewRow, fields[i]);
        QVariant want;
        try {
            want = f.Normalize(values[qsizetype(i)]);
        } catch (const EDatabaseError&) {
            return false;
        }
        if (have.isValid() != want.isValid()) return false;
        if (!have.isValid()) continue;
        if (f.IsText()) {
            const QString h = have.toString(), w = want.toString();
            const auto cs = (options & loCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
            const bool ok = (options & loPartialKey) ? h.startsWith(w, cs) : h.compare(w, cs) == 0;
            if (!ok) return false;
        } else if (have != want) {
            return false;
        }
    }
    return true;
}

bool DataSet::Locate(const QString& fieldNames, const QVariantList& values, int options) {
    CheckBrowseMode();
    std::vector<int> fields;
    for (const QString& name : fieldNames.split(u';', Qt::SkipEmptyParts))
        fields.push_back(FieldByName(name.trimmed()).Index());
    if (qsizetype(fields.size()) != values.size())
        throw EDatabaseError(QStringLiteral("查找的字段与值的个数不一致: %1").arg(fieldNames));
    for (int row = 0; row < RecordCount(); ++row) {
        if (!RowMatches(row, fields, values, options)) continue;
        MoveTo(row);
        m_bof = m_eof = false;
        return true;
    }
    return false;
}

DataSet::Bookmark DataSet::GetBookmark() const {
    return m_view.empty() ? -1 : Bookmark(m_view[size_t(m_pos)]);
}

bool DataSet::BookmarkValid(Bookmark bookmark) const {
    if (bookmark < 0 || bookmark >= Bookmark(m_rows.size()) || !m_rows[size_t(bookmark)])
        return false;
    return std::find(m_view.begin(), m_view.end(), quint32(bookmark)) != m_view.end();
}

void DataSet::GotoBookmark(Bookmark bookmark) {
    CheckBrowseMode();
    const auto it = std::find(m_view.begin(), m_view.end(), quint32(bookmark));
    if (bookmark < 0 || it == m_view.end())
        throw EDatabaseError(QStringLiteral("书签指向的记录不存在"));
    MoveTo(int(it - m_view.begin()));
    m_bof = m_eof = false;
}

void DataSet::StartInsert(int pos) {
    CheckBrowseMode();
    m_buffer.assign(m_fields.size(), QVariant());
    if (Notifying()) Q_EMIT rowAboutToBeInserted(pos);
    m_rows.emplace_back();
    m_view.insert(m_view.begin() + pos, quint32(m_rows.size() - 1));
    m_pos = pos;
    m_bof = m_eof = false;
    m_state = DataSetState::Insert;
    if (OnNewRecord) OnNewRecord(*this);
    m_modified = false;
    if (Notifying()) Q_EMIT rowInserted(pos);
    else m_changedWhileDisabled = true;
    Q_EMIT stateChanged();
    Scrolled();
    if (AfterInsert) AfterInsert(*this);
}

void DataSet::Append() {
    CheckActive();
    StartInsert(RecordCount());
}

void DataSet::Insert() {
    CheckActive();
    StartInsert(m_view.empty() ? 0 : m_pos);
}

void DataSet::Edit() {
    CheckActive();
    if (Editing()) return;
    if (m_view.empty()) {
        Append();
        return;
    }
    m_buffer.resize(m_fields.size());
    for (int i = 0; i < FieldCount(); ++i) m_buffer[size_t(i)] = ValueAt(m_pos, i);
    m_modified = false;
    SetState(DataSetState::Edit);
}

void DataSet::UpdateRecord() {
    if (Editing()) Q_EMIT updateRecordRequested();
}

void DataSet::Post() {
    CheckActive();
    if (!Editing()) return;
    UpdateRecord();
    if (BeforePost) BeforePost(*this);
    CalcFields(m_buffer);
    const Bookmark stored = m_view[size_t(m_pos)];
    m_rows[size_t(stored)] = m_layout->Encode(m_buffer);
    m_buffer.clear();
    m_modified = false;
    SetState(DataSetState::Browse);
    if (m_filtered && !PassesFilter(stored)) RemoveViewRow(m_pos);
    else NotifyRow(m_pos);
    if (AfterPost) AfterPost(*this);
}

void DataSet::Cancel() {
    if (!Editing()) return;
    const bool inserting = m_state == DataSetState::Insert;
    m_buffer.clear();
    m_modified = false;
    SetState(DataSetState::Browse);
    if (inserting) RemoveViewRow(m_pos);
    else NotifyRow(m_pos);
}

void DataSet::Delete() {
    CheckActive();
    if (m_state == DataSetState::Insert) {
        Cancel();
        return;
    }
    if (m_state == DataSetState::Edit) Cancel();
    if (m_view.empty()) return;
    if (BeforeDelete) BeforeDelete(*this);
    m_rows[m_view[size_t(m_pos)]].reset();
    RemoveViewRow(m_pos);
}

void DataSet::RemoveViewRow(int pos) {
    if (Notifying()) Q_EMIT rowAboutToBeRemoved(pos);
    m_view.erase(m_view.begin() + pos);
    if (Notifying()) Q_EMIT rowRemoved(pos);
    else m_changedWhileDisabled = true;
    m_pos = std::clamp(pos, 0, std::max(0, RecordCount() - 1));
    m_eof = m_view.empty();
    m_bof = m_view.empty();
    Scrolled();
}

void DataSet::DisableControls() {
    ++m_disableCount;
}

void DataSet::EnableControls() {
    if (m_disableCount == 0 || --m_disableCount > 0) return;
    if (m_changedWhileDisabled) NotifyReset();
    else if (m_movedWhileDisabled) Q_EMIT currentChanged(m_view.empty() ? -1 : m_pos);
    m_changedWhileDisabled = m_movedWhileDisabled = false;
}

void DataSet::NotifyReset() {
    if (!Notifying()) {
        m_changedWhileDisabled = true;
        return;
    }
    Q_EMIT reset();
    Q_EMIT currentChanged(m_view.empty() ? -1 : m_pos);
}

void DataSet::NotifyRow(int row) {
    if (Notifying()) Q_EMIT rowChanged(row);
    else m_changedWhileDisabled = true;
}

void DataSet::CalcFields(std::vector<QVariant>& values) {
    if (!m_hasCalcFields || !OnCalcFields) return;
    m_calcRow = &values;
    m_calcSavedState = m_state;
    m_state = DataSetState::Calc;
    try {
        OnCalcFields(*this);
    } catch (...) {
        m_state = m_calcSavedState;
        m_calcRow = nullptr;
        throw;
    }
    m_state = m_calcSavedState;
    m_calcRow = nullptr;
}

QVariant DataSet::ValueAt(int row, int field) const {
    const Field& f = *m_fields[size_t(field)];
    if (f.IsLookup()) return f.Resolve(ValueAt(row, f.LookupKey()));
    if (row == m_pos && Editing()) return m_buffer[size_t(field)];
    if (row < 0 || row >= RecordCount()) return {};
    return m_layout->Decode(m_rows[m_view[size_t(row)]].get(), field);
}

bool DataSet::SetValueAt(int row, int field, const QVariant& value) {
    SetRecNo(row + 1);
    Edit();
    try {
        Fields(field).SetValue(value);
        Post();
    } catch (...) {
        Cancel();
        throw;
    }
    return true;
}

QVariant DataSet::StoredValue(Bookmark storedRow, int field) const {
    const Field& f = *m_fields[size_t(field)];
    if (f.IsLookup()) return f.Resolve(StoredValue(storedRow, f.LookupKey()));
    return m_layout->Decode(m_rows[size_t(storedRow)].get(), field);
}

QVariant DataSet::CurrentValue(int field) const {
    const Field& f = *m_fields[size_t(field)];
    if (f.IsLookup()) return f.Resolve(CurrentValue(f.LookupKey()));
    if (m_state == DataSetState::Calc) return (*m_calcRow)[size_t(field)];
    CheckActive();
    if (Editing()) return m_buffer[size_t(field)];
    return ValueAt(m_pos, field);
}

void DataSet::SetCurrentValue(int field, const QVariant& value) {
    if (m_fields[size_t(field)]->IsLookup()) {
        // Loading hands every field a value; a lookup keeps none of its own.
        if (m_state == DataSetState::Calc) return;
        throw EDatabaseError(QStringLiteral("字段 %1 是查找字段,不能修改")
                                 .arg(m_fields[size_t(field)]->FieldName()));
    }
    if (m_state == DataSetState::Calc) {
        (*m_calcRow)[size_t(field)] = value;
        return;
    }
    CheckActive();
    if (!Editing())
        throw EDatabaseError(QStringLiteral("数据集不在编辑状态,不能修改字段 %1")
                                 .arg(m_fields[size_t(field)]->FieldName()));
    m_buffer[size_t(field)] = value;
    m_modified = true;
    NotifyRow(m_pos);
}

std::vector<DataSet::SortKey> DataSet::ParseSort(const QString& sortText) const {
    std::vector<SortKey> keys;
    const auto bad = [&] { return EDatabaseError(QStringLiteral("排序文本不正确: %1").arg(sortText)); };
    for (const QString& part : sortText.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words.size() > 2) throw bad();
        const QString dir = words.value(1).toUpper();
        if (!dir.isEmpty() && dir != u"ASC" && dir != u"DESC") throw bad();
        QString name = words[0];
        if (name.startsWith(u'[') && name.endsWith(u']')) name = name.mid(1, name.size() - 2);
        Field* f = FindField(name);
        if (!f) throw EDatabaseError(QStringLiteral("排序字段 '%1' 不存在: %2").arg(name, sortText));
        keys.push_back({f->Index(), dir == u"DESC"});
    }
    return keys;
}

void DataSet::SetSort(const QString& sortText) {
    std::vector<SortKey> keys = m_fields.empty() ? std::vector<SortKey>() : ParseSort(sortText);
    m_sortText = sortText;
    m_sortKeys = std::move(keys);
    if (!Active()) return;
    CheckBrowseMode();
    RebuildView();
    MoveTo(0);
    m_bof = true;
    m_eof = m_view.empty();
    NotifyReset();
}

void DataSet::SetFilter(const QString& filterText) {
    std::unique_ptr<FilterExpression> filter;
    if (!m_fields.empty()) {
        std::vector<FilterField> fields;
        for (const auto& f : m_fields) fields.push_back({f->FieldName(), f->Kind()});
        filter = std::make_unique<FilterExpression>(filterText, fields);
    }
    m_filterText = filterText;
    m_filter = std::move(filter);
    if (m_filtered) SetFiltered(true);
}

void DataSet::SetFiltered(bool filtered) {
    if (filtered && !m_filter && !m_filterText.isEmpty()) SetFilter(m_filterText);
    m_filtered = filtered;
    if (!Active()) return;
    CheckBrowseMode();
    const Bookmark current = GetBookmark();
    RebuildView();
    const auto it = std::find(m_view.begin(), m_view.end(), quint32(std::max<Bookmark>(current, 0)));
    m_pos = it == m_view.end() ? 0 : int(it - m_view.begin());
    m_bof = m_pos == 0;
    m_eof = m_view.empty();
    NotifyReset();
    if (AfterScroll) AfterScroll(*this);
}

bool DataSet::PassesFilter(Bookmark storedRow) const {
    if (!m_filter) return true;
    return m_filter->Matches([&](int field) { return StoredValue(storedRow, field); });
}

void DataSet::RebuildView() {
    m_view.clear();
    m_view.reserve(m_rows.size());
    const bool filtering = m_filtered && m_filter;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] && (!filtering || PassesFilter(Bookmark(i)))) m_view.push_back(quint32(i));
    SortView();
}

namespace {

// One sort key's values for every row of the view, read once.
struct SortColumn {
    std::vector<QCollatorSortKey> keys;  // text that needs the Chinese collation
    std::vector<QString> texts;          // text that is all ASCII: a plain compare orders it alike
    std::vector<double> numbers;
    std::vector<bool> nulls;

    int Compare(quint32 a, quint32 b) const {
        if (nulls[a] || nulls[b]) return int(nulls[b]) - int(nulls[a]);
        if (!keys.empty()) return keys[a].compare(keys[b]);
        if (!texts.empty()) return texts[a].compare(texts[b], Qt::CaseInsensitive);
        return numbers[a] < numbers[b] ? -1 : numbers[a] > numbers[b] ? 1 : 0;
    }
};

bool IsAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

void DataSet::SortView() {
    if (m_sortKeys.empty() || m_view.size() < 2) return;
    const size_t n = m_view.size();
    std::vector<SortColumn> columns(m_sortKeys.size());
    for (size_t k = 0; k < m_sortKeys.size(); ++k) {
        const int field = m_sortKeys[k].field;
        SortColumn& c = columns[k];
        c.nulls.resize(n);
        if (!m_fields[size_t(field)]->IsText()) {
            c.numbers.resize(n);
            for (size_t i = 0; i < n; ++i)
                c.nulls[i] = !m_layout->SortNumber(m_rows[m_view[i]].get(), field, &c.numbers[i]);
            continue;
        }
        c.texts.resize(n);
        bool ascii = true;
        for (size_t i = 0; i < n; ++i) {
            const QVariant v = StoredValue(m_view[i], field);
            c.nulls[i] = !v.isValid();
            c.texts[i] = v.toString();
            ascii = ascii && IsAscii(c.texts[i]);
        }
        if (ascii) continue;
        QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        c.keys.reserve(n);
        for (const QString& text : c.texts) c.keys.push_back(collator.sortKey(text));
        c.texts.clear();
    }
    std::vector<quint32> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        for (size_t k = 0; k < columns.size(); ++k) {
            const int cmp = columns[k].Compare(a, b);
            if (cmp != 0) return m_sortKeys[k].descending ? cmp > 0 : cmp < 0;
        }
        return false;
    });
    std::vector<quint32> view(n);
    for (size_t i = 0; i < n; ++i) view[i] = m_view[order[i]];
    m_view = std::move(view);
}
