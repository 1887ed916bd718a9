// The Win32 windows driven through their controls as a clerk drives them (text set into the
// boxes, items chosen in the combo box, buttons clicked), under Wine on a virtual display: every
// fixture replay shows on the screen what the window logic gives; the controls stand where the
// layout tables put them, Tab walks them in the windows' order, and the focus never falls onto
// 結束 when a button withdraws itself.

#include <gtest/gtest.h>
#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/replay.hpp"
#include "platform/utf.hpp"
#include "querywin/query_boxes.hpp"
#include "support/temp_folder.hpp"
#include "win32/views.hpp"
#include "win32/win32_ui.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Shown {
  std::u16string text;
  std::u16string caption;
  bool informationIcon;
};

class RecordingDialogs : public Dialogs {
 public:
  explicit RecordingDialogs(std::vector<Shown>& shown, std::u16string folder)
      : shown_(shown), folder_(std::move(folder)) {}
  void message(HWND, const std::u16string& text, const std::u16string& caption,
               bool informationIcon) override {
    shown_.push_back({text, caption, informationIcon});
  }
  std::u16string chooseFolder(HWND, const std::u16string&) override { return folder_; }

 private:
  std::vector<Shown>& shown_;
  std::u16string folder_;
};

// The desktop program on a fixture, its dialogs recorded.
class Win32Desktop : public ::testing::Test {
 protected:
  void start(const std::string& fixture, std::u16string chosenFolder = {}) {
    desktop_ = std::make_unique<Desktop>();
    desktop_->ui.setDialogs(std::make_unique<RecordingDialogs>(shown_, std::move(chosenFolder)));
    desktop_->program.frm_0.tx_i_01.text = fromUtf8(fixturePath(fixture).string());
    desktop_->ui.showWindow(WindowId::Start);
    desktop_->ui.refreshAll();
  }
  Form* form(WindowId window) {
    View* view = desktop_->ui.view(window);
    return view ? &view->form() : nullptr;
  }
  HWND control(WindowId window, std::string_view name) { return form(window)->control(name); }
  void click(WindowId window, std::string_view name) {
    SendMessageW(control(window, name), BM_CLICK, 0, 0);
    desktop_->ui.afterMessage();
  }
  // What the Enter key does to the control with the focus.
  void pressEnter() {
    MSG key{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    desktop_->ui.preTranslate(key);
  }
  // A notification of a control to its window, as the control sends it when the clerk uses it.
  void notify(WindowId window, std::string_view name, WORD code) {
    HWND c = control(window, name);
    SendMessageW(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), code),
                 reinterpret_cast<LPARAM>(c));
  }
  std::vector<std::u16string> takeMessages() {
    std::vector<std::u16string> texts;
    for (const Shown& s : shown_) texts.push_back(s.text);
    shown_.clear();
    return texts;
  }

  std::vector<Shown> shown_;
  std::unique_ptr<Desktop> desktop_;
};

