#include "localize/QtTranslations.h"

#include "localize/LocaleIds.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

void UseQtTranslations(int32_t languageId)
{
    static QTranslator* translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    const QString language = QString::fromStdString(PosixLanguage(languageId));
    if (language.isEmpty())
        return;
    auto loaded = std::make_unique<QTranslator>();
    if (loaded->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        translator = loaded.release();
        QCoreApplication::installTranslator(translator);
    }
}
