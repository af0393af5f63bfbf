// SPDX-License-Identifier: MIT
// The real platform: message boxes answered with real keys and clicks, picture files, starts.
#include "core/sign_table.h"
#include "platform/picture_file.h"
#include "platform/platform_services.h"
#include "platform/utf8_text.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Answers the box from inside its own wait for input: `act` runs once it is up, and it is
// hidden after in any case, so that a failed check never leaves the test waiting.
void whenBoxShows(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, qApp, [act] {
        QMessageBox* box = nullptr;
        if (QTest::qWaitFor(
                [&] { return box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                30000))
            act(box);
        if (box && !QTest::qWaitFor([&] { return !box->isVisible(); }, 30000))
            box->hide();
    });
}

} // namespace

class PlatformServicesTest : public QObject {
    Q_OBJECT

    platform::PlatformServices& services = platform::RealPlatformServices::instance();

private Q_SLOTS:
    // The box's title, text, icon and buttons, and its answer to the keys, or to a click on No.
    void messageBoxesLookAndAnswerAsTheirStyleSays_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("seen");
        // clang-format off
        const QString question = "退出|真的要退出吗？|2|是(&Y)|否(&N)=";
        QTest::newRow("OK, Enter") << 0 << QList<int>{Qt::Key_Return} << "Moltrava V1.2|真的要退出吗？|0|确定=0";
        QTest::newRow("stop, Esc") << 16 << QList<int>{Qt::Key_Escape} << "退出|真的要退出吗？|3|确定=0";
        QTest::newRow("question, Enter") << 52 << QList<int>{Qt::Key_Return} << question + "1";
        QTest::newRow("question, Esc does nothing, N") << 52 << QList<int>{Qt::Key_Escape, Qt::Key_N} << question + "2";
        QTest::newRow("question, Esc does nothing, Y") << 52 << QList<int>{Qt::Key_Escape, Qt::Key_Y} << question + "1";
        QTest::newRow("question, No clicked") << 52 << QList<int>{} << question + "2";
        // clang-format on
    }
    void messageBoxesLookAndAnswerAsTheirStyleSays() {
        QFETCH(int, style);
        QFETCH(QList<int>, keys);
        QFETCH(QString, seen);
        QWidget window; // the box belongs to the window the user works in
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QString shown;
        whenBoxShows([&](QMessageBox* box) {
            QCOMPARE(box->parentWidget(), &window);
            shown = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
            for (QAbstractButton* button : box->buttons())
                shown += '|' + button->text();
            QVERIFY(style != 52 || !box->close()); // the question has no close box either
            for (const int key : keys)
                QTest::keyClick(box, Qt::Key(key));
            if (keys.isEmpty())
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        const auto answer = services.showMessage("真的要退出吗？", platform::MessageStyle(style),
                                                 style ? "退出" : "");
        QCOMPARE(shown + '=' + QString::number(int(answer)), seen);
    }

    // Relative to the working directory, with the stored backslash. (The main window's tests
    // show what a missing or broken one does.)
    void everySignHasItsPicture() {
        QVERIFY(QDir::setCurrent(MOLTRAVA_ASSETS_DIR));
        for (const core::SignEntry& sign : core::SignTable) {
            const auto loaded = platform::LoadPictureFile(platform::FromUtf8(sign.picturePath));
            QVERIFY2(loaded.ok() && loaded.picture.size() == QSize(64, 64),
                     qPrintable(loaded.error));
        }
    }

    void aStartKeepsAQuotedArgumentWholeOrSaysWhyItFailed() {
        QTemporaryDir folder;
        const QString target = folder.filePath("with space");
        const std::string line = "sh -c \"touch '" + target.toStdString() + "'\"";
        QCOMPARE(services.launchCommand(line, platform::WindowStyle::NormalFocus), "");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);
        QVERIFY(!services.launchCommand("/nonexistent/x --flag", platform::WindowStyle::NormalFocus)
                     .empty());
        QVERIFY(!services.launchCommand("   ", platform::WindowStyle::MinimizedFocus).empty());
    }
};

QTEST_MAIN(PlatformServicesTest)
#include "platform_services_test.moc"
