#include "app/enginemessages.h"

#include "app/resstrings.h"

QString windowRefusalText(const WindowCheck &check)
{
    switch (check.code) {
    case WindowCode::Ok:
        return QString();
    case WindowCode::NoDrawings:
        return res(47000);
    case WindowCode::StartAfterEnd:
        return res(47010);
    case WindowCode::EmptyWindow:
        return res(47020);
    }
    return QString();
}

QString windowWarningText(const WindowCheck &check)
{
    if (!check.hasWarning())
        return QString();
    QString text = res(47030).arg(check.missingWeeks).arg(check.numbersOutside);
    if (check.emptyNumbers > 0)
        text += u'\n' + res(49540).arg(check.emptyNumbers);
    return text;
}

QString drawCheckText(const DrawCheck &check)
{
    switch (check.code) {
    case DrawCode::Ok:
        return QString();
    case DrawCode::PoolTooSmall:
        return res(47040);
    case DrawCode::SecondPoolTooSmall:
        return res(47050);
    case DrawCode::SameGuarantees:
        return res(47060);
    case DrawCode::NoColumnPossible:
        return res(47070);
    case DrawCode::FewerColumns:
        return resCount(49530, 47080, check.available).arg(check.available);
    }
    return QString();
}

QString drawGaveUpText() { return res(47090); }
