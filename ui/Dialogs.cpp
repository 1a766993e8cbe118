#include "Dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>

namespace {

class RealDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, int style) override {
        QMessageBox box(parent);
        box.setText(text);
        box.setWindowTitle(title);
        switch (style & 0xF0) {
        case StyleError:
            box.setIcon(QMessageBox::Critical);
            break;
        case StyleQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case StyleWarning:
            box.setIcon(QMessageBox::Warning);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
        }
        if ((style & 0x0F) == 1)
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        else
            box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    }

    std::optional<QString> openFileName(QWidget* parent, const FileRequest& r) override {
        return run(parent, r, QFileDialog::AcceptOpen);
    }

    std::optional<QString> saveFileName(QWidget* parent, const FileRequest& r) override {
        return run(parent, r, QFileDialog::AcceptSave);
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

private:
    static std::optional<QString> run(QWidget* parent, const FileRequest& r, QFileDialog::AcceptMode mode) {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setNameFilter(r.filter);
        dialog.setDefaultSuffix(r.defaultSuffix);
        if (!r.confirmOverwrite)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::instance() {
    static RealDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs* dialogs) {
    installed = dialogs;
}

Answer ConsoleDialogs::message(QWidget*, const QString& text, const QString& title, int) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    return Answer::Ok;
}
