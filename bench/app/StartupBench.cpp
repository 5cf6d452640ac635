// Start-up of the program on a virtual screen up to the first painted main
// window: with the internal skin against the plain look (--no-skin) in the
// same run. The skinned start-up should stay within twice the plain one.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Program.h"
#include "bench/common/TimeRecorder.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"

namespace {

void StartUp(benchmark::State& state, bool skinned) {
  app::SkinChoice choice;
  choice.NoSkin = !skinned;
  for (auto _ : state) {
    backend::HeadlessBackend screen;
    ui::Application application(screen);
    const app::GameWindows w = app::CreateGameWindows(application, false, choice);
    w.Main->ShowForm();
    application.ProcessMessages();
    benchmark::DoNotOptimize(w.Main);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // An empty user skin directory, so that only the internal skin is found.
  const std::filesystem::path empty = std::filesystem::temp_directory_path() / "zt-bench-app-skins";
  std::filesystem::create_directories(empty);
  setenv("XDG_DATA_HOME", empty.c_str(), 1);
  benchmark::RegisterBenchmark("StartUp/no-skin", StartUp, false)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("StartUp/internal-skin", StartUp, true)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::TimeRecorder times;
  benchmark::RunSpecifiedBenchmarks(&times);
  // CPU time is the steadier measure on a shared machine; wall time beside it.
  if (const auto r = times.Ratio("StartUp/internal-skin", "StartUp/no-skin"))
    std::printf("\nStart-up with the internal skin relative to --no-skin (cpu, wall): %.2fx %.2fx\n", r->Cpu,
                r->Real);
  benchmark::Shutdown();
  std::filesystem::remove_all(empty);
  return 0;
}
