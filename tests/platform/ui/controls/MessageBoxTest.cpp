#include "platform/ui/controls/MessageBox.h"

#include "platform/ui/controls/Button.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class MessageBoxTest : public ControlsFixture {
 protected:
  // Runs `act` once on the first timer tick inside the modal loop.
  // A watchdog ends the box with mrAbort after 5 s so that a broken box
  // fails the test instead of hanging it.
  void OnceModal(std::function<void(Form&)> act) {
    timer = app->StartCallbackTimer(50, [this, act] {
      app->StopCallbackTimer(timer);
      Form* box = app->ModalForm();
      ASSERT_NE(box, nullptr);
      seenCaption = box->Caption();
      act(*box);
      watchdog = app->StartCallbackTimer(5000, [this, box] {
        app->StopCallbackTimer(watchdog);
        box->SetModalResult(mrAbort);
      });
    });
  }
  void TearDown() override {
    if (watchdog) app->StopCallbackTimer(watchdog);
    ControlsFixture::TearDown();
  }
  int watchdog = 0;
  static Button* OkButton(Form& box) {
    for (Control* c : box.Controls())
      if (auto* b = dynamic_cast<Button*>(c)) return b;
    return nullptr;
  }
  int timer = 0;
  std::string seenCaption;
};

TEST_F(MessageBoxTest, ModalUntilOkIsClicked) {
  ShowForm();
  OnceModal([this](Form& box) {
    Button* ok = OkButton(box);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_TRUE(box.IsModal());
    backend.InjectClick(ok->ClientToScreen({5, 5}));
  });
  ModalResult r = ShowMessageBox("Skin could not be loaded", "Error", MessageIcon::Error);
  EXPECT_EQ(r, mrOk);
  EXPECT_EQ(seenCaption, "Error");
  EXPECT_EQ(app->ModalForm(), nullptr);
}

TEST_F(MessageBoxTest, EnterAndEscClose) {
  ShowForm();
  OnceModal([this](Form&) { backend.InjectKey(VK_RETURN); });
  EXPECT_EQ(ShowMessageBox("Kavrel v6.69", "Info", MessageIcon::Information), mrOk);
  OnceModal([this](Form&) { backend.InjectKey(VK_ESCAPE); });
  EXPECT_EQ(ShowMessageBox("text", "caption"), mrOk);
}

TEST(MessageBoxWithoutApplicationTest, GoesToStandardError) {
  ASSERT_FALSE(Application::Exists());
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessageBox("Skin not found", "Error", MessageIcon::Error), mrOk);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: Skin not found\n");
}

TEST(MessageIconTest, IconsDifferAndStayInTheirBox) {
  gfx::Bitmap a(40, 40, gfx::PixelFormat::Bgr24), b(40, 40, gfx::PixelFormat::Bgr24);
  a.FillBytes(255);
  b.FillBytes(255);
  gfx::Canvas ca(a), cb(b);
  DrawMessageIcon(ca, {4, 4, 36, 36}, MessageIcon::Error);
  DrawMessageIcon(cb, {4, 4, 36, 36}, MessageIcon::Information);
  EXPECT_NE(a.PixelAt(20, 10), b.PixelAt(20, 10));
  EXPECT_EQ(a.PixelAt(2, 2), gfx::clWhite);
  EXPECT_EQ(a.PixelAt(37, 37), gfx::clWhite);
}

}  // namespace
}  // namespace ui::test
