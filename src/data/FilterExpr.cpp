#include "data/FilterExpr.h"

#include "data/DbError.h"
#include "data/Store.h"

namespace dorvani {

namespace {

class Parser {
public:
    Parser(const QString &text, const QStringList &fields) : m_s(text), m_fields(fields) {}

    QString run()
    {
        skipSpace();
        if (atEnd())
            return {};
        const QString out = expr();
        skipSpace();
        if (!atEnd())
            fail();
        return out;
    }

private:
    [[noreturn]] void fail() const
    {
        throw DbError(QString("Μη έγκυρο φίλτρο: «%1».").arg(m_s));
    }
    bool atEnd() const { return m_i >= m_s.size(); }
    void skipSpace()
    {
        while (!atEnd() && m_s.at(m_i).isSpace())
            ++m_i;
    }
    // A keyword is a word followed by something that is not part of a word.
    bool keyword(const char *kw)
    {
        skipSpace();
        const QString k = QString::fromLatin1(kw);
        if (m_s.mid(m_i, k.size()).compare(k, Qt::CaseInsensitive) != 0)
            return false;
        const int after = m_i + int(k.size());
        if (after < m_s.size() && (m_s.at(after).isLetterOrNumber() || m_s.at(after) == '_'))
            return false;
        m_i = after;
        return true;
    }
    bool symbol(QChar c)
    {
        skipSpace();
        if (!atEnd() && m_s.at(m_i) == c) {
            ++m_i;
            return true;
        }
        return false;
    }

    QString expr()
    {
        QString left = term();
        while (keyword("OR"))
            left = left + " OR " + term();
        return left;
    }
    QString term()
    {
        QString left = factor();
        while (keyword("AND"))
            left = left + " AND " + factor();
        return left;
    }
    QString factor()
    {
        if (keyword("NOT"))
            return "NOT (" + factor() + ")";
        if (symbol('(')) {
            const QString inner = expr();
            if (!symbol(')'))
                fail();
            return '(' + inner + ')';
        }
        return comparison();
    }
    QString comparison()
    {
        const QString left = operand();
        skipSpace();
        if (keyword("IS")) {
            const bool neg = keyword("NOT");
            if (!keyword("NULL"))
                fail();
            return left + (neg ? " IS NOT NULL" : " IS NULL");
        }
        static const char *ops[] = {"<>", "<=", ">=", "=", "<", ">"};
        for (const char *op : ops) {
            const QString o = QString::fromLatin1(op);
            if (m_s.mid(m_i, o.size()) == o) {
                m_i += int(o.size());
                return left + ' ' + o + ' ' + operand();
            }
        }
        fail();
    }
    QString operand()
    {
        skipSpace();
        if (atEnd())
            fail();
        const QChar c = m_s.at(m_i);
        if (c == '\'') {
            QString v;
            ++m_i;
            for (;;) {
                if (atEnd())
                    fail();
                if (m_s.at(m_i) == '\'') {
                    if (m_i + 1 < m_s.size() && m_s.at(m_i + 1) == '\'') {
                        v += '\'';
                        m_i += 2;
                        continue;
                    }
                    ++m_i;
                    break;
                }
                v += m_s.at(m_i++);
            }
            v.remove(QChar(0));
            return sqlQuote(v);
        }
        if (c.isDigit() || ((c == '-' || c == '+') && m_i + 1 < m_s.size() && m_s.at(m_i + 1).isDigit())) {
            int j = m_i + 1;
            while (j < m_s.size() && (m_s.at(j).isDigit() || m_s.at(j) == '.'))
                ++j;
            const QString num = m_s.mid(m_i, j - m_i);
            m_i = j;
            bool ok = false;
            const qlonglong n = num.toLongLong(&ok);
            if (ok)
                return QString::number(n);
            const double d = num.toDouble(&ok);
            if (!ok)
                fail();
            return QString::number(d, 'g', 17);
        }
        if (keyword("NULL"))
            return "NULL";
        if (keyword("TRUE"))
            return "1";
        if (keyword("FALSE"))
            return "0";
        // A field name, bare or in brackets or double quotes.
        QString name;
        if (c == '[' || c == '"') {
            const QChar close = c == '[' ? QChar(']') : QChar('"');
            const int e = int(m_s.indexOf(close, m_i + 1));
            if (e < 0)
                fail();
            name = m_s.mid(m_i + 1, e - m_i - 1);
            m_i = e + 1;
        } else {
            int j = m_i;
            while (j < m_s.size() && (m_s.at(j).isLetterOrNumber() || m_s.at(j) == '_'))
                ++j;
            if (j == m_i)
                fail();
            name = m_s.mid(m_i, j - m_i);
            m_i = j;
        }
        for (const QString &f : m_fields)
            if (f.compare(name, Qt::CaseInsensitive) == 0)
                return '"' + f + '"';
        throw DbError(QString("Το πεδίο «%1» του φίλτρου δεν υπάρχει.").arg(name));
    }

    const QString m_s;
    const QStringList m_fields;
    int m_i = 0;
};

} // namespace

QString compileFilter(const QString &text, const QStringList &fields)
{
    return Parser(text, fields).run();
}

} // namespace dorvani
