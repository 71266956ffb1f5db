#pragma once

#include <QString>
#include <stdexcept>

namespace vorkast {

// A failure of the data layer; the text is UTF-8 and meant for the user.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString &message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace vorkast
