#include "app/OperationLog.h"

namespace zl {

void OperationLog::SetText(std::u16string_view) {}
void OperationLog::WriteLogLine() {}

}  // namespace zl
