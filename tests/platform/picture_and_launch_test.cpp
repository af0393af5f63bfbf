// SPDX-License-Identifier: MIT
// Real picture files and real program starts.
#include "platform/command_launcher.h"
#include "platform/picture_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

class PictureAndLaunchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(MOLTRAVA_ASSETS_DIR))); }

    void everySignHasAJpegPictureUnderTheWorkingDirectory() {
        for (const char* animal :
             {"猴", "鸡", "狗", "猪", "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊"}) {
            const QString path =
                QStringLiteral("生肖图片\\") + QString::fromUtf8(animal) + QStringLiteral("1.jpg");
            const LoadedPicture loaded = LoadPictureFile(path);
            QVERIFY2(loaded.ok(), qPrintable(loaded.error));
            QCOMPARE(loaded.picture.size(), QSize(64, 64));
        }
    }

    void theEmptyPathIsTheEmptyPicture() {
        const LoadedPicture loaded = LoadPictureFile(QString());
        QVERIFY(loaded.ok());
        QVERIFY(loaded.picture.isNull());
    }

    void unreadableFilesAreReportedNotShown_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("not a picture") << QByteArray("just some text, not a JPEG") << true;
        QTest::newRow("truncated JPEG") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) << true;
    }
    void unreadableFilesAreReportedNotShown() {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("鼠1.jpg"));
        if (create) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const LoadedPicture loaded = LoadPictureFile(path);
        QVERIFY(!loaded.ok());
        QVERIFY(loaded.picture.isNull());
        QVERIFY(loaded.error.contains(QStringLiteral("鼠1.jpg")));
    }

    void aLaunchReturnsAtOnceAndKeepsQuotedArgumentsWhole() {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("with space.txt"));
        // sleep keeps running after LaunchCommand has returned: the launch does not wait.
        QCOMPARE(LaunchCommand(QStringLiteral("sh -c \"touch '%1'; sleep 1\"").arg(target),
                               WindowStyle::NormalFocus),
                 QString());
        QTRY_VERIFY(QFile::exists(target));
    }

    void aFailedLaunchIsReported() {
        QVERIFY(
            !LaunchCommand(QStringLiteral("/nonexistent/program --flag"), WindowStyle::NormalFocus)
                 .isEmpty());
        QVERIFY(!LaunchCommand(QStringLiteral("   "), WindowStyle::MinimizedFocus).isEmpty());
    }
};

QTEST_MAIN(PictureAndLaunchTest)
#include "picture_and_launch_test.moc"
