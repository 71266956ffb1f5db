#pragma once

#include "Dialogs.h"

#include <QString>

#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

namespace vorkast {

// A failure whose text is meant for the user (UTF-8).
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// Runs a handler; a thrown error shows its text in an error box and the handler stops
// there, so no exception ever crosses the event loop. Returns false after an error.
template <typename F>
bool guarded(Dialogs &dialogs, F &&handler) noexcept
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::bad_alloc &) {
        dialogs.error(QStringLiteral("Недостаточно памяти."));
    } catch (const std::exception &e) {
        dialogs.error(QString::fromUtf8(e.what()));
    } catch (...) {
        dialogs.error(QStringLiteral("Неизвестная ошибка."));
    }
    return false;
}

} // namespace vorkast
