// What the compound-file reader and writer share about libgsf: its headers and its one-time
// initialisation. Include libgsf only through this header: glib defines TRUE and FALSE as macros,
// which would break the constants of the same names in WinTypes.h when both end up in one
// translation unit, so the macros are dropped here.
#pragma once

#include "platform/afx/WinTypes.h"
#include "platform/storage/GsfHandle.h"

#include <glib-object.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#undef TRUE
#undef FALSE

#include <string>

// Initialises libgsf once. From then on libgsf's log messages (the warnings and criticals it gives
// on damaged files) go to a record of this thread instead of standard error: a user learns of a
// damaged file through the refusal, not through lines on the terminal.
void EnsureGsfInitialized();

// What libgsf logged on this thread since the last call (messages joined by "; "), and clears it.
std::string TakeGsfLogMessages();

// The message of a GError (freed here), or the fallback when there is none.
std::string TakeGErrorMessage(GError* error, const std::string& fallback);
