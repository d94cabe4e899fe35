#include "FilterExpression.h"

#include "platform/Exceptions.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kMsecsPerDay = 86400000;
// Deeper nesting than this is no hand-written filter; refusing it keeps the recursion bounded.
constexpr int kMaxDepth = 200;

// Comparisons with a null row value are unknown rather than false, so that NOT and NOT LIKE
// leave null rows out exactly as the same condition does in SQL.
enum class Truth : signed char { False, True, Unknown };

Truth FromBool(bool value) {
    return value ? Truth::True : Truth::False;
}

enum class CompareOp { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

bool Holds(CompareOp op, int order) {
    switch (op) {
    case CompareOp::Equal:
        return order == 0;
    case CompareOp::NotEqual:
        return order != 0;
    case CompareOp::Less:
        return order < 0;
    case CompareOp::LessEqual:
        return order <= 0;
    case CompareOp::Greater:
        return order > 0;
    case CompareOp::GreaterEqual:
        return order >= 0;
    }
    return false;
}

template <typename T> int Order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Date-times compare as one number, so rows need no time-zone work. An invalid date sorts
// first rather than overflowing.
qint64 MomentOf(QDate date, QTime time) {
    if (!date.isValid()) return std::numeric_limits<qint64>::min();
    return date.toJulianDay() * kMsecsPerDay + time.msecsSinceStartOfDay();
}

// The text form of a non-text value, written into caller-owned storage so that matching a
// row allocates nothing. Forms follow what the grids show: floats to 15 digits, True/False,
// and dates without their time at midnight.
struct TextBuffer {
    char16_t chars[64];
};

QStringView TextForm(const QVariant& value, TextBuffer& buffer) {
    char ascii[64];
    int length = 0;
    switch (value.typeId()) {
    case QMetaType::QString:
        return *static_cast<const QString*>(value.constData());
    case QMetaType::Double: {
        const auto r = std::to_chars(ascii, ascii + sizeof ascii, value.toDouble(),
                                     std::chars_format::general, 15);
        length = int(r.ptr - ascii);
        break;
    }
    case QMetaType::Bool:
        return value.toBool() ? u"True" : u"False";
    case QMetaType::QDateTime:
    case QMetaType::QDate: {
        const bool withTime = value.typeId() == QMetaType::QDateTime;
        const QDateTime dt =
            withTime ? *static_cast<const QDateTime*>(value.constData())
                     : QDateTime(*static_cast<const QDate*>(value.constData()), QTime(0, 0));
        const QDate d = dt.date();
        const QTime t = dt.time();
        length = std::snprintf(ascii, sizeof ascii, "%04d-%02d-%02d", d.year(), d.month(), d.day());
        if (t.msecsSinceStartOfDay() != 0)
            length += std::snprintf(ascii + length, sizeof ascii - size_t(length),
                                    " %02d:%02d:%02d", t.hour(), t.minute(), t.second());
        break;
    }
    default: {
        const auto r = std::to_chars(ascii, ascii + sizeof ascii, value.toLongLong());
        length = int(r.ptr - ascii);
        break;
    }
    }
    std::copy(ascii, ascii + length, buffer.chars);
    return QStringView(buffer.chars, length);
}

char16_t Fold(QChar c) {
    return char16_t(QChar::toCaseFolded(char32_t(c.unicode())));
}

// A LIKE pattern compiled once: % and * match any run, _ one character, the rest literally
// and without regard to case.
class LikePattern {
public:
    LikePattern() = default;
    explicit LikePattern(QStringView pattern) {
        for (const QChar c : pattern) {
            if (c == u'%' || c == u'*') {
                if (m_units.empty() || m_units.back().kind != Unit::Any)
                    m_units.push_back({0, Unit::Any});
            } else if (c == u'_') {
                m_units.push_back({0, Unit::One});
            } else {
                m_units.push_back({Fold(c), Unit::Literal});
            }
        }
    }

