#include "app/OperationLog.h"

#include <cstdio>

#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"

namespace zl {

void OperationLog::SetText(std::u16string_view text) { logText = ToCp932(text); }

void OperationLog::WriteLogLine() {
    if (!enabled_) return;
    const DateTime now = clock_.Now();  // the one reading for name, date check and stamp

    char name[32];
    std::snprintf(name, sizeof name, "Oplog_%02d.txt", now.day);
    const std::filesystem::path path = folder_ / name;

    const std::string line = ToCrLf(ToCp932(FormatDateTime(now) + u" ") + logText + "\n");

    // A file last written on another date holds an earlier month's day: it starts afresh.
    const std::optional<DateTime> modified = FileModifiedLocal(path);
    const bool sameDay = modified && modified->year == now.year && modified->month == now.month &&
                         modified->day == now.day;
    // A file that cannot be written is skipped; the operation that logs goes on.
    if (sameDay)
        AppendToFile(path, line);
    else
        ReplaceFileAtomically(path, line);
}

}  // namespace zl
