#include "SqlRewriter.h"

#include <QStringView>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class Tok { Space, Comment, Word, Bracketed, Quoted, String, Number, Date, Param, Punct };

struct Token {
    Tok kind;
    qsizetype pos;
    qsizetype len;
    qsizetype match = -1; // the partner of a balanced '(' or ')'
};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isWordStart(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'_';
    return c.isLetter() || c.isSurrogate();
}

bool isWordChar(QChar c) {
    return isWordStart(c) || isDigit(c) || (c.unicode() >= 0x80 && c.isNumber());
}

// Index just past a literal opened at `start` and closed by `close`; a doubled `close` is
// an escaped one. An unterminated literal runs to the end rather than being reinterpreted.
qsizetype skipLiteral(QStringView s, qsizetype start, QChar close) {
    qsizetype i = start + 1;
    while (true) {
        i = s.indexOf(close, i);
        if (i < 0) return s.size();
        if (i + 1 < s.size() && s[i + 1] == close) {
            i += 2;
            continue;
        }
        return i + 1;
    }
}

// A Jet date literal such as #2009-01-06 15:30:00#; anything else keeps '#' an operator
// (PostgreSQL's bitwise xor).
qsizetype dateLiteralEnd(QStringView s, qsizetype start) {
    qsizetype i = start + 1;
    if (i >= s.size() || !isDigit(s[i])) return -1;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == u'#') return isDigit(s[i - 1]) ? i + 1 : -1;
        if (!isDigit(c) && c != u'-' && c != u'/' && c != u':' && c != u' ' && c != u'.') return -1;
        ++i;
    }
    return -1;
}

qsizetype numberEnd(QStringView s, qsizetype i) {
    const qsizetype n = s.size();
    while (i < n && isDigit(s[i]))
        ++i;
    if (i + 1 < n && s[i] == u'.' && isDigit(s[i + 1])) {
        ++i;
        while (i < n && isDigit(s[i]))
            ++i;
    }
    if (i + 1 < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j + 1 < n && (s[j] == u'+' || s[j] == u'-')) ++j;
        if (j < n && isDigit(s[j])) {
            i = j;
            while (i < n && isDigit(s[i]))
                ++i;
        }
    }
    return i;
}

std::vector<Token> tokenize(QStringView s) {
    std::vector<Token> tokens;
    tokens.reserve(s.size() / 3 + 4);
    std::vector<qsizetype> open;
    const qsizetype n = s.size();
    const auto at = [&](qsizetype k) { return k < n ? s[k] : QChar(); };
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        const QChar c = s[i];
        Tok kind = Tok::Punct;
        qsizetype end = -1;
        if (c.isSpace()) {
            kind = Tok::Space;
            while (i < n && s[i].isSpace())
                ++i;
        } else if (c == u'-' && at(i + 1) == u'-') {
            kind = Tok::Comment;
            i = s.indexOf(u'\n', i);
            if (i < 0) i = n;
        } else if (c == u'/' && at(i + 1) == u'*') {
            kind = Tok::Comment;
            i = s.indexOf(u"*/", i + 2);
            i = i < 0 ? n : i + 2;
        } else if (c == u'\'') {
            kind = Tok::String;
            i = skipLiteral(s, i, u'\'');
        } else if (c == u'"') {
            kind = Tok::Quoted;
            i = skipLiteral(s, i, u'"');
        } else if (c == u'[') {
            kind = Tok::Bracketed;
            i = skipLiteral(s, i, u']');
        } else if (c == u'#' && (end = dateLiteralEnd(s, i)) > 0) {
            kind = Tok::Date;
            i = end;
        } else if (c == u':' && isWordStart(at(i + 1))) {
            kind = Tok::Param;
            i += 2;
            while (i < n && isWordChar(s[i]))
                ++i;
        } else if (c == u':' && at(i + 1) == u':') {
            i += 2;
        } else if (isDigit(c) || (c == u'.' && isDigit(at(i + 1)))) {
            kind = Tok::Number;
            i = numberEnd(s, c == u'.' ? i + 1 : i);
        } else if (isWordStart(c)) {
            kind = Tok::Word;
            while (i < n && isWordChar(s[i]))
                ++i;
        } else {
            ++i;
        }
        const auto index = qsizetype(tokens.size());
        tokens.push_back({kind, start, i - start});
        if (kind == Tok::Punct && c == u'(') {
            open.push_back(index);
        } else if (kind == Tok::Punct && c == u')' && !open.empty()) {
            tokens[index].match = open.back();
            tokens[open.back()].match = index;
            open.pop_back();
        }
    }
    return tokens;
}

