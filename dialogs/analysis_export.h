#pragma once
// An analysis dialog whose figures and chart leave the program: Copy puts
// the report on the clipboard, Save Chart writes the chart as the SVG file
// `strouhal --svg` writes, and Ctrl+C outside the dialog's edit fields is
// Copy (inside one it copies the field's selection, as everywhere). Both
// buttons show only while a result does.

#include <string>

#include "framework/afxwin.h"
#include "shedding/chart.h"

class CAnalysisDlg : public CDialog {
 public:
  // chartFileName is the name Save Chart offers.
  CAnalysisDlg(UINT templateId, CWnd* parent, const char* chartFileName);

  BOOL PreTranslateMessage(MSG* msg) override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

  // The result shown, as Copy and Save Chart take it; and none.
  void ShowExports(std::string report, shedding::Chart chart);
  void HideExports();

  // Whether window is one of the dialog's edit fields.
  virtual bool IsEditField(HWND window) const = 0;

 private:
  void OnCopy();
  void OnSaveChart();

  const char* chartFileName_;
  CButton copyButton_;
  CButton saveChartButton_;
  std::string report_;  // empty while no result shows
  shedding::Chart chart_;
};
