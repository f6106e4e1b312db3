// Showing and closing the message dialog 1,000 times against showing and closing a plain QDialog
// with ten buttons 1,000 times, both in the same run; the ratio is reported as a counter.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/WindowBenchMain.h"
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include <time.h>

#include "common/ui/qvMessageDlgFormW.h"

namespace {

constexpr int kShows = 1000;

// Closes whatever modal window is shown next, as soon as its modal loop runs.
void CloseWhenShown(QDialog* dialog) {
    QTimer::singleShot(0, dialog, [dialog] { dialog->close(); });
}

void ShowMessageDlg(int i) {
    qv::EnsureMessageDlgForm();
    CloseWhenShown(qv::frmqvMessageDlgFormW);
    const QString msg = QString::fromUtf8("ファイル「icon%1.ico」は既に存在します。\n上書きしますか？").arg(i);
    qv::MessageDlgW(msg, uint8_t(i % 4), 779, QString::fromUtf8("確認"));
}

class TPlainDialog : public QDialog {
public:
    TPlainDialog() {
        auto* row = new QHBoxLayout(this);
        for (int i = 0; i < 10; ++i) row->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i), this));
    }
};

void ShowPlainDialog(TPlainDialog& dialog) {
    CloseWhenShown(&dialog);
    dialog.exec();
}

// Processor time of this process: the work is all on one thread, and other programs on the
// machine do not count.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

template <class F>
double Seconds(F&& run) {
    const double start = CpuSeconds();
    run();
    return CpuSeconds() - start;
}

void BM_ShowAndClose1000(benchmark::State& state) {
    TPlainDialog plain;
    ShowMessageDlg(0);  // the instance and its pictures are made once per program
    double dialogSeconds = 0, plainSeconds = 0;
    for (auto _ : state) {
        dialogSeconds += Seconds([] {
            for (int i = 0; i < kShows; ++i) ShowMessageDlg(i);
        });
        plainSeconds += Seconds([&plain] {
            for (int i = 0; i < kShows; ++i) ShowPlainDialog(plain);
        });
    }
    const double runs = double(state.iterations());
    state.counters["message_dlg_ms"] = 1000 * dialogSeconds / runs;
    state.counters["plain_dialog_ms"] = 1000 * plainSeconds / runs;
    state.counters["ratio"] = dialogSeconds / plainSeconds;
}

BENCHMARK(BM_ShowAndClose1000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::RunWindowBenchmarks(argc, argv, [] {
        qv::FreeMessageDlgForm();
    });
}
