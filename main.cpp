// SPDX-License-Identifier: MIT
#include "ui/main/form1.h"

#include <QApplication>

// The program takes no options, so Qt is not shown the command line either.
int main(int /*argc*/, char* argv[]) {
    int argumentCount = 1;
    QApplication app(argumentCount, argv);
    ui::Form1 form1;
    form1.show();
    return QApplication::exec();
}
