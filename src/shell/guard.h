#pragma once

#include "core/app_context.h"
#include "core/errors.h"

#include <QObject>
#include <QString>

#include <exception>
#include <type_traits>
#include <utility>

class QWidget;

// The default error report: the text with a full stop appended when it lacks
// one, the stop icon, and the current application title as caption.
void reportError(AppContext& ctx, QWidget* owner, const QString& message);

// Every handler is entered through this guard, so that no exception crosses Qt's
// event machinery: an error skips the rest of the handler and is reported.
// Returns false when the handler ended with an error.
template <typename Handler> bool guarded(AppContext& ctx, QWidget* owner, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const CorvaltoError& e) {
        reportError(ctx, owner, e.message());
    } catch (const std::exception& e) {
        reportError(ctx, owner, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

// Connects a signal to a handler entered through the guard. The handler takes the
// signal's arguments or none; `receiver` bounds the connection's life, `owner`
// is the window errors are reported over.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* receiver,
                                       AppContext& ctx, QWidget* owner, Handler handler)
{
    return QObject::connect(
        sender, signal, receiver, [&ctx, owner, handler = std::move(handler)](const auto&... args) {
            guarded(ctx, owner, [&] {
                if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                    handler(args...);
                else
                    handler();
            });
        });
}
