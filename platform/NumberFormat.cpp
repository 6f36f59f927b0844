#include "platform/NumberFormat.h"

#include <unicode/dtptngen.h>
#include <unicode/numberformatter.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <QDateTime>

#include <cmath>
#include <memory>

namespace tq {

QString percentText(double fraction, int decimals, const QLocale& locale)
{
    if (!std::isfinite(fraction))
        fraction = 0;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where(locale.bcp47Name().toUtf8().constData());
    std::unique_ptr<icu::NumberFormat> format(icu::NumberFormat::createPercentInstance(where, status));
    if (U_FAILURE(status) || !format)
        return locale.toString(fraction * 100, 'f', decimals) + locale.percent();
    format->setMinimumFractionDigits(decimals);
    format->setMaximumFractionDigits(decimals);
    icu::UnicodeString out;
    format->format(fraction, out);
    return QString(reinterpret_cast<const QChar*>(out.getBuffer()), out.length());
}

QString compactCountText(qint64 n, const QLocale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where(locale.bcp47Name().toUtf8().constData());
    const icu::UnicodeString out = icu::number::NumberFormatter::withLocale(where)
                                       .notation(icu::number::Notation::compactShort())
                                       .formatInt(n, status)
                                       .toString(status);
    if (U_FAILURE(status))
        return locale.toString(n);
    return QString(reinterpret_cast<const QChar*>(out.getBuffer()), out.length());
}

QString dateText(const QDate& date, const char* skeleton, const QLocale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where(locale.bcp47Name().toUtf8().constData());
    std::unique_ptr<icu::DateTimePatternGenerator> generator(icu::DateTimePatternGenerator::createInstance(where, status));
    icu::UnicodeString pattern;
    if (U_SUCCESS(status))
        pattern = generator->getBestPattern(icu::UnicodeString::fromUTF8(skeleton), status);
    icu::SimpleDateFormat format(pattern, where, status);
    if (U_FAILURE(status))
        return locale.toString(date, QLocale::ShortFormat);
    // Noon in UTC of that day, read in UTC: no time zone moves it to a neighbouring day.
    format.adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
    const UDate at = double(QDateTime(date, QTime(12, 0), Qt::UTC).toMSecsSinceEpoch());
    icu::UnicodeString out;
    format.format(at, out);
    return QString(reinterpret_cast<const QChar*>(out.getBuffer()), out.length());
}

} // namespace tq
