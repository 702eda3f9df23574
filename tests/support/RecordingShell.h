// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "platform/Shell.h"

#include <QList>

// Records every verb and target handed to the shell and answers from a
// script. Installs itself as the shell service for its lifetime.
class RecordingShell final : public Shell {
public:
    struct Call {
        QString verb;
        QString target;
    };

    RecordingShell() { SetShell(this); }
    ~RecordingShell() override { SetShell(nullptr); }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    int Execute(const QString& verb, const QString& target) override
    {
        m_calls.append({verb, target});
        return m_results.isEmpty() ? kShellSucceeded : m_results.takeFirst();
    }

    // Recorded with the verb "run".
    bool StartProgram(const QString& program) override
    {
        m_calls.append({QStringLiteral("run"), program});
        return true;
    }

    // Results given to the next calls in turn; when used up, success (42).
    void Script(QList<int> results) { m_results = std::move(results); }
    const QList<Call>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }

private:
    QList<Call> m_calls;
    QList<int> m_results;
};
