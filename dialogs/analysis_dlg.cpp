#include "dialogs/analysis_dlg.h"

#include <utility>

#include "dialogs/blank_text.h"
#include "framework/clipboard.h"
#include "framework/file_dialog.h"
#include "output/atomic_file.h"
#include "output/svg_chart.h"
#include "res/resource.h"

namespace {

bool IsCopyKey(const MSG& msg) {
  return msg.message == WM_KEYDOWN && msg.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

CAnalysisDlg::CAnalysisDlg(UINT templateId, CWnd* parent, ResultIds ids, const char* chartFileName)
    : CDialog(templateId, parent), ids_(ids), chartFileName_(chartFileName), figureLabels_(ids.rows),
      figureValues_(ids.rows) {}

const MessageMap& CAnalysisDlg::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CAnalysisDlg>(CDialog::GetThisMessageMap())
                                    .Command(IDC_COPY, &CAnalysisDlg::OnCopy)
                                    .Command(IDC_SAVE_CHART, &CAnalysisDlg::OnSaveChart)
                                    .Build();
  return map;
}

void CAnalysisDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, ids_.group, resultsGroup_);
  for (std::size_t row = 0; row < ids_.rows; ++row) {
    DDX_Control(dx, ids_.firstLabel + static_cast<int>(row), figureLabels_[row]);
    DDX_Control(dx, ids_.firstValue + static_cast<int>(row), figureValues_[row]);
  }
  DDX_Control(dx, IDC_VERDICT, verdict_);
  DDX_Control(dx, IDC_CHART, chart_);
  DDX_Control(dx, IDC_COPY, copyButton_);
  DDX_Control(dx, IDC_SAVE_CHART, saveChartButton_);
}

void CAnalysisDlg::ShowResult(Result result) {
  for (std::size_t row = 0; row < ids_.rows; ++row) {
    const shedding::Figure& figure = result.figures[row];
    figureLabels_[row].SetWindowText(std::string(figure.label).c_str());
    figureValues_[row].SetWindowText(shedding::FigureText(figure).c_str());
  }
  verdict_.SetWindowText(result.verdicts.c_str());
  chart_.SetWindowText(result.chartDescription.c_str());
  chart_.SetChart(std::move(result.chart));
  report_ = std::move(result.report);

  ShowParts(SW_SHOW);
}

void CAnalysisDlg::HideResult() {
  ShowParts(SW_HIDE);
  for (CEdit& value : figureValues_) value.SetWindowText(kBlankText);
  report_.clear();
}

void CAnalysisDlg::ShowParts(int command) {
  resultsGroup_.ShowWindow(command);
  for (std::size_t row = 0; row < ids_.rows; ++row) {
    figureLabels_[row].ShowWindow(command);
    figureValues_[row].ShowWindow(command);
  }
  verdict_.ShowWindow(command);
  chart_.ShowWindow(command);
  copyButton_.ShowWindow(command);
  saveChartButton_.ShowWindow(command);
}

BOOL CAnalysisDlg::PreTranslateMessage(MSG* msg) {
  const auto inFigure = [&] {
    for (const CEdit& value : figureValues_) {
      if (value.GetSafeHwnd() == msg->hwnd) return true;
    }
    return false;
  };
  if (!report_.empty() && IsCopyKey(*msg) && !IsInputField(msg->hwnd) && !inFigure()) {
    OnCopy();
    return TRUE;
  }
  return CDialog::PreTranslateMessage(msg);
}

void CAnalysisDlg::OnCopy() {
  if (!CopyTextToClipboard(this, report_.c_str())) {
    AfxMessageBox("The figures could not be put on the clipboard.", MB_OK | MB_ICONEXCLAMATION, 0);
  }
}

void CAnalysisDlg::OnSaveChart() {
  CFileDialog ask(FALSE, "svg", chartFileName_, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                  "SVG images (*.svg)|*.svg|All files (*.*)|*.*||", this);
  if (ask.DoModal() != IDOK) return;
  if (const auto failure = output::WriteFileWhole(ask.GetPathName().str(), output::SvgChart(*chart_.Shown()))) {
    AfxMessageBox(("The chart was not saved: " + *failure + ".").c_str(), MB_OK | MB_ICONEXCLAMATION, 0);
  }
}
