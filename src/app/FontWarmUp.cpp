// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

FontWarmUp::FontWarmUp() : m_thread([] { QFontDatabase::families(); }) {}

FontWarmUp::~FontWarmUp()
{
    m_thread.join();
}
