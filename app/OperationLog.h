// The optional daily operation log: one time-stamped line per call, in "Oplog_DD.txt".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace zl {

class OperationLog {
public:
    explicit OperationLog(Clock& clock) : clock_(clock) {}

    void Configure(bool enabled, std::filesystem::path folder) {
        enabled_ = enabled;
        folder_ = std::move(folder);
    }
    bool enabled() const { return enabled_; }

    // The message of the next line, code page 932; keeps its value after the write.
    std::string logText;

    // Converts a message into logText.
    void SetText(std::u16string_view text);
    // Appends "%Y/%m/%d %H:%M:%S " + logText + CR LF to the file of the day; nothing when off.
    void WriteLogLine();

private:
    Clock& clock_;
    bool enabled_ = false;
    std::filesystem::path folder_;
};

}  // namespace zl
