#include "dialogs/analysis_export.h"

#include <utility>

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

CAnalysisDlg::CAnalysisDlg(UINT templateId, CWnd* parent, const char* chartFileName)
    : CDialog(templateId, parent), chartFileName_(chartFileName) {}

const MessageMap& CAnalysisDlg::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CAnalysisDlg>(CDialog::GetThisMessageMap())
                                    .Command(IDC_COPY, &CAnalysisDlg::OnCopy)
                                    .Command(IDC_SAVE_CHART, &CAnalysisDlg::OnSaveChart)
                                    .Build();
  return map;
}

void CAnalysisDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_COPY, copyButton_);
  DDX_Control(dx, IDC_SAVE_CHART, saveChartButton_);
}

void CAnalysisDlg::ShowExports(std::string report, shedding::Chart chart) {
  report_ = std::move(report);
  chart_ = std::move(chart);
  copyButton_.ShowWindow(SW_SHOW);
  saveChartButton_.ShowWindow(SW_SHOW);
}

void CAnalysisDlg::HideExports() {
  report_.clear();
  copyButton_.ShowWindow(SW_HIDE);
  saveChartButton_.ShowWindow(SW_HIDE);
}

BOOL CAnalysisDlg::PreTranslateMessage(MSG* msg) {
  if (!report_.empty() && IsCopyKey(*msg) && !IsEditField(msg->hwnd)) {
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
  if (const auto failure = output::WriteFileWhole(ask.GetPathName().str(), output::SvgChart(chart_))) {
    AfxMessageBox(("The chart was not saved: " + *failure + ".").c_str(), MB_OK | MB_ICONEXCLAMATION, 0);
  }
}