enum class Unit { None, Day, Month, Year, Hour, Minute, Second };

// The intervals both engines understand; the SQLite datediff function takes the same names.
Unit unitOf(QStringView name) {
    static constexpr struct {
        char16_t name[7];
        Unit unit;
    } units[] = {
        {u"d", Unit::Day},     {u"dd", Unit::Day},        {u"day", Unit::Day},
        {u"yyyy", Unit::Year}, {u"year", Unit::Year},     {u"m", Unit::Month},
        {u"mm", Unit::Month},  {u"month", Unit::Month},   {u"h", Unit::Hour},
        {u"hh", Unit::Hour},   {u"hour", Unit::Hour},     {u"n", Unit::Minute},
        {u"mi", Unit::Minute}, {u"minute", Unit::Minute}, {u"s", Unit::Second},
        {u"ss", Unit::Second}, {u"second", Unit::Second},
    };
    for (const auto& u : units) {
        if (name.compare(QStringView(u.name), Qt::CaseInsensitive) == 0) return u.unit;
    }
    return Unit::None;
}

class Rewriter {
public:
    Rewriter(QStringView sql, SqlFlavor flavor)
        : m_sql(sql), m_pg(flavor == SqlFlavor::PostgreSQL), m_tokens(tokenize(sql)) {}

    qsizetype TokenCount() const { return qsizetype(m_tokens.size()); }

    // Rewrites tokens [i, end), one parenthesis level, appending to `out`.
    void Level(qsizetype i, qsizetype end, AdaptedSql& out) const;

private:
    QStringView text(qsizetype i) const { return m_sql.sliced(m_tokens[i].pos, m_tokens[i].len); }
    bool isPunct(qsizetype i, char16_t c) const {
        return m_tokens[i].kind == Tok::Punct && m_sql[m_tokens[i].pos] == c;
    }
    bool isWord(qsizetype i, QStringView word) const {
        return m_tokens[i].kind == Tok::Word && text(i).compare(word, Qt::CaseInsensitive) == 0;
    }
    qsizetype skipSpace(qsizetype i, qsizetype end) const {
        while (i < end && m_tokens[i].kind == Tok::Space)
            ++i;
        return i;
    }
    qsizetype prevSignificant(qsizetype i) const {
        while (--i >= 0 && (m_tokens[i].kind == Tok::Space || m_tokens[i].kind == Tok::Comment)) {
        }
        return i;
    }
    // The '(' right after word i (spaces allowed between), or -1 when i is not a call.
    qsizetype callParen(qsizetype i, qsizetype end) const {
        const qsizetype j = skipSpace(i + 1, end);
        return j < end && isPunct(j, u'(') ? j : -1;
    }
    QString intervalName(qsizetype i) const;
    bool isSqliteInterval(qsizetype i, qsizetype end) const;
    qsizetype word(qsizetype i, qsizetype end, AdaptedSql& out, QStringView& limit) const;
    qsizetype dateDiff(qsizetype open, qsizetype close, AdaptedSql& out) const;

    QStringView m_sql;
    bool m_pg;
    std::vector<Token> m_tokens;
};

