// Opens a web address for the player, and when that fails (no handler, or
// the handler ends with an error) shows a message box that gives the address
// so that the player can copy it (Ctrl+C copies a message box's text).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/controls/Shell.h"

namespace ui {

class LinkOpener {
 public:
  // `program` is the desktop's handler, run with the address as its one
  // argument.
  explicit LinkOpener(std::string program = "xdg-open");
  ~LinkOpener();
  LinkOpener(const LinkOpener&) = delete;
  LinkOpener& operator=(const LinkOpener&) = delete;

  const std::string& Program() const { return program_; }
  void SetProgram(std::string program) { program_ = std::move(program); }

  // Starts the handler and watches it on the application's timers; a second
  // call stops watching the first attempt.
  void Open(const std::string& address);
  // True while an attempt is being watched.
  bool Watching() const { return opening_ != nullptr; }

 private:
  void Check();
  void StopTimer();

  std::string program_;
  std::string address_;
  std::unique_ptr<AddressOpening> opening_;
  int timer_ = 0;
};

// The text of the box that gives an address which could not be opened.
std::string LinkFailureText(const std::string& address);

}  // namespace ui