    // Greedy scan that falls back to the last wildcard on a mismatch; no allocation.
    bool Matches(QStringView text) const {
        const size_t count = m_units.size();
        constexpr size_t none = size_t(-1);
        size_t p = 0;
        qsizetype s = 0;
        size_t starP = none;
        qsizetype starS = 0;
        while (s < text.size()) {
            if (p < count && m_units[p].kind == Unit::Any) {
                starP = p++;
                starS = s;
            } else if (p < count &&
                       (m_units[p].kind == Unit::One || m_units[p].ch == Fold(text[s]))) {
                ++p;
                ++s;
            } else if (starP != none) {
                p = starP + 1;
                s = ++starS;
            } else {
                return false;
            }
        }
        while (p < count && m_units[p].kind == Unit::Any)
            ++p;
        return p == count;
    }

private:
    struct Unit {
        char16_t ch;
        enum Kind : char { Literal, One, Any } kind;
    };
    std::vector<Unit> m_units;
};

// Accepts yyyy-MM-dd and yyyy/M/d with an optional h:mm[:ss], and Jet's M/d/yyyy.
// A date without time is midnight.
bool ParseMoment(QStringView text, qint64* moment) {
    static const QString time = uR"((?:(?:\s+|T)(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"_s;
    static const QRegularExpression ymd(uR"(^(\d{4})([-/])(\d{1,2})\2(\d{1,2}))"_s + time);
    static const QRegularExpression mdy(uR"(^(\d{1,2})/(\d{1,2})/(\d{4}))"_s + time);
    text = text.trimmed();
    int year = 0, month = 0, day = 0, timeGroup = 0;
    QRegularExpressionMatch m = ymd.match(text);
    if (m.hasMatch()) {
        year = m.capturedView(1).toInt();
        month = m.capturedView(3).toInt();
        day = m.capturedView(4).toInt();
        timeGroup = 5;
    } else {
        m = mdy.match(text);
        if (!m.hasMatch()) return false;
        month = m.capturedView(1).toInt();
        day = m.capturedView(2).toInt();
        year = m.capturedView(3).toInt();
        timeGroup = 4;
    }
    const QDate date(year, month, day);
    QTime clock(0, 0);
    if (m.hasCaptured(timeGroup)) {
        clock = QTime(m.capturedView(timeGroup).toInt(), m.capturedView(timeGroup + 1).toInt(),
                      m.capturedView(timeGroup + 2).toInt());
    }
    if (!date.isValid() || !clock.isValid()) return false;
    *moment = MomentOf(date, clock);
    return true;
}

bool IsText(FieldKind kind) {
    return kind == FieldKind::String || kind == FieldKind::Memo;
}

enum class TokenType { End, Name, BracketedName, Text, Number, Date, LeftParen, RightParen, Op };

struct Token {
    TokenType type = TokenType::End;
    QString value; // name, text or date without their delimiters; a number as written
    CompareOp op = CompareOp::Equal;
    qsizetype start = 0;
    qsizetype length = 0;
};

} // namespace

struct FilterExpression::Node {
    enum class Type { And, Or, Not, IsNull, Compare, Like };

    Truth Evaluate(const std::function<QVariant(int)>& valueOf) const;
    int CompareWith(const QVariant& value) const;

    Type type = Type::Compare;
    std::vector<std::unique_ptr<Node>> children; // And, Or, Not
    int field = -1;
    FieldKind kind = FieldKind::String;
    CompareOp op = CompareOp::Equal;
    bool negated = false;     // IS NOT NULL, NOT LIKE
    bool nullIsEmpty = false; // Text = '' / <> '': the data set keeps empty texts as null
    QString text;
    double number = 0;
    qint64 integer = 0;
    bool isInteger = false;
    bool flag = false;
    qint64 moment = 0;
    LikePattern pattern;
};

