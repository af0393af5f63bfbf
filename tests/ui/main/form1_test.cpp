// SPDX-License-Identifier: MIT
// The main window driven by scripts of real key and mouse events; the platform is recorded.
#include "support/fake_services.h"
#include "ui/main/form1.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

// A folder where 鼠1.jpg is no picture but a folder, and 牛1.jpg is missing.
const QTemporaryDir NoPictures;

void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window, 30000));
}

struct Window {
    FakeServices services;
    ui::Form1 form{services};
    QLineEdit* text1 = form.findChild<QLineEdit*>("Text1");
    QWidget other; // another application's window

    Window() { activate(&form); }
    QLabel* label(const char* name) const { return form.findChild<QLabel*>(name); }

    // Runs steps, separated by semicolons, each a verb and its argument.
    void run(const QString& script) {
        const auto drop = [this](const QString& text) { // at the end of the entry
            QMimeData dropped;
            dropped.setText(text);
            QDragEnterEvent enter({text1->width() - 4, 5}, Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QDropEvent drop(QPointF(text1->width() - 4, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QApplication::sendEvent(text1, &enter);
            QApplication::sendEvent(text1, &drop);
        };
        const auto menuPaste = [this] { // the entry's context menu, if it offers to paste
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, text1->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(text1, &event);
            for (QAction* item : QApplication::activePopupWidget()->actions())
                item->text().endsWith("\tCtrl+V") ? item->trigger() : void(); // Paste, in any language
            QApplication::activePopupWidget()->close();
        };
        // clang-format off
        const std::map<QString, std::function<void(const QString&)>> verbs{
            {"click", [this](const QString& name) { click(name, Qt::LeftButton); }},
            {"type", [](const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }},
            {"key", [](const QString& key) { QTest::keySequence(QApplication::focusWidget(), QKeySequence(key)); }},
            {"clipboard", [](const QString& text) { QGuiApplication::clipboard()->setText(text); }},
            {"yes", [this](const QString&) { services.answer = platform::Answer::Yes; }},
            {"away", [this](const QString&) { activate(&other); }},
            {"back", [this](const QString&) { activate(&form); }},
            // the window is activated again only after the box
            {"late", [this](const QString&) { services.whileMessageShows = [this] { activate(&other); }; }},
            {"close", [this](const QString&) { form.close(); }},
            {"nopictures", [](const QString&) { QDir::setCurrent(NoPictures.path()); }},
            {"menupaste", [&](const QString&) { menuPaste(); }}, {"drop", drop},
            // the right button over a control, or over the background (no name)
            {"rclick", [this](const QString& name) { click(name, Qt::RightButton); }},
            {"menu", [this](const QString& item) { form.findChild<QAction*>(item)->trigger(); }}};
        // clang-format on
        for (const QString& step : script.split(';'))
            verbs.at(step.section(' ', 0, 0))(step.section(' ', 1));
    }
    // Clicks a control, or the window's background.
    void click(const QString& name, Qt::MouseButton button) {
        QWidget* control = form.findChild<QWidget*>(name);
        name.isEmpty() ? QTest::mouseClick(&form, button, {}, {8, 300}) : QTest::mouseClick(control, button);
    }
    // What a person sees: the prompt, the entry [its selection], the sign, the picture, the
    // focus, and each message box shown: its text, title and style.
    QString seen() const {
        QString messages;
        for (const FakeServices::Message& m : services.messages)
            messages += QString::fromStdString(" " + m.text + "@" + m.title) + QString::number(int(m.style));
        const QWidget* focus = QApplication::focusWidget();
        const auto* menu = form.findChild<QMenu*>("gyabout");
        const QPoint at = menu->pos() - form.mapToGlobal(QPoint());
        const QString popup = menu->isVisible() ? QString("|menu at %1,%2").arg(at.x()).arg(at.y()) : "";
        return label("Label3")->text() + '|' + text1->text() + '[' + text1->selectedText() + "]|" +
               label("Label2")->text() + '|' + label("Picture1")->accessibleName() + '|' +
               (focus ? focus->objectName() : "-") + (form.isVisible() ? "" : "|closed") + popup + messages;
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir(NoPictures.path()).mkpath("生肖图片/鼠1.jpg")); }
    void init() { QVERIFY(QDir::setCurrent(MOLTRAVA_ASSETS_DIR)); }

    // clang-format off
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const QString age = "请输入您的年龄|", year = "请输入出生年份|", tooOld = " 请输入小于等于150岁的数字！@请重输16";
        const QString tooShort = " 请输入四位出生年份！@请重输16", asked = " 真的要退出吗？@退出52";
        QTest::newRow("Enter at start: this year's sign") << "key Return" << age + "0[]|马|马|Option1";
        QTest::newRow("digits only, 3 for an age") << "click Text1;type 1a 9-.25;key Home;key Delete" << age + "92[]||无图片|Text1";
        QTest::newRow("no Ctrl shortcut") << "click Text1;type 12;clipboard 7;key Ctrl+A;key Ctrl+V;key Ctrl+X;key Ctrl+Z;key Ctrl+Backspace"
                                          << age + "12[]||无图片|Text1";
        QTest::newRow("a paste cut to the room") << "click Option2;click Text1;clipboard 19845;key Shift+Ins" << year + "1984[]||无图片|Text1";
        QTest::newRow("a paste judged whole") << "click Option2;click Text1;key Backspace;type 19;clipboard 12ab;key Shift+Ins;menupaste;drop 12ab"
                                              << year + "19[]||无图片|Text1";
        QTest::newRow("menu paste and drop") << "click Option2;click Text1;clipboard 19;menupaste;drop 84" << year + "1984[]||无图片|Text1";
        QTest::newRow("a click into the entry") << "click Text1;type 26;click Command1;click Text1;type 7" << age + "7[]||无图片|Text1";
        QTest::newRow("Tab round into a year") << "key Right;key Tab;type 1984;key Tab;key Tab;key Tab;key Tab;key Tab;type 20051"
                                               << year + "2005[]||无图片|Text1";
        QTest::newRow("the result stays past another window") << "click Text1;type 26;key Return;away;back" << age + "26[]|龙|龙|Text1";
        QTest::newRow("another mode clears it") << "key Return;key Right" << year + "0[]||无图片|Option2";
        QTest::newRow("the same mode keeps it") << "click Text1;type 26;key Return;click Option1" << age + "26[]|龙|龙|Option1";
        QTest::newRow("age 151") << "click Text1;type 151;click Command1;type 7" << age + "7[]||无图片|Text1" + tooOld;
        QTest::newRow("year 0999") << "key Right;key Tab;type 0999;key Return;type 7" << year + "7[]||无图片|Text1" + tooShort;
        QTest::newRow("year 999, activated late") << "key Right;key Tab;type 999;late;key Return;back;type 7"
                                                  << year + "7[]||无图片|Text1" + tooShort;
        QTest::newRow("no digits") << "click Text1;key Backspace;key Return" << age + "0[0]||无图片|Text1 请输入数字！@请重输16";
        QTest::newRow("退出, No") << "click Text1;type 42;click Command2" << age + "42[]||无图片|Command2" + asked;
        QTest::newRow("Esc, Yes") << "click Text1;yes;key Esc" << age + "0[0]||无图片|-|closed" + asked;
        QTest::newRow("Enter on 退出, Yes") << "key Tab;key Tab;key Tab;yes;key Return" << age + "0[]||无图片|-|closed" + asked;
        QTest::newRow("the close box, No") << "close" << age + "0[]||无图片|Option1" + asked;
        QTest::newRow("the menu over the background") << "rclick;menu aboutjh" << age + "0[]||无图片|Option1|menu at 8,300 "
            "本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，就可以通过本软件的反查功能来实现。@0";
        for (const char* control : {"Label1", "Picture1", "frame1", "Label4", "Command1"})
            QTest::newRow(control) << QString("rclick ") + control << age + "0[]||无图片|" + (control[0] == 'C' ? control : "Option1");
        QTest::newRow("no menu for the left button") << "click" << age + "0[]||无图片|Option1";
        QTest::newRow("a broken picture") << "nopictures;key Right;key Tab;type 1984;key Return" << year + "1984[]|鼠|无图片|Text1";
        QTest::newRow("a missing picture") << "nopictures;key Right;key Tab;type 1985;key Return" << year + "1985[]|牛|无图片|Text1";
    }
    // clang-format on
    void scripts() {
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Window w;
        w.run(script);
        QCOMPARE(w.seen(), seen);
        QCOMPARE(w.services.programEnds, int(seen.contains("closed")));
    }

    // Twips divided by 15; the self-sizing label keeps its corner and fits its caption; the
    // picture box takes the size of the picture.
    void theWindowFollowsItsLayoutTable() {
        Window w;
        QCOMPARE(w.form.windowTitle(), "Moltrava1.2    QQ:000000000");
        QCOMPARE(w.form.geometry(),
                 QRect(w.form.screen()->availableGeometry().center() - QPoint(194, 155), QSize(390, 312)));
        QCOMPARE(w.label("Label4")->geometry(), QRect(QPoint(64, 29), w.label("Label4")->sizeHint()));
        QCOMPARE(w.text1->palette().color(QPalette::Text), QColor(0xff8000)); // its one colour
        QTRY_COMPARE(w.form.windowIcon().availableSizes().size(), 5); // once the window is painted
        w.run("key Return");
        QCOMPARE(w.label("Picture1")->size(), QSize(64, 64) + 2 * QSize(1, 1) * w.label("Picture1")->frameWidth());
        w.run("key Right"); // a cleared result gives the picture box its own size back
        QString boxes;
        for (const char* name : {"frame1", "Option2", "Text1", "Command2", "Picture1"})
            QDebug(&boxes).nospace() << w.form.findChild<QWidget*>(name)->geometry();
        QCOMPARE(boxes, "QRect(67,24 257x65)QRect(128,19 63x33)QRect(262,124 52x29)QRect(251,256 "
                        "65x33)QRect(256,180 37x37)");
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
