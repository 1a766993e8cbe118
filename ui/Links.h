// The two addresses the about window opens, kept together so that they change in one place.
#pragma once

#include <QString>
#include <QUrl>

namespace links {

// Under the reserved example.org domain until the project has addresses of its own.
inline const QString kMailAddress = QStringLiteral("veradex@example.org");
inline const QString kMailSubject = QStringLiteral("Veradexについて");
inline const QString kHomePage = QStringLiteral("https://www.example.org/suireikai/");

inline QUrl mailUrl() {
    return QUrl(QStringLiteral("mailto:") + kMailAddress + QStringLiteral("?subject=") + kMailSubject);
}

inline QUrl homePageUrl() {
    return QUrl(kHomePage);
}

} // namespace links
