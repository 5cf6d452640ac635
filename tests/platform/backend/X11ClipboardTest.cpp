// The CLIPBOARD selection under Xvfb: two backends (two clients) hand text
// back and forth, a plain Xlib client asks for each target, and a silent
// owner makes a read give up without losing the events that came meanwhile.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "tests/platform/backend/X11TestSupport.h"

namespace backend {
namespace {

using testing::X11Plain;

const std::string kText =
    "Gr\xC3\xBC\xC3\x9F"
    "e \xE2\x9C\x93";  // "Grüße ✓": not Latin-1
const std::string kLatin1Text =
    "Gr\xC3\xBC\xC3\x9F"
    "e";  // "Grüße"

// Answers selection requests on `b` from another thread until destroyed.
class Pump {
 public:
  explicit Pump(X11Backend& b)
      : thread_([this, &b] {
          Event e;
          while (!stop_) {
            b.WaitEvent(b.NowMs() + 10);
            while (b.PollEvent(e)) {
            }
          }
        }) {}
  ~Pump() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

class X11ClipboardTest : public X11Plain {
 protected:
  Atom AtomOf(const char* name) { return XInternAtom(probe_.get(), name, False); }

  Window ProbeWindow() {
    if (!probeWindow_)
      probeWindow_ = XCreateSimpleWindow(probe_.get(), DefaultRootWindow(probe_.get()), 0, 0, 1, 1, 0, 0, 0);
    return probeWindow_;
  }

  struct Reply {
    Atom Type;
    int Format;
    std::string Bytes;
  };
  // Asks the owner for CLIPBOARD as `target` from the probe connection while
  // the backend handles its events; nullopt when the owner refuses.
  std::optional<Reply> Request(const char* target) {
    Display* p = probe_.get();
    const Atom property = AtomOf("PROBE_TRANSFER");
    XConvertSelection(p, AtomOf("CLIPBOARD"), AtomOf(target), property, ProbeWindow(), CurrentTime);
    XFlush(p);
    XEvent ev;
    const bool answered =
        WaitForProbe([&] { return XCheckTypedWindowEvent(p, ProbeWindow(), SelectionNotify, &ev); });
    EXPECT_TRUE(answered) << target;
    if (!answered || ev.xselection.property == 0) return std::nullopt;
    EXPECT_EQ(ev.xselection.target, AtomOf(target));
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(p, ProbeWindow(), property, 0, 65536, True, AnyPropertyType, &type, &format, &count,
                       &after, &data);
    Reply r{type, format, {}};
    const std::size_t bytes =
        format == 32 ? count * sizeof(long) : count * static_cast<std::size_t>(format / 8);
    if (data) r.Bytes.assign(reinterpret_cast<const char*>(data), bytes);
    if (data) XFree(data);
    return r;
  }

  // Lets the backend run until `done` holds, at most 3 s.
  bool WaitForProbe(const std::function<bool()>& done) {
    const std::int64_t until = backend_->NowMs() + 3000;
    Event e;
    while (backend_->NowMs() < until) {
      if (done()) return true;
      backend_->WaitEvent(backend_->NowMs() + 10);
      while (backend_->PollEvent(e)) seen_.push_back(e);
    }
    return done();
  }

  Window probeWindow_ = 0;
};

TEST_F(X11ClipboardTest, TwoClientsHandTheTextBackAndForth) {
  auto other = std::make_unique<X11Backend>(server_->DisplayName());
  EXPECT_FALSE(backend_->ClipboardText());  // nobody owns it yet

  backend_->SetClipboardText(kText);
  EXPECT_EQ(backend_->ClipboardText(), kText);  // read directly from ourselves
  {
    Pump owner(*backend_);
    EXPECT_EQ(other->ClipboardText(), kText);
  }

  other->SetClipboardText("back");
  {
    Pump owner(*other);
    EXPECT_EQ(backend_->ClipboardText(), "back");
  }
  // With its owner gone the clipboard is empty again; the first backend does
  // not bring back its old text.
  other.reset();
  EXPECT_FALSE(backend_->ClipboardText());
}

TEST_F(X11ClipboardTest, AnswersEachTarget) {
  backend_->SetClipboardText(kText);
  const auto targets = Request("TARGETS");
  ASSERT_TRUE(targets);
  EXPECT_EQ(targets->Type, XA_ATOM);
  std::vector<Atom> offered(targets->Bytes.size() / sizeof(long));
  std::memcpy(offered.data(), targets->Bytes.data(), targets->Bytes.size());
  for (const char* name : {"TARGETS", "TIMESTAMP", "UTF8_STRING", "TEXT"})
    EXPECT_NE(std::find(offered.begin(), offered.end(), AtomOf(name)), offered.end()) << name;
  EXPECT_EQ(std::find(offered.begin(), offered.end(), XA_STRING), offered.end());  // "✓" is not Latin-1

  for (const char* target : {"UTF8_STRING", "TEXT"}) {
    const auto reply = Request(target);
    ASSERT_TRUE(reply) << target;
    EXPECT_EQ(reply->Type, AtomOf("UTF8_STRING"));
    EXPECT_EQ(reply->Format, 8);
    EXPECT_EQ(reply->Bytes, kText);
  }
  EXPECT_FALSE(Request("STRING"));
  EXPECT_FALSE(Request("image/png"));

  backend_->SetClipboardText(kLatin1Text);
  const auto latin1 = Request("STRING");
  ASSERT_TRUE(latin1);
  EXPECT_EQ(latin1->Type, XA_STRING);
  EXPECT_EQ(latin1->Bytes,
            "Gr\xFC\xDF"
            "e");
  const auto stamp = Request("TIMESTAMP");
  ASSERT_TRUE(stamp);
  EXPECT_EQ(stamp->Type, XA_INTEGER);
}

TEST_F(X11ClipboardTest, ASilentOwnerTimesOutAndEventsMeanwhileStayQueued) {
  const SurfaceId id = Solid({100, 100, 140, 140}, gfx::RGB(0, 255, 0));
  backend_->SetClipboardText("ours");
  Display* p = probe_.get();
  // Another client takes the clipboard and never answers requests.
  XSetSelectionOwner(p, AtomOf("CLIPBOARD"), ProbeWindow(), CurrentTime);
  XMoveResizeWindow(p, backend_->WindowOf(id), 200, 150, 60, 30);  // an event for the backend
  XSync(p, False);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(backend_->ClipboardText());
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(900));
  EXPECT_LT(waited, std::chrono::milliseconds(2500));

  const auto configure =
      WaitFor([id](const Event& e) { return e.Type == EventType::Configure && e.Surface == id; }, 200);
  ASSERT_TRUE(configure);
  EXPECT_EQ(configure->Rect, (gfx::Rect{200, 150, 260, 180}));
}

}  // namespace
}  // namespace backend
