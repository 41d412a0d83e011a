#pragma once

#include "platform/forms/application.h"

#include <QApplication>
#include <QTest>

// A test main with the program's identity, so message boxes carry its title.
#define QB_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        QApplication::setApplicationName(QStringLiteral("Quillarbon"));                                      \
        QApplication::setApplicationVersion(QStringLiteral("1.0.0"));                                        \
        forms::installDesignFonts();                                                                         \
        TestClass tc;                                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
