#include "export/localized_messages.h"
