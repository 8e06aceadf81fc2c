#pragma once

#include <QString>

namespace benchmark { class State; }

// A records file as a center has it after five years: 200 children, one enrollment row
// each, and a daily record per child per school day (about 200,000 rows), the newest in
// the current month. Made once in a temporary folder that becomes the application folder.
namespace BenchRecords {

inline constexpr int kChildren = 200;
inline constexpr int kDaysPerChild = 1000;

// Where the records are made: the file, or a database on the PostgreSQL server named by
// TENDREL_BENCH_POSTGRES or else TENDREL_TEST_POSTGRES (scripts/pg-cluster start).
enum class Engine { File = 0, Server = 1 };

QString ChildName(int child);
// Points the application folder at a new temporary folder with empty records: its file,
// or a new database on the server. Kept for the rest of the run.
void UseNewDatabase(Engine engine = Engine::File);
// Makes the records the first time for each engine; later calls point the run at them
// again and return at once.
void EnsureFiveYearDatabase(Engine engine = Engine::File);
// Instead: 200 children with a row for every week of the last ten years, made the way the
// week check makes them.
void EnsureTenYearsOfWeeks(Engine engine = Engine::File);

// The engine of a benchmark registered with EachEngine: its first argument. Skips the
// benchmark, saying why, and returns false for the server when there is none.
bool EngineOf(benchmark::State& state, Engine* engine);

} // namespace BenchRecords

// Registers a benchmark once per engine: /0 on the file, /1 on the server.
#define BENCHMARK_EACH_ENGINE(function) \
    BENCHMARK(function)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)

namespace BenchRecords {

} // namespace BenchRecords
