#pragma once

#include <QString>

#include "engine/settings.h"

namespace quirlweg {

// `quirlweg --class`: the class server without a window, for a school server or the
// teacher's PC.
struct ClassRun {
  quint16 port = 0;
  QString recordPath;        // empty: the program's data folder
  QString siteFolder;        // empty: the browser edition the package installs
  bool namesAllowed = true;  // false: devices join without a first name
  JourneySetting setting;
};

// Serves the class until the teacher ends it or the process is ended; tells the addresses,
// the QR code and the class's figures on stdout. Needs the application object. The exit
// status: 0 once the class was ended, 1 when it could not start (told on stderr).
int RunClass(const ClassRun& run);

}  // namespace quirlweg
