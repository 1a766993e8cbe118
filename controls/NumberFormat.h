// Formats one number with a caller's printf-style format, without the undefined behaviour that a format not
// made for one double would cause in printf itself.
#pragma once

#include <QString>
#include <QStringView>

namespace controls {

// The first conversion of the form %[-+ #0][width][.precision][l]{f F e E g G a A} gets `value`, formatted
// as the C library does in the C locale and as long as it comes out; "%%" gives "%"; every other text,
// including any conversion that would read something other than this one double (%d, %s, %*f, %n, %Lf or
// a second conversion), is kept as written.
QString formatNumber(QStringView format, double value);

} // namespace controls