Truth FilterExpression::Node::Evaluate(const std::function<QVariant(int)>& valueOf) const {
    switch (type) {
    case Type::And: {
        Truth result = Truth::True;
        for (const auto& child : children) {
            const Truth t = child->Evaluate(valueOf);
            if (t == Truth::False) return Truth::False;
            if (t == Truth::Unknown) result = Truth::Unknown;
        }
        return result;
    }
    case Type::Or: {
        Truth result = Truth::False;
        for (const auto& child : children) {
            const Truth t = child->Evaluate(valueOf);
            if (t == Truth::True) return Truth::True;
            if (t == Truth::Unknown) result = Truth::Unknown;
        }
        return result;
    }
    case Type::Not: {
        const Truth t = children.front()->Evaluate(valueOf);
        return t == Truth::Unknown ? t : FromBool(t == Truth::False);
    }
    case Type::IsNull:
        return FromBool(valueOf(field).isValid() == negated);
    case Type::Like: {
        const QVariant value = valueOf(field);
        if (!value.isValid()) return Truth::Unknown;
        TextBuffer buffer;
        return FromBool(pattern.Matches(TextForm(value, buffer)) != negated);
    }
    case Type::Compare: {
        const QVariant value = valueOf(field);
        if (!value.isValid())
            return nullIsEmpty ? FromBool(op == CompareOp::Equal) : Truth::Unknown;
        return FromBool(Holds(op, CompareWith(value)));
    }
    }
    return Truth::Unknown;
}

int FilterExpression::Node::CompareWith(const QVariant& value) const {
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::Float:
        if (isInteger && value.typeId() != QMetaType::Double)
            return Order(value.toLongLong(), integer);
        return Order(value.toDouble(), number);
    case FieldKind::Boolean:
        return value.toBool() == flag ? 0 : 1;
    case FieldKind::DateTime:
        if (value.typeId() == QMetaType::QDateTime) {
            const auto& dt = *static_cast<const QDateTime*>(value.constData());
            return Order(MomentOf(dt.date(), dt.time()), moment);
        }
        return Order(MomentOf(value.toDate(), QTime(0, 0)), moment);
    case FieldKind::String:
    case FieldKind::Memo:
    case FieldKind::Blob:
        break;
    }
    TextBuffer buffer;
    return TextForm(value, buffer).compare(text, Qt::CaseInsensitive);
}

class FilterExpression::Parser {
public:
    Parser(const QString& text, const std::vector<FilterField>& fields)
        : m_text(text), m_fields(fields) {}

    std::unique_ptr<Node> Parse() {
        Tokenize();
        if (Peek().type == TokenType::End) return nullptr;
        auto root = ParseExpression();
        const Token& rest = Peek();
        if (rest.type == TokenType::RightParen) Fail(u"多余的右括号"_s);
        if (rest.type != TokenType::End) Fail(u"多余的内容 "_s + m_text.mid(rest.start).trimmed());
        return root;
    }

    std::vector<int> UsedFields() {
        std::sort(m_used.begin(), m_used.end());
        m_used.erase(std::unique(m_used.begin(), m_used.end()), m_used.end());
        return m_used;
    }

private:
    [[noreturn]] void Fail(const QString& reason) const {
        throw EDatabaseError(u"过滤条件不正确: "_s + m_text + u"\r\n"_s + reason);
    }

    // Scanning

    static bool IsAsciiLetter(char16_t c) { return (c | 0x20) >= u'a' && (c | 0x20) <= u'z'; }

