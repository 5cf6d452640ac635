#include "platform/ui/controls/LinkOpener.h"

#include "platform/ui/Application.h"
#include "platform/ui/controls/MessageBox.h"

namespace ui {

namespace {
// How often a running handler is looked at.
constexpr unsigned kPollMs = 100;
}  // namespace

std::string LinkFailureText(const std::string& address) {
  return "Не удалось открыть адрес в браузере.\nАдрес сайта: " + address;
}

LinkOpener::LinkOpener(std::string program) : program_(std::move(program)) {}

LinkOpener::~LinkOpener() { StopTimer(); }

void LinkOpener::StopTimer() {
  if (timer_ != 0 && Application::Exists()) App().StopCallbackTimer(timer_);
  timer_ = 0;
}

void LinkOpener::Open(const std::string& address) {
  StopTimer();
  address_ = address;
  opening_ = std::make_unique<AddressOpening>(address, program_);
  Check();
  if (opening_ && Application::Exists()) timer_ = App().StartCallbackTimer(kPollMs, [this] { Check(); });
}

void LinkOpener::Check() {
  if (!opening_) return;
  const AddressOpening::State state = opening_->Poll();
  if (state == AddressOpening::State::Running) return;
  StopTimer();
  opening_.reset();
  if (state == AddressOpening::State::Failed)
    ShowMessageBox(LinkFailureText(address_), Application::Exists() ? App().Title() : std::string(),
                   MessageIcon::Warning);
}

}  // namespace ui
