#pragma once

#include <QString>

#include <stdexcept>

/// A condition that makes a correct export impossible: a value the cloud service can never
/// take, a field that is not a number, a write of the export file that failed. It ends the
/// export at once and passes every stage unhandled; only the driver catches it. Its message
/// is the whole text for the operator.
class ExportStopped : public std::runtime_error {
public:
    explicit ExportStopped(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    { }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
