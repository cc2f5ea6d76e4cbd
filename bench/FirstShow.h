// Shared by the start-up programs: ends the process as soon as a window
// has been painted for the first time, and reports the peak resident memory
// up to that moment. All end the same way (no teardown), so a
// timing of the whole process is the time from start to first show.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace mrv::bench {

// VmHWM of /proc/self/status, in KiB; 0 where there is none.
inline long peakResidentKiB()
{
    long kib = 0;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
                break;
        std::fclose(status);
    }
    return kib;
}

class EndAtFirstShow : public QObject {
public:
    explicit EndAtFirstShow(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The top-level window's paint starts one repaint of the whole
        // window; the zero timer runs once that repaint has been flushed.
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("peak_rss_kib %ld\n", peakResidentKiB());
                std::fflush(stdout);
                ::_exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace mrv::bench
