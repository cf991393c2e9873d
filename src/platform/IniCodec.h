// A small INI file codec: sections and names matched without regard to case, values kept
// exactly as written (commas, "=" and spaces included). Files are written in UTF-8 and read
// as UTF-8, or as Windows Greek (code page 1253) when they are not valid UTF-8.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace dorvani {

class IniFile {
public:
    static IniFile parse(const QByteArray &bytes);
    QByteArray write() const;

    // Reads a file; false with a Greek reason in *error when it cannot be read.
    bool load(const QString &path, QString *error = nullptr);
    // Writes the whole file or nothing; false with a Greek reason in *error.
    bool save(const QString &path, QString *error = nullptr) const;

    bool contains(const QString &section, const QString &name) const;
    QString value(const QString &section, const QString &name, const QString &fallback = {}) const;
    void setValue(const QString &section, const QString &name, const QString &value);
    void removeSection(const QString &section);
    QStringList sections() const;

private:
    struct Entry {
        QString name;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    Section *find(const QString &section);
    const Section *find(const QString &section) const;
    QList<Section> m_sections;
};

} // namespace dorvani
