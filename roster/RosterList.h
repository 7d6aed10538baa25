// The roster while the program runs: the ordered lines that the main list shows. Entries are
// identified by their position.
#pragma once

#include <string>
#include <vector>

namespace zl {

class RosterListObserver {
public:
    virtual ~RosterListObserver() = default;
    virtual void LinesReset() = 0;
    virtual void LineInserted(int index) = 0;
    virtual void LineRemoved(int index) = 0;
    virtual void LineChanged(int index) = 0;
};

class RosterList {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::u16string& Line(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    const std::vector<std::u16string>& Lines() const { return lines_; }

    void Append(std::u16string line);
    void Insert(int i, std::u16string line);
    void Delete(int i);
    void Replace(int i, std::u16string line);
    // Replaces every line at once (load, sort, address shortening).
    void Assign(std::vector<std::u16string> lines);

    void SetObserver(RosterListObserver* observer) { observer_ = observer; }

private:
    std::vector<std::u16string> lines_;
    RosterListObserver* observer_ = nullptr;
};

}  // namespace zl
