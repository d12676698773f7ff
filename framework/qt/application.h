#pragma once

#include <QApplication>

#include "framework/qt/font_configuration_preload.h"

// The toolkit application of a framework program. Every mouse and key event
// for a framework window passes the modal loop's pre-translation first
// (PreTranslateMessage from the window up to its dialog), the way a classic
// message loop hands each message to the window's wrappers before dispatch.
//
// The font configuration is read on a second thread while the toolkit
// connects to the display (the preload base is built first).
class FrameworkApplication : private FontConfigurationPreload, public QApplication {
 public:
  FrameworkApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

namespace framework_detail {
// What main() does: makes the toolkit's application, then runs the
// application object's InitInstance; the program ends when it returns.
int RunApplication(int argc, char** argv);
}  // namespace framework_detail
