// A change of tab in the main window, offscreen, with a 1000-room project
// open: leaving "Indata" checks all rooms; entering "Sammanställning" lists
// the rooms, shows the input view and checks the shown room.
#include <benchmark/benchmark.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "main/Rot.h"
#include "support/ProjectWriter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "widgets/PageControl.h"

namespace {

using virano::TForm1;

struct Window {
  virano::testing::TempDir dir{"bench-flik"};
  virano::testing::ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form;
  virano::TPageControl* tabs = nullptr;

  Window() {
    std::vector<std::string> names;
    for (int k = 1; k <= 1000; ++k) names.push_back("Rum " + std::to_string(k));
    const auto file = dir.path() / "stor.rot";
    virano::testing::WriteNamedProject(file, names);
    form = std::make_unique<TForm1>(dialogs, QStringList{QString::fromStdString(file.string())},
                                    nullptr, QString::fromStdString(dir.path().string()));
    form->show();
    tabs = form->findChild<virano::TPageControl*>(QStringLiteral("PageControl1"));
    tabs->SelectPage(TForm1::kIndata);
  }
};

Window& Shown() {
  static Window window;
  return window;
}

void Change(benchmark::State& state, int from, int to) {
  virano::TPageControl* tabs = Shown().tabs;
  for (auto _ : state) {
    state.PauseTiming();
    tabs->SelectPage(from);
    state.ResumeTiming();
    if (!tabs->SelectPage(to)) state.SkipWithError("the tab change was refused");
  }
}

void IndataToSammanstallning(benchmark::State& state) {
  Change(state, TForm1::kIndata, TForm1::kSammanst);
}
BENCHMARK(IndataToSammanstallning)->Unit(benchmark::kMillisecond);

void SammanstallningToIndata(benchmark::State& state) {
  Change(state, TForm1::kSammanst, TForm1::kIndata);
}
BENCHMARK(SammanstallningToIndata)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  virano::TApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
