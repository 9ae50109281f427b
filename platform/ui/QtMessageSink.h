// The program's message boxes and beeps: AfxMessageBox through QMessageBox with the box's buttons,
// icon and default button, titled with the application name; in a run nobody watches, lines on
// standard error.
#pragma once

// Installs the sinks; the program calls it once at start-up (tests keep their own script).
void InstallQtMessageSink();
