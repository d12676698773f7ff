#pragma once

#include <QApplication>

// The toolkit application of a framework program. Every mouse and key event
// for a framework window passes the modal loop's pre-translation first
// (PreTranslateMessage from the window up to its dialog), the way a classic
// message loop hands each message to the window's wrappers before dispatch.
class FrameworkApplication : public QApplication {
 public:
  FrameworkApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
