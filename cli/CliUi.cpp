#include "CliUi.h"

#include <utility>

#include <termios.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace gw::cli {

namespace {

// Message texts may start with a line break meant for a dialog's layout.
std::string OneLine(const std::string& text) {
  std::string s = text;
  while (!s.empty() && s.front() == '\n') s.erase(s.begin());
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

// The answer typed at a yes/no prompt: an empty line takes the default, a
// line starting with y or Y is yes, anything else no.
bool PromptAnswer(const std::string& typed, bool yesByDefault) {
  const auto first = typed.find_first_not_of(" \t\r");
  if (first == std::string::npos) return yesByDefault;
  const char c = typed[first];
  return c == 'y' || c == 'Y';
}

}  // namespace

CliUi::CliUi(bool assumeYes) : assumeYes_(assumeYes), terminal_(isatty(STDERR_FILENO) != 0) {}

Answer CliUi::Message(const std::string& text, Buttons buttons, Icon,
                      std::optional<Answer> defaultButton) {
  if (progressOpen_ && terminal_) std::fputs("\r\033[K", stderr);
  lastMessage_ = OneLine(text);
  messages_.push_back(lastMessage_);
  const bool question =
      buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel || buttons == Buttons::OkCancel;
  if (!question) {
    if (quiet_) return Answer::Ok;
    std::fprintf(stderr, "%s\n", lastMessage_.c_str());
    return Answer::Ok;
  }
  const Answer yes = buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  const Answer no = buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
  if (assumeYes_) return yes;
  if (quiet_) return no;
  if (!isatty(STDIN_FILENO)) {
    std::fprintf(stderr, "%s (not confirmed: no terminal; use --yes)\n", lastMessage_.c_str());
    return no;
  }
  const bool yesByDefault = DefaultAnswer(buttons, defaultButton) == yes;
  std::fprintf(stderr, "%s %s ", lastMessage_.c_str(), yesByDefault ? "[Y/n]" : "[y/N]");
  std::string answer;
  if (!std::getline(std::cin, answer)) return no;
  return PromptAnswer(answer, yesByDefault) ? yes : no;
}

void CliUi::ProgressOpen(const std::string& title, const std::string& text, int lower, int upper,
                         int step) {
  title_ = title;
  text_ = OneLine(text);
  lower_ = lower;
  upper_ = std::max(upper, lower + 1);
  step_ = step;
  position_ = lower;
  progressOpen_ = true;
  DrawProgress();
}

void CliUi::ProgressStep() {
  position_ = std::min(position_ + step_, upper_);
  DrawProgress();
}

void CliUi::ProgressSetPosition(int position) {
  position_ = std::clamp(position, lower_, upper_);
  DrawProgress();
}

void CliUi::ProgressClose() {
  if (progressOpen_ && terminal_) std::fputs("\r\033[K", stderr);
  progressOpen_ = false;
}

void CliUi::DrawProgress() {
  if (!progressOpen_ || !terminal_) return;
  const int percent = 100 * (position_ - lower_) / (upper_ - lower_);
  constexpr int kWidth = 24;
  const int filled = kWidth * percent / 100;
  std::fprintf(stderr, "\r\033[K%s [%d%%] [%s%s] %s", title_.c_str(), percent,
               std::string(static_cast<std::size_t>(filled), '#').c_str(),
               std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), text_.c_str());
  std::fflush(stderr);
}

std::optional<std::string> CliUi::ChooseFileToSave(const FileDialog&) { return std::nullopt; }
std::optional<std::string> CliUi::ChooseFileToOpen(const FileDialog&) {
  return std::exchange(fileToOpen_, std::nullopt);
}

void CliUi::NotifyHost(int, int, const std::string&) {}

namespace {

// The terminal mode from before the password prompt, put back by EchoOff and
// by a signal that ends the process while echo is off.
termios savedMode{};
volatile std::sig_atomic_t modeSaved = 0;
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void RestoreModeAndEnd(int signal) {
  if (modeSaved != 0) tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
  // The handler was installed with SA_RESETHAND: the signal, raised again,
  // ends the process as it would have without the prompt.
  std::raise(signal);
}

// Echo of the terminal on standard input off for the object's life; the mode
// comes back on every way out, a signal that ends the process included.
class EchoOff {
 public:
  EchoOff() {
    if (tcgetattr(STDIN_FILENO, &savedMode) != 0) return;
    struct sigaction action {};
    action.sa_handler = RestoreModeAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      sigaction(kEndingSignals[i], &action, &previous_[i]);
    }
    modeSaved = 1;
    termios quiet = savedMode;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  }
  ~EchoOff() {
    if (modeSaved == 0) return;
    tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    modeSaved = 0;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      sigaction(kEndingSignals[i], &previous_[i], nullptr);
    }
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  struct sigaction previous_[std::size(kEndingSignals)]{};
};

}  // namespace

std::optional<std::string> ReadPassword(const std::string& prompt, const char* variable) {
  if (const char* env = std::getenv(variable)) return std::string(env);
  if (!isatty(STDIN_FILENO)) return std::nullopt;
  std::string password;
  {
    const EchoOff quiet;
    std::fprintf(stderr, "%s", prompt.c_str());
    std::fflush(stderr);
    std::getline(std::cin, password);
  }
  std::fputc('\n', stderr);
  return password;
}

}  // namespace gw::cli
