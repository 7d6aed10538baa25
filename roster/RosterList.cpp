#include "roster/RosterList.h"

#include <utility>

namespace zl {

void RosterList::Append(std::u16string line) {
    lines_.push_back(std::move(line));
    if (observer_) observer_->LineInserted(Count() - 1);
}

void RosterList::Insert(int i, std::u16string line) {
    lines_.insert(lines_.begin() + i, std::move(line));
    if (observer_) observer_->LineInserted(i);
}

void RosterList::Delete(int i) {
    lines_.erase(lines_.begin() + i);
    if (observer_) observer_->LineRemoved(i);
}

void RosterList::Replace(int i, std::u16string line) {
    lines_[static_cast<std::size_t>(i)] = std::move(line);
    if (observer_) observer_->LineChanged(i);
}

void RosterList::Assign(std::vector<std::u16string> lines) {
    lines_ = std::move(lines);
    if (observer_) observer_->LinesReset();
}

}  // namespace zl
