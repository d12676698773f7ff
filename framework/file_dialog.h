#pragma once
// CFileDialog: the system's own dialog that asks the user where to save a
// file. Saving only: the program opens no files.

#include "framework/cstring.h"
#include "framework/win_constants.h"
#include "framework/win_types.h"

class CWnd;

class CFileDialog {
 public:
  // openFileDialog must be FALSE (TRUE is a programming error). defaultExt
  // (without its dot) is added to a name typed without an extension;
  // fileName is the name offered; flags are OFN_* (OFN_OVERWRITEPROMPT: the
  // system asks before a file is replaced); filter is in the classic form
  // "SVG images (*.svg)|*.svg||", patterns separated by ';'. The dialog is
  // owned by parent's window, or without a parent by the dialog in front.
  explicit CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                       CWnd* parent = nullptr);

  // IDOK with the path chosen; IDCANCEL when the user cancels or the system
  // cannot ask (a path longer than the system takes among them).
  INT_PTR DoModal();
  // The full path chosen by the last DoModal that returned IDOK.
  CString GetPathName() const { return pathName_; }

 private:
  CString defaultExt_;
  CString fileName_;
  DWORD flags_;
  CString filter_;
  CWnd* parent_;
  CString pathName_;
};
