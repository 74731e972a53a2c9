// SPDX-License-Identifier: GPL-3.0-or-later
#include "useraction.h"

#include "core/runtimeerror.h"
#include "editor.h"

#include <new>

namespace rumbario {

namespace {

/** Turns whatever an action throws into a run-time error, the program's own or error 7. */
void runReportingErrors(const std::function<void()> &action,
                        const std::function<void(const RuntimeError &)> &onError)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        onError(error);
    } catch (const std::bad_alloc &) {
        onError(RuntimeError::outOfMemory());
    }
}

} // namespace

void reportRuntimeError(Editor &editor, const RuntimeError &error)
{
    editor.services.messageBox(QStringLiteral("error ") + QString::number(error.number()) +
                                   QStringLiteral(": ") + error.description(),
                               Buttons::Ok);
}

void runUserAction(Editor &editor, const std::function<void()> &action, const Recovery &recovery)
{
    const quint64 revision = editor.store.journal.revision();
    const auto report = [&editor](const RuntimeError &error) {
        // Reporting may fail too, out of memory for one: the event still ends here.
        runReportingErrors([&] { reportRuntimeError(editor, error); }, [](const RuntimeError &) {});
    };
    runReportingErrors(action, [&](const RuntimeError &error) {
        if (recovery)
            runReportingErrors([&] { recovery(error); }, report);
        else
            report(error);
    });
    editor.store.endAction();
    if (editor.store.journal.revision() != revision)
        editor.services.mapChanged();
}

} // namespace rumbario
