#include "support/scoped_folders.h"

ScopedFolders::~ScopedFolders()
{
    for (auto it = m_restore.crbegin(); it != m_restore.crend(); ++it)
        (*it)();
}
