// The error raised by the store and the datasets. Screens catch it where they write;
// what they do not catch is shown by the application's default handler.
#pragma once

#include <QString>
#include <stdexcept>

namespace dorvani {

class DbError : public std::runtime_error {
public:
    enum Kind { General, KeyViolation, NotFound, Damaged, ReadOnly };

    explicit DbError(const QString &message, Kind kind = General)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind) {}

    QString message() const { return m_message; }
    Kind kind() const { return m_kind; }
    bool isKeyViolation() const { return m_kind == KeyViolation; }

private:
    QString m_message;
    Kind m_kind;
};

} // namespace dorvani
