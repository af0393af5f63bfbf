// SPDX-License-Identifier: MIT
#include "current_year.h"

#include <QDate>

namespace platform {

int CurrentYear() {
    return QDate::currentDate().year();
}

} // namespace platform
