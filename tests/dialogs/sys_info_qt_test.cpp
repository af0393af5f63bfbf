// SPDX-License-Identifier: MIT
// The about dialog's entry to StartSysInfo, on the program's platform services.
#include "ui/dialogs/sys_info_qt.h"

#include "support/fake_platform_services.h"
#include "support/fake_registry.h"

#include <QTest>
#include <QWidget>

using testing_support::FakePlatformServices;
using testing_support::FakeRegistry;

namespace {

const QString Unavailable = QStringLiteral("此时系统信息不可用");
constexpr const char* Folder = "C:\\Program Files\\MSInfo";
const QString ToolInFolder = QStringLiteral("C:\\Program Files\\MSInfo\\MSINFO32.EXE");

} // namespace

class SysInfoQtTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsTheToolThroughTheServicesOrTellsTheOwner_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("folderHoldsTool");
        QTest::addColumn<QString>("launchError");
        QTest::addColumn<QString>("launched");
        QTest::addColumn<bool>("message");
        QTest::newRow("path") << QStringLiteral("C:\\Program Files\\MSInfo\\msinfo32.exe") << false
                              << QString()
                              << QStringLiteral("\"C:\\Program Files\\MSInfo\\msinfo32.exe\"")
                              << false;
        QTest::newRow("path, start fails") << QStringLiteral("C:\\msinfo32.exe") << false
                                           << QStringLiteral("无法启动：C:\\msinfo32.exe")
                                           << QStringLiteral("C:\\msinfo32.exe") << true;
        QTest::newRow("folder with the tool")
            << QString() << true << QString() << QLatin1Char('"') + ToolInFolder + QLatin1Char('"')
            << false;
        QTest::newRow("folder without the tool")
            << QString() << false << QString() << QString() << true;
    }
    void startsTheToolThroughTheServicesOrTellsTheOwner() {
        QFETCH(QString, path);
        QFETCH(bool, folderHoldsTool);
        QFETCH(QString, launchError);
        QFETCH(QString, launched);
        QFETCH(bool, message);

        FakeRegistry registry;
        if (!path.isEmpty())
            registry.set(ui::ToolPathKey, ui::ToolPathValue,
                         {FakeRegistry::Answer::Text, path.toStdString()});
        else
            registry.set(ui::ToolFolderKey, ui::ToolFolderValue,
                         {FakeRegistry::Answer::Text, Folder});
        FakePlatformServices services;
        services.launchError = launchError;
        if (folderHoldsTool)
            services.existingFiles.insert(ToolInFolder);
        QWidget owner;

        ui::StartSysInfo(services, &owner, registry);

        if (path.isEmpty())
            QCOMPARE(services.filesProbed, std::vector<QString>{ToolInFolder});
        if (launched.isEmpty()) {
            QVERIFY(services.launches.empty());
        } else {
            QCOMPARE(services.launches.size(), std::size_t{1});
            QCOMPARE(services.launches[0].first, launched);
            QCOMPARE(services.launches[0].second, platform::WindowStyle::NormalFocus);
        }
        QCOMPARE(services.messages.size(), std::size_t(message ? 1 : 0));
        if (message) {
            const FakePlatformServices::Message& shown = services.messages[0];
            QCOMPARE(shown.text, Unavailable);
            QCOMPARE(shown.style, platform::MessageStyle::Ok);
            QVERIFY(shown.title.isEmpty());
            QCOMPARE(shown.owner.data(), &owner);
        }
    }

    void withoutARegistryTheRealLookupEndsInTheMessage() {
        FakePlatformServices services;
        ui::StartSysInfo(services, nullptr);
        QVERIFY(services.launches.empty());
        QVERIFY(services.filesProbed.empty());
        QCOMPARE(services.messages.size(), std::size_t{1});
        QCOMPARE(services.messages[0].text, Unavailable);
    }
};

QTEST_MAIN(SysInfoQtTest)
#include "sys_info_qt_test.moc"
