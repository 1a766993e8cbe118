// Scripted stand-in for the program's dialogs: records every request and answers from a script.
#pragma once

#include "Dialogs.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <deque>
#include <optional>

struct RecordedMessage {
    QString text;
    QString title;
    int style = 0;
};

class FakeDialogs final : public Dialogs {
public:
    FakeDialogs() { Dialogs::install(this); }
    ~FakeDialogs() override { Dialogs::install(nullptr); }

    // Answers for message boxes in order; Ok when the script is used up.
    std::deque<Answer> answers;
    // Results of file dialogs in order (nullopt: cancelled); cancelled when used up.
    std::deque<std::optional<QString>> files;
    bool urlOpens = true;

    QList<RecordedMessage> messages;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QList<QUrl> urls;

    Answer message(QWidget*, const QString& text, const QString& title, int style) override {
        messages.append({text, title, style});
        if (answers.empty())
            return Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest& r) override {
        openRequests.append(r);
        return next();
    }
    std::optional<QString> saveFileName(QWidget*, const FileRequest& r) override {
        saveRequests.append(r);
        return next();
    }
    bool openUrl(const QUrl& url) override {
        urls.append(url);
        return urlOpens;
    }

private:
    std::optional<QString> next() {
        if (files.empty())
            return std::nullopt;
        const bool chosen = files.front().has_value();
        const QString path = chosen ? *files.front() : QString();
        files.pop_front();
        if (!chosen)
            return std::nullopt;
        return path;
    }
};
