#include "Qvas.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTranslator>

namespace {

// The translators installed by name; owned by the application object.
QHash<QString, QPointer<QTranslator>>& installedTranslators()
{
    static QHash<QString, QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalled(const QString& name)
{
    QPointer<QTranslator> old = installedTranslators().take(name);
    if (old) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
}

} // namespace

bool Qvas::installTranslator(const QLocale& locale, const QString& name)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    removeInstalled(name);
    auto* translator = new QTranslator(app);
    if (!translator->load(locale, name, QStringLiteral("_"), QStringLiteral(":/qvas/translations"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installedTranslators().insert(name, translator);
    return true;
}
