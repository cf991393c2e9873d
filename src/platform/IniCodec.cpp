#include "platform/IniCodec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace dorvani {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0
        || a.trimmed().toUpper() == b.trimmed().toUpper();
}

QString decode(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder greek("windows-1253", QStringConverter::Flag::Stateless);
    if (greek.isValid())
        return greek.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

IniFile IniFile::parse(const QByteArray &bytes)
{
    IniFile ini;
    const QString text = decode(bytes);
    Section *current = nullptr;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            const QString name = trimmed.mid(1, trimmed.size() - 2);
            current = ini.find(name);
            if (!current) {
                ini.m_sections.append(Section{name, {}});
                current = &ini.m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || !current)
            continue;
        const QString name = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        bool replaced = false;
        for (Entry &e : current->entries)
            if (sameName(e.name, name)) {
                e.value = value;
                replaced = true;
                break;
            }
        if (!replaced)
            current->entries.append(Entry{name, value});
    }
    return ini;
}

QByteArray IniFile::write() const
{
    QString out;
    for (const Section &s : m_sections) {
        out += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const Entry &e : s.entries)
            out += e.name + QLatin1Char('=') + e.value + QStringLiteral("\r\n");
        out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

bool IniFile::load(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Δεν είναι δυνατό να διαβαστεί το αρχείο %1").arg(path);
        return false;
    }
    *this = parse(f.readAll());
    return true;
}

bool IniFile::save(const QString &path, QString *error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(write()) < 0 || !f.commit()) {
        if (error)
            *error = QStringLiteral("Δεν είναι δυνατό να γραφτεί το αρχείο %1").arg(path);
        return false;
    }
    return true;
}

IniFile::Section *IniFile::find(const QString &section)
{
    for (Section &s : m_sections)
        if (sameName(s.name, section))
            return &s;
    return nullptr;
}

const IniFile::Section *IniFile::find(const QString &section) const
{
    for (const Section &s : m_sections)
        if (sameName(s.name, section))
            return &s;
    return nullptr;
}

bool IniFile::contains(const QString &section, const QString &name) const
{
    if (const Section *s = find(section))
        for (const Entry &e : s->entries)
            if (sameName(e.name, name))
                return true;
    return false;
}

QString IniFile::value(const QString &section, const QString &name, const QString &fallback) const
{
    if (const Section *s = find(section))
        for (const Entry &e : s->entries)
            if (sameName(e.name, name))
                return e.value;
    return fallback;
}

void IniFile::setValue(const QString &section, const QString &name, const QString &value)
{
    Section *s = find(section);
    if (!s) {
        m_sections.append(Section{section, {}});
        s = &m_sections.last();
    }
    for (Entry &e : s->entries)
        if (sameName(e.name, name)) {
            e.value = value;
            return;
        }
    s->entries.append(Entry{name, value});
}

void IniFile::removeSection(const QString &section)
{
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (sameName(m_sections[i].name, section)) {
            m_sections.removeAt(i);
            return;
        }
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Section &s : m_sections)
        out << s.name;
    return out;
}

} // namespace dorvani
