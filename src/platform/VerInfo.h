// The program's own version, as the splash box and the information box show it.
#pragma once

#include <QString>
#include <QStringList>

namespace dorvani {

class TVerInfoRes {
public:
    // Created for the program's file; the version is the one the program was built with.
    explicit TVerInfoRes(const QString &fileName = QString());

    // major.minor.release.build
    QString fileVersion() const;
    // The flags of the build: "Pre-release", "Private build", "Special build", "Debug".
    QStringList flags() const;

    static QString versionText();

private:
    QString m_file;
};

} // namespace dorvani