void Rewriter::Level(qsizetype i, qsizetype end, AdaptedSql& out) const {
    // "select top N" becomes "... limit N" after the last significant token of its level, so
    // the limit lands before a closing ')', a ';', trailing spaces and trailing comments.
    QStringView limit;
    qsizetype tail = out.text.size();
    const auto flushLimit = [&] {
        if (limit.isEmpty()) return;
        out.text.insert(tail, u" limit "_s.append(limit));
        limit = {};
    };
    for (; i < end; ++i) {
        const Token& t = m_tokens[i];
        switch (t.kind) {
        case Tok::Space:
        case Tok::Comment:
            out.text.append(text(i));
            continue;
        case Tok::Param:
            out.markers.append(out.text.size());
            out.text.append(u'?');
            out.parameters.append(text(i).sliced(1).toString());
            break;
        case Tok::Date: {
            const QStringView date = text(i).sliced(1, t.len - 2);
            out.text.append(u'\'');
            out.text.append(date);
            // SQLite keeps date-times as text, where a bare date sorts before its own midnight;
            // naming the midnight makes "<=" and "=" hold for it.
            if (!date.contains(u' ')) out.text.append(u" 00:00:00"_s);
            out.text.append(u'\'');
            break;
        }
        case Tok::Bracketed:
            if (m_pg && t.len >= 2 && m_sql[t.pos + t.len - 1] == u']') {
                QString name = text(i).sliced(1, t.len - 2).toString().toLower();
                name.replace(u"]]"_s, u"]"_s).replace(u"\""_s, u"\"\""_s);
                out.text.append(u'"');
                out.text.append(name);
                out.text.append(u'"');
            } else {
                out.text.append(text(i));
            }
            break;
        case Tok::Quoted:
            if (!m_pg && isSqliteInterval(i, end)) {
                out.text.append(u'\'');
                out.text.append(text(i).sliced(1, t.len - 2));
                out.text.append(u'\'');
            } else {
                out.text.append(text(i));
            }
            break;
        case Tok::Word:
            i = word(i, end, out, limit);
            break;
        case Tok::Punct:
            if (isPunct(i, u'(') && t.match > i) {
                out.text.append(u'(');
                Level(i + 1, t.match, out);
                out.text.append(u')');
                i = t.match;
            } else {
                if (isPunct(i, u';')) flushLimit();
                out.text.append(text(i));
            }
            break;
        default:
            out.text.append(text(i));
            break;
        }
        tail = out.text.size();
    }
    flushLimit();
}

QString Rewriter::intervalName(qsizetype i) const {
    const Token& t = m_tokens[i];
    switch (t.kind) {
    case Tok::Word:
        return text(i).toString();
    case Tok::String:
    case Tok::Quoted:
        return t.len >= 2 ? text(i).sliced(1, t.len - 2).toString() : QString();
    default:
        return {};
    }
}

// SQLite's datediff takes its interval as text: a bare or double-quoted first argument of
// DateDiff becomes a string literal.
bool Rewriter::isSqliteInterval(qsizetype i, qsizetype end) const {
    const qsizetype paren = prevSignificant(i);
    if (paren < 0 || !isPunct(paren, u'(')) return false;
    const qsizetype name = prevSignificant(paren);
    if (name < 0 || !isWord(name, u"datediff")) return false;
    const qsizetype comma = skipSpace(i + 1, end);
    return comma < end && isPunct(comma, u',') && unitOf(intervalName(i)) != Unit::None;
}

// Rewrites the word token i (and the call it opens, if any); returns the last token used.
qsizetype Rewriter::word(qsizetype i, qsizetype end, AdaptedSql& out, QStringView& limit) const {
    const qsizetype prev = prevSignificant(i);
    const bool member = prev >= 0 && isPunct(prev, u'.');

    if (isWord(i, u"select") && limit.isEmpty()) {
        qsizetype k = i + 2;
        if (k + 1 < end && m_tokens[i + 1].kind == Tok::Space && isWord(k, u"distinct") &&
            m_tokens[k + 1].kind == Tok::Space)
            k += 2;
        if (k + 2 < end && m_tokens[i + 1].kind == Tok::Space && isWord(k, u"top") &&
            m_tokens[k + 1].kind == Tok::Space && m_tokens[k + 2].kind == Tok::Number) {
            out.text.append(m_sql.sliced(m_tokens[i].pos, m_tokens[k].pos - m_tokens[i].pos));
            limit = text(k + 2);
            return k + 3 < end && m_tokens[k + 3].kind == Tok::Space ? k + 3 : k + 2;
        }
    }

    if (!m_pg && isSqliteInterval(i, end)) {
        out.text.append(u'\'');
        out.text.append(text(i));
        out.text.append(u'\'');
        return i;
    }

    if (m_pg && isWord(i, u"like")) {
        out.text.append(u"ilike");
        return i;
    }

    if (!member) {
        const qsizetype paren = callParen(i, end);
        const bool now = isWord(i, u"now");
        if (paren < 0 && now) {
            if (m_pg) {
                out.text.append(u"LOCALTIMESTAMP(0)");
            } else {
                out.text.append(text(i));
                out.text.append(u"()");
            }
            return i;
        }
        // SQLite reads left as the keyword of "left join"; quoted, it names the function.
        if (paren >= 0 && !m_pg && isWord(i, u"left")) {
            out.text.append(u"\"left\"");
            return i;
        }
        if (paren >= 0 && m_pg) {
            // An unbalanced '(' has no partner (-1): only the name may change then.
            const qsizetype close = m_tokens[paren].match;
            if ((now || isWord(i, u"getdate")) && close > paren &&
                skipSpace(paren + 1, close) == close) {
                out.text.append(u"LOCALTIMESTAMP(0)");
                return close;
            }
            if (isWord(i, u"len")) {
                out.text.append(u"length");
                return i;
            }
            if (isWord(i, u"datediff") && close > paren) {
                const qsizetype last = dateDiff(paren, close, out);
                if (last >= 0) return last;
            }
        }
    }

    out.text.append(text(i));
    return i;
}

