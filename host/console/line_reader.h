// Reads the lines a person types at the console: with line editing and a
// history (kept between sessions in ~/.mirado_console_history) when the
// console was built with libedit and runs at a terminal, plain lines
// otherwise (a pipe, a script, or a build without libedit).
#ifndef MIRADO_HOST_CONSOLE_LINE_READER_H_
#define MIRADO_HOST_CONSOLE_LINE_READER_H_

#include <string>

namespace mirado::host {

class LineReader {
 public:
  // `interactive`: standard input is a terminal, so prompts are shown and
  // lines can be edited.
  explicit LineReader(bool interactive);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Shows `prompt` (interactive only) and reads one line without its line
  // break. False at the end of input.
  bool Read(const std::string& prompt, std::string* line);

  // True when lines are edited with libedit.
  bool editing() const { return editing_; }

 private:
  bool interactive_;
  bool editing_ = false;
  std::string history_file_;
};

}  // namespace mirado::host

#endif  // MIRADO_HOST_CONSOLE_LINE_READER_H_
