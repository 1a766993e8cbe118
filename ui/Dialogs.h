// Every modal message box, file dialog and link opening of the program goes through this interface, so that
// tests can script the answers instead of blocking on a real dialog.
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

// Message box styles by their classic values: icon and buttons.
enum MessageStyle : int {
    StylePlain = 0,           // OK
    StyleError = 16,          // error icon, OK
    StyleQuestion = 32,       // question icon, OK
    StyleQuestionCancel = 33, // question icon, OK and Cancel
    StyleWarning = 48,        // warning icon, OK
};

enum class Answer { Ok, Cancel };

struct FileRequest {
    QString defaultSuffix; // appended when the name typed has none, e.g. "csv"
    QString filter;        // Qt filter text, e.g. "リストファイル(*.csv);;すべて(*.*)"
    bool confirmOverwrite = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, const QString& text, const QString& title, int style) = 0;
    // The chosen file's full path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) = 0;
    // False when no program could be started for the link.
    virtual bool openUrl(const QUrl& url) = 0;

    // The instance in use: the real dialogs unless a test installed its own.
    static Dialogs& instance();
    // Installs `dialogs` (not owned); nullptr restores the real ones.
    static void install(Dialogs* dialogs);
};

// For the program's tools that show windows without a user: messages go to standard error, file dialogs are
// cancelled and links do not open; nothing waits.
class ConsoleDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, int style) override;
    std::optional<QString> openFileName(QWidget*, const FileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const FileRequest&) override { return std::nullopt; }
    bool openUrl(const QUrl&) override { return false; }
};

// Shorthand for the common message box.
inline Answer showMessage(QWidget* parent, const QString& text, const QString& title, int style) {
    return Dialogs::instance().message(parent, text, title, style);
}