// DateDiff(interval, a, b) as SQL Server counts it, the number of interval boundaries crossed
// from a to b. Returns the closing parenthesis, or -1 to leave the call for the engine to
// reject (unknown interval, wrong argument count).
qsizetype Rewriter::dateDiff(qsizetype open, qsizetype close, AdaptedSql& out) const {
    qsizetype bounds[4] = {open, -1, -1, close};
    int commas = 0;
    for (qsizetype j = open + 1; j < close; ++j) {
        if (isPunct(j, u'(') && m_tokens[j].match > j) {
            j = m_tokens[j].match;
        } else if (isPunct(j, u',')) {
            if (++commas > 2) return -1;
            bounds[commas] = j;
        }
    }
    if (commas != 2) return -1;

    AdaptedSql args[3];
    for (int a = 0; a < 3; ++a) {
        qsizetype b = skipSpace(bounds[a] + 1, bounds[a + 1]);
        qsizetype e = bounds[a + 1];
        while (e > b && m_tokens[e - 1].kind == Tok::Space)
            --e;
        if (b == e) return -1;
        if (a == 0) {
            if (e != b + 1) return -1;
            args[0].text = intervalName(b);
        } else {
            Level(b, e, args[a]);
        }
    }
    const Unit unit = unitOf(args[0].text);
    if (unit == Unit::None) return -1;

    const AdaptedSql& from = args[1];
    const AdaptedSql& to = args[2];
    const auto put = [&out](const AdaptedSql& arg) {
        for (const qsizetype m : arg.markers) out.markers.append(out.text.size() + m);
        out.text.append(arg.text);
        out.parameters.append(arg.parameters);
    };
    const auto diff = [&](QStringView left, QStringView middle, QStringView right) {
        out.text.append(left);
        put(to);
        out.text.append(middle);
        put(from);
        out.text.append(right);
    };
    switch (unit) {
    case Unit::Day:
        diff(u"(CAST(", u" AS date) - CAST(", u" AS date))");
        break;
    case Unit::Year:
        diff(u"CAST(EXTRACT(YEAR FROM ", u") - EXTRACT(YEAR FROM ", u") AS integer)");
        break;
    case Unit::Month:
        diff(u"CAST((EXTRACT(YEAR FROM ", u") - EXTRACT(YEAR FROM ", u")) * 12");
        diff(u" + EXTRACT(MONTH FROM ", u") - EXTRACT(MONTH FROM ", u") AS integer)");
        break;
    case Unit::Hour:
        diff(u"CAST(EXTRACT(EPOCH FROM date_trunc('hour', ", u") - date_trunc('hour', ",
             u")) / 3600 AS integer)");
        break;
    case Unit::Minute:
        diff(u"CAST(EXTRACT(EPOCH FROM date_trunc('minute', ", u") - date_trunc('minute', ",
             u")) / 60 AS integer)");
        break;
    case Unit::Second:
        diff(u"CAST(EXTRACT(EPOCH FROM date_trunc('second', ", u") - date_trunc('second', ",
             u")) / 1 AS integer)");
        break;
    case Unit::None:
        break;
    }
    return close;
}

} // namespace

AdaptedSql AdaptSql(const QString& sql, SqlFlavor flavor) {
    const Rewriter rewriter(sql, flavor);
    AdaptedSql out;
    out.text.reserve(sql.size() + 16);
    rewriter.Level(0, rewriter.TokenCount(), out);
    return out;
}
