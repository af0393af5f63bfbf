// SPDX-License-Identifier: MIT
#pragma once

#include "core/query.h"
#include "platform/platform_services.h"

#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QMenu;
class QPixmap;
class QPushButton;
class QRadioButton;

namespace ui {

class DesignLabel;
class EntryBox;

// The main window: choose age or birth year, type a number, and see the sign and its animal.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(
        platform::PlatformServices& services = platform::RealPlatformServices::instance(),
        QWidget* parent = nullptr);
    ~Form1() override;

    // Switches the kind of entry: new prompt, entry "0", result cleared.
    void SelectMode(core::QueryMode mode);
    // Prepares the entry each time the focus comes to it from another control.
    void OnTextFocus();
    // Evaluates the entry and shows the sign, or the rejection.
    void RunQuery();

    [[nodiscard]] core::QueryMode mode() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void showAboutProgram();
    void showAboutAuthor();
    void showPlanNotice();
    void clearResult();
    void showPicture(const QPixmap& picture, const QString& animal);

    platform::PlatformServices& m_services;
    QRadioButton* m_option1 = nullptr;
    EntryBox* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    DesignLabel* m_label2 = nullptr;
    DesignLabel* m_label3 = nullptr;
    QLabel* m_picture1 = nullptr;
    QButtonGroup* m_modes = nullptr;
    QMenu* m_gyabout = nullptr;
    QSize m_pictureStartSize;
    bool m_startedUp = false;
    bool m_rightPressOnSurface = false;
    bool m_iconPending = true;
};

} // namespace ui
