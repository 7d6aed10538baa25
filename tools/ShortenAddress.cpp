#include "tools/ShortenAddress.h"

namespace zl {

std::u16string ShortenAddress(std::u16string_view address) { return std::u16string(address); }

}  // namespace zl
