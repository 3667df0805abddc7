// Installing one language's translations, the game's and Qt's own, as the window does at start
// and at each switch (the words themselves are looked up as each widget is worded).
#include "ui/translations.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_InstallLanguage(benchmark::State& state) {
    const auto language = static_cast<kp::Language>(state.range(0));
    state.SetLabel(kp::languageInfo(language).code);
    for (auto _ : state) {
        kp::Translations translations;
        translations.use(language);
        benchmark::DoNotOptimize(QCoreApplication::translate("Menu", "&File", "MenuFichier"));
    }
}
BENCHMARK(BM_InstallLanguage)->DenseRange(0, kp::LanguageCount - 1)->Unit(benchmark::kMicrosecond);

// Every menu caption looked up once, in French: what the first wording of the menus costs.
void BM_LookUpMenuCaptions(benchmark::State& state) {
    kp::Translations translations;
    translations.use(kp::Language::French);
    const char* const ids[] = {"MenuFichier", "MenuNouveauJeu", "MenuAnimSupprTremblement",
                               "MenuPopupQuitter"};
    for (auto _ : state)
        for (const char* id : ids)
            benchmark::DoNotOptimize(QCoreApplication::translate("Menu", id, id));
}
BENCHMARK(BM_LookUpMenuCaptions)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
