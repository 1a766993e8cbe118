#include "NumberFormat.h"

#include <QByteArray>

#include <cstdio>
#include <locale.h>
#include <vector>

namespace controls {
namespace {

bool isFlag(QChar c) {
    return c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isDoubleConversion(QChar c) {
    return QStringView(u"fFeEgGaA").contains(c);
}

// The length of a conversion for one double starting at format[at] == '%', or 0 when there is none.
qsizetype conversionLength(QStringView format, qsizetype at) {
    qsizetype i = at + 1;
    const auto skip = [&](auto pred) {
        while (i < format.size() && pred(format[i]))
            ++i;
    };
    skip(isFlag);
    skip(isDigit);
    if (i < format.size() && format[i] == u'.') {
        ++i;
        skip(isDigit);
    }
    if (i < format.size() && format[i] == u'l')
        ++i;
    if (i < format.size() && isDoubleConversion(format[i]))
        return i + 1 - at;
    return 0;
}

// The application may have set the user's numeric locale; the values are always shown with a point.
QString formatInCLocale(const QByteArray& conversion, double value) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t previous = uselocale(cLocale);
    QString text;
    const int size = std::snprintf(nullptr, 0, conversion.constData(), value);
    if (size > 0) {
        std::vector<char> buffer(size_t(size) + 1);
        std::snprintf(buffer.data(), buffer.size(), conversion.constData(), value);
        text = QString::fromLatin1(buffer.data(), size);
    }
    uselocale(previous);
    return text;
}

} // namespace

QString formatNumber(QStringView format, double value) {
    QString text;
    bool converted = false;
    qsizetype i = 0;
    while (i < format.size()) {
        const qsizetype percent = format.indexOf(u'%', i);
        if (percent < 0) {
            text += format.mid(i);
            break;
        }
        text += format.mid(i, percent - i);
        if (percent + 1 < format.size() && format[percent + 1] == u'%') {
            text += u'%';
            i = percent + 2;
            continue;
        }
        const qsizetype length = converted ? 0 : conversionLength(format, percent);
        if (length == 0) {
            text += u'%';
            i = percent + 1;
            continue;
        }
        text += formatInCLocale(format.mid(percent, length).toLatin1(), value);
        converted = true;
        i = percent + length;
    }
    return text;
}

} // namespace controls
