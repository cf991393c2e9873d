#include "platform/Registry.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace dorvani {

QString Registry::fileFor(const QString &key)
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    const QString leaf = key.section('\\', -1);
    return QDir(base).filePath("Dorvani/" + leaf + ".ini");
}

Registry::Registry(const QString &key) : m_settings(new QSettings(fileFor(key), QSettings::IniFormat)) {}

Registry::~Registry()
{
    m_settings->sync();
    delete m_settings;
}

QString Registry::storedName(const QString &section, const QString &name) const
{
    m_settings->beginGroup(section);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    for (const QString &k : keys)
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return {};
}

QVariant Registry::raw(const QString &section, const QString &name) const
{
    const QString stored = storedName(section, name);
    if (stored.isEmpty())
        return {};
    const QVariant v = m_settings->value(section + '/' + stored);
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(',');
    return v;
}

bool Registry::valueExists(const QString &section, const QString &name) const
{
    return !storedName(section, name).isEmpty();
}

QString Registry::readString(const QString &section, const QString &name, const QString &def) const
{
    const QVariant v = raw(section, name);
    return v.isValid() ? v.toString() : def;
}

bool Registry::readBool(const QString &section, const QString &name, bool def) const
{
    const QVariant v = raw(section, name);
    if (!v.isValid())
        return def;
    const QString s = v.toString().trimmed().toLower();
    if (s == "true" || s == "1")
        return true;
    if (s == "false" || s == "0")
        return false;
    return def;
}

int Registry::readInteger(const QString &section, const QString &name, int def) const
{
    const QVariant v = raw(section, name);
    if (!v.isValid())
        return def;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : def;
}

void Registry::write(const QString &section, const QString &name, const QString &value)
{
    const QString stored = storedName(section, name);
    m_settings->setValue(section + '/' + (stored.isEmpty() ? name : stored), value);
    m_settings->sync();
}

void Registry::writeString(const QString &section, const QString &name, const QString &value)
{
    write(section, name, value);
}

void Registry::writeBool(const QString &section, const QString &name, bool value)
{
    write(section, name, value ? "true" : "false");
}

void Registry::writeInteger(const QString &section, const QString &name, int value)
{
    write(section, name, QString::number(value));
}

void Registry::deleteValue(const QString &section, const QString &name)
{
    const QString stored = storedName(section, name);
    if (!stored.isEmpty()) {
        m_settings->remove(section + '/' + stored);
        m_settings->sync();
    }
}

} // namespace dorvani
