#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

/// Sets environment variables for the life of the guard and restores them afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

    void set(const char *name, const QByteArray &value);
    void unset(const char *name);

private:
    void remember(const char *name);
    struct Saved {
        QByteArray name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> m_saved;
};
