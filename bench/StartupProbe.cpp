// Start-up and click figures of the main window, next to a bare window with
// one empty chart built the same way, so the ratio shows what the program's
// own work costs.
//
//   vortalin_startup_probe [runs]      spawns itself `runs` times per window
//                                      (default 15), prints medians and ratios
//   vortalin_startup_probe --window main|bare
//                                      one start: prints the milliseconds from
//                                      the spawn to the first painted frame and
//                                      the peak memory, then exits
//   vortalin_startup_probe --click [n] time from Button1Click to the chart's
//                                      repaint after a decode, n times

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "RoutineText.h"
#include "ui/AdvanceChartView.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

extern char** environ;

namespace {

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Sees the first paint of any widget of the window; a zero timer then fires
// once the whole frame, every child included, has been painted.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(std::function<void()> done) : done_(std::move(done)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            QTimer::singleShot(0, this, done_);
        }
        return false;
    }

  private:
    std::function<void()> done_;
    bool seen_ = false;
};

int StartOnce(int argc, char** argv, const std::string& window) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ворталин"));
    FirstFrame frame([] {
        std::printf("%lld %ld\n", static_cast<long long>(NowNs()), PeakRssKb());
        std::fflush(stdout);
        QApplication::exit(0);
    });
    application.installEventFilter(&frame);
    std::unique_ptr<QWidget> shown;
    std::unique_ptr<TAboutBox> about;
    if (window == "main") {  // as the program starts: both windows, the main one shown
        auto form = std::make_unique<TForm1>();
        about = std::make_unique<TAboutBox>();
        form->SetAboutBox(about.get());
        shown = std::move(form);
    } else {
        shown = std::make_unique<QWidget>();
        shown->setFixedSize(865, 536);
        auto* view = new QChartView(new QChart, shown.get());
        view->setGeometry(416, 8, 441, 505);
    }
    shown->show();
    return QApplication::exec();
}

struct Start {
    double ms;
    long rssKb;
};

Start SpawnOnce(const char* self, const char* window) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--window"),
                    const_cast<char*>(window), nullptr};
    const std::int64_t spawned = NowNs();
    pid_t child = 0;
    if (posix_spawn(&child, self, &actions, nullptr, args, environ) != 0) std::abort();
    close(pipeFds[1]);
    char line[128] = {};
    FILE* out = fdopen(pipeFds[0], "r");
    const bool read = std::fgets(line, sizeof line, out) != nullptr;
    std::fclose(out);
    int status = 0;
    waitpid(child, &status, 0);
    long long painted = 0;
    long rss = 0;
    if (!read || std::sscanf(line, "%lld %ld", &painted, &rss) != 2 || status != 0) {
        std::fprintf(stderr, "the %s window did not paint\n", window);
        std::exit(1);
    }
    return {(painted - spawned) / 1e6, rss};
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int CompareStarts(const char* self, int runs) {
    std::vector<double> ms[2];
    std::vector<long> rss[2];
    const char* windows[] = {"main", "bare"};
    SpawnOnce(self, "bare");  // warms the disk cache for both
    for (int run = 0; run < runs; ++run) {
        for (int w = 0; w < 2; ++w) {  // interleaved, so both see the same machine load
            const Start start = SpawnOnce(self, windows[w]);
            ms[w].push_back(start.ms);
            rss[w].push_back(start.rssKb);
        }
    }
    const double msMain = Median(ms[0]), msBare = Median(ms[1]);
    const long rssMain = Median(rss[0]), rssBare = Median(rss[1]);
    std::printf(
        "start to first frame, median of %d: main %.1f ms, bare chart window %.1f ms, "
        "ratio %.2f\n",
        runs, msMain, msBare, msMain / msBare);
    std::printf(
        "peak memory at first frame, median: main %ld KiB, bare chart window %ld KiB, "
        "ratio %.2f\n",
        rssMain, rssBare, static_cast<double>(rssMain) / rssBare);
    return 0;
}

QString RoutineWithCounts(int first) {
    std::vector<int> counts;
    for (int i = 0; i < 32; ++i) counts.push_back((first + 2 * i) % 256);
    return QStringLiteral("0C94D200") +
           QString::fromStdString(vortalin::testing::Routine(counts, '1', "E0A0"));
}

int TimeClicks(int argc, char** argv, int clicks) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ворталин"));
    TForm1 form;
    form.show();
    bool painted = false;
    FirstFrame frame([&] { painted = true; });
    form.Chart1->viewport()->installEventFilter(&frame);
    while (!painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    std::vector<double> ms, handlerMs;
    for (int click = 0; click < clicks; ++click) {
        form.Memo1->setPlainText(RoutineWithCounts(click * 7 % 200));
        QApplication::processEvents();
        FirstFrame repaint([&] { painted = true; });
        form.Chart1->viewport()->installEventFilter(&repaint);
        painted = false;
        QElapsedTimer timer;
        timer.start();
        form.Button1Click();
        handlerMs.push_back(timer.nsecsElapsed() / 1e6);
        while (!painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ms.push_back(timer.nsecsElapsed() / 1e6);
        form.Chart1->viewport()->removeEventFilter(&repaint);
    }
    std::printf("Button1Click to the chart's repaint, median of %d: %.2f ms (max %.2f ms)\n",
                clicks, Median(ms), *std::max_element(ms.begin(), ms.end()));
    std::printf("  of which Button1Click itself (decode, table, chart series): %.2f ms\n",
                Median(handlerMs));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--window") == 0) return StartOnce(argc, argv, argv[2]);
    if (argc >= 2 && std::strcmp(argv[1], "--click") == 0) {
        return TimeClicks(argc, argv, argc >= 3 ? std::atoi(argv[2]) : 50);
    }
    return CompareStarts(argv[0], argc >= 2 ? std::atoi(argv[1]) : 15);
}
