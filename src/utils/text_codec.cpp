#include "utils/text_codec.h"

namespace UtilsLib {

TextCodec::~TextCodec() = default;

} // namespace UtilsLib