class Replays : public Win32Desktop {
 protected:
  // Performs one replay action through the controls; false when its control is disabled or the
  // query window is not shown.
  bool perform(const ReplayAction& action) {
    constexpr WindowId q = WindowId::Query;
    if (action.verb == ReplayAction::Verb::Open) {
      if (!IsWindowEnabled(control(WindowId::Start, "cmd_1"))) return false;
      click(WindowId::Start, "cmd_1");
      return true;
    }
    if (!form(q)) return false;
    switch (action.verb) {
      case ReplayAction::Verb::Kind:
        SetWindowTextW(control(q, "comb_1"), wide(action.text));
        notify(q, "comb_1", CBN_EDITCHANGE);
        return true;
      case ReplayAction::Verb::Pick:
        SendMessageW(control(q, "comb_1"), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide(action.text)));
        notify(q, "comb_1", CBN_SELCHANGE);
        return true;
      case ReplayAction::Verb::Key:
        SetWindowTextW(control(q, "tx_i_01"), wide(action.text));
        return true;
      case ReplayAction::Verb::ClickKey:
        SendMessageW(control(q, "tx_i_01"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(control(q, "tx_i_01"), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        return true;
      default:
        break;
    }
    static const std::pair<ReplayAction::Verb, const char*> kButtons[] = {
        {ReplayAction::Verb::Search, "cmd_1"},
        {ReplayAction::Verb::Next, "cmd_2"},
        {ReplayAction::Verb::Prev, "cmd_5"},
        {ReplayAction::Verb::Fwd, "cmd_6"},
        {ReplayAction::Verb::Close, "cmd_3"}};
    for (const auto& [verb, name] : kButtons) {
      if (verb != action.verb) continue;
      if (!IsWindowEnabled(control(q, name))) return false;
      click(q, name);
      return true;
    }
    return false;
  }

  // The query window's state as the screen shows it, in the replay's terms.
  json screenState(const std::string& action, bool disabled) {
    json state{{"action", action}, {"messages", json::array()}, {"disabled", disabled}};
    for (const std::u16string& m : takeMessages()) state["messages"].push_back(toUtf8(m));
    constexpr WindowId q = WindowId::Query;
    if (!form(q)) {
      for (const char* key : {"comb_1", "tx_i_01", "boxes", "enabled"}) state[key] = nullptr;
      return state;
    }
    state["comb_1"] = toUtf8(windowText(control(q, "comb_1")));
    state["tx_i_01"] = toUtf8(windowText(control(q, "tx_i_01")));
    state["boxes"] = json::object();
    for (const QueryBox& b : kQueryBoxes)
      if (!b.field.empty())
        state["boxes"][std::string(b.name)] = toUtf8(windowText(control(q, b.name)));
    for (const char* button : {"cmd_2", "cmd_5", "cmd_6"})
      state["enabled"][button] = static_cast<bool>(IsWindowEnabled(control(q, button)));
    return state;
  }
};

// Each fixture replay, its actions done through the controls after 開啟, shows the states the
// window logic gives after each (the expected lines of kv884-query --replay).
TEST_F(Replays, ShowOnTheScreenWhatTheWindowLogicGives) {
  for (const std::string fixture : {"basic", "wide"}) {
    for (const auto& entry : fs::directory_iterator(fixturePath(fixture))) {
      if (entry.path().extension() != ".replay") continue;
      SCOPED_TRACE(entry.path().filename().string());
      start(fixture);
      std::ifstream script(entry.path());
      std::ifstream expected(fs::path(entry.path()).replace_extension(".expected.jsonl"));
      ReplayScript replay = parseReplayScript(script);
      ASSERT_EQ(replay.badLine, 0);
      click(WindowId::Start, "cmd_1");
      takeMessages();
      std::string line;
      std::getline(expected, line);
      EXPECT_EQ(screenState("", false), json::parse(line));
      for (const ReplayAction& action : replay.actions) {
        const bool done = perform(action);
        std::getline(expected, line);
        EXPECT_EQ(screenState(action.line, !done), json::parse(line)) << action.line;
      }
      desktop_.reset();
    }
  }
}

struct WindowCase {
  WindowId window;
  const WindowLayout& (*layout)();
  std::vector<std::string_view> tabOrder;  // from the control that has the focus at opening
};

const WindowCase kWindows[] = {
    {WindowId::Start, startLayout, {"tx_i_01", "cmd_6", "cmd_1", "cmd_5", "lab_01"}},
    {WindowId::Query,
     queryLayout,
     {"tx_i_01", "cmd_1", "comb_1", "cmd_3", "tx_o_05", "tx_o_04", "tx_o_03", "cmd_4",
      "tx_o_04_x"}},
    {WindowId::Report, reportLayout, {"cmd_2", "tx_o_01", "cmd_1"}},
};

// Every control of each window stands where its layout table puts it at the dots per inch of
// the window's monitor, also after a move onto a monitor at 150 % or 200 % (the combo box's
// field as high as its font needs); Tab walks the enabled controls in the
// window's order and comes round to the first, and Shift+Tab walks back.
TEST_F(Win32Desktop, ControlsStandAtTheirTablePlacesAndTabWalksTheWindowsOrder) {
  start("basic");
  for (const WindowCase& c : kWindows) {
    if (c.window != WindowId::Start)
      click(WindowId::Start, c.window == WindowId::Query ? "cmd_1" : "cmd_5");
    Form* shown = form(c.window);
    ASSERT_TRUE(shown);
    // At 100 %, then as moved onto monitors at 150 % and 200 %.
    for (int dpi : {shown->dpi(), 144, 192}) {
      RECT frame;
      GetWindowRect(shown->handle(), &frame);
      SendMessageW(shown->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&frame));
      for (const ControlPlace& place : c.layout().places) {
        SCOPED_TRACE(std::string(place.name) + " at " + std::to_string(dpi) + " dpi");
        const PixelRect wanted = pixelRect(place, dpi);
        RECT r;
        GetWindowRect(shown->control(place.name), &r);
        MapWindowPoints(nullptr, GetParent(shown->control(place.name)),
                        reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, wanted.left);
        EXPECT_EQ(r.top, wanted.top);
        EXPECT_EQ(r.right - r.left, wanted.width);
        // A combo box's field is never lower than its font needs.
        if (place.name != "comb_1") {
          EXPECT_EQ(r.bottom - r.top, wanted.height);
        }
      }
    }
    SetActiveWindow(shown->handle());
    for (bool back : {false, true}) {
      SetFocus(shown->control(c.tabOrder.front()));
      BYTE keys[256]{};
      keys[VK_SHIFT] = back ? 0x80 : 0;
      SetKeyboardState(keys);
      std::vector<std::string_view> walked{shown->nameOf(GetFocus())};
      for (size_t i = 0; i < c.tabOrder.size(); ++i) {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        desktop_->ui.preTranslate(tab);
        walked.push_back(shown->nameOf(GetFocus()));
      }
      std::vector<std::string_view> wanted(c.tabOrder);
      wanted.push_back(c.tabOrder.front());
      if (back) std::reverse(wanted.begin(), wanted.end());
      EXPECT_EQ(walked, wanted) << (back ? "Shift+Tab" : "Tab");
    }
    const BYTE released[256]{};
    SetKeyboardState(const_cast<BYTE*>(released));
  }
}

// When a button withdraws itself (次筆 at the last match, a paging button at the end of the
// ring), Enter on it moved the focus to the control the window names, never onto 結束.
TEST_F(Win32Desktop, FocusGoesWhereTheWindowSaysWhenAButtonWithdrawsItself) {
  constexpr WindowId q = WindowId::Query;
  start("basic");
  click(WindowId::Start, "cmd_1");
  SendMessageW(control(q, "comb_1"), CB_SETCURSEL, 3, 0);
  notify(q, "comb_1", CBN_SELCHANGE);
  click(q, "cmd_1");
  struct Step {
    const char* pressed;
    const char* focusAfter;
  };
  for (const Step& step :
       {Step{"cmd_2", "cmd_1"}, Step{"cmd_5", "cmd_6"}, Step{"cmd_6", "cmd_5"}}) {
    SCOPED_TRACE(step.pressed);
    SetFocus(control(q, step.pressed));
    for (int presses = 0; IsWindowEnabled(control(q, step.pressed)) && presses < 100; ++presses)
      pressEnter();
    EXPECT_EQ(form(q)->nameOf(GetFocus()), step.focusAfter);
  }
}

// The folder button: a chosen folder goes into the box, with the warning when it has no index
// folder; a cancelled dialog leaves the box and says so, without an icon.
TEST_F(Win32Desktop, FolderChoiceShowsTheWindowsMessages) {
  struct Case {
    std::u16string chosen;
    std::u16string boxAfter;
    std::vector<std::u16string> texts;
    std::u16string caption;
    bool icon;
  };
  const std::u16string basic = fromUtf8(fixturePath("basic").string());
  const std::u16string ntr = basic + u"\\ntr";
  const Case cases[] = {
      {basic, basic, {}, {}, false},
      {ntr, ntr, {ntr + u"資料夾內需存在ntridx次目錄"}, u"警告訊息", true},
      {u"", basic, {u"未選擇資料夾或取消選擇資料夾！"}, u"KV884", false},
  };
  for (const Case& c : cases) {
    start("basic", c.chosen);
    click(WindowId::Start, "lab_01");
    EXPECT_EQ(windowText(control(WindowId::Start, "tx_i_01")), c.boxAfter);
    ASSERT_EQ(shown_.size(), c.texts.size());
    if (shown_.empty()) continue;
    EXPECT_EQ(shown_[0].text, c.texts[0]);
    EXPECT_EQ(shown_[0].caption, c.caption);
    EXPECT_EQ(shown_[0].informationIcon, c.icon);
    shown_.clear();
  }
}

}  // namespace
}  // namespace kv884::test
