#pragma once

#include "qvas_export.h"

#include <QLocale>
#include <QString>

// Library-wide calls of the alarm screen.
namespace Qvas {

// Installs into the application the translation `name`_<language> for
// locale, built into the library or into a plug-in as a resource under
// ":/qvas/translations/". A translation installed earlier under the same
// name is replaced. True when one was found for locale; false (and nothing
// installed under name) otherwise, as for English, the language of the
// texts themselves. Needs a QCoreApplication.
//
//   QApplication app(argc, argv);
//   Qvas::installTranslator(QLocale());            // the library's texts
//   Qvas::installTranslator(QLocale(), "my-panel"); // a plug-in's own
QVAS_EXPORT bool installTranslator(const QLocale& locale, const QString& name = QStringLiteral("qvas"));

} // namespace Qvas
