#include "platform/qt/ProgressBar.h"

#include <algorithm>
#include <utility>

namespace zl {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    SetRange(0, 100);
    SetPos(0);
}

void ProgressBar::SetRange(int low, int high) {
    low_ = low;
    high_ = high;
    throttle_.Reset(low, high);
    firstOfRun_ = true;
    // An empty range would make Qt's bar a busy indicator.
    const int from = std::min(low, high), to = std::max(low, high);
    setRange(from, to == from ? from + 1 : to);
    setValue(from);
}

void ProgressBar::SetPos(int pos) {
    pos_ = pos;
    if (!throttle_.Due(pos)) return;
    const int drawnBefore = paints_;
    setValue(std::clamp(pos, minimum(), maximum()));
    if (!isVisible()) return;
    // Drawn and flushed to the screen now, without returning to the event loop. The first time
    // in a run the whole window is drawn: a dialog closed just before may have uncovered it.
    if (std::exchange(firstOfRun_, false))
        window()->repaint();
    else if (paints_ == drawnBefore)
        repaint();
}

void ProgressBar::paintEvent(QPaintEvent* e) {
    ++paints_;
    QProgressBar::paintEvent(e);
}

}  // namespace zl
