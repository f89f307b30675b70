// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI tests run offscreen inside one QApplication.
#include "qt/translations.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Settings go to a private place, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // The texts the tests look for are English, whatever the machine's language.
    qputenv("LANGUAGE", "en");
    QApplication app(argc, argv);
    ambrel::installTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
