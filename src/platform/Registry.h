// The settings store: four keys (Software\Dorvani\General, Info, Labels, GeneralTAKO),
// each with sections and named values. Value names are matched without regard to case;
// a value that is absent or of the wrong kind reads as the default given. The values
// live in the user's configuration folder, one INI file per key.
#pragma once

#include <QString>
#include <QVariant>

class QSettings;

namespace dorvani {

class Registry {
public:
    static constexpr const char *General = "Software\\Dorvani\\General";
    static constexpr const char *Info = "Software\\Dorvani\\Info";
    static constexpr const char *Labels = "Software\\Dorvani\\Labels";
    static constexpr const char *GeneralTAKO = "Software\\Dorvani\\GeneralTAKO";

    explicit Registry(const QString &key);
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    bool valueExists(const QString &section, const QString &name) const;
    QString readString(const QString &section, const QString &name, const QString &def = QString()) const;
    bool readBool(const QString &section, const QString &name, bool def) const;
    int readInteger(const QString &section, const QString &name, int def) const;

    void writeString(const QString &section, const QString &name, const QString &value);
    void writeBool(const QString &section, const QString &name, bool value);
    void writeInteger(const QString &section, const QString &name, int value);
    void deleteValue(const QString &section, const QString &name);

    // The file that holds a key.
    static QString fileFor(const QString &key);

private:
    QString storedName(const QString &section, const QString &name) const;
    QVariant raw(const QString &section, const QString &name) const;
    void write(const QString &section, const QString &name, const QString &value);

    QSettings *m_settings;
};

} // namespace dorvani
