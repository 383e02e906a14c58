#include "app/uilanguage.h"

#include "app/application.h"
#include "app/resstrings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

int interfaceLanguage() { return (app().glngLanguage >= 1 && app().glngLanguage <= 4) ? app().glngLanguage : 2; }

QLocale::Language qtLanguage(int language)
{
    switch (language) {
    case 1: return QLocale::Turkish;
    case 3: return QLocale::French;
    case 4: return QLocale::German;
    default: return QLocale::English;
    }
}

}  // namespace

QLocale fncInterfaceLocale()
{
    const QLocale::Language language = qtLanguage(interfaceLanguage());
    const QLocale user;
    if (user.language() == language)
        return user;
    return QLocale(language);
}

bool subApplyQtTranslations()
{
    Application &state = app();
    const int language = interfaceLanguage();
    if (language == state.qtTranslatorLanguage)
        return state.qtTranslatorLoaded;
    if (state.qtTranslator) {
        QCoreApplication::removeTranslator(state.qtTranslator.get());
        state.qtTranslator.reset();
    }
    state.qtTranslatorLanguage = language;
    state.qtTranslatorLoaded = true;
    if (language == 2)
        return true;

    auto translator = std::make_unique<QTranslator>();
    const QString code = QLocale(qtLanguage(language)).name().left(2);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    state.qtTranslatorLoaded = translator->load(QStringLiteral("qtbase_") + code, folder)
                               || translator->load(QStringLiteral("qt_") + code, folder);
    if (state.qtTranslatorLoaded) {
        QCoreApplication::installTranslator(translator.get());
        state.qtTranslator = std::move(translator);
    }
    return state.qtTranslatorLoaded;
}

QString fncDateProblemText(const QString &typed, const dates::TypedDate &date, const QString &form)
{
    const QString text = typed.trimmed();
    switch (date.problem) {
    case dates::DateProblem::None:
    case dates::DateProblem::Empty:
        return QString();
    case dates::DateProblem::NotADate: {
        // An example in the date form: the last day of this year, so that day and month differ.
        const QDate example(QDate::currentDate().year(), 12, 31);
        return res(49500).arg(text, QLocale::c().toString(example, form));
    }
    case dates::DateProblem::NoSuchMonth:
        return res(49510).arg(text, QString::number(date.month));
    case dates::DateProblem::NoSuchDay: {
        const QDate first(date.year, date.month, 1);
        const QString month = fncInterfaceLocale().standaloneMonthName(date.month, QLocale::LongFormat) + u' '
                              + QString::number(date.year);
        return res(49520).arg(text, month, QString::number(first.daysInMonth()));
    }
    }
    return QString();
}
