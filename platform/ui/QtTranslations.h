// Qt's own texts (the standard file, colour and print dialogs, their buttons and messages) in
// Japanese, whatever the desktop's language, so they read as the rest of the program does.
#pragma once

// Installs Qt's Japanese translations for the whole application; false when they are not
// installed on this machine (Qt's own texts then stay English).
bool InstallQtTranslations();
