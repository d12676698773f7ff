// The start of a framework program on Qt: the toolkit's application, then
// the application object's InitInstance.

#include <QCoreApplication>
#include <QFileInfo>
#include <string>

#include "framework/internal/framework_access.h"
#include "framework/qt/application.h"
#include "framework/win_app.h"

namespace framework_detail {

std::string ApplicationTitle() {
  // The executable's name, as the classic framework takes the module's.
  static const std::string name =
      QCoreApplication::instance()
          ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString()
          : std::string();
  return name;
}

int RunApplication(int argc, char** argv) {
  FrameworkApplication application(argc, argv);
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  // No message loop follows InitInstance, whatever it returns.
  app->InitInstance();
  return 0;
}

}  // namespace framework_detail

namespace framework_detail {

// Standard error, where the shared code has written it, is where a desktop
// program's faults go on Linux; there is nothing more to show.
void ShowProgrammingError(const std::string&) {}

}  // namespace framework_detail
