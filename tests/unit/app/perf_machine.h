#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "perf/testing/machine_model.h"
#include "perf/testing/perf_block_writer.h"
#include "perf/testing/perf_query_answer.h"
#include "perf/testing/replay_writer.h"

namespace haltwise::testing {

// The main window on a simulated machine: English title tables in the
// registry, and a performance key that moves on to the machine's next
// snapshot once a second, whoever asks first in it, and answers each query
// with just the objects it asks for, as Windows does.
class MachineFixture : public AppFixture {
 protected:
  void UseMachine(perftest::Scenario scenario, int quietAfter = 0) {
    perftest::MachineOptions options;
    options.scenario = scenario;
    options.quietAfter = quietAfter;
    UseMachine(options);
  }

  // A machine with English titles and, for "007" or "004", the titles of
  // that language beside them, as a German or Chinese Windows has them.
  void UseMachine(const perftest::MachineOptions& options, const std::string& language = "009") {
    model_ = std::make_unique<perftest::MachineModel>(options);
    current_.clear();
    leftOut_.clear();
    const std::string perflib = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\";
    auto setTables = [&](const std::string& subkey, const perftest::TitleTables& tables) {
      registry.SetMultiStringValue(perflib + subkey, "Counter",
                                   perftest::ToMultiStrings(tables.counter));
      registry.SetMultiStringValue(perflib + subkey, "Help", perftest::ToMultiStrings(tables.help));
    };
    setTables("009", model_->Titles());
    if (language != "009") {
      const perftest::TitleTables local =
          perftest::LocalizedTitleTables(model_->Titles(), language);
      setTables(language, local);
      setTables("CurrentLanguage", local);
    }
    // One snapshot a second, whoever asks first in it.
    registry.SetPerformanceProvider([this](const std::string& valueName) {
      if (current_.empty() || clock.TickCount() - currentTick_ >= 1000) {
        current_ = perftest::WritePerfBlock(model_->NextSnapshot());
        currentTick_ = clock.TickCount();
      }
      queries_.push_back(valueName);
      std::vector<std::uint8_t> answer = perftest::AnswerPerfQuery(current_, valueName);
      if (leftOut_.empty()) return answer;
      return perftest::SelectObjects(answer, [this](std::uint32_t index) {
        return std::find(leftOut_.begin(), leftOut_.end(), index) == leftOut_.end();
      });
    });
  }

  // Created and activated for the first time, as at start-up.
  void StartWindow(const std::string& arguments) {
    Recreate(arguments);
    form->FormCreate();
    form->ApplicationEvents1Activate();
  }

  static int IndexOf(const ComboBox& list, const std::string& text) {
    const auto& items = list.Items();
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
  }

  // Chooses an object, a counter and an instance as the user would.
  void ChooseCustom(const std::string& object, const std::string& counter,
                    const std::string& instance) {
    form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, object));
    form->cbPerfCounters.UserSelect(IndexOf(form->cbPerfCounters, counter));
    form->cbInstances.UserSelect(IndexOf(form->cbInstances, instance));
  }

  // The machine without these objects (by title index), as one whose
  // counters for them are switched off.
  void LeaveOutObjects(std::vector<std::uint32_t> objectIndexes) {
    leftOut_ = std::move(objectIndexes);
  }

  // The value names of the performance queries so far, oldest first.
  const std::vector<std::string>& PerfQueries() const { return queries_; }

  int EventsOfType(std::uint16_t type) const {
    return static_cast<int>(std::count_if(events.events.begin(), events.events.end(),
                                          [&](const auto& e) { return e.type == type; }));
  }

 private:
  std::unique_ptr<perftest::MachineModel> model_;
  std::vector<std::uint8_t> current_;
  std::vector<std::string> queries_;
  std::vector<std::uint32_t> leftOut_;
  std::uint32_t currentTick_ = 0;
};

}  // namespace haltwise::testing
