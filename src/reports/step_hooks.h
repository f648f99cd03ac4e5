#pragma once

namespace tombolix {

// How a computation that watches the stop request ended.
enum class AnalysisOutcome { Done, Stopped };

// What a long computation needs from the program around it, once per step:
// a chance for the window to repaint and read keys, the stop request, and a
// progress display. The report tool and the tests use the defaults.
class StepHooks {
 public:
  virtual ~StepHooks() = default;
  // Lets the window process pending events.
  virtual void Step() {}
  // True once the user asked the running computation to stop.
  virtual bool StopRequested() const { return false; }
  // Progress of a long computation: percent done (0..100); `last` on its final step.
  virtual void Progress(int /*percent*/, bool /*last*/) {}
};

// Hooks that do nothing: computations run straight through.
inline StepHooks& NoHooks() {
  static StepHooks hooks;
  return hooks;
}

}  // namespace tombolix