    // Length in UTF-16 units of the name character at i, or 0 when there is none: ASCII
    // letters, digits and _, and any other letter (Chinese field names are common).
    qsizetype NameCharAt(qsizetype i, bool first) const {
        const char16_t c = m_text[i].unicode();
        if (c < 0x80)
            return IsAsciiLetter(c) || c == u'_' || (!first && c >= u'0' && c <= u'9') ? 1 : 0;
        char32_t ucs = c;
        qsizetype length = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < m_text.size() && m_text[i + 1].isLowSurrogate()) {
            ucs = QChar::surrogateToUcs4(c, m_text[i + 1].unicode());
            length = 2;
        }
        const bool ok =
            QChar::isLetter(ucs) || (!first && (QChar::isNumber(ucs) || QChar::isMark(ucs)));
        return ok ? length : 0;
    }

    bool IsDigitAt(qsizetype i) const {
        return i < m_text.size() && m_text[i] >= u'0' && m_text[i] <= u'9';
    }

    void Tokenize() {
        const qsizetype n = m_text.size();
        qsizetype i = 0;
        while (i < n) {
            const QChar c = m_text[i];
            if (c.isSpace()) {
                ++i;
                continue;
            }
            Token t;
            t.start = i;
            if (c == u'(' || c == u')') {
                t.type = c == u'(' ? TokenType::LeftParen : TokenType::RightParen;
                ++i;
            } else if (c == u'\'') {
                t.type = TokenType::Text;
                for (++i;; ++i) {
                    if (i >= n) Fail(u"文本缺少结束的单引号"_s);
                    if (m_text[i] != u'\'') {
                        t.value += m_text[i];
                    } else if (i + 1 < n && m_text[i + 1] == u'\'') {
                        t.value += u'\'';
                        ++i;
                    } else {
                        break;
                    }
                }
                ++i;
            } else if (c == u'#' || c == u'[') {
                const QChar close = c == u'#' ? u'#' : u']';
                const qsizetype end = m_text.indexOf(close, i + 1);
                if (end < 0) Fail(c == u'#' ? u"日期缺少结束的 #"_s : u"字段名缺少结束的 ]"_s);
                t.type = c == u'#' ? TokenType::Date : TokenType::BracketedName;
                t.value = m_text.mid(i + 1, end - i - 1);
                i = end + 1;
            } else if (c == u'=' || c == u'<' || c == u'>' || c == u'!') {
                t.type = TokenType::Op;
                const QChar next = i + 1 < n ? m_text[i + 1] : QChar();
                if (c == u'=') {
                    t.op = CompareOp::Equal;
                } else if (c == u'!') {
                    if (next != u'=') Fail(u"无法识别的字符 !"_s);
                    t.op = CompareOp::NotEqual;
                } else if (c == u'<' && next == u'>') {
                    t.op = CompareOp::NotEqual;
                } else if (next == u'=') {
                    t.op = c == u'<' ? CompareOp::LessEqual : CompareOp::GreaterEqual;
                } else {
                    t.op = c == u'<' ? CompareOp::Less : CompareOp::Greater;
                }
                const bool pair =
                    c == u'!' || (c == u'<' && next == u'>') || (c != u'=' && next == u'=');
                i += pair ? 2 : 1;
            } else if (IsDigitAt(i) || (c == u'.' && IsDigitAt(i + 1)) ||
                       ((c == u'+' || c == u'-') &&
                        (IsDigitAt(i + 1) ||
                         (i + 1 < n && m_text[i + 1] == u'.' && IsDigitAt(i + 2))))) {
                t.type = TokenType::Number;
                if (c == u'+' || c == u'-') ++i;
                while (IsDigitAt(i))
                    ++i;
                if (i < n && m_text[i] == u'.') ++i;
                while (IsDigitAt(i))
                    ++i;
                // "5abc" or "1.2.3" is one unreadable value, not a number and a name.
                if (i < n && (NameCharAt(i, false) > 0 || m_text[i] == u'.')) {
                    while (i < n && (NameCharAt(i, false) > 0 || m_text[i] == u'.'))
                        ++i;
                    Fail(u"无法识别的值 "_s + m_text.mid(t.start, i - t.start));
                }
                t.value = m_text.mid(t.start, i - t.start);
            } else if (const qsizetype len = NameCharAt(i, true); len > 0) {
                t.type = TokenType::Name;
                i += len;
                while (i < n) {
                    const qsizetype more = NameCharAt(i, false);
                    if (more == 0) break;
                    i += more;
                }
                t.value = m_text.mid(t.start, i - t.start);
            } else {
                Fail(u"无法识别的字符 "_s + m_text.mid(i, c.isHighSurrogate() ? 2 : 1));
            }
            t.length = i - t.start;
            m_tokens.push_back(std::move(t));
        }
        Token end;
        end.start = n;
        m_tokens.push_back(end);
    }

    // Parsing

    const Token& Peek() const { return m_tokens[m_pos]; }
    const Token& Next() { return m_tokens[m_pos < m_tokens.size() - 1 ? m_pos++ : m_pos]; }

    static bool Is(const Token& t, QLatin1StringView keyword) {
        return t.type == TokenType::Name && t.value.compare(keyword, Qt::CaseInsensitive) == 0;
    }

    static bool IsReserved(const Token& t) {
        for (const auto keyword :
             {"and"_L1, "or"_L1, "not"_L1, "like"_L1, "is"_L1, "null"_L1, "true"_L1, "false"_L1})
            if (Is(t, keyword)) return true;
        return false;
    }

    QString Source(const Token& t) const { return m_text.mid(t.start, t.length); }

    [[noreturn]] void FailAt(const Token& t, const QString& reason) const {
        if (t.type == TokenType::End) Fail(u"条件不完整"_s);
        Fail(reason + u' ' + Source(t));
    }

    std::unique_ptr<Node> Combine(Node::Type type, std::unique_ptr<Node> first,
                                  QLatin1StringView keyword,
                                  std::unique_ptr<Node> (Parser::*operand)()) {
        if (!Is(Peek(), keyword)) return first;
        auto node = std::make_unique<Node>();
        node->type = type;
        node->children.push_back(std::move(first));
        while (Is(Peek(), keyword)) {
            ++m_pos;
            node->children.push_back((this->*operand)());
        }
        return node;
    }

    std::unique_ptr<Node> ParseExpression() {
        return Combine(Node::Type::Or, ParseTerm(), "or"_L1, &Parser::ParseTerm);
    }

    std::unique_ptr<Node> ParseTerm() {
        return Combine(Node::Type::And, ParseFactor(), "and"_L1, &Parser::ParseFactor);
    }

    std::unique_ptr<Node> ParseFactor() {
        if (++m_depth > kMaxDepth) Fail(u"括号嵌套过深"_s);
        std::unique_ptr<Node> node;
        if (Peek().type == TokenType::LeftParen) {
            ++m_pos;
            if (Peek().type == TokenType::RightParen) Fail(u"括号内缺少条件"_s);
            node = ParseExpression();
            if (Peek().type != TokenType::RightParen) Fail(u"缺少右括号"_s);
            ++m_pos;
        } else if (Is(Peek(), "not"_L1)) {
            ++m_pos;
            node = std::make_unique<Node>();
            node->type = Node::Type::Not;
            node->children.push_back(ParseFactor());
        } else {
            node = ParseComparison();
        }
        --m_depth;
        return node;
    }

    int FieldIndex(const Token& t) const {
        if (t.type == TokenType::BracketedName || (t.type == TokenType::Name && !IsReserved(t))) {
            for (size_t i = 0; i < m_fields.size(); ++i)
                if (m_fields[i].name.compare(t.value, Qt::CaseInsensitive) == 0) return int(i);
            Fail(u"未知的字段 "_s + t.value);
        }
        FailAt(t, u"此处应为字段名"_s);
    }

    std::unique_ptr<Node> ParseComparison() {
        const Token& name = Next();
        auto node = std::make_unique<Node>();
        node->field = FieldIndex(name);
        node->kind = m_fields[size_t(node->field)].kind;
        m_used.push_back(node->field);
        const Token& t = Next();
        if (Is(t, "is"_L1)) {
            node->type = Node::Type::IsNull;
            node->negated = Is(Peek(), "not"_L1);
            if (node->negated) ++m_pos;
            const Token& null = Next();
            if (!Is(null, "null"_L1)) FailAt(null, u"IS 之后应为 NULL"_s);
        } else if (Is(t, "like"_L1) || Is(t, "not"_L1)) {
            node->type = Node::Type::Like;
            node->negated = Is(t, "not"_L1);
            if (node->negated) {
                const Token& like = Next();
                if (!Is(like, "like"_L1)) FailAt(like, u"NOT 之后应为 LIKE"_s);
            }
            RequireComparable(*node, name);
            const Token& pattern = Next();
            if (pattern.type != TokenType::Text) FailAt(pattern, u"LIKE 之后应为带引号的文本"_s);
            node->pattern = LikePattern(pattern.value);
        } else if (t.type == TokenType::Op) {
            node->op = t.op;
            Bind(*node, name, Next());
        } else {
            FailAt(t, u"缺少比较运算符"_s);
        }
        return node;
    }

    void RequireComparable(const Node& node, const Token& name) const {
        if (node.kind == FieldKind::Blob) Fail(u"字段 "_s + name.value + u" 只能判断是否为空"_s);
    }

    [[noreturn]] void BadValue(const Token& value) const { FailAt(value, u"无法识别的值"_s); }

    static bool ParseNumber(QStringView text, Node& node) {
        bool ok = false;
        node.number = QLocale::c().toDouble(text.trimmed(), &ok);
        if (!ok || !std::isfinite(node.number)) return false;
        node.integer = QLocale::c().toLongLong(text.trimmed(), &node.isInteger);
        return true;
    }

    // Turns the literal into the constant the rows are compared with, by the field's kind.
    void Bind(Node& node, const Token& name, const Token& value) {
        const bool equality = node.op == CompareOp::Equal || node.op == CompareOp::NotEqual;
        const bool null = Is(value, "null"_L1);
        // A blank text is how the data set stores null in every non-text field.
        if (null ||
            (value.type == TokenType::Text && value.value.isEmpty() && !IsText(node.kind))) {
            if (!equality) {
                if (null) Fail(u"NULL 只能用 = 或 <> 比较"_s);
                BadValue(value);
            }
            node.type = Node::Type::IsNull;
            node.negated = node.op == CompareOp::NotEqual;
            return;
        }
        RequireComparable(node, name);
        switch (node.kind) {
        case FieldKind::String:
        case FieldKind::Memo:
            if (value.type == TokenType::Number) {
                node.text = value.value.startsWith(u'+') ? value.value.mid(1) : value.value;
            } else if (value.type == TokenType::Text) {
                node.text = value.value;
                node.nullIsEmpty = equality && node.text.isEmpty();
            } else {
                BadValue(value);
            }
            return;
        case FieldKind::Integer:
        case FieldKind::Float:
            if ((value.type != TokenType::Number && value.type != TokenType::Text) ||
                !ParseNumber(value.value, node))
                BadValue(value);
            return;
        case FieldKind::Boolean:
            if (!equality) Fail(u"布尔字段只能用 = 或 <> 比较"_s);
            if (Is(value, "true"_L1) || Is(value, "false"_L1)) {
                node.flag = Is(value, "true"_L1);
            } else if (value.type == TokenType::Text &&
                       (value.value.trimmed().compare("true"_L1, Qt::CaseInsensitive) == 0 ||
                        value.value.trimmed().compare("false"_L1, Qt::CaseInsensitive) == 0)) {
                node.flag = value.value.trimmed().compare("true"_L1, Qt::CaseInsensitive) == 0;
            } else if ((value.type == TokenType::Number || value.type == TokenType::Text) &&
                       ParseNumber(value.value, node) && node.isInteger && node.integer >= -1 &&
                       node.integer <= 1) {
                node.flag = node.integer != 0;
            } else {
                BadValue(value);
            }
            return;
        case FieldKind::DateTime:
            if ((value.type != TokenType::Date && value.type != TokenType::Text) ||
                !ParseMoment(value.value, &node.moment))
                BadValue(value);
            return;
        case FieldKind::Blob:
            break;
        }
    }

    const QString& m_text;
    const std::vector<FilterField>& m_fields;
    std::vector<Token> m_tokens;
    size_t m_pos = 0;
    int m_depth = 0;
    std::vector<int> m_used;
};

FilterExpression::FilterExpression(const QString& text, const std::vector<FilterField>& fields) {
    Parser parser(text, fields);
    m_root = parser.Parse();
    m_used = parser.UsedFields();
}

FilterExpression::~FilterExpression() = default;

bool FilterExpression::Matches(const std::function<QVariant(int)>& valueOf) const {
    return !m_root || m_root->Evaluate(valueOf) == Truth::True;
}
