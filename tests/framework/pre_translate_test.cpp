// PreTranslateMessage: a control's wrapper sees the messages meant for its
// control before its dialog does, and may keep them from being dispatched.

#include <gtest/gtest.h>

#include <string>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

// Wrappers that log the messages their pre-translation sees and swallow some.
class CGateEdit : public CEdit {
 public:
  std::vector<std::string>* log = nullptr;
  BOOL PreTranslateMessage(MSG* msg) override;
};

class CGateButton : public CButton {
 public:
  std::vector<std::string>* log = nullptr;
  BOOL PreTranslateMessage(MSG* msg) override;
};

std::string Describe(const char* who, const MSG& msg) {
  std::string text = who;
  switch (msg.message) {
    case WM_KEYDOWN:
      // Letters and Return; not Shift, which a capital presses first.
      if (msg.wParam == VK_RETURN) return text + " keydown Return";
      if (msg.wParam < 'A' || msg.wParam > 'Z') return {};
      return text + " keydown " + static_cast<char>(msg.wParam);
    case WM_LBUTTONDOWN:
      return text + " lbuttondown";
    case WM_LBUTTONUP:
      return text + " lbuttonup";
    default:
      return {};  // not followed by these tests
  }
}

void Log(std::vector<std::string>* log, const char* who, const MSG& msg) {
  if (std::string entry = Describe(who, msg); log && !entry.empty()) log->push_back(entry);
}

BOOL CGateEdit::PreTranslateMessage(MSG* msg) {
  Log(log, "edit", *msg);
  if (msg->message == WM_KEYDOWN && (msg->wParam == 'X' || msg->wParam == VK_RETURN)) return TRUE;
  return CEdit::PreTranslateMessage(msg);
}

BOOL CGateButton::PreTranslateMessage(MSG* msg) {
  Log(log, "button", *msg);
  if (msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONUP) return TRUE;
  return CButton::PreTranslateMessage(msg);
}

class CGateDlg : public CRecordingDlg {
 public:
  CGateDlg() : CRecordingDlg(IDD_FORM) {
    name.log = &log;
    apply.log = &log;
  }
  CGateEdit name;
  CGateButton apply;
  std::vector<std::string> log;

  BOOL PreTranslateMessage(MSG* msg) override {
    Log(&log, "dialog", *msg);
    return CRecordingDlg::PreTranslateMessage(msg);
  }

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_NAME, name);
    DDX_Control(dx, IDC_APPLY, apply);
  }
};

}  // namespace

TEST(PreTranslateMessage, AControlsWrapperSeesItsMessagesFirstAndMaySwallowThem) {
  CGateDlg dialog;
  CString typed;
  RunModal(dialog, [&] {
    FocusControl(dialog, IDC_NAME);
    TypeText("aXb");
    PressKey(Key::Return);
    typed = dialog.name.GetWindowText();
    Click(dialog, IDC_APPLY);
    PressCloseBox(dialog);  // no input for the gates to log
  });
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"edit keydown A", "dialog keydown A", "edit keydown X",
                                                  "edit keydown B", "dialog keydown B", "edit keydown Return",
                                                  "button lbuttondown", "button lbuttonup"}));
  EXPECT_EQ(typed.str(), "ab");
  EXPECT_EQ(dialog.okCalls, 0);
  // The button never saw its click, so it notified nothing.
  EXPECT_EQ(dialog.received, (std::vector<Received>{{EN_CHANGE, IDC_NAME}, {EN_CHANGE, IDC_NAME}}));
}
