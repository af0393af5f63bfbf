// SPDX-License-Identifier: MIT
// The two Qt dialogs, driven with real key and mouse events; the platform is recorded.
#include "core/sign_table.h"
#include "support/fake_services.h"
#include "ui/qt/fabout.h"
#include "ui/qt/form1.h"
#include "ui/qt/form2.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>

#include <algorithm>

namespace {

// The window's name and title, then each named control's text, or its box for "@name".
QString seen(QWidget* window, const QStringList& names) {
    QString all = window->objectName() + '|' + window->windowTitle();
    for (const QString& name : names) {
        QWidget* control = window->findChild<QWidget*>(name.section('@', -1));
        QDebug text = QDebug(&all).noquote().nospace() << '|';
        if (name[0] == '@')
            text << control->geometry();
        else
            text << control->property("text").toString();
    }
    return all;
}

// Centred but for rounding: a window of odd width has no exact centre.
bool centredOn(QWidget* window, const QRect& area) {
    const int off = (window->geometry().center() - area.center()).manhattanLength(); // placed before it shows
    window->show();
    return QTest::qWaitForWindowActive(window, 30000) && off <= 2;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    FakeServices services;
    ui::qt::Form1 form{services};

private Q_SLOTS:
    void init() { services = {}; }

    // On the main window wherever it is, with its captions; Esc, Enter and the close box close
    // it; 系统信息 starts the tool the registry names, or says it is unavailable, and it stays.
    void theAboutProgramDialog() {
        form.show();
        form.move(form.pos() + QPoint(37, 11));
        services.registry = {{"PATH", "C:\\Program Files\\msinfo32.exe"}};
        for (const Qt::Key close : {Qt::Key_Escape, Qt::Key_Return, Qt::Key(0)}) {
            ui::qt::FAbout about(services, &form);
            QVERIFY(centredOn(&about, form.geometry()) && about.minimumSize() == QSize(307, 237) &&
                    about.maximumSize() == QSize(307, 237));
            // clang-format off
            QCOMPARE(seen(&about, {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo", "@cmdOK", "@cmdSysInfo", "@picIcon", "@lblDescription"}),
                     "fAbout|关于 Moltrava V1.2|Moltrava V1.2|版本 1.0.0|确定|系统信息|QRect(224,175 68x23)|QRect(224,205 68x23)|QRect(16,16 36x36)|QRect(16,88 259x54)");
            // clang-format on
            const QImage image = about.grab().toImage(); // the etched line over the buttons
            QVERIFY(image.pixelColor(100, 163) == QColor(0x808080) && image.pixelColor(306, 165) == Qt::white);
            QVERIFY(about.findChild<QWidget*>("cmdOK")->hasFocus());
            for (const Qt::Key next : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}) // to 系统信息, past the icon
                QTest::keyClick(QApplication::focusWidget(), next);
            services.registry.clear();
            QVERIFY(about.isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab); // to the icon
            if (close)
                QTest::keyClick(QApplication::focusWidget(), close);
            else
                about.close();
            QVERIFY(!about.isVisible());
        }
        QCOMPARE(services.launches, std::vector<std::string>{"\"C:\\Program Files\\msinfo32.exe\""});
        QCOMPARE(services.messages.size(), 2u);
        QCOMPARE(services.messages[1].text + services.messages[1].title, "此时系统信息不可用");
    }

    // Centred on the screen, modal, with no cancel button; its buttons reach the pages.
    void theAuthorDialogOpensPagesAndStaysOpen() {
        ui::qt::Form2 author(services);
        QVERIFY(centredOn(&author, author.screen()->availableGeometry()) && author.size() == QSize(312, 206));
        QVERIFY(!author.parentWidget() && author.windowModality() == Qt::ApplicationModal);
        // The greeting keeps its box, 260x44, unless its lines in the face in use are taller (Qt
        // 6.4's substitute takes 45 pixels): then it grows rather than cut a line.
        const QLabel* greeting = author.findChild<QLabel*>("Label1");
        const int lines = QFontMetrics(greeting->font())
                              .boundingRect(QRect(0, 0, 260, 1000), Qt::TextWordWrap, greeting->text())
                              .height();
        // clang-format off
        QCOMPARE(seen(&author, {"Label2", "Label3", "Command2", "Command1", "@Label1", "@Command2", "@Command1"}),
                 QString("Form2|关于作者|QQ:000000000|E-mail:author@example.com|百度博客|主 页|QRect(24,24 260x%1)|QRect(188,168 73x25)|QRect(52,168 65x25)").arg(std::max(44, lines)));
        // clang-format on
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // no cancel button
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // 百度博客 has the focus
        QTest::mouseClick(author.findChild<QWidget*>("Command1"), Qt::LeftButton);
        QVERIFY(author.isVisible());
        QCOMPARE(services.launches,
                 (std::vector<std::string>{"web https://blog.example.org/", "web https://www.example.com/"}));
    }

    // Each text of the three windows, and every sign and digit, is whole in a face its control
    // asked for (the substitute, where the Windows face is missing), and bold where asked.
    void everyTextIsWholeInItsFaceAndBoldWhereAsked() {
        const ui::qt::FAbout about(services, &form);
        const ui::qt::Form2 author(services);
        const auto reach = [](QFont font, bool bold, const QString& text) {
            font.setBold(bold);
            return QFontMetrics(font).tightBoundingRect(text).width();
        };
        QString shownLater = "请输入出生年份0123456789";
        for (const core::SignEntry& sign : core::SignTable)
            shownLater += QString::fromUtf8(sign.caption.data(), sign.caption.size());
        for (QWidget* c : form.findChildren<QWidget*>() + author.findChildren<QWidget*>()) {
            const QString text = c->property("text").toString() + c->property("title").toString();
            if (c->isWindow() || text.isEmpty()) // the menu has the desktop's font
                continue;
            const QRawFont face = QRawFont::fromFont(c->font());
            QVERIFY2(c->font().families().contains(face.familyName()), qPrintable(face.familyName()));
            QVERIFY2(!face.glyphIndexesForString(text + shownLater).contains(0), qPrintable(text));
            QVERIFY2(!c->font().bold() || reach(c->font(), true, text) > reach(c->font(), false, text),
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
