#pragma once

#include "MessageRecorder.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

// The engine a test run uses, from LANYUE_TEST_ENGINE ("sqlite" or "postgresql").
inline TestEngine CurrentTestEngine() {
    return qEnvironmentVariable("LANYUE_TEST_ENGINE") == u"postgresql" ? TestEngine::PostgreSQL
                                                                       : TestEngine::SQLite;
}

// main() of a test class that runs against one engine per run; the output names the engine,
// and a run whose engine is missing exits with 77, which CTest reports as skipped.
#define LANYUE_ENGINE_TEST_MAIN(TestClass)                                                     \
    int main(int argc, char* argv[]) {                                                         \
        QApplication app(argc, argv);                                                          \
        const TestEngine engine = CurrentTestEngine();                                         \
        std::printf("Engine: %s\n", qPrintable(EngineName(engine)));                           \
        const QString why = TestDatabase::Unavailable(engine);                                 \
        if (!why.isEmpty()) {                                                                  \
            std::printf("SKIP: %s\n", qPrintable(why));                                        \
            return 77;                                                                         \
        }                                                                                      \
        RefuseUnexpectedMessages();                                                            \
        TestClass test(engine);                                                                \
        return QTest::qExec(&test, argc, argv);                                                \
    }
