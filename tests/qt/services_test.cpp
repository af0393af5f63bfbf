// SPDX-License-Identifier: MIT
// The Qt program's own services: message boxes answered with real keys and clicks, and picture
// files, good and bad. (Here it starts no program: the system-information tool is found only in
// a Windows registry.)
#include "core/sign_table.h"
#include "support/huge_jpeg.h"
#include "ui/qt/services.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

using platform::MessageStyle;

class ServicesTest : public QObject {
    Q_OBJECT

    platform::PlatformServices& services = ui::qt::Services::instance();

private Q_SLOTS:
    // Each style's title, icon and buttons, its owner, and its answer to the keys or a click on
    // No; the question has no close box, and Esc does nothing there.
    void messageBoxesLookAndAnswerAsTheirStyleSays() {
        QWidget window; // the box belongs to the window the user works in
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, 30000));
        const QString question = "退出|Warning|是(&Y)|否(&N)=";
        // clang-format off
        const struct { MessageStyle style; QList<int> keys; QString seen; } rows[] = {
            {MessageStyle::Ok, {Qt::Key_Return}, "Moltrava V1.2|NoIcon|确定=Ok"}, {MessageStyle::OkStop, {Qt::Key_Escape}, "退出|Critical|确定=Ok"},
            {MessageStyle::YesNoExclamation, {Qt::Key_Return}, question + "Yes"},
            {MessageStyle::YesNoExclamation, {Qt::Key_Escape, Qt::Key_N}, question + "No"},
            {MessageStyle::YesNoExclamation, {Qt::Key_Escape, Qt::Key_Y}, question + "Yes"},
            {MessageStyle::YesNoExclamation, {}, question + "No"}};
        // clang-format on
        const QStringList icons{"NoIcon", "Information", "Warning", "Critical"};
        const QStringList answers{"Ok", "Yes", "No"};
        for (const auto& row : rows) {
            const bool question = row.style == MessageStyle::YesNoExclamation;
            QString shown;
            QTimer::singleShot(0, &window, [&] { // inside the box's own wait for input
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown = QString(box->parentWidget() == &window ? "" : "unowned ") + box->windowTitle() + '|' +
                        icons[box->icon()];
                for (QAbstractButton* button : box->buttons())
                    shown += '|' + button->text();
                if (question && (box->close() || box->windowFlags() & Qt::WindowCloseButtonHint))
                    shown += "closed";
                for (const int key : row.keys)
                    QTest::keyClick(box, Qt::Key(key));
                if (row.keys.isEmpty())
                    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            });
            const auto answer =
                services.showMessage("?", row.style, question || row.style == MessageStyle::OkStop ? "退出" : "");
            QCOMPARE(shown + '=' + answers[int(answer)], row.seen);
        }
    }

    // Every sign's picture, with the stored backslash; a file that is not a picture gives an empty
    // one and the reason, and no picture is read at any size its file claims.
    void picturesAreReadOrRefusedWithTheirReason() {
        for (const core::SignEntry& sign : core::SignTable) {
            const auto loaded = services.loadPicture(MOLTRAVA_ASSETS_DIR "\\" + std::string(sign.picturePath));
            QVERIFY2(loaded.error.empty() && loaded.picture.width == 64 && loaded.picture.height == 64 &&
                         loaded.picture.pixels.size() == 64 * 64,
                     loaded.error.c_str());
            QVERIFY(sign.picturePath.find(sign.caption) != sign.picturePath.npos); // its own animal
        }
        const QTemporaryDir bad;
        QVERIFY(QDir(bad.path()).mkpath("folder.jpg"));
        QFile(bad.filePath("empty.jpg")).open(QIODevice::WriteOnly);
        QFile huge(bad.filePath("huge.jpg"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(HugeJpeg.data(), HugeJpeg.size()) == 53);
        huge.close();
        // clang-format off
        const std::map<QString, QString> reasons{
            {"folder.jpg", "找不到图片文件：%1"}, {"missing.jpg", "找不到图片文件：%1"},
            {"empty.jpg", "无法读取图片文件：%1（Unsupported image format）"}, {"huge.jpg", "图片太大：%1"}};
        // clang-format on
        for (const auto& [name, reason] : reasons) {
            const auto loaded = services.loadPicture(bad.filePath(name).replace('/', '\\').toStdString());
            QCOMPARE(QString::fromStdString(loaded.error), reason.arg(bad.filePath(name)));
            QVERIFY(loaded.picture.empty());
        }
        QVERIFY(services.loadPicture("").error.empty() && services.loadPicture("").picture.empty());
    }
};

QTEST_MAIN(ServicesTest)
#include "services_test.moc"
