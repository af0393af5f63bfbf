// SPDX-License-Identifier: MIT
#include "form1.h"
#include "services.h"

#include <QApplication>

// The program takes no options, so Qt is not shown the command line either.
int main(int /*argc*/, char* argv[]) {
    int argumentCount = 1;
    QApplication app(argumentCount, argv);
    ui::qt::Form1 form1(ui::qt::Services::instance());
    form1.show();
    return QApplication::exec();
}
