// Runs the benchmarks with the console's report, then prints the table of figures from the
// same runs: the median of a benchmark's repetitions, or its one run, in processor time.
#include <iostream>

#include <benchmark/benchmark.h>

#include "perf/figure_table.h"

namespace {

class figure_collector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) {
                continue;
            }
            perf::measurement& m = measured_[run.run_name.function_name];
            // Processor time: a manually timed run's time is the thread's processor time.
            const bool manual = run.run_name.time_type == "manual_time";
            m.seconds = (manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
                        benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [name, counter] : run.counters) {
                m.counters[name] = counter.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        perf::print_figure_table(GetOutputStream(), measured_);
    }

  private:
    perf::measurements measured_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    figure_collector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
