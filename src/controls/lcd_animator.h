#pragma once
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace haltwise {

class TLCDScreen;

// An animation script for LCD screens: one line per tick of a linked
// screen's animation timer. Several screens may share one animator and
// with it CurrentLine. Destroying it unlinks it from its screens.
class TLCDAnimator {
 public:
  TLCDAnimator() = default;
  TLCDAnimator(const TLCDAnimator&) = delete;
  TLCDAnimator& operator=(const TLCDAnimator&) = delete;
  ~TLCDAnimator();

  std::string About() const { return "About LCDAnimator"; }

  const std::vector<std::string>& Code() const { return code_; }
  // CurrentLine is kept as it is.
  void SetCode(std::vector<std::string> value);
  // Set by a script editor's syntax check; the animator never sets it.
  bool CodeErrorFound() const { return codeErrorFound_; }
  void SetCodeErrorFound(bool value) { codeErrorFound_ = value; }

  std::int16_t CurrentLine() const { return currentLine_; }
  // Beyond the last line means the last line (0 without code); a
  // negative line means line 0.
  void SetCurrentLine(std::int16_t value);

  std::function<void(TLCDAnimator& sender)> OnEndCode;
  std::function<void(TLCDAnimator& sender, std::uint16_t lineNumber)> OnLineExecuted;

 private:
  friend class TLCDScreen;

  void Attach(TLCDScreen* screen) { screens_.push_back(screen); }
  void Detach(TLCDScreen* screen);

  // "gotoline": the smaller of the target and the number of lines, limited
  // as by SetCurrentLine; any negative target becomes -1, so that the
  // advance at the end of the tick leads to line 0.
  void GoToLine(std::int32_t target);
  // Brings a line left outside the code (when lines were removed) back in.
  void KeepCurrentLineInCode();
  int LastLine() const { return static_cast<int>(code_.size()) - 1; }
  // The first time for this line of this code: true, and remembered.
  bool FirstFaultOf(int line) { return faultyLinesReported_.insert(line).second; }

  std::vector<std::string> code_;
  bool codeErrorFound_ = false;
  std::int16_t currentLine_ = 0;
  std::vector<TLCDScreen*> screens_;
  std::set<int> faultyLinesReported_;
};

}  // namespace haltwise
