#include "support/scoped_environment.h"

#include <QtGlobal>

ScopedEnvironment::~ScopedEnvironment()
{
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->wasSet)
            qputenv(it->name.constData(), it->value);
        else
            qunsetenv(it->name.constData());
    }
}

void ScopedEnvironment::remember(const char *name)
{
    m_saved.append({QByteArray(name), qEnvironmentVariableIsSet(name), qgetenv(name)});
}

void ScopedEnvironment::set(const char *name, const QByteArray &value)
{
    remember(name);
    qputenv(name, value);
}

void ScopedEnvironment::unset(const char *name)
{
    remember(name);
    qunsetenv(name);
}
