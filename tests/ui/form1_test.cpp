// SPDX-License-Identifier: MIT
// The main window driven with real key and mouse events; the platform is recorded.
#include "support/main_window.h"
#include "support/modal.h"
#include "ui/main/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using platform::MessageStyle;
using testing_support::FakePlatformServices;

namespace {

struct Window : testing_support::MainWindow {
    QLineEdit* text1() const { return find<QLineEdit>("Text1"); }
    QLabel* label2() const { return find<QLabel>("Label2"); }
    QLabel* label3() const { return find<QLabel>("Label3"); }
    QLabel* picture1() const { return find<QLabel>("Picture1"); }
    bool pictureShown() const { return !picture1()->pixmap().isNull(); }

    void clickInto(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void chooseBirthYear() const { clickInto(find("Option2")); }
    // Puts the focus into the entry the way a user does, then types.
    void enter(const QString& digits) const {
        clickInto(text1());
        QTest::keyClicks(text1(), digits);
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(MOLTRAVA_ASSETS_DIR))); }
    void cleanup() { testing_support::CloseLeftoverModals(); }

    void theFirstScreenIsInAgeMode() {
        Window w;
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Moltrava1.2    QQ:000000000"));
        QVERIFY(w.find<QRadioButton>("Option1")->isChecked());
        QVERIFY(!w.find<QRadioButton>("Option2")->isChecked());
        QCOMPARE(QApplication::focusWidget(), w.find("Option1"));
        QCOMPARE(w.label3()->text(), QStringLiteral("请输入您的年龄"));
        QCOMPARE(w.text1()->text(), QStringLiteral("0"));
        QCOMPARE(w.label2()->text(), QString());
        QVERIFY(!w.pictureShown());
        QVERIFY(!w.form->windowIcon().isNull());
        QVERIFY(w.form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w.form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QPoint screenCentre = w.form->screen()->availableGeometry().center();
        QVERIFY((w.form->geometry().center() - screenCentre).manhattanLength() <= 2);
    }

    // Twips divided by 15, rounded; self-sizing labels keep their corner and fit their caption.
    void theLayoutFollowsItsTable() {
        Window w;
        QCOMPARE(w.form->size(), QSize(390, 312));
        const std::pair<const char*, QRect> boxes[] = {
            {"frame1", {67, 24, 257, 65}},   {"Option1", {16, 19, 49, 33}},
            {"Option2", {128, 19, 63, 33}},  {"Text1", {262, 124, 52, 29}},
            {"Command1", {75, 256, 65, 33}}, {"Command2", {251, 256, 65, 33}},
            {"Picture1", {256, 180, 37, 37}}};
        for (const auto& [name, box] : boxes)
            QCOMPARE(w.find(name)->geometry(), box);
        const std::pair<const char*, QPoint> fitted[] = {{"Label1", {78, 192}},
                                                         {"Label3", {76, 124}},
                                                         {"Label4", {64, 29}},
                                                         {"Label5", {189, 29}}};
        for (const auto& [name, corner] : fitted) {
            QCOMPARE(w.find(name)->pos(), corner);
            QCOMPARE(w.find(name)->size(), w.find(name)->sizeHint());
        }
        QCOMPARE(w.label2()->pos(), QPoint(217, 189));

        // Fonts, colours and tooltips reach the controls, inside the frame too.
        const QWidget* label4 = w.find("Label4");
        QCOMPARE(label4->font().families().value(0), QStringLiteral("宋体"));
        QCOMPARE(label4->font().pointSizeF(), 9.0);
        QVERIFY(label4->font().bold());
        QCOMPARE(label4->palette().color(QPalette::WindowText).name(), QStringLiteral("#00c000"));
        QCOMPARE(label4->toolTip(), QStringLiteral("根据年龄查询"));
        QCOMPARE(w.find("Command1")->font().pointSizeF(), 18.0);
        QCOMPARE(w.text1()->palette().color(QPalette::Text).name(), QStringLiteral("#ff8000"));
        QCOMPARE(w.label2()->palette().color(QPalette::Window).name(), QStringLiteral("#ff8080"));
        QVERIFY(w.label2()->autoFillBackground());
    }

    void resizingMovesNothing() {
        Window w;
        const QRect before = w.text1()->geometry();
        w.form->resize(600, 500);
        QCOMPARE(w.text1()->geometry(), before);
    }

    void onlyDigitsAndBackspaceReachTheEntry() {
        Window w;
        w.chooseBirthYear();
        w.enter(QStringLiteral("1a 9-8.4"));
        QCOMPARE(w.text1()->text(), QStringLiteral("1984"));
        QTest::keyClick(w.text1(), Qt::Key_5);
        QCOMPARE(w.text1()->text(), QStringLiteral("1984")); // a fifth digit has no room
        QTest::keyClick(w.text1(), Qt::Key_Backspace);
        QCOMPARE(w.text1()->text(), QStringLiteral("198"));
        w.clickInto(w.find("Option1"));
        w.enter(QStringLiteral("1234"));
        QCOMPARE(w.text1()->text(), QStringLiteral("123")); // an age has three digits at most
    }

    void controlShortcutsDoNothingInTheEntry_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X);
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z);
        QTest::newRow("Ctrl+A") << int(Qt::Key_A);
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace);
    }
    void controlShortcutsDoNothingInTheEntry() {
        QFETCH(int, key);
        Window w;
        w.chooseBirthYear();
        w.enter(QStringLiteral("19"));
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        w.text1()->setSelection(0, 1);
        QTest::keyClick(w.text1(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(w.text1()->text(), QStringLiteral("19"));
        w.text1()->setCursorPosition(2);
        QTest::keyClick(w.text1(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(w.text1()->text(), QStringLiteral("19"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
    }

    void pastedTextIsFilteredToo_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits") << "1984"
                                << "1984";
        QTest::newRow("too many digits are cut at the limit") << "198456"
                                                              << "1984";
        QTest::newRow("a letter") << "19a4"
                                  << "0";
        QTest::newRow("a minus sign") << "-5"
                                      << "0";
        QTest::newRow("full-width digits") << "１９８４"
                                           << "0";
        QTest::newRow("surrounding spaces") << " 1984 "
                                            << "0";
    }
    void pastedTextIsFilteredToo() {
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        Window w;
        w.chooseBirthYear();
        w.clickInto(w.text1()); // selects the "0", which the paste replaces
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(w.text1(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.text1()->text(), expected);
        w.text1()->selectAll();
        w.text1()->paste(); // the context menu's way
        QCOMPARE(w.text1()->text(), expected);
    }

    void droppedTextIsFilteredToo() {
        Window w;
        w.clickInto(w.text1());
        QMimeData letters;
        letters.setText(QStringLiteral("ab"));
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &letters, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.text1(), &drop);
        QCOMPARE(w.text1()->text(), QStringLiteral("0"));
    }

    void enterRightAfterStartShowsTheCurrentYearsSign() {
        Window w;
        w.services.year = 2024; // a dragon year
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.label2()->text(), QStringLiteral("龙"));
        QVERIFY(w.pictureShown());
    }

    void aBirthYearShowsItsSignAndPicture() {
        Window w;
        w.chooseBirthYear();
        w.enter(QStringLiteral("1984"));
        QTest::keyClick(w.text1(), Qt::Key_Return);
        QCOMPARE(w.label2()->text(), QStringLiteral("鼠"));
        QCOMPARE(w.services.picturesLoaded.back(), QStringLiteral("生肖图片\\鼠1.jpg"));
        QVERIFY(w.pictureShown());
        const int border = 2 * w.picture1()->frameWidth();
        QCOMPARE(w.picture1()->size(), QSize(64 + border, 64 + border));
        QCOMPARE(w.picture1()->pos(), QPoint(256, 180));
        QCOMPARE(w.picture1()->accessibleName(), QStringLiteral("鼠"));
        QCOMPARE(w.label2()->size(), w.label2()->sizeHint());
        QCOMPARE(QApplication::focusWidget(), w.text1()); // Enter does not move the focus
        QVERIFY(w.services.messages.empty());
    }

    void rejectedEntriesAreResetToZero_data() {
        QTest::addColumn<bool>("birthYear");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<QString>("message");
        QTest::newRow("age 151, clicked")
            << false << "151" << true << "请输入小于等于150岁的数字！";
        QTest::newRow("year 999, Enter") << true << "999" << false << "请输入四位出生年份！";
        QTest::newRow("year 0999, clicked") << true << "0999" << true << "请输入四位出生年份！";
        QTest::newRow("empty entry, Enter") << true << "" << false << "请输入数字！";
    }
    void rejectedEntriesAreResetToZero() {
        QFETCH(bool, birthYear);
        QFETCH(QString, entry);
        QFETCH(bool, byClick);
        QFETCH(QString, message);
        Window w;
        if (birthYear)
            w.chooseBirthYear();
        w.enter(entry);
        if (entry.isEmpty())
            QTest::keyClick(w.text1(), Qt::Key_Backspace);
        if (byClick)
            w.clickInto(w.find("Command1"));
        else
            QTest::keyClick(w.text1(), Qt::Key_Return);
        QCOMPARE(w.services.messages.size(), size_t(1));
        QCOMPARE(w.services.messages[0].text, message);
        QCOMPARE(w.services.messages[0].title, QStringLiteral("请重输"));
        QCOMPARE(w.services.messages[0].style, MessageStyle::OkStop);
        QCOMPARE(w.text1()->text(), QStringLiteral("0"));
        QCOMPARE(w.text1()->selectedText(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QCOMPARE(w.label2()->text(), QString());
        QVERIFY(w.services.picturesLoaded.empty()); // no sign was computed
    }

    void switchingModesClearsTheResult() {
        Window w;
        QTest::keyClick(w.find("Option1"), Qt::Key_Return);
        QVERIFY(w.pictureShown());
        w.chooseBirthYear();
        QCOMPARE(w.label3()->text(), QStringLiteral("请输入出生年份"));
        QCOMPARE(w.text1()->text(), QStringLiteral("0"));
        QCOMPARE(w.label2()->text(), QString());
        QVERIFY(!w.pictureShown());
        QCOMPARE(w.picture1()->size(), QSize(37, 37));
        QCOMPARE(QApplication::focusWidget(), w.find("Option2"));
    }

    void theArrowKeysSwitchModesToo() {
        Window w;
        QTest::keyClick(w.find("Option1"), Qt::Key_Right);
        QVERIFY(w.find<QRadioButton>("Option2")->isChecked());
        QCOMPARE(w.label3()->text(), QStringLiteral("请输入出生年份"));
    }

    void clickingTheSelectedOptionChangesNothing() {
        Window w;
        w.enter(QStringLiteral("26"));
        QTest::keyClick(w.text1(), Qt::Key_Return);
        w.clickInto(w.find("Option1"));
        QCOMPARE(w.text1()->text(), QStringLiteral("26"));
        QVERIFY(!w.label2()->text().isEmpty());
    }

    void clickingIntoTheEntryClearsTheResultAndSelectsIt() {
        Window w;
        w.enter(QStringLiteral("26"));
        w.clickInto(w.find("Command1"));
        QVERIFY(w.pictureShown());
        w.clickInto(w.text1());
        QCOMPARE(w.label2()->text(), QString());
        QVERIFY(!w.pictureShown());
        QCOMPARE(w.text1()->selectedText(), QStringLiteral("26"));
        QTest::keyClick(w.text1(), Qt::Key_7);
        QCOMPARE(w.text1()->text(), QStringLiteral("7"));
    }

    void tabbingIntoTheEntrySetsItsLimit() {
        Window w;
        w.chooseBirthYear();
        w.find("Option2")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w.find("Option2"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QCOMPARE(w.text1()->maxLength(), 4);
        QCOMPARE(w.text1()->selectedText(), QStringLiteral("0"));
    }

    void theResultStaysWhenTheFocusComesBackFromAnotherWindow() {
        Window w;
        w.enter(QStringLiteral("26"));
        QTest::keyClick(w.text1(), Qt::Key_Return);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QVERIFY(w.pictureShown());
    }

    void aMissingOrBrokenPictureLeavesTheSignShown_data() {
        QTest::addColumn<bool>("broken");
        QTest::newRow("missing") << false;
        QTest::newRow("not a JPEG") << true;
    }
    void aMissingOrBrokenPictureLeavesTheSignShown() {
        QFETCH(bool, broken);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("生肖图片")));
        if (broken) {
            QFile file(folder.filePath(QStringLiteral("生肖图片/鼠1.jpg")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture");
        }
        QVERIFY(QDir::setCurrent(folder.path()));
        Window w;
        w.chooseBirthYear();
        w.enter(QStringLiteral("1984"));
        QTest::keyClick(w.text1(), Qt::Key_Return);
        QVERIFY(QDir::setCurrent(QStringLiteral(MOLTRAVA_ASSETS_DIR)));
        QCOMPARE(w.label2()->text(), QStringLiteral("鼠"));
        QVERIFY(!w.pictureShown());
        QCOMPARE(w.picture1()->size(), QSize(37, 37));
        QVERIFY(w.form->isVisible());
    }

    void everyWayOfClosingAsksFirst_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("退出 clicked") << "click";
        QTest::newRow("Esc in the entry") << "escape";
        QTest::newRow("Enter on 退出") << "enter";
        QTest::newRow("close box") << "close";
    }
    void everyWayOfClosingAsksFirst() {
        QFETCH(QString, how);
        Window w;
        w.enter(QStringLiteral("42"));
        auto close = [&] {
            if (how == u"click")
                w.clickInto(w.find("Command2"));
            else if (how == u"escape")
                QTest::keyClick(w.text1(), Qt::Key_Escape);
            else if (how == u"enter") {
                w.find("Command2")->setFocus(Qt::TabFocusReason);
                QTest::keyClick(w.find("Command2"), Qt::Key_Return);
            } else
                w.form->close();
        };

        w.services.answers = {platform::AnswerNo};
        close();
        QCOMPARE(w.services.messages.size(), size_t(1));
        QCOMPARE(w.services.messages[0].text, QStringLiteral("真的要退出吗？"));
        QCOMPARE(w.services.messages[0].title, QStringLiteral("退出"));
        QCOMPARE(w.services.messages[0].style, MessageStyle::YesNoExclamation);
        QVERIFY(w.form->isVisible());
        QCOMPARE(w.text1()->text(), QStringLiteral("42"));
        QCOMPARE(w.services.endProgramCalls, 0);
        QVERIFY(w.services.picturesLoaded.empty()); // Enter on 退出 ran no query

        w.services.answers = {platform::AnswerYes};
        close();
        QCOMPARE(w.services.messages.size(), size_t(2));
        QCOMPARE(w.services.endProgramCalls, 1);
        QVERIFY(!w.form->isVisible());
    }

    void aRealRejectionBoxIsAnsweredWithEnter() {
        ui::Form1 form; // the real platform
        form.show();
        auto* text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::mouseClick(text1, Qt::LeftButton);
        QTest::keyClicks(text1, QStringLiteral("151"));
        QString shown;
        testing_support::WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            shown = box->windowTitle() + u'|' + box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(shown, QStringLiteral("请重输|请输入小于等于150岁的数字！"));
        QCOMPARE(text1->text(), QStringLiteral("0"));
    }

    void aScreenReaderCanNameEveryControl() {
        Window w;
        QCOMPARE(w.label3()->buddy(), w.text1());
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
            QVERIFY2(w.find(name)->accessibleName().isEmpty(), name); // the live text is read
        QCOMPARE(w.picture1()->accessibleName(), QStringLiteral("无图片"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.form.get())->role(), QAccessible::Window);
        QCOMPARE(w.find("gyabout")->accessibleName(), QStringLiteral("关于..."));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
