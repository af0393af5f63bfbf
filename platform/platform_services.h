// SPDX-License-Identifier: MIT
// What the windows ask of the platform, behind one interface so that tests can record it.
#pragma once

#include "command_launcher.h"
#include "message_box.h"
#include "picture_file.h"

#include <QString>

class QUrl;
class QWidget;

namespace platform {

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    [[nodiscard]] virtual int showMessage(QWidget* owner, const QString& text, MessageStyle style,
                                          const QString& title = {}) = 0;
    [[nodiscard]] virtual LoadedPicture loadPictureFile(const QString& path) = 0;
    [[nodiscard]] virtual QString launchCommand(const QString& commandLine, WindowStyle style) = 0;
    // Opens a web page in the user's browser; returns why it failed, or an empty text.
    [[nodiscard]] virtual QString openWebPage(const QUrl& address) = 0;
    [[nodiscard]] virtual bool fileExists(const QString& pattern) = 0;
    [[nodiscard]] virtual int currentYear() = 0;
    // Ends the program at once: no window is asked to close first.
    virtual void endProgram() = 0;
};

// The services of the machine the program runs on.
class RealPlatformServices final : public PlatformServices {
public:
    [[nodiscard]] static RealPlatformServices& instance();

    int showMessage(QWidget* owner, const QString& text, MessageStyle style,
                    const QString& title = {}) override;
    LoadedPicture loadPictureFile(const QString& path) override;
    QString launchCommand(const QString& commandLine, WindowStyle style) override;
    QString openWebPage(const QUrl& address) override;
    bool fileExists(const QString& pattern) override;
    int currentYear() override;
    void endProgram() override;
};

} // namespace platform
