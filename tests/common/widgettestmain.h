#pragma once

// main() for the widget tests: QZ_WIDGET_TEST_MAIN(TestClass) in place of
// QTEST_MAIN. With QT_FATAL_WARNINGS=1 (ctest sets it for every widget test)
// each warning still ends the test, so a failed connect() or a "No such
// signal" cannot pass unseen. One kind is let through: the offscreen
// platform's notes that it lacks a window manager ("This plugin does not
// support raise()"), which Qt's own message boxes and popups trigger. Qt's
// switch would abort on those too (QTest::ignoreMessage does not help), so the
// test takes the switch over before the first message.

#include <QApplication>
#include <QTest>

#include <cstdlib>

namespace qztest {

inline QtMessageHandler &testlibHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void failOnWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    testlibHandler()(type, context, message); // logged as usual first
    if ((type == QtWarningMsg || type == QtCriticalMsg)
        && !message.startsWith(QLatin1String("This plugin does not support")))
        std::abort();
}

/** True when QT_FATAL_WARNINGS=1 was set; Qt no longer sees it afterwards. */
inline bool takeOverFatalWarnings()
{
    if (qEnvironmentVariableIntValue("QT_FATAL_WARNINGS") != 1)
        return false;
    qunsetenv("QT_FATAL_WARNINGS");
    return true;
}

} // namespace qztest

#define QZ_WIDGET_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        const bool fatalWarnings = qztest::takeOverFatalWarnings(); \
        QTest::Internal::callInitMain<TestObject>(); \
        QApplication app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        QTest::qInit(&tc, argc, argv); \
        if (fatalWarnings) \
            qztest::testlibHandler() = qInstallMessageHandler(qztest::failOnWarning); \
        const int failures = QTest::qRun(); \
        QTest::qCleanup(); \
        return failures; \
    }
