#include "data/SqlText.h"

#include "data/Schema.h"
#include "data/Store.h"

#include <QRegularExpression>
#include <QVector>

namespace dorvani {

namespace {

// A minimal scanner over SQL text: words, quoted names, literals and punctuation.
struct Token {
    enum Kind { Word, QuotedName, Literal, Other } kind;
    int start, end; // [start, end) in the text
    QString text;   // the word, or the name inside quotes
};

QVector<Token> scan(const QString &s)
{
    QVector<Token> out;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == '-' && i + 1 < n && s.at(i + 1) == '-') {
            while (i < n && s.at(i) != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && s.at(i + 1) == '*') {
            const int e = int(s.indexOf("*/", i + 2));
            i = e < 0 ? n : e + 2;
        } else if (c == '\'') {
            int j = i + 1;
            while (j < n) {
                if (s.at(j) == '\'') {
                    if (j + 1 < n && s.at(j + 1) == '\'') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out.append({Token::Literal, i, qMin(j + 1, n), {}});
            i = j + 1;
        } else if (c == '"' || c == '[' || c == '`') {
            const QChar close = c == '[' ? QChar(']') : c;
            int j = i + 1;
            QString name;
            while (j < n) {
                if (s.at(j) == close) {
                    if (close != ']' && j + 1 < n && s.at(j + 1) == close) {
                        name += close;
                        j += 2;
                        continue;
                    }
                    break;
                }
                name += s.at(j);
                ++j;
            }
            out.append({Token::QuotedName, i, qMin(j + 1, n), name});
            i = j + 1;
        } else if (c.isLetterOrNumber() || c == '_') {
            int j = i;
            while (j < n && (s.at(j).isLetterOrNumber() || s.at(j) == '_' || s.at(j) == '$'))
                ++j;
            out.append({Token::Word, i, j, s.mid(i, j - i)});
            i = j;
        } else {
            out.append({Token::Other, i, i + 1, QString(c)});
            ++i;
        }
    }
    return out;
}

bool isTablePositionKeyword(const Token &t)
{
    if (t.kind != Token::Word)
        return false;
    static const QStringList kw = {"FROM", "JOIN", "UPDATE", "INTO", "TABLE"};
    return kw.contains(t.text.toUpper());
}

} // namespace

QString sqlIdent(const QString &name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

namespace sqltext {

namespace {

QString literalText(const QString &sql, const Token &t)
{
    return sql.mid(t.start + 1, t.end - t.start - 2).replace("''", "'");
}

bool isWord(const Token &t, const char *word) { return t.kind == Token::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0; }

// A run of "F LIKE 'dd/mm%' OR F LIKE ..." that makes up a whole group (between "(" and
// ")") or a whole condition (after WHERE, up to ORDER, GROUP, LIMIT or the end), with
// patterns of digits and slashes of one length. It matches the same rows as
// "substr(F, 1, n) IN ('dd/mm', ...)", which SQLite tests with one lookup per row instead
// of one LIKE per day: a year of days becomes 366 lookups fewer per citizen.
constexpr int kIndexedDays = 62;

struct PrefixChain {
    int endToken = -1; // the first token after the run
    QString replacement;
};

PrefixChain prefixChain(const QString &sql, const QVector<Token> &toks, int i)
{
    PrefixChain none;
    if (i == 0 || !(toks[i - 1].kind == Token::Other ? toks[i - 1].text == "(" : isWord(toks[i - 1], "WHERE")))
        return none;
    const QString field = toks[i].text;
    QStringList prefixes;
    int length = -1;
    int j = i;
    for (;;) {
        if (j + 2 >= toks.size() || toks[j].kind != Token::Word || toks[j].text.compare(field, Qt::CaseInsensitive) != 0
            || !isWord(toks[j + 1], "LIKE") || toks[j + 2].kind != Token::Literal)
            return none;
        const QString pattern = literalText(sql, toks[j + 2]);
        static const QRegularExpression dayPattern("^[0-9/]+%$");
        if (!dayPattern.match(pattern).hasMatch() || (length >= 0 && pattern.size() - 1 != length))
            return none;
        length = int(pattern.size()) - 1;
        prefixes << sqlQuote(pattern.left(length));
        j += 3;
        if (j < toks.size() && isWord(toks[j], "OR")) {
            ++j;
            continue;
        }
        break;
    }
    const bool closes = j == toks.size() || (toks[j].kind == Token::Other && toks[j].text == ")")
                        || isWord(toks[j], "ORDER") || isWord(toks[j], "GROUP") || isWord(toks[j], "LIMIT");
    if (!closes || prefixes.size() < 4)
        return none;
    // Up to two months of days are looked up in the field's day index; a longer period
    // matches so many citizens that reading them all in order is quicker ("+" keeps
    // SQLite from the index).
    const QString sign = prefixes.size() > kIndexedDays ? "+" : "";
    return {j, QString("%1substr(%2, 1, %3) IN (%4)").arg(sign, field).arg(length).arg(prefixes.join(", "))};
}

} // namespace

QString normalise(const QString &sql)
{
    // Most statements hold nothing to change; a quick look spares them the scan.
    if (!sql.contains(".db", Qt::CaseInsensitive) && !sql.contains(".DB") && !sql.contains("LIKE", Qt::CaseInsensitive)
        && !sql.contains(" TO", Qt::CaseInsensitive) && !sql.contains(" NO", Qt::CaseInsensitive))
        return sql;
    QString out;
    out.reserve(sql.size() + 8);
    int pos = 0;
    const QVector<Token> toks = scan(sql);
    for (int i = 0; i < toks.size(); ++i) {
        const Token &t = toks[i];
        QString replacement;
        int last = i;
        if (t.kind == Token::QuotedName && t.text.contains('.')) {
            // A table named by its file name, as in "TO.db".
            if (const TableDef *def = Schema::find(t.text))
                replacement = sqlIdent(def->name);
        } else if (t.kind == Token::Word && i > 0 && isTablePositionKeyword(toks[i - 1])) {
            const QString up = t.text.toUpper();
            if (up == "TO" || up == "NO")
                replacement = sqlIdent(up);
        } else if (t.kind == Token::Word && i + 1 < toks.size() && isWord(toks[i + 1], "LIKE")) {
            const PrefixChain chain = prefixChain(sql, toks, i);
            if (chain.endToken > 0) {
                replacement = chain.replacement;
                last = chain.endToken - 1;
            }
        }
        if (!replacement.isNull()) {
            out += QStringView(sql).mid(pos, t.start - pos);
            out += replacement;
            pos = toks[last].end;
            i = last;
        }
    }
    out += QStringView(sql).mid(pos);
    return out;
}

bool isWrite(const QString &sql)
{
    static const QStringList writes = {"UPDATE", "INSERT", "DELETE", "REPLACE"};
    const QVector<Token> toks = scan(sql);
    int i = 0;
    while (i < toks.size() && toks[i].kind != Token::Word)
        ++i;
    if (i == toks.size())
        return false;
    if (toks[i].text.toUpper() != "WITH")
        return writes.contains(toks[i].text.toUpper());
    // After the common table expressions, the statement they serve: the first statement word
    // outside every parenthesis.
    int depth = 0;
    for (++i; i < toks.size(); ++i) {
        const Token &t = toks[i];
        if (t.kind == Token::Other && t.start < sql.size()) {
            if (sql.at(t.start) == '(')
                ++depth;
            else if (sql.at(t.start) == ')')
                --depth;
            continue;
        }
        if (t.kind != Token::Word || depth > 0)
            continue;
        const QString up = t.text.toUpper();
        if (up == "SELECT" || up == "VALUES")
            return false;
        if (writes.contains(up))
            return true;
    }
    return false;
}

QString writtenTable(const QString &sql)
{
    const QVector<Token> toks = scan(sql);
    for (int i = 0; i + 1 < toks.size(); ++i) {
        if (toks[i].kind != Token::Word)
            continue;
        const QString up = toks[i].text.toUpper();
        int j = -1;
        if (up == "UPDATE")
            j = i + 1;
        else if ((up == "INTO" || up == "FROM") && i > 0 && toks[i - 1].kind == Token::Word
                 && (toks[i - 1].text.toUpper() == "INSERT" || toks[i - 1].text.toUpper() == "DELETE"
                     || toks[i - 1].text.toUpper() == "REPLACE"))
            j = i + 1;
        if (j >= 0 && j < toks.size()) {
            const TableDef *t = Schema::find(toks[j].text);
            return t ? t->name : QString();
        }
    }
    return {};
}

QStringList tablesOf(const QString &sql)
{
    QStringList out;
    for (const Token &t : scan(sql))
        if (t.kind == Token::Word || t.kind == Token::QuotedName)
            if (const TableDef *def = Schema::find(t.text))
                if (!out.contains(def->name))
                    out << def->name;
    return out;
}

} // namespace sqltext

} // namespace dorvani
