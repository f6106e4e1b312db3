// The language page of the builder in a project of 20 languages: switching the shown language
// 1,000 times as the selector does it (the page stored into the data, then filled for the next
// language) against setting the same twenty fields and the read-me 1,000 times directly, both
// measured in the same run.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/WindowBenchMain.h"
#include "builder/TLanguagePage.h"
#include "builder/TfrmBuilderMain.h"
#include "builder/TfrmEditLanguageList.h"
#include "builder/core/LanguageTextKeys.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"

namespace {

using qv::bench::Clock;
using qv::bench::Median;
using qv::bench::Seconds;

namespace fs = std::filesystem;

constexpr int kLanguages = 20;
constexpr int kSwitches = 1000;

// What the page shows for one language.
struct TPageValues {
    QString FontName;
    int FontSize = 9;
    std::vector<QString> Fields;
    QString Readme;
};

// A window whose project has kLanguages languages, each with texts of its own in every field.
struct TBench {
    std::string Root;
    qv::TFakeSystemSeams Seams;
    std::unique_ptr<qv::TScopedSeams> Scope;
    std::unique_ptr<qv::TfrmBuilderMain> Window;
    std::vector<TPageValues> Values;

    TBench() {
        char pattern[] = "/tmp/qvlangbenchXXXXXX";
        if (!::mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
        Root = std::string(pattern) + "/";
        fs::create_directories(Root + "program");
        for (const char* name : {"japanese_sys.dat", "english_sys.dat", "korean_sys.dat", "chinese_sys.dat"})
            fs::copy_file(std::string(QV_BIN_DIR) + "/" + name, Root + "program/" + name);
        Scope = std::make_unique<qv::TScopedSeams>(Seams);
        Window = std::make_unique<qv::TfrmBuilderMain>(qv::TBuilderPlaces{Root + "program/", Root + "config", "bench"});
        Window->show();
        AddLanguages();
        for (int j = 0; j < kLanguages; ++j) Values.push_back(GiveOwnTexts(j));
    }
    ~TBench() {
        Window.reset();
        std::error_code ec;
        fs::remove_all(Root, ec);
    }

    // The new project's four languages and sixteen more from the English template, added in the
    // language list dialog.
    void AddLanguages() {
        qv::TfrmEditLanguageList& dialog = Window->EditLanguageList();
        QTimer::singleShot(0, &dialog, [&dialog] {
            for (int j = 4; j < kLanguages; ++j) {
                dialog.tnttxtLangName->setText(QStringLiteral("Language %1").arg(j));
                dialog.tntcboTemplate->setEditText(QStringLiteral("english_sys.dat"));
                dialog.tntbtnAddLang->click();
            }
            dialog.tntbtnClose->click();
        });
        Window->tntbtnAddLangClick();
        if (Window->LanguagePage().tntcboLanguage->count() != kLanguages) throw std::runtime_error("languages not added");
    }

    // Language j shown, every field given a text of its own and stored.
    TPageValues GiveOwnTexts(int j) {
        qv::TLanguagePage& page = Window->LanguagePage();
        page.tntcboLanguage->setCurrentIndex(j);
        Window->DataToLanguagePage();
        TPageValues v;
        v.FontName = QStringLiteral("Font %1").arg(j);
        v.FontSize = 8 + j;
        for (int i = 0; i < qv::kLanguageTextFields; ++i)
            v.Fields.push_back(QStringLiteral("%1 of language %2 with some words").arg(qv::LanguageTextFieldKeys()[i].Key).arg(j));
        v.Readme = QStringLiteral("Read-me of language %1.\nSecond line with a link https://example.org/%1\nThird.").arg(j);
        SetDirectly(page, v);
        Window->LanguagePageToData();
        return v;
    }

    static void SetDirectly(qv::TLanguagePage& page, const TPageValues& v) {
        page.tnttxtFontName->setText(v.FontName);
        page.wseFontSize->setValue(v.FontSize);
        for (int i = 0; i < qv::kLanguageTextFields; ++i) page.TextField(i)->setText(v.Fields[size_t(i)]);
        page.tnttxtReadme->setPlainText(v.Readme);
    }

    void Switch(int j) {
        Window->tntcboLanguageEnter();
        Window->LanguagePage().tntcboLanguage->setCurrentIndex(j);
        Window->tntcboLanguageChange();
    }
};

std::unique_ptr<TBench> GBench;

TBench& Bench() {
    if (!GBench) GBench = std::make_unique<TBench>();
    return *GBench;
}

void BM_SwitchLanguage(benchmark::State& state) {
    TBench& bench = Bench();
    qv::TLanguagePage& page = bench.Window->LanguagePage();
    std::vector<double> switching, direct;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int n = 1; n <= kSwitches; ++n) bench.Switch(n % kLanguages);
        const auto t1 = Clock::now();
        for (int n = 1; n <= kSwitches; ++n) TBench::SetDirectly(page, bench.Values[size_t(n % kLanguages)]);
        const auto t2 = Clock::now();
        switching.push_back(Seconds(t0, t1));
        direct.push_back(Seconds(t1, t2));
        state.SetIterationTime(Seconds(t0, t1));
    }
    for (int j = 0; j < kLanguages; ++j)
        if (!QString::fromStdU16String(bench.Window->SysTexts()[size_t(j)]).contains(bench.Values[size_t(j)].Fields.back()))
            state.SkipWithError("a language lost its texts while switching");
    const double ms = 1000 * Median(switching), baseMs = 1000 * Median(direct);
    state.counters["switch_ms"] = ms;
    state.counters["set_fields_ms"] = baseMs;
    state.counters["ratio"] = ms / baseMs;
    std::printf("switch x%d %.1f ms, set fields x%d %.1f ms (medians), ratio %.2f (target <= 3)\n", kSwitches, ms,
                kSwitches, baseMs, ms / baseMs);
}

BENCHMARK(BM_SwitchLanguage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace

int main(int argc, char** argv) { return qv::bench::RunWindowBenchmarks(argc, argv, [] { GBench.reset(); }); }
