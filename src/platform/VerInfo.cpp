#include "platform/VerInfo.h"

#include "platform/Version.h"

namespace dorvani {

TVerInfoRes::TVerInfoRes(const QString &fileName) : m_file(fileName) {}

QString TVerInfoRes::versionText()
{
    return QString("%1.%2.%3.%4")
        .arg(DORVANI_VERSION_MAJOR)
        .arg(DORVANI_VERSION_MINOR)
        .arg(DORVANI_VERSION_RELEASE)
        .arg(DORVANI_VERSION_BUILD);
}

QString TVerInfoRes::fileVersion() const { return versionText(); }

QStringList TVerInfoRes::flags() const
{
    QStringList out;
    if (DORVANI_VERSION_MAJOR == 0)
        out << "Pre-release";
#ifndef NDEBUG
    out << "Debug";
#endif
    return out;
}

} // namespace dorvani
