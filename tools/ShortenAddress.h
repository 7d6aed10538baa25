// Address shortening: used when leaving the address field and by the shorten-all command.
#pragma once

#include <string>
#include <string_view>

namespace zl {

std::u16string ShortenAddress(std::u16string_view address);

}  // namespace zl
