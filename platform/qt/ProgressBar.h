// The progress bar: the window is busy on its one thread while a long command advances it, so
// the bar draws itself at once (no events are processed, no click gets in), and only when its
// look changes noticeably.
#pragma once

#include <QProgressBar>

#include "platform/ProgressThrottle.h"

namespace zl {

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent);

    void SetRange(int low, int high);
    void SetPos(int pos);

    // The range and the position last given, and how often the bar was drawn.
    int low() const { return low_; }
    int high() const { return high_; }
    int pos() const { return pos_; }
    int paints() const { return paints_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int low_ = 0, high_ = 100, pos_ = 0;
    int paints_ = 0;
    bool firstOfRun_ = false;
    ProgressThrottle throttle_;
};

}  // namespace zl
