#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QString>

class QCoreApplication;

namespace quillfen {

// Installs into `app` the program's own translation for the user's language, as the system
// locale names it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), and Qt's own translation of
// its standard dialogs and buttons in the same language where the system has it. The
// program's translations are built in; where none fits the user's languages, nothing is
// installed and the English texts stand. Returns the language installed ("de"), or empty.
//
// It also keeps the C library's number format at "C": the application object adopts the
// environment's locale, and libraries that print numbers into files (the workbook's XML)
// must not write a decimal comma there.
QString installTranslations(QCoreApplication& app);

} // namespace quillfen
