#pragma once

#include "enginepreparation.h"

#include <QApplication>
#include <QTest>

// A Qt Test main that can start the web engine, with the application class the
// test needs (QApplication, or the program's own Application).
#define TAGOVNIK_TEST_MAIN_WITH(ApplicationClass, TestClass)                                       \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        Tagovnik::prepareWebEngine();                                                              \
        ApplicationClass app(argc, argv);                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define TAGOVNIK_TEST_MAIN(TestClass) TAGOVNIK_TEST_MAIN_WITH(QApplication, TestClass)
