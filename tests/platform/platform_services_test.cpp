// SPDX-License-Identifier: MIT
// The real platform: message boxes answered with real keys and clicks, and picture files.
// (Here it starts no program: the system-information tool is found only in a Windows registry.)
#include "core/sign_table.h"
#include "platform/picture_file.h"
#include "platform/platform_services.h"
#include "platform/utf8_text.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class PlatformServicesTest : public QObject {
    Q_OBJECT

    platform::PlatformServices& services = platform::RealPlatformServices::instance();

private Q_SLOTS:
    // Each style's title, icon and buttons, its owner, and its answer to the keys or a click on
    // No; the question has no close box, and Esc does nothing there.
    void messageBoxesLookAndAnswerAsTheirStyleSays() {
        QWidget window; // the box belongs to the window the user works in
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, 30000));
        const QString question = "退出|2|是(&Y)|否(&N)=";
        // clang-format off
        const struct { int style; QList<int> keys; QString seen; } rows[] = {
            {0, {Qt::Key_Return}, "Moltrava V1.2|0|确定=0"}, {16, {Qt::Key_Escape}, "退出|3|确定=0"},
            {52, {Qt::Key_Return}, question + "1"}, {52, {Qt::Key_Escape, Qt::Key_N}, question + "2"},
            {52, {Qt::Key_Escape, Qt::Key_Y}, question + "1"}, {52, {}, question + "2"}};
        // clang-format on
        for (const auto& row : rows) {
            QString shown;
            QTimer::singleShot(0, &window, [&] { // inside the box's own wait for input
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown = QString(box->parentWidget() == &window ? "" : "unowned ") + box->windowTitle() + '|' +
                        QString::number(box->icon());
                for (QAbstractButton* button : box->buttons())
                    shown += '|' + button->text();
                shown +=
                    row.style == 52 && (box->close() || box->windowFlags() & Qt::WindowCloseButtonHint) ? "closed" : "";
                for (const int key : row.keys)
                    QTest::keyClick(box, Qt::Key(key));
                row.keys.isEmpty() ? QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton) : void();
            });
            const auto answer = services.showMessage("?", platform::MessageStyle(row.style), row.style ? "退出" : "");
            QCOMPARE(shown + '=' + QString::number(int(answer)), row.seen);
        }
    }

    // Relative to the working directory, with the stored backslash. (The main window's tests
    // show what a missing or broken one does.)
    void everySignHasItsPicture() {
        QVERIFY(QDir::setCurrent(MOLTRAVA_ASSETS_DIR));
        for (const core::SignEntry& sign : core::SignTable) {
            const auto loaded = platform::LoadPictureFile(platform::FromUtf8(sign.picturePath));
            QVERIFY2(loaded.ok() && loaded.picture.size() == QSize(64, 64), qPrintable(loaded.error));
            QVERIFY(sign.picturePath.find(sign.caption) != sign.picturePath.npos); // its own animal
        }
    }
};

QTEST_MAIN(PlatformServicesTest)
#include "platform_services_test.moc"
