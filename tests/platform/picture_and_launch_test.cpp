// SPDX-License-Identifier: MIT
// Real picture files and real program starts.
#include "core/sign_table.h"
#include "platform/picture_file.h"
#include "platform/platform_services.h"
#include "platform/utf8_text.h"

#include <QTemporaryDir>
#include <QTest>

class PictureAndLaunchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Relative to the working directory, with the stored backslash; the empty path is the empty
    // picture; a missing, empty or broken file is reported, not shown.
    void everySignHasItsPictureAndABrokenOneIsReported() {
        QVERIFY(QDir::setCurrent(MOLTRAVA_ASSETS_DIR));
        for (const core::SignEntry& sign : core::SignTable) {
            const auto loaded = platform::LoadPictureFile(platform::FromUtf8(sign.picturePath));
            QVERIFY2(loaded.ok() && loaded.picture.size() == QSize(64, 64),
                     qPrintable(loaded.error));
        }
        QVERIFY(platform::LoadPictureFile({}).ok() &&
                platform::LoadPictureFile({}).picture.isNull());
        QTemporaryDir folder;
        QFile file(folder.filePath("鼠1.jpg"));
        for (const char* content : {"-", "", "text", "\xFF\xD8\xFF\xE0 JFIF"}) { // "-": missing
            QVERIFY(*content == '-' ||
                    (file.open(QIODevice::WriteOnly) && file.write(content) >= 0));
            file.close();
            const auto loaded = platform::LoadPictureFile(file.fileName());
            QVERIFY(!loaded.ok() && loaded.picture.isNull() && loaded.error.contains("鼠1.jpg"));
        }
    }

    void aLaunchKeepsAQuotedArgumentWholeOrSaysWhyItFailed() {
        QTemporaryDir folder;
        const QString target = folder.filePath("with space");
        auto& services = platform::RealPlatformServices::instance();
        const std::string line = "sh -c \"touch '" + target.toStdString() + "'\"";
        QCOMPARE(services.launchCommand(line, platform::WindowStyle::NormalFocus), "");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);
        QVERIFY(!services.launchCommand("/nonexistent/x --flag", platform::WindowStyle::NormalFocus)
                     .empty());
        QVERIFY(!services.launchCommand("   ", platform::WindowStyle::MinimizedFocus).empty());
    }
};

QTEST_MAIN(PictureAndLaunchTest)
#include "picture_and_launch_test.moc"
