// SPDX-License-Identifier: MIT
// The about dialog's entry to StartSysInfo, on the program's platform services.
#include "ui/dialogs/sys_info_qt.h"

#include "support/fake_platform_services.h"
#include "support/fake_registry.h"

#include <QTest>
#include <QWidget>

using testing_support::FakePlatformServices;
using testing_support::FakeRegistry;

class SysInfoQtTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsTheToolThroughTheServicesOrTellsTheOwner_data() {
        QTest::addColumn<QString>("path"); // try 1; without it, try 2 names "C:\工具"
        QTest::addColumn<bool>("toolInFolder");
        QTest::addColumn<QString>("launchError");
        QTest::addColumn<QString>("launched");
        const QString inFolder = QStringLiteral("C:\\工具\\MSINFO32.EXE");
        QTest::newRow("path") << QStringLiteral("C:\\Program Files\\msinfo32.exe") << false
                              << QString() << QStringLiteral("\"C:\\Program Files\\msinfo32.exe\"");
        QTest::newRow("path, start fails")
            << QStringLiteral("C:\\msinfo32.exe") << false << QStringLiteral("无法启动")
            << QStringLiteral("C:\\msinfo32.exe");
        QTest::newRow("folder with the tool") << QString() << true << QString() << inFolder;
        QTest::newRow("folder without it") << QString() << false << QString() << QString();
    }
    void startsTheToolThroughTheServicesOrTellsTheOwner() {
        QFETCH(QString, path);
        QFETCH(bool, toolInFolder);
        QFETCH(QString, launchError);
        QFETCH(QString, launched);
        FakeRegistry registry;
        if (path.isEmpty())
            registry.set(ui::ToolFolderKey, "MSINFO", {FakeRegistry::Answer::Text, "C:\\工具"});
        else
            registry.set(ui::ToolPathKey, "PATH", {FakeRegistry::Answer::Text, path.toStdString()});
        FakePlatformServices services;
        services.launchError = launchError;
        if (toolInFolder)
            services.existingFiles.insert(QStringLiteral("C:\\工具\\MSINFO32.EXE"));
        QWidget owner;

        ui::StartSysInfo(services, &owner, registry);

        QCOMPARE(services.launches.size(), std::size_t(launched.isEmpty() ? 0 : 1));
        if (!launched.isEmpty()) {
            QCOMPARE(services.launches[0].first, launched);
            QCOMPARE(services.launches[0].second, platform::WindowStyle::NormalFocus);
        }
        const bool message = launched.isEmpty() || !launchError.isEmpty();
        QCOMPARE(services.messages.size(), std::size_t(message ? 1 : 0));
        if (message) {
            QCOMPARE(services.messages[0].text, QStringLiteral("此时系统信息不可用"));
            QCOMPARE(services.messages[0].style, platform::MessageStyle::Ok);
            QVERIFY(services.messages[0].title.isEmpty());
            QCOMPARE(services.messages[0].owner.data(), &owner);
        }
    }

    void withoutARegistryTheRealLookupEndsInTheMessage() {
        FakePlatformServices services;
        ui::StartSysInfo(services, nullptr);
        QVERIFY(services.launches.empty());
        QCOMPARE(services.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(SysInfoQtTest)
#include "sys_info_qt_test.moc"
