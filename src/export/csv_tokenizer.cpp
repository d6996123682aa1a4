#include "export/csv_tokenizer.h"
