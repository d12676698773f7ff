#include "dialogs/calculator_dlg.h"

#include <array>
#include <variant>

#include "dialogs/blank_text.h"
#include "res/resource.h"
#include "shedding/number_text.h"
#include "shedding/shedding_relation.h"

namespace {

bool IsAnalysis(int index) { return index >= 0 && index < shedding::kShedAnalysisCount; }
bool IsUnitSystem(int index) { return index == 0 || index == 1; }

}  // namespace

CCalculatorDlg::CCalculatorDlg(CWnd* parent) : CDialog(IDD_CALCULATOR, parent) {}

const MessageMap& CCalculatorDlg::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CCalculatorDlg>(CDialog::GetThisMessageMap())
                                    .Notification(LBN_SELCHANGE, IDC_ANALYSIS_LIST, &CCalculatorDlg::OnSelchangeAnalysisList)
                                    .Notification(LBN_SELCHANGE, IDC_UNITS_LIST, &CCalculatorDlg::OnSelchangeUnitsList)
                                    .Notification(EN_CHANGE, IDC_SLOT_INPUT1, &CCalculatorDlg::OnChangeSlotInput)
                                    .Notification(EN_CHANGE, IDC_SLOT_INPUT2, &CCalculatorDlg::OnChangeSlotInput)
                                    .Notification(EN_CHANGE, IDC_SLOT_INPUT3, &CCalculatorDlg::OnChangeSlotInput)
                                    .Build();
  return map;
}

void CCalculatorDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_RESULT_GROUP, resultGroup);
  DDX_Control(dx, IDC_RESULT_VALUE, resultValue);
  DDX_Control(dx, IDC_RESULT_LABEL, resultLabel);
  DDX_Control(dx, IDC_DATA_GROUP, dataGroup);
  DDX_Control(dx, IDC_SLOT_LABEL3, slotLabel3);
  DDX_Control(dx, IDC_SLOT_LABEL2, slotLabel2);
  DDX_Control(dx, IDC_SLOT_LABEL1, slotLabel1);
  DDX_Control(dx, IDC_SLOT_INPUT3, slotInput3);
  DDX_Control(dx, IDC_SLOT_INPUT2, slotInput2);
  DDX_Control(dx, IDC_SLOT_INPUT1, slotInput1);
  DDX_Control(dx, IDC_UNITS_GROUP, unitsGroup);
  DDX_Control(dx, IDC_UNITS_LIST, unitsList);
  DDX_Control(dx, IDC_ANALYSIS_LIST, analysisList);

  // Entries go in at explicit indices, so each row stays its analysis or
  // unit code whatever the list's sort style.
  analysisList.ResetContent();
  for (int index = 0; index < shedding::kShedAnalysisCount; ++index) {
    analysisList.InsertString(index, shedding::kAnalysisListTexts[static_cast<std::size_t>(index)]);
  }
  unitsList.ShowWindow(SW_HIDE);
  unitsList.ResetContent();
  for (int index = 0; index < shedding::kUnitSystemCount; ++index) {
    unitsList.InsertString(index, shedding::kUnitSystemListTexts[static_cast<std::size_t>(index)]);
  }
  unitsGroup.ShowWindow(SW_HIDE);
  ShowDataSet(SW_HIDE);
  slotInput3.SetWindowText(kBlankText);
  slotInput2.SetWindowText(kBlankText);
  slotInput1.SetWindowText(kBlankText);
  ShowResultSet(SW_HIDE);
  resultValue.SetWindowText(kBlankText);
}

void CCalculatorDlg::ShowDataSet(int showCommand) {
  for (CWnd* control : {static_cast<CWnd*>(&dataGroup), static_cast<CWnd*>(&slotLabel3),
                        static_cast<CWnd*>(&slotLabel2), static_cast<CWnd*>(&slotLabel1),
                        static_cast<CWnd*>(&slotInput3), static_cast<CWnd*>(&slotInput2),
                        static_cast<CWnd*>(&slotInput1)}) {
    control->ShowWindow(showCommand);
  }
}

void CCalculatorDlg::ShowResultSet(int showCommand) {
  resultGroup.ShowWindow(showCommand);
  resultValue.ShowWindow(showCommand);
  resultLabel.ShowWindow(showCommand);
}

void CCalculatorDlg::HideResult() {
  ShowResultSet(SW_HIDE);
  resultValue.SetWindowText(kBlankText);
}

void CCalculatorDlg::RefreshSlots() {
  slotInput3.SetWindowText(kBlankText);
  slotInput2.SetWindowText(kBlankText);
  slotInput1.SetWindowText(kBlankText);
  HideResult();
  const int analysis = analysisList.GetCurSel();
  const int units = unitsList.GetCurSel();
  if (!IsUnitSystem(units) || !IsAnalysis(analysis)) return;
  const auto labels = shedding::SlotLabels(static_cast<shedding::ShedAnalysis>(analysis),
                                           static_cast<shedding::UnitSystem>(units));
  slotLabel1.SetWindowText(labels[0].c_str());
  slotLabel2.SetWindowText(labels[1].c_str());
  slotLabel3.SetWindowText(labels[2].c_str());
}

void CCalculatorDlg::OnSelchangeAnalysisList() {
  unitsList.ShowWindow(SW_SHOW);
  unitsGroup.ShowWindow(SW_SHOW);
  RefreshSlots();
}

void CCalculatorDlg::OnSelchangeUnitsList() {
  HideResult();
  ShowDataSet(SW_SHOW);
  RefreshSlots();
}

void CCalculatorDlg::OnChangeSlotInput() { HideResult(); }

void CCalculatorDlg::OnOK() {
  const int analysis = analysisList.GetCurSel();
  const int units = unitsList.GetCurSel();
  if (!IsUnitSystem(units) || !IsAnalysis(analysis)) return;

  const shedding::ShedInputs inputs = {shedding::TextToNumber(slotInput1.GetWindowText().str()),
                                       shedding::TextToNumber(slotInput2.GetWindowText().str()),
                                       shedding::TextToNumber(slotInput3.GetWindowText().str())};
  const auto outcome = shedding::SolveShedding(static_cast<shedding::ShedAnalysis>(analysis),
                                               static_cast<shedding::UnitSystem>(units), inputs);
  const auto* solved = std::get_if<shedding::ShedResult>(&outcome);
  if (!solved) {
    AfxMessageBox("Input Error", MB_OK, 0);
    return;
  }
  resultValue.SetWindowText(solved->text.c_str());
  resultLabel.SetWindowText(solved->label.c_str());
  ShowResultSet(SW_SHOW);
}
