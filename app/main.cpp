// The application entry: six windows, each complete before the next, then the event loop.
#include "AppControl.h"
#include "Application.h"
#include "Dialogs.h"
#include "Sjis.h"
#include "UserData.h"
#include "Windows.h"

#include <QDir>
#include <QIcon>

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    Application application(argc, argv);
    // Lets the desktop match the windows to the installed entry and its icon; an uninstalled build has none.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.suireikai.Veradex"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("veradex")));
    try {
        if (!sjis::available()) {
            // Without the converter every name would show as mojibake.
            showMessage(nullptr,
                        QStringLiteral(
                            "文字コード変換 \"%1\" がありません。Qt の ICU 対応をインストールしてください。")
                            .arg(QString::fromLatin1(sjis::kCodecName)),
                        QStringLiteral("Veradex"), StyleError);
            return 0;
        }
        // From a shell the working directory decides the data files; the desktop entry asks for the user's
        // own folder instead, filled with the shipped lists the first time.
        if (Application::arguments().mid(1).contains(QLatin1String(userdata::kOption))) {
            const QString folder = userdata::folder();
            QString failed;
            if (!userdata::fill(userdata::shippedFolder(), folder, &failed) || !QDir::setCurrent(folder)) {
                showMessage(nullptr,
                            QStringLiteral("データフォルダを用意できません。\n%1")
                                .arg(QDir::toNativeSeparators(failed.isEmpty() ? folder : failed)),
                            QStringLiteral("ファイルエラー"), StyleWarning);
                return 0;
            }
        }
        const Windows windows = Windows::create();
        if (app::endRequested())
            return 0;
        windows.open->show();
        Application::exec();
    } catch (const std::exception& e) {
        Application::showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Application::showError({});
    }
    return 0;
}
