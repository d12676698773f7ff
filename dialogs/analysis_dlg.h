#pragma once
// What the analysis dialogs share: the result they show (the figures in
// rows of label and value, the verdicts in words, the chart with what a
// screen reader says of it), shown whole or hidden whole; and how it leaves
// the program: Copy puts the report on the clipboard, Save Chart writes the
// chart as the SVG file `strouhal --svg` writes, and Ctrl+C outside the
// dialog's edit fields is Copy (inside one it copies the field's selection,
// as everywhere). Both buttons show only while a result does.

#include <span>
#include <string>
#include <vector>

#include "dialogs/chart_view.h"
#include "framework/afxwin.h"
#include "shedding/chart.h"
#include "shedding/figure.h"

class CAnalysisDlg : public CDialog {
 public:
  // The ids of the results' group box and of its first figure row's label
  // and value (the rows' ids follow on), and how many rows there are.
  struct ResultIds {
    int group;
    int firstLabel;
    int firstValue;
    std::size_t rows;
  };
  // chartFileName is the name Save Chart offers.
  CAnalysisDlg(UINT templateId, CWnd* parent, ResultIds ids, const char* chartFileName);

  BOOL PreTranslateMessage(MSG* msg) override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

  // What a result shows, and the report Copy takes of it.
  struct Result {
    std::span<const shedding::Figure> figures;
    std::string verdicts;
    std::string chartDescription;
    std::string report;
    shedding::Chart chart;
  };
  void ShowResult(Result result);
  void HideResult();

  // Whether window is one of the dialog's input fields.
  virtual bool IsInputField(HWND window) const = 0;

 private:
  // Shows or hides every part of the result.
  void ShowParts(int command);
  void OnCopy();
  void OnSaveChart();

  ResultIds ids_;
  const char* chartFileName_;
  CButton resultsGroup_;
  std::vector<CStatic> figureLabels_;
  std::vector<CEdit> figureValues_;
  CStatic verdict_;
  CChartView chart_;
  CButton copyButton_;
  CButton saveChartButton_;
  std::string report_;  // empty while no result shows
};
