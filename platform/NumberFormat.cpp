#include "platform/NumberFormat.h"

#include <unicode/numberformatter.h>
#include <unicode/numfmt.h>
#include <unicode/unistr.h>

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

} // namespace tq
