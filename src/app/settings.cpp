#include "settings.h"

#include "mainform.h"
#include "platform/application.h"

int RunSettings(int argc, char** argv) {
  // Designed at 96 pixels per inch: the windows are not scaled for the
  // screen's pixel density.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  TApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Settings"));
  TMainForm form;
  form.showMaximized();
  return app.exec();
}
