// SPDX-License-Identifier: MIT
// Records what the windows ask of the platform and answers from a script, so that GUI tests
// never block on a real message box and never start a real program.
#pragma once

#include "platform/platform_services.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace testing_support {

class FakePlatformServices final : public platform::PlatformServices {
public:
    struct Message {
        QString text;
        platform::MessageStyle style;
        QString title;
        QPointer<QWidget> owner;
    };

    int showMessage(QWidget* owner, const QString& text, platform::MessageStyle style,
                    const QString& title) override {
        messages.push_back({text, style, title, owner});
        if (whileMessageShows)
            whileMessageShows(messages.back());
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        // Unscripted questions are answered with the harmless choice.
        return style == platform::MessageStyle::YesNoExclamation ? platform::AnswerNo
                                                                 : platform::AnswerOk;
    }

    platform::LoadedPicture loadPictureFile(const QString& path) override {
        picturesLoaded.push_back(path);
        return platform::LoadPictureFile(path);
    }

    QString launchCommand(const QString& commandLine, platform::WindowStyle style) override {
        launches.emplace_back(commandLine, style);
        return {};
    }

    QString openWebPage(const QUrl& address) override {
        webPages.push_back(address);
        return webPageError;
    }

    bool fileExists(const QString& /*pattern*/) override { return false; }

    int currentYear() override { return year; }

    void endProgram() override { ++endProgramCalls; }

    std::vector<Message> messages;
    std::deque<int> answers;
    std::function<void(const Message&)> whileMessageShows;
    std::vector<QString> picturesLoaded;
    std::vector<std::pair<QString, platform::WindowStyle>> launches;
    std::vector<QUrl> webPages;
    QString webPageError;
    int year = 2026;
    int endProgramCalls = 0;
};

} // namespace testing_support
