// Integrity of the resource data: the faults a hand-entered table invites
// (a short image row, a stray character, a duplicated or mistyped id, a
// control outside its dialog, a caption that lost a space).

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "framework/resource_types.h"
#include "framework/win_constants.h"
#include "res/contact_config.h"
#include "res/program_identity.h"
#include "res/resource_data.h"
#include "res/resource.h"

namespace {

const DialogTemplate* FindDialog(UINT id) {
  for (const DialogTemplate* dialog : resources::ProgramResources().dialogs) {
    if (dialog->id == id) return dialog;
  }
  return nullptr;
}

const DialogItemTemplate* FindItem(const DialogTemplate& dialog, int id) {
  for (const DialogItemTemplate& item : dialog.items) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

template <std::size_t N>
void ExpectImage(const std::array<const char*, N>& rows, std::string_view palette,
                 const char* what) {
  bool drawn = false;
  for (std::size_t y = 0; y < N; ++y) {
    ASSERT_NE(rows[y], nullptr) << what << ": row " << y << " missing";
    const std::string_view row = rows[y];
    EXPECT_EQ(row.size(), N) << what << ": row " << y;
    EXPECT_EQ(row.find_first_not_of(palette), std::string_view::npos) << what << ": row " << y;
    drawn = drawn || row.find_first_not_of('.') != std::string_view::npos;
  }
  EXPECT_TRUE(drawn) << what << " is blank";
}

TEST(ResourceImages, IconAndCursorRowsAreCompleteAndUseTheirPalettes) {
  constexpr std::string_view kColours = ".0123456789abcdef";
  ASSERT_FALSE(resources::ProgramResources().icons.empty());
  for (const IconResource* icon : resources::ProgramResources().icons) {
    ExpectImage(icon->large, kColours, "icon large image");
    ExpectImage(icon->small, kColours, "icon small image");
  }
  ASSERT_FALSE(resources::ProgramResources().cursors.empty());
  for (const CursorResource* cursor : resources::ProgramResources().cursors) {
    ExpectImage(cursor->image, ".#o", "cursor");
  }
}

TEST(ResourceLookup, EverythingTheProgramLoadsIsThere) {
  const ResourceModule& module = resources::ProgramResources();
  ASSERT_EQ(module.icons.size(), 1u);
  EXPECT_EQ(module.icons[0]->id, IDR_MAINFRAME);
  ASSERT_EQ(module.cursors.size(), 1u);
  EXPECT_EQ(module.cursors[0]->id, IDC_LINK_HAND);
  ASSERT_EQ(module.strings.size(), 1u);
  EXPECT_EQ(module.strings[0].id, IDS_ABOUTBOX);
  ASSERT_NE(module.version, nullptr);
  EXPECT_STREQ(module.version->language, "040904B0");
  EXPECT_EQ(module.version->fileVersion, (std::array<WORD, 4>{1, 0, 0, 1}));
}

// What each dialog's code expects of its template: the ids it binds or
// handles, so a mistyped id in a table shows here rather than as a control
// that never answers; and the control the focus starts on.
struct DialogUse {
  std::set<int> ids;
  int firstTabStop;
};

std::set<int> ScreeningIds() {
  std::set<int> ids{IDOK, IDCANCEL, IDC_SCREEN_UNITS, IDC_SCREEN_FLUID, IDC_TEMPERATURE_LABEL, IDC_TEMPERATURE,
                    IDC_VISCOSITY_LABEL, IDC_VISCOSITY, IDC_VELOCITY_LABEL, IDC_VELOCITY, IDC_DIAMETER_LABEL,
                    IDC_DIAMETER, IDC_NATURAL_FREQUENCY, IDC_BAND_LOW, IDC_BAND_HIGH, IDC_SCREEN_RESULTS,
                    IDC_VERDICT, IDC_CHART, IDC_COPY, IDC_SAVE_CHART};
  constexpr int kFigureRows = 9;  // the label and value id ranges of res/resource.h
  for (int row = 0; row < kFigureRows; ++row) {
    ids.insert(IDC_FIGURE_LABEL_FIRST + row);
    ids.insert(IDC_FIGURE_VALUE_FIRST + row);
  }
  return ids;
}

std::set<int> ResponseIds() {
  std::set<int> ids{IDOK, IDCANCEL, IDC_RESPONSE_UNITS, IDC_RESPONSE_SUPPORT, IDC_FREQUENCY_SOURCE,
                    IDC_DAMPING_MEASURE, IDC_RESPONSE_RESULTS, IDC_VERDICT, IDC_CHART, IDC_COPY, IDC_SAVE_CHART,
                    IDC_DIAMETER_LABEL, IDC_DIAMETER};
  for (int id = IDC_HEIGHT_LABEL; id <= IDC_LIFE; ++id) ids.insert(id);  // each typed value's label, then field
  constexpr int kFigureRows = 18;  // the label and value id ranges of res/resource.h
  for (int row = 0; row < kFigureRows; ++row) {
    ids.insert(IDC_RESPONSE_LABEL_FIRST + row);
    ids.insert(IDC_RESPONSE_VALUE_FIRST + row);
  }
  return ids;
}

const std::map<UINT, DialogUse>& DialogUses() {
  static const std::map<UINT, DialogUse> uses{
      {IDD_ABOUTBOX, {{IDOK}, IDOK}},
      {IDD_MAIN_SELECT, {{IDCANCEL, IDC_ANALYSIS_SELECT, IDC_VISIT_WEB_SITE}, IDCANCEL}},
      {IDD_CALCULATOR,
       {{IDOK, IDCANCEL, IDC_ANALYSIS_LIST, IDC_UNITS_LIST, IDC_UNITS_GROUP, IDC_DATA_GROUP, IDC_SLOT_LABEL1,
         IDC_SLOT_INPUT1, IDC_SLOT_LABEL2, IDC_SLOT_INPUT2, IDC_SLOT_LABEL3, IDC_SLOT_INPUT3, IDC_RESULT_VALUE,
         IDC_RESULT_LABEL, IDC_RESULT_GROUP},
        IDOK}},
      {IDD_CORRELATION,
       {{IDOK, IDCANCEL, IDC_STROUHAL_VALUE, IDC_REYNOLDS_GROUP, IDC_STROUHAL_GROUP, IDC_REYNOLDS_INPUT}, IDOK}},
      {IDD_CONTACT, {{IDCANCEL, IDC_MAIL_LINK, IDC_WEB_LINK}, IDCANCEL}},
      {IDD_SCREENING, {ScreeningIds(), IDC_SCREEN_UNITS}},
      {IDD_RESPONSE, {ResponseIds(), IDC_RESPONSE_UNITS}},
  };
  return uses;
}

// Every dialog the program registers, and every dialog the program opens.
TEST(ResourceTemplates, EachRegisteredDialogHasTheControlsItsCodeUses) {
  std::set<UINT> registered;
  for (const DialogTemplate* dialog : resources::ProgramResources().dialogs) {
    EXPECT_TRUE(registered.insert(dialog->id).second) << "dialog " << dialog->id << " is registered twice";
    const auto use = DialogUses().find(dialog->id);
    ASSERT_NE(use, DialogUses().end()) << "dialog " << dialog->id << " is registered but no code uses it";
    std::set<int> named;
    for (const DialogItemTemplate& item : dialog->items) {
      if (item.id != IDC_STATIC) named.insert(item.id);
    }
    EXPECT_EQ(named, use->second.ids) << "dialog " << dialog->id;
  }
  for (const auto& [dialogId, use] : DialogUses()) {
    EXPECT_TRUE(registered.contains(dialogId)) << "dialog " << dialogId << " is not registered";
  }
}

TEST(ResourceTemplates, ControlsAreUniqueInsideTheirDialogAndFocusStartsRight) {
  for (const DialogTemplate* dialog : resources::ProgramResources().dialogs) {
    const UINT dialogId = dialog->id;
    const auto use = DialogUses().find(dialogId);
    ASSERT_NE(use, DialogUses().end()) << dialogId;
    EXPECT_NE(dialog->style & DS_SETFONT, 0u) << dialogId;
    std::set<int> seen;
    int defaultButtons = 0;
    const DialogItemTemplate* firstFocus = nullptr;
    for (const DialogItemTemplate& item : dialog->items) {
      ASSERT_NE(item.text, nullptr) << dialogId << " control " << item.id;
      if (item.id != IDC_STATIC) {
        EXPECT_TRUE(seen.insert(item.id).second) << dialogId << " repeats id " << item.id;
      }
      EXPECT_TRUE(item.x >= 0 && item.y >= 0 && item.cx > 0 && item.cy > 0 &&
                  item.x + item.cx <= dialog->cx && item.y + item.cy <= dialog->cy)
          << dialogId << " control " << item.id << " \"" << item.text << "\" lies outside";
      const bool isButton = item.windowClass == ControlClass::Button;
      if (isButton && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) ++defaultButtons;
      if (firstFocus == nullptr && (item.style & WS_TABSTOP) != 0) firstFocus = &item;
    }
    EXPECT_LE(defaultButtons, 1) << dialogId;
    ASSERT_NE(firstFocus, nullptr) << dialogId;
    EXPECT_EQ(firstFocus->id, use->second.firstTabStop) << dialogId;
  }
}

TEST(ResourceTexts, TextsBuiltFromTheProgramsNamesReadExactly) {
  using namespace program_identity;
  EXPECT_EQ(std::string(FindDialog(IDD_MAIN_SELECT)->caption),
            std::string(kTitle) + ", version 1.1,  by " + kAuthor);
  const DialogTemplate& about = *FindDialog(IDD_ABOUTBOX);
  EXPECT_EQ(std::string(about.caption), std::string("About ") + kShortName);
  ASSERT_GE(about.items.size(), 3u);
  EXPECT_EQ(std::string(about.items[1].text), std::string(kShortName) + " Version 1.1");
  EXPECT_STREQ(about.items[2].text, kCopyright);
  EXPECT_NE(std::strstr(about.items[2].text, "1999"), nullptr);
  EXPECT_EQ(std::string(resources::ProgramResources().strings[0].text),
            std::string("&About ") + kShortName + "...");

  // The About box's icon static names icon 128 and shows it as an icon.
  EXPECT_EQ(about.items[0].style & SS_TYPEMASK, SS_ICON);
  EXPECT_EQ(std::string(about.items[0].text), "#" + std::to_string(IDR_MAINFRAME));

  const DialogItemTemplate* note = &FindDialog(IDD_CORRELATION)->items[4];
  EXPECT_EQ(std::string_view(note->text).substr(0, 32), "The correlation is taken from: \r");
}

TEST(ResourceTexts, ContactLabelsAndTargetsComeFromTheConfiguredAddresses) {
  using namespace contact_config;
  const DialogTemplate& contact = *FindDialog(IDD_CONTACT);
  const DialogItemTemplate* mail = FindItem(contact, IDC_MAIL_LINK);
  const DialogItemTemplate* web = FindItem(contact, IDC_WEB_LINK);
  ASSERT_NE(mail, nullptr);
  ASSERT_NE(web, nullptr);
  EXPECT_EQ(std::string(mail->text), std::string("Click Here to Email:  ") + kEmailAddress);
  EXPECT_EQ(std::string(web->text), std::string("Click Here to Visit:  ") + kWebAddress);
  EXPECT_EQ(std::string(kMailTarget), std::string("mailto:") + kEmailAddress);
}

}  // namespace
