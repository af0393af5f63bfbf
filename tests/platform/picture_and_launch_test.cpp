// SPDX-License-Identifier: MIT
// Real picture files and real program starts.
#include "core/sign_table.h"
#include "platform/picture_file.h"
#include "platform/platform_services.h"
#include "platform/utf8_text.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

class PictureAndLaunchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Relative to the working directory, with the stored backslash.
    void everySignHasAJpegPicture() {
        QVERIFY(QDir::setCurrent(MOLTRAVA_ASSETS_DIR));
        for (const core::SignEntry& sign : core::SignTable) {
            const LoadedPicture loaded = LoadPictureFile(FromUtf8(sign.picturePath));
            QVERIFY2(loaded.ok() && loaded.picture.size() == QSize(64, 64),
                     qPrintable(loaded.error));
        }
        QVERIFY(LoadPictureFile({}).ok() && LoadPictureFile({}).picture.isNull());
    }

    void aMissingOrBrokenFileIsReportedNotShown() {
        QTemporaryDir folder;
        const QString path = folder.filePath("鼠1.jpg");
        for (const QByteArray& content :
             {QByteArray(), QByteArray("text"), QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)}) {
            const LoadedPicture loaded = LoadPictureFile(path);
            QVERIFY(!loaded.ok() && loaded.picture.isNull() && loaded.error.contains("鼠1.jpg"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    // A quoted argument is kept whole.
    void aLaunchReturnsAtOnceOrSaysWhyItFailed() {
        QTemporaryDir folder;
        const QString target = folder.filePath("with space");
        PlatformServices& services = RealPlatformServices::instance();
        const std::string line = "sh -c \"touch '" + target.toStdString() + "'\"";
        QCOMPARE(services.launchCommand(line, WindowStyle::NormalFocus), "");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);
        QVERIFY(!services.launchCommand("/nonexistent/program --flag", WindowStyle::NormalFocus)
                     .empty());
        QVERIFY(!services.launchCommand("   ", WindowStyle::MinimizedFocus).empty());
    }
};

QTEST_MAIN(PictureAndLaunchTest)
#include "picture_and_launch_test.moc"
